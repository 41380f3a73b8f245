// The streaming document checker: expat's start-tag events, attribute positions from the
// raw tag, each value judged by the library and by the standard.
#include "DocumentChecker.h"

#include "FormatterValues.h"
#include "References.h"
#include "ValueVerdicts.h"

#include <expat.h>

#ifndef _WIN32
#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>
#endif

#include <xmlattr/platform/String.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

namespace Tool {

namespace {

constexpr std::size_t kChunk = 1 << 16;
// Separates a namespace from a local name in the reader's names; no URI in practice holds it.
constexpr char kNamespaceSeparator = '|';

#ifdef _WIN32
struct FileCloser {
    void operator()(std::FILE* file) const noexcept {
        if (file != stdin) {
            std::fclose(file);
        }
    }
};
#endif

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

class Checker {
public:
    Checker(XML_Parser parser, FileReport& report) : m_parser(parser), m_report(report) {}

    static void XMLCALL onXmlDeclaration(void* data, XML_Char const*, XML_Char const* encoding,
                                         int) {
        auto* self = static_cast<Checker*>(data);
        if (encoding == nullptr) {
            return;
        }
        // UTF-16 shows in each tag's own bytes; what is left to tell is a byte per character.
        std::string_view const name = encoding;
        if (!startsWithNoCase(name, "UTF-8") && !startsWithNoCase(name, "US-ASCII") &&
            !startsWithNoCase(name, "UTF-16")) {
            self->m_encoding = SourceEncoding::SingleByte;
        }
    }

    static void XMLCALL onStartElement(void* data, XML_Char const* name,
                                       XML_Char const** attributes) {
        static_cast<Checker*>(data)->startElement(name, attributes);
    }

    // Set only while the references need the ends of elements.
    static void XMLCALL onEndElement(void* data, XML_Char const* name) {
        auto* self = static_cast<Checker*>(data);
        self->m_references.endElement(name);
        if (!self->m_references.needsEnds()) {
            XML_SetEndElementHandler(self->m_parser, nullptr);
        }
    }

    /// The document was read to its end.
    void finish() { m_references.finish(); }

private:
    // The raw text from the tag being read to the end of what the reader holds, and what it
    // holds before the tag.
    struct InputContext {
        std::string_view before;
        std::string_view tag;
    };

    InputContext inputContext() const {
        int offset = 0;
        int size = 0;
        char const* buffer = XML_GetInputContext(m_parser, &offset, &size);
        if (buffer == nullptr || offset < 0 || offset > size) {
            return {};
        }
        return {std::string_view(buffer, static_cast<std::size_t>(offset)),
                std::string_view(buffer + offset, static_cast<std::size_t>(size - offset))};
    }

    // Where the tag being read starts. The reader counts columns in code points; the code
    // units are counted on the part of the line it still holds.
    Position here() {
        Position position(static_cast<long>(XML_GetCurrentLineNumber(m_parser)),
                          static_cast<long>(XML_GetCurrentColumnNumber(m_parser)) + 1);
        InputContext const context = inputContext();
        SourceEncoding const encoding = tagEncoding(context.tag, m_encoding);
        // A document may be one long line: the count goes on from the last tag asked about on
        // the same line, while the reader holds the same text, instead of from the line's start.
        LineUnits& last = m_lineUnits;
        if (context.before.data() == last.buffer && position.line == last.line &&
            context.before.size() >= last.offset && encoding == last.encoding) {
            last.extra += extraUnitsOnLine(context.before.substr(last.offset), encoding);
        } else {
            last.extra = extraUnitsOnLine(context.before, encoding);
        }
        last = {context.before.data(), context.before.size(), position.line, encoding, last.extra};
        position.unitColumn += last.extra;
        return position;
    }

    struct LineUnits {
        char const* buffer = nullptr;
        std::size_t offset = 0;
        long line = 0;
        SourceEncoding encoding = SourceEncoding::Utf8;
        long extra = 0;
    };
    LineUnits m_lineUnits;

