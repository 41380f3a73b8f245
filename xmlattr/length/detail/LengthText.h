// Readers of lengths on views of text, for the parsers of every measure built on them.
#pragma once

#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"
#include "xmlattr/platform/detail/TextSink.h"

#include <string_view>

namespace Xml::detail {

/// The unit suffix of a text of at least two code units.
constexpr std::u16string_view lastTwo(std::u16string_view text) noexcept {
    return text.substr(text.size() - 2);
}
/// The text without its last `count` code units; `count` is at most its length.
constexpr std::u16string_view allButLast(std::u16string_view text, std::size_t count) noexcept {
    return text.substr(0, text.size() - count);
}

/// Two ASCII letters: the only suffix an SVG length takes for its unit. Anything else at
/// the end ("12 ", "10.") is part of the number, so that no digit is lost to a unit.
constexpr bool isUnitPair(std::u16string_view suffix) noexcept {
    auto const letter = [](char16_t unit) {
        return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
    };
    return suffix.size() == 2 && letter(suffix[0]) && letter(suffix[1]);
}

/// The number that is the whole of a measure's number part, white space around it allowed
/// ("12 " of "12 pt"). False, `out` untouched, where anything else is there ("1x5", "20pt 0 40",
/// "--12", "+", "12%") or the number lies beyond the float range, whose "inf" would not read
/// back: a prefix read as the number would be a value the text does not say.
[[nodiscard]] bool readWholeNumber(std::u16string_view text, float& out) noexcept;
/// As the runtime's lenient reader, but a number beyond the float range is the largest finite
/// float of its sign: for the readers that always succeed, which must hold no infinity.
float clampedNumber(std::u16string_view text) noexcept;

/// A percentage as the fraction it stands for, divided by 100 as every reader does.
float fractionOf(float percent) noexcept;
/// The shortest N whose "N%" reads back (through `fractionOf`) to `fraction`; false when no
/// float percentage does, for a fraction that division by 100 never gives.
[[nodiscard]] bool exactPercent(float fraction, float& percent) noexcept;
/// "N%" with the shortest N that reads back to `fraction`, or the nearest where none does.
void appendPercent(Core::detail::TextSink& text, float fraction);

/// A length as `Length::getValueAsString` writes it, throwing as it does.
void appendLength(Core::detail::TextSink& text, Length const& value);
/// An SVG length in its own unit ("12", "3cm", "1.5em", "50%"), as the SVG readers read it
/// back; unit 2, which has no suffix, is written as a plain number.
void appendSLength(Core::detail::TextSink& text, SLength const& value);

[[nodiscard]] bool readLength(std::u16string_view text, Length& out) noexcept;
[[nodiscard]] bool readSLength(std::u16string_view text, SLength& out) noexcept;
[[nodiscard]] bool readLengthOrPercent(std::u16string_view text, LengthOrPercent& out) noexcept;
[[nodiscard]] bool readSLengthOrPercent(std::u16string_view text, SLengthOrPercent& out) noexcept;

/// The `Length` unit of a two-code-unit suffix; false, `unit` untouched, for any other text.
[[nodiscard]] bool findLengthUnit(std::u16string_view suffix, Length::Unit& unit) noexcept;
/// The `SLength` unit of a suffix: every pair it does not name, "px" among them, is pixels.
SLength::Unit slengthUnit(std::u16string_view suffix) noexcept;

} // namespace Xml::detail
