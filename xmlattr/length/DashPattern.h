// The SVG dash pattern: a list of SLength, with its attribute.
// Implemented in SNullableLength.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/SLength.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/Vector.h"

namespace Xml {

/// A dash pattern: dash and gap lengths in order, none when empty.
template <> struct XMLATTR_EXPORT ValueTraits<Core::Vector<SLength>> {
    /// "none" and the empty text give no dashes. Otherwise items separated by white space,
    /// commas or both ("5 3", "5,3" and "5 , 3" are 5px then 3px), each read by
    /// `SLength::parseSLength`. Strict: one bad item gives false with the list untouched.
    [[nodiscard]] static bool parse(Core::Vector<SLength>& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<Core::Vector<SLength>>{
    .name = "DashPattern",
    .summary = "SVG stroke-dasharray: lengths separated by commas, or \"none\"",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<Core::Vector<SLength>>;

} // namespace Xml
