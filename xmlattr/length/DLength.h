// Xml::DLength: the pair of lengths that separates adjacent borders, with its attribute.
// Implemented in BorderWidth.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/Length.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// Two lengths, first and second; the default is 0px twice.
class XMLATTR_EXPORT DLength {
public:
    /// The two lengths as given.
    constexpr DLength(Length const& first = Length(), Length const& second = Length()) noexcept
        : m_first(first), m_second(second) {}

    /// Both lengths equal, in order.
    constexpr bool operator==(DLength const& other) const noexcept {
        return m_first == other.m_first && m_second == other.m_second;
    }
    /// The negation of `==`.
    constexpr bool operator!=(DLength const& other) const noexcept { return !(*this == other); }

    /// The first and second length, as read (one length read stands for both).
    ///@{
    constexpr Length const& getFirst() const noexcept { return m_first; }
    constexpr Length const& getSecond() const noexcept { return m_second; }
    ///@}

private:
    Length m_first;
    Length m_second;
};

/// Binds length pairs to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<DLength> {
    /// One length, which stands for both, or two separated by white space; each strict as
    /// `Length::parseLength`. Any other text gives false with the value untouched.
    [[nodiscard]] static bool parse(DLength& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<DLength>{
    .name = "DLength",
    .summary = "border-separation: one or two lengths (\"2pt 3pt\")",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<DLength>;

} // namespace Xml
