// Test support: SVG values as short text, so that a table row can say what a reader gives, and
// long texts made by repetition.
#pragma once

#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Format.h"

#include <string>

namespace xmlattr_testing {

// The size as the platform writes it, then the unit: nothing for pixels, "%" for a fraction
// shown as such ("0.5%" is fifty per cent held as 0.5).
inline std::string shortText(Xml::SLength const& length) {
    static char const* const kSuffixes[] = {"", "pt", "?", "cm", "mm", "in", "em", "ex", "pc", "%"};
    int const unit = length.getUnit();
    return Core::Format::toString(length.getSize()).toUtf8() +
           (unit >= 0 && unit <= 9 ? kSuffixes[unit] : "?");
}

// `piece` `count` times over: the texts of megabytes and what they read as.
template <class Char> std::basic_string<Char> repeated(Char const* piece, int count) {
    std::basic_string<Char> text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

} // namespace xmlattr_testing
