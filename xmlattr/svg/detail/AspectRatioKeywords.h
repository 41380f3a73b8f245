// The keywords of an SVG aspect ratio, for its reader and for programs that describe it (the
// xmlattr tool): no spelling written twice.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/svg/SPreserveAspectRatio.h"

namespace Xml::detail {

/// The alignments and the two fits, as bits of `SPreserveAspectRatio`.
inline constexpr KeywordEntry<int> kAspectAlignmentKeywords[] = {
    {u"none", SPreserveAspectRatio::AspectNone},
    {u"xMinYMin", SPreserveAspectRatio::AspectXMin | SPreserveAspectRatio::AspectYMin},
    {u"xMidYMin", SPreserveAspectRatio::AspectXMid | SPreserveAspectRatio::AspectYMin},
    {u"xMaxYMin", SPreserveAspectRatio::AspectXMax | SPreserveAspectRatio::AspectYMin},
    {u"xMinYMid", SPreserveAspectRatio::AspectXMin | SPreserveAspectRatio::AspectYMid},
    {u"xMidYMid", SPreserveAspectRatio::AspectXMid | SPreserveAspectRatio::AspectYMid},
    {u"xMaxYMid", SPreserveAspectRatio::AspectXMax | SPreserveAspectRatio::AspectYMid},
    {u"xMinYMax", SPreserveAspectRatio::AspectXMin | SPreserveAspectRatio::AspectYMax},
    {u"xMidYMax", SPreserveAspectRatio::AspectXMid | SPreserveAspectRatio::AspectYMax},
    {u"xMaxYMax", SPreserveAspectRatio::AspectXMax | SPreserveAspectRatio::AspectYMax},
};
inline constexpr KeywordEntry<int> kMeetOrSliceKeywords[] = {
    {u"meet", SPreserveAspectRatio::AspectMeet},
    {u"slice", SPreserveAspectRatio::AspectSlice},
};

} // namespace Xml::detail
