// The checker's findings on one open document, placed as the protocol counts positions and
// worded as `xmlattr check` words them.
#pragma once

#include "TextDocument.h"
#include "checker/FileReport.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

using Json = nlohmann::json;

struct ProtocolRange {
    ProtocolPosition start;
    ProtocolPosition end;

    friend bool operator==(ProtocolRange const&, ProtocolRange const&) = default;
};

/// One finding, as small as the protocol needs it: a document with tens of thousands of
/// findings holds these, not the checker's reports.
struct DocumentDiagnostic {
    /// Where an editor marks it: the part of the value at fault, the value, or the place of a
    /// finding about a name or the document.
    ProtocolRange range;
    /// The whole value, which a quick fix replaces; `range` where there is no value.
    ProtocolRange value;
    /// Where the checker placed it (the attribute's name), which an edit of the value leaves.
    Position place;
    Severity severity = Severity::Error;
    Finding finding = Finding::Invalid;
    std::string message;
    std::vector<std::string> notes;
    /// The value the writer likely meant, as the value's text (before escaping for XML).
    std::optional<std::string> suggestion;
};

/// `check`'s report on held text. The editor has decoded the document, so the text is UTF-8
/// whatever its XML declaration says: a declared encoding of another name is blanked out of a
/// copy (spaces of its length, so that every place stays) before the check.
FileReport checkHeldText(std::string_view text, std::string const& uri);

/// The findings of `report`, a check of `document`'s text, in document order.
std::vector<DocumentDiagnostic>
diagnosticsOf(FileReport const& report, TextDocument const& document, PositionEncoding encoding);

Json rangeJson(ProtocolRange const& range);
/// Appends the protocol's Diagnostic as JSON text: severity, the rule id as the machine
/// formats name it, the message, and the notes as related information at the same place of
/// `uri`. Written straight to text: a document with thousands of findings is published after
/// every edit, and a tree of JSON values for it would cost as much as the check.
void appendDiagnostic(std::string& out, DocumentDiagnostic const& diagnostic, std::string_view uri);
/// A JSON array of `diagnostics`, as text.
std::string diagnosticsText(std::vector<DocumentDiagnostic> const& diagnostics,
                            std::string_view uri);

} // namespace Tool::Lsp
