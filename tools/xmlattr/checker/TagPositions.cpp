// Walking a raw start tag with line and columns, in any encoding the reader hands over.
#include "TagPositions.h"

#include <algorithm>

namespace Tool {

namespace {

constexpr unsigned kLineFeed = 0x0A;
constexpr unsigned kCarriageReturn = 0x0D;

bool isXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A UTF-8 lead byte of a character beyond the basic plane, which UTF-16 writes as a pair.
bool leadsPair(char c) { return static_cast<unsigned char>(c) >= 0xF0; }

bool isHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit < 0xDC00; }

bool isLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit < 0xE000; }

bool isWide(SourceEncoding encoding) {
    return encoding == SourceEncoding::Utf16LE || encoding == SourceEncoding::Utf16BE;
}

unsigned unitOf(std::string_view text, std::size_t at, SourceEncoding encoding) {
    auto const first = static_cast<unsigned>(static_cast<unsigned char>(text[at]));
    auto const second = static_cast<unsigned>(static_cast<unsigned char>(text[at + 1]));
    return encoding == SourceEncoding::Utf16LE ? first | (second << 8) : (first << 8) | second;
}

// The code point at `at`, which moves past it.
char32_t decode(std::string_view text, std::size_t& at, SourceEncoding encoding) {
    if (isWide(encoding)) {
        char32_t const unit = unitOf(text, at, encoding);
        at += 2;
        if (isHighSurrogate(unit) && at + 2 <= text.size()) {
            char32_t const low = unitOf(text, at, encoding);
            if (isLowSurrogate(low)) {
                at += 2;
                return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            }
        }
        return unit;
    }
    auto const lead = static_cast<unsigned char>(text[at++]);
    if (encoding == SourceEncoding::SingleByte || lead < 0xC0) {
        return lead;
    }
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t point = lead & (0x7F >> (more + 1));
    for (; more > 0 && at < text.size() && isContinuation(text[at]); --more) {
        point = (point << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    return point;
}

using detail::Walker;

void skipSpace(Walker& walker) noexcept {
    while (!walker.atEnd() && isXmlSpace(walker.peek())) {
        walker.step();
    }
}

bool holdsReference(std::string_view raw, SourceEncoding encoding) {
    if (!isWide(encoding)) {
        return raw.find('&') != std::string_view::npos;
    }
    for (Walker walker(raw, {}, encoding); !walker.atEnd(); walker.step()) {
        if (walker.peek() == '&') {
            return true;
        }
    }
    return false;
}

} // namespace

SourceEncoding tagEncoding(std::string_view tag, SourceEncoding declared) noexcept {
    if (tag.size() >= 2) {
        if (tag[0] == '<' && tag[1] == '\0') {
            return SourceEncoding::Utf16LE;
        }
        if (tag[0] == '\0' && tag[1] == '<') {
            return SourceEncoding::Utf16BE;
        }
    }
    return declared;
}

long extraUnitsOnLine(std::string_view before, SourceEncoding encoding) noexcept {
    long extra = 0;
    if (isWide(encoding)) {
        // Stepping back from the end keeps to whole code units.
        for (std::size_t at = before.size(); at >= 2; at -= 2) {
            unsigned const unit = unitOf(before, at - 2, encoding);
            if (unit == kLineFeed || unit == kCarriageReturn) {
                break;
            }
            extra += isHighSurrogate(unit) ? 1 : 0;
        }
        return extra;
    }
    if (encoding == SourceEncoding::SingleByte) {
        return 0;
    }
    for (std::size_t at = before.size(); at > 0; --at) {
        char const c = before[at - 1];
        if (c == '\n' || c == '\r') {
            break;
        }
        extra += leadsPair(c) ? 1 : 0;
    }
    return extra;
}

bool RawAttribute::isNamed(std::string_view wanted, SourceEncoding encoding) const noexcept {
    if (encoding == SourceEncoding::Utf8) {
        return name == wanted;
    }
    std::size_t at = 0;
    std::size_t wantedAt = 0;
    while (at < name.size() && wantedAt < wanted.size()) {
        if (decode(name, at, encoding) != decode(wanted, wantedAt, SourceEncoding::Utf8)) {
            return false;
        }
    }
    return at >= name.size() && wantedAt == wanted.size();
}

std::vector<RawAttribute> scanStartTag(std::string_view source, Position start,
                                       SourceEncoding encoding) {
    std::vector<RawAttribute> attributes;
    Walker walker(source, start, encoding);
    if (walker.peek() != '<') {
        return attributes;
    }
    walker.step();
    while (!walker.atEnd() && !isXmlSpace(walker.peek()) && walker.peek() != '/' &&
           walker.peek() != '>') {
        walker.step();
    }
    for (;;) {
        skipSpace(walker);
        if (walker.atEnd() || walker.peek() == '/' || walker.peek() == '>') {
            return attributes;
        }
        RawAttribute attribute;
        attribute.namePosition = walker.position();
        std::size_t const nameStart = walker.offset();
        while (!walker.atEnd() && !isXmlSpace(walker.peek()) && walker.peek() != '=') {
            walker.step();
        }
        attribute.name = source.substr(nameStart, walker.offset() - nameStart);
        skipSpace(walker);
        if (walker.peek() != '=') {
            return attributes;
        }
        walker.step();
        skipSpace(walker);
        char const quote = walker.peek();
        if (quote != '"' && quote != '\'') {
            return attributes;
        }
        walker.step();
        attribute.valuePosition = walker.position();
        std::size_t const valueStart = walker.offset();
        walker.stepTo(quote);
        if (walker.atEnd()) {
            return attributes;
        }
        attribute.value = source.substr(valueStart, walker.offset() - valueStart);
        attribute.valueEnd = walker.position();
        walker.step();
        attributes.push_back(attribute);
    }
}

void detail::Walker::stepTo(char wanted) noexcept {
    if (wide()) {
        while (!atEnd() && peek() != wanted) {
            step();
        }
        return;
    }
    // A value is most of a tag, and most values are long runs of ASCII on one line: counted
    // here byte by byte, without a step's calls and checks for each character.
    std::size_t const end = std::min(m_source.find(wanted, m_at), m_source.size());
    bool const utf8 = m_encoding == SourceEncoding::Utf8;
    // On locals: a store to the position may not be taken to leave the text's bytes alone.
    char const* at = m_source.data() + m_at;
    char const* const stop = m_source.data() + end;
    long line = m_position.line;
    long column = m_position.column;
    long units = m_position.unitColumn;
    for (; at < stop; ++at) {
        char const c = *at;
        if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x80) {
            ++column;
            ++units;
        } else if (c == '\r' || c == '\n') {
            at += c == '\r' && at + 1 < stop && at[1] == '\n' ? 1 : 0;
            ++line;
            column = 1;
            units = 1;
        } else if (!utf8 || !isContinuation(c)) {
            ++column;
            units += utf8 && leadsPair(c) ? 2 : 1;
        }
    }
    m_at = end;
    m_position.line = line;
    m_position.column = column;
    m_position.unitColumn = units;
}

