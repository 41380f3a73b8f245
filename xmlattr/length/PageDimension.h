// Page measures: Xml::PageDimension, the page height or width, and the numbers a page
// sequence starts counting from, Xml::InitialPageNumber and Xml::InitialSheetNumber.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// What a page dimension holds. The numbers are part of the interface.
enum PageDimensionType : int {
    PageDimensionAuto = 0,
    PageDimensionIndefinite = 1,
    PageDimensionLength = 2,
};

/// A page's height or width: "auto" (the default), "indefinite" or a `Length`. Fields in
/// order: type, length.
class XMLATTR_EXPORT PageDimension {
public:
    /// That type with 0px.
    constexpr PageDimension(PageDimensionType type = PageDimensionAuto) noexcept : m_type(type) {}
    constexpr explicit PageDimension(Length const& length) noexcept
        : m_type(PageDimensionLength), m_length(length) {}

    /// Equal types, and for a length equal lengths.
    constexpr bool operator==(PageDimension const& other) const noexcept {
        return m_type == other.m_type &&
               (m_type != PageDimensionLength || m_length == other.m_length);
    }
    constexpr bool operator!=(PageDimension const& other) const noexcept {
        return !(*this == other);
    }

    constexpr PageDimensionType getType() const noexcept { return m_type; }
    constexpr Length const& getLength() const noexcept { return m_length; }

    /// "auto" and "indefinite", exactly; on false `type` is untouched. Never throws.
    [[nodiscard]] static bool readStringPageDimension(Core::String text,
                                                      PageDimensionType& type) noexcept;

private:
    PageDimensionType m_type;
    Length m_length;
};

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
    constexpr InitialPageNumber(InitialPageNumberType type = InitialPageNumberAuto) noexcept
        : m_type(type) {}
    constexpr explicit InitialPageNumber(int number) noexcept
        : m_type(InitialPageNumberNumber), m_number(number) {}

    /// Equal types, and for a number equal numbers.
    constexpr bool operator==(InitialPageNumber const& other) const noexcept {
        return m_type == other.m_type &&
               (m_type != InitialPageNumberNumber || m_number == other.m_number);
    }
    constexpr bool operator!=(InitialPageNumber const& other) const noexcept {
        return !(*this == other);
    }

    constexpr InitialPageNumberType getType() const noexcept { return m_type; }
    constexpr int getPageNumber() const noexcept { return m_number; }

private:
    InitialPageNumberType m_type;
    int m_number = 0;
};

/// How a page sequence numbers its first sheet. The numbers are part of the interface.
enum InitialSheetNumberType : int {
    InitialSheetNumberAuto = 0,
    InitialSheetNumberNumber = 1,
};

/// The number of a page sequence's first sheet: "auto" (the default) or a number.
class XMLATTR_EXPORT InitialSheetNumber {
public:
    constexpr InitialSheetNumber(InitialSheetNumberType type = InitialSheetNumberAuto) noexcept
        : m_type(type) {}
    constexpr explicit InitialSheetNumber(int number) noexcept
        : m_type(InitialSheetNumberNumber), m_number(number) {}

    /// Equal types, and for a number equal numbers.
    constexpr bool operator==(InitialSheetNumber const& other) const noexcept {
        return m_type == other.m_type &&
               (m_type != InitialSheetNumberNumber || m_number == other.m_number);
    }
    constexpr bool operator!=(InitialSheetNumber const& other) const noexcept {
        return !(*this == other);
    }

    constexpr InitialSheetNumberType getType() const noexcept { return m_type; }
    constexpr int getSheetNumber() const noexcept { return m_number; }

private:
    InitialSheetNumberType m_type;
    int m_number = 0;
};

template <> struct XMLATTR_EXPORT ValueTraits<PageDimension> {
    /// "auto", "indefinite", else a text `Length::parseLength` accepts. On false the value is
    /// untouched.
    [[nodiscard]] static bool parse(PageDimension& value, Core::String const& text);
};

template <> struct XMLATTR_EXPORT ValueTraits<InitialPageNumber> {
    /// Lenient, always true: "auto", "auto-odd", "auto-even" exactly, else the number that
    /// starts the text (0 for none), raised to at least 1.
    [[nodiscard]] static bool parse(InitialPageNumber& value, Core::String const& text);
};

template <> struct XMLATTR_EXPORT ValueTraits<InitialSheetNumber> {
    /// Lenient, always true: "auto" exactly, else the number that starts the text (0 for
    /// none), raised to at least 1.
    [[nodiscard]] static bool parse(InitialSheetNumber& value, Core::String const& text);
};

extern template class XMLATTR_EXPORT TXmlAttribute<PageDimension>;
extern template class XMLATTR_EXPORT TXmlAttribute<InitialPageNumber>;
extern template class XMLATTR_EXPORT TXmlAttribute<InitialSheetNumber>;

} // namespace Xml
