// Throughput of the colour attribute on the colours real documents carry, beside a floor
// that only cuts the same texts apart and converts their numbers with the C library.
#include <xmlattr/xmlattr.h>

#include "bench/BenchValues.h"
#include "testing/Corpus.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

// The replacement below pairs malloc with free correctly; g++ cannot see that once it
// inlines both into the same function.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {

// Every object the library makes with new is counted: colour objects are made that way.
// A plain count: the benchmarks run on one thread, and an atomic addition here would cost
// as much as a third of the reading being measured.
std::uint64_t g_news = 0;

} // namespace

void* operator new(std::size_t bytes) {
    ++g_news;
    if (void* block = std::malloc(bytes == 0 ? 1 : bytes)) {
        return block;
    }
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

enum Kind : int { AllColours = 0, Keywords = 1, Hexadecimal = 2, Functional = 3 };

Kind kindOf(Core::String const& text) {
    return text.startsWith(u"#") ? Hexadecimal : text.startsWith(u"rgb") ? Functional : Keywords;
}

std::vector<Core::String> colourTexts(int kind) {
    auto const rows = bench_values::colourRows();
    std::vector<Core::String> texts;
    for (auto const& row : rows) {
        if (kind == AllColours || kindOf(row.value) == kind) {
            texts.push_back(row.value);
        }
    }
    return texts;
}

void parseColour(benchmark::State& state) {
    auto const texts = colourTexts(static_cast<int>(state.range(0)));
    auto const news = g_news;
    auto const allocations = Core::Allocator::allocations();
    for (auto _ : state) {
        for (Core::String const& text : texts) {
            Xml::TXmlAttribute<SmartPtr<Drawing::Color>> attr;
            benchmark::DoNotOptimize(attr.parseValue(text));
            benchmark::DoNotOptimize(attr);
        }
    }
    auto const values = static_cast<double>(state.iterations()) * static_cast<double>(texts.size());
    state.SetItemsProcessed(static_cast<std::int64_t>(values));
    state.counters["objects/value"] = static_cast<double>(g_news - news) / values;
    state.counters["text allocations"] =
        static_cast<double>(Core::Allocator::allocations() - allocations);
}
BENCHMARK(parseColour)->Arg(AllColours)->Arg(Keywords)->Arg(Hexadecimal)->Arg(Functional);

// The floor: each text, as bytes, split at its separators into pieces, and strtof called
// on every piece (strtol with base 16 on each pair of a hexadecimal triplet). No colour is
// looked up or made.
void floorSplitAndStrtof(benchmark::State& state) {
    std::vector<std::string> texts;
    for (Core::String const& text : colourTexts(static_cast<int>(state.range(0)))) {
        texts.push_back(text.toUtf8());
    }
    std::vector<std::string> pieces;
    for (auto _ : state) {
        for (std::string const& text : texts) {
            if (text[0] == '#') {
                std::size_t const digits = text.size() == 4 ? 1 : 2;
                for (std::size_t i = 0; i < 3; ++i) {
                    char pair[3] = {text[1 + i * digits], text[i * digits + digits], '\0'};
                    benchmark::DoNotOptimize(std::strtol(pair, nullptr, 16));
                }
                continue;
            }
            pieces.clear();
            std::size_t start = 0;
            while (start < text.size()) {
                std::size_t const end = std::min(text.find_first_of("(),", start), text.size());
                if (end > start) {
                    pieces.emplace_back(text, start, end - start);
                }
                start = end + 1;
            }
            for (std::string const& piece : pieces) {
                benchmark::DoNotOptimize(std::strtof(piece.c_str(), nullptr));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(floorSplitAndStrtof)->Arg(AllColours)->Arg(Keywords)->Arg(Hexadecimal)->Arg(Functional);

// A tighter floor: the same conversions on the text in place, with nothing copied.
void floorInPlaceStrtof(benchmark::State& state) {
    std::vector<std::string> texts;
    for (Core::String const& text : colourTexts(static_cast<int>(state.range(0)))) {
        texts.push_back(text.toUtf8());
    }
    for (auto _ : state) {
        for (std::string const& text : texts) {
            char const* const begin = text.c_str();
            if (begin[0] == '#') {
                std::size_t const digits = text.size() == 4 ? 1 : 2;
                for (std::size_t i = 0; i < 3; ++i) {
                    char pair[3] = {begin[1 + i * digits], begin[i * digits + digits], '\0'};
                    benchmark::DoNotOptimize(std::strtol(pair, nullptr, 16));
                }
                continue;
            }
            char const* cursor = std::strchr(begin, '(');
            while (cursor != nullptr && *cursor != '\0' && *cursor != ')') {
                char* end = nullptr;
                benchmark::DoNotOptimize(std::strtof(cursor + 1, &end));
                cursor = std::strpbrk(end, ",)");
            }
            benchmark::DoNotOptimize(cursor);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(floorInPlaceStrtof)->Arg(AllColours)->Arg(Keywords)->Arg(Hexadecimal)->Arg(Functional);

// The corpus colours as read; with `rgbOnly`, those held as RGB, which write "rgb(r,g,b)".
std::vector<SmartPtr<Drawing::Color>> corpusColours(bool rgbOnly) {
    std::vector<SmartPtr<Drawing::Color>> colours;
    for (Core::String const& text : colourTexts(AllColours)) {
        Xml::TXmlAttribute<SmartPtr<Drawing::Color>> attr;
        if (attr.parseValue(text) && attr.getValue() &&
            (!rgbOnly || attr.getValue().dynamicCast<Drawing::RGBColor>())) {
            colours.push_back(attr.getValue());
        }
    }
    return colours;
}

void writeColour(benchmark::State& state) {
    auto const colours = corpusColours(state.range(0) != 0);
    for (auto _ : state) {
        for (SmartPtr<Drawing::Color> const& colour : colours) {
            benchmark::DoNotOptimize(Xml::ColorParse::getColorAsString(colour));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(colours.size()));
}
BENCHMARK(writeColour)->ArgName("rgbOnly")->Arg(0)->Arg(1);

// The attribute's writer, which every colour attribute's text goes through; it takes the
// colour by reference, where `getColorAsString` takes a counted copy.
void writeColourAttribute(benchmark::State& state) {
    auto const colours = corpusColours(state.range(0) != 0);
    for (auto _ : state) {
        for (SmartPtr<Drawing::Color> const& colour : colours) {
            benchmark::DoNotOptimize(Xml::ValueTraits<SmartPtr<Drawing::Color>>::write(colour));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(colours.size()));
}
BENCHMARK(writeColourAttribute)->ArgName("rgbOnly")->Arg(0)->Arg(1);

// The RGB writer's floor: "rgb(", the three numbers (to_chars) and the separators into one
// byte buffer, from the components read beforehand.
void writeColourFloor(benchmark::State& state) {
    std::vector<std::array<int, 3>> components;
    for (SmartPtr<Drawing::Color> const& colour : corpusColours(true)) {
        auto const rgb = colour.dynamicCast<Drawing::RGBColor>();
        components.push_back({rgb->getR(), rgb->getG(), rgb->getB()});
    }
    char buffer[32];
    // Room kept for the separators after the last number's digits.
    char* const last = buffer + sizeof buffer - 4;
    for (auto _ : state) {
        for (std::array<int, 3> const& rgb : components) {
            std::memcpy(buffer, "rgb(", 4);
            char* end = std::to_chars(buffer + 4, last, rgb[0]).ptr;
            *end++ = ',';
            end = std::to_chars(end, last, rgb[1]).ptr;
            *end++ = ',';
            end = std::to_chars(end, last, rgb[2]).ptr;
            *end = ')';
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(components.size()));
}
BENCHMARK(writeColourFloor);

} // namespace
