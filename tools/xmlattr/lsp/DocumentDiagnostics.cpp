// From the checker's places (line, code-point column) to the negotiated code units.
#include "DocumentDiagnostics.h"

#include "checker/DocumentChecker.h"
#include "cli/CheckOutput.h"
#include "cli/Messages.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace Tool::Lsp {

namespace {

// The checker's places come in document order, a value's start before its part and end: the
// walk along a line goes on from the last place asked about instead of from the line's start,
// so that a document that is one long line costs one pass.
class Places {
public:
    Places(TextDocument const& document, PositionEncoding encoding)
        : m_document(document), m_encoding(encoding) {}

    ProtocolPosition operator()(Position const& place) {
        if (m_document.lineCount() == 0 || place.line < 1) {
            return {};
        }
        if (place.line > m_document.lineCount()) {
            return m_document.positionOf(m_document.text().size(), m_encoding);
        }
        long const line = place.line - 1;
        if (m_encoding == PositionEncoding::Utf32) {
            return {line, std::max(place.column - 1, 0L)};
        }
        if (line != m_line || place.column < m_column) {
            m_line = line;
            m_column = 1;
            m_offset = m_document.lineStart(line);
            m_units = 0;
        }
        std::size_t const end = m_document.lineEnd(line);
        std::string const& text = m_document.text();
        while (m_column < place.column && m_offset < end) {
            std::size_t const bytes = utf8Length(static_cast<unsigned char>(text[m_offset]));
            m_units += codeUnits(bytes, m_encoding);
            m_offset += bytes;
            ++m_column;
        }
        return {line, m_units};
    }

private:
    TextDocument const& m_document;
    PositionEncoding m_encoding;
    long m_line = -1;
    long m_column = 1;
    std::size_t m_offset = 0;
    long m_units = 0;
};

int severityNumber(Severity severity) {
    switch (severity) {
    case Severity::Warning:
        return 2;
    case Severity::Note:
        return 3;
    case Severity::Error:
        break;
    }
    return 1;
}

// Where the declaration's `encoding="NAME"` stands, when NAME is not UTF-8: its first byte
// and its length; 0 and 0 otherwise.
std::pair<std::size_t, std::size_t> foreignEncoding(std::string_view text) {
    std::size_t const start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    if (text.substr(start, 6) != "<?xml ") {
        return {0, 0};
    }
    std::string_view const declaration = text.substr(0, text.find("?>"));
    std::size_t const at = declaration.find("encoding");
    if (at == std::string_view::npos) {
        return {0, 0};
    }
    std::size_t const open = declaration.find_first_of("\"'", at);
    std::size_t const close =
        open == std::string_view::npos ? open : declaration.find(declaration[open], open + 1);
    if (close == std::string_view::npos) {
        return {0, 0};
    }
    std::string_view const name = declaration.substr(open + 1, close - open - 1);
    bool const utf8 = name.size() == 5 && (name[0] | 0x20) == 'u' && (name[1] | 0x20) == 't' &&
                      (name[2] | 0x20) == 'f' && name.substr(3) == "-8";
    return utf8 ? std::pair<std::size_t, std::size_t>{0, 0}
                : std::pair<std::size_t, std::size_t>{at, close + 1 - at};
}

} // namespace

FileReport checkHeldText(std::string_view text, std::string const& uri) {
    auto const [at, length] = foreignEncoding(text);
    if (length == 0) {
        return checkDocumentText(text, uri);
    }
    std::string copy(text);
    copy.replace(at, length, length, ' ');
    return checkDocumentText(copy, uri);
}

std::vector<DocumentDiagnostic>
diagnosticsOf(FileReport const& report, TextDocument const& document, PositionEncoding encoding) {
    Places places(document, encoding);
    std::vector<DocumentDiagnostic> found;
    found.reserve(report.diagnostics.size());
    for (Diagnostic const& diagnostic : report.diagnostics) {
        DocumentDiagnostic& out = found.emplace_back();
        out.place = diagnostic.position;
        out.severity = diagnostic.severity;
        out.finding = diagnostic.finding;
        out.message = messageOf(diagnostic);
        out.notes = notesOf(diagnostic);
        out.suggestion = diagnostic.suggestion;
        if (diagnostic.attribute.empty()) {
            // A finding about a name or the whole document is marked where it was made.
            ProtocolPosition const at =
                diagnostic.finding == Finding::Unreadable ? ProtocolPosition{} : places(out.place);
            out.range = {at, at};
            out.value = out.range;
            continue;
        }
        // Asked for in document order: the value's start, its part, its end.
        out.value.start = places(diagnostic.range.start);
        if (diagnostic.part) {
            out.range = {places(diagnostic.part->start), places(diagnostic.part->end)};
        }
        out.value.end = places(diagnostic.range.end);
        if (!diagnostic.part) {
            out.range = out.value;
        }
    }
    return found;
}

