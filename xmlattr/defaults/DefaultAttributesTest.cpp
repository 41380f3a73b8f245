// The default attributes: each one's value and text, and what copying one gives.
#include "xmlattr/defaults/DefaultAttributes.h"
#include "xmlattr/defaults/DefaultList.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <type_traits>
#include <vector>

namespace Xml {
namespace {

/// Checks that the default and every copy of it hold `expected` (a test of the value, or what
/// the value equals: a keyword by its number, whatever its enumerator is called) and write
/// `text`; returns the default.
template <class T, class Expected>
XmlAttribute const* check(char const* name, TXmlAttribute<T> const& attribute,
                          Expected const& expected, char16_t const* text = u"") {
    SCOPED_TRACE(name);
    // Every way the template copies: from the attribute or its value, assignment, `copyFrom`.
    TXmlAttribute<T> constructed(attribute), fromValue(*attribute), assigned, copied;
    assigned = attribute;
    static_cast<XmlAttribute&>(copied).copyFrom(attribute);
    TXmlAttribute<T> const* const all[] = {&attribute, &constructed, &fromValue, &assigned,
                                           &copied};
    for (TXmlAttribute<T> const* copy : all) {
        if constexpr (std::is_invocable_v<Expected const&, T const&>) {
            EXPECT_TRUE(expected(**copy));
        } else {
            EXPECT_TRUE(**copy == static_cast<T>(expected));
        }
        EXPECT_EQ(writeDefault(*copy), Core::String(text));
    }
    return &attribute;
}
#define ROW(name, ...) check(#name, name, __VA_ARGS__)

constexpr Length pt(float size) { return Length(size, Length::UnitPt); }
constexpr Length px(float size) { return Length(size, Length::UnitPx); }
auto const isBlack = [](SmartPtr<Drawing::Color> const& color) {
    SmartPtr<Drawing::RGBColor> const rgb = color.dynamicCast<Drawing::RGBColor>();
    return rgb && rgb->getR() == 0 && rgb->getG() == 0 && rgb->getB() == 0;
};
auto const empty = [](auto const& list) { return list.empty(); };
/// A paint of `type` with no reference, holding black or no colour.
auto paint(SColor::ColorType type, bool black) {
    return [=](SColor const& v) {
        return v.getType() == type && (black ? isBlack(v.getColor()) : !v.getColor()) &&
               v.getUrl().empty();
    };
}
/// A flag-and-measure value left as its default constructor builds it.
template <class Measure> auto autoMeasure() {
    return [](Measure v) { return v.isAuto() && v.getLengthOrPercent() == LengthOrPercent(px(0)); };
}

// Every default with its value and its text, in the order of the list.
// clang-format off
std::vector<XmlAttribute const*> checkEachDefault() {
    return {
        // Formatting-object keywords.
        ROW(DefaultSpanAttribute, 0, u"none"), ROW(DefaultLineStackingStrategy, 2, u"max-height"), ROW(DefaultLineHeightShiftAdjustment, 0, u"consider-shifts"),
        ROW(DefaultTextAlign, 0, u"left"), ROW(DefaultDisplayAlign, 0, u"before"), ROW(DefaultTextDirection, 0), ROW(DefaultLinefeedTreatmentAttribute, 2, u"treat-as-space"),
        ROW(DefaultWhiteSpaceTreatmentAttribute, 4, u"ignore-if-surrounding-linefeed"), ROW(DefaultWrapOptionAttribute, 0, u"wrap"),
        ROW(DefaultFOVisibilityAttribute, 0, u"visible"), ROW(DefaultLeaderPattern, 0, u"space"), ROW(DefaultLeaderAlignment, 0, u"none"),
        ROW(DefaultRetrievePosition, 0, u"first-starting-within-page"), ROW(DefaultRetrieveBoundary, 1, u"page-sequence"),
        ROW(DefaultRetrievePositionWithinTable, 0, u"first-starting"), ROW(DefaultRetrieveBoundaryWithinTable, 0), ROW(DefaultParity, 2),
        ROW(DefaultPagePosition, 3), ROW(DefaultBlankOrNotBlank, 2), ROW(DefaultBreak, 0, u"auto"), ROW(DefaultForcePageCount, 0), ROW(DefaultKeep, 0, u"auto"),
        ROW(DefaultFootnoteRestartRule, 0), ROW(DefaultReferenceOrientation, 0, u"0"), ROW(DefaultAbsolutePosition, 0, u"auto"),
        ROW(DefaultRelativePosition, 0, u"static"), ROW(DefaultOverflow, 0, u"visible"), ROW(DefaultFloatPositionAttribute, 0, u"left"),
        ROW(DefaultAnchorXAttribute, 0), ROW(DefaultAnchorYAttribute, 0), ROW(DefaultPositionXAttribute, 0), ROW(DefaultPositionYAttribute, 0),
        ROW(DefaultBackgroundRepeat, 0, u"repeat"), ROW(DefaultScaling, 0, u"uniform"), ROW(DefaultTableLayout, 0, u"auto"), ROW(DefaultAFPEncoding, 0),
        ROW(DefaultFOLightingSchemeAttribute, 0),
        // Graphics, font, border, barcode, form, chart and output keywords.
        ROW(DefaultBarcodeType, 0), ROW(DefaultDMEncoding, 5), ROW(DefaultDMFormat, -1), ROW(DefaultCode128CodeSet, 1), ROW(DefaultBorderStyle, 0, u"none"),
        ROW(DefaultLeaderRuleStyle, 7, u"solid"), ROW(DefaultBorderCollapse, 0, u"collapse"), ROW(DefaultFontWeight, 0, u"normal"),
        ROW(DefaultFontStyle, 0, u"normal"), ROW(DefaultFontVariant, 0), ROW(DefaultTextLineStyle, 0, u"none"), ROW(DefaultFormControlTypeAttribute, 4),
        ROW(DefaultFormActionTypeAttribute, 0), ROW(DefaultFormTriggerActionAttribute, 0), ROW(DefaultSTextAnchor, 1), ROW(DefaultSLineCap, 0),
        ROW(DefaultSLineJoin, 0), ROW(DefaultSVisibility, 1), ROW(DefaultSDisplay, 0), ROW(DefaultSGradientUnits, 0), ROW(DefaultSGradientSpreadMethod, 0),
        ROW(DefaultPDFConformance, 0), ROW(DefaultChartType, 1), ROW(DefaultLabelType, 1), ROW(DefaultSliceOrientation, 1), ROW(DefaultAxisPosition, 1),
        ROW(DefaultAxisOrientation, 0), ROW(DefaultAxisIntersection, 2), ROW(DefaultTickStyle, 2), ROW(DefaultSerieGrouping, 0), ROW(DefaultDisplayValPlacement, 2),
        // Numbers.
        ROW(DefaultDotSize, 4, u"4"), ROW(DefaultBarColumnCount, 1, u"1"), ROW(DefaultBarRowCount, 3, u"3"), ROW(DefaultColumnCount, 1, u"1"),
        ROW(DefaultHyphenationCharCount, 2, u"2"), ROW(DefaultWidowsAndOrphans, 2, u"2"),
        ROW(DefaultMinFloat, -2147483648.0f, u"-2147483648"), ROW(DefaultMaxFloat, 2147483648.0f, u"2147483648"),
        // Formatting-object lengths and measures; a bare fraction is a percentage.
        ROW(DefaultLength, px(0), u"0px"), ROW(DefaultBorderLength, pt(1.5f), u"1.5pt"), ROW(DefaultRuleThickness, pt(1), u"1pt"),
        ROW(DefaultTabStopLength, Length(0.5f, Length::UnitIn), u"0.5in"), ROW(DefaultBarUnit, pt(1), u"1pt"), ROW(DefaultDLength, DLength(px(0), px(0))),
        ROW(DefaultLengthOrPercent, px(0), u"0px"), ROW(DefaultFloatLengthOrPercent, -1.0f, u"-100%"), ROW(DefaultOneHundredPercent, 1.0f, u"100%"),
        ROW(DefaultProvisionalLabelSeparation, pt(6), u"6pt"), ROW(DefaultProvisionalDistanceBetweenStarts, pt(24), u"24pt"),
        ROW(DefaultLeaderLength, pt(12), u"12pt"), ROW(DefaultLineHeight, 1.2f, u"120%"),
        ROW(DefaultContentLength, [](ContentLength const& v) { return v.getScaleMode() == 0 && v.isNull() && v.getLength() == LengthOrPercent(px(0)); }, u"auto"),
        ROW(DefaultColumnWidth, autoMeasure<ColumnWidth>()), ROW(DefaultTableWidth, autoMeasure<TableWidth>()), ROW(DefaultMargin, autoMeasure<Margin>()),
        ROW(DefaultLengthOrPercentAuto, autoMeasure<LengthOrPercentAuto>(), u"auto"),
        ROW(DefaultLeaderPatternWidth, [](LeaderPatternWidth const& v) { return v == LeaderPatternWidth() && v != LeaderPatternWidth(LengthOrPercent()); }),
        ROW(DefaultFloatOrPercent, [](FloatOrPercent const& v) { return v.getValue() == 1.0f; }), ROW(DefaultBorderWidth, BorderWidth(1.5f, Length::UnitPt), u"1.5pt"),
        ROW(DefaultFontSize, FontSize(LengthOrPercent(pt(10))), u"10pt"), ROW(DefaultIndent, IndentNone),
        ROW(DefaultLetterSpacing, [](LetterSpacing const& v) { return v.isNormal() && v.getLength() == px(0); }, u"normal"), ROW(DefaultAlignmentBaseline, 0, u"auto"),
        ROW(DefaultAlignmentAdjust, AlignmentBaselineAuto, u"auto"), ROW(DefaultBaselineShift, BaselineShiftBaseline, u"baseline"), ROW(DefaultTabStopType, 0),
        ROW(DefaultPageDimension, PageDimensionAuto),
        ROW(DefaultBackgroundPosition, [](BackgroundPosition const& v) { return !v.isPercent() && v.getLength() == px(0); }, u"0px"),
        ROW(DefaultBackgroundSize, [](BackgroundSize const& v) { return v.getType() == 2 && !v.isPercent() && v.getLength() == px(0); }, u"auto"),
        ROW(DefaultInitialPageNumber, InitialPageNumberAuto), ROW(DefaultInitialSheetNumber, InitialSheetNumberAuto),
        // SVG lengths, spacing and decoration.
        ROW(DefaultSLength, SLength(0.0f)), ROW(DefaultMiterlimit, SLength(4.0f)), ROW(DefaultStrokeWidth, SLength(1.0f)),
        ROW(DefaultSNullableLength, [](SNullableLength const& v) { return v.isNull() && v == SLength(); }),
        ROW(DefaultSLengthOrPercent, SLengthOrPercent(0, SLength::UnitPx)), ROW(DefaultSOneHundredPercent, 1.0f),
        ROW(DefaultSFontSize, SLengthOrPercent(10, SLength::UnitPt)), ROW(DefaultSDashPattern, empty), ROW(DefaultSBaselineShift, BaselineShiftBaseline),
        ROW(DefaultSSpacing, [](SSpacing const& v) { return v.getType() == 0 && v.getSLength() == SLength(); }),
        ROW(DefaultSTextDecoration, STextDecoration(false, false, false)),
        // Colours and paint.
        ROW(DefaultBackgroundColor, nullptr), ROW(DefaultStrokeColor, nullptr), ROW(DefaultGradientStopColor, nullptr),
        ROW(DefaultBorderColor, isBlack, u"rgb(0,0,0)"), ROW(DefaultFillColor, isBlack, u"rgb(0,0,0)"), ROW(DefaultSColor, paint(SColor::NoPaint, false)),
        ROW(DefaultSStrokeColor, paint(SColor::NoPaint, false)), ROW(DefaultSFillColor, paint(SColor::ColorPaint, true)),
        ROW(DefaultSNullableStrokeColor, [](SNullableColor const& v) { return v.isNull() && paint(SColor::NoPaint, false)(v); }),
        ROW(DefaultSNullableFillColor, [](SNullableColor const& v) { return v.isNull() && paint(SColor::ColorPaint, true)(v); }),
        ROW(DefaultBoxShadow, [](BoxShadow const& v) { return v.getDx() == px(0) && v.getDy() == px(0) && v.getBlurRadius() == px(0) && !v.getColor(); }, u"0px 0px 0px "),
        // Text, reference and language.
        ROW(DefaultFontFamily, u"Times", u"Times"), ROW(DefaultHyphenationCharacter, u"-", u"-"), ROW(DefaultNumberFormat, u"1", u"1"),
        ROW(DefaultUrl, [](Url const& v) { return v.getUrl().empty(); }, u"url()"),
        ROW(DefaultLanguage, [](Language const& v) { return v.getLanguageId() == 0 && v.getCountryId() == 0; }),
        // SVG geometry.
        ROW(DefaultPathData, empty), ROW(DefaultPointList, empty), ROW(DefaultTransformList, empty),
        ROW(DefaultViewBox, ViewBox(SLengthOrPercent(0.0f), SLengthOrPercent(0.0f), SLengthOrPercent(1.0f), SLengthOrPercent(1.0f))),
        ROW(DefaultSPreserveAspectRatio, 146),
        // Chart lengths and values.
        ROW(DefaultAspect3DDepth, px(15), u"15px"), ROW(DefaultAspect3DShading, px(0.5f), u"0.5px"), ROW(DefaultCaptionOffset, px(5), u"5px"),
        ROW(DefaultTickLength, px(5), u"5px"), ROW(DefaultAspect3DChartDepth, px(5), u"5px"), ROW(DefaultAspect3DSceneDepth, px(14), u"14px"),
        ROW(DefaultWidthLength, px(10), u"10px"), ROW(DefaultAxisUnits, [](AxisUnits const& v) { return v.type == AxisUnits::Auto && v.numericVal == 0.0f; }),
        ROW(DefaultMinValue, [](Value const& v) { return v.type == ValueFloat && v.floatValue == -2147483648.0f && v.ordinal == -1 && v.stringValue.empty(); }),
        ROW(DefaultMaxValue, [](Value const& v) { return v.type == ValueFloat && v.floatValue == 2147483648.0f && v.ordinal == -1 && v.stringValue.empty(); }),
        ROW(DefaultValue, [](Value const& v) { return v.type == ValueNone && v.ordinal == -1 && v.stringValue.empty(); }),
    };
}
// clang-format on

// The list compiled into callers names each default once, with its own object; its names
// cannot drift from the objects, since one macro writes both.
TEST(DefaultAttributes, EachHoldsItsValueAndWritesItsTextAsEveryCopyDoes) {
    std::vector<XmlAttribute const*> const checked = checkEachDefault();
    std::span<DefaultEntry const> const list = defaultAttributes();
    ASSERT_EQ(checked.size(), 152u);
    ASSERT_EQ(list.size(), checked.size());
    std::set<XmlAttribute const*> objects;
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_TRUE(objects.insert(list[i].attribute).second) << Core::String(list[i].name);
        EXPECT_EQ(list[i].attribute, checked[i]) << Core::String(list[i].name);
    }
}

TEST(DefaultAttributes, TheTwoBlackColoursAreDistinctObjectsThatCopiesShare) {
    Drawing::Color* const border = DefaultBorderColor->get();
    EXPECT_NE(border, DefaultFillColor->get());
    EXPECT_NE(DefaultSFillColor->getColor().get(), border);
    EXPECT_NE(DefaultSNullableFillColor->getColor().get(), DefaultSFillColor->getColor().get());
    TXmlAttribute<SmartPtr<Drawing::Color>> const copy(DefaultBorderColor);
    EXPECT_EQ(border->getRefCount(), 2);
}

// The geometry starts every length it makes from the SVG length default.
TEST(DefaultAttributes, GeometryStartsFromTheSvgLengthDefault) {
    Transform const unread, rotate = Transform::readTransform(u"rotate(30)");
    TXmlAttribute<Core::Vector<PathDataCommand>> path(DefaultPathData);
    ASSERT_TRUE(path.parseValue(u"M 1 2") && path->size() == 1);
    for (SLength const& length :
         {Point().x, Point().y, *unread.tx, *unread.ty, *unread.cx, *unread.cy, *rotate.cx,
          *rotate.cy, (*path)[0].x1, (*path)[0].rx}) {
        EXPECT_EQ(length, *DefaultSLength);
    }
    EXPECT_TRUE(DefaultPathData->empty()); // the copy read the path, not the default
}

} // namespace
} // namespace Xml
