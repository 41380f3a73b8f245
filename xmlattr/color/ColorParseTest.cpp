// The colour attribute: each notation's accept and reject rules, the warnings, the writer's
// exact patterns and the identity of colour objects.
#include "xmlattr/color/ColorParse.h"

#include "testing/Corpus.h"
#include "testing/LogCapture.h"
#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace Xml {
namespace {

using namespace std::string_literals;

using ColorAttribute = TXmlAttribute<SmartPtr<Drawing::Color>>;
using xmlattr_testing::LogCapture;

struct ColorRow {
    std::u16string text;
    char16_t const* written = nullptr; // the colour read, in its written form; null: rejected
    int warning = 0;                   // the message logged, if any
};

// The message numbered `id` with its "{0}" filled by hand: the whole text, or the name alone
// for a spot colour without substitute.
std::string message(int id, std::string const& text) {
    std::string pattern = Core::String::loadString(id).toUtf8();
    return pattern.replace(pattern.find("{0}"), 3,
                           id == 30001 ? text.substr(11, text.find_first_of(",)") - 11) : text);
}

// Each text through the attribute's dispatch. An accepted colour writes as the row says and,
// when `readBack`, reads back from that text; a rejected text leaves the colour held before.
void checkNotation(std::initializer_list<ColorRow> rows, bool readBack = true) {
    SmartPtr<Drawing::Color> const sentinel(new Drawing::RGBColor(1, 2, 3));
    for (ColorRow const& row : rows) {
        Core::String const text{std::u16string_view(row.text)};
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 40)).toUtf8());
        ColorAttribute attr(sentinel);
        LogCapture log;
        ASSERT_EQ(attr.parseValue(text), row.written != nullptr);
        ASSERT_EQ(log.entries().size(), row.warning == 0 ? 0u : 1u);
        if (row.warning != 0) {
            EXPECT_EQ(log.entries()[0].level, Core::Log::Warning);
            EXPECT_EQ(log.entries()[0].message, message(row.warning, text.toUtf8()));
        }
        if (row.written == nullptr) {
            EXPECT_EQ(attr.getValue(), sentinel);
            continue;
        }
        Core::String const written = attr.getValueAsString();
        EXPECT_EQ(written, Core::String(row.written));
        ColorAttribute again;
        if (readBack && !written.empty()) {
            ASSERT_TRUE(again.parseValue(written));
            EXPECT_EQ(again.getValueAsString(), written);
        }
    }
}

