// The server as a client sees it: frames and dispatch as rows of bytes in and answers out;
// then documents, the debounce, pulls and cancellation, quick fixes and the agreement of its
// diagnostics with `check` on real documents.
#include "lsp/Server.h"
#include "lsp/TestDocuments.h"

#include "checker/DocumentChecker.h"
#include "cli/CheckOutput.h"
#include "cli/Messages.h"
#include "types/ValueType.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace Tool::Lsp;
using namespace std::chrono_literals;

constexpr int kNone = 0; // a result, not an error

// A client on the server: what it sends goes in as frames, what comes out is parsed back.
struct Client {
    std::vector<Json> out;
    Clock::time_point now{};
    Server server{[this](std::string_view frame) {
                      std::size_t const body = frame.find("\r\n\r\n");
                      ASSERT_NE(body, std::string_view::npos);
                      ASSERT_EQ(frame.substr(0, 16), "Content-Length: ");
                      out.push_back(Json::parse(frame.substr(body + 4)));
                  },
                  ServerOptions{50ms}};

    void bytes(std::string_view text) { server.receive(text, now); }
    void send(Json message) {
        message["jsonrpc"] = "2.0";
        bytes(framed(message.dump()));
    }
    void request(int id, std::string const& method, Json params = Json::object()) {
        send({{"id", id}, {"method", method}, {"params", std::move(params)}});
    }
    void notify(std::string const& method, Json params) {
        send({{"method", method}, {"params", std::move(params)}});
    }
    void initialize(Json capabilities = Json::object()) {
        request(0, "initialize", {{"capabilities", std::move(capabilities)}});
        notify("initialized", Json::object());
        out.clear();
    }
    void open(std::string const& uri, std::string const& text, long version = 1) {
        notify("textDocument/didOpen",
               {{"textDocument",
                 {{"uri", uri}, {"languageId", "xml"}, {"version", version}, {"text", text}}}});
    }
    void change(std::string const& uri, long version, Json changes) {
        notify("textDocument/didChange", {{"textDocument", {{"uri", uri}, {"version", version}}},
                                          {"contentChanges", std::move(changes)}});
    }
    void wait(Clock::duration time) {
        now += time;
        server.tick(now);
    }
    /// The published diagnostics so far, and forgets them.
    std::vector<Json> published() {
        std::vector<Json> found;
        for (Json const& message : out) {
            if (message.value("method", "") == "textDocument/publishDiagnostics") {
                found.push_back(message["params"]);
            }
        }
        out.clear();
        return found;
    }
};

Json rangeOf(long line, long start, long end) {
    return {{"start", {{"line", line}, {"character", start}}},
            {"end", {{"line", line}, {"character", end}}}};
}

std::string const kSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\">";

