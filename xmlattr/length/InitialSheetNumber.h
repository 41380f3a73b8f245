// Xml::InitialSheetNumber: the number a page sequence starts counting sheets from, with its
// attribute.
// Implemented in PageDimension.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// How a page sequence numbers its first sheet. The numbers are part of the interface.
enum InitialSheetNumberType : int {
    InitialSheetNumberAuto = 0,
    InitialSheetNumberNumber = 1,
};

/// The number of a page sequence's first sheet: "auto" (the default) or a number.
class XMLATTR_EXPORT InitialSheetNumber {
public:
    /// "auto", or a type with number 0.
    constexpr InitialSheetNumber(InitialSheetNumberType type = InitialSheetNumberAuto) noexcept
        : m_type(type) {}
    /// That number.
    constexpr explicit InitialSheetNumber(int number) noexcept
        : m_type(InitialSheetNumberNumber), m_number(number) {}

    /// Equal types, and for a number equal numbers.
    constexpr bool operator==(InitialSheetNumber const& other) const noexcept {
        return m_type == other.m_type &&
               (m_type != InitialSheetNumberNumber || m_number == other.m_number);
    }
    /// The negation of `==`.
    constexpr bool operator!=(InitialSheetNumber const& other) const noexcept {
        return !(*this == other);
    }

    /// The type, and the number (meaningful for a number).
    ///@{
    constexpr InitialSheetNumberType getType() const noexcept { return m_type; }
    constexpr int getSheetNumber() const noexcept { return m_number; }
    ///@}

private:
    InitialSheetNumberType m_type;
    int m_number = 0;
};

/// Binds initial sheet numbers to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<InitialSheetNumber> {
    /// Lenient, always true: "auto" exactly, else the number that starts the text (0 for
    /// none), raised to at least 1.
    [[nodiscard]] static bool parse(InitialSheetNumber& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<InitialSheetNumber>{
    .name = "InitialSheetNumber",
    .summary = "initial sheet number: \"auto\" or a number; every text reads",
    .family = TypeFamily::Measure,
    .reads = ReadRule::Always};

extern template class XMLATTR_EXPORT TXmlAttribute<InitialSheetNumber>;

} // namespace Xml
