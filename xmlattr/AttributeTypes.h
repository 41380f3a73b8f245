// Xml::AttributeTypes: the value type of every attribute instantiation of the library, in one
// compile-time list, for the code that goes over all of them: the tests over every attribute,
// the attribute fuzz target, the benchmarks, the tool.
#pragma once

#include "xmlattr/xmlattr.h"

#include <cstddef>
#include <type_traits>

namespace Xml {

/// Types as a value: `template <class... T> void f(TypeList<T...>)` takes them apart.
template <class... T> struct TypeList { static constexpr std::size_t size = sizeof...(T); };
/// \var TypeList::size
/// How many types the list holds.

/// The value type of every `TXmlAttribute<T>` the library instantiates or declares, exported or
/// compiled by callers, each described by its `kTypeDescription`. Code that goes over all
/// attributes expands this list, so that a type added here reaches it, or fails to compile
/// where it lacks something (a sentinel, a description). The attribute fuzz target's seeds
/// choose a type by its position: add new types at the end.
// clang-format off
using AttributeTypes = TypeList<
    // Whole numbers, free text and plain numbers.
    int, Core::String, float,
    // Lengths and measures.
    Length, SLength, LengthOrPercent, LengthOrPercentAuto, Margin,
    ColumnWidth, ContentLength, LeaderPatternWidth, BorderWidth,
    SLengthOrPercent, TableWidth, DLength, FloatOrPercent,
    SNullableLength, Core::Vector<SLength>, FontSize, Indent,
    LetterSpacing, AlignmentAdjust, BaselineShift, AlignmentBaseline,
    SSpacing, SBaselineShift, STextDecoration, TabStopType,
    BackgroundPosition, BackgroundSize, PageDimension, InitialPageNumber,
    InitialSheetNumber,
    // Colour and paint.
    SmartPtr<Drawing::Color>, BoxShadow, SColor, SNullableColor,
    // Text, language, geometry and charts.
    Url, Language, Core::Vector<Transform>, Core::Vector<PathDataCommand>,
    Core::Vector<Point>, ViewBox, SPreserveAspectRatio, Value,
    AxisUnits,
    // Keywords with a text form.
    AbsolutePosition, BackgroundRepeat, BorderCollapse, BorderStyle,
    Break, DisplayAlign, FloatPosition, FontStyle, FontWeight,
    Keep, LeaderAlignment, LeaderPattern, LineHeightShiftAdjustment,
    LineStackingStrategy, LinefeedTreatment, Overflow, ReferenceOrientation,
    RelativePosition, RetrieveBoundary, RetrievePosition,
    RetrievePositionWithinTable, Scaling, Span, TableLayout,
    TextAlign, TextLineStyle, Visibility, WhiteSpaceTreatment,
    WrapOption,
    // Keywords without one.
    AFPEncoding, AnchorX, AnchorY, AxisIntersection, AxisOrientation,
    AxisPosition, BarcodeType, BlankOrNotBlank, ChartType,
    Code128CodeSet, DMEncoding, DMFormat, DisplayValPlacement,
    Drawing::GradientSpreadMethod, Drawing::GradientUnits, FontVariant,
    FootnoteRestartRule, ForcePageCount, FormActionType, FormControlType,
    FormTriggerAction, LabelType, LightingScheme, MaxRepeats,
    PDFConformance, PagePosition, Parity, PositionX, PositionY,
    RetrieveBoundaryWithinTable, SDisplay, SLineCap, SLineJoin,
    STextAnchor, SVisibility, SerieGrouping, SliceOrientation,
    TextDirection, TickStyle>;
// clang-format on

/// Whether `T` is one of the list's types.
template <class T, class... U> constexpr bool contains(TypeList<U...>) noexcept {
    return (std::is_same_v<T, U> || ...);
}

namespace detail {
// One assertion per type, so that the compiler names the type that lacks a description.
template <class T> constexpr bool described() noexcept {
    static_assert(DescribedType<T>, "a listed type has no kTypeDescription beside its ValueTraits");
    return true;
}
template <class... T> constexpr bool described(TypeList<T...>) noexcept {
    return (described<T>() && ...);
}

template <class T, class... U> constexpr bool distinct(TypeList<T, U...>) noexcept {
    if constexpr (sizeof...(U) == 0) {
        return true;
    } else {
        return !contains<T>(TypeList<U...>()) && distinct(TypeList<U...>());
    }
}
} // namespace detail

// A type listed twice would keep the second position from ever being chosen.
static_assert(detail::distinct(AttributeTypes()), "a type is listed twice");
static_assert(detail::described(AttributeTypes()));

} // namespace Xml
