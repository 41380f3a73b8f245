// The streaming document checker: expat's start-tag events, attribute positions from the
// raw tag, values read by the library's types.
#include "DocumentChecker.h"

#include "FormatterValues.h"
#include "Suggest.h"
#include "TagPositions.h"

#include <expat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace Tool {

namespace {

constexpr int kChunk = 1 << 16;
// Separates a namespace from a local name in the reader's names; no URI in practice holds it.
constexpr char kNamespaceSeparator = '|';

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

struct ParserFree {
    void operator()(XML_ParserStruct* parser) const noexcept { XML_ParserFree(parser); }
};

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Core::String::toLowerAscii(static_cast<char16_t>(text[i])) !=
            Core::String::toLowerAscii(static_cast<char16_t>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && Core::String::isSpace(static_cast<char16_t>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && Core::String::isSpace(static_cast<char16_t>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

class Checker {
public:
    Checker(XML_Parser parser, std::string const& shownPath, Tally& tally, Console& console)
        : m_parser(parser), m_path(shownPath), m_tally(tally), m_console(console) {}

    void setEncoding(SourceEncoding encoding, bool positionsKnown) {
        m_encoding = encoding;
        m_scanTags = positionsKnown;
    }

    static void XMLCALL onXmlDeclaration(void* data, XML_Char const*, XML_Char const* encoding,
                                         int) {
        auto* self = static_cast<Checker*>(data);
        if (encoding == nullptr) {
            return;
        }
        std::string_view const name = encoding;
        if (startsWithNoCase(name, "UTF-16")) {
            self->m_scanTags = false;
        } else if (!startsWithNoCase(name, "UTF-8") && !startsWithNoCase(name, "US-ASCII")) {
            self->m_encoding = SourceEncoding::SingleByte;
        }
    }

    static void XMLCALL onStartElement(void* data, XML_Char const* name,
                                       XML_Char const** attributes) {
        static_cast<Checker*>(data)->startElement(name, attributes);
    }

private:
    void startElement(std::string_view name, XML_Char const** attributes) {
        std::size_t const separator = name.rfind(kNamespaceSeparator);
        if (separator == std::string_view::npos) {
            return;
        }
        std::string_view const space = name.substr(0, separator);
        Vocabulary vocabulary;
        if (space == kXslFoNamespace) {
            vocabulary = Vocabulary::XslFo;
        } else if (space == kSvgNamespace) {
            vocabulary = Vocabulary::Svg;
        } else {
            return;
        }
        Position const tag{static_cast<long>(XML_GetCurrentLineNumber(m_parser)),
                           static_cast<long>(XML_GetCurrentColumnNumber(m_parser)) + 1};
        std::vector<RawAttribute> const raw = rawAttributes(tag);
        for (std::size_t i = 0; attributes[2 * i] != nullptr; ++i) {
            std::string_view const attribute = attributes[2 * i];
            std::string_view const value = attributes[2 * i + 1];
            if (attribute.find(kNamespaceSeparator) != std::string_view::npos) {
                continue;
            }
            // An attribute without a prefix is written under its own name, once per tag; one
            // that a DTD supplies is not written at all and stands where its element does.
            auto const written = std::find_if(
                raw.begin(), raw.end(), [&](RawAttribute const& r) { return r.name == attribute; });
            RawAttribute const* source = written != raw.end() ? &*written : nullptr;
            if (vocabulary == Vocabulary::Svg && attribute == "style") {
                checkStyle(value, source, tag);
                continue;
            }
            checkValue(vocabulary, attribute, value,
                       source != nullptr ? source->namePosition : tag);
        }
    }

    std::vector<RawAttribute> rawAttributes(Position tag) const {
        if (!m_scanTags) {
            return {};
        }
        int offset = 0;
        int size = 0;
        char const* buffer = XML_GetInputContext(m_parser, &offset, &size);
        if (buffer == nullptr || offset < 0 || offset >= size) {
            return {};
        }
        return scanStartTag(
            std::string_view(buffer + offset, static_cast<std::size_t>(size - offset)), tag,
            m_encoding);
    }

    // Declarations "name: value" separated by ";", each checked as the attribute of its name.
    void checkStyle(std::string_view style, RawAttribute const* source, Position tag) {
        std::size_t start = 0;
        while (start <= style.size()) {
            std::size_t end = style.find(';', start);
            if (end == std::string_view::npos) {
                end = style.size();
            }
            std::string_view const declaration = style.substr(start, end - start);
            std::size_t const colon = declaration.find(':');
            if (colon != std::string_view::npos) {
                std::string_view const property = trimmed(declaration.substr(0, colon));
                std::string_view value = trimmed(declaration.substr(colon + 1));
                std::size_t const important = value.rfind('!');
                if (important != std::string_view::npos &&
                    trimmed(value.substr(important + 1)) == "important") {
                    value = trimmed(value.substr(0, important));
                }
                std::size_t const at = static_cast<std::size_t>(property.data() - style.data());
                Position const position =
                    source != nullptr ? positionInValue(*source, style, at, m_encoding) : tag;
                if (!property.empty()) {
                    checkValue(Vocabulary::Svg, property, value, position);
                }
            }
            start = end + 1;
        }
    }

    void checkValue(Vocabulary vocabulary, std::string_view name, std::string_view value,
                    Position position) {
        TypeRow const* type = attributeType(vocabulary, name);
        if (type == nullptr) {
            ++m_tally.notChecked;
            return;
        }
        Tally::Attribute& entry = m_tally.perAttribute[{vocabulary, std::string(name)}];
        entry.type = type->name;
        if (isFormatterValue(vocabulary, value)) {
            ++entry.counts.skipped;
            ++m_tally.total.skipped;
            return;
        }
        Core::String const text{value};
        bool const accepted = type->accepts(text);
        std::vector<std::string> const messages = takeLibraryLog();
        std::string const where = m_path + ":" + std::to_string(position.line) + ":" +
                                  std::to_string(position.column) + ": ";
        std::string const what = std::string(name) + "=" + inQuotes(value);
        std::string report;
        if (accepted) {
            ++entry.counts.accepted;
            ++m_tally.total.accepted;
            for (std::string const& message : messages) {
                report += where + "warning: " + what + ": " + message + "\n";
            }
        } else {
            ++entry.counts.rejected;
            ++m_tally.total.rejected;
            report +=
                where + "error: " + what + " is not a valid " + std::string(type->name) + "\n";
            for (std::string const& message : messages) {
                report += where + "note: " + message + "\n";
            }
            if (std::optional<std::string> const near = suggest(*type, text)) {
                report += where + "note: did you mean " + inQuotes(*near) + "?\n";
            }
        }
        if (!report.empty()) {
            m_console.out(report);
        }
    }

    XML_Parser m_parser;
    std::string const& m_path;
    Tally& m_tally;
    Console& m_console;
    SourceEncoding m_encoding = SourceEncoding::Utf8;
    bool m_scanTags = true;
};

} // namespace

DocumentResult checkDocument(std::filesystem::path const& path, std::string const& shownPath,
                             Tally& tally, Console& console) {
#ifdef _WIN32
    std::unique_ptr<std::FILE, FileCloser> const file(_wfopen(path.c_str(), L"rb"));
#else
    std::unique_ptr<std::FILE, FileCloser> const file(std::fopen(path.c_str(), "rb"));
#endif
    if (!file) {
        console.problem("xmlattr: error: cannot read " + shownPath + ": " + std::strerror(errno) +
                        "\n");
        return DocumentResult::Unreadable;
    }
    std::unique_ptr<XML_ParserStruct, ParserFree> const parser(
        XML_ParserCreateNS(nullptr, kNamespaceSeparator));
    if (!parser) {
        console.problem("xmlattr: error: out of memory reading " + shownPath + "\n");
        return DocumentResult::Unreadable;
    }
    Checker checker(parser.get(), shownPath, tally, console);
    XML_SetUserData(parser.get(), &checker);
    XML_SetXmlDeclHandler(parser.get(), Checker::onXmlDeclaration);
    XML_SetStartElementHandler(parser.get(), Checker::onStartElement);
    ++tally.files;
    for (bool first = true;; first = false) {
        void* buffer = XML_GetBuffer(parser.get(), kChunk);
        if (buffer == nullptr) {
            console.problem("xmlattr: error: out of memory reading " + shownPath + "\n");
            return DocumentResult::Unreadable;
        }
        std::size_t const got = std::fread(buffer, 1, kChunk, file.get());
        if (std::ferror(file.get()) != 0) {
            console.problem("xmlattr: error: cannot read " + shownPath + ": " +
                            std::strerror(errno) + "\n");
            return DocumentResult::Unreadable;
        }
        if (first && got >= 2) {
            auto const* bytes = static_cast<unsigned char const*>(buffer);
            bool const utf16 =
                (bytes[0] == 0xFE && bytes[1] == 0xFF) || (bytes[0] == 0xFF && bytes[1] == 0xFE);
            checker.setEncoding(SourceEncoding::Utf8, !utf16);
        }
        bool const last = std::feof(file.get()) != 0;
        if (XML_ParseBuffer(parser.get(), static_cast<int>(got), last) == XML_STATUS_ERROR) {
            console.problem(
                shownPath + ":" + std::to_string(XML_GetCurrentLineNumber(parser.get())) + ":" +
                std::to_string(XML_GetCurrentColumnNumber(parser.get()) + 1) +
                ": error: not well-formed XML: " + XML_ErrorString(XML_GetErrorCode(parser.get())) +
                "\n");
            return DocumentResult::NotWellFormed;
        }
        if (last) {
            return DocumentResult::Read;
        }
    }
}

} // namespace Tool