    void startElement(std::string_view name, XML_Char const** attributes) {
        bool const root = !m_sawRoot;
        m_sawRoot = true;
        ValuePlace place;
        std::size_t const separator = name.rfind(kNamespaceSeparator);
        if (separator == std::string_view::npos) {
            if (root && name == "svg") {
                m_bareSvg = true;
                Diagnostic note;
                note.position = here();
                note.severity = Severity::Note;
                note.finding = Finding::NoNamespace;
                note.element = name;
                note.message = "the root svg element has no namespace; checked as SVG";
                m_report.diagnostics.push_back(std::move(note));
            }
            if (!m_bareSvg) {
                return;
            }
            place.vocabulary = Vocabulary::Svg;
            place.element = name;
        } else {
            std::string_view const space = name.substr(0, separator);
            if (space == kXslFoNamespace) {
                place.vocabulary = Vocabulary::XslFo;
            } else if (space == kSvgNamespace) {
                place.vocabulary = Vocabulary::Svg;
            } else {
                return;
            }
            place.element = name.substr(separator + 1);
        }
        m_report.hasContent = true;
        m_tag.reset();
        m_raw.reset();
        // One spot for all the attributes, each placed afresh: made for each, it cost as much
        // as a value found silent.
        AttributeSpot spot{this, {}, {}, std::nullopt};
        place.inStyle = false;
        place.locateName = &AttributeSpot::locateName;
        place.locate = &AttributeSpot::locate;
        place.context = &spot;
        for (std::size_t i = 0; attributes[2 * i] != nullptr; ++i) {
            std::string_view const attribute = attributes[2 * i];
            std::string_view const value = attributes[2 * i + 1];
            if (attribute.find(kNamespaceSeparator) != std::string_view::npos) {
                continue;
            }
            if (place.vocabulary == Vocabulary::Svg && attribute == "style") {
                checkStyle(place, value);
                continue;
            }
            spot.name = attribute;
            spot.value = value;
            spot.positions.reset();
            checkValue(m_report, place, attribute, value);
        }
        m_references.startElement(place.vocabulary, name, place.element, attributes, root);
        if (m_references.needsEnds()) {
            XML_SetEndElementHandler(m_parser, onEndElement);
        }
    }

    // Where an attribute of the element stands, for the reference check: by the reader's
    // name ("namespace|local" found by its local name after a prefix), at a byte of its
    // value, or the tag itself for an empty name.
    static Range locateReference(void* context, std::string_view name, std::string_view value,
                                 std::size_t begin, std::size_t end) {
        auto* self = static_cast<Checker*>(context);
        if (name.empty()) {
            return {self->tag(), self->tag()};
        }
        std::size_t const separator = name.rfind(kNamespaceSeparator);
        RawAttribute const* source = self->raw(name.substr(separator + 1));
        if (separator != std::string_view::npos) {
            std::string_view const local = name.substr(separator + 1);
            auto const prefixed = [&](RawAttribute const& r) {
                return r.name.size() > local.size() && r.name.ends_with(local) &&
                       r.name[r.name.size() - local.size() - 1] == ':';
            };
            auto const found = std::find_if(self->m_raw->begin(), self->m_raw->end(), prefixed);
            source = found != self->m_raw->end() ? &*found : nullptr;
        }
        if (source == nullptr) {
            return {self->tag(), self->tag()};
        }
        return begin == std::string_view::npos
                   ? Range{source->namePosition, source->namePosition}
                   : rangeInValue(*source, value, begin, end, self->m_rawEncoding);
    }

    static long markElement(void* context) {
        return static_cast<long>(XML_GetCurrentByteIndex(static_cast<Checker*>(context)->m_parser));
    }

    // An element marked earlier, found in what the reader still holds: its line from the line
    // ends between it and the element being read, its column from the start of its own line.
    static bool recallMark(void* context, long mark, Position& out) {
        auto* self = static_cast<Checker*>(context);
        int offset = 0;
        int size = 0;
        char const* buffer = XML_GetInputContext(self->m_parser, &offset, &size);
        long const now = markElement(context);
        long const back = now - mark;
        bool const wide = self->m_rawEncoding == SourceEncoding::Utf16LE ||
                          self->m_rawEncoding == SourceEncoding::Utf16BE;
        if (wide || buffer == nullptr || back < 0 || back > offset) {
            return false;
        }
        // A name defined again and again has its first element recalled again and again: its
        // place is walked to once, and found again while the reader holds its line's start,
        // as the walk needs.
        long const held = now - offset;
        auto const known = self->m_recalled.find(mark);
        if (known != self->m_recalled.end()) {
            if (known->second.lineStart <= held && held != 0) {
                return false;
            }
            out = known->second.position;
            return true;
        }
        char const* const first = buffer + (offset - back);
        char const* start = first;
        while (start > buffer && start[-1] != '\n' && start[-1] != '\r') {
            --start;
        }
        if (start == buffer && now != offset) {
            return false;
        }
        auto const walked = [&](char const* from, char const* to) {
            detail::Walker walker(std::string_view(from, static_cast<std::size_t>(to - from)),
                                  {1, 1}, self->m_encoding);
            while (!walker.atEnd()) {
                walker.step();
            }
            return walker.position();
        };
        out = {self->tag().line - (walked(first, buffer + offset).line - 1),
               walked(start, first).column};
        self->m_recalled.emplace(mark, Recalled{out, held + (start - buffer)});
        return true;
    }

