// The text of an open document, and where its bytes stand as the protocol counts positions:
// lines from 0 and characters from 0 in UTF-8, UTF-16 or UTF-32 code units, as negotiated.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

enum class PositionEncoding : unsigned char { Utf16 = 0, Utf8 = 1, Utf32 = 2 };

/// The protocol's name of an encoding ("utf-16").
std::string_view encodingName(PositionEncoding encoding) noexcept;

/// A place as the protocol gives it: line and character from 0, the character in code units of
/// the negotiated encoding.
struct ProtocolPosition {
    long line = 0;
    long character = 0;

    friend bool operator==(ProtocolPosition const&, ProtocolPosition const&) = default;
};

/// UTF-8 text held with the offsets of its line starts. A line ends at a line feed, a carriage
/// return, or both together, as the protocol and the checker both count them.
class TextDocument {
public:
    TextDocument() = default;
    explicit TextDocument(std::string text);

    std::string const& text() const noexcept { return m_text; }
    long lineCount() const noexcept { return static_cast<long>(m_lineStarts.size()); }
    /// The offset of the first byte of `line` (from 0), which must exist.
    std::size_t lineStart(long line) const noexcept;
    /// The offset just after the last character of `line`, before its line end.
    std::size_t lineEnd(long line) const noexcept;

    /// Where the byte `offset` stands. An offset inside a character or a line end stands at
    /// its start; one past the text at the text's end.
    ProtocolPosition positionOf(std::size_t offset, PositionEncoding encoding) const noexcept;
    /// The byte offset of `position`. A character past its line's end stands at that end, a
    /// line past the last at the text's end, a place inside a character at the character's
    /// start; negative numbers count as 0.
    std::size_t offsetOf(ProtocolPosition position, PositionEncoding encoding) const noexcept;
    /// The offset `characters` code points after the start of `line`, or the line's end.
    std::size_t offsetOfCodePoint(long line, long characters) const noexcept;

    /// Replaces the bytes [begin, end), both clamped to the text, with `replacement`.
    void replace(std::size_t begin, std::size_t end, std::string_view replacement);
    void assign(std::string text);

private:
    void index();

    std::string m_text;
    std::vector<std::size_t> m_lineStarts{0};
};

/// The bytes of the UTF-8 character that `lead` starts (1 for a byte that starts none).
std::size_t utf8Length(unsigned char lead) noexcept;
/// The code units in `encoding` of a character of `bytes` UTF-8 bytes.
long codeUnits(std::size_t bytes, PositionEncoding encoding) noexcept;

} // namespace Tool::Lsp
