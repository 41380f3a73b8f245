// Core::VariantArray and Core::StringFormatStream: "{N}" placeholders filled in one pass.
#include "xmlattr/platform/StringFormatStream.h"

#include "xmlattr/platform/Format.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>

namespace Core {

namespace {

using View = std::u16string_view;

// The argument named by a placeholder "{digits}" starting at `pos`, and the placeholder's
// length; length 0 when the text there is no placeholder.
struct Placeholder {
    int index = 0;
    std::size_t length = 0;
};

Placeholder readPlaceholder(View pattern, std::size_t pos) noexcept {
    constexpr int kMaxIndex = std::numeric_limits<int>::max();
    std::size_t end = pos + 1;
    long long index = 0;
    while (end < pattern.size() && String::isDigit(pattern[end])) {
        // An index past any possible argument count saturates and so stays as written.
        index = std::min<long long>(index * 10 + (pattern[end] - u'0'), kMaxIndex);
        ++end;
    }
    if (end == pos + 1 || end >= pattern.size() || pattern[end] != u'}') {
        return {};
    }
    return {static_cast<int>(index), end + 1 - pos};
}

// Hands `sink` the pieces of the result in order: pattern text and argument text.
template <class Argument, class Sink>
void fill(View pattern, int count, Argument const& argument, Sink&& sink) {
    std::size_t copied = 0;
    std::size_t pos = pattern.find(u'{');
    while (pos != View::npos) {
        Placeholder const placeholder = readPlaceholder(pattern, pos);
        if (placeholder.length == 0 || placeholder.index >= count) {
            pos = pattern.find(u'{', pos + 1);
            continue;
        }
        sink(pattern.substr(copied, pos - copied));
        sink(argument(placeholder.index));
        copied = pos + placeholder.length;
        pos = pattern.find(u'{', copied);
    }
    sink(pattern.substr(copied));
}

} // namespace

VariantArray& VariantArray::operator<<(String const& value) {
    m_items.push_back(value);
    return *this;
}

StringFormatStream::StringFormatStream(std::u16string_view pattern) : m_pattern(pattern) {}

StringFormatStream& StringFormatStream::operator<<(String const& value) {
    add(value);
    return *this;
}

StringFormatStream& StringFormatStream::operator<<(int value) {
    add(Format::toString(value));
    return *this;
}

StringFormatStream& StringFormatStream::operator<<(float value) {
    add(Format::toString(value));
    return *this;
}

StringFormatStream& StringFormatStream::operator<<(double value) {
    add(Format::toString(value));
    return *this;
}

StringFormatStream& StringFormatStream::operator<<(VariantArray const& values) {
    for (int i = 0; i < values.size(); ++i) {
        add(values[i]);
    }
    return *this;
}

String StringFormatStream::getString() const {
    auto const argumentText = [this](int index) { return argument(index).view(); };
    // Measured first, so that the result is allocated once, if at all.
    std::size_t length = 0;
    fill(m_pattern.view(), m_count, argumentText,
         [&length](View piece) { length += piece.size(); });
    String result;
    if (length < static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        result.reserve(static_cast<int>(length));
    }
    fill(m_pattern.view(), m_count, argumentText, [&result](View piece) { result.append(piece); });
    return result;
}

void StringFormatStream::add(String value) {
    if (m_count < kInlineArguments) {
        m_inline[m_count] = std::move(value);
    } else {
        m_more.push_back(std::move(value));
    }
    ++m_count;
}

String const& StringFormatStream::argument(int index) const noexcept {
    return index < kInlineArguments ? m_inline[index] : m_more[index - kInlineArguments];
}

} // namespace Core
