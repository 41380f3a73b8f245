// Keywords of text alignment, reference orientation, positioning, overflow, floats,
// backgrounds, image scaling and table layout. The writers that throw are compiled by the
// library, which records where they throw.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/Format.h"

#include <string_view>

namespace Xml {

/// Alignment of the lines of a block. The relative keywords read as the absolute ones;
/// 0 (the default) and 5 to 8 are read from no keyword but are written.
enum TextAlign : int {
    TextAlignDefault = 0,
    TextAlignLeft = 1,
    TextAlignRight = 2,
    TextAlignCenter = 3,
    TextAlignJustify = 4,
    TextAlignStart = 5,
    TextAlignEnd = 6,
    TextAlignInside = 7,
    TextAlignOutside = 8
};

inline constexpr KeywordEntry<TextAlign> kTextAlignReads[] = {
    {u"left", TextAlignLeft},     {u"start", TextAlignLeft},     {u"inside", TextAlignLeft},
    {u"right", TextAlignRight},   {u"end", TextAlignRight},      {u"outside", TextAlignRight},
    {u"center", TextAlignCenter}, {u"justify", TextAlignJustify}};
inline constexpr KeywordEntry<TextAlign> kTextAlignWrites[] = {
    {u"left", TextAlignDefault},  {u"left", TextAlignLeft},       {u"right", TextAlignRight},
    {u"center", TextAlignCenter}, {u"justify", TextAlignJustify}, {u"start", TextAlignStart},
    {u"end", TextAlignEnd},       {u"inside", TextAlignInside},   {u"outside", TextAlignOutside}};
template <>
inline constexpr KeywordTable<TextAlign> kKeywordTable<TextAlign>{
    .reads = kTextAlignReads, .match = KeywordCase::Exact, .writes = kTextAlignWrites};

template <>
inline constexpr TypeDescription kTypeDescription<TextAlign>{
    .name = "TextAlign",
    .summary = "text-align, text-align-last: alignment of the lines of a block",
    .family = TypeFamily::Keyword};
/// Binds `TextAlign` to its keyword table, with a writer of its own that throws.
template <> struct ValueTraits<TextAlign> : KeywordTraits<TextAlign> {
    /// Throws for a number that no written entry names.
    XMLATTR_EXPORT static Core::String write(TextAlign const& value);
};

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

/// How column widths of a table are found.
enum TableLayout : int { TableLayoutAuto = 0, TableLayoutFixed = 1 };

inline constexpr KeywordEntry<TableLayout> kTableLayoutKeywords[] = {{u"auto", TableLayoutAuto},
                                                                     {u"fixed", TableLayoutFixed}};
template <>
inline constexpr KeywordTable<TableLayout> kKeywordTable<TableLayout>{
    .reads = kTableLayoutKeywords, .match = KeywordCase::Exact, .writes = kTableLayoutKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<TableLayout>{
    .name = "TableLayout",
    .summary = "table-layout: how the column widths of a table are found",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<TextAlign>;
extern template class XMLATTR_EXPORT TXmlAttribute<ReferenceOrientation>;
extern template class XMLATTR_EXPORT TXmlAttribute<AbsolutePosition>;
extern template class XMLATTR_EXPORT TXmlAttribute<RelativePosition>;
extern template class XMLATTR_EXPORT TXmlAttribute<Overflow>;
extern template class XMLATTR_EXPORT TXmlAttribute<AnchorX>;
extern template class XMLATTR_EXPORT TXmlAttribute<AnchorY>;
extern template class XMLATTR_EXPORT TXmlAttribute<PositionX>;
extern template class XMLATTR_EXPORT TXmlAttribute<PositionY>;
extern template class XMLATTR_EXPORT TXmlAttribute<BackgroundRepeat>;
extern template class XMLATTR_EXPORT TXmlAttribute<Scaling>;
extern template class XMLATTR_EXPORT TXmlAttribute<TableLayout>;

} // namespace Xml
