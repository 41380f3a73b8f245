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

constexpr std::string_view kCommandLetters = "MmZzLlHhVvCcSsQqTtAa";

bool isSeparator(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r'; }

// Reads a number at `at` with the standard library (which has no "+" sign); 0 chars when none.
std::size_t numberAt(std::string const& text, std::size_t at, float& value) {
    std::size_t const start = at < text.size() && text[at] == '+' ? at + 1 : at;
    auto const result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    return result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - text.data()) - at : 0;
}

// The numbers of path data counted on their own terms: a command letter sets the command, an
// arc's fourth and fifth argument of every seven is a one-digit flag, anything else is a number.
// Fails the test on a character that is none of these.
int numbersInPath(std::string const& text) {
    int count = 0;
    char command = 0;
    int argument = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        char const c = text[i];
        if (kCommandLetters.find(c) != std::string_view::npos) {
            command = c;
            argument = 0;
            ++i;
        } else if (isSeparator(c)) {
            ++i;
        } else if ((command == 'a' || command == 'A') && (argument % 7 == 3 || argument % 7 == 4)) {
            EXPECT_TRUE(c == '0' || c == '1') << "flag at " << i;
            ++count, ++argument, ++i;
        } else {
            float value = 0;
            std::size_t const length = numberAt(text, i, value);
            EXPECT_GT(length, 0u) << "no number at " << i;
            ++count, ++argument, i += length > 0 ? length : 1;
        }
    }
    return count;
}

int argumentsOf(PathCommandType type) {
    switch (type) {
    case MoveTo:
    case LineTo:
    case SmoothQuadraticCurveTo:
        return 2;
    case HorizontalLineTo:
    case VerticalLineTo:
        return 1;
    case CurveTo:
        return 6;
    case SmoothCurveTo:
    case QuadraticCurveTo:
        return 4;
    case Arc:
        return 7;
    default:
        return 0;
    }
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

TEST(SvgCorpus, PathDataReadsEveryNumber) {
    auto const rows = xmlattr_testing::corpusValues("svg-attributes.tsv", {"d"});
    ASSERT_GT(rows.size(), 1000u);
    for (auto const& row : rows) {
        std::string const text = row.value.toUtf8();
        SCOPED_TRACE(text);
        TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
        ASSERT_TRUE(attribute.parseValue(row.value));
        int read = 0;
        for (PathDataCommand const& command : *attribute) {
            read += argumentsOf(command.type);
            EXPECT_EQ(command.x.getUnit(), SLength::UnitPx);
        }
        EXPECT_FALSE(attribute->empty());
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
        Transform const& item = (*attribute)[0];
        std::vector<float> const numbers = numbersIn(text);
        std::vector<double> read;
        if (text.starts_with("matrix(")) {
            ASSERT_EQ(item.type, Matrix);
            read.assign(std::begin(item.matrix), std::end(item.matrix));
        } else if (text.starts_with("translate(")) {
            ASSERT_EQ(item.type, Translate);
            read = {item.tx->getSize(), item.ty->getSize()};
            read.resize(numbers.size());
        } else {
            ASSERT_TRUE(text.starts_with("scale(")) << "a kind this test does not know";
            ASSERT_EQ(item.type, Scale);
            read = {item.sx, item.sy};
            read.resize(numbers.size());
        }
        ASSERT_EQ(read.size(), numbers.size());
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            EXPECT_EQ(read[i], static_cast<double>(numbers[i])) << i;
        }
    }
}

TEST(SvgCorpus, ViewBoxesReadTheirFourNumbers) {
    auto const rows = xmlattr_testing::corpusValues("svg-attributes.tsv", {"viewBox"});
    ASSERT_GT(rows.size(), 10u);
    for (auto const& row : rows) {
        std::string const text = row.value.toUtf8();
        SCOPED_TRACE(text);
        TXmlAttribute<ViewBox> attribute;
        ASSERT_TRUE(attribute.parseValue(row.value));
        std::vector<float> const numbers = numbersIn(text);
        ASSERT_EQ(numbers.size(), 4u);
        EXPECT_EQ(*attribute, ViewBox(SLengthOrPercent(numbers[0], SLength::UnitPx),
                                      SLengthOrPercent(numbers[1], SLength::UnitPx),
                                      SLengthOrPercent(numbers[2], SLength::UnitPx),
                                      SLengthOrPercent(numbers[3], SLength::UnitPx)));
    }
}

} // namespace
} // namespace Xml
