// The default attributes: each one's value and text, and what copying one gives.
#include "xmlattr/defaults/DefaultAttributes.h"
#include "xmlattr/defaults/DefaultList.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace Xml {
namespace {

/// What the test learns of one default: whether it and each of its copies hold the expected
/// value, the default's own text and the texts of its copies.
struct Row {
    std::string name;
    XmlAttribute const* attribute;
    char16_t const* text;
    bool holds;
    bool copiesHold;
    Core::String written;
    std::vector<Core::String> copiesWritten;
};

/// Copies the default into new attributes in every way the template offers (construction from
/// the attribute and from its value, assignment, `copyFrom` through the base) and checks each.
template <class T, class Holds>
Row row(char const* name, TXmlAttribute<T> const& attribute, Holds holds, char16_t const* text) {
    TXmlAttribute<T> constructed(attribute);
    TXmlAttribute<T> fromValue(*attribute);
    TXmlAttribute<T> assigned;
    assigned = attribute;
    TXmlAttribute<T> copied;
    static_cast<XmlAttribute&>(copied).copyFrom(attribute);
    return {name,
            &attribute,
            text,
            holds(*attribute),
            holds(*constructed) && holds(*fromValue) && holds(*assigned) && holds(*copied),
            writeDefault(attribute),
            {constructed.getValueAsString(), fromValue.getValueAsString(),
             assigned.getValueAsString(), copied.getValueAsString()}};
}

/// The keyword or whole number `expected`, compared as a number.
auto number(int expected) {
    return [expected](auto value) { return static_cast<int>(value) == expected; };
}
template <class T> auto is(T const& expected) {
    return [expected](T const& value) { return value == expected; };
}
auto lengthOrPercent(Length const& length) { return is(LengthOrPercent(length)); }
auto percent(float fraction) { return is(LengthOrPercent(fraction)); }
auto sPercent(float fraction) { return is(SLengthOrPercent(fraction)); }
auto sLength(float size) { return is(SLength(size)); }
auto noColor() {
    return [](SmartPtr<Drawing::Color> const& color) { return !color; };
}
bool isBlack(SmartPtr<Drawing::Color> const& color) {
    SmartPtr<Drawing::RGBColor> const rgb = color.dynamicCast<Drawing::RGBColor>();
    return rgb && rgb->getR() == 0 && rgb->getG() == 0 && rgb->getB() == 0;
}
template <class Paint> auto paint(SColor::ColorType type, bool black, bool null) {
    return [=](Paint const& value) {
        bool nullMatches = true;
        if constexpr (std::is_same_v<Paint, SNullableColor>) {
            nullMatches = value.isNull() == null;
        }
        return value.getType() == type && (black ? isBlack(value.getColor()) : !value.getColor()) &&
               value.getUrl().empty() && nullMatches;
    };
}
auto text(char16_t const* expected) { return is(Core::String(expected)); }
auto empty() {
    return [](auto const& list) { return list.empty(); };
}
/// A number chart value: type 1, `number`, no text, no ordinal.
auto chartNumber(float number) {
    return [number](Value const& value) {
        return value.type == ValueFloat && value.floatValue == number && value.ordinal == -1 &&
               value.stringValue.empty();
    };
}
/// A flag-and-measure value left as its default constructor builds it.
template <class Measure> auto autoMeasure() {
    return [](Measure value) {
        return value.isAuto() && value.getLengthOrPercent() == LengthOrPercent(Length());
    };
}

constexpr Length pt(float size) { return Length(size, Length::UnitPt); }
constexpr Length px(float size) { return Length(size, Length::UnitPx); }

// Every default with its value and its text; a keyword default by its number, whatever its
// enumerator is called.
// clang-format off
std::vector<Row> allRows() {
    return {
        // Formatting-object keywords.
        row("DefaultSpanAttribute", DefaultSpanAttribute, number(0), u"none"),
        row("DefaultLineStackingStrategy", DefaultLineStackingStrategy, number(2), u"max-height"),
        row("DefaultLineHeightShiftAdjustment", DefaultLineHeightShiftAdjustment, number(0), u"consider-shifts"),
        row("DefaultTextAlign", DefaultTextAlign, number(0), u"left"),
        row("DefaultDisplayAlign", DefaultDisplayAlign, number(0), u"before"),
        row("DefaultTextDirection", DefaultTextDirection, number(0), u""),
        row("DefaultLinefeedTreatmentAttribute", DefaultLinefeedTreatmentAttribute, number(2), u"treat-as-space"),
        row("DefaultWhiteSpaceTreatmentAttribute", DefaultWhiteSpaceTreatmentAttribute, number(4), u"ignore-if-surrounding-linefeed"),
        row("DefaultWrapOptionAttribute", DefaultWrapOptionAttribute, number(0), u"wrap"),
        row("DefaultFOVisibilityAttribute", DefaultFOVisibilityAttribute, number(0), u"visible"),
        row("DefaultLeaderPattern", DefaultLeaderPattern, number(0), u"space"),
        row("DefaultLeaderAlignment", DefaultLeaderAlignment, number(0), u"none"),
        row("DefaultRetrievePosition", DefaultRetrievePosition, number(0), u"first-starting-within-page"),
        row("DefaultRetrieveBoundary", DefaultRetrieveBoundary, number(1), u"page-sequence"),
        row("DefaultRetrievePositionWithinTable", DefaultRetrievePositionWithinTable, number(0), u"first-starting"),
        row("DefaultRetrieveBoundaryWithinTable", DefaultRetrieveBoundaryWithinTable, number(0), u""),
        row("DefaultParity", DefaultParity, number(2), u""),
        row("DefaultPagePosition", DefaultPagePosition, number(3), u""),
        row("DefaultBlankOrNotBlank", DefaultBlankOrNotBlank, number(2), u""),
        row("DefaultBreak", DefaultBreak, number(0), u"auto"),
        row("DefaultForcePageCount", DefaultForcePageCount, number(0), u""),
        row("DefaultKeep", DefaultKeep, number(0), u"auto"),
        row("DefaultFootnoteRestartRule", DefaultFootnoteRestartRule, number(0), u""),
        row("DefaultReferenceOrientation", DefaultReferenceOrientation, number(0), u"0"),
        row("DefaultAbsolutePosition", DefaultAbsolutePosition, number(0), u"auto"),
        row("DefaultRelativePosition", DefaultRelativePosition, number(0), u"static"),
        row("DefaultOverflow", DefaultOverflow, number(0), u"visible"),
        row("DefaultFloatPositionAttribute", DefaultFloatPositionAttribute, number(0), u"left"),
        row("DefaultAnchorXAttribute", DefaultAnchorXAttribute, number(0), u""),
        row("DefaultAnchorYAttribute", DefaultAnchorYAttribute, number(0), u""),
        row("DefaultPositionXAttribute", DefaultPositionXAttribute, number(0), u""),
        row("DefaultPositionYAttribute", DefaultPositionYAttribute, number(0), u""),
        row("DefaultBackgroundRepeat", DefaultBackgroundRepeat, number(0), u"repeat"),
        row("DefaultScaling", DefaultScaling, number(0), u"uniform"),
        row("DefaultTableLayout", DefaultTableLayout, number(0), u"auto"),
        row("DefaultAFPEncoding", DefaultAFPEncoding, number(0), u""),
        row("DefaultFOLightingSchemeAttribute", DefaultFOLightingSchemeAttribute, number(0), u""),

        // Graphics, font, border, barcode, form, chart and output keywords.
        row("DefaultBarcodeType", DefaultBarcodeType, number(0), u""),
        row("DefaultDMEncoding", DefaultDMEncoding, number(5), u""),
        row("DefaultDMFormat", DefaultDMFormat, number(-1), u""),
        row("DefaultCode128CodeSet", DefaultCode128CodeSet, number(1), u""),
        row("DefaultBorderStyle", DefaultBorderStyle, number(0), u"none"),
        row("DefaultLeaderRuleStyle", DefaultLeaderRuleStyle, number(7), u"solid"),
        row("DefaultBorderCollapse", DefaultBorderCollapse, number(0), u"collapse"),
        row("DefaultFontWeight", DefaultFontWeight, number(0), u"normal"),
        row("DefaultFontStyle", DefaultFontStyle, number(0), u"normal"),
        row("DefaultFontVariant", DefaultFontVariant, number(0), u""),
        row("DefaultTextLineStyle", DefaultTextLineStyle, number(0), u"none"),
        row("DefaultFormControlTypeAttribute", DefaultFormControlTypeAttribute, number(4), u""),
        row("DefaultFormActionTypeAttribute", DefaultFormActionTypeAttribute, number(0), u""),
        row("DefaultFormTriggerActionAttribute", DefaultFormTriggerActionAttribute, number(0), u""),
        row("DefaultSTextAnchor", DefaultSTextAnchor, number(1), u""),
        row("DefaultSLineCap", DefaultSLineCap, number(0), u""),
        row("DefaultSLineJoin", DefaultSLineJoin, number(0), u""),
        row("DefaultSVisibility", DefaultSVisibility, number(1), u""),
        row("DefaultSDisplay", DefaultSDisplay, number(0), u""),
        row("DefaultSGradientUnits", DefaultSGradientUnits, number(0), u""),
        row("DefaultSGradientSpreadMethod", DefaultSGradientSpreadMethod, number(0), u""),
        row("DefaultPDFConformance", DefaultPDFConformance, number(0), u""),
        row("DefaultChartType", DefaultChartType, number(1), u""),
        row("DefaultLabelType", DefaultLabelType, number(1), u""),
        row("DefaultSliceOrientation", DefaultSliceOrientation, number(1), u""),
        row("DefaultAxisPosition", DefaultAxisPosition, number(1), u""),
        row("DefaultAxisOrientation", DefaultAxisOrientation, number(0), u""),
        row("DefaultAxisIntersection", DefaultAxisIntersection, number(2), u""),
        row("DefaultTickStyle", DefaultTickStyle, number(2), u""),
        row("DefaultSerieGrouping", DefaultSerieGrouping, number(0), u""),
        row("DefaultDisplayValPlacement", DefaultDisplayValPlacement, number(2), u""),

        // Numbers.
        row("DefaultDotSize", DefaultDotSize, number(4), u"4"),
        row("DefaultBarColumnCount", DefaultBarColumnCount, number(1), u"1"),
        row("DefaultBarRowCount", DefaultBarRowCount, number(3), u"3"),
        row("DefaultColumnCount", DefaultColumnCount, number(1), u"1"),
        row("DefaultHyphenationCharCount", DefaultHyphenationCharCount, number(2), u"2"),
        row("DefaultWidowsAndOrphans", DefaultWidowsAndOrphans, number(2), u"2"),
        row("DefaultMinFloat", DefaultMinFloat, is(-2147483648.0f), u"-2147483648"),
        row("DefaultMaxFloat", DefaultMaxFloat, is(2147483648.0f), u"2147483648"),

        // Formatting-object lengths and measures.
        row("DefaultLength", DefaultLength, is(px(0)), u"0px"),
        row("DefaultBorderLength", DefaultBorderLength, is(pt(1.5f)), u"1.5pt"),
        row("DefaultRuleThickness", DefaultRuleThickness, is(pt(1)), u"1pt"),
        row("DefaultTabStopLength", DefaultTabStopLength, is(Length(0.5f, Length::UnitIn)), u"0.5in"),
        row("DefaultBarUnit", DefaultBarUnit, is(pt(1)), u"1pt"),
        row("DefaultDLength", DefaultDLength, [](DLength const& v) { return v.getFirst() == px(0) && v.getSecond() == px(0); }, u""),
        row("DefaultLengthOrPercent", DefaultLengthOrPercent, lengthOrPercent(px(0)), u"0px"),
        row("DefaultFloatLengthOrPercent", DefaultFloatLengthOrPercent, percent(-1.0f), u"-100%"),
        row("DefaultOneHundredPercent", DefaultOneHundredPercent, percent(1.0f), u"100%"),
        row("DefaultProvisionalLabelSeparation", DefaultProvisionalLabelSeparation, lengthOrPercent(pt(6)), u"6pt"),
        row("DefaultProvisionalDistanceBetweenStarts", DefaultProvisionalDistanceBetweenStarts, lengthOrPercent(pt(24)), u"24pt"),
        row("DefaultLeaderLength", DefaultLeaderLength, lengthOrPercent(pt(12)), u"12pt"),
        row("DefaultLineHeight", DefaultLineHeight, percent(1.2f), u"120%"),
        row("DefaultContentLength", DefaultContentLength, [](ContentLength const& v) { return v.getScaleMode() == 0 && v.isNull() && v.getLength() == LengthOrPercent(px(0)); }, u"auto"),
        row("DefaultColumnWidth", DefaultColumnWidth, autoMeasure<ColumnWidth>(), u""),
        row("DefaultTableWidth", DefaultTableWidth, autoMeasure<TableWidth>(), u""),
        row("DefaultMargin", DefaultMargin, autoMeasure<Margin>(), u""),
        row("DefaultLengthOrPercentAuto", DefaultLengthOrPercentAuto, autoMeasure<LengthOrPercentAuto>(), u"auto"),
        row("DefaultLeaderPatternWidth", DefaultLeaderPatternWidth, [](LeaderPatternWidth const& v) { return v == LeaderPatternWidth() && v != LeaderPatternWidth(LengthOrPercent()); }, u""),
        row("DefaultFloatOrPercent", DefaultFloatOrPercent, [](FloatOrPercent const& v) { return v.getValue() == 1.0f; }, u""),
        row("DefaultBorderWidth", DefaultBorderWidth, is<Length>(pt(1.5f)), u"1.5pt"),
        row("DefaultFontSize", DefaultFontSize, [](FontSize const& v) { return v.isAbsoluteSize() && v.getAbsoluteSize() == LengthOrPercent(pt(10)); }, u"10pt"),
        row("DefaultIndent", DefaultIndent, [](Indent const& v) { return v.getFunction() == 0 && v.getLengthOrPercent() == LengthOrPercent(px(0)); }, u""),
        row("DefaultLetterSpacing", DefaultLetterSpacing, [](LetterSpacing const& v) { return v.isNormal() && v.getLength() == px(0); }, u"normal"),
        row("DefaultAlignmentBaseline", DefaultAlignmentBaseline, number(0), u"auto"),
        row("DefaultAlignmentAdjust", DefaultAlignmentAdjust, [](AlignmentAdjust const& v) { return v.isBaseline() && v.getBaseline() == 0; }, u"auto"),
        row("DefaultBaselineShift", DefaultBaselineShift, [](BaselineShift const& v) { return v.getMode() == 0; }, u"baseline"),
        row("DefaultTabStopType", DefaultTabStopType, number(0), u""),
        row("DefaultPageDimension", DefaultPageDimension, [](PageDimension const& v) { return v.getType() == 0 && v.getLength() == px(0); }, u""),
        row("DefaultBackgroundPosition", DefaultBackgroundPosition, [](BackgroundPosition const& v) { return !v.isPercent() && v.getLength() == px(0); }, u"0px"),
        row("DefaultBackgroundSize", DefaultBackgroundSize, [](BackgroundSize const& v) { return v.getType() == 2 && !v.isPercent() && v.getLength() == px(0); }, u"auto"),
        row("DefaultInitialPageNumber", DefaultInitialPageNumber, [](InitialPageNumber const& v) { return v.getType() == 0; }, u""),
        row("DefaultInitialSheetNumber", DefaultInitialSheetNumber, [](InitialSheetNumber const& v) { return v.getType() == 0; }, u""),

        // SVG lengths, spacing and decoration.
        row("DefaultSLength", DefaultSLength, sLength(0), u""),
        row("DefaultMiterlimit", DefaultMiterlimit, sLength(4), u""),
        row("DefaultStrokeWidth", DefaultStrokeWidth, sLength(1), u""),
        row("DefaultSNullableLength", DefaultSNullableLength, [](SNullableLength const& v) { return v.isNull() && v == SLength(); }, u""),
        row("DefaultSLengthOrPercent", DefaultSLengthOrPercent, is(SLengthOrPercent(0, SLength::UnitPx)), u""),
        row("DefaultSOneHundredPercent", DefaultSOneHundredPercent, sPercent(1.0f), u""),
        row("DefaultSFontSize", DefaultSFontSize, is(SLengthOrPercent(10, SLength::UnitPt)), u""),
        row("DefaultSDashPattern", DefaultSDashPattern, empty(), u""),
        row("DefaultSBaselineShift", DefaultSBaselineShift, [](SBaselineShift const& v) { return v.getMode() == 0; }, u""),
        row("DefaultSSpacing", DefaultSSpacing, [](SSpacing const& v) { return v.getType() == 0 && v.getSLength() == SLength(); }, u""),
        row("DefaultSTextDecoration", DefaultSTextDecoration, [](STextDecoration const& v) { return !v.isUnderline() && !v.isOverline() && !v.isLineThrough(); }, u""),

        // Colours and paint.
        row("DefaultBackgroundColor", DefaultBackgroundColor, noColor(), u""),
        row("DefaultStrokeColor", DefaultStrokeColor, noColor(), u""),
        row("DefaultGradientStopColor", DefaultGradientStopColor, noColor(), u""),
        row("DefaultBorderColor", DefaultBorderColor, isBlack, u"rgb(0,0,0)"),
        row("DefaultFillColor", DefaultFillColor, isBlack, u"rgb(0,0,0)"),
        row("DefaultSColor", DefaultSColor, paint<SColor>(SColor::NoPaint, false, false), u""),
        row("DefaultSStrokeColor", DefaultSStrokeColor, paint<SColor>(SColor::NoPaint, false, false), u""),
        row("DefaultSFillColor", DefaultSFillColor, paint<SColor>(SColor::ColorPaint, true, false), u""),
        row("DefaultSNullableStrokeColor", DefaultSNullableStrokeColor, paint<SNullableColor>(SColor::NoPaint, false, true), u""),
        row("DefaultSNullableFillColor", DefaultSNullableFillColor, paint<SNullableColor>(SColor::ColorPaint, true, true), u""),
        row("DefaultBoxShadow", DefaultBoxShadow, [](BoxShadow const& v) { return v.getDx() == px(0) && v.getDy() == px(0) && v.getBlurRadius() == px(0) && !v.getColor(); }, u"0px 0px 0px "),

        // Text, reference and language.
        row("DefaultFontFamily", DefaultFontFamily, text(u"Times"), u"Times"),
        row("DefaultHyphenationCharacter", DefaultHyphenationCharacter, text(u"-"), u"-"),
        row("DefaultNumberFormat", DefaultNumberFormat, text(u"1"), u"1"),
        row("DefaultUrl", DefaultUrl, [](Url const& v) { return v.getUrl().empty(); }, u"url()"),
        row("DefaultLanguage", DefaultLanguage, [](Language const& v) { return v.getLanguageId() == 0 && v.getCountryId() == 0; }, u""),

        // SVG geometry.
        row("DefaultPathData", DefaultPathData, empty(), u""),
        row("DefaultPointList", DefaultPointList, empty(), u""),
        row("DefaultTransformList", DefaultTransformList, empty(), u""),
        row("DefaultViewBox", DefaultViewBox, is(ViewBox(SLengthOrPercent(0.0f), SLengthOrPercent(0.0f), SLengthOrPercent(1.0f), SLengthOrPercent(1.0f))), u""),
        row("DefaultSPreserveAspectRatio", DefaultSPreserveAspectRatio, [](SPreserveAspectRatio const& v) { return v.getAspectRatio() == 146; }, u""),

        // Chart lengths and values.
        row("DefaultAspect3DDepth", DefaultAspect3DDepth, is(px(15)), u"15px"),
        row("DefaultAspect3DShading", DefaultAspect3DShading, is(px(0.5f)), u"0.5px"),
        row("DefaultCaptionOffset", DefaultCaptionOffset, is(px(5)), u"5px"),
        row("DefaultTickLength", DefaultTickLength, is(px(5)), u"5px"),
        row("DefaultAspect3DChartDepth", DefaultAspect3DChartDepth, is(px(5)), u"5px"),
        row("DefaultAspect3DSceneDepth", DefaultAspect3DSceneDepth, is(px(14)), u"14px"),
        row("DefaultWidthLength", DefaultWidthLength, is(px(10)), u"10px"),
        row("DefaultAxisUnits", DefaultAxisUnits, [](AxisUnits const& v) { return v.type == AxisUnits::Auto && v.numericVal == 0.0f; }, u""),
        row("DefaultMinValue", DefaultMinValue, chartNumber(-2147483648.0f), u""),
        row("DefaultMaxValue", DefaultMaxValue, chartNumber(2147483648.0f), u""),
        row("DefaultValue", DefaultValue, [](Value const& v) { return v.type == ValueNone && v.ordinal == -1 && v.stringValue.empty(); }, u""),
    };
}
// clang-format on

TEST(DefaultAttributes, EachHoldsItsValueAndWritesItsText) {
    for (Row const& entry : allRows()) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(entry.holds);
        EXPECT_EQ(entry.written, Core::String(entry.text));
    }
}

