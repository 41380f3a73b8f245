// Keywords of borders and rules.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"

namespace Xml {

/// The style of a border or rule.
enum BorderStyle : int {
    BorderStyleNone = 0,
    BorderStyleInset = 1,
    BorderStyleGroove = 2,
    BorderStyleOutset = 3,
    BorderStyleRidge = 4,
    BorderStyleDotted = 5,
    BorderStyleDashed = 6,
    BorderStyleSolid = 7,
    BorderStyleDouble = 8,
    BorderStyleHidden = 9
};

inline constexpr KeywordEntry<BorderStyle> kBorderStyleKeywords[] = {
    {u"none", BorderStyleNone},     {u"inset", BorderStyleInset}, {u"groove", BorderStyleGroove},
    {u"outset", BorderStyleOutset}, {u"ridge", BorderStyleRidge}, {u"dotted", BorderStyleDotted},
    {u"dashed", BorderStyleDashed}, {u"solid", BorderStyleSolid}, {u"double", BorderStyleDouble},
    {u"hidden", BorderStyleHidden}};
template <>
inline constexpr KeywordTable<BorderStyle> kKeywordTable<BorderStyle>{
    .reads = kBorderStyleKeywords, .match = KeywordCase::Exact, .writes = kBorderStyleKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<BorderStyle>{
    .name = "BorderStyle",
    .summary = "border-style and its sides, rule-style: the style of a border or rule",
    .family = TypeFamily::Keyword};

/// How the borders of adjacent table cells meet.
enum BorderCollapse : int {
    BorderCollapseCollapse = 0,
    BorderCollapseCollapseWithPrecedence = 1,
    BorderCollapseSeparate = 2
};

inline constexpr KeywordEntry<BorderCollapse> kBorderCollapseKeywords[] = {
    {u"collapse", BorderCollapseCollapse},
    {u"collapse-with-precedence", BorderCollapseCollapseWithPrecedence},
    {u"separate", BorderCollapseSeparate}};
template <>
inline constexpr KeywordTable<BorderCollapse> kKeywordTable<BorderCollapse>{
    .reads = kBorderCollapseKeywords,
    .match = KeywordCase::Exact,
    .writes = kBorderCollapseKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<BorderCollapse>{
    .name = "BorderCollapse",
    .summary = "border-collapse: how the borders of adjacent table cells meet",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<BorderStyle>;
extern template class XMLATTR_EXPORT TXmlAttribute<BorderCollapse>;

} // namespace Xml