TEST(LspServer, FramesAndDispatch) {
    struct Row {
        char const* name;
        bool initialized;
        std::vector<std::string> pieces;
        /// Answers expected: id (null for none) and error code.
        std::vector<std::pair<Json, int>> answers;
    };
    auto const frame = [](std::string_view body) { return framed(body); };
    std::string const shutdown = R"({"jsonrpc":"2.0","id":7,"method":"shutdown"})";
    std::vector<Row> const rows = {
        {"header and body in pieces",
         true,
         {"Content-Len", "gth: 44\r", "\n\r\n{\"jsonrpc\":\"2.0\",",
          "\"id\":7,\"method\":\"shutdown\"}"},
         {{7, kNone}}},
        {"two frames in one piece",
         true,
         {frame(shutdown) + frame(shutdown)},
         {{7, kNone}, {7, -32600}}},
        {"other headers, any case",
         true,
         {"content-length: 44\r\nContent-Type: application/vscode-jsonrpc\r\n\r\n" + shutdown},
         {{7, kNone}}},
        {"no Content-Length",
         true,
         {"Content-Type: x\r\n\r\n" + frame(shutdown)},
         {{nullptr, -32700}, {7, kNone}}},
        {"a length that is no number",
         true,
         {"Content-Length: 4x\r\n\r\n" + frame(shutdown)},
         {{nullptr, -32700}, {7, kNone}}},
        {"a length too short, then a frame",
         true,
         {"Content-Length: 10\r\n\r\n" + shutdown + frame(shutdown)},
         {{nullptr, -32700}, {7, kNone}}},
        {"a body over the limit is skipped as it comes",
         true,
         {"Content-Length: 999999999999\r\n\r\nxxxx", "yyyy"},
         {{nullptr, -32700}}},
        {"bad JSON", true, {frame("{\"jsonrpc\":")}, {{nullptr, -32700}}},
        {"not UTF-8",
         true,
         {frame("{\"jsonrpc\":\"2.0\",\"method\":\"\xFF\"}")},
         {{nullptr, -32700}}},
        {"an array", true, {frame("[1,2]")}, {{nullptr, -32600}}},
        {"no jsonrpc member", true, {frame(R"({"id":3,"method":"shutdown"})")}, {{3, -32600}}},
        {"an id that is an object",
         true,
         {frame(R"({"jsonrpc":"2.0","id":{},"method":"shutdown"})")},
         {{nullptr, -32600}}},
        {"an unknown request",
         true,
         {frame(R"({"jsonrpc":"2.0","id":"a","method":"x/y"})")},
         {{"a", -32601}}},
        {"an unknown notification", true, {frame(R"({"jsonrpc":"2.0","method":"x/y"})")}, {}},
        {"a $/ notification",
         true,
         {frame(R"({"jsonrpc":"2.0","method":"$/setTrace","params":{}})")},
         {}},
        {"a response from the client",
         true,
         {frame(R"({"jsonrpc":"2.0","id":4,"result":null})")},
         {}},
        {"a notification named as a request",
         true,
         {frame(R"({"jsonrpc":"2.0","id":5,"method":"initialized"})")},
         {{5, -32601}}},
        {"parameters of the wrong shape",
         true,
         {frame(
             R"({"jsonrpc":"2.0","id":6,"method":"textDocument/codeAction","params":{"textDocument":3}})")},
         {{6, -32602}}},
        {"a request for a document not open",
         true,
         {frame(R"({"jsonrpc":"2.0","id":6,"method":"textDocument/codeAction","params":)"
                R"({"textDocument":{"uri":"file:///none"},"range":{}}})")},
         {{6, -32602}}},
        {"a second initialize",
         true,
         {frame(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})")},
         {{1, -32600}}},
        {"a request before initialize", false, {frame(shutdown)}, {{7, -32002}}},
        {"a notification before initialize",
         false,
         {frame(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{}})")},
         {}},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.name);
        Client client;
        if (row.initialized) {
            client.initialize();
        }
        for (std::string const& piece : row.pieces) {
            client.bytes(piece);
        }
        ASSERT_EQ(client.out.size(), row.answers.size());
        for (std::size_t i = 0; i < row.answers.size(); ++i) {
            Json const& answer = client.out[i];
            EXPECT_EQ(answer["id"], row.answers[i].first);
            int const code = answer.contains("error") ? answer["error"]["code"].get<int>() : 0;
            EXPECT_EQ(code, row.answers[i].second);
        }
        EXPECT_FALSE(client.server.exitStatus());
    }
}

TEST(LspServer, LifeCycle) {
    Client client;
    client.request(1, "initialize", Json::object());
    EXPECT_EQ(client.out.at(0)["result"]["capabilities"]["positionEncoding"], "utf-16");
    client.request(2, "shutdown");
    client.request(3, "textDocument/diagnostic", {{"textDocument", {{"uri", "file:///a"}}}});
    EXPECT_EQ(client.out.at(2)["error"]["code"], -32600);
    client.notify("exit", Json::object());
    EXPECT_EQ(client.server.exitStatus(), 0);

    Client abrupt;
    abrupt.notify("exit", Json::object());
    EXPECT_EQ(abrupt.server.exitStatus(), 1);
}

// The emoji before the value puts it at different characters in each encoding.
TEST(LspServer, DiagnosticRangesInEachEncoding) {
    std::string const line = "<!-- \xF0\x9F\x98\x80\xC3\xA9 --><rect fill=\"reed\"/>";
    std::string const text = kSvg + "\n" + line + "\n</svg>";
    struct Row {
        char const* encoding;
        long start; // of "reed"
    };
    Row const rows[] = {{"utf-16", 24}, {"utf-8", 27}, {"utf-32", 23}};
    for (Row const& row : rows) {
        SCOPED_TRACE(row.encoding);
        Client client;
        client.initialize({{"general", {{"positionEncodings", {row.encoding}}}}});
        client.open("file:///e.svg", text);
        client.wait(0ms);
        std::vector<Json> const published = client.published();
        ASSERT_EQ(published.size(), 1U);
        Json const& diagnostic = published[0]["diagnostics"].at(0);
        EXPECT_EQ(diagnostic["range"], rangeOf(1, row.start, row.start + 4));
        EXPECT_EQ(diagnostic["code"], "invalid-value");
        EXPECT_EQ(diagnostic["severity"], 1);
        EXPECT_EQ(diagnostic["relatedInformation"].at(0)["message"], "did you mean \"red\"?");
    }
}

// The editor decoded the document: a declared single-byte encoding must not make the check
// read the held UTF-8 as that encoding, which would misplace and misread what follows.
TEST(LspServer, HeldTextIsUtf8WhateverItsDeclarationSays) {
    for (char const* declared : {"ISO-8859-1", "utf-8", "l1"}) {
        SCOPED_TRACE(declared);
        Client client;
        client.initialize();
        client.open("file:///l.svg", std::string("<?xml version=\"1.0\" encoding='") + declared +
                                         "' standalone=\"yes\"?>\n" + kSvg +
                                         "<!-- \xC3\xA9 --><rect fill=\"\xC3\xA9\"/></svg>");
        client.wait(0ms);
        Json const diagnostic = client.published().at(0)["diagnostics"].at(0);
        EXPECT_EQ(diagnostic["range"], rangeOf(1, 62, 63));
        EXPECT_EQ(diagnostic["message"], "fill=\"\xC3\xA9\" is not a valid SColor");
    }
}

// Messages are escaped by hand on the way out: the text must be what the JSON library itself
// writes, byte for byte, for every kind of character a message can quote.
TEST(LspServer, PublishedTextIsEscapedAsTheJsonLibraryWritesIt) {
    for (std::string const& message :
         {std::string("plain"), std::string("fill=\"re\\d\" is not valid"),
          std::string("tab\tnew\nline\rform\fback\b"), std::string("\x01\x1F\x7F end", 7),
          std::string("\xC3\xA9 and \xF0\x9F\x98\x80"), std::string("broken \xFF\xC3")}) {
        SCOPED_TRACE(message);
        Tool::Lsp::DocumentDiagnostic diagnostic;
        diagnostic.message = message;
        diagnostic.notes = {message};
        std::string const text = Tool::Lsp::diagnosticsText({diagnostic}, "file:///a\"b");
        Json const read = Json::parse(text);
        std::string const expected =
            Json(message).dump(-1, ' ', false, Json::error_handler_t::replace);
        EXPECT_NE(text.find(",\"message\":" + expected), std::string::npos) << text;
        EXPECT_EQ(read.at(0)["relatedInformation"].at(0)["location"]["uri"], "file:///a\"b");
    }
}

TEST(LspServer, ABurstOfEditsIsCheckedOnceForTheLatestText) {
    Client client;
    client.initialize();
    std::string const uri = "file:///b.svg";
    client.open(uri, kSvg + "<rect fill=\"red\"/></svg>");
    client.wait(0ms);
    EXPECT_TRUE(client.published().at(0)["diagnostics"].empty());
    // "red" becomes "reed", then "reedy", then "blue", keystroke by keystroke.
    client.change(uri, 2, {{{"range", rangeOf(0, 53, 53)}, {"text", "e"}}});
    client.wait(20ms);
    client.change(uri, 3, {{{"range", rangeOf(0, 56, 56)}, {"text", "y"}}});
    client.wait(20ms);
    EXPECT_TRUE(client.published().empty());
    client.change(uri, 4, {{{"range", rangeOf(0, 52, 57)}, {"text", "blue"}}});
    client.wait(49ms);
    EXPECT_TRUE(client.published().empty());
    client.wait(1ms);
    std::vector<Json> const published = client.published();
    ASSERT_EQ(published.size(), 1U);
    EXPECT_EQ(published[0]["version"], 4);
    EXPECT_TRUE(published[0]["diagnostics"].empty());
    EXPECT_EQ(client.server.document(uri)->text.text(), kSvg + "<rect fill=\"blue\"/></svg>");
    // A full replacement, and closing, which clears what was published.
    client.change(uri, 5, {{{"text", kSvg + "<rect fill=\"bleu\"/></svg>"}}});
    client.wait(50ms);
    EXPECT_EQ(client.published().at(0)["diagnostics"].size(), 1U);
    client.notify("textDocument/didClose", {{"textDocument", {{"uri", uri}}}});
    EXPECT_TRUE(client.published().at(0)["diagnostics"].empty());
    EXPECT_EQ(client.server.openDocuments(), 0U);
}

TEST(LspServer, PullsWaitForTheBurstAndCanBeCancelled) {
    Client client;
    client.initialize({{"textDocument", {{"diagnostic", Json::object()}}}});
    std::string const uri = "file:///p.svg";
    Json const document = {{"textDocument", {{"uri", uri}}}};
    client.open(uri, kSvg + "<rect fill=\"reed\"/></svg>");
    client.wait(0ms);
    EXPECT_TRUE(client.out.empty()); // a client that pulls is not sent diagnostics
    client.request(1, "textDocument/diagnostic", document);
    Json const first = client.out.at(0)["result"];
    EXPECT_EQ(first["items"].size(), 1U);
    client.out.clear();
    // The same result again is "unchanged".
    Json again = document;
    again["previousResultId"] = first["resultId"];
    client.request(2, "textDocument/diagnostic", again);
    EXPECT_EQ(client.out.at(0)["result"]["kind"], "unchanged");
    client.out.clear();
    // After a change a pull waits for the debounce; one is cancelled meanwhile.
    client.change(uri, 2, {{{"range", rangeOf(0, 52, 56)}, {"text", "red"}}});
    client.request(3, "textDocument/diagnostic", document);
    client.request(4, "textDocument/diagnostic", document);
    client.notify("$/cancelRequest", {{"id", 3}});
    ASSERT_EQ(client.out.size(), 1U);
    EXPECT_EQ(client.out[0]["id"], 3);
    EXPECT_EQ(client.out[0]["error"]["code"], -32800);
    client.wait(50ms);
    ASSERT_EQ(client.out.size(), 2U);
    EXPECT_EQ(client.out[1]["id"], 4);
    EXPECT_TRUE(client.out[1]["result"]["items"].empty());
}

TEST(LspServer, QuickFixesAreOfferedOnlyWhenTheyMendTheValue) {
    Client client;
    client.initialize();
    std::string const uri = "file:///q.svg";
    // Two near misses and a value without a suggestion.
    std::string const text =
        kSvg + "\n<rect fill=\"reed\" stroke-width=\"12PT\" width=\"x\"/></svg>";
    client.open(uri, text);
    client.wait(0ms);
    client.out.clear();
    client.request(1, "textDocument/codeAction",
                   {{"textDocument", {{"uri", uri}}},
                    {"range", rangeOf(1, 0, 60)},
                    {"context", {{"diagnostics", Json::array()}}}});
    Json const actions = client.out.at(0)["result"];
    ASSERT_EQ(actions.size(), 2U);
    std::string fixed = text;
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        EXPECT_EQ((*it)["kind"], "quickfix");
        Json const& edit = (*it)["edit"]["changes"][uri].at(0);
        TextDocument lines(fixed);
        std::size_t const begin =
            lines.offsetOf({edit["range"]["start"]["line"], edit["range"]["start"]["character"]},
                           PositionEncoding::Utf16);
        std::size_t const end =
            lines.offsetOf({edit["range"]["end"]["line"], edit["range"]["end"]["character"]},
                           PositionEncoding::Utf16);
        fixed.replace(begin, end - begin, edit["newText"].get<std::string>());
    }
    EXPECT_EQ(fixed, kSvg + "\n<rect fill=\"red\" stroke-width=\"12pt\" width=\"x\"/></svg>");
    // Asked for another kind only, none.
    client.out.clear();
    client.request(2, "textDocument/codeAction",
                   {{"textDocument", {{"uri", uri}}},
                    {"range", rangeOf(1, 0, 60)},
                    {"context", {{"diagnostics", Json::array()}, {"only", {"refactor"}}}}});
    EXPECT_TRUE(client.out.at(0)["result"].empty());
}

