// The keyword-or-measure family: what each reader accepts, how each writes "auto", equality.
#include "xmlattr/length/LengthOrPercentAuto.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

LengthOrPercent points(float size) { return LengthOrPercent(Length(size, Length::UnitPt)); }

// What one text does to a reader.
enum class Result { Rejected, Kept, Keyword, Value };
struct Outcome {
    Result result;
    LengthOrPercent value;
};
constexpr Outcome kRejected{Result::Rejected, {}};

struct Row {
    char16_t const* text;
    Outcome margin;
    Outcome autoLength;
    Outcome tableWidth;
    Outcome leaderWidth;
};

template <class Measure, class Parse>
void expectOutcome(Parse parse, char16_t const* text, Outcome const& outcome) {
    Measure const sentinel(points(-7.0f));
    Measure value = sentinel;
    ASSERT_EQ(parse(value, Core::String(text)), outcome.result != Result::Rejected);
    switch (outcome.result) {
    case Result::Rejected:
    case Result::Kept:
        EXPECT_EQ(value, sentinel);
        break;
    case Result::Keyword:
        EXPECT_EQ(value, Measure());
        break;
    case Result::Value:
        EXPECT_EQ(value, Measure(outcome.value));
        break;
    }
}

TEST(LengthOrPercentAuto, Readers) {
    Outcome const twelve{Result::Value, points(12.0f)};
    Outcome const half{Result::Value, LengthOrPercent(0.5f)};
    Outcome const keyword{Result::Keyword, {}};
    Outcome const kept{Result::Kept, {}};
    // clang-format off
    Row const rows[] = {
        //  text               margin     auto       table/column leader width
        {u"12pt",              twelve,    twelve,    twelve,      twelve},
        {u"50%",               half,      half,      half,        half},
        {u"auto",              kRejected, keyword,   kRejected,   kRejected},
        {u"AUTO",              kRejected, keyword,   kRejected,   kRejected},
        {u"use-font-metrics",  kRejected, kRejected, kRejected,   kept},
        {u"Use-font-metrics",  kRejected, kRejected, kRejected,   kRejected},
        {u"w(3)",              kRejected, kRejected, {Result::Value, LengthOrPercent(3.0f)},
                                                                  kRejected},
        {u"f(25%)",            kRejected, kRejected, {Result::Value, LengthOrPercent(0.25f)},
                                                                  kRejected},
        {u"proportional-column-width(1)",
                               kRejected, kRejected, {Result::Value, LengthOrPercent(1.0f)},
                                                                  kRejected},
        {u"f(2cm",             kRejected, kRejected, {Result::Value,
                                             LengthOrPercent(Length(2.0f, Length::UnitCm))},
                                                                  kRejected},
        // Only the first ")" closes, and what follows it is not looked at.
        {u"f(12pt)x)",         kRejected, kRejected, twelve,      kRejected},
        {u"()",                kRejected, kRejected, kRejected,   kRejected},
        {u"f()",               kRejected, kRejected, kRejected,   kRejected},
        {u"f(auto)",           kRejected, kRejected, kRejected,   kRejected},
        {u"(",                 kRejected, kRejected, kRejected,   kRejected},
        {u"",                  kRejected, kRejected, kRejected,   kRejected},
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
    EXPECT_EQ(value.pxSize(0.0f), 4.0f); // whatever the flag

    // "use-font-metrics" leaves the held value alone, flag and all.
    TXmlAttribute<LeaderPatternWidth> leader(LeaderPatternWidth(points(3.0f)));
    ASSERT_TRUE(leader.parseValue(u"use-font-metrics"));
    EXPECT_EQ(leader, LeaderPatternWidth(points(3.0f)));
}

TEST(LengthOrPercentAuto, Writers) {
    TXmlAttribute<Margin> margin;
    TXmlAttribute<LengthOrPercentAuto> autoLength;
    TXmlAttribute<TableWidth> table;
    TXmlAttribute<ColumnWidth> column;
    TXmlAttribute<LeaderPatternWidth> leader;
    EXPECT_EQ(margin.getValueAsString(), Core::String());
    EXPECT_EQ(autoLength.getValueAsString(), Core::String(u"auto"));
    EXPECT_EQ(column.getValueAsString(), Core::String());
    EXPECT_EQ(leader.getValueAsString(), Core::String());

    for (XmlAttribute* attribute :
         std::initializer_list<XmlAttribute*>{&margin, &autoLength, &table, &column, &leader}) {
        ASSERT_TRUE(attribute->parseValue(u"25%"));
    }
    EXPECT_EQ(margin.getValueAsString(), Core::String(u"25%"));
    EXPECT_EQ(autoLength.getValueAsString(), Core::String(u"25%"));
    EXPECT_EQ(column.getValueAsString(), Core::String(u"25%"));
    EXPECT_EQ(leader.getValueAsString(), Core::String(u"25%"));
    EXPECT_EQ(table.getValueAsString(), Core::String()); // no text form
}

TEST(LengthOrPercentAuto, Equality) {
    // Two keywords are equal whatever values they carry.
    LengthOrPercentAuto a(points(1.0f));
    LengthOrPercentAuto b(points(2.0f));
    EXPECT_NE(a, b);
    ASSERT_TRUE(LengthOrPercentAuto::parseLengthOrPercentAuto(a, u"auto"));
    ASSERT_TRUE(LengthOrPercentAuto::parseLengthOrPercentAuto(b, u"auto"));
    EXPECT_EQ(a, b);
    EXPECT_NE(Margin(), Margin(LengthOrPercent()));
    EXPECT_EQ(TableWidth(points(2.0f)), TableWidth(points(2.0f)));
    EXPECT_TRUE(Margin().isAuto());
    EXPECT_FALSE(ColumnWidth(points(2.0f)).isAuto());
}

} // namespace
} // namespace Xml
