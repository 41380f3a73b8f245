// Xml::SNullableLength, an SVG length that may be absent, and the SVG dash pattern, a
// list of SLength, with their attributes.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/Vector.h"

namespace Xml {

/// An `SLength` with a null flag; the default is 0px and null. Equality is the length's:
/// the flags are not compared.
class XMLATTR_EXPORT SNullableLength : public SLength {
public:
    constexpr SNullableLength() noexcept = default;

    constexpr bool isNull() const noexcept { return m_null; }
    constexpr void setNull(bool null) noexcept { m_null = null; }

private:
    friend struct ValueTraits<SNullableLength>;

    bool m_null = true;
};

template <> struct XMLATTR_EXPORT ValueTraits<SNullableLength> {
    /// Strict as `SLength::parseSLength`; success clears the null flag, failure changes nothing.
    [[nodiscard]] static bool parse(SNullableLength& value, Core::String const& text);
};

/// A dash pattern: dash and gap lengths in order, none when empty.
template <> struct XMLATTR_EXPORT ValueTraits<Core::Vector<SLength>> {
    /// "none" and the empty text give no dashes. Otherwise items separated by white space,
    /// commas or both ("5 3", "5,3" and "5 , 3" are 5px then 3px), each read by
    /// `SLength::parseSLength`. Strict: one bad item gives false with the list untouched.
    [[nodiscard]] static bool parse(Core::Vector<SLength>& value, Core::String const& text);
};

extern template class XMLATTR_EXPORT TXmlAttribute<SNullableLength>;
extern template class XMLATTR_EXPORT TXmlAttribute<Core::Vector<SLength>>;

} // namespace Xml
