// The forgiving scan of start tags, namespaces as the checker decides them, and the values
// found under an offset.
#include "DocumentScan.h"

#include "checker/DocumentChecker.h"

#include "standard/Scanner.h"

#include <algorithm>
#include <array>

namespace Tool::Lsp {

namespace {

constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

// The characters that end a name in a tag, and those among them that are white space: looked
// up in a table, as the scan asks for nearly every byte of the document.
constexpr unsigned char kSpace = 1;
constexpr unsigned char kEndsName = 2;
constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (char const c : std::string_view(" \t\n\r\f")) {
        classes[static_cast<unsigned char>(c)] = kSpace | kEndsName;
    }
    for (char const c : std::string_view(">/<=\"'")) {
        classes[static_cast<unsigned char>(c)] = kEndsName;
    }
    return classes;
}();

bool endsName(char c) { return (kClasses[static_cast<unsigned char>(c)] & kEndsName) != 0; }
bool isSpace(char c) { return (kClasses[static_cast<unsigned char>(c)] & kSpace) != 0; }

// What follows `from` up to `terminator`, or the whole rest when it never comes.
std::size_t after(std::string_view text, std::size_t from, std::string_view terminator) {
    std::size_t const found = text.find(terminator, from);
    return found == std::string_view::npos ? text.size() : found + terminator.size();
}

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The text a reference "&name;" stands for, appended to `out`; false for one that is not
// predefined or not a character the document may hold, which is then kept as written.
bool expandReference(std::string_view name, std::string& out) {
    constexpr std::pair<std::string_view, char> kPredefined[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (auto const& [entity, c] : kPredefined) {
        if (name == entity) {
            out += c;
            return true;
        }
    }
    if (name.size() < 2 || name.front() != '#') {
        return false;
    }
    bool const hex = name[1] == 'x';
    std::string_view const digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8) {
        return false;
    }
    unsigned long code = 0;
    for (char const c : digits) {
        int digit = -1;
        if (Standard::isDigit(c)) {
            digit = c - '0';
        } else if (hex && Standard::lowerAscii(c) >= 'a' && Standard::lowerAscii(c) <= 'f') {
            digit = Standard::lowerAscii(c) - 'a' + 10;
        }
        if (digit < 0) {
            return false;
        }
        code = code * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    appendUtf8(out, code);
    return true;
}

} // namespace

std::string_view DocumentScanner::resolve(std::string_view prefix) const {
    if (prefix == "xml") {
        return kXmlNamespace;
    }
    for (auto binding = m_bindings.rbegin(); binding != m_bindings.rend(); ++binding) {
        if (binding->prefix == prefix) {
            return binding->space;
        }
    }
    return {};
}

void DocumentScanner::skipMarkup() {
    std::string_view const rest = m_text.substr(m_at);
    if (rest.starts_with("<!--")) {
        m_at = after(m_text, m_at + 4, "-->");
    } else if (rest.starts_with("<![CDATA[")) {
        m_at = after(m_text, m_at + 9, "]]>");
    } else if (rest.starts_with("<?")) {
        m_at = after(m_text, m_at + 2, "?>");
    } else {
        // A document type: its internal subset's declarations end in ">" too.
        int depth = 0;
        for (++m_at; m_at < m_text.size(); ++m_at) {
            char const c = m_text[m_at];
            if (c == '[') {
                ++depth;
            } else if (c == ']') {
                --depth;
            } else if (c == '>' && depth <= 0) {
                ++m_at;
                return;
            }
        }
    }
}

void DocumentScanner::endTag() {
    std::size_t at = m_at + 2;
    std::size_t const start = at;
    while (at < m_text.size() && !endsName(m_text[at])) {
        ++at;
    }
    std::string_view const name = m_text.substr(start, at - start);
    while (at < m_text.size() && m_text[at] != '>' && m_text[at] != '<') {
        ++at;
    }
    m_at = at < m_text.size() && m_text[at] == '>' ? at + 1 : at;
    // An end tag that matches no open element is a slip, and closes nothing.
    auto const open = std::find_if(m_open.rbegin(), m_open.rend(),
                                   [&](Open const& element) { return element.name == name; });
    if (open != m_open.rend()) {
        m_bindings.resize(open->bindings);
        m_open.erase(std::prev(open.base()), m_open.end());
    }
}

bool DocumentScanner::next(ScannedElement& out) {
    while (m_at < m_text.size()) {
        std::size_t const lt = m_text.find('<', m_at);
        if (lt == std::string_view::npos) {
            m_at = m_text.size();
            return false;
        }
        m_at = lt;
        if (lt + 1 < m_text.size() && (m_text[lt + 1] == '!' || m_text[lt + 1] == '?')) {
            skipMarkup();
            continue;
        }
        if (lt + 1 < m_text.size() && m_text[lt + 1] == '/') {
            endTag();
            continue;
        }
        std::size_t at = lt + 1;
        while (at < m_text.size() && !endsName(m_text[at])) {
            ++at;
        }
        std::string_view const name = m_text.substr(lt + 1, at - lt - 1);
        if (name.empty()) {
            m_at = lt + 1;
            continue;
        }
        m_attributes.clear();
        bool selfClosing = false;
        while (true) {
            while (at < m_text.size() && isSpace(m_text[at])) {
                ++at;
            }
            if (at >= m_text.size() || m_text[at] == '<') {
                break;
            }
            char const c = m_text[at];
            if (c == '>') {
                ++at;
                break;
            }
            if (c == '/' && at + 1 < m_text.size() && m_text[at + 1] == '>') {
                selfClosing = true;
                at += 2;
                break;
            }
            std::size_t const nameStart = at;
            while (at < m_text.size() && !endsName(m_text[at])) {
                ++at;
            }
            if (at == nameStart) {
                ++at;
                continue;
            }
            ScannedAttribute attribute;
            attribute.nameSpan = {nameStart, at};
            attribute.name = m_text.substr(nameStart, at - nameStart);
            std::size_t look = at;
            while (look < m_text.size() && isSpace(m_text[look])) {
                ++look;
            }
            if (look < m_text.size() && m_text[look] == '=') {
                at = look + 1;
                while (at < m_text.size() && isSpace(m_text[at])) {
                    ++at;
                }
                attribute.hasValue = true;
                if (at < m_text.size() && (m_text[at] == '"' || m_text[at] == '\'')) {
                    std::size_t const begin = at + 1;
                    std::size_t const close = m_text.find(m_text[at], begin);
                    std::size_t const stray = m_text.find('<', begin);
                    if (close != std::string_view::npos && close < stray) {
                        attribute.valueSpan = {begin, close};
                        at = close + 1;
                    } else {
                        // Unclosed: the value ends where the next tag begins.
                        std::size_t const end = std::min(stray, m_text.size());
                        attribute.valueSpan = {begin, end};
                        at = end;
                    }
                } else {
                    std::size_t const begin = at;
                    while (at < m_text.size() && !isSpace(m_text[at]) && m_text[at] != '>' &&
                           m_text[at] != '<') {
                        ++at;
                    }
                    attribute.valueSpan = {begin, at};
                }
            } else {
                attribute.valueSpan = {at, at};
            }
            m_attributes.push_back(attribute);
        }
        m_at = at;

        std::size_t const bindingsBefore = m_bindings.size();
        for (ScannedAttribute const& attribute : m_attributes) {
            std::string_view const value =
                m_text.substr(attribute.valueSpan.begin, attribute.valueSpan.size());
            if (attribute.name == "xmlns") {
                m_bindings.push_back({{}, value});
            } else if (attribute.name.starts_with("xmlns:")) {
                m_bindings.push_back({attribute.name.substr(6), value});
            }
        }
        std::size_t const depth = m_open.size();
        if (!selfClosing) {
            m_open.push_back({name, bindingsBefore});
        }
        for (ScannedAttribute& attribute : m_attributes) {
            std::size_t const colon = attribute.name.find(':');
            attribute.local =
                attribute.name.substr(colon == std::string_view::npos ? 0 : colon + 1);
            if (colon != std::string_view::npos) {
                attribute.space = resolve(attribute.name.substr(0, colon));
            }
        }
        std::size_t const colon = name.find(':');
        std::string_view const space =
            resolve(colon == std::string_view::npos ? std::string_view() : name.substr(0, colon));
        std::string_view const local =
            colon == std::string_view::npos ? name : name.substr(colon + 1);
        if (selfClosing) {
            m_bindings.resize(bindingsBefore);
        }
        bool const root = !m_sawRoot;
        m_sawRoot = true;
        if (space.empty()) {
            if (root && name == "svg") {
                m_bareSvg = true;
            }
            if (!m_bareSvg) {
                continue;
            }
            out.vocabulary = Vocabulary::Svg;
        } else if (space == kXslFoNamespace) {
            out.vocabulary = Vocabulary::XslFo;
        } else if (space == kSvgNamespace) {
            out.vocabulary = Vocabulary::Svg;
        } else {
            continue;
        }
        out.name = space.empty() ? name : local;
        out.tag = {lt, m_at};
        out.nameSpan = {lt + 1 + name.size() - out.name.size(), lt + 1 + name.size()};
        out.depth = depth;
        out.attributes = &m_attributes;
        return true;
    }
    return false;
}

bool holdsAny(std::string_view text, std::string_view characters) noexcept {
    return std::any_of(characters.begin(), characters.end(),
                       [&](char c) { return text.find(c) != std::string_view::npos; });
}

DeliveredValue::DeliveredValue(std::string_view document, TextSpan raw)
    : m_raw(document.substr(std::min(raw.begin, document.size()),
                            raw.end > raw.begin ? raw.end - raw.begin : 0)),
      m_rawBegin(std::min(raw.begin, document.size())) {
    if (!holdsAny(m_raw, "&\r\t\n")) {
        return;
    }
    m_mapped = true;
    bool const shifts = holdsAny(m_raw, "&\r");
    m_text.reserve(m_raw.size());
    for (std::size_t at = 0; at < m_raw.size();) {
        std::size_t const before = m_text.size();
        char const c = m_raw[at];
        std::size_t step = 1;
        if (c == '&') {
            std::size_t const semicolon = m_raw.find(';', at);
            if (semicolon == std::string_view::npos || semicolon - at > 10 ||
                !expandReference(m_raw.substr(at + 1, semicolon - at - 1), m_text)) {
                m_text += '&';
            } else {
                step = semicolon + 1 - at;
            }
        } else if (c == '\r') {
            m_text += ' ';
            step = at + 1 < m_raw.size() && m_raw[at + 1] == '\n' ? 2 : 1;
        } else {
            m_text += c == '\t' || c == '\n' ? ' ' : c;
        }
        if (shifts) {
            m_sources.insert(m_sources.end(), m_text.size() - before, m_rawBegin + at);
        }
        at += step;
    }
    if (shifts) {
        m_sources.push_back(m_rawBegin + m_raw.size());
    }
}

std::size_t DeliveredValue::source(std::size_t at) const noexcept {
    if (m_sources.empty()) {
        return m_rawBegin + std::min(at, m_raw.size());
    }
    return m_sources[std::min(at, m_sources.size() - 1)];
}

std::size_t DeliveredValue::delivered(std::size_t offset) const noexcept {
    std::size_t const inRaw = offset < m_rawBegin ? 0 : offset - m_rawBegin;
    if (m_sources.empty()) {
        return std::min(inRaw, m_raw.size());
    }
    // The first delivered byte from at or after the offset.
    auto const found = std::lower_bound(m_sources.begin(), m_sources.end(), m_rawBegin + inRaw);
    return static_cast<std::size_t>(found - m_sources.begin());
}

std::vector<Declaration> declarationsOf(std::string_view written) {
    std::string blanked;
    std::string_view const style = withoutStyleComments(written, blanked);
    auto const spanOf = [&](std::string_view part) {
        std::size_t const begin = static_cast<std::size_t>(part.data() - style.data());
        return TextSpan{begin, begin + part.size()};
    };
    std::vector<Declaration> declarations;
    for (std::size_t start = 0; start <= style.size();) {
        std::size_t end = style.find(';', start);
        if (end == std::string_view::npos) {
            end = style.size();
        }
        std::string_view const declaration = style.substr(start, end - start);
        std::size_t const colon = declaration.find(':');
        if (colon != std::string_view::npos) {
            std::string_view const property = Standard::trimmed(declaration.substr(0, colon));
            std::string_view value = declaration.substr(colon + 1);
            // An empty value is placed just after its colon, where an author types it.
            std::string_view trimmedValue = Standard::trimmed(value);
            if (trimmedValue.empty()) {
                trimmedValue = value.substr(0, 0);
            }
            std::size_t const important = trimmedValue.rfind('!');
            if (important != std::string_view::npos &&
                Standard::trimmed(trimmedValue.substr(important + 1)) == "important") {
                trimmedValue = Standard::trimmed(trimmedValue.substr(0, important));
            }
            if (!property.empty()) {
                declarations.push_back({spanOf(property), spanOf(trimmedValue)});
            }
        }
        start = end + 1;
    }
    return declarations;
}

std::optional<ValueAt> valueAt(std::string_view document, std::size_t offset) {
    DocumentScanner scanner(document);
    ScannedElement element;
    while (scanner.next(element)) {
        if (element.tag.begin > offset) {
            return std::nullopt;
        }
        if (!element.tag.touches(offset)) {
            continue;
        }
        for (ScannedAttribute const& attribute : *element.attributes) {
            if (!attribute.hasValue || attribute.local.size() != attribute.name.size() ||
                !attribute.valueSpan.touches(offset)) {
                continue;
            }
            ValueAt found;
            found.vocabulary = element.vocabulary;
            found.element = element.name;
            found.attribute.emplace(document, attribute.valueSpan);
            std::string_view const text = found.attribute->text();
            if (element.vocabulary == Vocabulary::Svg && attribute.name == "style") {
                std::size_t const at = found.attribute->delivered(offset);
                for (Declaration const& declaration : declarationsOf(text)) {
                    if (declaration.value.touches(at)) {
                        found.inStyle = true;
                        found.name =
                            text.substr(declaration.property.begin, declaration.property.size());
                        found.value = declaration.value;
                        return found;
                    }
                }
                return std::nullopt;
            }
            found.name = attribute.name;
            found.value = {0, text.size()};
            return found;
        }
    }
    return std::nullopt;
}

} // namespace Tool::Lsp
