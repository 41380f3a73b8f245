// Keyword enumerations as data: one constant table per enumeration, read and written by
// one generic reader and one generic writer.
//
// An enumeration becomes an attribute value by specialising `kKeywordTable` for it:
//
//   // Six keywords read onto three numbers; writing uses the first spelling of each.
//   constexpr KeywordEntry<Overflow> kOverflowKeywords[] = {
//       {u"visible", OverflowVisible}, {u"repeat", OverflowVisible}, {u"auto", OverflowVisible},
//       {u"hidden", OverflowHidden}, {u"scroll", OverflowHidden},
//       {u"error-if-overflow", OverflowErrorIfOverflow}};
//   template <>
//   inline constexpr KeywordTable<Overflow> kKeywordTable<Overflow>{
//       .reads = kOverflowKeywords, .match = KeywordCase::Exact, .writes = kOverflowKeywords};
//
// `TXmlAttribute<Overflow>` then parses and writes through the table. The fields:
// - `reads`: the keywords read and their numbers; several may share a number.
// - `match`: the case rule of every comparison.
// - `otherwise`: reader of a text that no keyword matches (angles, integer strengths,
//   counts); by default such a text is rejected.
// - `writes`: number to written keyword, the first entry of a number wins; empty (the
//   default), the enumeration has no text form and its attribute writes the empty text.
// - `unwritten`: the text of a number that no written entry names (empty by default), or,
//   with `unwrittenThrowsAt`, the recorded location of the exception it throws instead.
//
// Composite readers use a table without binding it: `readKeyword(table, view, out)` and
// `writeKeyword(table, value)` take any table.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Exception.h"
#include "xmlattr/platform/String.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <type_traits>

namespace Xml {

/// How the text is compared with a table's keywords; both compare the whole text, untrimmed.
enum class KeywordCase : unsigned char {
    /// Code unit for code unit, as `Core::String::compare`.
    Exact,
    /// ASCII letters without regard to case, as `Core::String::compareNoCase`.
    AnyCase,
};

/// One keyword and the number it stands for.
template <class E> struct KeywordEntry {
    /// The spelling, compared whole under the table's case rule.
    std::u16string_view keyword;
    /// The enumerator it reads as.
    E number;
};

/// Where the writer of an impossible number records its exception: no file, no exception.
/// A view, not a pointer: a constant expression may not ask whether an object's address is
/// null under g++'s null sanitizer, and the table's checks run at compile time.
struct CodeLocation {
    /// The source name recorded; empty when the writer does not throw.
    std::u16string_view file = {};
    /// The line recorded with it.
    int line = 0;
};

namespace detail {
/// The `otherwise` reader of a table without one. A function, not a null pointer, for the
/// reason `CodeLocation` holds a view.
template <class E> constexpr bool noOtherKeyword(std::u16string_view, E&) noexcept { return false; }
} // namespace detail

/// Everything the generic reader and writer know of one enumeration (see the file's head).
template <class E> struct KeywordTable {
    /// The fields described at the head of this file.
    ///@{
    std::span<KeywordEntry<E> const> reads;
    KeywordCase match = KeywordCase::Exact;
    bool (*otherwise)(std::u16string_view text, E& out) noexcept = detail::noOtherKeyword<E>;
    std::span<KeywordEntry<E> const> writes = {};
    std::u16string_view unwritten = {};
    CodeLocation unwrittenThrowsAt = {};
    ///@}

    /// Whether the enumeration writes a keyword (has a written table).
    constexpr bool hasTextForm() const noexcept { return !writes.empty(); }
};

/// Specialise for an enumeration to give it its table; the primary means "no table".
template <class E> inline constexpr KeywordTable<E> kKeywordTable{};

/// An enumeration bound to a keyword table: one that reads or writes a keyword.
template <class E>
concept KeywordEnumeration = std::is_enum_v<E> &&
    (!kKeywordTable<E>.reads.empty() || kKeywordTable<E>.hasTextForm());

/// Whether `text` is `keyword` under `match`. Never reads outside either view.
constexpr bool keywordEquals(std::u16string_view text, std::u16string_view keyword,
                             KeywordCase match) noexcept {
    if (text.size() != keyword.size()) {
        return false;
    }
    if (match == KeywordCase::Exact) {
        return text == keyword;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Core::String::toLowerAscii(text[i]) != Core::String::toLowerAscii(keyword[i])) {
            return false;
        }
    }
    return true;
}

