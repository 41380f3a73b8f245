// The value grammars of SVG 1.1 (with the colour forms of CSS Color Level 3 that browsers
// accept) and of XSL 1.1 properties, read without the library: a second opinion on a value.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace Tool::Standard {

/// Where a value is written, which decides the case rule: SVG attributes and XSL-FO
/// properties are XML, whose keywords and units match exactly; a declaration of an SVG
/// `style` attribute is CSS, where they match in any case. Colour keywords match in any
/// case everywhere.
enum class Dialect : unsigned char { SvgAttribute = 0, CssDeclaration = 1, XslFo = 2 };

/// The shape of a grammar: a few alternatives of single tokens, or one of the
/// micro-syntaxes with a reader of its own.
enum class Form : unsigned char {
    Values = 0,          // keywords and the tokens `accepts` allows, up to `maxCount` of them
    Paint = 1,           // none | currentColor | <color> | <funciri> [fallback]
    PathData = 2,        // the path grammar: moveto first, then drawto commands
    TransformList = 3,   // matrix(), translate(), scale(), rotate(), skewX(), skewY()
    Points = 4,          // coordinate pairs
    ViewBox = 5,         // four numbers, width and height not negative
    AspectRatio = 6,     // [defer] <align> [meet | slice]
    DashArray = 7,       // none | lengths and percentages, none negative
    CoordinateList = 8,  // lengths and percentages, separated by commas or blanks
    NumberList = 9,      // numbers, separated by commas or blanks
    Text = 10,           // any text but an empty or blank one
    TextDecoration = 11, // none | underline || overline || line-through || blink
    Language = 12,       // none | a two- or three-letter code, optionally with subtags
    Character = 13,      // exactly one character
    Own = 14,            // a grammar with a reader of its own, `Syntax::reader`
};

/// The reader of an `Own` grammar: whether `text` is one of its values.
using OwnReader = bool (*)(std::string_view text, Dialect dialect);

/// Single tokens a `Values` grammar takes besides its keywords.
namespace Accept {
inline constexpr unsigned kLength = 1;     // a number and a unit; in SVG a plain number too
inline constexpr unsigned kPercentage = 2; // a number and "%"
inline constexpr unsigned kNumber = 4;
inline constexpr unsigned kInteger = 8;
inline constexpr unsigned kColor = 16;       // the colour forms; in XSL-FO also rgb-icc()
inline constexpr unsigned kFuncIri = 32;     // url(...)
inline constexpr unsigned kNonNegative = 64; // numbers, lengths and percentages >= 0
} // namespace Accept

/// One grammar. `name` shows it in a diagnostic when the library has no type for the
/// attribute; empty names a keyword set by its keywords.
struct Syntax {
    std::string_view name;
    Form form = Form::Values;
    unsigned accepts = 0;
    std::span<std::string_view const> keywords = {};
    /// For `Values`: how many blank-separated tokens a shorthand takes at most.
    unsigned char maxCount = 1;
    /// For `Own`: the reader. `keywords` then only lists words for near misses.
    OwnReader reader = nullptr;
};

/// Whether `text` is a value of the grammar, white space around it allowed.
[[nodiscard]] bool conforms(Syntax const& syntax, std::string_view text, Dialect dialect);

/// The colour keywords, where the grammar takes a colour; none otherwise. For near misses.
std::span<std::string_view const> colorKeywords(Syntax const& syntax) noexcept;

/// The grammar of an SVG attribute on `element` (a local name), or of a presentation
/// property in a `style` declaration when `element` is empty; null when neither standard
/// defines the name (or its meaning on that element is left unchecked). `spelling`, when
/// given, gets the table's own copy of the name, which lives as long as the program.
Syntax const* svgSyntax(std::string_view element, std::string_view attribute,
                        std::string_view* spelling = nullptr);
/// The grammar of an XSL-FO property; null when XSL 1.1 defines none by that name.
Syntax const* xslSyntax(std::string_view property, std::string_view* spelling = nullptr);

/// The grammar's name, or its keywords separated by " | " when it has none.
std::string describe(Syntax const& syntax);

} // namespace Tool::Standard
