// The language server under arbitrary input. Half the inputs are raw bytes fed as frames in
// arbitrary pieces: nothing may crash or end the server. The other half are edit sequences
// on a small document, in a negotiated encoding, at positions anywhere (inside characters,
// past line ends, past the last line), with time passing between them: versions must be
// published in order, the held text must be what a plain model of the edits makes, and the
// last diagnostics must be `check`'s on that text, at the places `check` gives.
#include "checker/DocumentChecker.h"
#include "cli/CheckOutput.h"
#include "cli/Messages.h"
#include "lsp/Server.h"
#include "types/ValueType.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace Tool::Lsp;

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Pieces that edits insert: markup, value letters, line ends of each kind, and characters of
// one to four UTF-8 bytes.
constexpr std::string_view kPieces[] = {"<",
                                        ">",
                                        "\"",
                                        "=",
                                        " ",
                                        "/",
                                        "\n",
                                        "\r",
                                        "\r\n",
                                        "a",
                                        "r",
                                        "e",
                                        "d",
                                        "b",
                                        "l",
                                        "u",
                                        "1",
                                        "2",
                                        "p",
                                        "t",
                                        "x",
                                        "%",
                                        "#",
                                        ";",
                                        "&amp;",
                                        "fill",
                                        "width",
                                        "style",
                                        "rect ",
                                        "id=\"a\" ",
                                        "url(#a)",
                                        "\xC3\xA9",
                                        "\xE4\xB8\xAD",
                                        "\xF0\x9F\x98\x80"};

constexpr std::string_view kDocuments[] = {
    "<svg xmlns=\"http://www.w3.org/2000/svg\">\n<rect fill=\"reed\" width=\"12PT\"/>\n"
    "<!-- \xF0\x9F\x98\x80 --><g style=\"fill: bleu; stroke-width: 2\"/></svg>",
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\r\n<fo:block "
    "color=\"reed\" font-size=\"12PT\" space-before=\"\xE4\xB8\xAD\"/></fo:root>",
};

// The model: protocol positions to byte offsets, written plainly from the rules, apart from
// the server's own.
std::vector<std::size_t> lineStarts(std::string const& text) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            starts.push_back(i + 1);
        }
    }
    return starts;
}

std::size_t modelOffset(std::string const& text, long line, long character,
                        PositionEncoding encoding) {
    std::vector<std::size_t> const starts = lineStarts(text);
    if (line >= static_cast<long>(starts.size())) {
        return text.size();
    }
    std::size_t at = starts[static_cast<std::size_t>(line)];
    long units = 0;
    while (at < text.size() && text[at] != '\n' && text[at] != '\r') {
        auto const lead = static_cast<unsigned char>(text[at]);
        std::size_t const bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        long const width = encoding == PositionEncoding::Utf8    ? static_cast<long>(bytes)
                           : encoding == PositionEncoding::Utf16 ? (bytes == 4 ? 2 : 1)
                                                                 : 1;
        if (units + width > character) {
            break;
        }
        units += width;
        at += bytes;
    }
    return at;
}

// The model's protocol position of a checker's place (line and code-point column from 1).
Json modelPosition(std::string const& text, Tool::Position const& place,
                   PositionEncoding encoding) {
    std::vector<std::size_t> const starts = lineStarts(text);
    std::size_t const start = starts.at(static_cast<std::size_t>(place.line - 1));
    std::size_t const at =
        modelOffset(text, place.line - 1, place.column - 1, PositionEncoding::Utf32);
    long units = 0;
    for (std::size_t i = start; i < at;) {
        auto const lead = static_cast<unsigned char>(text[i]);
        std::size_t const bytes = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        units += encoding == PositionEncoding::Utf8    ? static_cast<long>(bytes)
                 : encoding == PositionEncoding::Utf16 ? (bytes == 4 ? 2 : 1)
                                                       : 1;
        i += bytes;
    }
    return {{"line", place.line - 1}, {"character", units}};
}

struct Reader {
    std::uint8_t const* data;
    std::size_t size;
    std::size_t at = 0;
    bool atEnd() const { return at >= size; }
    unsigned byte() { return at < size ? data[at++] : 0U; }
};

void rawFrames(Reader input) {
    Server server([](std::string_view) {}, ServerOptions{std::chrono::milliseconds(0)});
    Clock::time_point now{};
    server.receive(framed(R"({"jsonrpc":"2.0","id":0,"method":"initialize","params":{}})"), now);
    while (!input.atEnd()) {
        std::size_t const piece = std::min<std::size_t>(input.byte() + 1U, input.size - input.at);
        server.receive(
            std::string_view(reinterpret_cast<char const*>(input.data + input.at), piece), now);
        input.at += piece;
        now += std::chrono::milliseconds(5);
        server.tick(now);
    }
}

