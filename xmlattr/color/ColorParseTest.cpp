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

struct Accepted {
    char16_t const* text;
    char const* written; // the colour read, in its written form
    int warning = 0;     // the message logged, if any
};

struct Rejected {
    char16_t const* text;
    int warning = 0;
};

// The message numbered `id` with its "{0}" filled by hand.
std::string message(int id, std::string const& argument) {
    std::string pattern = Core::String::loadString(id).toUtf8();
    return pattern.replace(pattern.find("{0}"), 3, argument);
}

void expectLogged(LogCapture const& log, int warning, std::string const& text) {
    if (warning == 0) {
        EXPECT_TRUE(log.entries().empty());
        return;
    }
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].level, Core::Log::Warning);
    // The warning of a spot colour without substitute names the spot colour alone.
    std::string const argument =
        warning == 30001 ? text.substr(11, text.find_first_of(",)") - 11) : text;
    EXPECT_EQ(log.entries()[0].message, message(warning, argument));
}

// Each text through the attribute's dispatch. An accepted colour must also read back from
// its written form; a rejected text must leave the colour held before.
void checkNotation(std::initializer_list<Accepted> accepted,
                   std::initializer_list<Rejected> rejected) {
    SmartPtr<Drawing::Color> const sentinel(new Drawing::RGBColor(1, 2, 3));
    for (Accepted const& row : accepted) {
        std::string const text = Core::String(row.text).toUtf8();
        SCOPED_TRACE(text);
        ColorAttribute attr(sentinel);
        LogCapture log;
        ASSERT_TRUE(attr.parseValue(row.text));
        expectLogged(log, row.warning, text);
        EXPECT_EQ(attr.getValueAsString().toUtf8(), row.written);
        ColorAttribute again;
        ASSERT_TRUE(again.parseValue(attr.getValueAsString()));
        EXPECT_EQ(again.getValueAsString(), attr.getValueAsString());
    }
    for (Rejected const& row : rejected) {
        std::string const text = Core::String(row.text).toUtf8();
        SCOPED_TRACE(text);
        ColorAttribute attr(sentinel);
        LogCapture log;
        EXPECT_FALSE(attr.parseValue(row.text));
        expectLogged(log, row.warning, text);
        EXPECT_EQ(attr.getValue(), sentinel);
    }
}

TEST(ColorParse, Dispatch) {
    // The text's beginning alone chooses the reader, which does not look at the name again;
    // anything else, a blank or capitals in front included, goes to the keywords.
    checkNotation({{u"rgbx(1,2,3)", "rgb(1,2,3)"},
                   {u"cmyka(0,0,0,1)", "cmyk(0,0,0,1)"},
                   {u"rgb-iccx(1,2,3,#P,0.5)", "rgb-icc(1,2,3,#P,0.5)"},
                   {u"spot-colors(Cyan)", "spot-color(Cyan,1,cmyk(1,0,0,0))"}},
                  {{u"rgb-ic(1,2,3,#P,0.5)"},
                   {u"spot-colour(Cyan)"},
                   {u"RGB(1,2,3)"},
                   {u" rgb(1,2,3)"},
                   {u" #fff"}});
}

TEST(ColorParse, Hexadecimal) {
    // clang-format off
    checkNotation({{u"#f80", "rgb(255,136,0)"}, {u"#FF8800", "rgb(255,136,0)"},
                   {u"#0a1B2c", "rgb(10,27,44)"}},
                  {{u"#ff880"}, {u"#ff8800ff"}, {u"#"}, {u"#ff 000"}, {u"#1%2345"},
                   {u"#+f0"}, {u"#0x1234"}, {u"#ff000 "},
                   {u"#\uff10\uff10\uff10"}}); // full-width digits
    // clang-format on
}

TEST(ColorParse, FunctionalRgb) {
    // clang-format off
    checkNotation({
        {u"rgb( 1 ,\t2 , 3\n) and more", "rgb(1,2,3)"},
        {u"rgb(+1,-0,007)", "rgb(1,0,7)"},
        // Out of range components are clamped, not wrapped.
        {u"rgb(300,-1,2147483647)", "rgb(255,0,255)"},
        // A percentage is scaled by 255/100 and truncated, decimals allowed, then clamped.
        {u"rgb(100%,50%,0%)", "rgb(255,127,0)"},
        {u"rgb(18.039216%,20.392157%,21.176471%)", "rgb(46,52,54)"},
        {u"rgb(0.5%,.4%,1e1%)", "rgb(1,1,25)"},
        {u"rgb(150%,-5%,99999999999%)", "rgb(255,0,255)"}},
        // Without "%" a component is an integer in int's range.
        {{u"rgb(127.5,0,0)"}, {u"rgb(1e2,0,0)"}, {u"rgb(2147483648,0,0)"}, {u"rgb(1,2,3,4)"},
         {u"rgb(1,2,3"}, {u"rgb 1,2,3"}, {u"rgb(1,,3)"}, {u"rgb(5 %,0,0)"}, {u"rgb(5%%,0,0)"},
         {u"rgb(1 2,3,4)"}, {u"rgb(%,0,0)"}, {u"rgb("}});
    // clang-format on
}

