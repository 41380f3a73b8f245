// A forgiving pass over a document's text for the editor features: the start tags of XSL-FO
// and SVG elements with their attributes as written, and where each stands. Unlike the
// checker's XML reader it never stops: an author's half-typed tag still has its values.
#pragma once

#include "checker/DocumentAttributeTable.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

/// Bytes `[begin, end)` of a document's UTF-8 text.
struct TextSpan {
    std::size_t begin = 0;
    std::size_t end = 0;

    std::size_t size() const noexcept { return end - begin; }
    bool contains(std::size_t offset) const noexcept { return offset >= begin && offset < end; }
    /// Whether `offset` is inside or just after the span, where a cursor still edits it.
    bool touches(std::size_t offset) const noexcept { return offset >= begin && offset <= end; }
    friend bool operator==(TextSpan const&, TextSpan const&) = default;
};

/// One attribute of a start tag as written.
struct ScannedAttribute {
    /// The name as written, "xlink:href" with its prefix.
    std::string_view name;
    /// The name without its prefix.
    std::string_view local;
    /// The namespace of a prefixed name, empty for none (or for a prefix never declared).
    std::string_view space;
    TextSpan nameSpan;
    /// The raw text between the quotation marks; where a value's closing quote is missing it
    /// ends before the first "<" or at the end of the text, as no value may hold a "<".
    TextSpan valueSpan;
    bool hasValue = false;
};

/// A start tag of an element of either vocabulary.
struct ScannedElement {
    Vocabulary vocabulary = Vocabulary::Svg;
    /// The local name.
    std::string_view name;
    /// From its "<" to after its ">", or to where the tag breaks off.
    TextSpan tag;
    /// The local name's bytes in the tag.
    TextSpan nameSpan;
    /// How many elements are open around it.
    std::size_t depth = 0;
    std::vector<ScannedAttribute> const* attributes = nullptr;
};

/// Steps through the start tags of a document's XSL-FO and SVG elements in order, deciding
/// namespaces as the checker does (a namespace-less root `svg` makes every namespace-less
/// element SVG). Comments, CDATA sections, processing instructions and the document type
/// are passed over; any text at all is scanned to its end without harm.
class DocumentScanner {
public:
    explicit DocumentScanner(std::string_view text) : m_text(text) {}

    /// The next element; false at the end of the text. `out` refers into the scanner, valid
    /// until the next call.
    [[nodiscard]] bool next(ScannedElement& out);

    /// A namespace declaration: its prefix (empty for the default) and its raw value.
    struct Binding {
        std::string_view prefix;
        std::string_view space;
    };
    /// The declarations in scope after the element last returned, outermost first; its own
    /// are among them unless it closed itself.
    std::span<Binding const> bindings() const noexcept { return m_bindings; }

private:
    struct Open {
        std::string_view name;
        std::size_t bindings = 0;
    };

    void skipMarkup();
    void endTag();
    std::string_view resolve(std::string_view prefix) const;

    std::string_view m_text;
    std::size_t m_at = 0;
    std::vector<Binding> m_bindings;
    std::vector<Open> m_open;
    std::vector<ScannedAttribute> m_attributes;
    bool m_sawRoot = false;
    bool m_bareSvg = false;
};

/// Whether `text` holds any of `characters`: a fast search for each, where `find_first_of`
/// would test every character of the text against the set.
bool holdsAny(std::string_view text, std::string_view characters) noexcept;

/// An attribute's value as the XML reader delivers it (references replaced, white space made
/// spaces), and the document offset each delivered byte came from.
class DeliveredValue {
public:
    DeliveredValue(std::string_view document, TextSpan raw);

    std::string_view text() const noexcept { return m_mapped ? m_text : m_raw; }
    /// The document offset of delivered byte `at`; `at` at or past the end gives the raw end.
    std::size_t source(std::size_t at) const noexcept;
    /// The delivered offset of a document offset inside the raw value (or at its end).
    std::size_t delivered(std::size_t offset) const noexcept;
    TextSpan sourceSpan(std::size_t begin, std::size_t end) const noexcept {
        return {source(begin), source(end)};
    }

private:
    std::string_view m_raw;
    std::size_t m_rawBegin;
    bool m_mapped = false;
    std::string m_text;
    // For each delivered byte and its end, the raw offset; only when a reference or a line
    // end changed the length.
    std::vector<std::size_t> m_sources;
};

/// One declaration of an SVG `style`, as offsets into the delivered style text.
struct Declaration {
    TextSpan property;
    /// The value without blanks around it or a trailing "!important".
    TextSpan value;
};

/// The declarations of a `style` text as the checker reads them (comments are blanks).
std::vector<Declaration> declarationsOf(std::string_view style);

/// A value under a document offset, where a reader of either vocabulary would look at it.
struct ValueAt {
    Vocabulary vocabulary = Vocabulary::Svg;
    std::string element;
    /// The attribute, or the property of a `style` declaration.
    std::string name;
    bool inStyle = false;
    /// The whole attribute's delivered text and its source.
    std::optional<DeliveredValue> attribute;
    /// The value's bytes in the delivered text (a declaration's value within a style).
    TextSpan value;

    std::string_view text() const { return attribute->text().substr(value.begin, value.size()); }
    TextSpan source() const { return attribute->sourceSpan(value.begin, value.end); }
};

/// The value whose raw text holds `offset` (or ends at it); in a `style` the declaration's
/// value around it. Nothing when `offset` is outside every XSL-FO or SVG value.
std::optional<ValueAt> valueAt(std::string_view document, std::size_t offset);

} // namespace Tool::Lsp