void editSequence(Reader input) {
    constexpr PositionEncoding kEncodings[] = {PositionEncoding::Utf16, PositionEncoding::Utf8,
                                               PositionEncoding::Utf32};
    unsigned const first = input.byte();
    PositionEncoding const encoding = kEncodings[first % 3];
    std::string model(kDocuments[(first / 3) % 2]);
    std::vector<Json> published;
    Server server(
        [&](std::string_view frame) {
            Json message = Json::parse(frame.substr(frame.find("\r\n\r\n") + 4));
            check(!message.contains("error"));
            if (message.contains("method")) {
                published.push_back(std::move(message["params"]));
            }
        },
        ServerOptions{std::chrono::milliseconds(20)});
    Clock::time_point now{};
    std::string const uri = "file:///f";
    auto const send = [&](Json message) {
        message["jsonrpc"] = "2.0";
        server.receive(framed(message.dump()), now);
    };
    send({{"id", 0},
          {"method", "initialize"},
          {"params",
           {{"capabilities", {{"general", {{"positionEncodings", {encodingName(encoding)}}}}}}}}});
    send({{"method", "textDocument/didOpen"},
          {"params",
           {{"textDocument",
             {{"uri", uri}, {"languageId", "xml"}, {"version", 1}, {"text", model}}}}}});
    long version = 1;
    while (!input.atEnd()) {
        long const lines = static_cast<long>(lineStarts(model).size());
        auto const position = [&] {
            long const line = static_cast<long>(input.byte()) % (lines + 1);
            long const character = static_cast<long>(input.byte()) % 48;
            return std::pair{line, character};
        };
        auto [startLine, startCharacter] = position();
        auto [endLine, endCharacter] = position();
        std::size_t begin = modelOffset(model, startLine, startCharacter, encoding);
        std::size_t end = modelOffset(model, endLine, endCharacter, encoding);
        if (end < begin) {
            std::swap(begin, end);
            std::swap(startLine, endLine);
            std::swap(startCharacter, endCharacter);
        }
        std::string inserted;
        for (unsigned count = input.byte() % 4; count > 0; --count) {
            inserted += kPieces[input.byte() % std::size(kPieces)];
        }
        model.replace(begin, end - begin, inserted);
        Json const range = {{"start", {{"line", startLine}, {"character", startCharacter}}},
                            {"end", {{"line", endLine}, {"character", endCharacter}}}};
        send({{"method", "textDocument/didChange"},
              {"params",
               {{"textDocument", {{"uri", uri}, {"version", ++version}}},
                {"contentChanges", {{{"range", range}, {"text", inserted}}}}}}});
        now += std::chrono::milliseconds(input.byte() % 32);
        server.tick(now);
    }
    now += std::chrono::milliseconds(20);
    server.tick(now);
    check(server.document(uri)->text.text() == model);
    // Versions come in order, the last for the last edit.
    for (std::size_t i = 1; i < published.size(); ++i) {
        check(published[i - 1]["version"].get<long>() < published[i]["version"].get<long>());
    }
    check(!published.empty() && published.back()["version"] == version);
    Json const& diagnostics = published.back()["diagnostics"];
    Tool::FileReport const report = Tool::checkDocumentText(model, uri);
    check(diagnostics.size() == report.diagnostics.size());
    for (std::size_t i = 0; i < report.diagnostics.size(); ++i) {
        Tool::Diagnostic const& expected = report.diagnostics[i];
        check(diagnostics[i]["message"] == Tool::messageOf(expected));
        check(diagnostics[i]["code"] == Tool::findingName(expected.finding));
        std::vector<std::string> const notes = Tool::notesOf(expected);
        Json const related = diagnostics[i].value("relatedInformation", Json::array());
        check(related.size() == notes.size());
        for (std::size_t n = 0; n < notes.size(); ++n) {
            check(related[n]["message"] == notes[n]);
        }
        if (expected.attribute.empty()) {
            continue;
        }
        Tool::Range const& marked = expected.part ? *expected.part : expected.range;
        check(diagnostics[i]["range"]["start"] == modelPosition(model, marked.start, encoding));
        check(diagnostics[i]["range"]["end"] == modelPosition(model, marked.end, encoding));
        if (encoding == PositionEncoding::Utf16) {
            check(diagnostics[i]["range"]["start"]["character"] == marked.start.unitColumn - 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    static bool const captured = (Tool::captureLibraryLog(), true);
    (void)captured;
    if (size == 0) {
        return 0;
    }
    Reader const input{data + 1, size - 1};
    if (data[0] % 2 == 0) {
        rawFrames(input);
    } else {
        editSequence(input);
    }
    return 0;
}
