// Length and SLength: grammar, unit tables, pixel arithmetic and the writer.
#include "xmlattr/length/LengthAttribute.h"

#include "testing/Corpus.h"
#include "testing/LogCapture.h"
#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sstream>
#include <string>

namespace Xml {
namespace {

using namespace std::string_literals;

using U = Length::Unit;
using SU = SLength::Unit;

struct LengthRow {
    char16_t const* text;
    bool accepted;
    float size;
    U unit;
};

TEST(LengthAttribute, ParseLength) {
    Length const sentinel(-7.0f, Length::UnitEx);
    // clang-format off
    LengthRow const rows[] = {
        {u"12pt", true, 12.0f, Length::UnitPt},   {u"0px", true, 0.0f, Length::UnitPx},
        {u"-1.5cm", true, -1.5f, Length::UnitCm}, {u"+2in", true, 2.0f, Length::UnitIn},
        {u".75em", true, 0.75f, Length::UnitEm},  {u"4pc", true, 4.0f, Length::UnitPc},
        {u"2ex", true, 2.0f, Length::UnitEx},     {u"148mm", true, 148.0f, Length::UnitMm},
        {u"1e2px", true, 100.0f, Length::UnitPx},
        {u"0", true, 0.0f, Length::UnitPt},       // the unitless zero is a point length
        {u"1x5pt", true, 1.0f, Length::UnitPt},   // the number is read as far as it goes
        {u"12 pt", true, 12.0f, Length::UnitPt},  // the space belongs to the number's text
        {u"-pt", true, 0.0f, Length::UnitPt},     // a sign with no digits reads as 0
        {u"--12pt", true, 0.0f, Length::UnitPt},
        {u"00", false, 0, {}},                    // only "0" itself goes without a unit
        {u"", false, 0, {}},     {u"12", false, 0, {}},    {u"5", false, 0, {}},
        {u"+0", false, 0, {}},   {u"12PT", false, 0, {}},  {u"12pT", false, 0, {}},
        {u" 12pt", false, 0, {}}, {u"12pt ", false, 0, {}}, {u"pt", false, 0, {}},
        {u"x5pt", false, 0, {}}, {u"1%", false, 0, {}},    {u"10%", false, 0, {}},
        {u"12dp", false, 0, {}}, {u"auto", false, 0, {}},
    };
    // clang-format on
    for (LengthRow const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        Length value = sentinel;
        ASSERT_EQ(Length::parseLength(value, row.text), row.accepted);
        Length const expected = row.accepted ? Length(row.size, row.unit) : sentinel;
        EXPECT_EQ(value.getUnit(), expected.getUnit());
        EXPECT_EQ(value.getSize(), expected.getSize());
    }
}

struct SLengthRow {
    char16_t const* text;
    bool accepted;
    float size;
    SU unit;
};

TEST(LengthAttribute, ParseSLength) {
    SLength const sentinel(-7.0f, SLength::UnitEx);
    // clang-format off
    SLengthRow const rows[] = {
        {u"12", true, 12.0f, SLength::UnitPx},    // a plain number is a pixel length
        {u"12xy", true, 12.0f, SLength::UnitPx},  // any unknown pair is pixels
        {u"12PT", true, 12.0f, SLength::UnitPx},  // case-sensitive: not points
        {u"50%", true, 0.5f, SLength::UnitPercent},
        {u"5 %", true, 0.05f, SLength::UnitPercent}, // the strict number reader allows the blank
        {u"12 ", true, 1.0f, SLength::UnitPx},    // untrimmed: "2 " is the unit pair, "1" the number
        {u"0", true, 0.0f, SLength::UnitPx},      {u"12px", true, 12.0f, SLength::UnitPx},
        {u"1pt", true, 1.0f, SLength::UnitPt},    {u"2cm", true, 2.0f, SLength::UnitCm},
        {u"3mm", true, 3.0f, SLength::UnitMm},    {u"1in", true, 1.0f, SLength::UnitIn},
        {u"1em", true, 1.0f, SLength::UnitEm},    {u"2ex", true, 2.0f, SLength::UnitEx},
        {u"3pc", true, 3.0f, SLength::UnitPc},    {u"-25%", true, -0.25f, SLength::UnitPercent},
        {u" 12", true, 12.0f, SLength::UnitPx},   {u"abc", true, 0.0f, SLength::UnitPx},
        {u"1.9999995", true, 1.9999995f, SLength::UnitPx},
        {u"", false, 0, {}},    {u"%", false, 0, {}},   {u"%%", false, 0, {}},
        {u"abc%", false, 0, {}}, {u"5x", false, 0, {}}, {u"px", false, 0, {}},
    };
    // clang-format on
    for (SLengthRow const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        SLength value = sentinel;
        ASSERT_EQ(SLength::parseSLength(value, row.text), row.accepted);
        SLength const expected = row.accepted ? SLength(row.size, row.unit) : sentinel;
        EXPECT_EQ(value.getUnit(), expected.getUnit());
        EXPECT_EQ(value.getSize(), expected.getSize());
    }
}

TEST(LengthAttribute, HostileText) {
    std::u16string const zeros(5000, u'0');
    std::u16string const nines(5000, u'9');
    float const inf = std::numeric_limits<float>::infinity();
    struct Row {
        std::u16string text;
        bool accepted;
        float size;
        U unit;
    };
    Row const lengths[] = {
        // Between the first code unit and the unit the number is read as far as it goes: a
        // NUL or an unpaired surrogate ends it, thousands of digits or a huge exponent make it
        // infinite, a tiny one 0.
        {u"12\0pt"s, true, 12.0f, Length::UnitPt},
        {u"12\xD800pt", true, 12.0f, Length::UnitPt},
        {u"1" + zeros + u"pt", true, inf, Length::UnitPt},
        {u"-" + nines + u"mm", true, -inf, Length::UnitMm},
        {u"1e99999999999px", true, inf, Length::UnitPx},
        {u"1e-99999999999in", true, 0.0f, Length::UnitIn},
        {u"0." + zeros + u"1e5001cm", true, 1.0f, Length::UnitCm},
        {u"\0pt"s, false, 0, {}},
        {u"12p\0"s, false, 0, {}},
        {u"12\xDC00", false, 0, {}},
    };
    for (Row const& row : lengths) {
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 20)).toUtf8());
        Length value(-7.0f, Length::UnitEx);
        ASSERT_EQ(Length::parseLength(value, Core::String(std::u16string_view(row.text))),
                  row.accepted);
        EXPECT_EQ(value, row.accepted ? Length(row.size, row.unit) : Length(-7.0f, Length::UnitEx));
    }
    struct SRow {
        std::u16string text;
        bool accepted;
        float size;
        SU unit;
    };
    SRow const svgLengths[] = {
        // A percentage's number is read strictly: one past every float is rejected.
        {u"1e99999999999%", false, 0, {}},
        {u"1" + zeros + u"%", false, 0, {}},
        {u"1e-99999999999%", true, 0.0f, SLength::UnitPercent},
        {u"1" + zeros, true, inf, SLength::UnitPx},
        // Two code units that do not end in a digit are too short for a unit; any other pair
        // of code units is pixels.
        {u"5\0"s, false, 0, {}},
        {u"5\0\0"s, true, 5.0f, SLength::UnitPx},
        {u"5\xD800\xDC00", true, 5.0f, SLength::UnitPx},
        {u"\xD800"
         u"9",
         true, 0.0f, SLength::UnitPx},
    };
    for (SRow const& row : svgLengths) {
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 20)).toUtf8());
        SLength value(-7.0f, SLength::UnitEx);
        ASSERT_EQ(SLength::parseSLength(value, Core::String(std::u16string_view(row.text))),
                  row.accepted);
        EXPECT_EQ(value,
                  row.accepted ? SLength(row.size, row.unit) : SLength(-7.0f, SLength::UnitEx));
    }
}

