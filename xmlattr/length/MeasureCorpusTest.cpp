// Every measure attribute over the values real documents carry: reading allocates nothing,
// and what a writer gives reads back as the same value.
#include <xmlattr/AttributeTypes.h>

#include "testing/Corpus.h"

#include <gtest/gtest.h>

#include <vector>

namespace Xml {
namespace {

std::vector<xmlattr_testing::CorpusValue> const& corpus() {
    static std::vector<xmlattr_testing::CorpusValue> const rows = [] {
        auto all = xmlattr_testing::corpusValues("fo-attributes.tsv");
        auto const svg = xmlattr_testing::corpusValues("svg-attributes.tsv");
        all.insert(all.end(), svg.begin(), svg.end());
        return all;
    }();
    return rows;
}

// The measures and keywords of the library's list; keywords read back in KeywordTablesTest.
template <class T>
constexpr bool kMeasureOrKeyword = kTypeDescription<T>.family == TypeFamily::Measure ||
                                   kTypeDescription<T>.family == TypeFamily::Keyword;

// Those whose value holds no memory read without the heap.
template <class... T> int parseAll(Core::String const& text, TypeList<T...>) {
    return (
        (kMeasureOrKeyword<T> && !OwningValue<T> && TXmlAttribute<T>().parseValue(text) ? 1 : 0) +
        ...);
}

TEST(MeasureCorpus, ParsingDoesNotAllocate) {
    ASSERT_GT(corpus().size(), 4000u);
    auto const before = Core::Allocator::allocations();
    int accepted = 0;
    for (auto const& row : corpus()) {
        accepted += parseAll(row.value, AttributeTypes());
    }
    EXPECT_EQ(Core::Allocator::allocations(), before);
    EXPECT_GT(accepted, 10000);
}

template <class T> void expectRoundTrip() {
    SCOPED_TRACE(kTypeDescription<T>.name.data());
    int checked = 0;
    for (auto const& row : corpus()) {
        TXmlAttribute<T> value;
        if (!value.parseValue(row.value)) {
            continue;
        }
        Core::String const written = value.getValueAsString();
        SCOPED_TRACE(row.attribute + "=" + row.value.toUtf8() + " -> " + written.toUtf8());
        TXmlAttribute<T> reread;
        ASSERT_TRUE(reread.parseValue(written));
        EXPECT_EQ(reread, value);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

template <class... T> void expectRoundTrips(TypeList<T...>) {
    ((kTypeDescription<T>.family == TypeFamily::Measure && HasTextForm<T> ? expectRoundTrip<T>()
                                                                          : void()),
     ...);
}

TEST(MeasureCorpus, WrittenValuesReadBack) { expectRoundTrips(AttributeTypes()); }

} // namespace
} // namespace Xml
