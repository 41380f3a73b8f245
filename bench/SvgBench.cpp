// Throughput of the SVG list readers on the paths and transforms of real icons, each beside
// a floor: the same texts split at white space and commas with every number read by strtof.
#include <xmlattr/xmlattr.h>

#include "bench/BenchValues.h"
#include "testing/Corpus.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Texts {
    std::vector<Core::String> utf16;
    std::vector<std::string> utf8;
    std::int64_t bytes = 0;

    void add(std::string text) {
        bytes += static_cast<std::int64_t>(text.size());
        utf16.emplace_back(text);
        utf8.push_back(std::move(text));
    }
};

Texts corpusTexts(std::initializer_list<std::string_view> attributes) {
    Texts texts;
    for (auto const& row : xmlattr_testing::corpusValues("svg-attributes.tsv", attributes)) {
        texts.add(row.value.toUtf8());
    }
    return texts;
}

bool isSeparator(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r'; }
bool beginsNumber(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.'; }

// The corpus has no point lists: these are the numbers of every path, exactly as written,
// paired as "x,y x,y ...".
Texts pointTexts() {
    Texts texts;
    for (std::string const& path : corpusTexts({"d"}).utf8) {
        texts.add(bench_values::pointsOfPath(path));
    }
    return texts;
}

void report(benchmark::State& state, Texts const& texts, std::uint64_t allocationsBefore) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.utf16.size()));
    state.SetBytesProcessed(state.iterations() * texts.bytes);
    state.counters["allocs/text"] =
        benchmark::Counter(static_cast<double>(Core::Allocator::allocations() - allocationsBefore) /
                               static_cast<double>(texts.utf16.size()),
                           benchmark::Counter::kAvgIterations);
}

// The library's reader, each text into a fresh attribute as the engine would hold it.
template <class List> void readAll(benchmark::State& state, Texts const& texts) {
    std::uint64_t const before = Core::Allocator::allocations();
    for (auto _ : state) {
        for (Core::String const& text : texts.utf16) {
            Xml::TXmlAttribute<List> attribute;
            benchmark::DoNotOptimize(attribute.parseValue(text));
            benchmark::DoNotOptimize(attribute->data());
        }
    }
    report(state, texts, before);
}

// The floor: split at white space and commas, then strtof at every number in each piece.
void floorAll(benchmark::State& state, Texts const& texts) {
    std::uint64_t const before = Core::Allocator::allocations();
    for (auto _ : state) {
        for (std::string const& text : texts.utf8) {
            char const* p = text.c_str();
            char const* const end = p + text.size();
            while (p < end) {
                while (p < end && isSeparator(*p)) {
                    ++p;
                }
                char const* pieceEnd = p;
                while (pieceEnd < end && !isSeparator(*pieceEnd)) {
                    ++pieceEnd;
                }
                while (p < pieceEnd) {
                    char* next = nullptr;
                    float const value = beginsNumber(*p) ? std::strtof(p, &next) : 0.0f;
                    benchmark::DoNotOptimize(value);
                    p = next != nullptr && next > p ? next : p + 1;
                }
            }
        }
    }
    report(state, texts, before);
}

Texts const& paths() {
    static Texts const texts = corpusTexts({"d"});
    return texts;
}
Texts const& transforms() {
    static Texts const texts = corpusTexts({"transform"});
    return texts;
}
Texts const& points() {
    static Texts const texts = pointTexts();
    return texts;
}

void pathData(benchmark::State& state) {
    readAll<Core::Vector<Xml::PathDataCommand>>(state, paths());
}
void pathDataFloor(benchmark::State& state) { floorAll(state, paths()); }
void transformList(benchmark::State& state) {
    readAll<Core::Vector<Xml::Transform>>(state, transforms());
}
void transformListFloor(benchmark::State& state) { floorAll(state, transforms()); }
void pointList(benchmark::State& state) { readAll<Core::Vector<Xml::Point>>(state, points()); }
void pointListFloor(benchmark::State& state) { floorAll(state, points()); }

// The point lists as read, written back.
std::vector<Core::Vector<Xml::Point>> readPoints() {
    std::vector<Core::Vector<Xml::Point>> lists;
    for (Core::String const& text : points().utf16) {
        Core::Vector<Xml::Point> list;
        if (Xml::Point::parsePointList(list, text)) {
            lists.push_back(list);
        }
    }
    return lists;
}

void writePointList(benchmark::State& state) {
    auto const lists = readPoints();
    std::uint64_t const before = Core::Allocator::allocations();
    for (auto _ : state) {
        for (Core::Vector<Xml::Point> const& list : lists) {
            benchmark::DoNotOptimize(Xml::Point::getPointListValueAsString(list));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lists.size()));
    state.counters["allocs/text"] =
        benchmark::Counter(static_cast<double>(Core::Allocator::allocations() - before) /
                               static_cast<double>(lists.size()),
                           benchmark::Counter::kAvgIterations);
}

// The writer's floor: the same pixel numbers (to_chars, shortest) and separators into one
// byte buffer.
void writePointListFloor(benchmark::State& state) {
    std::vector<std::vector<float>> lists;
    std::size_t longest = 0;
    for (Core::Vector<Xml::Point> const& list : readPoints()) {
        std::vector<float> numbers;
        for (Xml::Point const& point : list) {
            numbers.push_back(point.x.pxSize());
            numbers.push_back(point.y.pxSize());
        }
        longest = std::max(longest, numbers.size());
        lists.push_back(std::move(numbers));
    }
    std::vector<char> buffer(longest * 32 + 1);
    char* const last = buffer.data() + buffer.size();
    for (auto _ : state) {
        for (std::vector<float> const& numbers : lists) {
            char* end = buffer.data();
            for (std::size_t i = 0; i < numbers.size(); i += 2) {
                if (i > 0) {
                    *end++ = ',';
                }
                end = std::to_chars(end, last, numbers[i]).ptr;
                *end++ = ' ';
                end = std::to_chars(end, last, numbers[i + 1]).ptr;
            }
            benchmark::DoNotOptimize(end);
            benchmark::DoNotOptimize(buffer.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lists.size()));
}

BENCHMARK(pathData);
BENCHMARK(pathDataFloor);
BENCHMARK(transformList);
BENCHMARK(transformListFloor);
BENCHMARK(pointList);
BENCHMARK(pointListFloor);
BENCHMARK(writePointList);
BENCHMARK(writePointListFloor);

} // namespace