TEST(DefaultAttributes, EveryCopyHoldsTheValueAndWritesTheSameText) {
    for (Row const& entry : allRows()) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(entry.copiesHold);
        for (Core::String const& written : entry.copiesWritten) {
            EXPECT_EQ(written, entry.written);
        }
    }
}

// The list compiled into callers names every default once, each with its own object, and
// writes it through the library's own slots as the typed default writes it.
TEST(DefaultAttributes, TheListNamesEachDefaultOnce) {
    std::vector<Row> const rows = allRows();
    std::span<DefaultEntry const> const list = defaultAttributes();
    ASSERT_EQ(rows.size(), 152u);
    ASSERT_EQ(list.size(), rows.size());
    std::set<std::string> names;
    std::set<XmlAttribute const*> objects;
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string const name = Core::String(list[i].name).toUtf8();
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second);
        EXPECT_TRUE(objects.insert(list[i].attribute).second);
        // The rows and the list group the defaults alike, so they run in the same order.
        EXPECT_EQ(name, rows[i].name);
        EXPECT_EQ(list[i].attribute, rows[i].attribute);
        EXPECT_EQ(writeDefault(*list[i].attribute), rows[i].written);
    }
}

TEST(DefaultAttributes, TheTwoBlackColoursAreDistinctObjects) {
    // Equal in value, each the only holder of its own object.
    Drawing::Color* const border = DefaultBorderColor->get();
    Drawing::Color* const fill = DefaultFillColor->get();
    EXPECT_NE(border, fill);
    EXPECT_EQ(border->getRefCount(), 1);
    EXPECT_EQ(fill->getRefCount(), 1);
    EXPECT_NE(DefaultSFillColor->getColor().get(), border);
    EXPECT_NE(DefaultSNullableFillColor->getColor().get(), DefaultSFillColor->getColor().get());
    {
        // A copy shares the default's object instead of duplicating it.
        TXmlAttribute<SmartPtr<Drawing::Color>> const copy(DefaultBorderColor);
        EXPECT_EQ(copy->get(), border);
        EXPECT_EQ(border->getRefCount(), 2);
        EXPECT_TRUE(copy == *DefaultBorderColor);
        EXPECT_FALSE(copy == *DefaultFillColor); // colours compare by object
    }
    EXPECT_EQ(border->getRefCount(), 1);
}

