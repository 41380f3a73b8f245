// Core::detail::TextSink: where every writer of the library puts its text. Numbers in the
// runtime's format, fixed pieces from patterns checked at compile time, and the text made
// once, at its final length, when the writer is done.
#pragma once

#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/String.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstring>
#include <limits>
#include <new>
#include <string_view>
#include <utility>

namespace Core::detail {

/// Room for the longest text of one number: a double in fixed notation takes at most 26
/// ("-0.0000001" and 16 more digits, or a sign and 21 integer digits).
inline constexpr int kMaxNumberText = 32;

/// The runtime's float format: the shortest text that reads back to `value`, without
/// exponent for zero and magnitudes from 1e-7 up to but excluding 1e21, with one beyond
/// them; "nan", "inf" or "-inf" for the values that are no number.
template <class T>
requires std::same_as<T, float> || std::same_as<T, double>
char* formatNumber(char* first, T value) noexcept {
    // A whole number that the type holds exactly has its digits as its shortest text, and
    // the integer conversion is several times faster; a negative zero keeps its sign below.
    constexpr T kExact = static_cast<T>(1LL << std::numeric_limits<T>::digits);
    if (std::fabs(value) < kExact) {
        auto const whole = static_cast<long long>(value);
        if (static_cast<T>(whole) == value && (whole != 0 || !std::signbit(value))) {
            return std::to_chars(first, first + kMaxNumberText, whole).ptr;
        }
    }
    auto const copy = [first](std::string_view text) {
        std::memcpy(first, text.data(), text.size());
        return first + text.size();
    };
    if (std::isnan(value)) {
        return copy("nan");
    }
    if (std::isinf(value)) {
        return copy(value < 0 ? "-inf" : "inf");
    }
    // Compared as double, the double nearest 1e-7 (a little below it) counts as 1e-7.
    double const magnitude = std::fabs(static_cast<double>(value));
    bool const plain = magnitude == 0 || (magnitude >= 1e-7 && magnitude < 1e21);
    return std::to_chars(first, first + kMaxNumberText, value,
                         plain ? std::chars_format::fixed : std::chars_format::scientific)
        .ptr;
}

/// A pattern of fixed text with "{}" where each argument goes, split at compile time: a
/// brace that is not part of "{}" does not compile.
template <std::size_t N> struct Pattern {
    char16_t text[N] = {};

    consteval Pattern(char16_t const (&literal)[N]) {
        for (std::size_t i = 0; i < N; ++i) {
            text[i] = literal[i];
        }
        for (std::size_t i = 0; i + 1 < N; ++i) {
            bool const opens = text[i] == u'{' && text[i + 1] == u'}';
            if ((text[i] == u'{' || text[i] == u'}') && !opens) {
                throw "a brace in a pattern must be part of \"{}\"";
            }
            i += opens ? 1 : 0;
        }
    }

    // Indices, not string_view searches: one compiler cannot evaluate those at compile time
    // on a template argument when it instruments the code.
    /// Where the first "{}" at or after `from` starts; the length of the text if none does.
    constexpr std::size_t placeholder(std::size_t from) const noexcept {
        for (std::size_t i = from; i + 2 < N; ++i) {
            if (text[i] == u'{' && text[i + 1] == u'}') {
                return i;
            }
        }
        return N - 1;
    }
    constexpr int arguments() const noexcept {
        int count = 0;
        for (std::size_t at = placeholder(0); at < N - 1; at = placeholder(at + 2)) {
            ++count;
        }
        return count;
    }
    /// Where the fixed text before argument `index` starts; for `index == arguments()`, the
    /// text after the last argument. It ends at `placeholder(pieceStart(index))`.
    constexpr std::size_t pieceStart(int index) const noexcept {
        std::size_t start = 0;
        for (int i = 0; i < index; ++i) {
            start = placeholder(start) + 2;
        }
        return start;
    }
    constexpr std::u16string_view piece(int index) const noexcept {
        std::size_t const start = pieceStart(index);
        return std::u16string_view(text, N - 1).substr(start, placeholder(start) - start);
    }
};

/// Room on the stack for a scalar value's text: a few numbers and names.
inline constexpr int kScalarText = 128;

/// The text that `fill` appends to the `TextSink&` it is given: not allocated at all while it
/// fits the `String` itself, allocated once, at its final length, while it fits the `N` code
/// units on the stack, and beyond those grown as a buffer grows, then allocated at its length.
template <int N = kScalarText, class Fill> String writeText(Fill&& fill);

/// Text appended piece by piece, as `writeText` gives it to a writer: straight into the
/// `String` that will hold it while it fits there, then into storage on the writer's stack
/// (`InlineTextSink`), and onto the heap only when that is full.
class TextSink {
public:
    TextSink(TextSink const&) = delete;
    TextSink& operator=(TextSink const&) = delete;

