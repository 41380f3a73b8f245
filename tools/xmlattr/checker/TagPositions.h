// Where each attribute of a start tag stands in the source, which the XML reader does not
// say: the tag's raw text is walked from the position the reader gives for the tag.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace Tool {

/// A place in a document: line from 1, and the column from 1 counted two ways. People and
/// compilers count characters (code points); editors and SARIF count UTF-16 code units, in
/// which a character beyond the basic plane takes two.
struct Position {
    long line = 1;
    long column = 1;     // code points
    long unitColumn = 1; // UTF-16 code units

    Position() = default;
    Position(long atLine, long atColumn, long atUnitColumn) noexcept
        : line(atLine), column(atColumn), unitColumn(atUnitColumn) {}
    /// Where nothing beyond the basic plane precedes on the line, both counts agree.
    Position(long atLine, long atColumn) noexcept : Position(atLine, atColumn, atColumn) {}

    friend bool operator==(Position const&, Position const&) = default;
};

/// Whether `a` stands before `b` in the document: the order of a report's diagnostics.
inline bool before(Position const& a, Position const& b) noexcept {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
}

/// A stretch of a document: from its first character to just after its last.
struct Range {
    Position start;
    Position end;

    friend bool operator==(Range const&, Range const&) = default;
};

/// How the source's bytes make characters: the column count of the reader's own rule. The
/// reader hands over the raw bytes in the document's own encoding.
enum class SourceEncoding : unsigned char { Utf8 = 0, SingleByte = 1, Utf16LE = 2, Utf16BE = 3 };

/// The encoding of the tag at the start of `tag`: UTF-16 shows in its first two bytes, as no
/// element name starts with a NUL; otherwise the one the document declared.
SourceEncoding tagEncoding(std::string_view tag, SourceEncoding declared) noexcept;

/// How many more UTF-16 code units than code points the text of the line before the end of
/// `before` takes: one for each character beyond the basic plane since the last line end.
/// Only what `before` holds is counted.
long extraUnitsOnLine(std::string_view before, SourceEncoding encoding) noexcept;

/// One attribute of a start tag as written.
struct RawAttribute {
    /// The name's raw bytes, in the source's encoding.
    std::string_view name;
    Position namePosition;
    /// The value between the quotation marks, untouched by entity expansion or
    /// normalisation, and the positions of its first character and of its closing quote.
    std::string_view value;
    Position valuePosition;
    Position valueEnd;

    /// Whether the raw name spells UTF-8 `name`.
    bool isNamed(std::string_view name, SourceEncoding encoding) const noexcept;
};

namespace detail {

// Steps over one character of the source, keeping line and both columns.
class Walker {
public:
    Walker(std::string_view source, Position start, SourceEncoding encoding)
        : m_source(source), m_position(start), m_encoding(encoding) {}

    bool atEnd() const noexcept;
    /// The character at hand when it is ASCII; a byte of 0x80 or more otherwise.
    char peek() const noexcept;
    std::size_t offset() const noexcept { return m_at; }
    Position position() const noexcept { return m_position; }

    void step() noexcept;
    /// Steps up to the next `c` (an ASCII character) or the end, in one pass over the bytes.
    void stepTo(char c) noexcept;

private:
    bool wide() const noexcept {
        return m_encoding == SourceEncoding::Utf16LE || m_encoding == SourceEncoding::Utf16BE;
    }
    unsigned unitAt(std::size_t at) const noexcept;

    std::string_view m_source;
    std::size_t m_at = 0;
    Position m_position;
    SourceEncoding m_encoding;
};

} // namespace detail

/// Positions of offsets into one attribute's delivered value. They are best asked for in
/// increasing order, each walking on from the last, so a long `style` costs one pass in all;
/// a range's part asked for after the range walks again from the range's start only.
/// Where the delivered value does not match its raw text character for character (the raw
/// text holds a reference, "&amp;"), every offset stands at the value's start and every range
/// is the whole raw value; without a raw attribute (one a DTD supplies), at `fallback`.
class ValuePositions {
public:
    ValuePositions(RawAttribute const* attribute, std::string_view delivered, Position fallback,
                   SourceEncoding encoding);

    /// Where the character `offset` bytes into the delivered value stands; its end for an
    /// offset at or past it.
    Position at(std::size_t offset) noexcept;
    /// The stretch of delivered bytes [begin, end).
    Range range(std::size_t begin, std::size_t end) noexcept;

private:
    struct State {
        detail::Walker walker;
        std::size_t done = 0;
    };

    std::string_view m_delivered;
    State m_start;
    State m_state;
    State m_mark;
    Range m_whole;
    bool m_exact;
};

/// The attributes of the start tag at the beginning of `source`, which stands at `start`.
/// A line ends at a line feed, a carriage return, or both together. Stops quietly at
/// anything that is not a well-formed tag, so the result may be short; the caller checks.
std::vector<RawAttribute> scanStartTag(std::string_view source, Position start,
                                       SourceEncoding encoding);

/// The range of delivered bytes [begin, end) of an attribute's value, found in its raw text:
/// each raw character is one delivered character (white space becomes a space, a line end one
/// space), so a raw UTF-16 pair is one delivered character of four bytes.
Range rangeInValue(RawAttribute const& attribute, std::string_view delivered, std::size_t begin,
                   std::size_t end, SourceEncoding encoding);

} // namespace Tool