TEST(ColorParse, FunctionalCmyk) {
    // clang-format off
    checkNotation({
        {u"cmyk(0%,50%,100%,0%)", "cmyk(0,0.5,1,0)"},
        // Read in single precision, each component writes back as it was written.
        {u"cmyk( 0.1 ,0.2,0.3,0.7) and more", "cmyk(0.1,0.2,0.3,0.7)"},
        {u"cmyk(50% ,0,0,0)", "cmyk(0.5,0,0,0)"},  // a blank after "%" keeps the percentage
        {u"cmyk(2,-1,150%,0)", "cmyk(2,-1,1.5,0)"}, // not clamped
        {u"cmyk(1e-50,-0,0,0)", "cmyk(0,-0,0,0)"}},
        {{u"cmyk(1e39,0,0,0)"}, {u"cmyk(0,1,0)"}, {u"cmyk(0,0,0,0,0)"}, {u"cmyk(0,0,0,0"},
         {u"cmyk 0,0,0,0"}, {u"cmyk(0,,0,0)"}, {u"cmyk(0 %,0,0,0)"}, {u"cmyk(0,0,0,1x)"}});
    // clang-format on
}

TEST(ColorParse, IccColour) {
    // clang-format off
    checkNotation({
        {u"rgb-icc(255,0,0,#Coated,0.1,0.2,0.3,0.4)",
         "rgb-icc(255,0,0,#Coated,0.1, 0.2, 0.3, 0.4)"},
        {u"rgb-icc( 1 , 2 , 3 , #P , 0.5 , 0.25 , 1 )", "rgb-icc(1,2,3,#P,0.5, 0.25, 1)"},
        {u"rgb-icc(1,2,3,#P,0.5,0.6)", "rgb-icc(1,2,3,#P,0.5)"},  // two count as one
        {u"rgb-icc(1,2,3,#P,1,2,3,4,5)", "rgb-icc(1,2,3,#P,1, 2, 3, 4)"},
        {u"rgb-icc(1,2,3,#P,1) ,5", "rgb-icc(1,2,3,#P,1)"},
        {u"rgb-icc(1,2,3,#,abc)", "rgb-icc(1,2,3,#,0)"},  // components are read leniently
        // Fallbacks: percentages scaled in integers, then clamped rather than wrapped.
        {u"rgb-icc(100%,50%,0,#P,0.5)", "rgb-icc(255,127,0,#P,0.5)"},
        {u"rgb-icc(300,-1,2147483647%,#P,1)", "rgb-icc(255,0,255,#P,1)"}},
        // An unreadable fallback is rejected silently; malformed text is reported.
        {{u"rgb-icc(x,0,0,#P,1)"}, {u"rgb-icc(12.5%,0,0,#P,1)"},
         {u"rgb-icc(255,0,0,Coated,1)", 30002}, {u"rgb-icc(255,0,0,#Coated)", 30002},
         {u"rgb-icc(255,0,,#P,1)", 30002},      {u"rgb-icc(1,2,3,#P,,0.5)", 30002},
         {u"rgb-icc(1,2,3,#P,0.5", 30002},      {u"rgb-icc(1,2,3)", 30002},
         {u"rgb-icc(", 30002},                  {u"rgb-icc", 30002}});
    // clang-format on
}

