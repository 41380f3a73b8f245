// Every type the tool reads, one row each, in the order `xmlattr types` lists them.
#include "Describe.h"
#include "TypeRegistry.h"

namespace Tool {

namespace {

// clang-format off
constexpr TypeRow kTypes[] = {
    // Lengths and measures.
    row<Xml::Length>("Length", "formatting-object length: a number and a unit in small letters (\"12pt\"), or \"0\""),
    row<Xml::SLength>("SLength", "SVG length: a number, in pixels unless a unit or \"%\" follows (\"12\", \"3cm\", \"50%\")"),
    row<Xml::LengthOrPercent>("LengthOrPercent", "formatting-object length, percentage or plain factor (\"12pt\", \"50%\", \"1.2\")"),
    row<Xml::SLengthOrPercent>("SLengthOrPercent", "SVG length or percentage; a plain number is in pixels (\"12\", \"50%\")"),
    // Formatting-object keywords.
    keywordRow<Xml::Span>("Span", "span: whether a block spans all columns"),
    keywordRow<Xml::LineStackingStrategy>("LineStackingStrategy", "line-stacking-strategy: how the height of a line is measured"),
    keywordRow<Xml::LineHeightShiftAdjustment>("LineHeightShiftAdjustment", "line-height-shift-adjustment: whether shifted baselines enlarge a line"),
    keywordRow<Xml::TextAlign>("TextAlign", "text-align, text-align-last: alignment of the lines of a block"),
    keywordRow<Xml::DisplayAlign>("DisplayAlign", "display-align: where content sits in the block-progression direction"),
    keywordRow<Xml::TextDirection>("TextDirection", "direction: the inline progression direction"),
    keywordRow<Xml::LinefeedTreatment>("LinefeedTreatment", "linefeed-treatment: what becomes of a line feed"),
    keywordRow<Xml::WhiteSpaceTreatment>("WhiteSpaceTreatment", "white-space-treatment: which white space around line feeds is kept"),
    keywordRow<Xml::WrapOption>("WrapOption", "wrap-option: whether lines wrap"),
    keywordRow<Xml::Visibility>("Visibility", "visibility of a formatting object"),
    keywordRow<Xml::LeaderPattern>("LeaderPattern", "leader-pattern: what fills a leader"),
    keywordRow<Xml::LeaderAlignment>("LeaderAlignment", "leader-alignment: what leader patterns line up with"),
    keywordRow<Xml::RetrievePosition>("RetrievePosition", "retrieve-position: which marker of a page is retrieved"),
    keywordRow<Xml::RetrieveBoundary>("RetrieveBoundary", "retrieve-boundary: how far back a page marker is looked for"),
    keywordRow<Xml::RetrievePositionWithinTable>("RetrievePositionWithinTable", "retrieve-position-within-table: which marker of a table is retrieved"),
    keywordRow<Xml::RetrieveBoundaryWithinTable>("RetrieveBoundaryWithinTable", "retrieve-boundary-within-table: how far back a table marker is looked for"),
    keywordRow<Xml::Parity>("Parity", "odd-or-even: the page condition of a page master"),
    keywordRow<Xml::PagePosition>("PagePosition", "page-position: the position condition of a page master"),
    keywordRow<Xml::BlankOrNotBlank>("BlankOrNotBlank", "blank-or-not-blank: the blank-page condition of a page master"),
    keywordRow<Xml::Break>("Break", "break-before, break-after: where a break goes"),
    keywordRow<Xml::ForcePageCount>("ForcePageCount", "force-page-count: what a page sequence forces its page count to"),
    keywordRow<Xml::MaxRepeats>("MaxRepeats", "maximum-repeats: \"no-limit\" or a count; every text reads"),
    keywordRow<Xml::Keep>("Keep", "keep-together, keep-with-next, keep-with-previous: a keyword or an integer strength"),
    keywordRow<Xml::FootnoteRestartRule>("FootnoteRestartRule", "where footnote numbering starts again"),
    keywordRow<Xml::ReferenceOrientation>("ReferenceOrientation", "reference-orientation: an angle in quarter turns (\"90\", \"-180\")"),
    keywordRow<Xml::AbsolutePosition>("AbsolutePosition", "absolute-position: how a block is taken out of the flow"),
    keywordRow<Xml::RelativePosition>("RelativePosition", "relative-position: whether a block is offset from its place"),
    keywordRow<Xml::Overflow>("Overflow", "overflow: what happens to content that overflows its area"),
    keywordRow<Xml::FloatPosition>("FloatPosition", "float: the side a float goes to"),
    keywordRow<Xml::AnchorX>("AnchorX", "what a float is anchored to horizontally"),
    keywordRow<Xml::AnchorY>("AnchorY", "what a float is anchored to vertically"),
    keywordRow<Xml::PositionX>("PositionX", "horizontal position of a float at its anchor"),
    keywordRow<Xml::PositionY>("PositionY", "vertical position of a float at its anchor"),
    keywordRow<Xml::BackgroundRepeat>("BackgroundRepeat", "background-repeat: how a background image repeats"),
    keywordRow<Xml::Scaling>("Scaling", "scaling: whether an image keeps its aspect ratio when scaled"),
    keywordRow<Xml::TableLayout>("TableLayout", "table-layout: how the column widths of a table are found"),
    keywordRow<Xml::AFPEncoding>("AFPEncoding", "the text encoding of AFP output"),
    keywordRow<Xml::LightingScheme>("LightingScheme", "the lighting of embedded 3D artwork"),
    row<Xml::Url>("Url", "reference, bare or wrapped in \"url(\" and \")\" (\"url('a.png')\")"),
    row<Core::String>("String", "free text, read as it is (font-family, hyphenation-character, format)"),
    // Graphics, font, border, barcode, form, chart and output keywords.
    keywordRow<Xml::BorderStyle>("BorderStyle", "border-style and its sides, rule-style: the style of a border or rule"),
    keywordRow<Xml::BorderCollapse>("BorderCollapse", "border-collapse: how the borders of adjacent table cells meet"),
    keywordRow<Xml::FontWeight>("FontWeight", "font-weight: normal or bold; a numeric weight above 400 is bold"),
    keywordRow<Xml::FontStyle>("FontStyle", "font-style: the slant of a font"),
    keywordRow<Xml::FontVariant>("FontVariant", "font-variant: whether small letters are set as small capitals"),
    keywordRow<Xml::TextLineStyle>("TextLineStyle", "the style of underline, overline and line-through lines"),
    keywordRow<Xml::BarcodeType>("BarcodeType", "the symbology of a barcode"),
    keywordRow<Xml::DMEncoding>("DMEncoding", "the encodation of a Data Matrix barcode"),
    keywordRow<Xml::DMFormat>("DMFormat", "the symbol size of a Data Matrix barcode, rows by columns"),
    keywordRow<Xml::Code128CodeSet>("Code128CodeSet", "the code set of a Code 128 barcode"),
    keywordRow<Xml::FormControlType>("FormControlType", "the kind of a form control"),
    keywordRow<Xml::FormActionType>("FormActionType", "what a form action does"),
    keywordRow<Xml::FormTriggerAction>("FormTriggerAction", "the event that triggers a form action"),
    keywordRow<Xml::STextAnchor>("STextAnchor", "SVG text-anchor: where text is anchored"),
    keywordRow<Xml::SLineCap>("SLineCap", "SVG stroke-linecap: the shape at the ends of a stroke"),
    keywordRow<Xml::SLineJoin>("SLineJoin", "SVG stroke-linejoin: the shape at the corners of a stroke"),
    keywordRow<Xml::SVisibility>("SVisibility", "SVG visibility"),
    keywordRow<Xml::SDisplay>("SDisplay", "SVG display; a text that is no keyword reads and changes nothing"),
    keywordRow<Drawing::GradientUnits>("GradientUnits", "SVG gradientUnits and the other ...Units attributes"),
    keywordRow<Drawing::GradientSpreadMethod>("GradientSpreadMethod", "SVG spreadMethod: what a gradient paints beyond its ends"),
    keywordRow<Xml::ChartType>("ChartType", "the kind of a chart"),
    keywordRow<Xml::LabelType>("LabelType", "the shape of a chart series marker"),
    keywordRow<Xml::SliceOrientation>("SliceOrientation", "the direction in which pie slices follow each other"),
    keywordRow<Xml::AxisPosition>("AxisPosition", "the side of the plot a chart axis is drawn on"),
    keywordRow<Xml::AxisOrientation>("AxisOrientation", "the direction of a chart axis"),
    keywordRow<Xml::AxisIntersection>("AxisIntersection", "where a chart axis crosses the other"),
    keywordRow<Xml::TickStyle>("TickStyle", "where tick marks are drawn relative to a chart axis"),
    keywordRow<Xml::SerieGrouping>("SerieGrouping", "how several chart series share a category"),
    keywordRow<Xml::DisplayValPlacement>("DisplayValPlacement", "where a chart data value label is placed"),
    keywordRow<Xml::PDFConformance>("PDFConformance", "the PDF standard the output conforms to"),
    row<int>("int", "integer (\"3\", \"-12\"), white space around it allowed"),
    // Language.
    row<Xml::Language>("Language", "language code, in any letter case (\"en\", \"EN-US\", \"cze\")"),
    // Chart values.
    row<Xml::Value>("Value", "chart value: a month/day/year date, a number, or else text (\"12/25/2010\", \"3.75\")"),
    row<Xml::AxisUnits>("AxisUnits", "chart axis step: \"auto\", \"days\", \"months\", \"years\" or a number other than 0"),
    row<float>("float", "plain number (\"0.5\", \"-2e3\"), white space around it allowed"),
};
// clang-format on

} // namespace

std::span<TypeRow const> allTypes() noexcept { return kTypes; }

} // namespace Tool
