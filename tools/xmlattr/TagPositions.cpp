// Walking a raw start tag with line and column.
#include "TagPositions.h"

namespace Tool {

namespace {

bool isXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Steps over one character of the source, keeping line and column.
class Walker {
public:
    Walker(std::string_view source, Position start, SourceEncoding encoding)
        : m_source(source), m_position(start), m_encoding(encoding) {}

    bool atEnd() const noexcept { return m_at >= m_source.size(); }
    char peek() const noexcept { return atEnd() ? '\0' : m_source[m_at]; }
    std::size_t offset() const noexcept { return m_at; }
    Position position() const noexcept { return m_position; }

    void step() noexcept {
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

    void skipSpace() noexcept {
        while (!atEnd() && isXmlSpace(peek())) {
            step();
        }
    }

private:
    std::string_view m_source;
    std::size_t m_at = 0;
    Position m_position;
    SourceEncoding m_encoding;
};

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
        walker.skipSpace();
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
        walker.skipSpace();
        if (walker.peek() != '=') {
            return attributes;
        }
        walker.step();
        walker.skipSpace();
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

Position positionInValue(RawAttribute const& attribute, std::string_view delivered,
                         std::size_t offset, SourceEncoding encoding) {
    if (attribute.value.find('&') != std::string_view::npos) {
        return attribute.valuePosition;
    }
    std::size_t characters = 0;
    for (std::size_t i = 0; i < offset && i < delivered.size(); ++i) {
        // The reader delivers UTF-8 whatever the document's encoding.
        if (!isContinuation(delivered[i])) {
            ++characters;
        }
    }
    Walker walker(attribute.value, attribute.valuePosition, encoding);
    for (std::size_t i = 0; i < characters && !walker.atEnd(); ++i) {
        walker.step();
    }
    return walker.position();
}

} // namespace Tool
