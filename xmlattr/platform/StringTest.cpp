// Core::String: storage, the operations parsers rely on, and UTF-8 conversion.
#include "xmlattr/platform/String.h"

#include "xmlattr/platform/Allocator.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <unordered_set>
#include <utility>

namespace Core {
namespace {

using namespace std::literals;

std::string utf8(String const& text) { return text.toUtf8(); }

TEST(String, StorageCopiesAndMoves) {
    auto const before = Allocator::allocations();
    auto const full = static_cast<std::size_t>(String::kInlineCapacity);
    std::u16string const units(full + 1, u'7');
    String inlineFull(std::u16string_view(units).substr(0, full));
    String copy(inlineFull);
    copy = String(u"abc");
    copy.append(u"def");
    EXPECT_EQ(Allocator::allocations(), before);
    EXPECT_EQ(inlineFull.length(), static_cast<int>(full));
    EXPECT_EQ(String(u"rgb(255,255,255)").length(), 16); // the longest colour text stays inline
    EXPECT_EQ(Allocator::allocations(), before);
    String pastInline(units);
    EXPECT_EQ(Allocator::allocations(), before + 1);
    EXPECT_EQ(pastInline.c_str()[full + 1], u'\0');

    String longText(u"a text longer than the inline storage");
    copy = longText;
    String moved = std::move(copy);
    EXPECT_EQ(moved, longText);
    EXPECT_TRUE(copy.empty()); // NOLINT(bugprone-use-after-move): a moved-from text is empty
    String const& alias = moved;
    moved = alias;
    EXPECT_EQ(moved, longText);
    moved.append(moved.view()); // appending itself, growing on the way
    EXPECT_EQ(utf8(moved), utf8(longText) + utf8(longText));
    String small(u"abc");
    small.append(small.view());
    EXPECT_EQ(small, String(u"abcabc"));
    EXPECT_EQ(String(u"abc", -1), String());
    EXPECT_EQ(String(static_cast<char16_t const*>(nullptr)), String());
    EXPECT_EQ(String(u"abcdef", 3), String(u"abc"));
    // A default view has no storage; neither building nor appending may copy from it.
    EXPECT_EQ(String(std::u16string_view()), String());
    EXPECT_EQ(small.append(std::u16string_view()), String(u"abcabc"));
}

#if defined(_WIN32)
TEST(String, FromWindowsWideText) {
    EXPECT_EQ(String(L"12pt"), String(u"12pt"));
    // Past the inline storage, with a surrogate pair kept as its two code units.
    EXPECT_EQ(String(L"caf\u00e9 \U0001F600 and more text"),
              String(u"caf\u00e9 \U0001F600 and more text"));
    EXPECT_EQ(String(L""), String());
    EXPECT_EQ(String(static_cast<wchar_t const*>(nullptr)), String());
}
#endif

TEST(String, Compare) {
    // clang-format off
    struct Row { char16_t const* a; char16_t const* b; int exact; int noCase; }; // signs only
    Row const rows[] = {
        {u"auto", u"auto", 0, 0},       {u"AUTO", u"auto", -1, 0}, {u"Wrap", u"wrap", -1, 0},
        {u"auto", u"auto ", -1, -1},    {u"", u"", 0, 0},          {u"a", u"", 1, 1},
        {u"[", u"{", -1, -1},           // outside the letters nothing is folded
        {u"\u00C9", u"\u00E9", -1, -1}, // ASCII letters only
        {u"en-US", u"en-us", -1, 0},
    };
    // clang-format on
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (Row const& row : rows) {
        SCOPED_TRACE(utf8(row.a) + " / " + utf8(row.b));
        EXPECT_EQ(sign(String(row.a).compare(row.b)), row.exact);
        EXPECT_EQ(sign(String(row.a).compareNoCase(row.b)), row.noCase);
    }
}

TEST(String, IndicesOutsideTheTextAreClamped) {
    String const text(u"rgb-icc(1,2)");
    EXPECT_EQ(std::u16string({text[0], text[12], text[-1], String()[0]}), u"r\0\0\0"sv);
    EXPECT_TRUE(text.startsWith(u"rgb") && text.startsWith(u""));
    EXPECT_FALSE(text.startsWith(u"rgb-icc(1,2)x"));
    EXPECT_EQ(text.find(u"("), 7);
    EXPECT_EQ(text.find(u","), 9);
    EXPECT_EQ(text.find(u",", 10), -1);
    EXPECT_EQ(text.find(u"r", -5), 0);
    EXPECT_EQ(text.find(u"", 12), 12);
    EXPECT_EQ(text.find(u"", 13), -1);
    EXPECT_EQ(text.subString(8, 10), String(u"1,2"));
    EXPECT_EQ(text.subString(-4, 2), String(u"rgb"));
    EXPECT_EQ(text.subString(8, 99), String(u"1,2)"));
    EXPECT_EQ(text.subString(5, 4), String());
}

TEST(String, SplitGivesNoEmptyPieces) {
    // clang-format off
    std::pair<char16_t const*, char const*> const rows[] = {
        {u"2pt 3pt 4pt gray", "[2pt][3pt][4pt][gray]"}, {u"  2pt   3pt ", "[2pt][3pt]"},
        {u"", ""}, {u"   ", ""}, {u"one", "[one]"}, {u"a\tb\nc\rd\fe\vf", "[a][b][c][d][e][f]"},
    };
    // clang-format on
    for (auto const& [text, expected] : rows) {
        std::string pieces;
        for (String const& piece : String(text).split(u" \t\n\r\f\v")) {
            pieces += "[" + utf8(piece) + "]";
        }
        EXPECT_EQ(pieces, expected) << utf8(text);
    }
}

// White space is the C locale's six, each of them trimmed here; digits are ASCII only.
TEST(String, TrimAndCharacterClasses) {
    EXPECT_EQ(String(u" \t x y \r\n").trim(), String(u"x y"));
    EXPECT_EQ(String(u"   ").trim(), String());
    EXPECT_EQ(String(u"\u00A0x").trim(), String(u"\u00A0x"));
    String longText(u"\v\f  a text that lives on the heap    ");
    EXPECT_EQ(longText.trim(), String(u"a text that lives on the heap"));
    // No-break space, line separator, next line, ideographic space, U+0120 (its low byte a
    // space); slash, colon, Arabic-Indic zero, fullwidth one.
    for (char16_t unit : std::u16string(u"x\u00A0\u2028\u0085\u3000\u0120/:\u0660\uFF11")) {
        EXPECT_FALSE(String::isSpace(unit) || String::isDigit(unit)) << int(unit);
    }
}

TEST(String, Utf8) {
    // clang-format off
    std::pair<std::string, std::u16string> const rows[] = {
        {"en-us", u"en-us"}, {"\xC3\xA9\xE2\x82\xAC", u"\u00E9\u20AC"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"a\xFF" "b", u"a\uFFFDb"},                   // not a lead byte
        {"\xC3", u"\uFFFD"},                           // cut short at the end
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                 // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},       // an encoded surrogate
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    // clang-format on
    for (auto const& [bytes, units] : rows) {
        EXPECT_EQ(std::u16string(String(bytes).view()), units) << bytes;
    }
    EXPECT_EQ(String(std::u16string_view(u"\U0001F600x")).toUtf8(), "\xF0\x9F\x98\x80x");
    EXPECT_EQ(String(std::u16string_view(u"\xD800x")).toUtf8(), "\xEF\xBF\xBDx"); // unpaired
    EXPECT_EQ(String(std::u16string_view(u"x\xDC00")).toUtf8(), "x\xEF\xBF\xBD");
}

TEST(String, StandardLibraryInterop) {
    // UTF-8 from a view and from a u8 literal, as from a std::string.
    EXPECT_EQ(String(std::string_view("caf\xC3\xA9 x", 5)).view(), u"caf\u00E9");
    EXPECT_EQ(String(u8"\u00E9t\u00E9").view(), u"\u00E9t\u00E9");
    String const text(u"ab\u00E9");
    EXPECT_EQ(std::u16string(text.begin(), text.end()), u"ab\u00E9");
    String const empty;
    EXPECT_EQ(empty.begin(), empty.end());
    // Code-unit order keys a map: "B" (0x42) sorts before "a", "a" before "ab", U+00E9 last.
    std::map<String, int> const ordered{{u"ab", 3}, {u"\u00E9", 4}, {u"a", 2}, {u"B", 1}};
    EXPECT_EQ(ordered.begin()->first, String(u"B"));
    EXPECT_EQ(ordered.rbegin()->first, String(u"\u00E9"));
    EXPECT_TRUE(String(u"a") < String(u"ab") && String(u"b") > String(u"ab"));
    EXPECT_EQ(String(u"x") <=> String(u"x"), std::strong_ordering::equal);
    // Equal texts hash alike whatever their storage; unordered containers find them.
    String const longText(u"a text longer than the inline storage");
    String heapCopy(u"a text");
    heapCopy += u" longer than the inline storage";
    EXPECT_EQ(std::hash<String>{}(longText), std::hash<String>{}(heapCopy));
    std::unordered_set<String> const set{longText, String(u"12pt")};
    EXPECT_EQ(set.count(heapCopy), 1u);
    EXPECT_EQ(set.count(String(u"12PT")), 0u);
    std::ostringstream out;
    out << String(u"\u00E9") << '|' << String(u"\xD800");
    EXPECT_EQ(out.str(), "\xC3\xA9|\xEF\xBF\xBD");
}

TEST(String, Messages) {
    for (int id : {30000, 30001, 30002}) {
        String const pattern = String::loadString(id);
        EXPECT_TRUE(pattern.find(u"{0}") != -1 && pattern.find(u"{1}") == -1) << id;
    }
    EXPECT_TRUE(String::loadString(29999).empty());
}

} // namespace
} // namespace Core
