// Readers of lengths on views of text, for the parsers of every measure built on them.
#pragma once

#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"

#include <string_view>

namespace Xml::detail {

/// The code units a measure's number may start with: a digit, "+", "-" or ".".
constexpr bool startsLikeNumber(char16_t unit) noexcept {
    return Core::String::isDigit(unit) || unit == u'+' || unit == u'-' || unit == u'.';
}
/// The unit suffix of a text of at least two code units.
constexpr std::u16string_view lastTwo(std::u16string_view text) noexcept {
    return text.substr(text.size() - 2);
}
/// The text without its last `count` code units; `count` is at most its length.
constexpr std::u16string_view allButLast(std::u16string_view text, std::size_t count) noexcept {
    return text.substr(0, text.size() - count);
}

/// A percentage as the fraction it stands for, divided by 100 as every reader does.
float fractionOf(float percent) noexcept;
/// "N%" with the shortest N that reads back (through `fractionOf`) to `fraction`.
Core::String writePercent(float fraction);

[[nodiscard]] bool readLength(std::u16string_view text, Length& out) noexcept;
[[nodiscard]] bool readSLength(std::u16string_view text, SLength& out) noexcept;
[[nodiscard]] bool readLengthOrPercent(std::u16string_view text, LengthOrPercent& out) noexcept;
[[nodiscard]] bool readSLengthOrPercent(std::u16string_view text, SLengthOrPercent& out) noexcept;

/// The `Length` unit of a two-code-unit suffix; false, `unit` untouched, for any other text.
[[nodiscard]] bool findLengthUnit(std::u16string_view suffix, Length::Unit& unit) noexcept;
/// The `SLength` unit of a suffix: every pair it does not name, "px" among them, is pixels.
SLength::Unit slengthUnit(std::u16string_view suffix) noexcept;

} // namespace Xml::detail
