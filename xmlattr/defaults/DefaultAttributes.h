// The constant default attributes: the value of each attribute that a document does not give.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/chart/AxisUnits.h"
#include "xmlattr/chart/FloatAttribute.h"
#include "xmlattr/chart/Value.h"
#include "xmlattr/color/BoxShadow.h"
#include "xmlattr/color/ColorParse.h"
#include "xmlattr/color/SColor.h"
#include "xmlattr/color/SNullableColor.h"
#include "xmlattr/keywords/AreaKeywords.h"
#include "xmlattr/keywords/BarcodeKeywords.h"
#include "xmlattr/keywords/BorderKeywords.h"
#include "xmlattr/keywords/ChartKeywords.h"
#include "xmlattr/keywords/FontKeywords.h"
#include "xmlattr/keywords/FormKeywords.h"
#include "xmlattr/keywords/GraphicsKeywords.h"
#include "xmlattr/keywords/ImageKeywords.h"
#include "xmlattr/keywords/LayoutKeywords.h"
#include "xmlattr/keywords/MarkerKeywords.h"
#include "xmlattr/keywords/OutputKeywords.h"
#include "xmlattr/keywords/PaginationKeywords.h"
#include "xmlattr/keywords/PlainAttributes.h"
#include "xmlattr/keywords/PositionKeywords.h"
#include "xmlattr/keywords/UrlAttribute.h"
#include "xmlattr/language/Language.h"
#include "xmlattr/length/BackgroundPosition.h"
#include "xmlattr/length/BaselineShift.h"
#include "xmlattr/length/BorderWidth.h"
#include "xmlattr/length/ContentLength.h"
#include "xmlattr/length/FontSize.h"
#include "xmlattr/length/IndentAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/length/LengthOrPercentAuto.h"
#include "xmlattr/length/PageDimension.h"
#include "xmlattr/length/SNullableLength.h"
#include "xmlattr/platform/Color.h"
#include "xmlattr/platform/DrawingTypes.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/SmartPtr.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/Vector.h"
#include "xmlattr/svg/PathDataCommand.h"
#include "xmlattr/svg/Point.h"
#include "xmlattr/svg/SPreserveAspectRatio.h"
#include "xmlattr/svg/TransformListAttribute.h"
#include "xmlattr/svg/ViewBox.h"

