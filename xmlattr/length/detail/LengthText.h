// Readers of lengths on views of text, for the parsers of every measure built on them.
#pragma once

#include "xmlattr/length/LengthAttribute.h"

#include <string_view>

namespace Xml::detail {

[[nodiscard]] bool readLength(std::u16string_view text, Length& out) noexcept;
[[nodiscard]] bool readSLength(std::u16string_view text, SLength& out) noexcept;

} // namespace Xml::detail
