// The keyword engine: matching, case rules, otherwise-readers, writers, binding, allocation.
#include "xmlattr/attributes/KeywordTable.h"

#include "testing/AttributeRows.h"
#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <utility>

namespace Xml {
namespace {

// Gaps, a negative number, a number with two spellings and one (spring) without any.
enum Tide : int { TideLow = -1, TideSlack = 0, TideHigh = 2, TideSpring = 5 };

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
constexpr bool readDigit(std::u16string_view text, Gauge& out) noexcept {
    if (text.size() != 1 || !Core::String::isDigit(text[0])) {
        return false;
    }
    out = text[0] > u'0' ? GaugeOn : GaugeOff;
    return true;
}

// Read, never written.
enum Drift : int { DriftWest = 0, DriftEast = 1 };
constexpr KeywordEntry<Drift> kDriftKeywords[] = {{u"west", DriftWest}, {u"east", DriftEast}};

} // namespace

template <>
inline constexpr KeywordTable<Tide> kKeywordTable<Tide>{
    .reads = kTideReads, .match = KeywordCase::AnyCase, .writes = kTideWrites};

template <>
inline constexpr KeywordTable<Gauge> kKeywordTable<Gauge>{.reads = kGaugeKeywords,
                                                          .otherwise = readDigit,
                                                          .writes = kGaugeKeywords,
                                                          .unwrittenThrowsAt = {u"GaugeFile", 77}};

template <> inline constexpr KeywordTable<Drift> kKeywordTable<Drift>{.reads = kDriftKeywords};

namespace {

enum Unbound : int { UnboundZero = 0 };

constexpr KeywordEntry<Tide> kClash[] = {{u"ebb", TideLow}, {u"EBB", TideHigh}};
constexpr KeywordEntry<Tide> kEmpty[] = {{u"", TideLow}};
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

// What `text` reads to from `none`, a number no text reads: `none` when the text is rejected
// and the value left untouched, and an impossible number when the result and value disagree.
template <class E>
constexpr E read(KeywordTable<E> const& table, std::u16string_view text, E none) {
    E value = none;
    bool const accepted = readKeyword(table, text, value);
    return accepted == (value != none) ? value : static_cast<E>(-99);
}

// What `text` reads to under the exact rule and under the any-case rule.
constexpr bool tide(std::u16string_view text, Tide exact, Tide anyCase) {
    return read(kExactTide, text, TideSpring) == exact &&
           read(kAnyCaseTide, text, TideSpring) == anyCase;
}
constexpr Tide kNo = TideSpring;

static_assert(tide(u"low", TideLow, TideLow) && tide(u"ebb", TideLow, TideLow));
static_assert(tide(u"slack", TideSlack, TideSlack) && tide(u"high-water", TideHigh, TideHigh));
static_assert(tide(u"LOW", kNo, TideLow) && tide(u"Ebb", kNo, TideLow));
static_assert(tide(u"HIGH-WATER", kNo, TideHigh) && tide(u"sLaCk", kNo, TideSlack));
// The whole text, untrimmed, is compared, code unit for code unit: a terminator is one.
static_assert(tide(u"", kNo, kNo) && tide(u" low", kNo, kNo) && tide(u"low ", kNo, kNo));
static_assert(tide(u"\tslack", kNo, kNo) && tide(u"lo", kNo, kNo) && tide(u"lows", kNo, kNo));
static_assert(tide(u"high", kNo, kNo) && tide(u"high_water", kNo, kNo) && tide(u"-1", kNo, kNo));
static_assert(tide(u"spring", kNo, kNo) && tide(std::u16string_view(u"low\0", 4), kNo, kNo));
static_assert(tide(std::u16string_view(u"slackwater").substr(0, 5), TideSlack, TideSlack));
// Only ASCII letters fold: a long s or a Kelvin sign is not an "s" or a "k"; and folding
// touches letters only: a carriage return with its 0x20 bit set is a hyphen.
static_assert(tide(u"\u017Flack", kNo, kNo) && tide(u"slac\u212A", kNo, kNo));
static_assert(tide(u"high\rwater", kNo, kNo));

// The otherwise-reader decides only what no keyword matches.
constexpr Gauge kNoGauge = static_cast<Gauge>(5);
constexpr Gauge gauge(std::u16string_view text) {
    return read(kKeywordTable<Gauge>, text, kNoGauge);
}
static_assert(gauge(u"off") == GaugeOff && gauge(u"7") == GaugeOn && gauge(u"0") == GaugeOff);
static_assert(gauge(u"") == kNoGauge && gauge(u"OFF") == kNoGauge && gauge(u"12") == kNoGauge);
static_assert(gauge(u" 1") == kNoGauge && gauge(u"on ") == kNoGauge);

TEST(KeywordTable, WritesTheFirstEntryOfANumberElseTheUnwrittenTextOrThrows) {
    constexpr KeywordTable<Tide> table{
        .reads = kTideReads, .writes = kTideReads, .unwritten = u"other"};
    EXPECT_EQ(writeKeyword(table, TideLow), Core::String(u"low")); // not "ebb"
    EXPECT_EQ(writeKeyword(table, TideSpring), Core::String(u"other"));
    // Bound: a number that no keyword reads can still be written; one outside the table is empty.
    // clang-format off
    std::pair<int, char16_t const*> const rows[] = {
        {TideLow, u"low"}, {TideSlack, u"slack"}, {TideHigh, u"high-water"}, {TideSpring, u"spring"},
        {1, u""},          {3, u""},              {-2, u""},                 {1 << 30, u""}};
    // clang-format on
    for (auto const& [number, written] : rows) {
        TXmlAttribute<Tide> attribute(static_cast<Tide>(number));
        EXPECT_EQ(attribute.getValueAsString(), Core::String(written)) << number;
    }
    TXmlAttribute<Gauge> gauges(GaugeOn);
    EXPECT_EQ(gauges.getValueAsString(), Core::String(u"on"));
    for (int number : {2, -1}) {
        gauges = static_cast<Gauge>(number);
        xmlattr_testing::expectUnreachable([&] { (void)gauges.getValueAsString(); }, u"GaugeFile",
                                           77);
    }
}

TEST(KeywordTable, ReadingAllocatesNothing) {
    // Texts held before counting, one beyond the string's inline capacity.
    Core::String const texts[] = {Core::String(u"HIGH-WATER"), Core::String(u"7"),
                                  Core::String(u"not a keyword of the tide table")};
    TXmlAttribute<Tide> tides;
    TXmlAttribute<Gauge> gauges;
    std::uint64_t const before = Core::Allocator::allocations();
    int accepted = 0;
    for (Core::String const& text : texts) {
        accepted += (tides.parseValue(text) ? 1 : 0) + (gauges.parseValue(text) ? 1 : 0);
    }
    EXPECT_EQ(Core::Allocator::allocations(), before);
    EXPECT_EQ(accepted, 2);
}

} // namespace
} // namespace Xml
