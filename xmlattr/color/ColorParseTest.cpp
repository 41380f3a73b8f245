// The colour attribute: each notation's accept and reject rules, the warnings, the writer's
// exact patterns and the identity of colour objects.
#include "xmlattr/color/ColorParse.h"

#include "testing/Corpus.h"
#include "testing/LogCapture.h"
#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace Xml {
namespace {

using ColorAttribute = TXmlAttribute<SmartPtr<Drawing::Color>>;
using xmlattr_testing::LogCapture;

constexpr int kNoWarning = 0;

struct Row {
    char16_t const* text;
    bool accepted;
    char const* written; // the colour read, in its written form
    int warning = kNoWarning;
};

// The message numbered `id` with its "{0}" filled by hand.
std::string message(int id, std::string const& argument) {
    std::string pattern = Core::String::loadString(id).toUtf8();
    std::size_t const slot = pattern.find("{0}");
    return slot == std::string::npos ? pattern : pattern.replace(slot, 3, argument);
}

// Each row through the attribute's dispatch, starting from a colour the row must not
// disturb when it is rejected. An accepted colour must also read back from its written form.
void checkRows(std::span<Row const> rows) {
    SmartPtr<Drawing::Color> const sentinel(new Drawing::RGBColor(1, 2, 3));
    for (Row const& row : rows) {
        std::string const text = Core::String(row.text).toUtf8();
        SCOPED_TRACE(text);
        ColorAttribute attr(sentinel);
        LogCapture log;
        ASSERT_EQ(attr.parseValue(row.text), row.accepted);
        if (row.warning == kNoWarning) {
            EXPECT_TRUE(log.entries().empty());
        } else {
            ASSERT_EQ(log.entries().size(), 1u);
            EXPECT_EQ(log.entries()[0].level, Core::Log::Warning);
            // Only the spot colour without substitute names the spot colour alone.
            std::string const argument =
                row.warning == 30001 ? text.substr(11, text.find_first_of(",)") - 11) : text;
            EXPECT_EQ(log.entries()[0].message, message(row.warning, argument));
        }
        if (!row.accepted) {
            EXPECT_EQ(attr.getValue(), sentinel);
            continue;
        }
        EXPECT_NE(attr.getValue(), sentinel);
        Core::String const written = attr.getValueAsString();
        EXPECT_EQ(written.toUtf8(), row.written);
        ColorAttribute again;
        ASSERT_TRUE(again.parseValue(written));
        EXPECT_EQ(again.getValueAsString(), written);
    }
}

TEST(ColorParse, Dispatch) {
    // The beginning of the text alone chooses the reader, which does not look at the name.
    Row const rows[] = {
        {u"rgbx(1,2,3)", true, "rgb(1,2,3)"},
        {u"cmyka(0,0,0,1)", true, "cmyk(0,0,0,1)"},
        {u"rgb-iccx(1,2,3,#P,0.5)", true, "rgb-icc(1,2,3,#P,0.5)"},
        {u"rgb-icc", false, "", 30002},
        {u"spot-colors(Cyan)", true, "spot-color(Cyan,1,cmyk(1,0,0,0))"},
        {u"spot-colour(Cyan)", false, ""},    // not the prefix: a keyword
        {u"rgb-ic(1,2,3,#P,0.5)", false, ""}, // the rgb reader: "#P" is no component
        {u"RGB(1,2,3)", false, ""},           // no prefix is matched without regard to case
        {u" rgb(1,2,3)", false, ""},          // nor after a blank: both go to the keywords
        {u" #fff", false, ""},
        {u"", false, ""},
    };
    checkRows(rows);
}

TEST(ColorParse, Hexadecimal) {
    Row const rows[] = {
        {u"#f80", true, "rgb(255,136,0)"},
        {u"#FF8800", true, "rgb(255,136,0)"},
        {u"#0a1B2c", true, "rgb(10,27,44)"},
        {u"#000", true, "rgb(0,0,0)"},
        {u"#fff", true, "rgb(255,255,255)"},
        {u"#ff880", false, ""},
        {u"#ff8800ff", false, ""},
        {u"#ff88", false, ""},
        {u"#", false, ""},
        {u"#ff 000", false, ""},
        {u"#1%2345", false, ""},
        {u"#+f0", false, ""},
        {u"#-f0", false, ""},
        {u"#0x1234", false, ""},
        {u"#gg0000", false, ""},
        {u"#ff000 ", false, ""},
        {u"#\uff10\uff10\uff10", false, ""}, // full-width digits are no hexadecimal digits
    };
    checkRows(rows);
}

TEST(ColorParse, FunctionalRgb) {
    Row const rows[] = {
        {u"rgb(255,0,0)", true, "rgb(255,0,0)"},
        {u"rgb( 1 ,\t2 , 3\n)", true, "rgb(1,2,3)"},
        {u"rgb(+1,-0,007)", true, "rgb(1,0,7)"},
        {u"rgb(1,2,3) and more", true, "rgb(1,2,3)"},
        // Out of range components are clamped, not wrapped.
        {u"rgb(300,0,0)", true, "rgb(255,0,0)"},
        {u"rgb(-1,256,2147483647)", true, "rgb(0,255,255)"},
        // A percentage is scaled by 255/100 and truncated, decimals allowed.
        {u"rgb(100%,50%,0%)", true, "rgb(255,127,0)"},
        {u"rgb(18.039216%,20.392157%,21.176471%)", true, "rgb(46,52,54)"},
        {u"rgb(0.5%,.4%,1e1%)", true, "rgb(1,1,25)"},
        {u"rgb(150%,-5%,99999999999%)", true, "rgb(255,0,255)"},
        {u"rgb(127.5,0,0)", false, ""}, // without "%" a component is an integer
        {u"rgb(1e2,0,0)", false, ""},
        {u"rgb(2147483648,0,0)", false, ""},
        {u"rgb(1,2,3,4)", false, ""},
        {u"rgb(1,2,3", false, ""},
        {u"rgb 1,2,3", false, ""},
        {u"rgb(1,2)", false, ""},
        {u"rgb(1,,3)", false, ""},
        {u"rgb(,1,2,3)", false, ""},
        {u"rgb(5 %,0,0)", false, ""},
        {u"rgb(5%%,0,0)", false, ""},
        {u"rgb(1 2,3,4)", false, ""},
        {u"rgb(a,0,0)", false, ""},
        {u"rgb(%,0,0)", false, ""},
        {u"rgb(", false, ""},
        {u"rgb", false, ""},
    };
    checkRows(rows);
}

TEST(ColorParse, FunctionalCmyk) {
    Row const rows[] = {
        {u"cmyk(0,0.5,1,0)", true, "cmyk(0,0.5,1,0)"},
        {u"cmyk(0%,50%,100%,0%)", true, "cmyk(0,0.5,1,0)"},
        // Read in single precision, each component writes back as it was written.
        {u"cmyk(0.1,0.2,0.3,0.7)", true, "cmyk(0.1,0.2,0.3,0.7)"},
        {u"cmyk( 0 , 0 , 0 , 1 ) and more", true, "cmyk(0,0,0,1)"},
        {u"cmyk(50% ,0,0,0)", true, "cmyk(0.5,0,0,0)"},   // a blank after "%" keeps it a percentage
        {u"cmyk(2,-1,150%,0)", true, "cmyk(2,-1,1.5,0)"}, // not clamped
        {u"cmyk(1e-50,-0,0,0)", true, "cmyk(0,-0,0,0)"},
        {u"cmyk(1e39,0,0,0)", false, ""},
        {u"cmyk(0,1,0)", false, ""},
        {u"cmyk(0,0,0,0,0)", false, ""},
        {u"cmyk(0,0,0,0", false, ""},
        {u"cmyk 0,0,0,0", false, ""},
        {u"cmyk(0,,0,0)", false, ""},
        {u"cmyk(0 %,0,0,0)", false, ""},
        {u"cmyk(0,0,0,1x)", false, ""},
        {u"cmyk(", false, ""},
    };
    checkRows(rows);
}

TEST(ColorParse, IccColour) {
    Row const rows[] = {
        {u"rgb-icc(255,0,0,#Coated,0.1,0.2,0.3,0.4)", true,
         "rgb-icc(255,0,0,#Coated,0.1, 0.2, 0.3, 0.4)"},
        {u"rgb-icc(0,0,255,#P,0.1,0.2,0.3)", true, "rgb-icc(0,0,255,#P,0.1, 0.2, 0.3)"},
        {u"rgb-icc(1,2,3,#P,0.5)", true, "rgb-icc(1,2,3,#P,0.5)"},
        {u"rgb-icc(1,2,3,#P,0.5,0.6)", true, "rgb-icc(1,2,3,#P,0.5)"}, // two count as one
        {u"rgb-icc(1,2,3,#P,1,2,3,4,5)", true, "rgb-icc(1,2,3,#P,1, 2, 3, 4)"},
        {u"rgb-icc( 1 , 2 , 3 , #P , 0.5 , 0.25 , 1 )", true, "rgb-icc(1,2,3,#P,0.5, 0.25, 1)"},
        {u"rgb-icc(1,2,3,#P,1) ,5", true, "rgb-icc(1,2,3,#P,1)"},
        {u"rgb-icc(1,2,3,#P,abc)", true, "rgb-icc(1,2,3,#P,0)"}, // components read leniently
        {u"rgb-icc(1,2,3,#P,2x)", true, "rgb-icc(1,2,3,#P,2)"},
        {u"rgb-icc(1,2,3,#,1)", true, "rgb-icc(1,2,3,#,1)"},
        // Fallbacks: percentages scaled in integers, then clamped rather than wrapped.
        {u"rgb-icc(100%,50%,0,#P,0.5)", true, "rgb-icc(255,127,0,#P,0.5)"},
        {u"rgb-icc(300,-1,2147483647%,#P,1)", true, "rgb-icc(255,0,255,#P,1)"},
        {u"rgb-icc(x,0,0,#P,1)", false, ""}, // an unreadable fallback is rejected silently
        {u"rgb-icc(1.5,0,0,#P,1)", false, ""},
        {u"rgb-icc(12.5%,0,0,#P,1)", false, ""},
        {u"rgb-icc(255,0,0,Coated,1)", false, "", 30002},
        {u"rgb-icc(255,0,0,#Coated)", false, "", 30002},
        {u"rgb-icc(255,0,,#P,1)", false, "", 30002},
        {u"rgb-icc(1,2,3,#P,,0.5)", false, "", 30002},
        {u"rgb-icc(1,2,3,#P,0.5", false, "", 30002},
        {u"rgb-icc(1,2,3)", false, "", 30002},
        {u"rgb-icc()", false, "", 30002},
        {u"rgb-icc(", false, "", 30002},
    };
    checkRows(rows);
}

TEST(ColorParse, SpotColour) {
    Row const rows[] = {
        {u"spot-color(Gold,0.5,cmyk(0,0.2,1,0))", true, "spot-color(Gold,0.5,cmyk(0,0.2,1,0))"},
        {u"spot-color(Gold,cmyk(0,0.2,1,0))", true, "spot-color(Gold,1,cmyk(0,0.2,1,0))"},
        {u"spot-color(Gold,rgb(255,128,0))", true, "spot-color(Gold,1,rgb(255,128,0))"},
        {u"spot-color(Gold, 0.5, cmyk(0, 0.2, 1, 0))", true,
         "spot-color(Gold,0.5,cmyk(0,0.2,1,0))"},
        {u"spot-color(Cyan)", true, "spot-color(Cyan,1,cmyk(1,0,0,0))"},
        {u"spot-color(Cyan,0.3,bogus(1))", true, "spot-color(Cyan,0.3,cmyk(1,0,0,0))"},
        {u"spot-color(Cyan,0.3,cmyk(0,0,0,2))", true, "spot-color(Cyan,0.3,cmyk(1,0,0,0))"},
        // Names the mapper does not know are kept with black, and a warning names them.
        {u"spot-color(Gold)", true, "spot-color(Gold,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,0.5)", true, "spot-color(Gold,0.5,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,abc)", true, "spot-color(Gold,0,rgb(0,0,0))", 30001},
        {u"spot-color( Cyan)", true, "spot-color( Cyan,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,,cmyk(0,0,0,1))", true, "spot-color(Gold,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,0.5,cmyk(0,0.2,1,0)", true, "spot-color(Gold,0.5,rgb(0,0,0))", 30001},
        {u"spot-color()", true, "spot-color(,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold", false, "", 30000},
        {u"spot-color(Gold,", false, "", 30000},
        {u"spot-color(Gold,0.5", false, "", 30000},
        {u"spot-color(Gold,0.5,", false, "", 30000},
        {u"spot-color(Gold)x", false, "", 30000},
        {u"spot-color(", false, "", 30000},
        {u"spot-color", false, "", 30000},
    };
    checkRows(rows);
}

TEST(ColorParse, ReadersStoreOnlyWhatTheyAccept) {
    SmartPtr<Drawing::Color> const sentinel(new Drawing::RGBColor(1, 2, 3));
    ColorAttribute attr(sentinel);
    EXPECT_FALSE(ColorParse::parseHexaColor(u"red", &attr));
    EXPECT_FALSE(ColorParse::parseColorName(u"#f00", &attr));
    EXPECT_FALSE(ColorParse::parseCMYKString(u"rgb(1,2,3)", &attr));
    EXPECT_EQ(attr.getValue(), sentinel);
    // Each reader looks only for its parentheses and separators.
    ASSERT_TRUE(ColorParse::parseRGB(u"f(1,2,3)", &attr));
    EXPECT_EQ(attr.getValueAsString(), Core::String(u"rgb(1,2,3)"));
    ASSERT_TRUE(ColorParse::parseCMYKString(u"(0,0,0,1)", &attr));
    EXPECT_EQ(attr.getValueAsString(), Core::String(u"cmyk(0,0,0,1)"));
    ASSERT_TRUE(ColorParse::parseICCColor(u"x(1,2,3,#P,1)", &attr));
    EXPECT_EQ(attr.getValueAsString(), Core::String(u"rgb-icc(1,2,3,#P,1)"));
    ASSERT_TRUE(ColorParse::parseSpotColor(u"(Cyan)", &attr));
    EXPECT_EQ(attr.getValueAsString(), Core::String(u"spot-color(Cyan,1,cmyk(1,0,0,0))"));
}

// A colour class the writer does not know.
class OtherColor final : public Drawing::Color {
public:
    SmartPtr<Drawing::ColorSpace> getColorSpace() const override { return {}; }
    SmartPtr<Drawing::Color> clone() const override {
        return SmartPtr<Drawing::Color>(new OtherColor);
    }
    SmartPtr<Drawing::Color> toRGB() const override { return clone(); }
};

SmartPtr<Drawing::Color> iccColor(int count, char16_t const* profile = u"Coated") {
    float const components[4] = {0.25f, 0.5f, 0.75f, 0.1f};
    SmartPtr<Drawing::ICCColorSpace> space;
    if (profile != nullptr) {
        space = SmartPtr<Drawing::ICCColorSpace>(new Drawing::ICCColorSpace(profile));
    }
    SmartPtr<Drawing::ICCColor> const icc(new Drawing::ICCColor(count, components, space));
    icc->setFallBack(10, 20, 30);
    return icc;
}

TEST(ColorParse, WriterPatterns) {
    using Drawing::CMYKColor;
    using Drawing::RGBColor;
    using Drawing::SpotColor;
    struct WriterRow {
        SmartPtr<Drawing::Color> color;
        char const* written;
    };
    WriterRow const rows[] = {
        {SmartPtr<Drawing::Color>(), ""},
        {SmartPtr<Drawing::Color>(new RGBColor(255, 0, 128)), "rgb(255,0,128)"},
        {SmartPtr<Drawing::Color>(new CMYKColor(0, 0.5, 1, 0.1)), "cmyk(0,0.5,1,0.1)"},
        {SmartPtr<Drawing::Color>(new CMYKColor(1.0 / 3, 0, 0, 0)),
         "cmyk(0.3333333333333333,0,0,0)"},
        {iccColor(1), "rgb-icc(10,20,30,#Coated,0.25)"},
        {iccColor(3), "rgb-icc(10,20,30,#Coated,0.25, 0.5, 0.75)"},
        {iccColor(4), "rgb-icc(10,20,30,#Coated,0.25, 0.5, 0.75, 0.1)"},
        {iccColor(0), ""},
        {iccColor(2), ""},
        {iccColor(5), ""},
        {SmartPtr<Drawing::Color>(new SpotColor(u"Gold", 0.5f, 0.0f, 0.2f, 1.0f, 0.0f)),
         "spot-color(Gold,0.5,cmyk(0,0.2,1,0))"},
        {SmartPtr<Drawing::Color>(
             new SpotColor(u"Gold", 0.25f, std::uint8_t{255}, std::uint8_t{128}, std::uint8_t{0})),
         "spot-color(Gold,0.25,rgb(255,128,0))"},
        {SmartPtr<Drawing::Color>(new OtherColor), ""},
    };
    for (WriterRow const& row : rows) {
        SCOPED_TRACE(row.written);
        EXPECT_EQ(ColorParse::getColorAsString(row.color).toUtf8(), row.written);
        EXPECT_EQ(ColorAttribute(row.color).getValueAsString().toUtf8(), row.written);
    }
}

TEST(ColorParse, IccColourWithoutSpaceThrows) {
    LogCapture log;
    EXPECT_THROW((void)ColorParse::getColorAsString(iccColor(1, nullptr)),
                 Core::NullPointerException);
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].level, Core::Log::Error);
}

