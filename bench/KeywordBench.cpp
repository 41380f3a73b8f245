// Throughput of the keyword readers on the keyword values real documents carry.
#include <xmlattr/xmlattr.h>

#include "testing/KeywordCorpus.h"

#include <benchmark/benchmark.h>

namespace {

void parseKeywords(benchmark::State& state) {
    auto const values = xmlattr_testing::keywordCorpus();
    auto const allocations = Core::Allocator::allocations();
    for (auto _ : state) {
        for (xmlattr_testing::KeywordValue const& value : values) {
            benchmark::DoNotOptimize(value.parse(value.text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
    state.counters["allocations"] =
        static_cast<double>(Core::Allocator::allocations() - allocations);
}
BENCHMARK(parseKeywords);

// The longest any-case table, searched to its end: the worst a keyword lookup costs.
void parseLastDataMatrixFormat(benchmark::State& state) {
    Core::String const text(u"c16x48");
    Xml::TXmlAttribute<Xml::DMFormat> attribute;
    for (auto _ : state) {
        benchmark::DoNotOptimize(attribute.parseValue(text));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(parseLastDataMatrixFormat);

} // namespace
