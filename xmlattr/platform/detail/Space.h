// White space at the ends of a view: the one loop every reader of the platform uses.
#pragma once

#include "xmlattr/platform/String.h"

#include <string_view>

namespace Core::detail {

/// `text` without the white space (`String::isSpace`) it starts with.
constexpr std::u16string_view trimLeadingSpace(std::u16string_view text) noexcept {
    std::size_t first = 0;
    while (first < text.size() && String::isSpace(text[first])) {
        ++first;
    }
    return text.substr(first);
}

/// `text` without white space at either end.
constexpr std::u16string_view trimSpace(std::u16string_view text) noexcept {
    text = trimLeadingSpace(text);
    std::size_t last = text.size();
    while (last > 0 && String::isSpace(text[last - 1])) {
        --last;
    }
    return text.substr(0, last);
}

} // namespace Core::detail
