// Findings after an edit inside one value must be what a check of the whole text gives,
// field for field; the tests also say which edits are taken without that check.
#include "lsp/ValueEdit.h"
#include "lsp/TestDocuments.h"

#include "features/DocumentScan.h"
#include "types/ValueType.h"

#include <gtest/gtest.h>


namespace {

using namespace Tool::Lsp;

constexpr PositionEncoding kEncodings[] = {PositionEncoding::Utf8, PositionEncoding::Utf16,
                                           PositionEncoding::Utf32};

std::vector<DocumentDiagnostic> checked(TextDocument const& document, PositionEncoding encoding) {
    return diagnosticsOf(checkHeldText(document.text(), "file:///d"), document, encoding);
}

void expectSame(std::vector<DocumentDiagnostic> const& made,
                std::vector<DocumentDiagnostic> const& expected) {
    ASSERT_EQ(made.size(), expected.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        SCOPED_TRACE(expected[i].message);
        EXPECT_EQ(made[i].range, expected[i].range);
        EXPECT_EQ(made[i].value, expected[i].value);
        EXPECT_EQ(made[i].place, expected[i].place);
        EXPECT_EQ(made[i].severity, expected[i].severity);
        EXPECT_EQ(made[i].finding, expected[i].finding);
        EXPECT_EQ(made[i].message, expected[i].message);
        EXPECT_EQ(made[i].notes, expected[i].notes);
        EXPECT_EQ(made[i].suggestion, expected[i].suggestion);
    }
}

// Replaces `[at, at + length)` of `before` and compares the two ways of finding; true when
// the edit was taken without a whole check.
bool editAgrees(std::string const& before, std::size_t at, std::size_t length,
                std::string_view replacement, PositionEncoding encoding) {
    TextDocument const old(before);
    std::string text = before;
    text.replace(at, length, replacement);
    TextDocument const document(text);
    std::optional<std::vector<DocumentDiagnostic>> const made =
        diagnosticsAfterValueEdit(before, checked(old, encoding), document, encoding, "file:///d");
    if (made) {
        expectSame(*made, checked(document, encoding));
    }
    return made.has_value();
}

constexpr char kSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg">)";
constexpr char kFo[] = R"(<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format">)";