    void append(std::u16string_view text) {
        char16_t* const out = room(text.size());
        if (!text.empty()) {
            std::memcpy(out, text.data(), text.size() * sizeof(char16_t));
        }
        m_length += static_cast<int>(text.size());
    }
    void append(char16_t unit) {
        *room(1) = unit;
        ++m_length;
    }
    /// Numbers as `Format::toString` writes them.
    void append(int value) {
        // Straight into the text, without the byte buffer and the widening copy of the other
        // numbers: colour components and counts are most of what is written, and short.
        auto magnitude = static_cast<unsigned>(value);
        if (value < 0) {
            magnitude = 0u - magnitude;
        }
        int digits = 1;
        for (unsigned rest = magnitude; rest >= 10; rest /= 10) {
            ++digits;
        }
        int const count = digits + (value < 0 ? 1 : 0);
        char16_t* const first = room(static_cast<std::size_t>(count));
        if (value < 0) {
            *first = u'-';
        }
        char16_t* const firstDigit = first + (count - digits);
        char16_t* at = first + count;
        // Two digits a step, from the end; an odd count leaves one.
        for (; magnitude >= 10; magnitude /= 100) {
            at -= 2;
            std::memcpy(at, &kDigitPairs[2 * (magnitude % 100)], 2 * sizeof(char16_t));
        }
        if (at != firstDigit) {
            *--at = static_cast<char16_t>(u'0' + magnitude);
        }
        m_length += count;
    }
    void append(float value) { appendNumber(value); }
    void append(double value) { appendNumber(value); }

    /// The pattern's fixed text with the arguments in place of its "{}", in order.
    template <Pattern P, class... Args> void format(Args const&... args) {
        static_assert(P.arguments() == sizeof...(Args), "one argument for each {} of the pattern");
        formatPieces<P>(std::index_sequence_for<Args...>(), args...);
    }

    int length() const noexcept { return m_length; }
    std::u16string_view view() const noexcept {
        return {m_data, static_cast<std::size_t>(m_length)};
    }

protected:
    TextSink(String& destination, char16_t* storage, int capacity) noexcept
        : m_destination(destination), m_storage(storage), m_storageCapacity(capacity),
          m_data(destination.m_local), m_capacity(String::kInlineCapacity) {}
    // Never destroyed through this class: only as the `InlineTextSink` that owns it.
    ~TextSink() {
        if (onHeap()) {
            Allocator::free(m_data);
        }
    }

private:
    template <int N, class Fill> friend String writeText(Fill&& fill);

    // Makes the destination the text written: nothing to copy while it is already there.
    void finish() {
        if (m_data == m_destination.m_local) {
            m_destination.m_local[m_length] = u'\0';
            m_destination.m_length = m_length;
        } else {
            m_destination.reserve(m_length);
            m_destination.assign(m_data, m_length);
        }
    }

    // "00" to "99".
    static constexpr std::array<char16_t, 200> kDigitPairs = [] {
        std::array<char16_t, 200> pairs{};
        for (std::size_t i = 0; i < 100; ++i) {
            pairs[2 * i] = static_cast<char16_t>(u'0' + i / 10);
            pairs[2 * i + 1] = static_cast<char16_t>(u'0' + i % 10);
        }
        return pairs;
    }();