    // An element recalled, and where its line starts as a byte offset.
    struct Recalled {
        Position position;
        long lineStart = 0;
    };

    // Where an attribute and its value stand, for the element being read.
    struct AttributeSpot {
        Checker* checker;
        std::string_view name;
        std::string_view value;
        std::optional<ValuePositions> positions;

        static Position locateName(void* context) {
            auto const* spot = static_cast<AttributeSpot*>(context);
            RawAttribute const* source = spot->checker->raw(spot->name);
            return source != nullptr ? source->namePosition : spot->checker->tag();
        }

        static Range locate(void* context, std::size_t begin, std::size_t end) {
            auto* spot = static_cast<AttributeSpot*>(context);
            if (!spot->positions) {
                RawAttribute const* source = spot->checker->raw(spot->name);
                spot->positions.emplace(source, spot->value, spot->checker->tag(),
                                        spot->checker->m_rawEncoding);
            }
            return spot->positions->range(begin, end);
        }
    };

    // Where a declaration of the element's `style` stands: its property's name and its value,
    // both as offsets into the delivered style.
    struct StyleSpot {
        Checker* checker;
        std::string_view style;
        std::size_t property = 0;
        std::size_t value = 0;
        std::optional<ValuePositions> positions;

        ValuePositions& walk() {
            if (!positions) {
                RawAttribute const* source = checker->raw("style");
                positions.emplace(source, style, checker->tag(), checker->m_rawEncoding);
            }
            return *positions;
        }

        static Position locateName(void* context) {
            auto* spot = static_cast<StyleSpot*>(context);
            return spot->walk().at(spot->property);
        }

        static Range locate(void* context, std::size_t begin, std::size_t end) {
            auto* spot = static_cast<StyleSpot*>(context);
            return spot->walk().range(spot->value + begin, spot->value + end);
        }
    };

    // Where the element's tag starts; the reader counts lines only when asked, so only a
    // diagnostic asks.
    Position tag() {
        if (!m_tag) {
            m_tag = here();
        }
        return *m_tag;
    }

    // The raw attribute as written in the element's tag, scanned the first time one is
    // asked for. An attribute without a prefix is written under its own name, once per tag;
    // one that a DTD supplies is not written at all and stands where its element does.
    RawAttribute const* raw(std::string_view name) {
        if (!m_raw) {
            Position const start = tag();
            std::string_view const source = inputContext().tag;
            m_rawEncoding = tagEncoding(source, m_encoding);
            m_raw = scanStartTag(source, start, m_rawEncoding);
        }
        auto const written = std::find_if(m_raw->begin(), m_raw->end(), [&](RawAttribute const& r) {
            return r.isNamed(name, m_rawEncoding);
        });
        return written != m_raw->end() ? &*written : nullptr;
    }

    // Declarations "name: value" separated by ";", each checked as the property of its name.
    // One pass: the positions, when needed, walk on with the declarations.
    void checkStyle(ValuePlace place, std::string_view written) {
        thread_local std::string blanked;
        std::string_view const style = withoutStyleComments(written, blanked);
        StyleSpot spot{this, written, 0, 0, std::nullopt};
        place.inStyle = true;
        place.locateName = &StyleSpot::locateName;
        place.locate = &StyleSpot::locate;
        place.context = &spot;
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
                if (!property.empty()) {
                    spot.property = static_cast<std::size_t>(property.data() - style.data());
                    spot.value = static_cast<std::size_t>(value.data() - style.data());
                    checkValue(m_report, place, property, value);
                }
            }
            start = end + 1;
        }
    }

    XML_Parser m_parser;
    FileReport& m_report;
    /// What the document declares; a tag's own bytes may tell UTF-16.
    SourceEncoding m_encoding = SourceEncoding::Utf8;
    bool m_sawRoot = false;
    bool m_bareSvg = false;
    /// The element being read: where its tag starts, and its raw attributes once scanned
    /// with the encoding of the tag's bytes.
    std::optional<Position> m_tag;
    std::optional<std::vector<RawAttribute>> m_raw;
    SourceEncoding m_rawEncoding = SourceEncoding::Utf8;
    std::unordered_map<long, Recalled> m_recalled;
    References m_references{
        m_report, {&Checker::locateReference, &Checker::markElement, &Checker::recallMark, this}};
};