unsigned detail::Walker::unitAt(std::size_t at) const noexcept {
    return unitOf(m_source, at, m_encoding);
}

bool detail::Walker::atEnd() const noexcept {
    return wide() ? m_at + 2 > m_source.size() : m_at >= m_source.size();
}

char detail::Walker::peek() const noexcept {
    if (atEnd()) {
        return '\0';
    }
    if (!wide()) {
        return m_source[m_at];
    }
    unsigned const unit = unitAt(m_at);
    return unit < 0x80 ? static_cast<char>(unit) : static_cast<char>(0x80);
}

void detail::Walker::step() noexcept {
    // Nearly every character of a tag is printable ASCII.
    if (auto const byte = static_cast<unsigned char>(m_source[m_at]);
        !wide() && byte >= 0x20 && byte < 0x80) {
        ++m_at;
        ++m_position.column;
        ++m_position.unitColumn;
        return;
    }
    if (wide()) {
        unsigned const unit = unitAt(m_at);
        m_at += 2;
        if (unit == kLineFeed || unit == kCarriageReturn) {
            if (unit == kCarriageReturn && !atEnd() && unitAt(m_at) == kLineFeed) {
                m_at += 2;
            }
            m_position = {m_position.line + 1, 1};
            return;
        }
        ++m_position.column;
        ++m_position.unitColumn;
        if (isHighSurrogate(unit) && !atEnd() && isLowSurrogate(unitAt(m_at))) {
            m_at += 2;
            ++m_position.unitColumn;
        }
        return;
    }
    char const c = m_source[m_at++];
    if (c == '\r' || c == '\n') {
        if (c == '\r' && !atEnd() && m_source[m_at] == '\n') {
            ++m_at;
        }
        m_position = {m_position.line + 1, 1};
        return;
    }
    ++m_position.column;
    ++m_position.unitColumn;
    if (m_encoding == SourceEncoding::Utf8) {
        m_position.unitColumn += leadsPair(c) ? 1 : 0;
        while (!atEnd() && isContinuation(m_source[m_at])) {
            ++m_at;
        }
    }
}

ValuePositions::ValuePositions(RawAttribute const* attribute, std::string_view delivered,
                               Position fallback, SourceEncoding encoding)
    : m_delivered(delivered), m_start{Walker(
                                  attribute != nullptr ? attribute->value : std::string_view(),
                                  attribute != nullptr ? attribute->valuePosition : fallback,
                                  encoding)},
      m_state(m_start), m_mark(m_start),
      m_whole(attribute != nullptr ? Range{attribute->valuePosition, attribute->valueEnd}
                                   : Range{fallback, fallback}),
      // A reference ("&amp;") breaks the match of delivered and raw characters.
      m_exact(attribute != nullptr && !holdsReference(attribute->value, encoding)) {}

Position ValuePositions::at(std::size_t offset) noexcept {
    if (!m_exact) {
        return m_whole.start;
    }
    if (offset < m_state.done) {
        m_state = offset >= m_mark.done ? m_mark : m_start;
    }
    for (; m_state.done < offset && m_state.done < m_delivered.size(); ++m_state.done) {
        // The reader delivers UTF-8 whatever the document's encoding.
        if (!isContinuation(m_delivered[m_state.done]) && !m_state.walker.atEnd()) {
            m_state.walker.step();
        }
    }
    return m_state.walker.position();
}

Range ValuePositions::range(std::size_t begin, std::size_t end) noexcept {
    if (!m_exact) {
        return m_whole;
    }
    Range found;
    found.start = at(begin);
    m_mark = m_state;
    found.end = at(end > begin ? end : begin);
    return found;
}

Range rangeInValue(RawAttribute const& attribute, std::string_view delivered, std::size_t begin,
                   std::size_t end, SourceEncoding encoding) {
    return ValuePositions(&attribute, delivered, attribute.valuePosition, encoding)
        .range(begin, end);
}

} // namespace Tool
