// Walking a raw start tag with line and column.
#include "TagPositions.h"

namespace Tool {

namespace {

bool isXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

using detail::Walker;

void skipSpace(Walker& walker) noexcept {
    while (!walker.atEnd() && isXmlSpace(walker.peek())) {
        walker.step();
    }
}

} // namespace

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
        while (!walker.atEnd() && walker.peek() != quote) {
            walker.step();
        }
        if (walker.atEnd()) {
            return attributes;
        }
        attribute.value = source.substr(valueStart, walker.offset() - valueStart);
        walker.step();
        attributes.push_back(attribute);
    }
}

void detail::Walker::step() noexcept {
    char const c = m_source[m_at++];
    if (c == '\r' || c == '\n') {
        if (c == '\r' && peek() == '\n') {
            ++m_at;
        }
        ++m_position.line;
        m_position.column = 1;
        return;
    }
    if (m_encoding == SourceEncoding::Utf8) {
        while (!atEnd() && isContinuation(m_source[m_at])) {
            ++m_at;
        }
    }
    ++m_position.column;
}

ValuePositions::ValuePositions(RawAttribute const* attribute, std::string_view delivered,
                               Position fallback, SourceEncoding encoding)
    : m_delivered(delivered),
      m_walker(attribute != nullptr ? attribute->value : std::string_view(),
               attribute != nullptr ? attribute->valuePosition : fallback, encoding),
      // A reference ("&amp;") breaks the match of delivered and raw characters.
      m_exact(attribute != nullptr && attribute->value.find('&') == std::string_view::npos) {}

Position ValuePositions::at(std::size_t offset) noexcept {
    if (!m_exact) {
        return m_walker.position();
    }
    for (; m_done < offset && m_done < m_delivered.size(); ++m_done) {
        // The reader delivers UTF-8 whatever the document's encoding.
        if (!isContinuation(m_delivered[m_done]) && !m_walker.atEnd()) {
            m_walker.step();
        }
    }
    return m_walker.position();
}

Position positionInValue(RawAttribute const& attribute, std::string_view delivered,
                         std::size_t offset, SourceEncoding encoding) {
    return ValuePositions(&attribute, delivered, attribute.valuePosition, encoding).at(offset);
}

} // namespace Tool