TEST(ColorParse, AttributesCompareColourObjects) {
    ColorAttribute red1;
    ColorAttribute red2;
    ASSERT_TRUE(red1.parseValue(u"red"));
    ASSERT_TRUE(red2.parseValue(u"red"));
    EXPECT_NE(red1, red2); // equal values, two objects
    EXPECT_TRUE(red1 != red2.getValue());

    ColorAttribute copy(red1);
    EXPECT_EQ(copy, red1);
    EXPECT_EQ(red1.getValue()->getRefCount(), 2);
    ColorAttribute assigned;
    assigned.copyFrom(red2);
    EXPECT_EQ(assigned, red2);
    assigned.copyFrom(assigned);
    EXPECT_EQ(assigned, red2);
    EXPECT_EQ(red2.getValue()->getRefCount(), 2);

    EXPECT_EQ(ColorAttribute(), ColorAttribute());
    ColorAttribute none(red1);
    ASSERT_TRUE(none.parseValue(u"none"));
    EXPECT_EQ(none, ColorAttribute());
    EXPECT_EQ(red1.getValue()->getRefCount(), 2); // the parse released the colour it replaced
}

TEST(ColorParse, CorpusColoursAreReadWithoutTextAllocation) {
    auto rows = xmlattr_testing::corpusValues(
        "fo-attributes.tsv",
        {"color", "background-color", "border-color", "border-before-color", "border-after-color",
         "border-start-color", "border-end-color", "border-top-color", "border-bottom-color",
         "border-left-color", "border-right-color"});
    auto const svg = xmlattr_testing::corpusValues(
        "svg-attributes.tsv", {"fill", "stroke", "stop-color", "color", "flood-color"});
    rows.insert(rows.end(), svg.begin(), svg.end());
    ASSERT_GT(rows.size(), 80u);
    auto const before = Core::Allocator::allocations();
    for (auto const& row : rows) {
        SCOPED_TRACE(row.value.toUtf8());
        ColorAttribute attr;
        EXPECT_TRUE(attr.parseValue(row.value));
    }
    EXPECT_EQ(Core::Allocator::allocations(), before);
}

} // namespace
} // namespace Xml
