// Every measure attribute over the values real documents carry: reading allocates nothing,
// and what a writer gives reads back as the same value.
#include <xmlattr/xmlattr.h>

#include "testing/Corpus.h"

#include <gtest/gtest.h>

#include <typeinfo>
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

template <class... T> int parseAll(Core::String const& text) {
    return ((TXmlAttribute<T>().parseValue(text) ? 1 : 0) + ...);
}

TEST(MeasureCorpus, ParsingDoesNotAllocate) {
    ASSERT_GT(corpus().size(), 4000u);
    auto const before = Core::Allocator::allocations();
    int accepted = 0;
    for (auto const& row : corpus()) {
        accepted +=
            parseAll<Length, SLength, LengthOrPercent, SLengthOrPercent, FloatOrPercent, Margin,
                     LengthOrPercentAuto, TableWidth, ColumnWidth, LeaderPatternWidth,
                     ContentLength, DLength, BorderWidth, SNullableLength, FontSize, Indent,
                     LetterSpacing, SSpacing, AlignmentBaseline, AlignmentAdjust, BaselineShift,
                     SBaselineShift, TabStopType, STextDecoration, BackgroundPosition,
                     BackgroundSize, PageDimension, InitialPageNumber, InitialSheetNumber>(
                row.value);
    }
    EXPECT_EQ(Core::Allocator::allocations(), before);
    EXPECT_GT(accepted, 10000);
}

// A fraction written as a percentage need not read back as the same float, so written
// texts with "%" are left out.
template <class T> void expectRoundTrip() {
    SCOPED_TRACE(typeid(T).name());
    int checked = 0;
    for (auto const& row : corpus()) {
        TXmlAttribute<T> value;
        if (!value.parseValue(row.value)) {
            continue;
        }
        Core::String const written = value.getValueAsString();
        if (written.find(u"%") >= 0) {
            continue;
        }
        SCOPED_TRACE(row.attribute + "=" + row.value.toUtf8() + " -> " + written.toUtf8());
        TXmlAttribute<T> reread;
        ASSERT_TRUE(reread.parseValue(written));
        EXPECT_EQ(reread, value);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

template <class... T> void expectRoundTrips() { (expectRoundTrip<T>(), ...); }

TEST(MeasureCorpus, WrittenValuesReadBack) {
    expectRoundTrips<Length, LengthOrPercent, LengthOrPercentAuto, ContentLength, BorderWidth,
                     FontSize, Indent, LetterSpacing, AlignmentBaseline, AlignmentAdjust,
                     BaselineShift, BackgroundPosition, BackgroundSize>();
}

} // namespace
} // namespace Xml
