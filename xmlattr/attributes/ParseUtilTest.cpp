// ParseUtil: where each step leaves the cursor, and what it cuts out.
#include "xmlattr/attributes/ParseUtil.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

struct SkipRow {
    char16_t const* text;
    int from;
    bool moved;
    int to;
};

TEST(ParseUtil, SkipWhiteSpace) {
    SkipRow const rows[] = {
        {u"  ab", 0, true, 2},         {u"  ab", 2, false, 2}, {u"  ab", 4, false, 4},
        {u"  ab", 9, false, 9}, // past the end: not moved, not clamped
        {u"\t\n\v\f\r x", 0, true, 6}, {u"", 0, false, 0},     {u" ", 0, true, 1},
        {u"\u00A0x", 0, false, 0}, // only the C locale's white space
        {u"  ab", -3, true, 2},    // a negative position counts as 0
    };
    for (SkipRow const& row : rows) {
        SCOPED_TRACE(testing::Message() << Core::String(row.text).toUtf8() << " from " << row.from);
        int pos = row.from;
        EXPECT_EQ(ParseUtil::skipWhiteSpace(row.text, pos), row.moved);
        EXPECT_EQ(pos, row.to);
    }
}

TEST(ParseUtil, SkipNonWhiteSpace) {
    SkipRow const rows[] = {
        {u"ab  c", 0, true, 2}, {u"ab  c", 2, false, 2}, {u"ab  c", 4, true, 5},
        {u"ab", 2, false, 2},   {u"", 0, false, 0},      {u"a(b c)", 0, true, 3},
    };
    for (SkipRow const& row : rows) {
        SCOPED_TRACE(testing::Message() << Core::String(row.text).toUtf8() << " from " << row.from);
        int pos = row.from;
        EXPECT_EQ(ParseUtil::skipNonWhiteSpace(row.text, pos), row.moved);
        EXPECT_EQ(pos, row.to);
    }
}

struct ExtractRow {
    char16_t const* text;
    int from;
    char16_t const* piece;
    int to;
};

TEST(ParseUtil, ExtractWord) {
    ExtractRow const rows[] = {
        {u"  meet slice", 0, u"meet", 6},
        {u"  meet slice", 6, u"slice", 12},
        {u"  meet slice", 12, u"", 12},
        {u"", 0, u"", 0},
        {u"   ", 0, u"", 3},
        {u"a,b c", 0, u"a,b", 3},
        {u"x", 0, u"x", 1},
        {u"x", 5, u"", 5},
    };
    for (ExtractRow const& row : rows) {
        SCOPED_TRACE(testing::Message() << Core::String(row.text).toUtf8() << " from " << row.from);
        int pos = row.from;
        EXPECT_EQ(ParseUtil::extractWord(row.text, pos), Core::String(row.piece));
        EXPECT_EQ(pos, row.to);
    }
}

TEST(ParseUtil, ExtractWordOrFunction) {
    ExtractRow const rows[] = {
        {u"translate(10, 20) scale(2)", 0, u"translate(10, 20)", 17},
        {u"translate(10, 20) scale(2)", 17, u"scale(2)", 26},
        {u"f(g(x)) y", 0, u"f(g(x)", 6}, // parentheses do not nest
        {u"rotate(45", 0, u"rotate(45", 9},
        {u"(a)", 0, u"(a)", 3},
        {u"  word next", 0, u"word", 6},
        {u"a (b)", 0, u"a", 1}, // white space ends the name before any "("
        {u"f()", 0, u"f()", 3},
        {u"(", 0, u"(", 1},
        {u"", 0, u"", 0},
        {u" \t", 0, u"", 2},
    };
    for (ExtractRow const& row : rows) {
        SCOPED_TRACE(testing::Message() << Core::String(row.text).toUtf8() << " from " << row.from);
        int pos = row.from;
        EXPECT_EQ(ParseUtil::extractWordOrFunction(row.text, pos), Core::String(row.piece));
        EXPECT_EQ(pos, row.to);
    }
}

} // namespace
} // namespace Xml
