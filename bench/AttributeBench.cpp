// Every attribute type of the library reading every corpus value, accepted or not: what each
// reader costs on the texts documents carry, one benchmark per type of `Xml::AttributeTypes`.
#include <xmlattr/AttributeTypes.h>

#include "testing/Corpus.h"

#include <benchmark/benchmark.h>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

std::vector<Core::String> const& corpusTexts() {
    static std::vector<Core::String> const texts = [] {
        std::vector<Core::String> all;
        for (char const* file : {"fo-attributes.tsv", "svg-attributes.tsv"}) {
            for (xmlattr_testing::CorpusValue& row : xmlattr_testing::corpusValues(file)) {
                all.push_back(std::move(row.value));
            }
        }
        return all;
    }();
    return texts;
}

template <class T> void readCorpus(benchmark::State& state) {
    // The colour readers log what they reject; recording that is no part of reading.
    Core::Log::Sink const previous =
        Core::Log::setSink([](Core::Log::Level, Core::String const&) {});
    std::vector<Core::String> const& texts = corpusTexts();
    Xml::TXmlAttribute<T> attribute;
    for (auto _ : state) {
        for (Core::String const& text : texts) {
            benchmark::DoNotOptimize(static_cast<Xml::XmlAttribute&>(attribute).parseValue(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
    Core::Log::setSink(previous);
}

template <class T> std::string nameOf() {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> const name(
        abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status), std::free);
    return "readCorpus<" + std::string(status == 0 ? name.get() : typeid(T).name()) + ">";
}

template <class... T> bool registerEach(Xml::TypeList<T...>) {
    (benchmark::RegisterBenchmark(nameOf<T>().c_str(), readCorpus<T>), ...);
    return true;
}
[[maybe_unused]] bool const kRegistered = registerEach(Xml::AttributeTypes());

} // namespace
