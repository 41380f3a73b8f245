// Every path, transform, view box and dash pattern of the real documents in corpus/: nothing
// that must read fails, and every number written is read (the sanitizer build adds: nothing is read
// outside the text).
#include "xmlattr/length/SNullableLength.h"
#include "xmlattr/svg/PathDataCommand.h"
#include "xmlattr/svg/TransformListAttribute.h"
#include "xmlattr/svg/ViewBox.h"

#include "testing/Corpus.h"

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <string>
#include <vector>

namespace Xml {
namespace {

// The numbers of a text as the standard library reads them (it takes no "+"). In path data a
// letter begins a command, and of an arc's every seven arguments the fourth and fifth are
// one-digit flags.
std::vector<float> numbersIn(std::string const& text, bool path = false) {
    std::vector<float> numbers;
    std::size_t commandStart = 0;
    bool arc = false;
    for (std::size_t i = 0; i < text.size();) {
        char const c = text[i];
        std::size_t const argument = (numbers.size() - commandStart) % 7;
        float value = 0;
        auto const [end, error] =
            std::from_chars(text.data() + i + (c == '+' ? 1 : 0), text.data() + text.size(), value);
        if (path && std::isalpha(static_cast<unsigned char>(c))) {
            arc = c == 'a' || c == 'A';
            commandStart = numbers.size();
            ++i;
        } else if (path && arc && (argument == 3 || argument == 4) && (c == '0' || c == '1')) {
            numbers.push_back(c == '1' ? 1.0f : 0.0f);
            ++i;
        } else if (error == std::errc()) {
            numbers.push_back(value);
            i = static_cast<std::size_t>(end - text.data());
        } else {
            ++i;
        }
    }
    return numbers;
}

TEST(SvgCorpus, PathDataReadsEveryNumber) {
    // Arguments by command type, from the description's table.
    constexpr std::size_t kArguments[] = {0, 0, 2, 0, 2, 1, 1, 6, 4, 4, 2, 7};
    auto const rows = xmlattr_testing::corpusValues("svg-attributes.tsv", {"d"});
    ASSERT_GT(rows.size(), 1000u);
    for (auto const& row : rows) {
        std::string const text = row.value.toUtf8();
        SCOPED_TRACE(text);
        TXmlAttribute<Core::Vector<PathDataCommand>> attribute;
        ASSERT_TRUE(attribute.parseValue(row.value));
        std::size_t read = 0;
        for (PathDataCommand const& command : *attribute) {
            read += kArguments[command.type];
        }
        EXPECT_EQ(read, numbersIn(text, true).size());
        EXPECT_EQ(attribute->capacity(), attribute->size());
    }
}

// The arguments a transform holds, as many as its text gave.
std::vector<double> argumentsOf(Transform const& t, std::size_t given) {
    switch (t.type) {
    case Matrix:
        return {std::begin(t.matrix), std::end(t.matrix)};
    case Translate:
        return given == 1 ? std::vector<double>{t.tx->getSize()}
                          : std::vector<double>{t.tx->getSize(), t.ty->getSize()};
    case Scale:
        return given == 1 ? std::vector<double>{t.sx} : std::vector<double>{t.sx, t.sy};
    case Rotate:
        return given == 1 ? std::vector<double>{t.angle}
                          : std::vector<double>{t.angle, t.cx->getSize(), t.cy->getSize()};
    default:
        return {t.skewAngleX};
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
        std::size_t start = 0;
        for (Transform const& t : *attribute) {
            std::size_t const close = text.find(')', start);
            ASSERT_NE(close, std::string::npos);
            std::string const item = text.substr(start, close - start);
            start = close + 1;
            constexpr char const* kNames[] = {"",        "matrix(", "translate(", "scale(",
                                              "rotate(", "skewX(",  "skewY("};
            EXPECT_NE(item.find(kNames[t.type]), std::string::npos) << item;
            std::vector<float> const written = numbersIn(item);
            std::vector<double> expected(written.begin(), written.end());
            EXPECT_EQ(argumentsOf(t, written.size()), expected) << item;
        }
        EXPECT_EQ(text.find(')', start), std::string::npos);
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

TEST(SvgCorpus, DashPatternsReadEveryNumber) {
    auto const rows = xmlattr_testing::corpusValues("svg-attributes.tsv", {"stroke-dasharray"});
    ASSERT_FALSE(rows.empty());
    for (auto const& row : rows) {
        SCOPED_TRACE(row.value.toUtf8());
        TXmlAttribute<Core::Vector<SLength>> attribute;
        ASSERT_TRUE(attribute.parseValue(row.value));
        std::vector<float> const n = numbersIn(row.value.toUtf8());
        ASSERT_EQ(static_cast<std::size_t>(attribute->size()), n.size());
        for (std::size_t i = 0; i < n.size(); ++i) {
            EXPECT_EQ((*attribute)[static_cast<int>(i)].getSize(), n[i]);
        }
    }
}

} // namespace
} // namespace Xml