TEST(ColorParse, SpotColour) {
    // clang-format off
    checkNotation({
        {u"spot-color(Gold,0.5,cmyk(0,0.2,1,0))", "spot-color(Gold,0.5,cmyk(0,0.2,1,0))"},
        {u"spot-color(Gold,cmyk(0,0.2,1,0))", "spot-color(Gold,1,cmyk(0,0.2,1,0))"},
        {u"spot-color(Gold,rgb(255,128,0))", "spot-color(Gold,1,rgb(255,128,0))"},
        {u"spot-color(Gold, 0.5, cmyk(0, 0.2, 1, 0))", "spot-color(Gold,0.5,cmyk(0,0.2,1,0))"},
        {u"spot-color(Cyan)", "spot-color(Cyan,1,cmyk(1,0,0,0))"},
        {u"spot-color(Cyan,0.3,bogus(1))", "spot-color(Cyan,0.3,cmyk(1,0,0,0))"},
        // Names without a known substitute are kept with black, and a warning names them.
        {u"spot-color(Gold)", "spot-color(Gold,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,0.5)", "spot-color(Gold,0.5,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,abc)", "spot-color(Gold,0,rgb(0,0,0))", 30001},
        {u"spot-color( Cyan)", "spot-color( Cyan,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,,cmyk(0,0,0,1))", "spot-color(Gold,1,rgb(0,0,0))", 30001},
        {u"spot-color(Gold,0.5,cmyk(0,0.2,1,0)", "spot-color(Gold,0.5,rgb(0,0,0))", 30001},
        {u"spot-color()", "spot-color(,1,rgb(0,0,0))", 30001}},
        {{u"spot-color(Gold", 30000}, {u"spot-color(Gold,", 30000},
         {u"spot-color(Gold,0.5", 30000}, {u"spot-color(Gold)x", 30000},
         {u"spot-color(", 30000}, {u"spot-color", 30000}});
    // clang-format on
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

template <class C, class... Args> SmartPtr<Drawing::Color> make(Args... args) {
    return SmartPtr<Drawing::Color>(new C(args...));
}

TEST(ColorParse, HostileText) {
    std::u16string const zeros(5000, u'0');
    std::u16string const nines(5000, u'9');
    struct Row {
        std::u16string text;
        char16_t const* written; // null when rejected
    };
    Row const rows[] = {
        // Keywords and hexadecimal digits are matched whole: a NUL is one code unit more.
        {u"red\0"s, nullptr},
        {u"#f\0f"s, nullptr},
        {u"rgb(1\xD800,2,3)", nullptr},
        // Components of thousands of digits are read in full; past the range, rejected.
        {u"rgb(" + zeros + u"255,0,0)", u"rgb(255,0,0)"},
        {u"rgb(" + nines + u",0,0)", nullptr},
        {u"cmyk(1e99999999999,0,0,0)", nullptr},
        {u"cmyk(0." + zeros + u"1e4999,0,0,0)", u"cmyk(0.01,0,0,0)"},
        // The ICC components and the spot tint are read as far as they go, however far.
        {u"rgb-icc(1,2,3,#P,1e99999999999)", u"rgb-icc(1,2,3,#P,inf)"},
        {u"spot-color(Gold," + nines + u")", u"spot-color(Gold,inf,rgb(0,0,0))"},
        // A spot colour's name is kept as written, unpaired surrogate and all.
        {u"spot-color(\xD800)", u"spot-color(\xD800,1,rgb(0,0,0))"},
    };
    SmartPtr<Drawing::Color> const sentinel(new Drawing::RGBColor(1, 2, 3));
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 30)).toUtf8());
        ColorAttribute attr(sentinel);
        LogCapture log;
        ASSERT_EQ(attr.parseValue(Core::String(std::u16string_view(row.text))),
                  row.written != nullptr);
        if (row.written != nullptr) {
            EXPECT_EQ(attr.getValueAsString(), Core::String(row.written));
        } else {
            EXPECT_EQ(attr.getValue(), sentinel);
        }
    }
}

TEST(ColorParse, WriterPatterns) {
    using std::uint8_t;
    struct Row {
        SmartPtr<Drawing::Color> color;
        char const* written;
    };
    Row const rows[] = {
        {SmartPtr<Drawing::Color>(), ""},
        {make<Drawing::RGBColor>(uint8_t{255}, uint8_t{0}, uint8_t{128}), "rgb(255,0,128)"},
        {make<Drawing::CMYKColor>(0.0, 0.5, 1.0, 0.1), "cmyk(0,0.5,1,0.1)"},
        {iccColor(1), "rgb-icc(10,20,30,#Coated,0.25)"},
        {iccColor(3), "rgb-icc(10,20,30,#Coated,0.25, 0.5, 0.75)"},
        {iccColor(4), "rgb-icc(10,20,30,#Coated,0.25, 0.5, 0.75, 0.1)"},
        {iccColor(0), ""},
        {iccColor(2), ""},
        {make<Drawing::SpotColor>(Core::String(u"Gold"), 0.5f, 0.0f, 0.2f, 1.0f, 0.0f),
         "spot-color(Gold,0.5,cmyk(0,0.2,1,0))"},
        {make<Drawing::SpotColor>(Core::String(u"Gold"), 0.25f, uint8_t{255}, uint8_t{128},
                                  uint8_t{0}),
         "spot-color(Gold,0.25,rgb(255,128,0))"},
        {make<OtherColor>(), ""},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.written);
        EXPECT_EQ(ColorAttribute(row.color).getValueAsString().toUtf8(), row.written);
    }
    LogCapture log;
    EXPECT_THROW((void)ColorParse::getColorAsString(iccColor(1, nullptr)),
                 Core::NullPointerException);
}

TEST(ColorParse, AttributesCompareColourObjects) {
    ColorAttribute red1;
    ColorAttribute red2;
    ASSERT_TRUE(red1.parseValue(u"red"));
    ASSERT_TRUE(red2.parseValue(u"red"));
    EXPECT_NE(red1, red2); // equal values, two objects
    ColorAttribute copy(red1);
    EXPECT_EQ(copy, red1);
    copy.copyFrom(red2);
    copy.copyFrom(copy);
    EXPECT_EQ(copy, red2);
    EXPECT_EQ(red1.getValue()->getRefCount(), 1);
    EXPECT_EQ(red2.getValue()->getRefCount(), 2);

    EXPECT_EQ(ColorAttribute(), ColorAttribute());
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
