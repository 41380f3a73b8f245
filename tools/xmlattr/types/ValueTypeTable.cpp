// Every type the tool reads, one row each, in the order `xmlattr types` lists them.
#include "Describe.h"
#include "ValueType.h"

#include <xmlattr/AttributeTypes.h>
#include <xmlattr/length/MeasureKeywords.h>

#include <cstddef>
#include <iterator>
#include <tuple>

namespace Tool {

namespace {

// clang-format off
constexpr ValueType kTypes[] = {
    // Lengths and measures.
    row<Xml::Length>("Length", "formatting-object length: a number and a unit in small letters (\"12pt\"), or \"0\""),
    row<Xml::SLength>("SLength", "SVG length: a number, in pixels unless a unit or \"%\" follows (\"12\", \"3cm\", \"50%\")"),
    row<Xml::LengthOrPercent>("LengthOrPercent", "formatting-object length, percentage or plain factor (\"12pt\", \"50%\", \"1.2\")"),
    row<Xml::SLengthOrPercent>("SLengthOrPercent", "SVG length or percentage; a plain number is in pixels (\"12\", \"50%\")"),
    row<Xml::Margin>("Margin", "margin: a length or percentage; \"auto\" is the unset default, not read", [] { return Words{Xml::kAutoKeyword}; }),
    row<Xml::LengthOrPercentAuto>("LengthOrPercentAuto", "width, height, top, left, ...: a length, a percentage or \"auto\" (any case)", [] { return Words{Xml::kAutoKeyword}; }),
    row<Xml::TableWidth>("TableWidth", "table width: a length or percentage, alone or as a function's argument (\"w(50%)\")"),
    row<Xml::ColumnWidth>("ColumnWidth", "column-width: a length or percentage, alone or as a function's argument"),
    row<Xml::LeaderPatternWidth>("LeaderPatternWidth", "leader-pattern-width: a length, a percentage or \"use-font-metrics\"", [] { return Words{Xml::kUseFontMetricsKeyword}; }),
    row<Xml::ContentLength>("ContentLength", "content-width, content-height: \"auto\", \"scale-to-fit\", a length or a percentage", tableWords<Xml::kContentScaleKeywords>),
    row<Xml::DLength>("DLength", "border-separation: one or two lengths (\"2pt 3pt\")"),
    row<Xml::FloatOrPercent>("FloatOrPercent", "factor or percentage (\"1.5\", \"150%\"); every text but the empty one reads"),
    row<Xml::BorderWidth>("BorderWidth", "border-width: \"thin\", \"medium\", \"thick\" or a length", tableWords<Xml::kBorderWidthKeywords>),
    row<Xml::SNullableLength>("SNullableLength", "SVG length that may be absent"),
    row<Core::Vector<Xml::SLength>>("DashPattern", "SVG stroke-dasharray: lengths separated by commas, or \"none\"", [] { return Words{Xml::kNoneKeyword}; }),
    row<Xml::FontSize>("FontSize", "font-size: a size keyword, \"larger\", \"smaller\", a length, a percentage or a factor", tableWords<Xml::kFontSizeKeywords>),
    row<Xml::Indent>("Indent", "start-indent, end-indent: a length, a percentage, \"body-start()\" or \"label-end()\"", tableWords<Xml::kIndentFunctionKeywords>),
    row<Xml::LetterSpacing>("LetterSpacing", "letter-spacing, word-spacing: \"normal\" (any case) or a length", [] { return Words{Xml::kNormalKeyword}; }),
    row<Xml::SSpacing>("SSpacing", "SVG letter-spacing, word-spacing: \"normal\" or a length", [] { return Words{Xml::kNormalKeyword}; }),
    keywordRow<Xml::AlignmentBaseline>("AlignmentBaseline", "alignment-baseline: the baseline a line aligns to"),
    row<Xml::AlignmentAdjust>("AlignmentAdjust", "alignment-adjust: a baseline keyword, a length or a percentage", detail::tableKeywords<Xml::AlignmentBaseline>),
    row<Xml::BaselineShift>("BaselineShift", "baseline-shift: \"baseline\", \"sub\", \"super\", a length or a percentage", tableWords<Xml::kBaselineShiftKeywords>),
    row<Xml::SBaselineShift>("SBaselineShift", "SVG baseline-shift: \"baseline\", \"sub\", \"super\", a length or a percentage", tableWords<Xml::kBaselineShiftKeywords>),
    keywordRow<Xml::TabStopType>("TabStopType", "the alignment of a tab stop"),
    row<Xml::STextDecoration>("STextDecoration", "SVG text-decoration: \"none\", or underline, overline and line-through separated by commas", [] { Words words = tableWords<Xml::kDecorationLineKeywords>(); words.insert(words.begin(), Xml::kNoneKeyword); return words; }),
    row<Xml::BackgroundPosition>("BackgroundPosition", "background-position-horizontal, -vertical: a side, \"center\", a length or a percentage", tableWords<Xml::kBackgroundPositionKeywords>),
    row<Xml::BackgroundSize>("BackgroundSize", "background size: \"cover\", \"contain\", \"auto\", a length or a percentage", tableWords<Xml::kBackgroundSizeKeywords>),
    row<Xml::PageDimension>("PageDimension", "page-height, page-width: \"auto\", \"indefinite\" or a length", tableWords<Xml::kPageDimensionKeywords>),
    row<Xml::InitialPageNumber>("InitialPageNumber", "initial-page-number: \"auto\", \"auto-odd\", \"auto-even\" or a number; every text reads"),
    row<Xml::InitialSheetNumber>("InitialSheetNumber", "initial sheet number: \"auto\" or a number; every text reads"),
    // Colours.
    row<SmartPtr<Drawing::Color>>("Color", "colour: a keyword, \"#rgb\", \"#rrggbb\", rgb(), cmyk(), rgb-icc() or spot-color(); \"none\" is no colour"),
    row<Xml::SColor>("SColor", "SVG paint: \"none\", \"url(#id)\" or a colour"),
    row<Xml::SNullableColor>("SNullableColor", "SVG paint that may be absent: \"none\", \"url(#id)\" or a colour"),
    row<Xml::BoxShadow>("BoxShadow", "box shadow: up to three lengths and a colour, blank-separated; every text but blanks reads"),
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
    // SVG geometry.
    row<Core::Vector<Xml::Transform>>("TransformList", "SVG transform: matrix, translate, scale, rotate, skewX and skewY items; every text reads"),
    row<Core::Vector<Xml::PathDataCommand>>("PathData", "SVG path data: commands and their numbers; every text reads"),
    row<Core::Vector<Xml::Point>>("PointList", "SVG points: pairs of coordinates (\"10,20 30,40\")"),
    row<Xml::ViewBox>("ViewBox", "SVG viewBox: four lengths separated by white space (\"0 0 100 50\")"),
    row<Xml::SPreserveAspectRatio>("SPreserveAspectRatio", "SVG preserveAspectRatio: an alignment and \"meet\" or \"slice\"; every text reads"),
    // Language.
    row<Xml::Language>("Language", "language code, in any letter case (\"en\", \"EN-US\", \"cze\")"),
    // Chart values.
    row<Xml::Value>("Value", "chart value: a month/day/year date, a number, or else text (\"12/25/2010\", \"3.75\")"),
    row<Xml::AxisUnits>("AxisUnits", "chart axis step: \"auto\", \"days\", \"months\", \"years\" or a number other than 0"),
    row<float>("float", "plain number (\"0.5\", \"-2e3\"), white space around it allowed"),
};
// clang-format on

// Every type of the library's list has a row, once: a type added there and not here stops the
// build at `noRowFor`, which names it.
constexpr std::size_t firstWithoutRow() {
    for (std::size_t listed = 0; listed < Xml::AttributeTypes::size; ++listed) {
        std::size_t rows = 0;
        for (ValueType const& type : kTypes) {
            rows += type.listed == listed ? 1 : 0;
        }
        if (rows != 1) {
            return listed;
        }
    }
    return Xml::AttributeTypes::size;
}

template <class Missing> constexpr bool noRowFor() {
    static_assert(sizeof(Missing) == 0,
                  "this type of Xml::AttributeTypes has no row or two rows in kTypes");
    return false;
}

template <std::size_t Listed, class... T> constexpr bool rowFor(Xml::TypeList<T...> list) {
    if constexpr (Listed == sizeof...(T)) {
        return true;
    } else {
        return noRowFor<std::tuple_element_t<Listed, std::tuple<T...>>>() && rowFor<Listed>(list);
    }
}
static_assert(rowFor<firstWithoutRow()>(Xml::AttributeTypes()) &&
              std::size(kTypes) == Xml::AttributeTypes::size);

} // namespace

std::span<ValueType const> allTypes() noexcept { return kTypes; }

} // namespace Tool
