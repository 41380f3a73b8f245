// Readers of colour text on views, for the colour attribute and the values built on it.
#pragma once

#include "xmlattr/platform/Color.h"
#include "xmlattr/platform/SmartPtr.h"
#include "xmlattr/platform/detail/TextSink.h"

#include <cstdint>
#include <string_view>

namespace Xml::detail {

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

/// The values of an SVG colour keyword; false for any other text. No allocation.
[[nodiscard]] bool findColorKeyword(std::u16string_view name, Rgb& out) noexcept;
/// "transparent" or "none": the keywords of no colour.
[[nodiscard]] bool isNoColorKeyword(std::u16string_view name) noexcept;

// Each reader writes `out` only when it returns true; `out` may then be empty (no colour).
[[nodiscard]] bool readColorName(std::u16string_view text, SmartPtr<Drawing::Color>& out);
[[nodiscard]] bool readHexColor(std::u16string_view text, SmartPtr<Drawing::Color>& out);
[[nodiscard]] bool readRGB(std::u16string_view text, SmartPtr<Drawing::Color>& out);
[[nodiscard]] bool readCMYK(std::u16string_view text, SmartPtr<Drawing::Color>& out);
[[nodiscard]] bool readICCColor(std::u16string_view text, SmartPtr<Drawing::Color>& out);
[[nodiscard]] bool readSpotColor(std::u16string_view text, SmartPtr<Drawing::Color>& out);
/// Any notation, chosen by the text's first characters.
[[nodiscard]] bool readColor(std::u16string_view text, SmartPtr<Drawing::Color>& out);

/// The colour as `ColorParse::getColorAsString` writes it.
void appendColor(Core::detail::TextSink& text, Drawing::Color const& color);

/// Logs the message numbered `id` with `argument` as its "{0}".
void logColorWarning(int id, std::u16string_view argument);

inline constexpr int kMalformedSpotColor = 30000;
inline constexpr int kSpotColorWithoutSubstitute = 30001;
inline constexpr int kMalformedICCColor = 30002;

} // namespace Xml::detail
