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