// clang-format off
TEST(ColorParse, Notations) {
    checkNotation({
        // Dispatch: the text's beginning alone chooses the reader, which does not look at the
        // name again; anything else, a blank or capitals in front included, goes to the keywords.
        {u"rgbx(1,2,3)", u"rgb(1,2,3)"}, {u"cmyka(0,0,0,1)", u"cmyk(0,0,0,1)"},
        {u"rgb-iccx(1,2,3,#P,0.5)", u"rgb-icc(1,2,3,#P,0.5)"},
        {u"spot-colors(Cyan)", u"spot-color(Cyan,1,cmyk(1,0,0,0))"},
        {u"rgb-ic(1,2,3,#P,0.5)"}, {u"spot-colour(Cyan)"}, {u"RGB(1,2,3)"}, {u" rgb(1,2,3)"},
        {u" #fff"},
        // Keywords, exact names only: not in other cases, with blanks, cut short or extended, from
        // a later colour list, sorting before or after every name, or with a code unit whose low
        // byte is the letter "e". The 147 names are checked in ColorKeywordsTest.
        {u"grey", u"rgb(128,128,128)"}, {u"none", u""}, {u"transparent", u""},
        {u"Red"}, {u" red"}, {u"red "}, {u"re"}, {u"redd"}, {u"grayy"}, {u""}, {u"rebeccapurple"},
        {u"aaa"}, {u"zzz"}, {u"None"}, {u"none "}, {u"Transparent"}, {u"r\u0165d"},
        {u"lightgoldenrodyellows"},
        // "#rgb" and "#rrggbb": hexadecimal digits only, in either case.
        {u"#f80", u"rgb(255,136,0)"}, {u"#FF8800", u"rgb(255,136,0)"},
        {u"#0a1B2c", u"rgb(10,27,44)"},
        {u"#ff880"}, {u"#ff8800ff"}, {u"#"}, {u"#ff 000"}, {u"#1%2345"}, {u"#+f0"}, {u"#0x1234"},
        {u"#ff000 "}, {u"#\uff10\uff10\uff10"}, // full-width digits
        // "rgb(...)": blanks around each component; what follows ")" is ignored.
        {u"rgb( 1 ,\t2 , 3\n) and more", u"rgb(1,2,3)"},
        // Out of range components are clamped, not wrapped.
        {u"rgb(300,-1,2147483647)", u"rgb(255,0,255)"},
        // A percentage is scaled by 255/100 and rounded, halves away from zero, decimals
        // allowed, then clamped; truncation would make 56.99999955 the level 56.
        {u"rgb(100%,50%,0%)", u"rgb(255,128,0)"},
        {u"rgb(22.352941%,20.392157%,21.176471%)", u"rgb(57,52,54)"},
        {u"rgb(0.5%,.4%,1e1%)", u"rgb(1,1,26)"},
        {u"rgb(0.19%,0.2%,99.8%)", u"rgb(0,1,254)"},
        {u"rgb(150%,-5%,99999999999%)", u"rgb(255,0,255)"},
        // Without "%" a component is an integer in int's range.
        {u"rgb(127.5,0,0)"}, {u"rgb(1e2,0,0)"}, {u"rgb(2147483648,0,0)"}, {u"rgb(1,2,3,4)"},
        {u"rgb(1,2,3"}, {u"rgb 1,2,3"}, {u"rgb(1,,3)"}, {u"rgb(5 %,0,0)"}, {u"rgb(5%%,0,0)"},
        {u"rgb(1 2,3,4)"}, {u"rgb(%,0,0)"}, {u"rgb("},
        // "cmyk(...)": read in single precision, each component writes back as it was written.
        {u"cmyk(0%,50%,100%,0%)", u"cmyk(0,0.5,1,0)"},
        {u"cmyk( 0.1 ,0.2,0.3,0.7) and more", u"cmyk(0.1,0.2,0.3,0.7)"},
        {u"cmyk(50% ,0,0,0)", u"cmyk(0.5,0,0,0)"},  // a blank after "%" keeps the percentage
        {u"cmyk(2,-1,150%,0)", u"cmyk(2,-1,1.5,0)"}, // not clamped
        {u"cmyk(1e39,0,0,0)"}, {u"cmyk(0,1,0)"}, {u"cmyk(0,0,0,0,0)"}, {u"cmyk(0,0,0,0"},
        {u"cmyk 0,0,0,0"}, {u"cmyk(0,,0,0)"}, {u"cmyk(0 %,0,0,0)"}, {u"cmyk(0,0,0,1x)"},
        // "rgb-icc(...)": one, three or four components, the fallback first.
        {u"rgb-icc(255,0,0,#C,0.1,0.2,0.3,0.4)", u"rgb-icc(255,0,0,#C,0.1, 0.2, 0.3, 0.4)"},
        {u"rgb-icc( 1 , 2 , 3 , #P , 0.5 , 0.25 , 1 )", u"rgb-icc(1,2,3,#P,0.5, 0.25, 1)"},
        {u"rgb-icc(1,2,3,#P,0.5,0.6)", u"rgb-icc(1,2,3,#P,0.5)"},  // two count as one
        {u"rgb-icc(1,2,3,#P,1,2,3,4,5)", u"rgb-icc(1,2,3,#P,1, 2, 3, 4)"},
        {u"rgb-icc(1,2,3,#P,1) ,5", u"rgb-icc(1,2,3,#P,1)"},
        {u"rgb-icc(1,2,3,#,abc)", u"rgb-icc(1,2,3,#,0)"},  // components are read leniently
        // Fallbacks: percentages scaled in integers, then clamped rather than wrapped.
        {u"rgb-icc(100%,50%,0,#P,0.5)", u"rgb-icc(255,127,0,#P,0.5)"},
        {u"rgb-icc(300,-1,2147483647%,#P,1)", u"rgb-icc(255,0,255,#P,1)"},
        // An unreadable fallback is rejected silently; malformed text is reported.
        {u"rgb-icc(x,0,0,#P,1)"}, {u"rgb-icc(12.5%,0,0,#P,1)"},
        {u"rgb-icc(255,0,0,P,1)", nullptr, 30002},   {u"rgb-icc(255,0,0,#P)", nullptr, 30002},
        {u"rgb-icc(255,0,,#P,1)", nullptr, 30002},   {u"rgb-icc(1,2,3,#P,,0.5)", nullptr, 30002},
        {u"rgb-icc(1,2,3,#P,0.5", nullptr, 30002},   {u"rgb-icc(1,2,3)", nullptr, 30002},
        {u"rgb-icc(", nullptr, 30002},               {u"rgb-icc", nullptr, 30002},
        // "spot-color(name[,tint][,substitute])".
        {u"spot-color(Gold,0.5,cmyk(0,0.2,1,0))", u"spot-color(Gold,0.5,cmyk(0,0.2,1,0))"},
        {u"spot-color(Gold,cmyk(0,0.2,1,0))", u"spot-color(Gold,1,cmyk(0,0.2,1,0))"},
        {u"spot-color(Gold,rgb(255,128,0))", u"spot-color(Gold,1,rgb(255,128,0))"},
        {u"spot-color(Gold, 0.5, cmyk(0, 0.2, 1, 0))", u"spot-color(Gold,0.5,cmyk(0,0.2,1,0))"},
        {u"spot-color(Cyan)", u"spot-color(Cyan,1,cmyk(1,0,0,0))"},
        {u"spot-color(Cyan,0.3,bogus(1))", u"spot-color(Cyan,0.3,cmyk(1,0,0,0))"},
        // Names without a known substitute are kept with black, and a warning names them.
        {u"spot-color(Gold)", u"spot-color(Gold,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,0.5)", u"spot-color(Gold,0.5,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,abc)", u"spot-color(Gold,0,rgb(0,0,0))", 30001},
        {u"spot-color( Cyan)", u"spot-color( Cyan,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,,cmyk(0,0,0,1))", u"spot-color(Gold,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,0.5,cmyk(0,0.2,1,0)", u"spot-color(Gold,0.5,rgb(0,0,0))", 30001},
        {u"spot-color()", u"spot-color(,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold", nullptr, 30000},     {u"spot-color(Gold,", nullptr, 30000},
        {u"spot-color(Gold,0.5", nullptr, 30000}, {u"spot-color(Gold)x", nullptr, 30000},
        {u"spot-color(", nullptr, 30000},         {u"spot-color", nullptr, 30000},
    });
}

