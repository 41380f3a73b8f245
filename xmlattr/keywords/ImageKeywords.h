// Keywords of background images and image scaling.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"

namespace Xml {

/// How a background image repeats.
enum BackgroundRepeat : int {
    BackgroundRepeatRepeat = 0,
    BackgroundRepeatRepeatX = 1,
    BackgroundRepeatRepeatY = 2,
    BackgroundRepeatNoRepeat = 3
};

inline constexpr KeywordEntry<BackgroundRepeat> kBackgroundRepeatKeywords[] = {
    {u"repeat", BackgroundRepeatRepeat},
    {u"repeat-x", BackgroundRepeatRepeatX},
    {u"repeat-y", BackgroundRepeatRepeatY},
    {u"no-repeat", BackgroundRepeatNoRepeat}};
template <>
inline constexpr KeywordTable<BackgroundRepeat> kKeywordTable<BackgroundRepeat>{
    .reads = kBackgroundRepeatKeywords,
    .match = KeywordCase::Exact,
    .writes = kBackgroundRepeatKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<BackgroundRepeat>{
    .name = "BackgroundRepeat",
    .summary = "background-repeat: how a background image repeats",
    .family = TypeFamily::Keyword};

/// Whether an image keeps its aspect ratio when scaled.
enum Scaling : int { ScalingUniform = 0, ScalingNonUniform = 1 };

inline constexpr KeywordEntry<Scaling> kScalingKeywords[] = {{u"uniform", ScalingUniform},
                                                             {u"non-uniform", ScalingNonUniform}};
template <>
inline constexpr KeywordTable<Scaling> kKeywordTable<Scaling>{
    .reads = kScalingKeywords, .match = KeywordCase::Exact, .writes = kScalingKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<Scaling>{
    .name = "Scaling",
    .summary = "scaling: whether an image keeps its aspect ratio when scaled",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<BackgroundRepeat>;
extern template class XMLATTR_EXPORT TXmlAttribute<Scaling>;

} // namespace Xml
