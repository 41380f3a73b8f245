// The keyword engine: matching, case rules, otherwise-readers, writers, binding, allocation.
#include "xmlattr/attributes/KeywordTable.h"

#include "testing/LogCapture.h"
#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

// Gaps, a negative number, a number with two spellings and one without any.
enum Tide : int {
    TideLow = -1,
    TideSlack = 0,
    TideHigh = 2,
    TideSpring = 5, // no keyword
};

// clang-format off
constexpr KeywordEntry<Tide> kTideReads[] = {
    {u"low", TideLow}, {u"ebb", TideLow}, {u"slack", TideSlack}, {u"high-water", TideHigh}};
constexpr KeywordEntry<Tide> kTideWrites[] = {
    {u"low", TideLow}, {u"slack", TideSlack}, {u"high-water", TideHigh}, {u"spring", TideSpring}};
// clang-format on

constexpr KeywordTable<Tide> kExactTide{.reads = kTideReads, .match = KeywordCase::Exact};
constexpr KeywordTable<Tide> kAnyCaseTide{.reads = kTideReads, .match = KeywordCase::AnyCase};

// A digit is read where no keyword matches; a number outside the table throws when written.
enum Gauge : int { GaugeOff = 0, GaugeOn = 1 };
constexpr KeywordEntry<Gauge> kGaugeKeywords[] = {{u"off", GaugeOff}, {u"on", GaugeOn}};

// Read, never written.
enum Drift : int { DriftWest = 0, DriftEast = 1 };
constexpr KeywordEntry<Drift> kDriftKeywords[] = {{u"west", DriftWest}, {u"east", DriftEast}};

} // namespace

template <>
inline constexpr KeywordTable<Tide> kKeywordTable<Tide>{
    .reads = kTideReads, .match = KeywordCase::AnyCase, .writes = kTideWrites};

template <>
inline constexpr KeywordTable<Gauge> kKeywordTable<Gauge>{
    .reads = kGaugeKeywords,
    .match = KeywordCase::Exact,
    .otherwise =
        [](std::u16string_view text, Gauge& out) noexcept {
            if (text.size() != 1 || !Core::String::isDigit(text[0])) {
                return false;
            }
            out = text[0] > u'0' ? GaugeOn : GaugeOff;
            return true;
        },
    .writes = kGaugeKeywords,
    .unwrittenThrowsAt = {u"GaugeFile", 77}};

template <> inline constexpr KeywordTable<Drift> kKeywordTable<Drift>{.reads = kDriftKeywords};

