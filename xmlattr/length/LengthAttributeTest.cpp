// Length and SLength: grammar, unit tables, pixel arithmetic and the writer.
#include "xmlattr/length/LengthAttribute.h"

#include "testing/AttributeRows.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>

namespace Xml {
namespace {

using namespace std::string_literals;
using xmlattr_testing::expectRows;

Length len(float size, Length::Unit unit) { return Length(size, unit); }
SLength slen(float size, SLength::Unit unit) { return SLength(size, unit); }

TEST(LengthAttribute, ReadAndWriteLength) {
    // clang-format off
    expectRows<Length>(len(-7.0f, Length::UnitEx), {
        {u"12pt",         true, len(12.0f, Length::UnitPt), u"12pt"},
        {u"-1.5cm",       true, len(-1.5f, Length::UnitCm), u"-1.5cm"},
        {u"+2in",         true, len(2.0f, Length::UnitIn), u"2in"},
        {u".75em",        true, len(0.75f, Length::UnitEm), u"0.75em"},
        {u"4pc",          true, len(4.0f, Length::UnitPc), u"4pc"},
        {u"0ex",          true, len(0.0f, Length::UnitEx), u"0ex"},
        {u"148mm",        true, len(148.0f, Length::UnitMm), u"148mm"},
        {u"1e2px",        true, len(100.0f, Length::UnitPx), u"100px"},
        {u"0.1px",        true, len(0.1f, Length::UnitPx), u"0.1px"}, // shortest, not 0.100000001
        {u"2147483648px", true, len(2147483648.0f, Length::UnitPx), u"2147483648px"},
        {u"0",            true, len(0.0f, Length::UnitPt), u"0pt"}, // the one unitless length
        {u"12 pt",        true, len(12.0f, Length::UnitPt)}, // a blank may follow the number
        // Before the unit stands one number, not the start of one.
        {u"1x5pt", false, {}}, {u"1in 2pt", false, {}}, {u"70pt 0 0 70pt", false, {}},
        {u"-pt", false, {}},   {u"--12pt", false, {}},  {u"1.5.5pt", false, {}},
        {u"00", false, {}}, // only "0" itself goes without a unit
        {u"", false, {}},      {u"12", false, {}},    {u"5", false, {}},     {u"+0", false, {}},
        {u"12PT", false, {}},  {u"12pT", false, {}},  {u" 12pt", false, {}}, {u"12pt ", false, {}},
        {u"pt", false, {}},    {u"x5pt", false, {}},  {u"1%", false, {}},    {u"10%", false, {}},
        {u"12dp", false, {}},  {u"auto", false, {}},
        {u"1e39pt", false, {}}, // beyond the float range: it would be written "infpt"
    });
    // clang-format on
}

TEST(LengthAttribute, ReadSLength) {
    // clang-format off
    expectRows<SLength>(slen(-7.0f, SLength::UnitEx), {
        {u"12",        true, slen(12.0f, SLength::UnitPx), u""}, // a plain number; no text form
        {u"12xy",      true, slen(12.0f, SLength::UnitPx)},  // any unknown pair is pixels
        {u"12PT",      true, slen(12.0f, SLength::UnitPx)},  // case-sensitive: not points
        {u"50%",       true, slen(0.5f, SLength::UnitPercent)},
        {u"2.3%",      true, slen(0.023f, SLength::UnitPercent)}, // 2.3f * 0.01f is 0.0229999982
        {u"5 %",       true, slen(0.05f, SLength::UnitPercent)}, // the strict reader allows a blank
        {u"12 ",       true, slen(12.0f, SLength::UnitPx)}, // only two letters are a unit
        {u"10.",       true, slen(10.0f, SLength::UnitPx)},
        {u" -1 ",      true, slen(-1.0f, SLength::UnitPx)},
        {u"12 pt",     true, slen(12.0f, SLength::UnitPt)},
        // The number is the whole text before the unit or "%", or the whole text.
        {u"5pt 7", false, {}}, {u"12pt ", false, {}}, {u"1x5pt", false, {}}, {u"5%%", false, {}},
        {u"12px", true, slen(12.0f, SLength::UnitPx)}, {u"1pt", true, slen(1.0f, SLength::UnitPt)},
        {u"2cm", true, slen(2.0f, SLength::UnitCm)},   {u"3mm", true, slen(3.0f, SLength::UnitMm)},
        {u"1in", true, slen(1.0f, SLength::UnitIn)},   {u"1em", true, slen(1.0f, SLength::UnitEm)},
        {u"2ex", true, slen(2.0f, SLength::UnitEx)},   {u"3pc", true, slen(3.0f, SLength::UnitPc)},
        {u"", false, {}},    {u"%", false, {}},  {u"%%", false, {}}, {u"abc%", false, {}},
        {u"5x", false, {}},  {u"px", false, {}},  {u"5.", false, {}},
        // A length begins with its number.
        {u"abc", false, {}}, {u"inherit", false, {}}, {u"auto", false, {}}, {u"abcpt", false, {}},
        {u".pt", false, {}}, {u"+px", false, {}},
        {u"1e39pt", false, {}}, {u"-99999999e99999999", false, {}},
    });
    // clang-format on
}

TEST(LengthAttribute, HostileText) {
    std::u16string const zeros(5000, u'0');
    std::u16string const nines(5000, u'9');
    // Between the first code unit and the unit stands one number: a NUL or an unpaired
    // surrogate after it is no part of it, thousands of digits or a huge exponent put it beyond
    // the float range, which is rejected.
    // clang-format off
    expectRows<Length>(len(-7.0f, Length::UnitEx), {
        {u"12\0pt"s, false, {}}, {u"12\xD800pt", false, {}},
        {u"1" + zeros + u"pt", false, {}}, {u"-" + nines + u"mm", false, {}},
        {u"1e99999999999px", false, {}},
        {u"\0pt"s, false, {}}, {u"12p\0"s, false, {}}, {u"12\xDC00", false, {}},
    });
    expectRows<SLength>(slen(-7.0f, SLength::UnitEx), {
        // A percentage's number is read strictly: one past every float is rejected.
        {u"1e99999999999%", false, {}}, {u"1" + zeros + u"%", false, {}},
        {u"1" + zeros, false, {}},
        // Two code units that do not end in a digit are too short for a unit; a pair of code
        // units that are not letters is no unit, and no part of the number.
        {u"5\0"s, false, {}}, {u"5\0\0"s, false, {}}, {u"5\xD800\xDC00", false, {}},
        {u"\xD800"s + u"9", false, {}},
    });
    // clang-format on
}

TEST(LengthAttribute, PixelSizes) {
    // The odd sizes pin the order of operations: each differs from every other grouping of
    // the same constants. Unit numbers outside the enumeration give 0.
    // clang-format off
    struct Row { bool svg; float size; int unit; float px; };
    Row const rows[] = {
        {false, 1.0f, Length::UnitIn, 96.0f},         {false, 10.0f, Length::UnitPx, 10.0f},
        {false, 0.33f, Length::UnitPt, 0.439999998f}, {false, 0.11f, Length::UnitPc, 1.75999987f},
        {false, 0.17f, Length::UnitCm, 6.42519665f},  {false, 0.07f, Length::UnitMm, 0.264566958f},
        {false, 5.0f, 8, 0.0f},                       {false, 5.0f, -1, 0.0f},
        {true, 0.5f, SLength::UnitPercent, 0.5f},     {true, 7.0f, SLength::UnitUnused, 0.0f},
        {true, 0.11f, SLength::UnitPc, 1.75999987f},  {true, 72.0f, SLength::UnitPt, 96.0f},
        {true, 3.0f, SLength::UnitPx, 3.0f},          {true, 5.0f, 10, 0.0f},
        {true, 5.0f, -3, 0.0f},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(testing::Message() << row.svg << " " << row.size << " unit " << row.unit);
        EXPECT_EQ(row.svg ? slen(row.size, static_cast<SLength::Unit>(row.unit)).pxSize()
                          : len(row.size, static_cast<Length::Unit>(row.unit)).pxSize(),
                  row.px);
    }
}

TEST(LengthAttribute, ImpossibleStatesThrowWithTheirLocation) {
    using xmlattr_testing::expectUnreachable;
    using U = Length::Unit;
    char16_t const* const file = u"LengthAttribute";
    expectUnreachable([] { (void)len(1.0f, Length::UnitEm).pxSize(); }, file, 156);
    expectUnreachable([] { (void)len(1.0f, Length::UnitEx).pxSize(); }, file, 156);
    expectUnreachable([] { (void)slen(1.0f, SLength::UnitEm).pxSize(); }, file, 299);
    expectUnreachable([] { (void)slen(1.0f, SLength::UnitEx).pxSize(); }, file, 299);
    expectUnreachable([] { (void)TXmlAttribute<Length>(len(1, U(8))).getValueAsString(); }, file,
                      129);
    expectUnreachable([] { (void)Length::getValueAsString(len(1, U(-1))); }, file, 129);
}

template <class T> std::string shown(T const& value) {
    return (std::ostringstream() << value).str();
}

TEST(LengthAttribute, StreamShowsValueAndUnit) {
    EXPECT_EQ(shown(len(12.0f, Length::UnitPt)), "12pt");
    EXPECT_EQ(shown(len(3.0f, Length::Unit(42))), "3(unit 42)");
    EXPECT_EQ(shown(SLength(12.0f)), "12px");
    EXPECT_EQ(shown(slen(0.023f, SLength::UnitPercent)), "2.3%");
    EXPECT_EQ(shown(slen(2.0f, SLength::UnitPc)), "2pc");
    EXPECT_EQ(shown(slen(2.0f, SLength::UnitUnused)), "2(unit 2)");
}

TEST(LengthAttribute, EqualityIsPerUnit) {
    EXPECT_NE(len(1.0f, Length::UnitIn), len(96.0f, Length::UnitPx));
    EXPECT_EQ(len(-0.0f, Length::UnitPt), len(0.0f, Length::UnitPt));
    EXPECT_NE(slen(1.0f, SLength::UnitPc), slen(1.0f, SLength::UnitUnused));
    EXPECT_TRUE(!slen(0.0f, SLength::UnitPercent));
    EXPECT_FALSE(!slen(0.5f, SLength::UnitPx));
}

} // namespace
} // namespace Xml