// A reference to no name, where one name is near, is mended by naming it.
TEST(LspServer, AnUnresolvedReferenceIsFixedByTheNearName) {
    Client client;
    client.initialize();
    std::string const uri = "file:///r.fo";
    std::string const text =
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set>"
        "<fo:simple-page-master master-name=\"cover\"><fo:region-body/></fo:simple-page-master>"
        "</fo:layout-master-set>\n<fo:page-sequence master-reference=\"cover\"><fo:flow "
        "flow-name=\"xsl-region-body\"><fo:block>x</fo:block></fo:flow></fo:page-sequence>\n"
        "<fo:page-sequence master-reference=\"covers\"><fo:flow flow-name=\"xsl-region-body\">"
        "<fo:block>x</fo:block></fo:flow></fo:page-sequence></fo:root>";
    client.open(uri, text);
    client.wait(0ms);
    client.out.clear();
    client.request(1, "textDocument/codeAction",
                   {{"textDocument", {{"uri", uri}}},
                    {"range", rangeOf(2, 0, 50)},
                    {"context", {{"diagnostics", Json::array()}}}});
    Json const actions = client.out.at(0)["result"];
    ASSERT_EQ(actions.size(), 1U);
    EXPECT_EQ(actions[0]["title"], "Change to \"cover\"");
    Json const& edit = actions[0]["edit"]["changes"][uri].at(0);
    EXPECT_EQ(edit["range"], rangeOf(2, 36, 42));
    EXPECT_EQ(edit["newText"], "cover");
}

