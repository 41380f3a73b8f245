// Xml::InitialPageNumber: the number a page sequence starts counting pages from, with its
// attribute.
// Implemented in PageDimension.cpp, beside the rest of its family.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// How a page sequence numbers its first page. The numbers are part of the interface.
enum InitialPageNumberType : int {
    InitialPageNumberAuto = 0,
    InitialPageNumberAutoOdd = 1,
    InitialPageNumberAutoEven = 2,
    InitialPageNumberNumber = 3,
};

/// The number of a page sequence's first page: "auto" (the default), "auto-odd",
/// "auto-even" or a number. Fields in order: type, number (0 unless given).
class XMLATTR_EXPORT InitialPageNumber {
public:
    /// A keyword type, "auto" by default, with number 0.
    constexpr InitialPageNumber(InitialPageNumberType type = InitialPageNumberAuto) noexcept
        : m_type(type) {}
    /// That number.
    constexpr explicit InitialPageNumber(int number) noexcept
        : m_type(InitialPageNumberNumber), m_number(number) {}

    /// Equal types, and for a number equal numbers.
    constexpr bool operator==(InitialPageNumber const& other) const noexcept {
        return m_type == other.m_type &&
               (m_type != InitialPageNumberNumber || m_number == other.m_number);
    }
    /// The negation of `==`.
    constexpr bool operator!=(InitialPageNumber const& other) const noexcept {
        return !(*this == other);
    }

    /// The type, and the number (meaningful for a number).
    ///@{
    constexpr InitialPageNumberType getType() const noexcept { return m_type; }
    constexpr int getPageNumber() const noexcept { return m_number; }
    ///@}

private:
    InitialPageNumberType m_type;
    int m_number = 0;
};

/// Binds initial page numbers to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<InitialPageNumber> {
    /// Lenient, always true: "auto", "auto-odd", "auto-even" exactly, else the number that
    /// starts the text (0 for none), raised to at least 1.
    [[nodiscard]] static bool parse(InitialPageNumber& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<InitialPageNumber>{
    .name = "InitialPageNumber",
    .summary =
        "initial-page-number: \"auto\", \"auto-odd\", \"auto-even\" or a number; every text reads",
    .family = TypeFamily::Measure,
    .reads = ReadRule::Always};

extern template class XMLATTR_EXPORT TXmlAttribute<InitialPageNumber>;

} // namespace Xml