Json rangeJson(ProtocolRange const& range) {
    auto const position = [](ProtocolPosition const& at) {
        return Json{{"line", at.line}, {"character", at.character}};
    };
    return {{"start", position(range.start)}, {"end", position(range.end)}};
}

namespace {

void appendString(std::string& out, std::string_view text) {
    // Most messages quote the value they are about: ASCII is escaped here, as the JSON
    // library would write it, since building a JSON value for each was most of a
    // publication's cost on a document with thousands of findings.
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        out += '"';
        // Runs of plain characters are copied whole; only the rest is escaped one by one.
        std::size_t plain = 0;
        for (std::size_t at = 0; at < text.size(); ++at) {
            char const c = text[at];
            if (static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\') {
                continue;
            }
            out.append(text.substr(plain, at - plain)).append(1, '\\');
            plain = at + 1;
            switch (c) {
            case '"':
            case '\\':
                out += c;
                break;
            case '\b':
                out += 'b';
                break;
            case '\f':
                out += 'f';
                break;
            case '\n':
                out += 'n';
                break;
            case '\r':
                out += 'r';
                break;
            case '\t':
                out += 't';
                break;
            default:
                constexpr char kHex[] = "0123456789abcdef";
                auto const unit = static_cast<unsigned char>(c);
                out.append("u00").append(1, kHex[unit >> 4]).append(1, kHex[unit & 0xF]);
            }
        }
        out.append(text.substr(plain));
        out += '"';
        return;
    }
    // A library message could hold a byte that is not UTF-8: it is replaced, not fatal.
    out += Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void appendNumber(std::string& out, long number) {
    char digits[24];
    auto const [end, error] = std::to_chars(std::begin(digits), std::end(digits), number);
    (void)error;
    out.append(digits, end);
}

void appendRange(std::string& out, ProtocolRange const& range) {
    out += R"({"start":{"line":)";
    appendNumber(out, range.start.line);
    out += R"(,"character":)";
    appendNumber(out, range.start.character);
    out += R"(},"end":{"line":)";
    appendNumber(out, range.end.line);
    out += R"(,"character":)";
    appendNumber(out, range.end.character);
    out += "}}";
}

} // namespace

void appendDiagnostic(std::string& out, DocumentDiagnostic const& diagnostic,
                      std::string_view uri) {
    out += R"({"range":)";
    appendRange(out, diagnostic.range);
    out += R"(,"severity":)";
    appendNumber(out, severityNumber(diagnostic.severity));
    out += R"(,"code":)";
    appendString(out, findingName(diagnostic.finding));
    out += R"(,"source":"xmlattr","message":)";
    appendString(out, diagnostic.message);
    if (!diagnostic.notes.empty()) {
        out += R"(,"relatedInformation":[)";
        for (std::size_t i = 0; i < diagnostic.notes.size(); ++i) {
            out += i == 0 ? R"({"location":{"uri":)" : R"(,{"location":{"uri":)";
            appendString(out, uri);
            out += R"(,"range":)";
            appendRange(out, diagnostic.range);
            out += R"(},"message":)";
            appendString(out, diagnostic.notes[i]);
            out += "}";
        }
        out += "]";
    }
    out += "}";
}

std::string diagnosticsText(std::vector<DocumentDiagnostic> const& diagnostics,
                            std::string_view uri) {
    std::string out = "[";
    // About what a diagnostic with a note takes: one allocation instead of a doubling series.
    out.reserve(diagnostics.size() * 400);
    for (DocumentDiagnostic const& diagnostic : diagnostics) {
        if (out.size() > 1) {
            out += ",";
        }
        appendDiagnostic(out, diagnostic, uri);
    }
    return out + "]";
}

} // namespace Tool::Lsp
