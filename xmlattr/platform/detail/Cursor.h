// Core::detail::Cursor: the one scanner every list parser of the library walks text with.
#pragma once

#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/detail/NumberScan.h"
#include "xmlattr/platform/detail/ShortNumber.h"
#include "xmlattr/platform/detail/UnitSet.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

namespace Core::detail {

/// White space or a comma: what separates the items of a list.
constexpr bool separatesItems(char16_t unit) noexcept {
    constexpr std::uint64_t kSeparators = kSpaceUnits | unitSet(u",");
    return inUnitSet(unit, kSeparators);
}

/// A view of the text and a position in it. Every step stays inside the text;
/// `peek` at the end gives 0. Pieces are returned as views: nothing is copied.
class Cursor {
    // Defined ahead of the steps that use it: clang evaluates those steps in constant
    // expressions only when the template it calls is already defined.
    template <class Predicate> constexpr bool skipWhile(Predicate accept) noexcept {
        // On locals: the position in memory would be stored at every step.
        int const start = m_position;
        int const end = length();
        int position = start;
        while (position < end && accept(m_text[static_cast<std::size_t>(position)])) {
            ++position;
        }
        m_position = position;
        return position > start;
    }

public:
    constexpr explicit Cursor(std::u16string_view text, int position = 0) noexcept
        : m_text(text.substr(0, kMaxLength)), m_position(position) {
        if (m_position < 0) {
            m_position = 0;
        }
        if (m_position > length()) {
            m_position = length();
        }
    }

    constexpr int position() const noexcept { return m_position; }
    constexpr int length() const noexcept { return static_cast<int>(m_text.size()); }
    constexpr bool atEnd() const noexcept { return m_position >= length(); }
    constexpr char16_t peek() const noexcept { return atEnd() ? u'\0' : m_text[index()]; }
    constexpr void advance() noexcept {
        if (!atEnd()) {
            ++m_position;
        }
    }
    /// Steps over `count` code units, or to the end where fewer are left.
    constexpr void advance(std::size_t count) noexcept {
        m_position += static_cast<int>(std::min(count, m_text.size() - index()));
    }

    /// Steps over white space; true when at least one code unit was skipped.
    constexpr bool skipSpace() noexcept {
        return skipWhile([](char16_t unit) { return Core::String::isSpace(unit); });
    }
    /// Steps over everything but white space; true when at least one code unit was skipped.
    constexpr bool skipNonSpace() noexcept {
        return skipWhile([](char16_t unit) { return !Core::String::isSpace(unit); });
    }
    /// Steps over white space and commas, in any mix.
    constexpr bool skipSpaceAndComma() noexcept { return skipWhile(separatesItems); }

    /// Steps over the next code unit when `accept` takes it; true when it did.
    template <class Predicate> constexpr bool takeIf(Predicate accept) noexcept {
        if (atEnd() || !accept(m_text[index()])) {
            return false;
        }
        ++m_position;
        return true;
    }
    /// Steps over `unit` when it is next; true when it was.
    constexpr bool take(char16_t unit) noexcept {
        return takeIf([unit](char16_t next) { return next == unit; });
    }

    /// The separator of a list: white space, then at most one comma and the white space after
    /// it. True when a comma was taken, for the lists that require one.
    constexpr bool skipSeparator() noexcept {
        skipSpace();
        if (!take(u',')) {
            return false;
        }
        skipSpace();
        return true;
    }

    /// Skips white space, then takes the run of other code units (possibly empty).
    constexpr std::u16string_view word() noexcept {
        skipSpace();
        int const start = m_position;
        skipNonSpace();
        return slice(start);
    }

    /// Takes the run of code units that `accept` takes (possibly empty).
    template <class Predicate> constexpr std::u16string_view takeWhile(Predicate accept) noexcept {
        int const start = m_position;
        skipWhile(accept);
        return slice(start);
    }