TEST(LengthAttribute, PercentIsDividedNotMultiplied) {
    SLength value;
    ASSERT_TRUE(SLength::parseSLength(value, u"2.3%"));
    EXPECT_EQ(value.getSize(), 0.023f); // 2.3f * 0.01f would give 0.0229999982
}

TEST(LengthAttribute, PixelSizes) {
    struct Row {
        float size;
        U unit;
        float px;
    };
    // The odd sizes pin the order of operations: each differs from every other
    // grouping of the same constants.
    Row const rows[] = {
        {72.0f, Length::UnitPt, 96.0f},        {1.0f, Length::UnitIn, 96.0f},
        {1.0f, Length::UnitPc, 16.0f},         {10.0f, Length::UnitPx, 10.0f},
        {2.54f, Length::UnitCm, 96.0f},        {25.4f, Length::UnitMm, 96.0f},
        {0.33f, Length::UnitPt, 0.439999998f}, {0.11f, Length::UnitPc, 1.75999987f},
        {0.17f, Length::UnitCm, 6.42519665f},  {0.07f, Length::UnitMm, 0.264566958f},
        {5.0f, static_cast<U>(8), 0.0f},       {5.0f, static_cast<U>(-1), 0.0f},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(testing::Message() << row.size << " unit " << row.unit);
        EXPECT_EQ(Length(row.size, row.unit).pxSize(), row.px);
    }

    struct SRow {
        float size;
        SU unit;
        float px;
    };
    SRow const svgRows[] = {
        {0.5f, SLength::UnitPercent, 0.5f}, {7.0f, SLength::UnitUnused, 0.0f},
        {1.0f, SLength::UnitPc, 16.0f},     {0.11f, SLength::UnitPc, 1.75999987f},
        {72.0f, SLength::UnitPt, 96.0f},    {3.0f, SLength::UnitPx, 3.0f},
        {5.0f, static_cast<SU>(10), 0.0f},  {5.0f, static_cast<SU>(-3), 0.0f},
    };
    for (SRow const& row : svgRows) {
        SCOPED_TRACE(testing::Message() << row.size << " unit " << row.unit);
        EXPECT_EQ(SLength(row.size, row.unit).pxSize(), row.px);
    }
}

