// The language server: JSON-RPC messages in, answers and published diagnostics out, the
// open documents and their checks in between. Time is handed in, so that tests and the fuzz
// target drive the debounce without waiting.
#pragma once

#include "DocumentDiagnostics.h"
#include "Framing.h"
#include "TextDocument.h"
#include "features/DocumentScan.h"

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

using Clock = std::chrono::steady_clock;

/// The protocol's error codes.
enum class ErrorCode : int {
    ParseError = -32700,
    InvalidRequest = -32600,
    MethodNotFound = -32601,
    InvalidParams = -32602,
    InternalError = -32603,
    ServerNotInitialized = -32002,
    RequestCancelled = -32800,
};

struct ServerOptions {
    /// How long a document must rest after a change before it is checked: a burst of edits
    /// within it is checked once, for the latest text.
    std::chrono::milliseconds debounce{10};
};

/// An open document and what its last check found.
struct OpenDocument {
    TextDocument text;
    long version = 0;
    /// The checked text's version and findings; `checked` is false while a change waits.
    bool checked = false;
    long checkedVersion = 0;
    std::vector<DocumentDiagnostic> diagnostics;
    /// The text those findings are of, from which an edit inside one value is found.
    std::string checkedText;
    bool everChecked = false;
    /// Names the findings for pull requests: it changes with every check.
    long resultId = 0;
    /// When a waiting change is checked.
    std::optional<Clock::time_point> due;
};

class Server;

/// A message as a handler sees it; `id` is null for a notification.
struct Call {
    Json const& params;
    Json const& id;
    Clock::time_point now;
};

/// One row of the method table. A request's handler answers through `Server::reply` or
/// `Server::fail`, now or later; a parameter it cannot use throws, which answers
/// InvalidParams.
struct Method {
    std::string_view name;
    /// Whether the method is a request, answered, or a notification, never answered.
    bool request;
    void (Server::*handler)(Call const& call);
};

class Server {
    enum class State : unsigned char { Starting = 0, Running = 1, ShutDown = 2 };

public:
    /// `send` gets each outgoing message, framed.
    Server(std::function<void(std::string_view)> send, ServerOptions options);

    /// Bytes from the client, in any pieces: each whole message is handled at once.
    void receive(std::string_view bytes, Clock::time_point now);
    /// Checks the documents whose delay has passed, publishes and answers what waited.
    void tick(Clock::time_point now);
    /// When `tick` next has work, if ever.
    std::optional<Clock::time_point> deadline() const;
    /// Set once `exit` came: 0 after `shutdown`, 1 without.
    std::optional<int> exitStatus() const noexcept { return m_exitStatus; }
    bool shutDown() const noexcept { return m_state == State::ShutDown; }

    PositionEncoding encoding() const noexcept { return m_encoding; }
    /// The open document at `uri`, or null.
    OpenDocument const* document(std::string_view uri) const;
    std::size_t openDocuments() const noexcept { return m_documents.size(); }

    // For handlers.
    void reply(Json const& id, Json result);
    void fail(Json const& id, ErrorCode code, std::string message);
    /// The open document that `params.textDocument.uri` names; throws when none is open.
    OpenDocument& documentOf(Json const& params);
    /// The byte offset of a protocol position in `document`.
    std::size_t offsetOf(OpenDocument const& document, Json const& position) const;
    ProtocolPosition positionOf(OpenDocument const& document, std::size_t offset) const;

private:
    struct Waiting {
        std::string uri;
        Json id;
        std::string previousResultId;
    };

    void handleText(std::string_view body, Clock::time_point now);
    void dispatch(Json const& message, Clock::time_point now);
    void send(Json const& message);
    /// Checks the document's latest text, publishes the findings to a client that is sent
    /// them, and answers the pull requests that waited for them. A client that pulls has its
    /// document checked only when a request waits or `needed`.
    void settle(std::string const& uri, OpenDocument& document, bool needed);
    void check(std::string const& uri, OpenDocument& document);
    void publish(std::string const& uri, std::optional<long> version,
                 std::vector<DocumentDiagnostic> const& diagnostics);
    void answerPull(Waiting const& waiting, OpenDocument const& document);
    void closeWaiting(std::string const& uri);
    Json codeActionsFor(std::string const& uri, OpenDocument const& document,
                        ProtocolRange const& range);

    void initialize(Call const& call);
    void initialized(Call const& call);
    void shutdown(Call const& call);
    void exit(Call const& call);
    void cancelRequest(Call const& call);
    void didOpen(Call const& call);
    void didChange(Call const& call);
    void didClose(Call const& call);
    void diagnostic(Call const& call);
    void codeAction(Call const& call);
    // The editor features (EditorFeatures.cpp).
    void hover(Call const& call);
    void completion(Call const& call);
    void documentColor(Call const& call);
    void colorPresentation(Call const& call);
    void definition(Call const& call);
    void references(Call const& call);
    Json rangeOf(OpenDocument const& document, TextSpan span) const;
    Json locationsOf(std::string const& uri, OpenDocument const& document,
                     std::vector<TextSpan> const& spans) const;

    static Method const kMethods[];

    std::function<void(std::string_view)> m_send;
    ServerOptions m_options;
    FrameReader m_frames;
    State m_state = State::Starting;
    PositionEncoding m_encoding = PositionEncoding::Utf16;
    /// A client that pulls diagnostics is not also sent them.
    bool m_push = true;
    std::optional<int> m_exitStatus;
    std::map<std::string, OpenDocument, std::less<>> m_documents;
    std::vector<Waiting> m_waiting;
    long m_checks = 0;
};

} // namespace Tool::Lsp
