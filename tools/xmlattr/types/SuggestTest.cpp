// Near misses: the edit distance and the suggestions built on it.
#include "Suggest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>

namespace {

TEST(EditDistance, CountsEditsUpToTheLimit) {
    struct Row {
        std::u16string_view a, b;
        bool foldCase;
        int limit, expected;
    };
    for (Row const& row : {
             Row{u"middle", u"middle", false, 2, 0},
             Row{u"midle", u"middle", false, 2, 1},
             Row{u"centre", u"center", false, 2, 1}, // two neighbours swapped
             Row{u"sollid", u"solid", false, 2, 1},
             Row{u"Solid", u"solid", false, 2, 1},
             Row{u"Solid", u"solid", true, 2, 0},
             Row{u"CornflowerBlue", u"cornflowerblue", true, 2, 0},
             Row{u"", u"abc", false, 5, 3},
             Row{u"abc", u"", false, 5, 3},
             // Beyond the limit the answer is the limit plus one, however far.
             Row{u"kitten", u"sitting", false, 1, 2},
             Row{u"a", u"abcdefgh", false, 2, 3},
             Row{u"abcdefgh", u"hgfedcba", false, 3, 4},
         }) {
        SCOPED_TRACE(Core::String(row.a).toUtf8() + " / " + Core::String(row.b).toUtf8());
        EXPECT_EQ(Tool::editDistance(row.a, row.b, row.foldCase, row.limit), row.expected);
    }
}

// A type reading exactly the keywords of a small table, to try the suggestions without
// depending on any one subsystem's table.
constexpr std::array<std::u16string_view, 6> kKeywords = {
    u"before", u"middle", u"after", u"auto", u"objectBoundingBox", u"userSpaceOnUse"};

std::vector<std::u16string_view> keywords() { return {kKeywords.begin(), kKeywords.end()}; }

bool acceptsKeyword(Core::String const& text) {
    return std::find(kKeywords.begin(), kKeywords.end(), text.view()) != kKeywords.end();
}

Tool::Parsed notUsed(Core::String const&) { return {}; }

// Listed nowhere: suggestions do not look at the list.
constexpr Tool::ValueType kKeywordType{.listed = 0,
                                       .name = "Keyword",
                                       .description = "",
                                       .family = Xml::TypeFamily::Keyword,
                                       .accepts = acceptsKeyword,
                                       .parse = notUsed,
                                       .written = nullptr,
                                       .describeLeading = nullptr,
                                       .keywords = keywords,
                                       .hasTextForm = false,
                                       .holds = nullptr,
                                       .describeHeld = nullptr,
                                       .readHeld = nullptr};

struct SuggestionRow {
    std::u16string_view text;
    char const* expected; // null: no suggestion
};

// Each row's text through `suggest`, which gives what it offers for a text.
template <class Suggest>
void expectSuggestions(std::initializer_list<SuggestionRow> rows, Suggest suggest) {
    for (SuggestionRow const& row : rows) {
        Core::String const text{row.text};
        SCOPED_TRACE(text.toUtf8());
        std::optional<std::string> const suggestion = suggest(text);
        EXPECT_EQ(suggestion.value_or("(none)"), row.expected ? row.expected : "(none)");
    }
}

TEST(Suggest, OffersAcceptedNearMisses) {
    using Row = SuggestionRow;
    expectSuggestions(
        {
            Row{u"midle", "middle"},
            Row{u"Middle", "middle"},
            Row{u"objectboundingbox", "objectBoundingBox"},
            Row{u"USERSPACEONUSE", "userSpaceOnUse"},
            Row{u" after ", "after"},
            Row{u"afetr", "after"},
            // Short keywords allow one edit only; nothing is offered for what is far.
            Row{u"aut", "auto"},
            Row{u"ato", "auto"},
            Row{u"axt", nullptr},
            Row{u"bottom", nullptr},
            Row{u"", nullptr},
        },
        [](Core::String const& text) { return Tool::suggest(kKeywordType, text); });
}

// The plain fixes beyond keywords: a missing "#", a trailing ";", capitals in a unit.
TEST(Suggest, OffersPlainFixes) {
    auto const accepts = [](Core::String const& text) {
        return text.view() == u"#ffd264" || text.view() == u"0.8" || text.view() == u"12pt";
    };
    using Row = SuggestionRow;
    expectSuggestions(
        {
            Row{u"ffd264", "#ffd264"},
            Row{u"0.8;", "0.8"},
            Row{u" 0.8 ; ;", "0.8"},
            Row{u"12PT", "12pt"},
            Row{u"ffd26", nullptr},
            Row{u"12 PT", nullptr},
        },
        [&accepts](Core::String const& text) {
            return Tool::suggest(text, std::span<std::u16string_view const>(), accepts);
        });
}

// A grammar's keywords, in UTF-8 and in two lists, as the standard's tables hold them: of
// keywords as near, the first in the lists' order is offered.
constexpr std::array<std::string_view, 2> kPaintKeywords = {"none", "currentColor"};
constexpr std::array<std::string_view, 6> kColourKeywords = {"black", "blue", "green",
                                                             "grey",  "red",  "lightsteelblue"};

TEST(Suggest, OffersKeywordsOfAGrammar) {
    auto const accepts = [](Core::String const& text) {
        std::string const utf8 = text.toUtf8();
        return std::find(kPaintKeywords.begin(), kPaintKeywords.end(), utf8) !=
                   kPaintKeywords.end() ||
               std::find(kColourKeywords.begin(), kColourKeywords.end(), utf8) !=
                   kColourKeywords.end();
    };
    using Row = SuggestionRow;
    expectSuggestions(
        {
            Row{u"reed", "red"},
            Row{u"gren", "green"}, // as near as "grey", and listed first
            Row{u"Blakc", "black"},
            Row{u"currentcolor", "currentColor"},
            Row{u"lightsteelbleu", "lightsteelblue"},
            Row{u"yellow", nullptr},
            Row{u"", nullptr},
        },
        [&accepts](Core::String const& text) {
            return Tool::suggest(text, {kPaintKeywords, kColourKeywords}, accepts);
        });
}

} // namespace