// Every default is complete before any caller can reach it: most are constant data, built at
// compile time, and the few that the library must build (black colours and paints, texts, the
// language and the chart values) are built when it is loaded and destroyed when it is unloaded.
// A caller reads them, copies them into attributes of its own and compares against them; it
// never changes them (`writeDefault` of DefaultList.h writes one, the writer's slot not being
// const). Each is a separate object, also where two hold the same type and value.
namespace Xml {

// Formatting-object keywords.
XMLATTR_EXPORT extern TXmlAttribute<Span> const DefaultSpanAttribute;
XMLATTR_EXPORT extern TXmlAttribute<LineStackingStrategy> const DefaultLineStackingStrategy;
XMLATTR_EXPORT extern TXmlAttribute<LineHeightShiftAdjustment> const
    DefaultLineHeightShiftAdjustment;
/// Number 0, which no keyword reads; written "left".
XMLATTR_EXPORT extern TXmlAttribute<TextAlign> const DefaultTextAlign;
XMLATTR_EXPORT extern TXmlAttribute<DisplayAlign> const DefaultDisplayAlign;
XMLATTR_EXPORT extern TXmlAttribute<TextDirection> const DefaultTextDirection;
XMLATTR_EXPORT extern TXmlAttribute<LinefeedTreatment> const DefaultLinefeedTreatmentAttribute;
XMLATTR_EXPORT extern TXmlAttribute<WhiteSpaceTreatment> const DefaultWhiteSpaceTreatmentAttribute;
XMLATTR_EXPORT extern TXmlAttribute<WrapOption> const DefaultWrapOptionAttribute;
XMLATTR_EXPORT extern TXmlAttribute<Visibility> const DefaultFOVisibilityAttribute;
XMLATTR_EXPORT extern TXmlAttribute<LeaderPattern> const DefaultLeaderPattern;
XMLATTR_EXPORT extern TXmlAttribute<LeaderAlignment> const DefaultLeaderAlignment;
XMLATTR_EXPORT extern TXmlAttribute<RetrievePosition> const DefaultRetrievePosition;
XMLATTR_EXPORT extern TXmlAttribute<RetrieveBoundary> const DefaultRetrieveBoundary;
XMLATTR_EXPORT extern TXmlAttribute<RetrievePositionWithinTable> const
    DefaultRetrievePositionWithinTable;
XMLATTR_EXPORT extern TXmlAttribute<RetrieveBoundaryWithinTable> const
    DefaultRetrieveBoundaryWithinTable;
XMLATTR_EXPORT extern TXmlAttribute<Parity> const DefaultParity;
XMLATTR_EXPORT extern TXmlAttribute<PagePosition> const DefaultPagePosition;
XMLATTR_EXPORT extern TXmlAttribute<BlankOrNotBlank> const DefaultBlankOrNotBlank;
XMLATTR_EXPORT extern TXmlAttribute<Break> const DefaultBreak;
XMLATTR_EXPORT extern TXmlAttribute<ForcePageCount> const DefaultForcePageCount;
XMLATTR_EXPORT extern TXmlAttribute<Keep> const DefaultKeep;
XMLATTR_EXPORT extern TXmlAttribute<FootnoteRestartRule> const DefaultFootnoteRestartRule;
XMLATTR_EXPORT extern TXmlAttribute<ReferenceOrientation> const DefaultReferenceOrientation;
XMLATTR_EXPORT extern TXmlAttribute<AbsolutePosition> const DefaultAbsolutePosition;
XMLATTR_EXPORT extern TXmlAttribute<RelativePosition> const DefaultRelativePosition;
XMLATTR_EXPORT extern TXmlAttribute<Overflow> const DefaultOverflow;
XMLATTR_EXPORT extern TXmlAttribute<FloatPosition> const DefaultFloatPositionAttribute;
XMLATTR_EXPORT extern TXmlAttribute<AnchorX> const DefaultAnchorXAttribute;
XMLATTR_EXPORT extern TXmlAttribute<AnchorY> const DefaultAnchorYAttribute;
XMLATTR_EXPORT extern TXmlAttribute<PositionX> const DefaultPositionXAttribute;
XMLATTR_EXPORT extern TXmlAttribute<PositionY> const DefaultPositionYAttribute;
XMLATTR_EXPORT extern TXmlAttribute<BackgroundRepeat> const DefaultBackgroundRepeat;
XMLATTR_EXPORT extern TXmlAttribute<Scaling> const DefaultScaling;
XMLATTR_EXPORT extern TXmlAttribute<TableLayout> const DefaultTableLayout;
XMLATTR_EXPORT extern TXmlAttribute<AFPEncoding> const DefaultAFPEncoding;
XMLATTR_EXPORT extern TXmlAttribute<LightingScheme> const DefaultFOLightingSchemeAttribute;

// Graphics, font, border, barcode, form, chart and output keywords.
XMLATTR_EXPORT extern TXmlAttribute<BarcodeType> const DefaultBarcodeType;
XMLATTR_EXPORT extern TXmlAttribute<DMEncoding> const DefaultDMEncoding;
/// -1, "AUTO".
XMLATTR_EXPORT extern TXmlAttribute<DMFormat> const DefaultDMFormat;
XMLATTR_EXPORT extern TXmlAttribute<Code128CodeSet> const DefaultCode128CodeSet;
XMLATTR_EXPORT extern TXmlAttribute<BorderStyle> const DefaultBorderStyle;
XMLATTR_EXPORT extern TXmlAttribute<BorderStyle> const DefaultLeaderRuleStyle;
XMLATTR_EXPORT extern TXmlAttribute<BorderCollapse> const DefaultBorderCollapse;
XMLATTR_EXPORT extern TXmlAttribute<FontWeight> const DefaultFontWeight;
XMLATTR_EXPORT extern TXmlAttribute<FontStyle> const DefaultFontStyle;
XMLATTR_EXPORT extern TXmlAttribute<FontVariant> const DefaultFontVariant;
XMLATTR_EXPORT extern TXmlAttribute<TextLineStyle> const DefaultTextLineStyle;
/// 4: no control type.
XMLATTR_EXPORT extern TXmlAttribute<FormControlType> const DefaultFormControlTypeAttribute;
XMLATTR_EXPORT extern TXmlAttribute<FormActionType> const DefaultFormActionTypeAttribute;
XMLATTR_EXPORT extern TXmlAttribute<FormTriggerAction> const DefaultFormTriggerActionAttribute;
XMLATTR_EXPORT extern TXmlAttribute<STextAnchor> const DefaultSTextAnchor;
XMLATTR_EXPORT extern TXmlAttribute<SLineCap> const DefaultSLineCap;
XMLATTR_EXPORT extern TXmlAttribute<SLineJoin> const DefaultSLineJoin;
XMLATTR_EXPORT extern TXmlAttribute<SVisibility> const DefaultSVisibility;
XMLATTR_EXPORT extern TXmlAttribute<SDisplay> const DefaultSDisplay;
XMLATTR_EXPORT extern TXmlAttribute<Drawing::GradientUnits> const DefaultSGradientUnits;
/// "repeat", not "pad".
XMLATTR_EXPORT extern TXmlAttribute<Drawing::GradientSpreadMethod> const
    DefaultSGradientSpreadMethod;
XMLATTR_EXPORT extern TXmlAttribute<PDFConformance> const DefaultPDFConformance;
XMLATTR_EXPORT extern TXmlAttribute<ChartType> const DefaultChartType;
XMLATTR_EXPORT extern TXmlAttribute<LabelType> const DefaultLabelType;
XMLATTR_EXPORT extern TXmlAttribute<SliceOrientation> const DefaultSliceOrientation;
XMLATTR_EXPORT extern TXmlAttribute<AxisPosition> const DefaultAxisPosition;
XMLATTR_EXPORT extern TXmlAttribute<AxisOrientation> const DefaultAxisOrientation;
XMLATTR_EXPORT extern TXmlAttribute<AxisIntersection> const DefaultAxisIntersection;
XMLATTR_EXPORT extern TXmlAttribute<TickStyle> const DefaultTickStyle;
XMLATTR_EXPORT extern TXmlAttribute<SerieGrouping> const DefaultSerieGrouping;
XMLATTR_EXPORT extern TXmlAttribute<DisplayValPlacement> const DefaultDisplayValPlacement;

// Numbers.
XMLATTR_EXPORT extern TXmlAttribute<int> const DefaultDotSize;
XMLATTR_EXPORT extern TXmlAttribute<int> const DefaultBarColumnCount;
XMLATTR_EXPORT extern TXmlAttribute<int> const DefaultBarRowCount;
XMLATTR_EXPORT extern TXmlAttribute<int> const DefaultColumnCount;
XMLATTR_EXPORT extern TXmlAttribute<int> const DefaultHyphenationCharCount;
XMLATTR_EXPORT extern TXmlAttribute<int> const DefaultWidowsAndOrphans;
/// -2 to the power 31.
XMLATTR_EXPORT extern TXmlAttribute<float> const DefaultMinFloat;
/// 2 to the power 31.
XMLATTR_EXPORT extern TXmlAttribute<float> const DefaultMaxFloat;

// Formatting-object lengths and measures.
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultLength;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultBorderLength;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultRuleThickness;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultTabStopLength;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultBarUnit;
XMLATTR_EXPORT extern TXmlAttribute<DLength> const DefaultDLength;
XMLATTR_EXPORT extern TXmlAttribute<LengthOrPercent> const DefaultLengthOrPercent;
/// Minus one hundred per cent.
XMLATTR_EXPORT extern TXmlAttribute<LengthOrPercent> const DefaultFloatLengthOrPercent;
XMLATTR_EXPORT extern TXmlAttribute<LengthOrPercent> const DefaultOneHundredPercent;
XMLATTR_EXPORT extern TXmlAttribute<LengthOrPercent> const DefaultProvisionalLabelSeparation;
XMLATTR_EXPORT extern TXmlAttribute<LengthOrPercent> const DefaultProvisionalDistanceBetweenStarts;
XMLATTR_EXPORT extern TXmlAttribute<LengthOrPercent> const DefaultLeaderLength;
XMLATTR_EXPORT extern TXmlAttribute<LengthOrPercent> const DefaultLineHeight;
/// "auto", null.
XMLATTR_EXPORT extern TXmlAttribute<ContentLength> const DefaultContentLength;
XMLATTR_EXPORT extern TXmlAttribute<ColumnWidth> const DefaultColumnWidth;
XMLATTR_EXPORT extern TXmlAttribute<TableWidth> const DefaultTableWidth;
XMLATTR_EXPORT extern TXmlAttribute<Margin> const DefaultMargin;
XMLATTR_EXPORT extern TXmlAttribute<LengthOrPercentAuto> const DefaultLengthOrPercentAuto;
XMLATTR_EXPORT extern TXmlAttribute<LeaderPatternWidth> const DefaultLeaderPatternWidth;
XMLATTR_EXPORT extern TXmlAttribute<FloatOrPercent> const DefaultFloatOrPercent;
/// 1.5pt, which is neither "thin" nor "medium": written as a length.
XMLATTR_EXPORT extern TXmlAttribute<BorderWidth> const DefaultBorderWidth;
XMLATTR_EXPORT extern TXmlAttribute<FontSize> const DefaultFontSize;
XMLATTR_EXPORT extern TXmlAttribute<Indent> const DefaultIndent;
XMLATTR_EXPORT extern TXmlAttribute<LetterSpacing> const DefaultLetterSpacing;
XMLATTR_EXPORT extern TXmlAttribute<AlignmentBaseline> const DefaultAlignmentBaseline;
XMLATTR_EXPORT extern TXmlAttribute<AlignmentAdjust> const DefaultAlignmentAdjust;
XMLATTR_EXPORT extern TXmlAttribute<BaselineShift> const DefaultBaselineShift;
XMLATTR_EXPORT extern TXmlAttribute<TabStopType> const DefaultTabStopType;
XMLATTR_EXPORT extern TXmlAttribute<PageDimension> const DefaultPageDimension;
XMLATTR_EXPORT extern TXmlAttribute<BackgroundPosition> const DefaultBackgroundPosition;
XMLATTR_EXPORT extern TXmlAttribute<BackgroundSize> const DefaultBackgroundSize;
XMLATTR_EXPORT extern TXmlAttribute<InitialPageNumber> const DefaultInitialPageNumber;
XMLATTR_EXPORT extern TXmlAttribute<InitialSheetNumber> const DefaultInitialSheetNumber;

// SVG lengths, spacing and decoration.
/// 0px: also where points, transforms and path commands start from.
XMLATTR_EXPORT extern TXmlAttribute<SLength> const DefaultSLength;
XMLATTR_EXPORT extern TXmlAttribute<SLength> const DefaultMiterlimit;
XMLATTR_EXPORT extern TXmlAttribute<SLength> const DefaultStrokeWidth;
XMLATTR_EXPORT extern TXmlAttribute<SNullableLength> const DefaultSNullableLength;
XMLATTR_EXPORT extern TXmlAttribute<SLengthOrPercent> const DefaultSLengthOrPercent;
XMLATTR_EXPORT extern TXmlAttribute<SLengthOrPercent> const DefaultSOneHundredPercent;
XMLATTR_EXPORT extern TXmlAttribute<SLengthOrPercent> const DefaultSFontSize;
XMLATTR_EXPORT extern TXmlAttribute<Core::Vector<SLength>> const DefaultSDashPattern;
XMLATTR_EXPORT extern TXmlAttribute<SBaselineShift> const DefaultSBaselineShift;
XMLATTR_EXPORT extern TXmlAttribute<SSpacing> const DefaultSSpacing;
XMLATTR_EXPORT extern TXmlAttribute<STextDecoration> const DefaultSTextDecoration;

// Colours and paint. A colour default that holds a colour holds one made for it alone.
XMLATTR_EXPORT extern TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultBackgroundColor;
XMLATTR_EXPORT extern TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultStrokeColor;
XMLATTR_EXPORT extern TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultGradientStopColor;
XMLATTR_EXPORT extern TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultBorderColor;
XMLATTR_EXPORT extern TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultFillColor;
XMLATTR_EXPORT extern TXmlAttribute<SColor> const DefaultSColor;
XMLATTR_EXPORT extern TXmlAttribute<SColor> const DefaultSStrokeColor;
XMLATTR_EXPORT extern TXmlAttribute<SColor> const DefaultSFillColor;
/// Null, no paint.
XMLATTR_EXPORT extern TXmlAttribute<SNullableColor> const DefaultSNullableStrokeColor;
/// Null, although it carries black.
XMLATTR_EXPORT extern TXmlAttribute<SNullableColor> const DefaultSNullableFillColor;
XMLATTR_EXPORT extern TXmlAttribute<BoxShadow> const DefaultBoxShadow;

// Text, reference and language.
XMLATTR_EXPORT extern TXmlAttribute<Core::String> const DefaultFontFamily;
XMLATTR_EXPORT extern TXmlAttribute<Core::String> const DefaultHyphenationCharacter;
XMLATTR_EXPORT extern TXmlAttribute<Core::String> const DefaultNumberFormat;
XMLATTR_EXPORT extern TXmlAttribute<Url> const DefaultUrl;
XMLATTR_EXPORT extern TXmlAttribute<Language> const DefaultLanguage;

// SVG geometry.
XMLATTR_EXPORT extern TXmlAttribute<Core::Vector<PathDataCommand>> const DefaultPathData;
XMLATTR_EXPORT extern TXmlAttribute<Core::Vector<Point>> const DefaultPointList;
XMLATTR_EXPORT extern TXmlAttribute<Core::Vector<Transform>> const DefaultTransformList;
XMLATTR_EXPORT extern TXmlAttribute<ViewBox> const DefaultViewBox;
XMLATTR_EXPORT extern TXmlAttribute<SPreserveAspectRatio> const DefaultSPreserveAspectRatio;

// Chart lengths and values.
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultAspect3DDepth;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultAspect3DShading;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultCaptionOffset;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultTickLength;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultAspect3DChartDepth;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultAspect3DSceneDepth;
XMLATTR_EXPORT extern TXmlAttribute<Length> const DefaultWidthLength;
XMLATTR_EXPORT extern TXmlAttribute<AxisUnits> const DefaultAxisUnits;
XMLATTR_EXPORT extern TXmlAttribute<Value> const DefaultMinValue;
XMLATTR_EXPORT extern TXmlAttribute<Value> const DefaultMaxValue;
XMLATTR_EXPORT extern TXmlAttribute<Value> const DefaultValue;

} // namespace Xml