// Encodings the reader does not know itself are read through the system's converter when
// each byte is one character and the characters of markup are ASCII's bytes, as the reader
// requires; any other is named as not supported.
struct Encodings {
    /// The encoding declared and refused, if one was.
    std::string unsupported;

    static int XMLCALL onUnknown(void* data, XML_Char const* name, XML_Encoding* info) {
        auto* self = static_cast<Encodings*>(data);
        if (singleByteMap(name, info->map)) {
            info->data = nullptr;
            info->convert = nullptr;
            info->release = nullptr;
            return XML_STATUS_OK;
        }
        self->unsupported = name;
        return XML_STATUS_ERROR;
    }

    // Each byte's character, or -1 for a byte the encoding does not use.
    static bool singleByteMap(char const* name, int (&map)[256]) {
#ifdef _WIN32
        (void)name;
        (void)map;
        return false;
#else
        iconv_t const converter = ::iconv_open("UTF-32LE", name);
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            return false;
        }
        bool single = true;
        for (int byte = 0; byte < 256 && single; ++byte) {
            char in = static_cast<char>(byte);
            unsigned char out[8] = {};
            char* inAt = &in;
            auto* outAt = reinterpret_cast<char*>(out);
            std::size_t inLeft = 1;
            std::size_t outLeft = sizeof out;
            ::iconv(converter, nullptr, nullptr, nullptr, nullptr);
            std::size_t const converted = ::iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
            if (converted == static_cast<std::size_t>(-1)) {
                // A byte that starts a longer sequence makes a multi-byte encoding.
                single = errno == EILSEQ;
                map[byte] = -1;
                continue;
            }
            if (sizeof out - outLeft != 4) {
                // Nothing written: the byte shifts a state, as in stateful encodings.
                single = false;
                continue;
            }
            map[byte] = static_cast<int>(
                static_cast<unsigned>(out[0]) | (static_cast<unsigned>(out[1]) << 8) |
                (static_cast<unsigned>(out[2]) << 16) | (static_cast<unsigned>(out[3]) << 24));
        }
        ::iconv_close(converter);
        // Markup is read in ASCII's bytes (all but a few characters XML never needs there).
        for (int byte = 0x20; byte < 0x7F && single; ++byte) {
            bool const markup = std::string_view("$@\\^`{}~").find(static_cast<char>(byte)) ==
                                std::string_view::npos;
            single = !markup || map[byte] == byte;
        }
        return single;
#endif
    }
};

void fault(FileReport& report, FileStatus status, Position position, std::string message) {
    Diagnostic diagnostic;
    diagnostic.position = position;
    diagnostic.finding =
        status == FileStatus::Unreadable ? Finding::Unreadable : Finding::NotWellFormed;
    diagnostic.message = std::move(message);
    report.diagnostics.push_back(std::move(diagnostic));
    report.status = status;
}

// The bytes the reader was given and has not read yet: what it holds of a token not ended.
std::size_t unfinished(XML_Parser parser) {
    int offset = 0;
    int size = 0;
    if (XML_GetInputContext(parser, &offset, &size) == nullptr || offset >= size) {
        return 0;
    }
    // The reader counts its buffer in int.
    constexpr std::size_t kLargest = 1u << 30;
    return std::min(static_cast<std::size_t>(size - offset), kLargest);
}

// Reads into the buffer it is given; false with a message when reading fails.
using Source = std::function<bool(char* buffer, std::size_t capacity, std::size_t& got, bool& last,
                                  std::string& error)>;