// The editor features answer in the negotiated encoding: on a line where an emoji takes two
// UTF-16 code units and four UTF-8 bytes, each range must land on the same text.
TEST(LspServer, EditorFeaturesAnswerInProtocolPositions) {
    std::string const line = "<text>\xF0\x9F\x98\x80</text><rect id=\"box\" fill=\"red\"/>";
    std::string const text = kSvg + "\n" + line + "\n<use href=\"#box\"/></svg>";
    struct Row {
        char const* encoding;
        long emoji; // the extra code units the emoji takes beyond one
    };
    Row const rows[] = {{"utf-16", 1}, {"utf-8", 3}, {"utf-32", 0}};
    for (Row const& row : rows) {
        SCOPED_TRACE(row.encoding);
        Client client;
        client.initialize({{"general", {{"positionEncodings", {row.encoding}}}}});
        std::string const uri = "file:///f.svg";
        client.open(uri, text);
        client.wait(0ms);
        client.out.clear();
        long const red = 35 + row.emoji; // "red" in line 1
        long const id = 24 + row.emoji;  // "box" in line 1
        Json const document = {{"uri", uri}};
        auto const at = [&](long lineNumber, long character) {
            return Json{{"textDocument", document},
                        {"position", {{"line", lineNumber}, {"character", character}}}};
        };
        auto const answer = [&](int request, std::string const& method, Json params) {
            client.out.clear();
            client.request(request, method, std::move(params));
            EXPECT_EQ(client.out.size(), 1U);
            return client.out.empty() ? Json() : client.out[0]["result"];
        };

        Json const hover = answer(1, "textDocument/hover", at(1, red + 1));
        EXPECT_EQ(hover["range"], rangeOf(1, red, red + 3));
        EXPECT_EQ(hover["contents"]["kind"], "markdown");
        EXPECT_EQ(answer(2, "textDocument/hover", at(0, 2)), nullptr);

        Json const colors = answer(3, "textDocument/documentColor", {{"textDocument", document}});
        ASSERT_EQ(colors.size(), 1U);
        EXPECT_EQ(colors[0]["range"], rangeOf(1, red, red + 3));
        EXPECT_EQ(colors[0]["color"],
                  (Json{{"red", 1.0}, {"green", 0.0}, {"blue", 0.0}, {"alpha", 1.0}}));

        Json const forms =
            answer(4, "textDocument/colorPresentation",
                   {{"textDocument", document},
                    {"range", rangeOf(1, red, red + 3)},
                    {"color", {{"red", 0}, {"green", 0}, {"blue", 1}, {"alpha", 1}}}});
        auto const blue = std::find_if(forms.begin(), forms.end(),
                                       [](Json const& form) { return form["label"] == "blue"; });
        ASSERT_NE(blue, forms.end());
        EXPECT_EQ((*blue)["textEdit"]["range"], rangeOf(1, red, red + 3));

        Json const items = answer(5, "textDocument/completion", at(1, red + 2))["items"];
        auto const named = std::find_if(items.begin(), items.end(),
                                        [](Json const& item) { return item["label"] == "red"; });
        ASSERT_NE(named, items.end());
        EXPECT_EQ((*named)["kind"], 16);
        EXPECT_EQ((*named)["documentation"], "#ff0000");

        // From the reference on line 2 to the id, and back with the declaration included.
        Json const definition = answer(6, "textDocument/definition", at(2, 13));
        ASSERT_EQ(definition.size(), 1U);
        EXPECT_EQ(definition[0]["range"], rangeOf(1, id, id + 3));
        Json references = at(1, id);
        references["context"] = {{"includeDeclaration", true}};
        Json const found = answer(7, "textDocument/references", references);
        ASSERT_EQ(found.size(), 2U);
        EXPECT_EQ(found[0]["range"], rangeOf(1, id, id + 3));
        EXPECT_EQ(found[1]["range"], rangeOf(2, 12, 15));
        references["context"]["includeDeclaration"] = false;
        EXPECT_EQ(answer(8, "textDocument/references", references).size(), 1U);
    }
}

