// Xml::PageDimension: a page's height or width, with its attribute. Includes the page
// sequence's starting numbers, which have headers of their own.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/length/InitialPageNumber.h"
#include "xmlattr/length/InitialSheetNumber.h"
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
    /// A length.
    constexpr explicit PageDimension(Length const& length) noexcept
        : m_type(PageDimensionLength), m_length(length) {}

    /// Equal types, and for a length equal lengths.
    constexpr bool operator==(PageDimension const& other) const noexcept {
        return m_type == other.m_type &&
               (m_type != PageDimensionLength || m_length == other.m_length);
    }
    /// The negation of `==`.
    constexpr bool operator!=(PageDimension const& other) const noexcept {
        return !(*this == other);
    }

    /// The type, and the length (meaningful for a length).
    ///@{
    constexpr PageDimensionType getType() const noexcept { return m_type; }
    constexpr Length const& getLength() const noexcept { return m_length; }
    ///@}

    /// "auto" and "indefinite", exactly; on false `type` is untouched. Never throws.
    [[nodiscard]] static bool readStringPageDimension(Core::String text,
                                                      PageDimensionType& type) noexcept;

private:
    PageDimensionType m_type;
    Length m_length;
};

/// Binds page dimensions to their reader; they have no text form.
template <> struct XMLATTR_EXPORT ValueTraits<PageDimension> {
    /// "auto", "indefinite", else a text `Length::parseLength` accepts. On false the value is
    /// untouched.
    [[nodiscard]] static bool parse(PageDimension& value, Core::String const& text);
};

template <>
inline constexpr TypeDescription kTypeDescription<PageDimension>{
    .name = "PageDimension",
    .summary = "page-height, page-width: \"auto\", \"indefinite\" or a length",
    .family = TypeFamily::Measure};

extern template class XMLATTR_EXPORT TXmlAttribute<PageDimension>;

} // namespace Xml
