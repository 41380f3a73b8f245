// Keywords of reference areas: their orientation and what becomes of content that
// overflows them. The orientation's writer, which throws, is compiled by the library.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/Format.h"

#include <string_view>

namespace Xml {

/// The rotation of a reference area, in quarter turns counterclockwise; read from an angle.
enum ReferenceOrientation : int {
    ReferenceOrientation0 = 0,
    ReferenceOrientation90 = 1,
    ReferenceOrientation180 = 2,
    ReferenceOrientation270 = 3
};

inline constexpr KeywordEntry<ReferenceOrientation> kReferenceOrientationWrites[] = {
    {u"0", ReferenceOrientation0},
    {u"90", ReferenceOrientation90},
    {u"180", ReferenceOrientation180},
    {u"270", ReferenceOrientation270}};
template <>
inline constexpr KeywordTable<ReferenceOrientation> kKeywordTable<ReferenceOrientation>{
    .reads = {},
    .match = KeywordCase::Exact,
    // Lenient about the number: read as C's atoi would, so text without a number is the angle
    // 0. Accepts 0, 90, 180, 270, -90, -180 and -270; any other angle is rejected.
    .otherwise =
        [](std::u16string_view text, ReferenceOrientation& out) noexcept {
            int const angle = Core::Format::parseInt(text);
            if (angle % 90 != 0 || angle <= -360 || angle >= 360) {
                return false;
            }
            out = static_cast<ReferenceOrientation>((angle + 360) % 360 / 90);
            return true;
        },
    .writes = kReferenceOrientationWrites};

template <>
inline constexpr TypeDescription kTypeDescription<ReferenceOrientation>{
    .name = "ReferenceOrientation",
    .summary = "reference-orientation: an angle in quarter turns (\"90\", \"-180\")",
    .family = TypeFamily::Keyword};
/// Binds `ReferenceOrientation` to its keyword table, with a writer of its own that throws.
template <> struct ValueTraits<ReferenceOrientation> : KeywordTraits<ReferenceOrientation> {
    /// Throws for a number that no written entry names.
    XMLATTR_EXPORT static Core::String write(ReferenceOrientation const& value);
};

/// What happens to content that overflows its area. Six keywords read onto three numbers;
/// writing uses the first spelling of each.
enum Overflow : int { OverflowVisible = 0, OverflowHidden = 1, OverflowErrorIfOverflow = 2 };

inline constexpr KeywordEntry<Overflow> kOverflowKeywords[] = {
    {u"visible", OverflowVisible}, {u"repeat", OverflowVisible},
    {u"auto", OverflowVisible},    {u"hidden", OverflowHidden},
    {u"scroll", OverflowHidden},   {u"error-if-overflow", OverflowErrorIfOverflow}};
template <>
inline constexpr KeywordTable<Overflow> kKeywordTable<Overflow>{
    .reads = kOverflowKeywords, .match = KeywordCase::Exact, .writes = kOverflowKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<Overflow>{
    .name = "Overflow",
    .summary = "overflow: what happens to content that overflows its area",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<ReferenceOrientation>;
extern template class XMLATTR_EXPORT TXmlAttribute<Overflow>;

} // namespace Xml
