// Line starts, and the walk from a line's start that turns bytes into code units and back.
#include "TextDocument.h"

#include <algorithm>
#include <cstring>

namespace Tool::Lsp {

namespace {

bool isContinuation(char c) noexcept { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

} // namespace

// Only a character beyond the basic plane, four bytes in UTF-8, takes two UTF-16 units.
long codeUnits(std::size_t bytes, PositionEncoding encoding) noexcept {
    switch (encoding) {
    case PositionEncoding::Utf8:
        return static_cast<long>(bytes);
    case PositionEncoding::Utf16:
        return bytes == 4 ? 2 : 1;
    case PositionEncoding::Utf32:
        break;
    }
    return 1;
}

std::string_view encodingName(PositionEncoding encoding) noexcept {
    switch (encoding) {
    case PositionEncoding::Utf8:
        return "utf-8";
    case PositionEncoding::Utf32:
        return "utf-32";
    case PositionEncoding::Utf16:
        break;
    }
    return "utf-16";
}

std::size_t utf8Length(unsigned char lead) noexcept {
    if (lead >= 0xF0U) {
        return 4;
    }
    if (lead >= 0xE0U) {
        return 3;
    }
    return lead >= 0xC0U ? 2 : 1;
}

TextDocument::TextDocument(std::string text) : m_text(std::move(text)) { index(); }

void TextDocument::assign(std::string text) {
    m_text = std::move(text);
    index();
}

void TextDocument::index() {
    m_lineStarts.assign(1, 0);
    char const* const begin = m_text.data();
    std::size_t const size = m_text.size();
    std::size_t at = 0;
    while (at < size) {
        void const* const found = std::memchr(begin + at, '\n', size - at);
        std::size_t const lineFeed =
            found != nullptr ? static_cast<std::size_t>(static_cast<char const*>(found) - begin)
                             : size;
        // A carriage return not followed by a line feed ends a line of its own.
        for (std::size_t i = at; i < lineFeed; ++i) {
            if (begin[i] == '\r' && (i + 1 != lineFeed || lineFeed == size)) {
                m_lineStarts.push_back(i + 1);
            }
        }
        if (lineFeed == size) {
            break;
        }
        m_lineStarts.push_back(lineFeed + 1);
        at = lineFeed + 1;
    }
}

std::size_t TextDocument::lineStart(long line) const noexcept {
    return m_lineStarts[static_cast<std::size_t>(line)];
}

std::size_t TextDocument::lineEnd(long line) const noexcept {
    auto const next = static_cast<std::size_t>(line) + 1;
    if (next >= m_lineStarts.size()) {
        return m_text.size();
    }
    std::size_t end = m_lineStarts[next] - 1;
    if (m_text[end] == '\n' && end > m_lineStarts[next - 1] && m_text[end - 1] == '\r') {
        --end;
    }
    return end;
}

ProtocolPosition TextDocument::positionOf(std::size_t offset,
                                          PositionEncoding encoding) const noexcept {
    offset = std::min(offset, m_text.size());
    auto const after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    long const line = static_cast<long>(after - m_lineStarts.begin()) - 1;
    std::size_t const start = lineStart(line);
    offset = std::min(offset, lineEnd(line));
    while (offset > start && isContinuation(m_text[offset])) {
        --offset;
    }
    if (encoding == PositionEncoding::Utf8) {
        return {line, static_cast<long>(offset - start)};
    }
    long character = 0;
    for (std::size_t at = start; at < offset;) {
        std::size_t const bytes = utf8Length(static_cast<unsigned char>(m_text[at]));
        character += codeUnits(bytes, encoding);
        at += bytes;
    }
    return {line, character};
}

std::size_t TextDocument::offsetOf(ProtocolPosition position,
                                   PositionEncoding encoding) const noexcept {
    if (position.line >= lineCount()) {
        return m_text.size();
    }
    long const line = std::max(position.line, 0L);
    std::size_t const start = lineStart(line);
    std::size_t const end = lineEnd(line);
    auto const wanted = static_cast<std::size_t>(std::max(position.character, 0L));
    if (encoding == PositionEncoding::Utf8) {
        std::size_t offset = std::min(start + std::min(wanted, end - start), end);
        while (offset > start && isContinuation(m_text[offset])) {
            --offset;
        }
        return offset;
    }
    std::size_t at = start;
    long units = 0;
    while (at < end) {
        std::size_t const bytes = utf8Length(static_cast<unsigned char>(m_text[at]));
        long const next = units + codeUnits(bytes, encoding);
        // A place between the two halves of a surrogate pair stands at the character's start.
        if (static_cast<std::size_t>(next) > wanted) {
            break;
        }
        units = next;
        at = std::min(at + bytes, end);
    }
    return at;
}

std::size_t TextDocument::offsetOfCodePoint(long line, long characters) const noexcept {
    return offsetOf({line, characters}, PositionEncoding::Utf32);
}

void TextDocument::replace(std::size_t begin, std::size_t end, std::string_view replacement) {
    begin = std::min(begin, m_text.size());
    end = std::clamp(end, begin, m_text.size());
    m_text.replace(begin, end - begin, replacement);
    index();
}

} // namespace Tool::Lsp
