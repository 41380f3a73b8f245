// Throughput of the measure readers on the values real documents carry, beside parseLength.
#include <xmlattr/xmlattr.h>

#include "testing/Corpus.h"

#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

namespace {

using Parse = bool (*)(Core::String const&);

template <class T> bool parseAs(Core::String const& text) {
    T value;
    return Xml::ValueTraits<T>::parse(value, text);
}

// Which reader the engine hands the values of an attribute to; a "*" in the name stands
// for any run of characters.
struct Route {
    std::string_view pattern;
    Parse parse;
};

bool matches(std::string_view pattern, std::string_view name) {
    std::size_t const star = pattern.find('*');
    if (star == std::string_view::npos) {
        return pattern == name;
    }
    std::string_view const head = pattern.substr(0, star);
    std::string_view const tail = pattern.substr(star + 1);
    return name.size() >= head.size() + tail.size() && name.starts_with(head) &&
           name.ends_with(tail);
}

// clang-format off
Route const kFoRoutes[] = {
    {"font-size", parseAs<Xml::FontSize>},
    {"margin*", parseAs<Xml::Margin>},
    {"space-*", parseAs<Xml::LengthOrPercent>},
    {"padding*", parseAs<Xml::LengthOrPercent>},
    {"line-height", parseAs<Xml::LengthOrPercent>},
    {"provisional-*", parseAs<Xml::LengthOrPercent>},
    {"leader-length", parseAs<Xml::LengthOrPercent>},
    {"extent", parseAs<Xml::LengthOrPercent>},
    {"column-gap", parseAs<Xml::LengthOrPercent>},
    {"width", parseAs<Xml::LengthOrPercentAuto>},
    {"height", parseAs<Xml::LengthOrPercentAuto>},
    {"inline-progression-dimension", parseAs<Xml::LengthOrPercentAuto>},
    {"column-width", parseAs<Xml::ColumnWidth>},
    {"content-height", parseAs<Xml::ContentLength>},
    {"content-width", parseAs<Xml::ContentLength>},
    {"border*width", parseAs<Xml::BorderWidth>},
    {"start-indent", parseAs<Xml::Indent>},
    {"end-indent", parseAs<Xml::Indent>},
    {"last-line-end-indent", parseAs<Xml::Indent>},
    {"page-height", parseAs<Xml::PageDimension>},
    {"page-width", parseAs<Xml::PageDimension>},
    {"initial-page-number", parseAs<Xml::InitialPageNumber>},
    {"background-position-*", parseAs<Xml::BackgroundPosition>},
    {"leader-pattern-width", parseAs<Xml::LeaderPatternWidth>},
};
Route const kSvgRoutes[] = {
    {"x", parseAs<Xml::SLengthOrPercent>},
    {"y", parseAs<Xml::SLengthOrPercent>},
    {"width", parseAs<Xml::SLengthOrPercent>},
    {"height", parseAs<Xml::SLengthOrPercent>},
    {"font-size", parseAs<Xml::SLengthOrPercent>},
    {"stroke-width", parseAs<Xml::SNullableLength>},
    {"stroke-dashoffset", parseAs<Xml::SNullableLength>},
    {"stroke-dasharray", parseAs<Core::Vector<Xml::SLength>>},
    {"letter-spacing", parseAs<Xml::SSpacing>},
    {"word-spacing", parseAs<Xml::SSpacing>},
    {"baseline-shift", parseAs<Xml::SBaselineShift>},
    {"dominant-baseline", parseAs<Xml::AlignmentBaseline>},
    {"text-decoration", parseAs<Xml::STextDecoration>},
};
// clang-format on

struct Job {
    Parse parse;
    Core::String text;
};

template <std::size_t N>
void addJobs(std::vector<Job>& jobs, char const* file, Route const (&routes)[N]) {
    for (auto const& row : xmlattr_testing::corpusValues(file)) {
        for (Route const& route : routes) {
            if (matches(route.pattern, row.attribute)) {
                jobs.push_back({route.parse, row.value});
                break;
            }
        }
    }
}

std::vector<Job> measureJobs() {
    std::vector<Job> jobs;
    addJobs(jobs, "fo-attributes.tsv", kFoRoutes);
    addJobs(jobs, "svg-attributes.tsv", kSvgRoutes);
    return jobs;
}

// Each measure value of the corpus through the reader of its attribute.
void parseMeasures(benchmark::State& state) {
    std::vector<Job> const jobs = measureJobs();
    auto const allocations = Core::Allocator::allocations();
    for (auto _ : state) {
        for (Job const& job : jobs) {
            benchmark::DoNotOptimize(job.parse(job.text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(jobs.size()));
    state.counters["values"] = static_cast<double>(jobs.size());
    state.counters["allocations"] =
        static_cast<double>(Core::Allocator::allocations() - allocations);
}
BENCHMARK(parseMeasures);

// The same values through parseLength alone: the cost of the number and unit underneath.
void parseLengthOnMeasures(benchmark::State& state) {
    std::vector<Job> const jobs = measureJobs();
    for (auto _ : state) {
        for (Job const& job : jobs) {
            Xml::Length value;
            benchmark::DoNotOptimize(Xml::Length::parseLength(value, job.text));
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(jobs.size()));
}
BENCHMARK(parseLengthOnMeasures);

// Every value of the documents, as parseLength reads them, for a like-for-like comparison.
template <class T> void parseEveryValue(benchmark::State& state, char const* file) {
    std::vector<Core::String> texts;
    for (auto const& row : xmlattr_testing::corpusValues(file)) {
        texts.push_back(row.value);
    }
    auto const allocations = Core::Allocator::allocations();
    for (auto _ : state) {
        for (Core::String const& text : texts) {
            T value;
            benchmark::DoNotOptimize(Xml::ValueTraits<T>::parse(value, text));
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
    state.counters["allocations"] =
        static_cast<double>(Core::Allocator::allocations() - allocations);
}
void parseLengthOrPercent(benchmark::State& state) {
    parseEveryValue<Xml::LengthOrPercent>(state, "fo-attributes.tsv");
}
BENCHMARK(parseLengthOrPercent);
void parseSLengthOrPercent(benchmark::State& state) {
    parseEveryValue<Xml::SLengthOrPercent>(state, "svg-attributes.tsv");
}
BENCHMARK(parseSLengthOrPercent);
void parseFontSize(benchmark::State& state) {
    parseEveryValue<Xml::FontSize>(state, "fo-attributes.tsv");
}
BENCHMARK(parseFontSize);
void parseBorderWidth(benchmark::State& state) {
    parseEveryValue<Xml::BorderWidth>(state, "fo-attributes.tsv");
}
BENCHMARK(parseBorderWidth);

} // namespace
