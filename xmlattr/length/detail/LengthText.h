// Readers of lengths on views of text, for the parsers of every measure built on them.
#pragma once

#include "xmlattr/length/LengthAttribute.h"

#include <string_view>

namespace Xml::detail {

bool readLength(std::u16string_view text, Length& out) noexcept;
bool readSLength(std::u16string_view text, SLength& out) noexcept;

} // namespace Xml::detail
