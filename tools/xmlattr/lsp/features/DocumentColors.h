// The colours of a document for an editor's swatches and picker: every colour written in an
// XSL-FO or SVG value or `style` declaration, and the forms in which a picked colour may be
// written back.
#pragma once

#include "DocumentScan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

/// Red, green, blue and alpha, each from 0 to 1.
struct Rgba {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    friend bool operator==(Rgba const&, Rgba const&) = default;
};

/// The colour a colour token stands for by the standard ("red", "#f80", "rgb(255,128,0)",
/// "hsl(...)"); nothing for any other text.
std::optional<Rgba> colorOf(std::string_view token);

struct ColorAt {
    TextSpan span;
    Rgba color;
};

/// Every colour token of the document's values whose grammar takes a colour (attributes and
/// `style` declarations, shorthands such as a border included), in document order. Where a
/// value does not follow its grammar, only a value that is one colour token counts.
std::vector<ColorAt> documentColors(std::string_view document);

struct ColorPresentation {
    /// The colour as it would be written.
    std::string label;
    TextSpan replace;
};

/// The ways to write `color` over `span` (a colour token of a value, as `documentColors`
/// gives it) that the checker would take in silence there, names first, then "#rrggbb",
/// "#rgb" and the functional forms. Each one, read back, is the colour to within rounding to
/// 8 bits. None where `span` is not inside one value.
std::vector<ColorPresentation> colorPresentations(std::string_view document, TextSpan span,
                                                  Rgba color);

} // namespace Tool::Lsp