template <class Call> void expectUnreachable(Call call, int line) {
    xmlattr_testing::LogCapture log;
    try {
        call();
        ADD_FAILURE() << "no exception";
    } catch (Core::UnreacheableCodeException const& error) {
        EXPECT_EQ(error.getFile(), Core::String(u"LengthAttribute"));
        EXPECT_EQ(error.getLine(), line);
    }
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].level, Core::Log::Error);
    EXPECT_NE(log.entries()[0].message.find("LengthAttribute(" + std::to_string(line) + ")"),
              std::string::npos);
}

TEST(LengthAttribute, ImpossibleStatesThrowWithTheirLocation) {
    expectUnreachable([] { (void)Length(1.0f, Length::UnitEm).pxSize(); }, 156);
    expectUnreachable([] { (void)Length(1.0f, Length::UnitEx).pxSize(); }, 156);
    expectUnreachable([] { (void)SLength(1.0f, SLength::UnitEm).pxSize(); }, 299);
    expectUnreachable([] { (void)SLength(1.0f, SLength::UnitEx).pxSize(); }, 299);
    expectUnreachable([] { (void)Length::getValueAsString(Length(1.0f, static_cast<U>(8))); }, 129);
    expectUnreachable([] { (void)Length::getValueAsString(Length(1.0f, static_cast<U>(-1))); },
                      129);
}

TEST(LengthAttribute, Writer) {
    struct Row {
        Length value;
        char16_t const* text;
    };
    Row const rows[] = {
        {Length(12.0f, Length::UnitPt), u"12pt"},
        {Length(1.5f, Length::UnitPt), u"1.5pt"},
        {Length(0.5f, Length::UnitIn), u"0.5in"},
        {Length(-1.5f, Length::UnitCm), u"-1.5cm"},
        {Length(3.0f, Length::UnitMm), u"3mm"},
        {Length(0.1f, Length::UnitPx), u"0.1px"},
        {Length(4.0f, Length::UnitPc), u"4pc"},
        {Length(1.2f, Length::UnitEm), u"1.2em"},
        {Length(0.0f, Length::UnitEx), u"0ex"},
        {Length(2147483648.0f, Length::UnitPx), u"2147483648px"},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        EXPECT_EQ(Length::getValueAsString(row.value), Core::String(row.text));
    }
}