TEST(ColorParse, HostileText) {
    std::u16string const zeros(5000, u'0');
    std::u16string const nines(5000, u'9');
    checkNotation({
        // Keywords and hexadecimal digits are matched whole: a NUL is one code unit more.
        {u"red\0"s}, {u"#f\0f"s}, {u"rgb(1\xD800,2,3)"},
        // Components of thousands of digits are read in full; past the range, rejected.
        {u"rgb(" + zeros + u"255,0,0)", u"rgb(255,0,0)"},
        {u"rgb(" + nines + u",0,0)"},
        {u"cmyk(1e99999999999,0,0,0)"},
        // The ICC components and the spot tint are read as far as they go, but never to an
        // infinity, which would be written "inf" and not read back.
        {u"rgb-icc(1,2,3,#P,1e99999999999)", nullptr, 30002},
        {u"rgb-icc(1,2,3,#P,0,0,-1e39)", nullptr, 30002},
        {u"spot-color(Gold," + nines + u")", nullptr, 30000},
        {u"spot-color(Gold,-1e39,cmyk(0,0,0,1))", nullptr, 30000},
        // A spot colour's name is kept as written, unpaired surrogate and all.
        {u"spot-color(\xD800)", u"spot-color(\xD800,1,rgb(0,0,0))", 30001}}, false);
}
// clang-format on

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
    ASSERT_TRUE(ColorParse::parseICCColor(u"x(1,2,3,#P,1)", &attr));
    EXPECT_EQ(attr.getValueAsString(), Core::String(u"rgb-icc(1,2,3,#P,1)"));
    ASSERT_TRUE(ColorParse::parseSpotColor(u"(Cyan)", &attr));
    EXPECT_EQ(attr.getValueAsString(), Core::String(u"spot-color(Cyan,1,cmyk(1,0,0,0))"));
}

