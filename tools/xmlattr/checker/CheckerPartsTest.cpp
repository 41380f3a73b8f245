// The checker's parts that decide on their own: formatter values and tag positions.
#include "FormatterValues.h"
#include "TagPositions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using Tool::Vocabulary;

TEST(FormatterValues, RecognisesExpressionsAndKeywords) {
    struct Row {
        Vocabulary vocabulary;
        std::string_view value;
        bool expected;
    };
    constexpr Vocabulary Fo = Vocabulary::XslFo;
    constexpr Vocabulary Svg = Vocabulary::Svg;
    for (Row const& row : {
             Row{Fo, "inherit", true},
             Row{Fo, " inherit ", true},
             Row{Fo, "10pt * 1.2", true},
             Row{Fo, "1cm + 3cm - 1cm", true},
             Row{Fo, "19em * 0.60+1em", true},
             Row{Fo, "0.60+1em", true},
             Row{Fo, "3cm - 1cm", true},
             Row{Fo, "(10cm) -1cm", true},
             Row{Fo, "1pc div 4", true},
             Row{Fo, "5 mod 3", true},
             Row{Fo, "proportional-column-width(1)", true},
             Row{Fo, "from-parent(font-size)", true},
             Row{Fo, "max(24pt,18pt)", true},
             Row{Fo, "(1cm)", true},
             Row{Fo, "rgb(100,100,100) 1pt + 1pt dashed", true},
             // What the library reads itself.
             Row{Fo, "-1.5cm", false},
             Row{Fo, "+5pt", false},
             Row{Fo, "treat-as-space", false},
             Row{Fo, "first-starting-within-page", false},
             Row{Fo, "body-start()", false},
             Row{Fo, "label-end()", false},
             Row{Fo, "rgb(255,0,0)", false},
             Row{Fo, "rgb-icc(255,0,0,#Coated,0.1)", false},
             Row{Fo, "spot-color(Gold,0.5,cmyk(0,0.2,1,0))", false},
             Row{Fo, "url(a+b*c.png)", false},
             Row{Fo, "'Times New Roman', serif", false},
             Row{Fo, "'a * b'", false},
             Row{Fo, "modern", false},
             Row{Fo, "Inherit", false},
             Row{Svg, "inherit", true},
             Row{Svg, "currentColor", true},
             Row{Svg, "currentcolor", true},
             Row{Svg, " context-fill", true},
             Row{Svg, "context-stroke", true},
             Row{Svg, "10 * 2", false},
             Row{Svg, "rotate(30)", false},
             Row{Svg, "none", false},
         }) {
        SCOPED_TRACE(std::string(row.value));
        EXPECT_EQ(Tool::isFormatterValue(row.vocabulary, row.value), row.expected);
    }
}

using Tool::Position;
using Tool::Range;
using Tool::SourceEncoding;

// The same text in another encoding the reader hands over: UTF-8 is kept, UTF-16 is written in
// either byte order, and a single-byte text is taken as it is.
std::string encoded(std::string_view utf8, SourceEncoding encoding) {
    if (encoding == SourceEncoding::Utf8 || encoding == SourceEncoding::SingleByte) {
        return std::string(utf8);
    }
    std::string out;
    auto const unit = [&](char32_t u) {
        char const high = static_cast<char>(u >> 8);
        char const low = static_cast<char>(u & 0xFF);
        out +=
            encoding == SourceEncoding::Utf16LE ? std::string{low, high} : std::string{high, low};
    };
    for (std::size_t i = 0; i < utf8.size();) {
        auto const lead = static_cast<unsigned char>(utf8[i++]);
        int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t point = more == 0 ? lead : lead & (0x7Fu >> (more + 1));
        for (; more > 0; --more) {
            point = (point << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3Fu);
        }
        if (point >= 0x10000) {
            unit(0xD800 + ((point - 0x10000) >> 10));
            unit(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            unit(point);
        }
    }
    return out;
}

constexpr std::array kEncodings = {SourceEncoding::Utf8, SourceEncoding::Utf16LE,
                                   SourceEncoding::Utf16BE};

std::string shown(Position const& p) {
    return std::to_string(p.line) + ":" + std::to_string(p.column) + "/" +
           std::to_string(p.unitColumn);
}

TEST(TagPositions, FindsEachAttributeOfARawTag) {
    // Quotes of either kind, white space around "=", a line end of each kind, a character of
    // two UTF-8 bytes and one beyond the basic plane (four bytes, two UTF-16 code units), and
    // the rest of the document after the tag. Columns: code points / UTF-16 code units.
    std::string_view const tag = "<a b=\"1\" c = '2'\r\n\td=\"\xC3\xA9\" \xF0\x9F\x98\x80=\"z\"\r"
                                 "e='x'\nf=\"\"/><g h='3'/>";
    struct Row {
        std::string_view name, value;
        std::string_view namePosition, valuePosition, valueEnd;
    };
    std::array const expected = {
        Row{"b", "1", "5:13/14", "5:16/17", "5:17/18"},
        Row{"c", "2", "5:19/20", "5:24/25", "5:25/26"},
        Row{"d", "\xC3\xA9", "6:2/2", "6:5/5", "6:6/6"},
        Row{"\xF0\x9F\x98\x80", "z", "6:8/8", "6:11/12", "6:12/13"},
        Row{"e", "x", "7:1/1", "7:4/4", "7:5/5"},
        Row{"f", "", "8:1/1", "8:4/4", "8:4/4"},
    };
    for (SourceEncoding const encoding : kEncodings) {
        SCOPED_TRACE(static_cast<int>(encoding));
        std::string const source = encoded(tag, encoding);
        std::vector<Tool::RawAttribute> const found =
            Tool::scanStartTag(source, {5, 10, 11}, encoding);
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            SCOPED_TRACE(std::string(expected[i].name));
            EXPECT_TRUE(found[i].isNamed(expected[i].name, encoding));
            EXPECT_EQ(found[i].value, encoded(expected[i].value, encoding));
            EXPECT_EQ(shown(found[i].namePosition), expected[i].namePosition);
            EXPECT_EQ(shown(found[i].valuePosition), expected[i].valuePosition);
            EXPECT_EQ(shown(found[i].valueEnd), expected[i].valueEnd);
        }
    }
    // In a single-byte encoding every byte is a character.
    std::vector<Tool::RawAttribute> const latin =
        Tool::scanStartTag("<a b='\xF0\xA9' c='1'>", {1, 1}, SourceEncoding::SingleByte);
    ASSERT_EQ(latin.size(), 2u);
    EXPECT_EQ(shown(latin[1].namePosition), "1:11/11");
}