namespace {

enum Unbound : int { UnboundZero = 0 };

// clang-format off
constexpr KeywordEntry<Tide> kClash[] = {{u"ebb", TideLow}, {u"EBB", TideHigh}};
constexpr KeywordEntry<Tide> kEmpty[] = {{u"", TideLow}};
// clang-format on
static_assert(isWellFormed(kExactTide) && isWellFormed(kKeywordTable<Gauge>));
static_assert(isWellFormed(KeywordTable<Tide>{.reads = kClash, .match = KeywordCase::Exact}));
static_assert(!isWellFormed(KeywordTable<Tide>{.reads = kClash, .match = KeywordCase::AnyCase}));
static_assert(!isWellFormed(KeywordTable<Tide>{.reads = kEmpty}));
static_assert(!isWellFormed(KeywordTable<Tide>{
    .reads = kTideReads, .writes = kTideWrites, .unwrittenThrowsAt = {u"F"}}));
static_assert(!isWellFormed(KeywordTable<Tide>{.reads = kTideReads, .unwritten = u"x"}));

static_assert(KeywordEnumeration<Tide> && KeywordEnumeration<Gauge>);
static_assert(!KeywordEnumeration<Unbound> && !KeywordEnumeration<int>);
static_assert(HasTextForm<Tide> && HasTextForm<Gauge> && !HasTextForm<Drift>);

constexpr Tide readTide(KeywordTable<Tide> const& table, std::u16string_view text) {
    Tide value = TideSpring;
    return readKeyword(table, text, value) ? value : TideSpring;
}
static_assert(readTide(kExactTide, u"ebb") == TideLow);
static_assert(readTide(kExactTide, u"EBB") == TideSpring);
static_assert(readTide(kAnyCaseTide, u"High-Water") == TideHigh);

constexpr Tide kSentinel = TideSpring;

struct Row {
    char16_t const* text;
    bool exact;    // accepted under the exact rule
    bool anyCase;  // accepted under the any-case rule
    Tide expected; // when accepted
};

TEST(KeywordTable, MatchesTheWholeTextUnderTheCaseRule) {
    // clang-format off
    Row const rows[] = {
        {u"low", true, true, TideLow},           {u"ebb", true, true, TideLow},
        {u"slack", true, true, TideSlack},       {u"high-water", true, true, TideHigh},
        {u"LOW", false, true, TideLow},          {u"Ebb", false, true, TideLow},
        {u"HIGH-WATER", false, true, TideHigh},  {u"sLaCk", false, true, TideSlack},
        {u"", false, false, {}},                 {u" low", false, false, {}},
        {u"low ", false, false, {}},             {u"\tslack", false, false, {}},
        {u"lo", false, false, {}},               {u"lows", false, false, {}},
        {u"high", false, false, {}},             {u"high_water", false, false, {}},
        {u"spring", false, false, {}},           {u"-1", false, false, {}},
        // Only ASCII letters fold: a long s or a Kelvin sign is not an "s" or a "k".
        {u"\u017Flack", false, false, {}},       {u"slac\u212A", false, false, {}},
        // Folding touches letters only: a carriage return with its 0x20 bit set is a hyphen.
        {u"high\rwater", false, false, {}},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        for (KeywordTable<Tide> const* table : {&kExactTide, &kAnyCaseTide}) {
            bool const accepted = table == &kExactTide ? row.exact : row.anyCase;
            Tide value = kSentinel;
            EXPECT_EQ(readKeyword(*table, row.text, value), accepted);
            EXPECT_EQ(value, accepted ? row.expected : kSentinel);
        }
    }
}

TEST(KeywordTable, ComparesCodeUnitsNotTerminatedText) {
    Tide value = kSentinel;
    // An embedded terminator after a keyword is part of the text, so no keyword matches.
    EXPECT_FALSE(readKeyword(kExactTide, std::u16string_view(u"low\0x", 5), value));
    EXPECT_FALSE(readKeyword(kExactTide, std::u16string_view(u"low\0", 4), value));
    EXPECT_EQ(value, kSentinel);
    // A view into a longer text reads only its own code units.
    std::u16string_view const whole = u"slackwater";
    EXPECT_TRUE(readKeyword(kExactTide, whole.substr(0, 5), value));
    EXPECT_EQ(value, TideSlack);
}

TEST(KeywordTable, OtherwiseReaderDecidesOnlyWhatNoKeywordMatches) {
    TXmlAttribute<Gauge> gauge(GaugeOn);
    EXPECT_TRUE(gauge.parseValue(u"off"));
    EXPECT_EQ(*gauge, GaugeOff);
    EXPECT_TRUE(gauge.parseValue(u"7"));
    EXPECT_EQ(*gauge, GaugeOn);
    EXPECT_TRUE(gauge.parseValue(u"0"));
    EXPECT_EQ(*gauge, GaugeOff);
    gauge = GaugeOn;
    for (char16_t const* text : {u"", u"OFF", u"12", u" 1", u"on "}) {
        SCOPED_TRACE(Core::String(text).toUtf8());
        EXPECT_FALSE(gauge.parseValue(text));
        EXPECT_EQ(*gauge, GaugeOn);
    }
}

TEST(KeywordTable, WritesTheFirstSpellingOfANumberInTheTablesCase) {
    TXmlAttribute<Tide> tide;
    struct WriteRow {
        char16_t const* read;
        char16_t const* written;
    };
    // clang-format off
    WriteRow const rows[] = {
        {u"EBB", u"low"}, {u"low", u"low"}, {u"Slack", u"slack"}, {u"high-WATER", u"high-water"}};
    // clang-format on
    for (WriteRow const& row : rows) {
        SCOPED_TRACE(Core::String(row.read).toUtf8());
        ASSERT_TRUE(tide.parseValue(row.read));
        EXPECT_EQ(tide.getValueAsString(), Core::String(row.written));
    }
    // A number that no keyword reads can still be written; one outside the table is empty.
    tide = TideSpring;
    EXPECT_EQ(tide.getValueAsString(), Core::String(u"spring"));
    for (int number : {1, 3, -2, 1 << 30}) {
        tide = static_cast<Tide>(number);
        EXPECT_EQ(tide.getValueAsString(), Core::String()) << number;
    }
}

TEST(KeywordTable, UnwrittenTextStandsInForNumbersOutsideTheTable) {
    constexpr KeywordTable<Tide> table{
        .reads = kTideReads, .writes = std::span(kTideWrites).first(1), .unwritten = u"other"};
    EXPECT_EQ(writeKeyword(table, TideLow), Core::String(u"low"));
    EXPECT_EQ(writeKeyword(table, TideHigh), Core::String(u"other"));
}

TEST(KeywordTable, ANumberOutsideAThrowingTableIsLoggedAndThrown) {
    TXmlAttribute<Gauge> gauge(GaugeOn);
    EXPECT_EQ(gauge.getValueAsString(), Core::String(u"on"));
    for (int number : {2, -1}) {
        SCOPED_TRACE(number);
        xmlattr_testing::LogCapture log;
        gauge = static_cast<Gauge>(number);
        try {
            (void)gauge.getValueAsString();
            ADD_FAILURE() << "no exception";
        } catch (Core::UnreacheableCodeException const& error) {
            EXPECT_EQ(error.getFile(), Core::String(u"GaugeFile"));
            EXPECT_EQ(error.getLine(), 77);
        }
        ASSERT_EQ(log.entries().size(), 1u);
        EXPECT_EQ(log.entries()[0].level, Core::Log::Error);
        EXPECT_NE(log.entries()[0].message.find("GaugeFile(77)"), std::string::npos);
    }
}

TEST(KeywordTable, ATableWithoutWritesHasNoTextForm) {
    TXmlAttribute<Drift> drift(DriftWest);
    EXPECT_TRUE(drift.parseValue(u"east"));
    EXPECT_EQ(*drift, DriftEast);
    EXPECT_EQ(drift.getValueAsString(), Core::String());
}

TEST(KeywordTable, ReadingAllocatesNothing) {
    // Texts beyond the string's inline capacity, so that any copy would reach the heap.
    Core::String const texts[] = {Core::String(u"high-water"), Core::String(u"HIGH-WATER"),
                                  Core::String(u"not a keyword of the tide table"),
                                  Core::String(u"high-water-mark-of-the-spring")};
    TXmlAttribute<Tide> tide;
    TXmlAttribute<Gauge> gauge;
    std::uint64_t const before = Core::Allocator::allocations();
    int accepted = 0;
    for (int round = 0; round < 100; ++round) {
        for (Core::String const& text : texts) {
            accepted += tide.parseValue(text) ? 1 : 0;
            accepted += gauge.parseValue(text) ? 1 : 0;
        }
    }
    EXPECT_EQ(Core::Allocator::allocations(), before);
    EXPECT_EQ(accepted, 200);
}

} // namespace
} // namespace Xml
