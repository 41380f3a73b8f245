// Names that point elsewhere in the same document: ids, page masters, regions, marker classes
// and flow maps in XSL-FO, local IRIs in SVG. They are gathered as the document streams by and
// resolved once every target can be known: at the end of an SVG fragment, or of the document.
#pragma once

#include "FileReport.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace Tool {

/// Where an attribute of the element being read stands, `name` as the XML reader gives it
/// ("namespace|local" for a namespaced one): its name, as a range that starts and ends there,
/// when `begin` is `npos`, else the bytes `[begin, end)` of its delivered `value`. Asked only
/// while the element's start is being read.
struct AttributeLocator {
    Range (*locate)(void* context, std::string_view name, std::string_view value,
                    std::size_t begin, std::size_t end) = nullptr;
    /// Where the element being read starts, as a byte offset into the document: cheap to
    /// take, unlike a line and column, and most names are never asked about again.
    long (*mark)(void* context) = nullptr;
    /// The line and column of an element marked earlier, while the reader still holds that
    /// part of the document; false when it does not.
    bool (*recall)(void* context, long mark, Position& out) = nullptr;
    void* context = nullptr;
};

/// The kinds of name that XSL-FO and SVG attributes give and refer to, for tools that follow
/// a reference to its target. A flow's name refers to a region's name.
enum class NameKind : unsigned char {
    None = 0,
    Id = 1,
    Master = 2, // a simple-page-master or a page-sequence-master
    Region = 3,
    MarkerClass = 4,
    FlowMap = 5,
};

/// What an attribute does with the name it holds.
struct NameUse {
    NameKind kind = NameKind::None;
    /// It gives the name, rather than refers to one.
    bool defines = false;
};

/// How attribute `name` of the XSL-FO element `element` (a local name) names or refers, by the
/// rules the reference check follows; `name` as the XML reader gives it ("namespace|local").
NameUse xslNameUse(std::string_view element, std::string_view name) noexcept;

/// Calls `each(begin, end)` for the id of every local IRI reference "url(#id)" in `value`, as
/// byte offsets of `value`; one to another document ("url(other.svg#id)") is not reported.
void eachLocalUrl(std::string_view value,
                  void (*each)(void* context, std::size_t begin, std::size_t end), void* context);

/// The references of one document. Duplicate names are reported as they are read, in order
/// with the report's other diagnostics; unresolved references when `finish` is called, merged
/// into document order. A document whose reading stopped early is never finished, as a
/// reference there may point past the fault.
class References {
public:
    References(FileReport& report, AttributeLocator locator);
    ~References();
    References(References const&) = delete;
    References& operator=(References const&) = delete;

    /// An element of either vocabulary, after its own values were checked: `name` as the
    /// reader gives it, `element` its local name, `attributes` the reader's name and value
    /// pairs, ended by a null name; `documentRoot` for the document's first element.
    void startElement(Vocabulary vocabulary, std::string_view name, std::string_view element,
                      char const* const* attributes, bool documentRoot);
    /// Whether the ends of elements matter now: only inside an SVG image within another
    /// document, whose end closes its ids. Elsewhere the reader need not report them.
    bool needsEnds() const noexcept { return m_fragmentDepth > 0 && !m_fragmentIsDocument; }
    /// The end of an element, by the reader's name, while `needsEnds`.
    void endElement(std::string_view name);
    /// The end of a well-formed document.
    void finish();
    /// Whether no name or reference of the document can depend on the value of `attribute`
    /// (a name without a prefix, as written) on an element of `vocabulary`: then a change of
    /// that value alone leaves every finding of this check as it was.
    static bool ignores(Vocabulary vocabulary, std::string_view attribute,
                        std::string_view value) noexcept;

private:
    struct State;
    // Made at the first element that names or refers to something: a document with neither
    // allocates nothing.
    State& state();
    void closeFragment();

    FileReport& m_report;
    AttributeLocator m_locator;
    std::unique_ptr<State> m_state;
    // The SVG fragment being read: its root's reader name, and how many elements of that name
    // are open. An SVG image inside XSL-FO (or any other host) has ids of its own.
    std::string m_fragmentRoot;
    int m_fragmentDepth = 0;
    bool m_fragmentIsDocument = false;
};

} // namespace Tool
