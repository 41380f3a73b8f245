// Xml::SNullableLength: an SVG length that may be absent, with its attribute. Includes the
// dash pattern.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/DashPattern.h"
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

    /// Whether the attribute holds no valid value; the attribute's reader sets it from its result.
    ///@{
    constexpr bool isNull() const noexcept { return m_null; }
    constexpr void setNull(bool null) noexcept { m_null = null; }
    ///@}

private:
    friend struct ValueTraits<SNullableLength>;

    bool m_null = true;
};

/// Binds nullable SVG lengths to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<SNullableLength> {
    /// Strict as `SLength::parseSLength`; success clears the null flag, failure changes nothing.
    [[nodiscard]] static bool parse(SNullableLength& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<SNullableLength>{
    .name = "SNullableLength",
    .summary = "SVG length that may be absent",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<SNullableLength>;

} // namespace Xml
