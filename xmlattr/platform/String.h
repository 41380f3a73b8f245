// Core::String: the runtime's UTF-16 text, with small-string storage.
#pragma once

#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/Vector.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

namespace Core {

namespace detail {
class TextSink;
}

/// UTF-16 text with `int` indices. Texts of up to `kInlineCapacity` code units
/// live inside the object, so most attribute values never touch the heap: the longest
/// "rgb(r,g,b)" and a date with its time ("2001-12-17T09:30:47") among them.
/// Every operation is bounds-safe: indices outside the text are clamped or
/// answered with "nothing", never read.
class XMLATTR_EXPORT String {
public:
    /// The longest text held without a heap allocation.
    static constexpr int kInlineCapacity = 19;

    String() noexcept { m_local[0] = u'\0'; }
    /// From terminated text; null gives the empty text.
    String(char16_t const* text);
    /// From the first `count` code units of `text`; a negative count gives the empty text.
    String(char16_t const* text, int count);
#if defined(_WIN32)
    /// From terminated text in the 16-bit wide characters of Windows, so that callers can
    /// write `L"12pt"`; null gives the empty text. Inline, so that the DLL exports what the
    /// library exports elsewhere.
    String(wchar_t const* text) : String() {
        static_assert(sizeof(wchar_t) == sizeof(char16_t));
        for (; text != nullptr && *text != L'\0'; ++text) {
            append(static_cast<char16_t>(*text));
        }
    }
#endif
    /// A copy of the code units of `text`.
    explicit String(std::u16string_view text);
    /// From UTF-8 (a `std::string`, a view, or a `u8"..."` literal); a malformed sequence
    /// becomes U+FFFD.
    explicit String(std::string_view utf8);
    /// From UTF-8 given as `char8_t`; a malformed sequence becomes U+FFFD.
    explicit String(std::u8string_view utf8);
    /// A copy; a text longer than `kInlineCapacity` allocates once.
    String(String const& other);
    /// Takes the storage; `other` is left empty.
    // Inline, as every text a writer returns passes through them.
    String(String&& other) noexcept : m_length(other.m_length), m_capacity(other.m_capacity) {
        if (other.isLocal()) {
            std::memcpy(m_local, other.m_local, sizeof(m_local));
        } else {
            m_heap = other.m_heap;
            other.m_capacity = kInlineCapacity;
        }
        other.m_length = 0;
        other.m_local[0] = u'\0';
    }
    ~String() {
        if (!isLocal()) {
            Allocator::free(m_heap);
        }
    }

    /// Copies, or takes the storage; `other` of a move is left empty.
    ///@{
    String& operator=(String const& other);
    String& operator=(String&& other) noexcept;
    ///@}

    /// The count of UTF-16 code units, not of characters.
    ///@{
    int length() const noexcept { return m_length; }
    bool empty() const noexcept { return m_length == 0; }
    ///@}
    /// The code unit at `index`; 0 for an index outside the text.
    char16_t operator[](int index) const noexcept {
        return index >= 0 && index < m_length ? data()[index] : u'\0';
    }
    /// Always terminated.
    char16_t const* c_str() const noexcept { return data(); }
    /// The code units, without a copy; valid until the text next changes.
    ///@{
    std::u16string_view view() const noexcept {
        return {data(), static_cast<std::size_t>(m_length)};
    }
    operator std::u16string_view() const noexcept { return view(); }
    ///@}
    /// The code units, for range `for` and the standard algorithms.
    ///@{
    char16_t const* begin() const noexcept { return data(); }
    char16_t const* end() const noexcept { return data() + m_length; }
    ///@}

    /// Code-unit order: negative, 0 or positive as this text sorts before, equal to or after
    /// `other`.
    int compare(std::u16string_view other) const noexcept;
    /// As `compare`, with ASCII letters folded to lower case first; other code units are exact.
    int compareNoCase(std::u16string_view other) const noexcept;
    /// Whether the text begins with exactly these code units.
    bool startsWith(std::u16string_view prefix) const noexcept;
    /// First position at or after `from` (clamped to 0) where `text` starts; -1 if none.
    int find(std::u16string_view text, int from = 0) const noexcept;
    /// Code units `first` to `last`, both included, clamped to the text; empty when `first > last`.
    String subString(int first, int last) const;
    /// The non-empty pieces between code units of `separators`, in order: separators in a row,
    /// or at either end, produce no empty pieces, and the empty text gives no piece.
    Vector<String> split(std::u16string_view separators) const;
    /// Removes white space (`isSpace`) at both ends, in place.
    String& trim();
    /// Appends, growing the storage by doubling; returns this text.
    ///@{
    String& append(std::u16string_view text);
    String& append(char16_t unit);
    ///@}
    /// Makes room for `capacity` code units, so that appending up to them does not allocate.
    void reserve(int capacity);
    /// Appends, as `append`.
    String& operator+=(std::u16string_view text) { return append(text); }

    /// UTF-8; an unpaired surrogate becomes U+FFFD.
    std::string toUtf8() const;

    /// Space, tab, line feed, vertical tab, form feed and carriage return: the C locale's set.
    static constexpr bool isSpace(char16_t unit) noexcept {
        // One test of a bit set, without a branch: list readers call this on every code unit.
        constexpr std::uint64_t kSpaces = 1 << u'\t' | 1 << u'\n' | 1 << u'\v' | 1 << u'\f' |
                                          1 << u'\r' | std::uint64_t{1} << u' ';
        return (unit < 64) & ((kSpaces >> (unit & 63) & 1) != 0);
    }
    /// ASCII capitals to small letters; every other code unit as it is. The one folding of
    /// `compareNoCase` and of every comparison that ignores case.
    static constexpr char16_t toLowerAscii(char16_t unit) noexcept {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
    }
    /// ASCII digits only: no other script's digits are numbers here.
    static constexpr bool isDigit(char16_t unit) noexcept { return unit >= u'0' && unit <= u'9'; }
    /// The message pattern numbered `id`, with "{0}" where its argument goes; empty if unknown.
    static String loadString(int id);

    /// Code unit by code unit; no normalisation and no case folding.
    ///@{
    friend bool operator==(String const& a, String const& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator!=(String const& a, String const& b) noexcept { return !(a == b); }
    ///@}
    /// Code-unit order, as `compare`: a `String` can key an ordered container.
    friend std::strong_ordering operator<=>(String const& a, String const& b) noexcept {
        return a.view() <=> b.view();
    }

private:
    // The writers' sink writes a short text straight into the inline storage.
    friend class detail::TextSink;

    bool isLocal() const noexcept { return m_capacity == kInlineCapacity; }
    char16_t* data() noexcept { return isLocal() ? m_local : m_heap; }
    char16_t const* data() const noexcept { return isLocal() ? m_local : m_heap; }
    void assign(char16_t const* text, int count);

    int m_length = 0;
    int m_capacity = kInlineCapacity;
    union {
        char16_t m_local[kInlineCapacity + 1];
        char16_t* m_heap;
    };
};

/// Writes the text as UTF-8.
XMLATTR_EXPORT std::ostream& operator<<(std::ostream& out, String const& text);

} // namespace Core

/// The hash of the code units, so that a `Core::String` can key an unordered container.
template <> struct std::hash<Core::String> {
    /// The hash of the code units, as of the same text in a `std::u16string_view`.
    std::size_t operator()(Core::String const& text) const noexcept {
        return std::hash<std::u16string_view>{}(text.view());
    }
};
