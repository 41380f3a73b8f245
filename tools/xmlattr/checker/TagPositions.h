// Where each attribute of a start tag stands in the source, which the XML reader does not
// say: the tag's raw text is walked from the position the reader gives for the tag.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace Tool {

/// A place in a document: line from 1, column from 1 in characters, as compilers count.
struct Position {
    long line = 1;
    long column = 1;
};

/// How many bytes make one character: the column count of the reader's own rule.
enum class SourceEncoding : unsigned char { Utf8, SingleByte };

/// One attribute of a start tag as written.
struct RawAttribute {
    std::string_view name;
    Position namePosition;
    /// The value between the quotation marks, untouched by entity expansion or
    /// normalisation, and the position of its first character.
    std::string_view value;
    Position valuePosition;
};

namespace detail {

// Steps over one character of the source, keeping line and column.
class Walker {
public:
    Walker(std::string_view source, Position start, SourceEncoding encoding)
        : m_source(source), m_position(start), m_encoding(encoding) {}

    bool atEnd() const noexcept { return m_at >= m_source.size(); }
    char peek() const noexcept { return atEnd() ? '\0' : m_source[m_at]; }
    std::size_t offset() const noexcept { return m_at; }
    Position position() const noexcept { return m_position; }

    void step() noexcept;

private:
    std::string_view m_source;
    std::size_t m_at = 0;
    Position m_position;
    SourceEncoding m_encoding;
};

} // namespace detail

/// Positions of offsets into one attribute's delivered value, asked for in increasing
/// order: each walks on from the last, so a long `style` costs one pass in all. Without the
/// raw attribute (one a DTD supplies), every offset stands at `fallback`.
class ValuePositions {
public:
    ValuePositions(RawAttribute const* attribute, std::string_view delivered, Position fallback,
                   SourceEncoding encoding);
    Position at(std::size_t offset) noexcept;

private:
    std::string_view m_delivered;
    detail::Walker m_walker;
    bool m_exact;
    std::size_t m_done = 0;
};

/// The attributes of the start tag at the beginning of `source`, which stands at `start`.
/// A line ends at a line feed, a carriage return, or both together. Stops quietly at
/// anything that is not a well-formed tag, so the result may be short; the caller checks.
std::vector<RawAttribute> scanStartTag(std::string_view source, Position start,
                                       SourceEncoding encoding);

/// The position of the character `offset` bytes into an attribute's delivered value, found
/// in its raw text: each raw character is one delivered character (white space becomes a
/// space, a line end one space). When the raw text holds a reference ("&amp;") that
/// correspondence is lost and the value's own position is given.
Position positionInValue(RawAttribute const& attribute, std::string_view delivered,
                         std::size_t offset, SourceEncoding encoding);

} // namespace Tool