TEST(ValueEdit, TakenOnlyWhereNothingElseCanChange) {
    Tool::captureLibraryLog();
    struct Row {
        char const* name;
        std::string before;
        char const* at;     // the edit starts at the first occurrence of this
        std::size_t skip;   // bytes into it
        std::size_t length; // bytes replaced
        char const* replacement;
        bool taken;
    };
    // An emoji and a CJK character before the edit on its line: every encoding counts them
    // differently, and what follows on the line moves.
    std::string const wide = "<!-- \xF0\x9F\x98\x80\xE4\xB8\xAD -->";
    std::string const line = std::string(kSvg) + "\n" + wide +
                             R"(<rect fill="reed" stroke-width="-1"/><circle r="x" style="opacity: 2; fill: bluee"/>)" +
                             "\n</svg>";
    // clang-format off
    Row const rows[] = {
        {"a letter typed", line, "reed", 2, 0, "e", true},
        {"a letter taken", line, "reed", 1, 1, "", true},
        {"a value mended", line, "reed", 0, 4, "red", true},
        {"a value emptied", line, "\"-1\"", 1, 2, "", true},
        {"inside a style", line, "opacity: 2", 9, 1, "0.5", true},
        {"the last value", line, "bluee", 4, 1, "", true},
        {"a quote ends the value", line, "reed", 4, 0, "\"", false},
        {"an entity", line, "reed", 0, 0, "&amp;", false},
        {"a url may refer", line, "reed", 0, 4, "url(#a)", false},
        {"beside a tag", line, "<circle", 0, 0, " ", false},
        {"an attribute's name", line, "fill=", 1, 0, "i", false},
        {"an id names", std::string(kSvg) + "\n<g id=\"a\"/><g id=\"a\"/></svg>", "\"a\"", 1, 0, "b", false},
        {"a note names this line", std::string(kSvg) + "\n<g id=\"a\"/><g id=\"a\" fill=\"x\"/></svg>", "\"x\"", 1, 0, "y", false},
        {"the same length beside such a note", std::string(kSvg) + "\n<g id=\"a\" fill=\"x\"/><g id=\"a\"/></svg>", "\"x\"", 1, 1, "y", true},
        {"a tag over lines", std::string(kFo) + "\n<fo:block\n  font-size=\"12pq\"\n  color=\"reed\">x</fo:block></fo:root>", "12pq", 3, 1, "t", true},
        {"an FO reference", std::string(kFo) + "\n<fo:basic-link internal-destination=\"a\"/></fo:root>", "\"a\"", 1, 0, "b", false},
        {"the root itself", R"(<svg xmlns="http://www.w3.org/2000/svg" width="1q"/>)", "1q", 1, 1, "", true},
        {"a bare svg root", "<svg width=\"1\">\n<rect height=\"-2\"/></svg>", "-2", 0, 1, "", true},
        {"a default namespace undone", std::string(kSvg) + "\n<g xmlns=\"\"><rect height=\"-2\"/></g></svg>", "-2", 0, 1, "", false},
        {"a prefix declared twice", "<s:svg xmlns:s=\"http://www.w3.org/2000/svg\">\n<s:g xmlns:s=\"http://www.w3.org/2000/svg\">\n<s:rect height=\"-2\"/></s:g></s:svg>", "-2", 0, 1, "", true},
        {"a document type", std::string("<!DOCTYPE svg>\n") + kSvg + "\n<rect height=\"-2\"/></svg>", "-2", 0, 1, "", false},
        {"not well-formed", std::string(kSvg) + "\n<rect height=\"-2\"/>", "-2", 0, 1, "", false},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(row.name);
        std::size_t const at = row.before.find(row.at);
        ASSERT_NE(at, std::string::npos);
        for (PositionEncoding encoding : kEncodings) {
            SCOPED_TRACE(static_cast<int>(encoding));
            EXPECT_EQ(editAgrees(row.before, at + row.skip, row.length, row.replacement, encoding),
                      row.taken);
        }
    }
}

// Every value of real documents, edited as an author would: a character typed at its start
// and at its end, one taken, the value replaced by a keyword and by a length.
TEST(ValueEdit, AgreesWithAWholeCheckOnDocuments) {
    Tool::captureLibraryLog();
    auto const documents = Testing::realDocuments();
    ASSERT_FALSE(documents.empty());
    std::size_t taken = 0;
    std::size_t edits = 0;
    for (auto const& [path, text] : documents) {
        SCOPED_TRACE(path.string());
        std::vector<TextSpan> values;
        DocumentScanner scanner(text);
        ScannedElement element;
        while (scanner.next(element) && values.size() < 60) {
            for (ScannedAttribute const& attribute : *element.attributes) {
                values.push_back(attribute.valueSpan);
            }
        }
        for (std::size_t i = 0; i < values.size(); i += 1 + values.size() / 20) {
            TextSpan const value = values[i];
            PositionEncoding const encoding = kEncodings[i % 3];
            struct Edit {
                std::size_t at;
                std::size_t length;
                std::string_view text;
            };
            for (Edit const edit : {Edit{value.begin, 0, "x"}, Edit{value.end, 0, "%"},
                                    Edit{value.begin, std::min<std::size_t>(value.size(), 1), ""},
                                    Edit{value.begin, value.size(), "red"},
                                    Edit{value.begin, value.size(), "12pt"}}) {
                ++edits;
                if (editAgrees(text, edit.at, edit.length, edit.text, encoding)) {
                    ++taken;
                }
                if (HasFailure()) {
                    return;
                }
            }
        }
    }
    // Most values name and refer to nothing: most edits are taken without a whole check.
    EXPECT_GT(taken * 2, edits) << taken << " of " << edits;
}

} // namespace