TEST(TagPositions, StopsQuietlyAtWhatIsNoTag) {
    for (SourceEncoding const encoding : kEncodings) {
        for (std::string_view const text : {"", "x", "<", "<a b", "<a b=", "<a b=\"1", "<a b=1>"}) {
            SCOPED_TRACE(std::string(text));
            EXPECT_TRUE(Tool::scanStartTag(encoded(text, encoding), {}, encoding).empty());
        }
        EXPECT_EQ(Tool::scanStartTag(encoded("<a b='1' c", encoding), {}, encoding).size(), 1u);
    }
    // Half a code unit at the end is no character.
    EXPECT_EQ(Tool::scanStartTag(std::string_view("<\0a\0 \0b\0=\0'\0'\0>", 15), {},
                                 SourceEncoding::Utf16LE)
                  .size(),
              1u);
}

TEST(TagPositions, TellsUtf16FromTheTagsBytes) {
    struct Row {
        std::string_view bytes;
        SourceEncoding declared, expected;
    };
    for (Row const& row : {
             Row{std::string_view("<\0a\0", 4), SourceEncoding::Utf8, SourceEncoding::Utf16LE},
             Row{std::string_view("\0<\0a", 4), SourceEncoding::SingleByte,
                 SourceEncoding::Utf16BE},
             Row{"<a", SourceEncoding::SingleByte, SourceEncoding::SingleByte},
             Row{"<a", SourceEncoding::Utf8, SourceEncoding::Utf8},
             Row{"<", SourceEncoding::Utf8, SourceEncoding::Utf8},
         }) {
        EXPECT_EQ(Tool::tagEncoding(row.bytes, row.declared), row.expected);
    }
}

// The reader counts code points; the code units of what comes before a tag on its line are
// the code points and one more for each character beyond the basic plane.
TEST(TagPositions, CountsTheExtraCodeUnitsOfTheLine) {
    struct Row {
        std::string_view before;
        long expected;
    };
    for (SourceEncoding const encoding : kEncodings) {
        for (Row const& row : {
                 Row{"", 0},
                 Row{"abc", 0},
                 Row{"\xF0\x9F\x98\x80 \xC3\xA9 \xF0\x9F\x98\x80", 2},
                 Row{"\xF0\x9F\x98\x80\n \xF0\x9F\x98\x80", 1},
                 Row{"\xF0\x9F\x98\x80\r", 0},
             }) {
            SCOPED_TRACE(std::string(row.before));
            EXPECT_EQ(Tool::extraUnitsOnLine(encoded(row.before, encoding), encoding),
                      row.expected);
        }
    }
    EXPECT_EQ(Tool::extraUnitsOnLine("\xF0\xF0", SourceEncoding::SingleByte), 0);
}