// The edges a caller is most likely to trip on, one by one.
TEST(DefaultAttributes, Edges) {
    // No keyword reads 0, which writes as "left" does.
    TXmlAttribute<TextAlign> left;
    ASSERT_TRUE(left.parseValue(u"left"));
    EXPECT_NE(*left, *DefaultTextAlign);
    EXPECT_EQ(left.getValueAsString(), writeDefault(DefaultTextAlign));
    // 1.5pt is neither "thin" (1pt) nor "medium" (3pt).
    TXmlAttribute<BorderWidth> width;
    ASSERT_TRUE(width.parseValue(u"medium"));
    EXPECT_EQ(width.getValueAsString(), Core::String(u"medium"));
    width = DefaultBorderWidth;
    EXPECT_EQ(width.getValueAsString(), Core::String(u"1.5pt"));
    // A negative percentage.
    EXPECT_TRUE(DefaultFloatLengthOrPercent->isPercent());
    EXPECT_EQ(DefaultFloatLengthOrPercent->pxSize(200.0f), -200.0f);
    // The chart bounds: the upper one is beyond the 32-bit range its text form clamps to.
    EXPECT_EQ(DefaultMinValue->getValue(), Core::String(u"-2147483648"));
    EXPECT_EQ(DefaultMaxValue->getValue(), Core::String(u"2147483647"));
    // No value equals nothing, not even itself.
    EXPECT_FALSE(*DefaultValue == *DefaultValue);
}

// The geometry starts every length it makes from the SVG length default.
TEST(DefaultAttributes, GeometryStartsFromTheSvgLengthDefault) {
    EXPECT_EQ(Point().x, *DefaultSLength);
    EXPECT_EQ(Point().y, *DefaultSLength);
    Transform const unread;
    for (TXmlAttribute<SLength> const* length : {&unread.tx, &unread.ty, &unread.cx, &unread.cy}) {
        EXPECT_EQ(*length, DefaultSLength);
    }
    Transform const rotate = Transform::readTransform(u"rotate(30)");
    EXPECT_EQ(rotate.cx, DefaultSLength);
    EXPECT_EQ(rotate.cy, DefaultSLength);
    TXmlAttribute<Core::Vector<PathDataCommand>> path(DefaultPathData);
    ASSERT_TRUE(path.parseValue(u"M 1 2"));
    ASSERT_EQ(path->size(), 1);
    EXPECT_EQ((*path)[0].x1, *DefaultSLength);
    EXPECT_EQ((*path)[0].rx, *DefaultSLength);
    EXPECT_TRUE(DefaultPathData->empty());
}

} // namespace
} // namespace Xml
