// Throughput of the length readers and writer on the values real documents carry.
#include <xmlattr/xmlattr.h>

#include "testing/Corpus.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>
#include <vector>

namespace {

std::vector<Core::String> corpusTexts(std::string const& file) {
    std::vector<Core::String> texts;
    for (auto const& row : xmlattr_testing::corpusValues(file)) {
        texts.push_back(row.value);
    }
    return texts;
}

// Every value of the documents, lengths or not: rejection is as hot a path as acceptance.
template <class Value, bool (*parse)(Value&, Core::String const&) noexcept>
void parseCorpus(benchmark::State& state, char const* file) {
    auto const texts = corpusTexts(file);
    auto const allocations = Core::Allocator::allocations();
    for (auto _ : state) {
        for (Core::String const& text : texts) {
            Value value;
            benchmark::DoNotOptimize(parse(value, text));
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
    state.counters["allocations"] =
        static_cast<double>(Core::Allocator::allocations() - allocations);
}
void parseLength(benchmark::State& state) {
    parseCorpus<Xml::Length, &Xml::Length::parseLength>(state, "fo-attributes.tsv");
}
BENCHMARK(parseLength);

void parseSLength(benchmark::State& state) {
    parseCorpus<Xml::SLength, &Xml::SLength::parseSLength>(state, "svg-attributes.tsv");
}
BENCHMARK(parseSLength);

std::vector<Xml::Length> corpusLengths() {
    std::vector<Xml::Length> lengths;
    for (Core::String const& text : corpusTexts("fo-attributes.tsv")) {
        Xml::Length value;
        if (Xml::Length::parseLength(value, text)) {
            lengths.push_back(value);
        }
    }
    return lengths;
}

void writeLength(benchmark::State& state) {
    auto const lengths = corpusLengths();
    for (auto _ : state) {
        for (Xml::Length const& length : lengths) {
            benchmark::DoNotOptimize(Xml::Length::getValueAsString(length));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lengths.size()));
}
BENCHMARK(writeLength);

// The writer's floor: the same numbers (shortest) and units into one byte buffer, nothing
// else; the writer is measured against it in the same run.
void writeLengthFloor(benchmark::State& state) {
    static constexpr char kUnits[][3] = {"px", "pt", "pc", "cm", "mm", "in", "em", "ex"};
    auto const lengths = corpusLengths();
    char buffer[64];
    for (auto _ : state) {
        for (Xml::Length const& length : lengths) {
            char* const end = std::to_chars(buffer, buffer + sizeof buffer, length.getSize()).ptr;
            std::memcpy(end, kUnits[length.getUnit()], 2);
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lengths.size()));
}
BENCHMARK(writeLengthFloor);

void writeFloat(benchmark::State& state) {
    std::vector<float> numbers;
    for (Core::String const& text : corpusTexts("svg-attributes.tsv")) {
        float value = 0;
        if (Core::Format::parseFloat(text, value)) {
            numbers.push_back(value);
        }
    }
    for (auto _ : state) {
        for (float number : numbers) {
            benchmark::DoNotOptimize(Core::Format::toString(number));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(writeFloat);

void parseFloat(benchmark::State& state) {
    auto const texts = corpusTexts("svg-attributes.tsv");
    for (auto _ : state) {
        for (Core::String const& text : texts) {
            benchmark::DoNotOptimize(Core::Format::parseFloat(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(parseFloat);

} // namespace