    // Each piece copied out of the pattern at compile time: the pattern object itself never
    // reaches the binary, where one compiler would export it.
    template <Pattern P, int I>
    static constexpr auto kPiece = [] {
        constexpr std::size_t kStart = P.pieceStart(I);
        std::array<char16_t, P.placeholder(kStart) - kStart> units{};
        for (std::size_t i = 0; i < units.size(); ++i) {
            units[i] = P.text[kStart + i];
        }
        return units;
    }();

    template <Pattern P, std::size_t... I, class... Args>
    void formatPieces(std::index_sequence<I...>, Args const&... args) {
        ((appendPiece(kPiece<P, static_cast<int>(I)>), append(args)), ...);
        appendPiece(kPiece<P, static_cast<int>(sizeof...(I))>);
    }

    // The length known at compile time lets the copy be a few moves, not a call.
    template <std::size_t N> void appendPiece(std::array<char16_t, N> const& units) {
        if constexpr (N != 0) {
            std::memcpy(room(N), units.data(), N * sizeof(char16_t));
            m_length += static_cast<int>(N);
        }
    }

    // Room is asked for the exact length, so that a short text stays where it is.
    template <class T> void appendNumber(T value) {
        char digits[kMaxNumberText];
        auto const count = static_cast<std::size_t>(formatNumber(digits, value) - digits);
        char16_t* const out = room(count);
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = static_cast<char16_t>(digits[i]);
        }
        m_length += static_cast<int>(count);
    }

    // Where `count` more code units go.
    char16_t* room(std::size_t count) {
        if (count > static_cast<std::size_t>(m_capacity - m_length)) {
            grow(count);
        }
        return m_data + m_length;
    }

    // Out of line: the rare path kept out of every append, so that the appends stay small
    // enough to inline where writers use them.
    [[gnu::noinline]] void grow(std::size_t count) {
        constexpr std::size_t kMax = std::numeric_limits<int>::max() / 2;
        std::size_t const needed = static_cast<std::size_t>(m_length) + count;
        if (needed > kMax) {
            throw std::bad_alloc();
        }
        if (m_data == m_destination.m_local &&
            needed <= static_cast<std::size_t>(m_storageCapacity)) {
            moveTo(m_storage, m_storageCapacity);
            return;
        }
        std::size_t const capacity = std::max(needed, 2 * static_cast<std::size_t>(m_capacity));
        auto* const grown = static_cast<char16_t*>(Allocator::alloc(capacity * sizeof(char16_t)));
        char16_t* const old = m_data;
        bool const wasOnHeap = onHeap();
        moveTo(grown, static_cast<int>(capacity));
        if (wasOnHeap) {
            Allocator::free(old);
        }
    }

    // Neither the string's own storage nor the stack's.
    bool onHeap() const noexcept { return m_data != m_destination.m_local && m_data != m_storage; }

    void moveTo(char16_t* storage, int capacity) noexcept {
        std::memcpy(storage, m_data, static_cast<std::size_t>(m_length) * sizeof(char16_t));
        m_data = storage;
        m_capacity = capacity;
    }

    String& m_destination;
    char16_t* m_storage;
    int m_storageCapacity;
    char16_t* m_data;
    int m_length = 0;
    int m_capacity;
};

/// A sink with `N` code units of storage in the object: a writer's stack frame.
template <int N> class InlineTextSink final : public TextSink {
public:
    explicit InlineTextSink(String& destination) noexcept : TextSink(destination, m_storage, N) {}

private:
    char16_t m_storage[static_cast<std::size_t>(N)];
};

template <int N, class Fill> String writeText(Fill&& fill) {
    String text;
    InlineTextSink<N> sink(text);
    std::forward<Fill>(fill)(static_cast<TextSink&>(sink));
    sink.finish();
    return text;
}

} // namespace Core::detail