// A colour class the writer does not know.
class OtherColor final : public Drawing::Color {
public:
    SmartPtr<Drawing::ColorSpace> getColorSpace() const override { return {}; }
    SmartPtr<Drawing::Color> clone() const override { return {}; }
    SmartPtr<Drawing::Color> toRGB() const override { return {}; }
};

std::string written(Drawing::Color* color) {
    return ColorParse::getColorAsString(SmartPtr<Drawing::Color>(color)).toUtf8();
}

TEST(ColorParse, WriterPatterns) {
    // An ICC colour of each component count: only 1, 3 and 4 have a written form, with blanks
    // after the commas of the later components.
    float const components[4] = {0.25f, 0.5f, 0.75f, 0.1f};
    SmartPtr<Drawing::ICCColorSpace> const space(new Drawing::ICCColorSpace(u"Coated"));
    char const* const icc[] = {"", "rgb-icc(10,20,30,#Coated,0.25)", "",
                               "rgb-icc(10,20,30,#Coated,0.25, 0.5, 0.75)",
                               "rgb-icc(10,20,30,#Coated,0.25, 0.5, 0.75, 0.1)"};
    for (int count = 0; count < 5; ++count) {
        auto* const color = new Drawing::ICCColor(count, components, space);
        color->setFallBack(10, 20, 30);
        EXPECT_EQ(written(color), icc[count]) << count;
    }
    using std::uint8_t;
    EXPECT_EQ(written(new Drawing::RGBColor(uint8_t{255}, uint8_t{0}, uint8_t{128})),
              "rgb(255,0,128)");
    EXPECT_EQ(written(new Drawing::CMYKColor(0.0, 0.5, 1.0, 0.1)), "cmyk(0,0.5,1,0.1)");
    EXPECT_EQ(written(new Drawing::SpotColor(Core::String(u"Gold"), 0.5f, 0.0f, 0.2f, 1.0f, 0.0f)),
              "spot-color(Gold,0.5,cmyk(0,0.2,1,0))");
    EXPECT_EQ(written(new Drawing::SpotColor(Core::String(u"Gold"), 0.25f, uint8_t{255},
                                             uint8_t{128}, uint8_t{0})),
              "spot-color(Gold,0.25,rgb(255,128,0))");
    EXPECT_EQ(written(new OtherColor), "");
    LogCapture log;
    EXPECT_THROW((void)written(new Drawing::ICCColor(1, components, {})),
                 Core::NullPointerException);
}

TEST(ColorParse, AttributesCompareColourObjects) {
    // Copies share (ColorThreadTest checks each way of copying); two parses never do.
    ColorAttribute red1;
    ColorAttribute red2;
    ASSERT_TRUE(red1.parseValue(u"red") && red2.parseValue(u"red"));
    EXPECT_NE(red1, red2); // equal values, two objects
    ColorAttribute copy(red1);
    copy.copyFrom(red2);
    copy.copyFrom(copy);
    EXPECT_EQ(copy, red2);
    EXPECT_EQ(red1.getValue()->getRefCount(), 1);
    EXPECT_EQ(red2.getValue()->getRefCount(), 2);
    ASSERT_TRUE(copy.parseValue(u"none"));
    EXPECT_EQ(copy, ColorAttribute());
    EXPECT_EQ(red2.getValue()->getRefCount(), 1);
}

TEST(ColorParse, CorpusColoursAreReadWithoutTextAllocation) {
    auto rows = xmlattr_testing::corpusValues(
        "fo-attributes.tsv",
        {"color", "background-color", "border-color", "border-before-color", "border-after-color",
         "border-start-color", "border-end-color", "border-top-color", "border-bottom-color",
         "border-left-color", "border-right-color"});
    auto const svg = xmlattr_testing::corpusValues("svg-attributes.tsv",
                                                   {"fill", "stroke", "stop-color", "color"});
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
