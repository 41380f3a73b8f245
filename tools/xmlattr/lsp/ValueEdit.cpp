// An edit inside one value is checked by reading that value's tag alone, set where it stands
// in the document, so that every position the checker gives is the document's own.
#include "ValueEdit.h"

#include "checker/References.h"
#include "features/DocumentScan.h"

#include <algorithm>

namespace Tool::Lsp {

namespace {

bool isValueFinding(Finding finding) {
    switch (finding) {
    case Finding::Invalid:
    case Finding::ValidNotRead:
    case Finding::NotValidRead:
    case Finding::LibraryMessage:
    case Finding::ReadDifferently:
        return true;
    default:
        return false;
    }
}

// A character an edit may add to or take from a value while the XML reader still reads the
// document the same way around it, delivers the value as written, and counts it as one unit
// in every position encoding.
bool plainInValue(char c) {
    auto const unit = static_cast<unsigned char>(c);
    return unit >= 0x20 && unit < 0x7F && c != '<' && c != '>' && c != '&' && c != '"' &&
           c != '\'';
}

bool allAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The one stretch in which two texts differ: from `at`, `removed` bytes of the first became
// `added` bytes of the second.
struct Edit {
    std::size_t at = 0;
    std::size_t removed = 0;
    std::size_t added = 0;
};

Edit editBetween(std::string_view before, std::string_view after) {
    std::size_t const shorter = std::min(before.size(), after.size());
    std::size_t const at = static_cast<std::size_t>(
        std::mismatch(before.begin(), before.begin() + static_cast<long>(shorter), after.begin())
            .first -
        before.begin());
    std::size_t same = 0;
    while (same < shorter - at && before[before.size() - 1 - same] == after[after.size() - 1 - same]) {
        ++same;
    }
    return {at, before.size() - at - same, after.size() - at - same};
}

// The element's start tag as a document of its own, with the tag where it stands in the
// whole document: the lines before it empty, the characters before it on its line blanks,
// and the namespaces in scope declared by an element around it on the first line. Nothing
// where that cannot be done faithfully.
std::optional<std::string> tagAlone(TextDocument const& document, ScannedElement const& element,
                                    std::span<DocumentScanner::Binding const> bindings) {
    std::string_view const text = document.text();
    std::string_view const tag = text.substr(element.tag.begin, element.tag.size());
    ProtocolPosition const at = document.positionOf(element.tag.begin, PositionEncoding::Utf8);
    std::string_view const lead =
        text.substr(element.tag.begin - static_cast<std::size_t>(at.character),
                    static_cast<std::size_t>(at.character));
    bool const root = element.depth == 0;
    if (!tag.ends_with('>') || (root && !allAscii(lead))) {
        return std::nullopt;
    }
    std::string_view const name = text.substr(element.tag.begin + 1,
                                              element.nameSpan.end - element.tag.begin - 1);
    std::string out;
    std::string around;
    if (!root) {
        // The innermost declaration of each prefix, as the reader resolves them.
        std::string declarations;
        std::vector<std::string_view> declared;
        std::string_view defaultSpace;
        for (auto binding = bindings.rbegin(); binding != bindings.rend(); ++binding) {
            if (std::find(declared.begin(), declared.end(), binding->prefix) != declared.end()) {
                continue;
            }
            if (binding->prefix.empty()) {
                defaultSpace = binding->space;
            }
            if (binding->space.find_first_of("\"<&") != std::string_view::npos) {
                return std::nullopt;
            }
            declared.push_back(binding->prefix);
            declarations.append(binding->prefix.empty() ? " xmlns" : " xmlns:")
                .append(binding->prefix)
                .append("=\"")
                .append(binding->space)
                .append("\"");
        }
        // Where no namespace is in scope the element is SVG only under a bare `svg` root.
        bool const bare = name.find(':') == std::string_view::npos && defaultSpace.empty();
        around = bare ? "svg" : "w";
        out.append("<").append(around).append(declarations).append(">");
    }
    // On the tag's own line the element around stands in for ASCII characters before it.
    std::size_t taken = 0;
    if (at.line == 0) {
        taken = out.size();
        if (taken > lead.size() || !allAscii(lead.substr(0, taken))) {
            return std::nullopt;
        }
    }
    out.append(static_cast<std::size_t>(at.line), '\n');
    // Before the root only blanks may stand; inside an element the characters of other
    // alphabets stay, so that every encoding counts the line as the document's.
    for (char const c : lead.substr(taken)) {
        out += static_cast<unsigned char>(c) < 0x80 ? ' ' : c;
    }
    out.append(tag);
    if (!tag.ends_with("/>")) {
        out.append("</").append(name).append(">");
    }
    if (!around.empty()) {
        out.append("</").append(around).append(">");
    }
    return out;
}

} // namespace

std::optional<std::vector<DocumentDiagnostic>>
diagnosticsAfterValueEdit(std::string_view before, std::vector<DocumentDiagnostic> const& found,
                          TextDocument const& after, PositionEncoding encoding,
                          std::string const& uri) {
    std::string_view const text = after.text();
    Edit const edit = editBetween(before, text);
    if (edit.removed == 0 && edit.added == 0) {
        return found;
    }
    bool const plain =
        std::all_of(before.begin() + static_cast<long>(edit.at),
                    before.begin() + static_cast<long>(edit.at + edit.removed), plainInValue) &&
        std::all_of(text.begin() + static_cast<long>(edit.at),
                    text.begin() + static_cast<long>(edit.at + edit.added), plainInValue);
    // A fault stops the reading where it stands; a document type may declare entities and
    // default values that a tag alone would not have.
    bool const whole = std::none_of(found.begin(), found.end(), [](DocumentDiagnostic const& d) {
        return d.finding == Finding::Unreadable || d.finding == Finding::NotWellFormed;
    });
    if (!plain || !whole || text.find("<!DOCTYPE") != std::string_view::npos) {
        return std::nullopt;
    }

    DocumentScanner scanner(text);
    ScannedElement element;
    while (scanner.next(element) && element.tag.end <= edit.at) {
    }
    if (element.tag.begin > edit.at || element.tag.end <= edit.at) {
        return std::nullopt;
    }
    auto const holder = std::find_if(
        element.attributes->begin(), element.attributes->end(), [&](ScannedAttribute const& a) {
            return a.hasValue && a.valueSpan.begin >= 1 && a.valueSpan.begin <= edit.at &&
                   edit.at + edit.added <= a.valueSpan.end;
        });
    if (holder == element.attributes->end()) {
        return std::nullopt;
    }
    TextSpan const value = holder->valueSpan;
    char const quote = text[value.begin - 1];
    std::string_view const now = text.substr(value.begin, value.size());
    std::string_view const was =
        before.substr(value.begin, value.size() + edit.removed - edit.added);
    // A reference in the value may deliver a "(" that is not written.
    auto const delivered = [](std::string_view v) { return v.find('&') == std::string_view::npos; };
    if ((quote != '"' && quote != '\'') || value.end >= text.size() || text[value.end] != quote ||
        holder->name == "xmlns" || !delivered(now) || !delivered(was) ||
        !References::ignores(element.vocabulary, holder->name, now) ||
        !References::ignores(element.vocabulary, holder->name, was)) {
        return std::nullopt;
    }

    // The value may run over lines; the edit, which holds no line end, moves only what
    // follows it on its own line.
    ProtocolPosition const start = after.positionOf(value.begin, encoding);
    ProtocolPosition const endNow = after.positionOf(value.end, encoding);
    ProtocolPosition const moved = after.positionOf(edit.at + edit.added, encoding);
    long const delta = static_cast<long>(edit.added) - static_cast<long>(edit.removed);
    auto const unmoved = [&](ProtocolPosition at) {
        if (at.line == moved.line) {
            at.character -= delta;
        }
        return at;
    };
    ProtocolPosition const endWas = unmoved(endNow);
    // Where the text after the edit stood before it, in protocol units and in code points.
    long const movedFrom = unmoved(moved).character;
    long const movedFromColumn =
        after.positionOf(edit.at + edit.added, PositionEncoding::Utf32).character + 1 - delta;
    if (delta != 0) {
        // A note that names a place on this line would still name the old one.
        std::string const named = "at line " + std::to_string(moved.line + 1) + ", column ";
        auto const names = [&](std::string const& note) {
            return note.find(named) != std::string::npos;
        };
        for (DocumentDiagnostic const& diagnostic : found) {
            if (names(diagnostic.message) ||
                std::any_of(diagnostic.notes.begin(), diagnostic.notes.end(), names)) {
                return std::nullopt;
            }
        }
    }

    std::optional<std::string> const alone = tagAlone(after, element, scanner.bindings());
    if (!alone) {
        return std::nullopt;
    }
    FileReport const report = checkHeldText(*alone, uri);
    if (report.status != FileStatus::Read) {
        return std::nullopt;
    }

    auto const notAfter = [](ProtocolPosition const& a, ProtocolPosition const& b) {
        return a.line != b.line ? a.line < b.line : a.character <= b.character;
    };
    auto const ofValue = [&](DocumentDiagnostic const& d, ProtocolPosition const& end) {
        return isValueFinding(d.finding) && notAfter(start, d.value.start) &&
               notAfter(d.value.end, end);
    };
    std::vector<DocumentDiagnostic> out;
    out.reserve(found.size() + 4);
    for (DocumentDiagnostic const& diagnostic : found) {
        if (ofValue(diagnostic, endWas)) {
            continue;
        }
        DocumentDiagnostic& kept = out.emplace_back(diagnostic);
        for (ProtocolPosition* at :
             {&kept.range.start, &kept.range.end, &kept.value.start, &kept.value.end}) {
            if (at->line == moved.line && at->character >= movedFrom) {
                at->character += delta;
            }
        }
        if (kept.place.line == moved.line + 1 && kept.place.column >= movedFromColumn) {
            kept.place.column += delta;
            kept.place.unitColumn += delta;
        }
    }
    for (DocumentDiagnostic& fresh : diagnosticsOf(report, after, encoding)) {
        if (!ofValue(fresh, endNow)) {
            continue;
        }
        // Findings come in the order of their places; those of one place in the order made.
        auto const at = std::upper_bound(out.begin(), out.end(), fresh.place,
                                         [](Position const& place, DocumentDiagnostic const& d) {
                                             return Tool::before(place, d.place);
                                         });
        out.insert(at, std::move(fresh));
    }
    return out;
}

} // namespace Tool::Lsp
