// Keywords of positioning: absolute and relative positions, floats and their anchors. The
// writers that throw are compiled by the library, which records where they throw.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"

namespace Xml {

/// How a block is taken out of the flow.
enum AbsolutePosition : int {
    AbsolutePositionAuto = 0,
    AbsolutePositionAbsolute = 1,
    AbsolutePositionFixed = 2
};

inline constexpr KeywordEntry<AbsolutePosition> kAbsolutePositionKeywords[] = {
    {u"auto", AbsolutePositionAuto},
    {u"absolute", AbsolutePositionAbsolute},
    {u"fixed", AbsolutePositionFixed}};
template <>
inline constexpr KeywordTable<AbsolutePosition> kKeywordTable<AbsolutePosition>{
    .reads = kAbsolutePositionKeywords,
    .match = KeywordCase::Exact,
    .writes = kAbsolutePositionKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<AbsolutePosition>{
    .name = "AbsolutePosition",
    .summary = "absolute-position: how a block is taken out of the flow",
    .family = TypeFamily::Keyword};
/// Binds `AbsolutePosition` to its keyword table, with a writer of its own that throws.
template <> struct ValueTraits<AbsolutePosition> : KeywordTraits<AbsolutePosition> {
    /// Throws for a number that no written entry names.
    XMLATTR_EXPORT static Core::String write(AbsolutePosition const& value);
};

/// Whether a block is offset from its place.
enum RelativePosition : int { RelativePositionStatic = 0, RelativePositionRelative = 1 };

inline constexpr KeywordEntry<RelativePosition> kRelativePositionKeywords[] = {
    {u"static", RelativePositionStatic}, {u"relative", RelativePositionRelative}};
template <>
inline constexpr KeywordTable<RelativePosition> kKeywordTable<RelativePosition>{
    .reads = kRelativePositionKeywords,
    .match = KeywordCase::Exact,
    .writes = kRelativePositionKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<RelativePosition>{
    .name = "RelativePosition",
    .summary = "relative-position: whether a block is offset from its place",
    .family = TypeFamily::Keyword};
/// Binds `RelativePosition` to its keyword table, with a writer of its own that throws.
template <> struct ValueTraits<RelativePosition> : KeywordTraits<RelativePosition> {
    /// Throws for a number that no written entry names.
    XMLATTR_EXPORT static Core::String write(RelativePosition const& value);
};

/// The side a float goes to.
enum FloatPosition : int { FloatPositionLeft = 0, FloatPositionRight = 1 };

inline constexpr KeywordEntry<FloatPosition> kFloatPositionKeywords[] = {
    {u"left", FloatPositionLeft}, {u"right", FloatPositionRight}};
template <>
inline constexpr KeywordTable<FloatPosition> kKeywordTable<FloatPosition>{
    .reads = kFloatPositionKeywords,
    .match = KeywordCase::AnyCase,
    .writes = kFloatPositionKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<FloatPosition>{
    .name = "FloatPosition",
    .summary = "float: the side a float goes to",
    .family = TypeFamily::Keyword,
    .exported = false};

/// What a float is anchored to horizontally.
enum AnchorX : int { AnchorXAuto = 0, AnchorXBody = 1, AnchorXPage = 2, AnchorXCharacter = 3 };

inline constexpr KeywordEntry<AnchorX> kAnchorXKeywords[] = {{u"auto", AnchorXAuto},
                                                             {u"body", AnchorXBody},
                                                             {u"page", AnchorXPage},
                                                             {u"character", AnchorXCharacter}};
template <>
inline constexpr KeywordTable<AnchorX> kKeywordTable<AnchorX>{.reads = kAnchorXKeywords,
                                                              .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<AnchorX>{
    .name = "AnchorX",
    .summary = "what a float is anchored to horizontally",
    .family = TypeFamily::Keyword};

/// What a float is anchored to vertically.
enum AnchorY : int {
    AnchorYAuto = 0,
    AnchorYBody = 1,
    AnchorYPage = 2,
    AnchorYBlock = 3,
    AnchorYLine = 4
};

inline constexpr KeywordEntry<AnchorY> kAnchorYKeywords[] = {{u"auto", AnchorYAuto},
                                                             {u"body", AnchorYBody},
                                                             {u"page", AnchorYPage},
                                                             {u"block", AnchorYBlock},
                                                             {u"line", AnchorYLine}};
template <>
inline constexpr KeywordTable<AnchorY> kKeywordTable<AnchorY>{.reads = kAnchorYKeywords,
                                                              .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<AnchorY>{
    .name = "AnchorY",
    .summary = "what a float is anchored to vertically",
    .family = TypeFamily::Keyword};

/// Horizontal position of a float at its anchor.
enum PositionX : int {
    PositionXAuto = 0,
    PositionXLeft = 1,
    PositionXCenter = 2,
    PositionXRight = 3
};

inline constexpr KeywordEntry<PositionX> kPositionXKeywords[] = {{u"auto", PositionXAuto},
                                                                 {u"left", PositionXLeft},
                                                                 {u"center", PositionXCenter},
                                                                 {u"right", PositionXRight}};
template <>
inline constexpr KeywordTable<PositionX> kKeywordTable<PositionX>{.reads = kPositionXKeywords,
                                                                  .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<PositionX>{
    .name = "PositionX",
    .summary = "horizontal position of a float at its anchor",
    .family = TypeFamily::Keyword};

/// Vertical position of a float at its anchor.
enum PositionY : int {
    PositionYAuto = 0,
    PositionYTop = 1,
    PositionYMiddle = 2,
    PositionYBottom = 3
};

inline constexpr KeywordEntry<PositionY> kPositionYKeywords[] = {{u"auto", PositionYAuto},
                                                                 {u"top", PositionYTop},
                                                                 {u"middle", PositionYMiddle},
                                                                 {u"bottom", PositionYBottom}};
template <>
inline constexpr KeywordTable<PositionY> kKeywordTable<PositionY>{.reads = kPositionYKeywords,
                                                                  .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<PositionY>{
    .name = "PositionY",
    .summary = "vertical position of a float at its anchor",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<AbsolutePosition>;
extern template class XMLATTR_EXPORT TXmlAttribute<RelativePosition>;
extern template class XMLATTR_EXPORT TXmlAttribute<AnchorX>;
extern template class XMLATTR_EXPORT TXmlAttribute<AnchorY>;
extern template class XMLATTR_EXPORT TXmlAttribute<PositionX>;
extern template class XMLATTR_EXPORT TXmlAttribute<PositionY>;

} // namespace Xml
