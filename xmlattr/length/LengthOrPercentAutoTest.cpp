// The keyword-or-measure family: what each reader accepts, how each writes its keyword.
#include "xmlattr/length/LengthOrPercentAuto.h"

#include <gtest/gtest.h>

#include <string>

namespace Xml {
namespace {

LengthOrPercent points(float size) { return LengthOrPercent(Length(size, Length::UnitPt)); }

// What one text does to a reader.
enum class Result { Rejected, Kept, Keyword, Value };
struct Outcome {
    Result result;
    LengthOrPercent value;
};

template <class Measure, class Parse>
void expectOutcome(Parse parse, char16_t const* text, Outcome const& outcome) {
    Measure const sentinel(points(-7.0f));
    Measure value = sentinel;
    ASSERT_EQ(parse(value, Core::String(text)), outcome.result != Result::Rejected);
    bool const kept = outcome.result == Result::Rejected || outcome.result == Result::Kept;
    EXPECT_EQ(value, kept                                ? sentinel
                     : outcome.result == Result::Keyword ? Measure()
                                                         : Measure(outcome.value));
}

TEST(LengthOrPercentAuto, Readers) {
    Outcome const no{Result::Rejected, {}};
    Outcome const twelve{Result::Value, points(12.0f)};
    Outcome const half{Result::Value, LengthOrPercent(0.5f)};
    Outcome const keyword{Result::Keyword, {}};
    // clang-format off
    struct Row { char16_t const* text; Outcome margin, autoLength, tableWidth, leaderWidth; };
    Row const rows[] = {
        //  text                 margin  auto     table/column                     leader width
        {u"12pt",                twelve, twelve,  twelve,                          twelve},
        {u"50%",                 half,   half,    half,                            half},
        {u"auto",                no,     keyword, no,                              no},
        {u"AUTO",                no,     keyword, no,                              no},
        {u"use-font-metrics",    no,     no,      no,                              keyword},
        {u"Use-font-metrics",    no,     no,      no,                              no},
        {u"w(3)",                no,     no,      {Result::Value, LengthOrPercent(3.0f)}, no},
        {u"f(25%)",              no,     no,      {Result::Value, LengthOrPercent(0.25f)}, no},
        {u"f(12pt",              no,     no,      twelve,                          no},
        {u"f(12pt)x)",           no,     no,      twelve,                          no},
        {u"()",                  no,     no,      no,                              no},
        {u"20pt 0 40pt 0",       no,     no,      no,                              no},
        {u"12pt3",               no,     no,      no,                              no},
        {u"f(auto)",             no,     no,      no,                              no},
        {u"",                    no,     no,      no,                              no},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        expectOutcome<Margin>(&Margin::parseMargin, row.text, row.margin);
        expectOutcome<LengthOrPercentAuto>(&LengthOrPercentAuto::parseLengthOrPercentAuto, row.text,
                                           row.autoLength);
        expectOutcome<TableWidth>(&TableWidth::parseTableWidth, row.text, row.tableWidth);
        expectOutcome<ColumnWidth>(&ColumnWidth::parseColumnWidth, row.text, row.tableWidth);
        expectOutcome<LeaderPatternWidth>(&ValueTraits<LeaderPatternWidth>::parse, row.text,
                                          row.leaderWidth);
    }
}

TEST(LengthOrPercentAuto, AutoKeepsTheValue) {
    LengthOrPercentAuto value(points(3.0f));
    ASSERT_TRUE(LengthOrPercentAuto::parseLengthOrPercentAuto(value, u"Auto"));
    EXPECT_TRUE(value.isAuto());
    EXPECT_EQ(value.getLengthOrPercent(), points(3.0f));
    EXPECT_EQ(value.pxSize(0.0f), 4.0f);     // whatever the flag
    EXPECT_EQ(value, LengthOrPercentAuto()); // two keywords are equal whatever they carry
}

template <class T> std::string written(T const& value) {
    return TXmlAttribute<T>(value).getValueAsString().toUtf8();
}

TEST(LengthOrPercentAuto, Writers) {
    // Each default writes its keyword, or nothing where no text reads it back; a table's width
    // has no text form at all.
    EXPECT_EQ(written(LengthOrPercentAuto()), "auto");
    EXPECT_EQ(written(Margin()) + written(TableWidth()) + written(ColumnWidth()), "");
    EXPECT_EQ(written(LeaderPatternWidth()), "");
    LengthOrPercent const quarter(0.25f);
    EXPECT_EQ(written(Margin(quarter)) + written(LengthOrPercentAuto(quarter)), "25%25%");
    EXPECT_EQ(written(ColumnWidth(quarter)) + written(LeaderPatternWidth(quarter)), "25%25%");
    EXPECT_EQ(written(TableWidth(quarter)), "");
}

} // namespace
} // namespace Xml
