// Core::String: storage, searching, splitting and UTF-8 conversion.
#include "xmlattr/platform/String.h"

#include "xmlattr/platform/detail/Space.h"

#include <cstring>
#include <limits>
#include <new>
#include <ostream>

namespace Core {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

int clampedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max() - 1)) {
        throw std::bad_alloc();
    }
    return static_cast<int>(size);
}

template <class Fold>
int compareFolded(std::u16string_view a, std::u16string_view b, Fold fold) noexcept {
    std::size_t const common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        char16_t const x = fold(a[i]);
        char16_t const y = fold(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Decodes one UTF-8 sequence at `pos`, advancing it; a malformed one yields U+FFFD
// and consumes one byte, so that decoding always moves forward.
template <class Unit> char32_t decodeUtf8(std::basic_string_view<Unit> text, std::size_t& pos) {
    auto const byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned const lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra = 0;
    char32_t min = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, min = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, min = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, min = 0x10000, code = lead & 0x07;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + static_cast<std::size_t>(extra) >= text.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        unsigned const next = byte(pos + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return code;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Appends UTF-8 text, decoded, to `text`.
template <class Unit> void appendDecoded(String& text, std::basic_string_view<Unit> utf8) {
    text.reserve(text.length() + clampedLength(utf8.size()));
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t const code = decodeUtf8(utf8, pos);
        if (code >= 0x10000) {
            text.append(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            text.append(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            text.append(static_cast<char16_t>(code));
        }
    }
}

} // namespace

String::String(char16_t const* text) : String() {
    if (text != nullptr) {
        assign(text, clampedLength(std::char_traits<char16_t>::length(text)));
    }
}

// A new text cannot overlap the one given, so its room is made before the copy: `assign`
// alone would build a second string and move it in.
String::String(char16_t const* text, int count) : String() {
    if (text == nullptr || count <= 0) {
        return;
    }
    if (count <= kInlineCapacity) {
        std::memcpy(m_local, text, sizeof(char16_t) * static_cast<std::size_t>(count));
        m_local[count] = u'\0';
        m_length = count;
        return;
    }
    reserve(count);
    assign(text, count);
}

String::String(std::u16string_view text) : String(text.data(), clampedLength(text.size())) {}

String::String(std::string_view utf8) : String() { appendDecoded(*this, utf8); }

String::String(std::u8string_view utf8) : String() { appendDecoded(*this, utf8); }

String::String(String const& other) : String() { assign(other.data(), other.m_length); }

String& String::operator=(String const& other) {
    if (this != &other) {
        assign(other.data(), other.m_length);
    }
    return *this;
}

String& String::operator=(String&& other) noexcept {
    if (this != &other) {
        this->~String();
        ::new (static_cast<void*>(this)) String(std::move(other));
    }
    return *this;
}

void String::reserve(int capacity) {
    if (capacity <= m_capacity) {
        return;
    }
    auto* grown = static_cast<char16_t*>(
        Allocator::alloc(sizeof(char16_t) * (static_cast<std::size_t>(capacity) + 1)));
    std::memcpy(grown, data(), sizeof(char16_t) * (static_cast<std::size_t>(m_length) + 1));
    if (!isLocal()) {
        Allocator::free(m_heap);
    }
    m_heap = grown;
    m_capacity = capacity;
}

void String::assign(char16_t const* text, int count) {
    // `text` may lie inside this string's own storage, so it is copied before any release.
    if (count > m_capacity) {
        String fresh;
        fresh.reserve(count);
        std::memcpy(fresh.data(), text, sizeof(char16_t) * static_cast<std::size_t>(count));
        fresh.m_length = count;
        fresh.data()[count] = u'\0';
        *this = std::move(fresh);
        return;
    }
    std::memmove(data(), text, sizeof(char16_t) * static_cast<std::size_t>(count));
    m_length = count;
    data()[count] = u'\0';
}

int String::compare(std::u16string_view other) const noexcept {
    return compareFolded(view(), other, [](char16_t unit) { return unit; });
}

int String::compareNoCase(std::u16string_view other) const noexcept {
    return compareFolded(view(), other, toLowerAscii);
}

bool String::startsWith(std::u16string_view prefix) const noexcept {
    return view().starts_with(prefix);
}

int String::find(std::u16string_view text, int from) const noexcept {
    if (from < 0) {
        from = 0;
    }
    if (from > m_length) {
        return -1;
    }
    std::size_t const at = view().find(text, static_cast<std::size_t>(from));
    return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

String String::subString(int first, int last) const {
    if (first < 0) {
        first = 0;
    }
    if (last >= m_length) {
        last = m_length - 1;
    }
    if (first > last) {
        return String();
    }
    return String(data() + first, last - first + 1);
}

Vector<String> String::split(std::u16string_view separators) const {
    Vector<String> pieces;
    std::u16string_view const text = view();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t const start = text.find_first_not_of(separators, pos);
        if (start == std::u16string_view::npos) {
            break;
        }
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::u16string_view::npos) {
            end = text.size();
        }
        pieces.emplace_back(text.substr(start, end - start));
        pos = end;
    }
    return pieces;
}

String& String::trim() {
    std::u16string_view const kept = detail::trimSpace(view());
    assign(kept.data(), static_cast<int>(kept.size()));
    return *this;
}

String& String::append(std::u16string_view text) {
    if (text.empty()) {
        return *this;
    }
    int const added = clampedLength(text.size());
    if (added > std::numeric_limits<int>::max() - 1 - m_length) {
        throw std::bad_alloc();
    }
    int const length = m_length + added;
    if (length > m_capacity) {
        // `text` may be a view of this string: keep the old storage alive until it is copied.
        String grown;
        long long const doubled = 2LL * m_capacity;
        grown.reserve(doubled > length && doubled < std::numeric_limits<int>::max() - 1
                          ? static_cast<int>(doubled)
                          : length);
        std::memcpy(grown.data(), data(), sizeof(char16_t) * static_cast<std::size_t>(m_length));
        std::memcpy(grown.data() + m_length, text.data(), sizeof(char16_t) * text.size());
        grown.m_length = length;
        grown.data()[length] = u'\0';
        *this = std::move(grown);
        return *this;
    }
    std::memmove(data() + m_length, text.data(), sizeof(char16_t) * text.size());
    m_length = length;
    data()[length] = u'\0';
    return *this;
}

String& String::append(char16_t unit) { return append(std::u16string_view(&unit, 1)); }

std::ostream& operator<<(std::ostream& out, String const& text) { return out << text.toUtf8(); }

std::string String::toUtf8() const {
    std::string out;
    out.reserve(static_cast<std::size_t>(m_length));
    char16_t const* text = data();
    for (int i = 0; i < m_length; ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < m_length && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacement;
        }
        appendUtf8(out, code);
    }
    return out;
}

} // namespace Core