TEST(TagPositions, MatchesRawNamesWithDeliveredOnes) {
    struct Row {
        std::string_view raw;
        SourceEncoding encoding;
        std::string_view name;
        bool expected;
    };
    for (Row const& row : {
             Row{"fill", SourceEncoding::Utf8, "fill", true},
             Row{"fill", SourceEncoding::Utf8, "fil", false},
             Row{"fil", SourceEncoding::Utf8, "fill", false},
             Row{"\xE9t\xE9", SourceEncoding::SingleByte, "\xC3\xA9t\xC3\xA9", true},
             Row{"\xE9t", SourceEncoding::SingleByte, "\xC3\xA9t\xC3\xA9", false},
             Row{std::string_view("f\0i\0", 4), SourceEncoding::Utf16LE, "fi", true},
             Row{std::string_view("\0f\0i", 4), SourceEncoding::Utf16BE, "fi", true},
             Row{std::string_view("\0f\0i", 4), SourceEncoding::Utf16LE, "fi", false},
             Row{std::string_view("\xD8\x3D\xDE\x00", 4), SourceEncoding::Utf16BE,
                 "\xF0\x9F\x98\x80", true},
             Row{"\xD8\x3D\xDE\x01", SourceEncoding::Utf16BE, "\xF0\x9F\x98\x80", false},
         }) {
        SCOPED_TRACE(std::string(row.name));
        Tool::RawAttribute attribute;
        attribute.name = row.raw;
        EXPECT_EQ(attribute.isNamed(row.name, row.encoding), row.expected);
    }
}

// Delivered offsets [begin, end) of one raw value: a line end is delivered as one space, a
// character beyond the basic plane is four delivered bytes and two UTF-16 code units.
TEST(TagPositions, PlacesARangeOfTheDeliveredValue) {
    struct Row {
        std::string_view tag;
        std::string_view delivered;
        std::size_t begin, end;
        std::string_view start, stop;
    };
    for (SourceEncoding const encoding : kEncodings) {
        SCOPED_TRACE(static_cast<int>(encoding));
        for (Row const& row : {
                 Row{"<s v='abc'/>", "abc", 0, 3, "1:7/7", "1:10/10"},
                 Row{"<s v='abc'/>", "abc", 1, 2, "1:8/8", "1:9/9"},
                 Row{"<s v='abc'/>", "abc", 2, 2, "1:9/9", "1:9/9"},
                 Row{"<s v='abc'/>", "abc", 2, 1, "1:9/9", "1:9/9"},
                 Row{"<s v='abc'/>", "abc", 2, 99, "1:9/9", "1:10/10"},
                 Row{"<s v='a:1;\r\n b:2'/>", "a:1;  b:2", 6, 9, "2:2/2", "2:5/5"},
                 Row{"<s v='\xF0\x9F\x98\x80 x'/>", "\xF0\x9F\x98\x80 x", 5, 6, "1:9/10",
                     "1:10/11"},
                 Row{"<s v='\xC3\xA9\xF0\x9F\x98\x80'/>", "\xC3\xA9\xF0\x9F\x98\x80", 2, 6, "1:8/8",
                     "1:9/10"},
                 // A reference: the value's own start, and the whole raw value.
                 Row{"<s v='a:&amp;;b:2'/>", "a:&;b:2", 4, 7, "1:7/7", "1:18/18"},
             }) {
            SCOPED_TRACE(std::string(row.tag) + " " + std::to_string(row.begin));
            std::string const source = encoded(row.tag, encoding);
            std::vector<Tool::RawAttribute> const found = Tool::scanStartTag(source, {}, encoding);
            ASSERT_EQ(found.size(), 1u);
            Range const range =
                Tool::rangeInValue(found[0], row.delivered, row.begin, row.end, encoding);
            EXPECT_EQ(shown(range.start), row.start);
            EXPECT_EQ(shown(range.end), row.stop);
        }
    }
}

// One walk serves a whole `style`: positions asked in order, a part asked after its range,
// and an earlier offset after both, each as if asked alone.
TEST(TagPositions, AnswersInAnyOrder) {
    std::string_view const tag = "<s style='a:1;\n\xF0\x9F\x98\x80:2;c:345'/>";
    std::string_view const delivered = "a:1; \xF0\x9F\x98\x80:2;c:345";
    std::vector<Tool::RawAttribute> const found = Tool::scanStartTag(tag, {}, SourceEncoding::Utf8);
    ASSERT_EQ(found.size(), 1u);
    Tool::ValuePositions positions(&found[0], delivered, {}, SourceEncoding::Utf8);
    struct Ask {
        std::size_t begin, end;
    };
    for (Ask const ask : {Ask{2, 3}, Ask{5, 5}, Ask{10, 11}, Ask{14, 17}, Ask{15, 16}, Ask{16, 17},
                          Ask{9, 10}, Ask{0, 17}}) {
        SCOPED_TRACE(std::to_string(ask.begin) + "-" + std::to_string(ask.end));
        Range const alone =
            Tool::rangeInValue(found[0], delivered, ask.begin, ask.end, SourceEncoding::Utf8);
        Range const shared = positions.range(ask.begin, ask.end);
        EXPECT_EQ(shown(shared.start), shown(alone.start));
        EXPECT_EQ(shown(shared.end), shown(alone.end));
    }
    EXPECT_EQ(shown(positions.at(14)), "2:7/8");
    // Without a raw attribute (a DTD supplies it), everything stands where the tag does.
    Tool::ValuePositions supplied(nullptr, "abc", {4, 2, 3}, SourceEncoding::Utf8);
    EXPECT_EQ(supplied.range(1, 2), (Range{{4, 2, 3}, {4, 2, 3}}));
}

} // namespace
