// Readers of lengths on views of text, for the parsers of every measure built on them.
#pragma once

#include "xmlattr/length/LengthAttribute.h"

#include <string_view>

namespace Xml::detail {

[[nodiscard]] bool readLength(std::u16string_view text, Length& out) noexcept;
[[nodiscard]] bool readSLength(std::u16string_view text, SLength& out) noexcept;
/// The length that a number already read, followed by `suffix`, stands for by the rules of
/// `readSLength`: "%" makes a fraction, the last two code units name the unit, and any other
/// suffix (the empty one included) gives pixels. List readers take the number themselves.
SLength sLengthWithSuffix(float number, std::u16string_view suffix) noexcept;

} // namespace Xml::detail
