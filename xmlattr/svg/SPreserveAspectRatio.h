// Xml::SPreserveAspectRatio: how an SVG view box is fitted into its viewport, as flag bits.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// How an SVG view box fits its viewport: the `preserveAspectRatio` bits.
class XMLATTR_EXPORT SPreserveAspectRatio {
public:
    /// The bits; an alignment sets one x and one y bit, "none" is alone.
    enum Flags : int {
        AspectNone = 1,
        AspectMeet = 2,
        AspectSlice = 4,
        AspectXMin = 8,
        AspectXMid = 16,
        AspectXMax = 32,
        AspectYMin = 64,
        AspectYMid = 128,
        AspectYMax = 256,
    };

    /// The default, 146, is "xMidYMid meet".
    constexpr SPreserveAspectRatio(int aspectRatio = AspectXMid | AspectYMid | AspectMeet) noexcept
        : m_aspectRatio(aspectRatio) {}

    /// The bits of `Flags`, as read.
    constexpr int getAspectRatio() const noexcept { return m_aspectRatio; }

    /// Equal bits.
    constexpr bool operator==(SPreserveAspectRatio const& other) const noexcept {
        return m_aspectRatio == other.m_aspectRatio;
    }
    /// The negation of `==`.
    constexpr bool operator!=(SPreserveAspectRatio const& other) const noexcept {
        return !(*this == other);
    }

private:
    int m_aspectRatio;
};

/// Lenient, always true: an alignment word ("xMinYMax", ..., or "none") and a "meet" or
/// "slice" word, both case-sensitive. An unknown alignment is "xMidYMid"; a missing second
/// word is "meet" and an unknown one adds no bit; after "none" the second word is ignored.
template <> struct XMLATTR_EXPORT ValueTraits<SPreserveAspectRatio> {
    /// Reads `text` into `value`, as described above; always true.
    [[nodiscard]] static bool parse(SPreserveAspectRatio& value, Core::String const& text) noexcept;
};

template <>
inline constexpr TypeDescription kTypeDescription<SPreserveAspectRatio>{
    .name = "SPreserveAspectRatio",
    .summary = "SVG preserveAspectRatio: an alignment and \"meet\" or \"slice\"; every text reads",
    .family = TypeFamily::Geometry,
    .reads = ReadRule::Always};

extern template class XMLATTR_EXPORT TXmlAttribute<SPreserveAspectRatio>;

} // namespace Xml