    /// Takes the run of code units up to white space, a comma or the end (possibly empty): one
    /// item of a list.
    constexpr std::u16string_view item() noexcept {
        return takeWhile([](char16_t unit) { return !separatesItems(unit); });
    }

    /// Takes the run of code units up to `stop` or the end (possibly empty), leaving the
    /// position on `stop`.
    constexpr std::u16string_view until(char16_t stop) noexcept {
        int const start = m_position;
        skipWhile([stop](char16_t unit) { return unit != stop; });
        return slice(start);
    }

    /// Steps past the first "(" of a function form and gives the text before it, the name, as
    /// written. False, at the end, where no "(" follows.
    constexpr bool openFunction(std::u16string_view& name) noexcept {
        name = until(u'(');
        return take(u'(');
    }
    constexpr bool openFunction() noexcept {
        std::u16string_view name;
        return openFunction(name);
    }
    /// An argument of a function form: the run up to the next "," or ")" (possibly empty, blanks
    /// included), leaving the position on that code unit. False where the end comes first.
    constexpr bool argument(std::u16string_view& out) noexcept {
        out = takeWhile([](char16_t unit) { return unit != u',' && unit != u')'; });
        return !atEnd();
    }
    /// White space, then the ")" that closes a function form; true when it was there.
    constexpr bool closeFunction() noexcept {
        skipSpace();
        return take(u')');
    }

    /// As `word`, but a "(" ends the name and opens an argument list that runs to the
    /// first ")" (included) or the end: parentheses do not nest, and white space inside
    /// them belongs to the result.
    constexpr std::u16string_view wordOrFunction() noexcept {
        skipSpace();
        int const start = m_position;
        skipWhile([](char16_t unit) { return unit != u'(' && !Core::String::isSpace(unit); });
        if (peek() == u'(') {
            skipWhile([](char16_t unit) { return unit != u')'; });
            advance();
        }
        return slice(start);
    }

    /// Reads the number that starts at the position (no white space is skipped) as
    /// `Core::Format::fromChars` does, and answers as it does; steps past the number when it was
    /// read. Otherwise (no number, or one out of range) neither the position nor `out` changes,
    /// and an out-of-range number's length tells how far to step to go past it.
    [[nodiscard]] NumberRead number(int& out) noexcept { return readNumber(out); }
    [[nodiscard]] NumberRead number(float& out) noexcept { return readNumber(out); }
    /// Doubles, which only colour percentages use, are read by a call into the library: inlined
    /// into the colour reader, the same steps measured twice as slow.
    [[nodiscard]] NumberRead number(double& out) noexcept {
        NumberRead const read = Format::fromChars(rest(), out);
        if (read) {
            m_position += read.consumed;
        }
        return read;
    }

    /// The text from the position to the end.
    constexpr std::u16string_view rest() const noexcept {
        // The position never leaves the text, so the view needs none of `substr`'s checks.
        return {m_text.data() + index(), m_text.size() - index()};
    }

private:
    static constexpr std::size_t kMaxLength =
        static_cast<std::size_t>(std::numeric_limits<int>::max());

    constexpr std::size_t index() const noexcept { return static_cast<std::size_t>(m_position); }
    constexpr std::u16string_view slice(int start) const noexcept {
        return {m_text.data() + start, static_cast<std::size_t>(m_position - start)};
    }
    // The number is scanned once here; only one the short path cannot round is handed, with
    // its parts, to the library.
    template <class T> [[gnu::always_inline]] NumberRead readNumber(T& out) noexcept {
        ScannedNumber const number = scanNumber<T>(rest());
        if (number.length == 0) {
            return {0, std::errc::invalid_argument};
        }
        if (shortValue(number, out)) {
            // The text is at most INT_MAX code units long.
            auto const length = static_cast<int>(number.length);
            m_position += length;
            return {length, std::errc()};
        }
        NumberRead const read = Format::fromScanned(rest(), number, out);
        if (read) {
            m_position += read.consumed;
        }
        return read;
    }
    std::u16string_view m_text;
    int m_position;
};

} // namespace Core::detail
