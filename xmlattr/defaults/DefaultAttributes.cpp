// The values of the default attributes, every one in this file.
#include "xmlattr/defaults/DefaultAttributes.h"

#include <utility>

namespace Xml {
namespace {

// Each default is built in place by the constructor that no instantiation exports, so that
// the defaults of types whose attribute members the library does not export (numbers, text
// and a few keywords) export none of them.
constexpr std::in_place_t kBuild = std::in_place;

constexpr Length pt(float size) noexcept { return Length(size, Length::UnitPt); }
constexpr Length px(float size) noexcept { return Length(size, Length::UnitPx); }
/// A black made for one default alone.
SmartPtr<Drawing::Color> newBlack() {
    return SmartPtr<Drawing::Color>(new Drawing::RGBColor(0, 0, 0));
}

} // namespace

// Plain data, complete before any code runs. Their place in the file is free: they need no
// building, and only the empty colours are destroyed, which releases nothing.

// Formatting-object keywords.
constinit TXmlAttribute<Span> const DefaultSpanAttribute{kBuild, SpanNone};
constinit TXmlAttribute<LineStackingStrategy> const DefaultLineStackingStrategy{
    kBuild, LineStackingStrategyMaxHeight};
constinit TXmlAttribute<LineHeightShiftAdjustment> const DefaultLineHeightShiftAdjustment{
    kBuild, LineHeightShiftAdjustmentConsiderShifts};
constinit TXmlAttribute<TextAlign> const DefaultTextAlign{kBuild, TextAlignDefault};
constinit TXmlAttribute<DisplayAlign> const DefaultDisplayAlign{kBuild, DisplayAlignBefore};
constinit TXmlAttribute<TextDirection> const DefaultTextDirection{kBuild, TextDirectionLtr};
constinit TXmlAttribute<LinefeedTreatment> const DefaultLinefeedTreatmentAttribute{
    kBuild, LinefeedTreatmentTreatAsSpace};
constinit TXmlAttribute<WhiteSpaceTreatment> const DefaultWhiteSpaceTreatmentAttribute{
    kBuild, WhiteSpaceTreatmentIgnoreIfSurroundingLinefeed};
constinit TXmlAttribute<WrapOption> const DefaultWrapOptionAttribute{kBuild, WrapOptionWrap};
constinit TXmlAttribute<Visibility> const DefaultFOVisibilityAttribute{kBuild, VisibilityVisible};
constinit TXmlAttribute<LeaderPattern> const DefaultLeaderPattern{kBuild, LeaderPatternSpace};
constinit TXmlAttribute<LeaderAlignment> const DefaultLeaderAlignment{kBuild, LeaderAlignmentNone};
constinit TXmlAttribute<RetrievePosition> const DefaultRetrievePosition{
    kBuild, RetrievePositionFirstStartingWithinPage};
constinit TXmlAttribute<RetrieveBoundary> const DefaultRetrieveBoundary{
    kBuild, RetrieveBoundaryPageSequence};
constinit TXmlAttribute<RetrievePositionWithinTable> const DefaultRetrievePositionWithinTable{
    kBuild, RetrievePositionWithinTableFirstStarting};
constinit TXmlAttribute<RetrieveBoundaryWithinTable> const DefaultRetrieveBoundaryWithinTable{
    kBuild, RetrieveBoundaryWithinTableTable};
constinit TXmlAttribute<Parity> const DefaultParity{kBuild, ParityAny};
constinit TXmlAttribute<PagePosition> const DefaultPagePosition{kBuild, PagePositionAny};
constinit TXmlAttribute<BlankOrNotBlank> const DefaultBlankOrNotBlank{kBuild, BlankOrNotBlankAny};
constinit TXmlAttribute<Break> const DefaultBreak{kBuild, BreakAuto};
constinit TXmlAttribute<ForcePageCount> const DefaultForcePageCount{kBuild, ForcePageCountAuto};
constinit TXmlAttribute<Keep> const DefaultKeep{kBuild, KeepAuto};
constinit TXmlAttribute<FootnoteRestartRule> const DefaultFootnoteRestartRule{
    kBuild, FootnoteRestartRuleAuto};
constinit TXmlAttribute<ReferenceOrientation> const DefaultReferenceOrientation{
    kBuild, ReferenceOrientation0};
constinit TXmlAttribute<AbsolutePosition> const DefaultAbsolutePosition{kBuild,
                                                                        AbsolutePositionAuto};
constinit TXmlAttribute<RelativePosition> const DefaultRelativePosition{kBuild,
                                                                        RelativePositionStatic};
constinit TXmlAttribute<Overflow> const DefaultOverflow{kBuild, OverflowVisible};
constinit TXmlAttribute<FloatPosition> const DefaultFloatPositionAttribute{kBuild,
                                                                           FloatPositionLeft};
constinit TXmlAttribute<AnchorX> const DefaultAnchorXAttribute{kBuild, AnchorXAuto};
constinit TXmlAttribute<AnchorY> const DefaultAnchorYAttribute{kBuild, AnchorYAuto};
constinit TXmlAttribute<PositionX> const DefaultPositionXAttribute{kBuild, PositionXAuto};
constinit TXmlAttribute<PositionY> const DefaultPositionYAttribute{kBuild, PositionYAuto};
constinit TXmlAttribute<BackgroundRepeat> const DefaultBackgroundRepeat{kBuild,
                                                                        BackgroundRepeatRepeat};
constinit TXmlAttribute<Scaling> const DefaultScaling{kBuild, ScalingUniform};
constinit TXmlAttribute<TableLayout> const DefaultTableLayout{kBuild, TableLayoutAuto};
constinit TXmlAttribute<AFPEncoding> const DefaultAFPEncoding{kBuild, AFPEncodingASCII};
constinit TXmlAttribute<LightingScheme> const DefaultFOLightingSchemeAttribute{
    kBuild, LightingSchemeArtwork};

// Graphics, font, border, barcode, form, chart and output keywords.
constinit TXmlAttribute<BarcodeType> const DefaultBarcodeType{kBuild, BarcodeTypeAuto};
constinit TXmlAttribute<DMEncoding> const DefaultDMEncoding{kBuild, DMEncodingAUTO};
constinit TXmlAttribute<DMFormat> const DefaultDMFormat{kBuild, DMFormatAUTO};
constinit TXmlAttribute<Code128CodeSet> const DefaultCode128CodeSet{kBuild, Code128CodeSetB};
constinit TXmlAttribute<BorderStyle> const DefaultBorderStyle{kBuild, BorderStyleNone};
constinit TXmlAttribute<BorderStyle> const DefaultLeaderRuleStyle{kBuild, BorderStyleSolid};
constinit TXmlAttribute<BorderCollapse> const DefaultBorderCollapse{kBuild, BorderCollapseCollapse};
constinit TXmlAttribute<FontWeight> const DefaultFontWeight{kBuild, FontWeightNormal};
constinit TXmlAttribute<FontStyle> const DefaultFontStyle{kBuild, FontStyleNormal};
constinit TXmlAttribute<FontVariant> const DefaultFontVariant{kBuild, FontVariantNormal};
constinit TXmlAttribute<TextLineStyle> const DefaultTextLineStyle{kBuild, TextLineStyleNone};
constinit TXmlAttribute<FormControlType> const DefaultFormControlTypeAttribute{kBuild,
                                                                               FormControlTypeNone};
constinit TXmlAttribute<FormActionType> const DefaultFormActionTypeAttribute{kBuild,
                                                                             FormActionTypeNone};
constinit TXmlAttribute<FormTriggerAction> const DefaultFormTriggerActionAttribute{
    kBuild, FormTriggerActionNone};
constinit TXmlAttribute<STextAnchor> const DefaultSTextAnchor{kBuild, STextAnchorStart};
constinit TXmlAttribute<SLineCap> const DefaultSLineCap{kBuild, SLineCapButt};
constinit TXmlAttribute<SLineJoin> const DefaultSLineJoin{kBuild, SLineJoinMiter};
constinit TXmlAttribute<SVisibility> const DefaultSVisibility{kBuild, SVisibilityVisible};
constinit TXmlAttribute<SDisplay> const DefaultSDisplay{kBuild, SDisplayInline};
constinit TXmlAttribute<Drawing::GradientUnits> const DefaultSGradientUnits{
    kBuild, Drawing::GradientUnitsObjectBoundingBox};
constinit TXmlAttribute<Drawing::GradientSpreadMethod> const DefaultSGradientSpreadMethod{
    kBuild, Drawing::GradientSpreadMethodRepeat};
constinit TXmlAttribute<PDFConformance> const DefaultPDFConformance{kBuild, PDFConformanceDefault};
constinit TXmlAttribute<ChartType> const DefaultChartType{kBuild, ChartTypeBar};
constinit TXmlAttribute<LabelType> const DefaultLabelType{kBuild, LabelTypeSquare};
constinit TXmlAttribute<SliceOrientation> const DefaultSliceOrientation{
    kBuild, SliceOrientationCounterclockwise};
constinit TXmlAttribute<AxisPosition> const DefaultAxisPosition{kBuild, AxisPositionLeft};
constinit TXmlAttribute<AxisOrientation> const DefaultAxisOrientation{kBuild, AxisOrientationAuto};
constinit TXmlAttribute<AxisIntersection> const DefaultAxisIntersection{kBuild,
                                                                        AxisIntersectionAuto};
constinit TXmlAttribute<TickStyle> const DefaultTickStyle{kBuild, TickStyleOutside};
constinit TXmlAttribute<SerieGrouping> const DefaultSerieGrouping{kBuild, SerieGroupingOverlapped};
constinit TXmlAttribute<DisplayValPlacement> const DefaultDisplayValPlacement{
    kBuild, DisplayValPlacementAuto};

// Numbers.
constinit TXmlAttribute<int> const DefaultDotSize{kBuild, 4};
constinit TXmlAttribute<int> const DefaultBarColumnCount{kBuild, 1};
constinit TXmlAttribute<int> const DefaultBarRowCount{kBuild, 3};
constinit TXmlAttribute<int> const DefaultColumnCount{kBuild, 1};
constinit TXmlAttribute<int> const DefaultHyphenationCharCount{kBuild, 2};
constinit TXmlAttribute<int> const DefaultWidowsAndOrphans{kBuild, 2};
constinit TXmlAttribute<float> const DefaultMinFloat{kBuild, -2147483648.0f};
constinit TXmlAttribute<float> const DefaultMaxFloat{kBuild, 2147483648.0f};

// Keyword measures, empty colours and the aspect ratio.
constinit TXmlAttribute<AlignmentBaseline> const DefaultAlignmentBaseline{kBuild,
                                                                          AlignmentBaselineAuto};
constinit TXmlAttribute<TabStopType> const DefaultTabStopType{kBuild, TabStopLeft};
constinit TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultBackgroundColor{kBuild};
constinit TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultStrokeColor{kBuild};
constinit TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultGradientStopColor{kBuild};
constinit TXmlAttribute<SPreserveAspectRatio> const DefaultSPreserveAspectRatio{
    kBuild, SPreserveAspectRatio::AspectXMid | SPreserveAspectRatio::AspectYMid |
                SPreserveAspectRatio::AspectMeet};

// The rest in the order in which the library has always built them, which is also the
// reverse of the order in which those that own something are destroyed at unload. Those
// without `constinit` are the ones built at load.
constinit TXmlAttribute<BackgroundPosition> const DefaultBackgroundPosition{kBuild};
constinit TXmlAttribute<BackgroundSize> const DefaultBackgroundSize{kBuild, BackgroundSizeAuto};
constinit TXmlAttribute<Length> const DefaultBarUnit{kBuild, pt(1.0f)};
constinit TXmlAttribute<BorderWidth> const DefaultBorderWidth{kBuild, 1.5f, Length::UnitPt};
constinit TXmlAttribute<BoxShadow> const DefaultBoxShadow{kBuild};
TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultBorderColor{kBuild, newBlack()};
TXmlAttribute<SmartPtr<Drawing::Color>> const DefaultFillColor{kBuild, newBlack()};
TXmlAttribute<SColor> const DefaultSColor{kBuild};
TXmlAttribute<SColor> const DefaultSStrokeColor{kBuild};
TXmlAttribute<SColor> const DefaultSFillColor{kBuild, newBlack()};
TXmlAttribute<SNullableColor> const DefaultSNullableStrokeColor{kBuild};
TXmlAttribute<SNullableColor> const DefaultSNullableFillColor{kBuild, newBlack()};
constinit TXmlAttribute<FontSize> const DefaultFontSize{kBuild, LengthOrPercent(pt(10.0f))};
constinit TXmlAttribute<SLengthOrPercent> const DefaultSFontSize{kBuild, 10.0f, SLength::UnitPt};
constinit TXmlAttribute<Indent> const DefaultIndent{kBuild};
TXmlAttribute<Language> const DefaultLanguage{kBuild, Drawing::LanguageNone, Drawing::CountryNone};
constinit TXmlAttribute<Length> const DefaultLength{kBuild, px(0.0f)};
constinit TXmlAttribute<SNullableLength> const DefaultSNullableLength{kBuild};
constinit TXmlAttribute<LengthOrPercent> const DefaultLengthOrPercent{kBuild};
constinit TXmlAttribute<LengthOrPercent> const DefaultFloatLengthOrPercent{kBuild, -1.0f};
constinit TXmlAttribute<LengthOrPercent> const DefaultOneHundredPercent{kBuild, 1.0f};
constinit TXmlAttribute<LengthOrPercent> const DefaultProvisionalLabelSeparation{kBuild, pt(6.0f)};
constinit TXmlAttribute<LengthOrPercent> const DefaultProvisionalDistanceBetweenStarts{kBuild,
                                                                                       pt(24.0f)};
constinit TXmlAttribute<LengthOrPercent> const DefaultLeaderLength{kBuild, pt(12.0f)};
constinit TXmlAttribute<LengthOrPercent> const DefaultLineHeight{kBuild, 1.2f};
constinit TXmlAttribute<ContentLength> const DefaultContentLength{kBuild, ContentScaleAuto};
constinit TXmlAttribute<ColumnWidth> const DefaultColumnWidth{kBuild};
constinit TXmlAttribute<TableWidth> const DefaultTableWidth{kBuild};
constinit TXmlAttribute<Margin> const DefaultMargin{kBuild};
constinit TXmlAttribute<LengthOrPercentAuto> const DefaultLengthOrPercentAuto{kBuild};
constinit TXmlAttribute<LeaderPatternWidth> const DefaultLeaderPatternWidth{kBuild};
constinit TXmlAttribute<FloatOrPercent> const DefaultFloatOrPercent{kBuild, 1.0f};
constinit TXmlAttribute<AlignmentAdjust> const DefaultAlignmentAdjust{kBuild};
constinit TXmlAttribute<BaselineShift> const DefaultBaselineShift{kBuild};
constinit TXmlAttribute<Length> const DefaultBorderLength{kBuild, pt(1.5f)};
constinit TXmlAttribute<Length> const DefaultRuleThickness{kBuild, pt(1.0f)};
constinit TXmlAttribute<DLength> const DefaultDLength{kBuild};
constinit TXmlAttribute<Length> const DefaultTabStopLength{kBuild, 0.5f, Length::UnitIn};
constinit TXmlAttribute<SBaselineShift> const DefaultSBaselineShift{kBuild};
constinit TXmlAttribute<SSpacing> const DefaultSSpacing{kBuild};
constinit TXmlAttribute<SLength> const DefaultSLength{kBuild};
constinit TXmlAttribute<SLength> const DefaultMiterlimit{kBuild, 4.0f};
constinit TXmlAttribute<SLength> const DefaultStrokeWidth{kBuild, 1.0f};
constinit TXmlAttribute<Core::Vector<SLength>> const DefaultSDashPattern{kBuild};
constinit TXmlAttribute<SLengthOrPercent> const DefaultSLengthOrPercent{kBuild};
constinit TXmlAttribute<SLengthOrPercent> const DefaultSOneHundredPercent{kBuild, 1.0f};
constinit TXmlAttribute<InitialPageNumber> const DefaultInitialPageNumber{kBuild};
constinit TXmlAttribute<InitialSheetNumber> const DefaultInitialSheetNumber{kBuild};
TXmlAttribute<Core::String> const DefaultFontFamily{kBuild, u"Times"};
TXmlAttribute<Core::String> const DefaultHyphenationCharacter{kBuild, u"-"};
constinit TXmlAttribute<STextDecoration> const DefaultSTextDecoration{kBuild};
TXmlAttribute<Url> const DefaultUrl{kBuild};
TXmlAttribute<Core::String> const DefaultNumberFormat{kBuild, u"1"};
constinit TXmlAttribute<LetterSpacing> const DefaultLetterSpacing{kBuild};
constinit TXmlAttribute<PageDimension> const DefaultPageDimension{kBuild, PageDimensionAuto};
constinit TXmlAttribute<Core::Vector<PathDataCommand>> const DefaultPathData{kBuild};
constinit TXmlAttribute<Core::Vector<Point>> const DefaultPointList{kBuild};
constinit TXmlAttribute<Core::Vector<Transform>> const DefaultTransformList{kBuild};
constinit TXmlAttribute<ViewBox> const DefaultViewBox{kBuild};
constinit TXmlAttribute<Length> const DefaultAspect3DDepth{kBuild, px(15.0f)};
constinit TXmlAttribute<Length> const DefaultAspect3DShading{kBuild, px(0.5f)};
constinit TXmlAttribute<Length> const DefaultCaptionOffset{kBuild, px(5.0f)};
TXmlAttribute<Value> const DefaultMinValue{kBuild, -2147483648.0f};
TXmlAttribute<Value> const DefaultMaxValue{kBuild, 2147483648.0f};
TXmlAttribute<Value> const DefaultValue{kBuild};
constinit TXmlAttribute<Length> const DefaultTickLength{kBuild, px(5.0f)};
constinit TXmlAttribute<Length> const DefaultAspect3DChartDepth{kBuild, px(5.0f)};
constinit TXmlAttribute<Length> const DefaultAspect3DSceneDepth{kBuild, px(14.0f)};
constinit TXmlAttribute<AxisUnits> const DefaultAxisUnits{kBuild, AxisUnits::Auto};
constinit TXmlAttribute<Length> const DefaultWidthLength{kBuild, px(10.0f)};

} // namespace Xml