FileReport check(Source const& source, std::string shownPath) {
    FileReport report;
    report.path = std::move(shownPath);
    std::unique_ptr<XML_ParserStruct, ParserFree> const parser(
        XML_ParserCreateNS(nullptr, kNamespaceSeparator));
    if (!parser) {
        fault(report, FileStatus::Unreadable, {}, "out of memory");
        return report;
    }
    Checker checker(parser.get(), report);
    XML_SetUserData(parser.get(), &checker);
    XML_SetXmlDeclHandler(parser.get(), Checker::onXmlDeclaration);
    XML_SetStartElementHandler(parser.get(), Checker::onStartElement);
    Encodings encodings;
    XML_SetUnknownEncodingHandler(parser.get(), Encodings::onUnknown, &encodings);
    for (;;) {
        // A piece at least as long as the token the reader holds unfinished: it reads that
        // token again from its start with each piece, so a huge token (a path of 100 MB) read
        // in small pieces costs the square of its length, and in growing ones twice its length.
        std::size_t const piece = std::max(kChunk, unfinished(parser.get()));
        void* buffer = XML_GetBuffer(parser.get(), static_cast<int>(piece));
        if (buffer == nullptr) {
            fault(report, FileStatus::Unreadable, {}, "out of memory");
            return report;
        }
        std::size_t got = 0;
        bool last = false;
        std::string error;
        if (!source(static_cast<char*>(buffer), piece, got, last, error)) {
            fault(report, FileStatus::Unreadable, {}, error);
            return report;
        }
        if (XML_ParseBuffer(parser.get(), static_cast<int>(got), last) == XML_STATUS_ERROR) {
            if (XML_GetErrorCode(parser.get()) == XML_ERROR_UNKNOWN_ENCODING &&
                !encodings.unsupported.empty()) {
                // Not the document's fault: this reader cannot read it.
                fault(report, FileStatus::Unreadable, {},
                      "encoding " + encodings.unsupported + " not supported");
                return report;
            }
            fault(report, FileStatus::NotWellFormed,
                  {static_cast<long>(XML_GetCurrentLineNumber(parser.get())),
                   static_cast<long>(XML_GetCurrentColumnNumber(parser.get())) + 1},
                  std::string("not well-formed XML: ") +
                      XML_ErrorString(XML_GetErrorCode(parser.get())));
            return report;
        }
        if (last) {
            checker.finish();
            return report;
        }
    }
}

} // namespace

FileReport checkDocument(std::filesystem::path const& path, std::string shownPath) {
    auto const unreadable = [&] {
        FileReport report;
        report.path = std::move(shownPath);
        fault(report, FileStatus::Unreadable, {}, std::strerror(errno));
        return report;
    };
#ifdef _WIN32
    std::FILE* opened = path == kStandardInput ? stdin : _wfopen(path.c_str(), L"rb");
    std::unique_ptr<std::FILE, FileCloser> const file(opened);
    if (!file) {
        return unreadable();
    }
    return check(
        [&](char* buffer, std::size_t capacity, std::size_t& got, bool& last, std::string& error) {
            got = std::fread(buffer, 1, capacity, file.get());
            if (std::ferror(file.get()) != 0) {
                error = std::strerror(errno);
                return false;
            }
            last = std::feof(file.get()) != 0;
            return true;
        },
        std::move(shownPath));
#else
    // Straight into the reader's buffer: no stream buffer, no copy, no look at the file's size.
    int const descriptor =
        path == kStandardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return unreadable();
    }
    struct Closer {
        int descriptor;
        ~Closer() {
            if (descriptor != STDIN_FILENO) {
                ::close(descriptor);
            }
        }
    } const closer{descriptor};
    return check(
        [&](char* buffer, std::size_t capacity, std::size_t& got, bool& last, std::string& error) {
            ssize_t read = 0;
            do {
                read = ::read(closer.descriptor, buffer, capacity);
            } while (read < 0 && errno == EINTR);
            if (read < 0) {
                error = std::strerror(errno);
                return false;
            }
            got = static_cast<std::size_t>(read);
            last = read == 0;
            return true;
        },
        std::move(shownPath));
#endif
}

FileReport checkDocumentText(std::string_view document, std::string shownPath) {
    std::size_t at = 0;
    return check(
        [&](char* buffer, std::size_t capacity, std::size_t& got, bool& last, std::string&) {
            got = std::min(capacity, document.size() - at);
            std::memcpy(buffer, document.data() + at, got);
            at += got;
            last = at == document.size();
            return true;
        },
        std::move(shownPath));
}

std::string_view withoutStyleComments(std::string_view written, std::string& copy) {
    if (written.find("/*") == std::string_view::npos) {
        return written;
    }
    copy.assign(written);
    for (std::size_t open = copy.find("/*"); open != std::string::npos;
         open = copy.find("/*", open)) {
        std::size_t const close = copy.find("*/", open + 2);
        std::size_t const end = close == std::string::npos ? copy.size() : close + 2;
        std::fill(copy.begin() + static_cast<std::ptrdiff_t>(open),
                  copy.begin() + static_cast<std::ptrdiff_t>(end), ' ');
        open = end;
    }
    return copy;
}

} // namespace Tool