// The server says what `check --format json` says, range for range, on real documents: the
// samples, and the shared corpus where it is at hand.
TEST(LspServer, AgreesWithCheckOnDocuments) {
    Tool::captureLibraryLog();
    auto const documents = Tool::Lsp::Testing::realDocuments();
    ASSERT_FALSE(documents.empty());
    for (auto const& [path, text] : documents) {
        SCOPED_TRACE(path.string());
        Client client;
        client.initialize();
        client.open("file:///d", text);
        client.wait(0ms);
        Json const diagnostics = client.published().at(0)["diagnostics"];
        Tool::FileReport const report = Tool::checkDocumentText(text, "file:///d");
        ASSERT_EQ(diagnostics.size(), report.diagnostics.size());
        for (std::size_t i = 0; i < diagnostics.size(); ++i) {
            Tool::Diagnostic const& expected = report.diagnostics[i];
            EXPECT_EQ(diagnostics[i]["code"], Tool::findingName(expected.finding));
            EXPECT_EQ(diagnostics[i]["message"], Tool::messageOf(expected));
            if (expected.attribute.empty()) {
                continue;
            }
            Tool::Range const& marked = expected.part ? *expected.part : expected.range;
            EXPECT_EQ(diagnostics[i]["range"]["start"]["line"], marked.start.line - 1);
            EXPECT_EQ(diagnostics[i]["range"]["start"]["character"], marked.start.unitColumn - 1);
            EXPECT_EQ(diagnostics[i]["range"]["end"]["line"], marked.end.line - 1);
            EXPECT_EQ(diagnostics[i]["range"]["end"]["character"], marked.end.unitColumn - 1);
        }
    }
}

} // namespace
