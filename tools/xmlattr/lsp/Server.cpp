// Dispatch through the method table, the life cycle, open documents and their checks.
#include "Server.h"

#include "ValueEdit.h"

#include <xmlattr/Version.h>

#include <algorithm>
#include <stdexcept>

namespace Tool::Lsp {

namespace {

constexpr std::string_view kQuickFix = "quickfix";

// A parameter the server cannot use, beyond what the JSON library's own checks catch.
struct BadParams : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A whole number: a fraction or a huge float would not convert safely.
long integer(Json const& json) {
    if (!json.is_number_integer()) {
        throw BadParams("a position or version is a whole number");
    }
    return json.get<long>();
}

bool offers(Json const& list, std::string_view name) {
    return std::any_of(list.begin(), list.end(), [&](Json const& item) {
        return item.is_string() && item.get_ref<std::string const&>() == name;
    });
}

/// The member at `path` of `json`, or null where a step is missing or not an object.
Json const* find(Json const& json, std::initializer_list<char const*> path) {
    Json const* at = &json;
    for (char const* const step : path) {
        if (!at->is_object()) {
            return nullptr;
        }
        auto const found = at->find(step);
        if (found == at->end()) {
            return nullptr;
        }
        at = &*found;
    }
    return at;
}

ProtocolPosition positionFrom(Json const& json) {
    return {integer(json.at("line")), integer(json.at("character"))};
}

bool before(ProtocolPosition const& a, ProtocolPosition const& b) {
    return a.line != b.line ? a.line < b.line : a.character < b.character;
}

// Whether two ranges share a place; touching counts, so that a cursor at a value's end
// still finds the value.
bool meets(ProtocolRange const& a, ProtocolRange const& b) {
    return !before(a.end, b.start) && !before(b.end, a.start);
}

// A value's text as it may stand between either quotation mark of an attribute.
std::string escapedForAttribute(std::string_view value) {
    std::string out;
    for (char const c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

Json emptyReport() { return {{"kind", "full"}, {"items", Json::array()}}; }

std::string dumped(Json const& json) {
    // Text came in as valid UTF-8; a value cut for an echo is replaced where it is not.
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

// Adding a method is a row here and its handler.
// clang-format off
Method const Server::kMethods[] = {
    {"initialize",              true,  &Server::initialize},
    {"initialized",             false, &Server::initialized},
    {"shutdown",                true,  &Server::shutdown},
    {"exit",                    false, &Server::exit},
    {"$/cancelRequest",         false, &Server::cancelRequest},
    {"textDocument/didOpen",    false, &Server::didOpen},
    {"textDocument/didChange",  false, &Server::didChange},
    {"textDocument/didClose",   false, &Server::didClose},
    {"textDocument/diagnostic", true,  &Server::diagnostic},
    {"textDocument/codeAction", true,  &Server::codeAction},
    {"textDocument/hover",      true,  &Server::hover},
    {"textDocument/completion", true,  &Server::completion},
    {"textDocument/documentColor", true, &Server::documentColor},
    {"textDocument/colorPresentation", true, &Server::colorPresentation},
    {"textDocument/definition", true,  &Server::definition},
    {"textDocument/references", true,  &Server::references},
};
// clang-format on

Server::Server(std::function<void(std::string_view)> send, ServerOptions options)
    : m_send(std::move(send)), m_options(options) {}

void Server::receive(std::string_view bytes, Clock::time_point now) {
    m_frames.feed(bytes);
    std::string body;
    for (;;) {
        FrameReader::Got const got = m_frames.next(body);
        if (got == FrameReader::Got::Nothing) {
            return;
        }
        if (got == FrameReader::Got::Fault) {
            fail(nullptr, ErrorCode::ParseError, "a frame's header has no usable Content-Length");
            continue;
        }
        handleText(body, now);
    }
}

void Server::handleText(std::string_view body, Clock::time_point now) {
    Json const message = Json::parse(body, nullptr, false);
    if (message.is_discarded()) {
        fail(nullptr, ErrorCode::ParseError, "the message is not JSON");
        return;
    }
    dispatch(message, now);
}

void Server::dispatch(Json const& message, Clock::time_point now) {
    if (!message.is_object()) {
        fail(nullptr, ErrorCode::InvalidRequest, "a message is a JSON object");
        return;
    }
    auto const idAt = message.find("id");
    bool const request = idAt != message.end();
    bool const idValid = !request || idAt->is_number_integer() || idAt->is_string();
    Json const id = request && idValid ? *idAt : Json();
    auto const method = message.find("method");
    if (method == message.end()) {
        // A response: the server sends no requests, so none is awaited.
        if (!request || !(message.contains("result") || message.contains("error"))) {
            fail(id, ErrorCode::InvalidRequest, "a message needs a method");
        }
        return;
    }
    Json const* const version = find(message, {"jsonrpc"});
    if (!idValid || !method->is_string() || version == nullptr || *version != "2.0") {
        fail(id, ErrorCode::InvalidRequest,
             "a message needs \"jsonrpc\": \"2.0\", a method name and a number or string id");
        return;
    }
    std::string const& name = method->get_ref<std::string const&>();
    if (m_state == State::Starting && name != "initialize" && name != "exit") {
        if (request) {
            fail(id, ErrorCode::ServerNotInitialized, "the server is not initialized yet");
        }
        return;
    }
    if (m_state == State::ShutDown && name != "exit") {
        if (request) {
            fail(id, ErrorCode::InvalidRequest, "the server is shut down");
        }
        return;
    }
    Method const* const row = std::find_if(std::begin(kMethods), std::end(kMethods),
                                           [&](Method const& known) { return known.name == name; });
    if (row == std::end(kMethods) || row->request != request) {
        // Notifications the server does not know, "$/" ones included, are dropped.
        if (request) {
            fail(id, ErrorCode::MethodNotFound, "unknown method " + name);
        }
        return;
    }
    static Json const noParams = Json::object();
    auto const params = message.find("params");
    try {
        (this->*row->handler)(Call{params == message.end() ? noParams : *params, id, now});
    } catch (Json::exception const& error) {
        if (request) {
            fail(id, ErrorCode::InvalidParams, error.what());
        }
    } catch (BadParams const& error) {
        if (request) {
            fail(id, ErrorCode::InvalidParams, error.what());
        }
    }
}

void Server::send(Json const& message) { m_send(framed(dumped(message))); }

void Server::reply(Json const& id, Json result) {
    send({{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}});
}

void Server::fail(Json const& id, ErrorCode code, std::string message) {
    send({{"jsonrpc", "2.0"},
          {"id", id},
          {"error", {{"code", static_cast<int>(code)}, {"message", std::move(message)}}}});
}

OpenDocument const* Server::document(std::string_view uri) const {
    auto const found = m_documents.find(uri);
    return found == m_documents.end() ? nullptr : &found->second;
}

OpenDocument& Server::documentOf(Json const& params) {
    std::string const& uri = params.at("textDocument").at("uri").get_ref<std::string const&>();
    auto const found = m_documents.find(uri);
    if (found == m_documents.end()) {
        throw BadParams("no open document " + uri);
    }
    return found->second;
}

std::size_t Server::offsetOf(OpenDocument const& document, Json const& position) const {
    return document.text.offsetOf(positionFrom(position), m_encoding);
}

ProtocolPosition Server::positionOf(OpenDocument const& document, std::size_t offset) const {
    return document.text.positionOf(offset, m_encoding);
}

void Server::initialize(Call const& call) {
    if (m_state != State::Starting) {
        fail(call.id, ErrorCode::InvalidRequest, "the server is already initialized");
        return;
    }
    // utf-8 first: the held text is UTF-8, so positions cost no walk along the line.
    if (Json const* offered = find(call.params, {"capabilities", "general", "positionEncodings"});
        offered != nullptr && offered->is_array()) {
        for (PositionEncoding const encoding : {PositionEncoding::Utf8, PositionEncoding::Utf32}) {
            if (offers(*offered, encodingName(encoding))) {
                m_encoding = encoding;
                break;
            }
        }
    }
    Json const* const pull = find(call.params, {"capabilities", "textDocument", "diagnostic"});
    m_push = pull == nullptr || !pull->is_object();
    m_state = State::Running;
    Json capabilities = {
        {"positionEncoding", encodingName(m_encoding)},
        {"textDocumentSync", {{"openClose", true}, {"change", 2}}},
        {"diagnosticProvider", {{"interFileDependencies", false}, {"workspaceDiagnostics", false}}},
        {"codeActionProvider", {{"codeActionKinds", {kQuickFix}}}},
        {"hoverProvider", true},
        {"completionProvider", Json::object()},
        {"colorProvider", true},
        {"definitionProvider", true},
        {"referencesProvider", true}};
    reply(call.id, {{"capabilities", std::move(capabilities)},
                    {"serverInfo", {{"name", "xmlattr"}, {"version", XMLATTR_VERSION_STRING}}}});
}

void Server::initialized(Call const&) {}

void Server::shutdown(Call const& call) {
    m_state = State::ShutDown;
    reply(call.id, nullptr);
}

void Server::exit(Call const&) { m_exitStatus = m_state == State::ShutDown ? 0 : 1; }

void Server::cancelRequest(Call const& call) {
    Json const& id = call.params.at("id");
    auto const found = std::find_if(m_waiting.begin(), m_waiting.end(),
                                    [&](Waiting const& waiting) { return waiting.id == id; });
    if (found != m_waiting.end()) {
        fail(found->id, ErrorCode::RequestCancelled, "cancelled");
        m_waiting.erase(found);
    }
}

void Server::didOpen(Call const& call) {
    Json const& item = call.params.at("textDocument");
    std::string const& uri = item.at("uri").get_ref<std::string const&>();
    long const version = integer(item.at("version"));
    std::string text = item.at("text").get<std::string>();
    OpenDocument& document = m_documents[uri];
    document.text.assign(std::move(text));
    document.version = version;
    document.checked = false;
    document.due = call.now;
}

void Server::didChange(Call const& call) {
    OpenDocument& document = documentOf(call.params);
    long const version = integer(call.params.at("textDocument").at("version"));
    for (Json const& change : call.params.at("contentChanges")) {
        std::string const& text = change.at("text").get_ref<std::string const&>();
        auto const range = change.find("range");
        if (range == change.end()) {
            document.text.assign(text);
            continue;
        }
        std::size_t const begin = offsetOf(document, range->at("start"));
        std::size_t const end = offsetOf(document, range->at("end"));
        document.text.replace(begin, std::max(begin, end), text);
    }
    document.version = version;
    document.checked = false;
    document.due = call.now + m_options.debounce;
}

void Server::didClose(Call const& call) {
    std::string const& uri = call.params.at("textDocument").at("uri").get_ref<std::string const&>();
    auto const found = m_documents.find(uri);
    if (found == m_documents.end()) {
        return;
    }
    m_documents.erase(found);
    closeWaiting(uri);
    if (m_push) {
        publish(uri, std::nullopt, {});
    }
}

void Server::closeWaiting(std::string const& uri) {
    auto const closed = std::stable_partition(m_waiting.begin(), m_waiting.end(),
                                              [&](Waiting const& w) { return w.uri != uri; });
    for (auto at = closed; at != m_waiting.end(); ++at) {
        reply(at->id, emptyReport());
    }
    m_waiting.erase(closed, m_waiting.end());
}

void Server::diagnostic(Call const& call) {
    std::string const& uri = call.params.at("textDocument").at("uri").get_ref<std::string const&>();
    Json const* const previous = find(call.params, {"previousResultId"});
    Waiting waiting{uri, call.id,
                    previous != nullptr && previous->is_string() ? previous->get<std::string>()
                                                                 : std::string()};
    auto const found = m_documents.find(uri);
    if (found == m_documents.end()) {
        reply(call.id, emptyReport());
        return;
    }
    OpenDocument& document = found->second;
    if (document.due) {
        // Answered once the burst of edits has settled, for the latest text.
        m_waiting.push_back(std::move(waiting));
        return;
    }
    if (!document.checked) {
        check(uri, document);
    }
    answerPull(waiting, document);
}

void Server::answerPull(Waiting const& waiting, OpenDocument const& document) {
    std::string const resultId = std::to_string(document.resultId);
    if (waiting.previousResultId == resultId) {
        reply(waiting.id, {{"kind", "unchanged"}, {"resultId", resultId}});
        return;
    }
    m_send(framed(R"({"jsonrpc":"2.0","id":)" + dumped(waiting.id) +
                  R"(,"result":{"kind":"full","resultId":")" + resultId + R"(","items":)" +
                  diagnosticsText(document.diagnostics, waiting.uri) + "}}"));
}

void Server::check(std::string const& uri, OpenDocument& document) {
    std::optional<std::vector<DocumentDiagnostic>> edited;
    if (document.everChecked) {
        edited = diagnosticsAfterValueEdit(document.checkedText, document.diagnostics,
                                           document.text, m_encoding, uri);
    }
    if (edited) {
        document.diagnostics = std::move(*edited);
    } else {
        FileReport const report = checkHeldText(document.text.text(), uri);
        document.diagnostics = diagnosticsOf(report, document.text, m_encoding);
    }
    document.checkedText = document.text.text();
    document.everChecked = true;
    document.checked = true;
    document.checkedVersion = document.version;
    document.resultId = ++m_checks;
}

void Server::settle(std::string const& uri, OpenDocument& document, bool needed) {
    document.due.reset();
    auto const waits = [&](Waiting const& waiting) { return waiting.uri == uri; };
    bool const asked = std::any_of(m_waiting.begin(), m_waiting.end(), waits);
    // A client that pulls has its document checked only when it asks.
    if (!m_push && !asked && !needed) {
        return;
    }
    if (!document.checked) {
        check(uri, document);
        if (m_push) {
            publish(uri, document.checkedVersion, document.diagnostics);
        }
    }
    auto const answered = std::stable_partition(m_waiting.begin(), m_waiting.end(),
                                                [&](Waiting const& w) { return !waits(w); });
    for (auto at = answered; at != m_waiting.end(); ++at) {
        answerPull(*at, document);
    }
    m_waiting.erase(answered, m_waiting.end());
}

void Server::publish(std::string const& uri, std::optional<long> version,
                     std::vector<DocumentDiagnostic> const& diagnostics) {
    std::string const versioned = version ? R"(,"version":)" + std::to_string(*version) : "";
    m_send(framed(
        R"({"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"uri":)" +
        dumped(uri) + versioned + R"(,"diagnostics":)" + diagnosticsText(diagnostics, uri) + "}}"));
}

void Server::tick(Clock::time_point now) {
    for (auto& [uri, document] : m_documents) {
        if (document.due && *document.due <= now) {
            settle(uri, document, false);
        }
    }
}

std::optional<Clock::time_point> Server::deadline() const {
    std::optional<Clock::time_point> first;
    for (auto const& entry : m_documents) {
        if (entry.second.due && (!first || *entry.second.due < *first)) {
            first = entry.second.due;
        }
    }
    return first;
}

void Server::codeAction(Call const& call) {
    OpenDocument& document = documentOf(call.params);
    std::string const& uri = call.params.at("textDocument").at("uri").get_ref<std::string const&>();
    Json const& range = call.params.at("range");
    ProtocolRange const asked{positionFrom(range.at("start")), positionFrom(range.at("end"))};
    if (Json const* only = find(call.params, {"context", "only"}); only != nullptr) {
        // A kind asks for itself and the kinds below it: "" and "quickfix" ask for ours.
        if (!offers(*only, "") && !offers(*only, kQuickFix)) {
            reply(call.id, Json::array());
            return;
        }
    }
    if (!document.checked) {
        settle(uri, document, true);
    }
    reply(call.id, codeActionsFor(uri, document, asked));
}

Json Server::codeActionsFor(std::string const& uri, OpenDocument const& document,
                            ProtocolRange const& range) {
    // Each fix costs a check of the whole document; a selection over many findings is
    // offered the first few.
    constexpr std::size_t kMostFixes = 16;
    Json actions = Json::array();
    std::size_t tried = 0;
    for (DocumentDiagnostic const& diagnostic : document.diagnostics) {
        if (!diagnostic.suggestion || !meets(diagnostic.value, range) || tried == kMostFixes) {
            continue;
        }
        ++tried;
        std::size_t const begin = document.text.offsetOf(diagnostic.value.start, m_encoding);
        std::size_t const end = document.text.offsetOf(diagnostic.value.end, m_encoding);
        std::string const replacement = escapedForAttribute(*diagnostic.suggestion);
        std::string fixed = document.text.text();
        fixed.replace(begin, end - std::min(begin, end), replacement);
        // Offered only where the fix leaves the value clean and adds no finding elsewhere.
        FileReport const after = checkHeldText(fixed, uri);
        bool const clean =
            after.diagnostics.size() < document.diagnostics.size() &&
            std::none_of(after.diagnostics.begin(), after.diagnostics.end(),
                         [&](Diagnostic const& found) {
                             return found.position == diagnostic.place && !found.attribute.empty();
                         });
        if (!clean) {
            continue;
        }
        Json edit = {{"range", rangeJson(diagnostic.value)}, {"newText", replacement}};
        actions.push_back({{"title", "Change to \"" + *diagnostic.suggestion + "\""},
                           {"kind", kQuickFix},
                           {"isPreferred", true},
                           {"diagnostics", Json::parse(diagnosticsText({diagnostic}, uri))},
                           {"edit", {{"changes", {{uri, Json::array({std::move(edit)})}}}}}});
    }
    return actions;
}

} // namespace Tool::Lsp
