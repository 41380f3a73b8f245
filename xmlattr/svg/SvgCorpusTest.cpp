// Every path, transform and view box of the real documents in corpus/: nothing that must
// read fails, and every number written is read (the sanitizer build adds: nothing is read
// outside the text).
#include "xmlattr/svg/PathDataCommand.h"
#include "xmlattr/svg/TransformListAttribute.h"
#include "xmlattr/svg/ViewBox.h"

#include "testing/Corpus.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace Xml {
namespace {

// The length of the number at `at`, read by the standard library (which takes no "+"); 0 for none.
std::size_t numberAt(std::string const& text, std::size_t at, float& value) {
    std::size_t const start = text[at] == '+' ? at + 1 : at;
    auto const result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    return result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - text.data()) - at : 0;
}

std::vector<float> numbersIn(std::string const& text) {
    std::vector<float> numbers;
    for (std::size_t i = 0; i < text.size();) {
        float value = 0;
        std::size_t const length = numberAt(text, i, value);
        if (length > 0) {
            numbers.push_back(value);
        }
        i += length > 0 ? length : 1;
    }
    return numbers;
}

// The numbers of path data counted on their own terms: a letter sets the command, and of an
// arc's every seven arguments the fourth and fifth are one-digit flags. Fails on any other
// character that is neither a separator nor a number.
int numbersInPath(std::string const& text) {
    int count = 0;
    int argument = 0;
    bool arc = false;
    for (std::size_t i = 0; i < text.size();) {
        char const c = text[i];
        float value = 0;
        if (std::string_view("MmZzLlHhVvCcSsQqTtAa").find(c) != std::string_view::npos) {
            arc = c == 'a' || c == 'A';
            argument = 0;
            ++i;
        } else if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r') {
            ++i;
        } else if (arc && (argument % 7 == 3 || argument % 7 == 4)) {
            EXPECT_TRUE(c == '0' || c == '1') << "flag at " << i;
            ++count, ++argument, ++i;
        } else {
            std::size_t const length = numberAt(text, i, value);
            EXPECT_GT(length, 0u) << "no number at " << i;
            ++count, ++argument, i += length > 0 ? length : 1;
        }
    }
    return count;
}

TEST(SvgCorpus, PathDataReadsEveryNumber) {
    // Arguments by command type, from the description's table.
    constexpr int kArguments[] = {0, 0, 2, 0, 2, 1, 1, 6, 4, 4, 2, 7};
    auto const rows = xmlattr_testing::corpusValues("svg-attributes.tsv", {"d"});
    ASSERT_GT(rows.size(), 1000u);
    for (auto const& row : rows) {
        std::string const text = row.value.toUtf8();
        SCOPED_TRACE(text);
        TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
        ASSERT_TRUE(attribute.parseValue(row.value));
        int read = 0;
        for (PathDataCommand const& command : *attribute) {
            read += kArguments[command.type];
        }
        EXPECT_EQ(read, numbersInPath(text));
        EXPECT_EQ(attribute->capacity(), attribute->size());
    }
}

TEST(SvgCorpus, TransformsReadEveryItemAndNumber) {
    auto const rows =
        xmlattr_testing::corpusValues("svg-attributes.tsv", {"transform", "gradientTransform"});
    ASSERT_GT(rows.size(), 500u);
    for (auto const& row : rows) {
        std::string const text = row.value.toUtf8();
        SCOPED_TRACE(text);
        TXmlAttribute<Core::Vector<Transform>> attribute;
        ASSERT_TRUE(attribute.parseValue(row.value));
        ASSERT_EQ(attribute->size(), 1);
        Transform const& t = (*attribute)[0];
        std::vector<double> read(std::begin(t.matrix), std::end(t.matrix));
        if (text.starts_with("translate(")) {
            ASSERT_EQ(t.type, Translate);
            read = {t.tx->getSize(), t.ty->getSize()};
        } else if (text.starts_with("scale(")) {
            ASSERT_EQ(t.type, Scale);
            read = {t.sx, t.sy};
        } else {
            ASSERT_EQ(t.type, Matrix) << "a kind this test does not know";
        }
        std::vector<float> const written = numbersIn(text);
        ASSERT_LE(written.size(), read.size());
        for (std::size_t i = 0; i < written.size(); ++i) {
            EXPECT_EQ(read[i], static_cast<double>(written[i])) << i;
        }
    }
}

TEST(SvgCorpus, ViewBoxesReadTheirFourNumbers) {
    auto const rows = xmlattr_testing::corpusValues("svg-attributes.tsv", {"viewBox"});
    ASSERT_GT(rows.size(), 10u);
    for (auto const& row : rows) {
        SCOPED_TRACE(row.value.toUtf8());
        TXmlAttribute<ViewBox> attribute;
        ASSERT_TRUE(attribute.parseValue(row.value));
        std::vector<float> const n = numbersIn(row.value.toUtf8());
        ASSERT_EQ(n.size(), 4u);
        auto px = [](float size) { return SLengthOrPercent(size, SLength::UnitPx); };
        EXPECT_EQ(*attribute, ViewBox(px(n[0]), px(n[1]), px(n[2]), px(n[3])));
    }
}

} // namespace
} // namespace Xml