/// Strict: stores the number of the keyword that the whole text is and returns true;
/// else the table's `otherwise` reader decides, and without one the result is false with
/// `out` untouched. Allocates nothing.
template <class E>
[[nodiscard]] constexpr bool readKeyword(KeywordTable<E> const& table, std::u16string_view text,
                                         E& out) noexcept {
    for (KeywordEntry<E> const& entry : table.reads) {
        if (keywordEquals(text, entry.keyword, table.match)) {
            out = entry.number;
            return true;
        }
    }
    // The default reader rejects everything: not calling it keeps the common case free of an
    // indirect call, which cost a keyword-or-length reader a sixth of its instructions.
    return table.otherwise != &detail::noOtherKeyword<E> && table.otherwise(text, out);
}

/// The written keyword of `value` as a new text: the first written entry with that number,
/// else the table's `unwritten` text. Throws `Core::UnreacheableCodeException`,
/// recorded at the table's `unwrittenThrowsAt` and logged, for a number that no entry
/// names when the table has such a location.
template <class E> Core::String writeKeyword(KeywordTable<E> const& table, E value) {
    for (KeywordEntry<E> const& entry : table.writes) {
        if (entry.number == value) {
            return Core::String(entry.keyword);
        }
    }
    if (!table.unwrittenThrowsAt.file.empty()) {
        // A location's file is a literal or an array of one: it ends in a terminator.
        Core::throwWithLocation<Core::UnreacheableCodeException>(
            table.unwrittenThrowsAt.file.data(), table.unwrittenThrowsAt.line);
    }
    return Core::String(table.unwritten);
}

/// What every table must satisfy: keywords not empty and distinct under the case rule (so
/// the order of comparison never matters), written entries only in a table with a text
/// form, and a throwing location with a line.
template <class E> constexpr bool isWellFormed(KeywordTable<E> const& table) noexcept {
    for (std::size_t i = 0; i < table.reads.size(); ++i) {
        if (table.reads[i].keyword.empty()) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (keywordEquals(table.reads[i].keyword, table.reads[j].keyword, table.match)) {
                return false;
            }
        }
    }
    if (!table.hasTextForm() &&
        (!table.unwritten.empty() || !table.unwrittenThrowsAt.file.empty())) {
        return false;
    }
    return table.unwrittenThrowsAt.file.empty() == (table.unwrittenThrowsAt.line == 0);
}

/// `table` whose writer throws, recorded at `at`, for a number that no written entry names:
/// the library's own throwing writers build theirs in their source files, so that the
/// recorded locations stay out of the installed headers.
template <class E>
constexpr KeywordTable<E> throwingAt(KeywordTable<E> table, CodeLocation at) noexcept {
    table.unwrittenThrowsAt = at;
    return table;
}

/// Reads and writes an enumeration through its table. A table without a text form has no
/// `write`, so its attribute shares the template's empty writer.
template <class E> struct KeywordTraits {
    static_assert(sizeof(E) == 4, "keyword enumerations are stored as 32-bit numbers");
    static_assert(isWellFormed(kKeywordTable<E>));

    /// `readKeyword` over the enumeration's table.
    [[nodiscard]] static bool parse(E& value, Core::String const& text) noexcept {
        return readKeyword(kKeywordTable<E>, text.view(), value);
    }
    /// `writeKeyword` over the enumeration's table; only where it has a text form.
    static Core::String write(E const& value) requires(kKeywordTable<E>.hasTextForm()) {
        return writeKeyword(kKeywordTable<E>, value);
    }
};

/// Binds every enumeration with a table to the attribute template. An enumeration whose
/// writer the library compiles specialises `ValueTraits` itself, deriving from `KeywordTraits`.
template <KeywordEnumeration E> struct ValueTraits<E> : KeywordTraits<E> {};

} // namespace Xml
