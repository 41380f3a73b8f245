// Test support: the value type of every attribute instantiation of the library, in one list,
// for the checks that go over all of them (the attribute fuzz target, the linear-time test).
// The attribute fuzz target's seeds choose a type by its position here: add new types at the
// end so that the others keep theirs.
#pragma once

#include <xmlattr/xmlattr.h>

namespace xmlattr_testing {

template <class... T> struct TypeList { static constexpr int size = sizeof...(T); };

// clang-format off
using EveryAttribute = TypeList<
    // Whole numbers, free text and plain numbers.
    int, Core::String, float,
    // Lengths and measures.
    Xml::Length, Xml::SLength, Xml::LengthOrPercent, Xml::LengthOrPercentAuto, Xml::Margin,
    Xml::ColumnWidth, Xml::ContentLength, Xml::LeaderPatternWidth, Xml::BorderWidth,
    Xml::SLengthOrPercent, Xml::TableWidth, Xml::DLength, Xml::FloatOrPercent,
    Xml::SNullableLength, Core::Vector<Xml::SLength>, Xml::FontSize, Xml::Indent,
    Xml::LetterSpacing, Xml::AlignmentAdjust, Xml::BaselineShift, Xml::AlignmentBaseline,
    Xml::SSpacing, Xml::SBaselineShift, Xml::STextDecoration, Xml::TabStopType,
    Xml::BackgroundPosition, Xml::BackgroundSize, Xml::PageDimension, Xml::InitialPageNumber,
    Xml::InitialSheetNumber,
    // Colour and paint.
    SmartPtr<Drawing::Color>, Xml::BoxShadow, Xml::SColor, Xml::SNullableColor,
    // Text, language, geometry and charts.
    Xml::Url, Xml::Language, Core::Vector<Xml::Transform>, Core::Vector<Xml::PathDataCommand>,
    Core::Vector<Xml::Point>, Xml::ViewBox, Xml::SPreserveAspectRatio, Xml::Value,
    Xml::AxisUnits,
    // Keywords with a text form.
    Xml::AbsolutePosition, Xml::BackgroundRepeat, Xml::BorderCollapse, Xml::BorderStyle,
    Xml::Break, Xml::DisplayAlign, Xml::FloatPosition, Xml::FontStyle, Xml::FontWeight,
    Xml::Keep, Xml::LeaderAlignment, Xml::LeaderPattern, Xml::LineHeightShiftAdjustment,
    Xml::LineStackingStrategy, Xml::LinefeedTreatment, Xml::Overflow, Xml::ReferenceOrientation,
    Xml::RelativePosition, Xml::RetrieveBoundary, Xml::RetrievePosition,
    Xml::RetrievePositionWithinTable, Xml::Scaling, Xml::Span, Xml::TableLayout,
    Xml::TextAlign, Xml::TextLineStyle, Xml::Visibility, Xml::WhiteSpaceTreatment,
    Xml::WrapOption,
    // Keywords without one.
    Xml::AFPEncoding, Xml::AnchorX, Xml::AnchorY, Xml::AxisIntersection, Xml::AxisOrientation,
    Xml::AxisPosition, Xml::BarcodeType, Xml::BlankOrNotBlank, Xml::ChartType,
    Xml::Code128CodeSet, Xml::DMEncoding, Xml::DMFormat, Xml::DisplayValPlacement,
    Drawing::GradientSpreadMethod, Drawing::GradientUnits, Xml::FontVariant,
    Xml::FootnoteRestartRule, Xml::ForcePageCount, Xml::FormActionType, Xml::FormControlType,
    Xml::FormTriggerAction, Xml::LabelType, Xml::LightingScheme, Xml::MaxRepeats,
    Xml::PDFConformance, Xml::PagePosition, Xml::Parity, Xml::PositionX, Xml::PositionY,
    Xml::RetrieveBoundaryWithinTable, Xml::SDisplay, Xml::SLineCap, Xml::SLineJoin,
    Xml::STextAnchor, Xml::SVisibility, Xml::SerieGrouping, Xml::SliceOrientation,
    Xml::TextDirection, Xml::TickStyle>;
// clang-format on
static_assert(EveryAttribute::size == 114, "one type for every instantiation of the library");

} // namespace xmlattr_testing
