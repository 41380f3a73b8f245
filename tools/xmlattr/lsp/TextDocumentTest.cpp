// Positions both ways in the three encodings, line ends of every kind, and edits.
#include "lsp/TextDocument.h"

#include <gtest/gtest.h>

namespace {

using Tool::Lsp::PositionEncoding;
using Tool::Lsp::ProtocolPosition;
using Tool::Lsp::TextDocument;

// "a", e acute (2 bytes), a CJK ideograph (3), an emoji beyond the basic plane (4), "b".
constexpr char kMixed[] = "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"
                          "b";

TEST(TextDocument, ByteOffsetsToPositions) {
    TextDocument const document(std::string("x\n") + kMixed);
    struct Row {
        std::size_t offset; // into the second line
        long utf8;
        long utf16;
        long utf32;
    };
    // clang-format off
    Row const rows[] = {
        {0, 0, 0, 0}, {1, 1, 1, 1}, {3, 3, 2, 2}, {6, 6, 3, 3}, {10, 10, 5, 4}, {11, 11, 6, 5},
        // Inside a character: its start.
        {2, 1, 1, 1}, {8, 6, 3, 3},
        // Past the end: the end.
        {99, 11, 6, 5},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(row.offset);
        std::size_t const offset = 2 + row.offset;
        EXPECT_EQ(document.positionOf(offset, PositionEncoding::Utf8),
                  (ProtocolPosition{1, row.utf8}));
        EXPECT_EQ(document.positionOf(offset, PositionEncoding::Utf16),
                  (ProtocolPosition{1, row.utf16}));
        EXPECT_EQ(document.positionOf(offset, PositionEncoding::Utf32),
                  (ProtocolPosition{1, row.utf32}));
    }
}

TEST(TextDocument, PositionsToByteOffsets) {
    TextDocument const document(std::string(kMixed) + "\nend");
    struct Row {
        PositionEncoding encoding;
        ProtocolPosition position;
        std::size_t offset;
    };
    // clang-format off
    Row const rows[] = {
        {PositionEncoding::Utf16, {0, 3}, 6},  {PositionEncoding::Utf16, {0, 5}, 10},
        {PositionEncoding::Utf32, {0, 4}, 10}, {PositionEncoding::Utf8, {0, 10}, 10},
        // Between the halves of a surrogate pair, or inside a UTF-8 sequence: the start.
        {PositionEncoding::Utf16, {0, 4}, 6},  {PositionEncoding::Utf8, {0, 8}, 6},
        // Past the line's end: before its line feed; past the last line: the text's end.
        {PositionEncoding::Utf16, {0, 40}, 11}, {PositionEncoding::Utf16, {7, 0}, 15},
        {PositionEncoding::Utf16, {1, 2}, 14},  {PositionEncoding::Utf16, {-1, -5}, 0},
    };
    // clang-format on
    for (Row const& row : rows) {
        SCOPED_TRACE(std::to_string(row.position.line) + ":" +
                     std::to_string(row.position.character));
        EXPECT_EQ(document.offsetOf(row.position, row.encoding), row.offset);
    }
}

TEST(TextDocument, LineEnds) {
    struct Row {
        char const* text;
        long lines;
        std::size_t offset;
        ProtocolPosition position;
    };
    Row const rows[] = {
        {"one\r\ntwo", 2, 5, {1, 0}},
        {"one\r\ntwo", 2, 4, {0, 3}}, // between CR and LF: the line's end
        {"one\rtwo\nthree", 3, 4, {1, 0}},
        {"one\r", 2, 4, {1, 0}},
        {"\n\n", 3, 2, {2, 0}},
        {"", 1, 0, {0, 0}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.text);
        TextDocument const document(row.text);
        EXPECT_EQ(document.lineCount(), row.lines);
        EXPECT_EQ(document.positionOf(row.offset, PositionEncoding::Utf16), row.position);
    }
}

TEST(TextDocument, EditsKeepLinesAndCharactersWhole) {
    TextDocument document(std::string(kMixed) + "\r\nsecond");
    // As a UTF-16 client sends them: after the emoji, across the line end, a new line.
    document.replace(document.offsetOf({0, 5}, PositionEncoding::Utf16),
                     document.offsetOf({1, 1}, PositionEncoding::Utf16), "X\nY");
    EXPECT_EQ(document.text(), "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80X\nYecond");
    EXPECT_EQ(document.lineCount(), 2);
    EXPECT_EQ(document.positionOf(document.text().size(), PositionEncoding::Utf16),
              (ProtocolPosition{1, 6}));
    // Reversed or out-of-range ends are clamped, never read past the text.
    document.replace(500, 2, "!");
    EXPECT_EQ(document.text().back(), '!');
}

} // namespace
