// Test support: SVG values as short text, so that a table row can say what a reader gives.
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

} // namespace xmlattr_testing