TEST(LengthAttribute, CorpusLengthsRoundTrip) {
    int accepted = 0;
    for (auto const& row : xmlattr_testing::corpusValues("fo-attributes.tsv")) {
        Length value;
        if (!Length::parseLength(value, row.value)) {
            continue;
        }
        ++accepted;
        SCOPED_TRACE(row.attribute + "=" + row.value.toUtf8());
        Length reread(-1.0f, Length::UnitEx);
        ASSERT_TRUE(Length::parseLength(reread, Length::getValueAsString(value)));
        EXPECT_EQ(reread, value);
    }
    EXPECT_GT(accepted, 100);
}

TEST(LengthAttribute, ParsingDoesNotAllocate) {
    auto rows = xmlattr_testing::corpusValues("svg-attributes.tsv",
                                              {"x", "y", "width", "height", "stroke-width"});
    auto more = xmlattr_testing::corpusValues("fo-attributes.tsv");
    rows.insert(rows.end(), more.begin(), more.end());
    ASSERT_GT(rows.size(), 1000u);
    auto const before = Core::Allocator::allocations();
    int accepted = 0;
    for (auto const& row : rows) {
        Length length;
        SLength slength;
        accepted += Length::parseLength(length, row.value) ? 1 : 0;
        accepted += SLength::parseSLength(slength, row.value) ? 1 : 0;
    }
    EXPECT_EQ(Core::Allocator::allocations(), before);
    EXPECT_GT(accepted, 1000);
}

TEST(LengthAttribute, StreamShowsValueAndUnit) {
    struct Row {
        std::function<void(std::ostream&)> put;
        char const* shown;
    };
    Row const rows[] = {
        {[](std::ostream& o) { o << Length(12, Length::UnitPt); }, "12pt"},
        {[](std::ostream& o) { o << Length(1.5f, Length::UnitEm); }, "1.5em"},
        {[](std::ostream& o) { o << Length(3, static_cast<Length::Unit>(42)); }, "3(unit 42)"},
        {[](std::ostream& o) { o << SLength(12); }, "12px"},
        {[](std::ostream& o) { o << SLength(0.023f, SLength::UnitPercent); }, "2.3%"},
        {[](std::ostream& o) { o << SLength(2, SLength::UnitPc); }, "2pc"},
        {[](std::ostream& o) { o << SLength(2, SLength::UnitUnused); }, "2(unit 2)"},
    };
    for (Row const& row : rows) {
        std::ostringstream out;
        row.put(out);
        EXPECT_EQ(out.str(), row.shown);
    }
}

TEST(LengthAttribute, EqualityIsPerUnit) {
    EXPECT_NE(Length(1.0f, Length::UnitIn), Length(96.0f, Length::UnitPx));
    EXPECT_NE(Length(0.0f, Length::UnitPt), Length());
    EXPECT_EQ(Length(-0.0f, Length::UnitPt), Length(0.0f, Length::UnitPt));
    EXPECT_NE(SLength(1.0f, SLength::UnitPc), SLength(1.0f, SLength::UnitUnused));
    EXPECT_TRUE(!SLength(0.0f, SLength::UnitPercent));
    EXPECT_FALSE(!SLength(0.5f, SLength::UnitPx));
}

TEST(LengthAttribute, Attributes) {
    TXmlAttribute<Length> length;
    EXPECT_EQ(length, Length(0.0f, Length::UnitPx));
    XmlAttribute& base = length;
    ASSERT_TRUE(base.parseValue(u"12pt"));
    EXPECT_EQ(length->pxSize(), 16.0f);
    EXPECT_EQ(base.getValueAsString(), Core::String(u"12pt"));
    EXPECT_FALSE(base.parseValue(u"12"));
    EXPECT_EQ(length, Length(12.0f, Length::UnitPt));

    TXmlAttribute<SLength> slength(SLength(5.0f, SLength::UnitPx));
    EXPECT_EQ(slength.getValueAsString(), Core::String()); // no text form
    ASSERT_TRUE(slength.parseValue(u"50%"));
    EXPECT_EQ(slength.getValue(), SLength(0.5f, SLength::UnitPercent));
    TXmlAttribute<SLength> copy;
    static_cast<XmlAttribute&>(copy).copyFrom(slength);
    EXPECT_EQ(copy, slength.getValue());
}

} // namespace
} // namespace Xml
