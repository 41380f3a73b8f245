// The table that maps document attributes to the library's value types: data only. To
// check another attribute with the library, add a line.
#include "DocumentAttributeTable.h"

#include <algorithm>
#include <span>
#include <unordered_map>
#include <vector>

namespace Tool {

namespace {

struct AttributeType {
    std::string_view attribute;
    std::string_view type;
    /// The elements the row is for; empty for every other element and for `style`.
    std::span<std::string_view const> elements = {};
};

// Properties of formatting objects, unprefixed attributes of elements in the XSL-FO
// namespace. Shorthands that combine several values ("border", "font") are not listed.
// clang-format off
constexpr AttributeType kXslFo[] = {
    {"extent", "Length"},
    {"rule-thickness", "Length"},
    {"space-before", "Length"},
    {"space-before.minimum", "Length"},
    {"space-before.optimum", "Length"},
    {"space-before.maximum", "Length"},
    {"space-after", "Length"},
    {"space-after.minimum", "Length"},
    {"space-after.optimum", "Length"},
    {"space-after.maximum", "Length"},
    {"space-start", "LengthOrPercent"},
    {"space-end", "LengthOrPercent"},
    {"language", "Language"},
    {"column-gap", "LengthOrPercent"},
    {"leader-length", "LengthOrPercent"},
    {"leader-length.minimum", "LengthOrPercent"},
    {"leader-length.optimum", "LengthOrPercent"},
    {"leader-length.maximum", "LengthOrPercent"},
    {"line-height", "LengthOrPercent"},
    {"padding", "LengthOrPercent"},
    {"padding-top", "LengthOrPercent"},
    {"padding-bottom", "LengthOrPercent"},
    {"padding-left", "LengthOrPercent"},
    {"padding-right", "LengthOrPercent"},
    {"padding-before", "LengthOrPercent"},
    {"padding-after", "LengthOrPercent"},
    {"padding-start", "LengthOrPercent"},
    {"padding-end", "LengthOrPercent"},
    {"provisional-distance-between-starts", "LengthOrPercent"},
    {"provisional-label-separation", "LengthOrPercent"},
    {"margin", "Margin"},
    {"margin-top", "Margin"},
    {"margin-bottom", "Margin"},
    {"margin-left", "Margin"},
    {"margin-right", "Margin"},
    {"width", "LengthOrPercentAuto"},
    {"height", "LengthOrPercentAuto"},
    {"top", "LengthOrPercentAuto"},
    {"bottom", "LengthOrPercentAuto"},
    {"left", "LengthOrPercentAuto"},
    {"right", "LengthOrPercentAuto"},
    {"inline-progression-dimension", "LengthOrPercentAuto"},
    {"inline-progression-dimension.minimum", "LengthOrPercentAuto"},
    {"inline-progression-dimension.optimum", "LengthOrPercentAuto"},
    {"inline-progression-dimension.maximum", "LengthOrPercentAuto"},
    {"block-progression-dimension", "LengthOrPercentAuto"},
    {"block-progression-dimension.minimum", "LengthOrPercentAuto"},
    {"block-progression-dimension.optimum", "LengthOrPercentAuto"},
    {"block-progression-dimension.maximum", "LengthOrPercentAuto"},
    {"content-width", "ContentLength"},
    {"content-height", "ContentLength"},
    {"column-width", "ColumnWidth"},
    {"leader-pattern-width", "LeaderPatternWidth"},
    {"border-width", "BorderWidth"},
    {"border-top-width", "BorderWidth"},
    {"border-bottom-width", "BorderWidth"},
    {"border-left-width", "BorderWidth"},
    {"border-right-width", "BorderWidth"},
    {"border-before-width", "BorderWidth"},
    {"border-after-width", "BorderWidth"},
    {"border-start-width", "BorderWidth"},
    {"border-end-width", "BorderWidth"},
    {"border-separation", "DLength"},
    {"font-size", "FontSize"},
    {"start-indent", "Indent"},
    {"end-indent", "Indent"},
    {"text-indent", "Indent"},
    {"last-line-end-indent", "Indent"},
    {"letter-spacing", "LetterSpacing"},
    {"word-spacing", "LetterSpacing"},
    {"alignment-baseline", "AlignmentBaseline"},
    {"alignment-adjust", "AlignmentAdjust"},
    {"baseline-shift", "BaselineShift"},
    {"background-position-horizontal", "BackgroundPosition"},
    {"background-position-vertical", "BackgroundPosition"},
    {"page-height", "PageDimension"},
    {"page-width", "PageDimension"},
    {"initial-page-number", "InitialPageNumber"},
    {"color", "Color"},
    {"background-color", "Color"},
    {"border-color", "Color"},
    {"border-top-color", "Color"},
    {"border-bottom-color", "Color"},
    {"border-left-color", "Color"},
    {"border-right-color", "Color"},
    {"border-before-color", "Color"},
    {"border-after-color", "Color"},
    {"border-start-color", "Color"},
    {"border-end-color", "Color"},
    {"span", "Span"},
    {"line-stacking-strategy", "LineStackingStrategy"},
    {"line-height-shift-adjustment", "LineHeightShiftAdjustment"},
    {"text-align", "TextAlign"},
    {"text-align-last", "TextAlign"},
    {"display-align", "DisplayAlign"},
    {"direction", "TextDirection"},
    {"linefeed-treatment", "LinefeedTreatment"},
    {"white-space-treatment", "WhiteSpaceTreatment"},
    {"wrap-option", "WrapOption"},
    {"visibility", "Visibility"},
    {"leader-pattern", "LeaderPattern"},
    {"leader-alignment", "LeaderAlignment"},
    {"retrieve-position", "RetrievePosition"},
    {"retrieve-boundary", "RetrieveBoundary"},
    {"retrieve-position-within-table", "RetrievePositionWithinTable"},
    {"retrieve-boundary-within-table", "RetrieveBoundaryWithinTable"},
    {"odd-or-even", "Parity"},
    {"page-position", "PagePosition"},
    {"blank-or-not-blank", "BlankOrNotBlank"},
    {"break-before", "Break"},
    {"break-after", "Break"},
    {"force-page-count", "ForcePageCount"},
    {"maximum-repeats", "MaxRepeats"},
    {"keep-together", "Keep"},
    {"keep-together.within-line", "Keep"},
    {"keep-together.within-column", "Keep"},
    {"keep-together.within-page", "Keep"},
    {"keep-with-next", "Keep"},
    {"keep-with-next.within-line", "Keep"},
    {"keep-with-next.within-column", "Keep"},
    {"keep-with-next.within-page", "Keep"},
    {"keep-with-previous", "Keep"},
    {"keep-with-previous.within-line", "Keep"},
    {"keep-with-previous.within-column", "Keep"},
    {"keep-with-previous.within-page", "Keep"},
    {"reference-orientation", "ReferenceOrientation"},
    {"absolute-position", "AbsolutePosition"},
    {"relative-position", "RelativePosition"},
    {"overflow", "Overflow"},
    {"float", "FloatPosition"},
    {"background-repeat", "BackgroundRepeat"},
    {"scaling", "Scaling"},
    {"table-layout", "TableLayout"},
    {"border-collapse", "BorderCollapse"},
    {"border-style", "BorderStyle"},
    {"border-top-style", "BorderStyle"},
    {"border-bottom-style", "BorderStyle"},
    {"border-left-style", "BorderStyle"},
    {"border-right-style", "BorderStyle"},
    {"border-before-style", "BorderStyle"},
    {"border-after-style", "BorderStyle"},
    {"border-start-style", "BorderStyle"},
    {"border-end-style", "BorderStyle"},
    {"rule-style", "BorderStyle"},
    {"font-weight", "FontWeight"},
    {"font-style", "FontStyle"},
    {"font-variant", "FontVariant"},
    {"font-family", "String"},
    {"hyphenation-character", "String"},
    {"format", "String"},
    {"column-count", "int"},
    {"column-number", "int"},
    {"number-columns-repeated", "int"},
    {"number-columns-spanned", "int"},
    {"number-rows-spanned", "int"},
    {"hyphenation-push-character-count", "int"},
    {"hyphenation-remain-character-count", "int"},
    {"widows", "int"},
    {"orphans", "int"},
    {"src", "Url"},
    {"background-image", "Url"},
    {"external-destination", "Url"},
};

// SVG attributes and presentation properties, as attributes of elements in the SVG
// namespace and as declarations of their `style` attribute. Rows for particular elements
// come before the row for every other element; an empty type leaves the attribute to the
// standard's grammar alone.
constexpr std::string_view kAnimations[] = {"animate", "animateColor", "animateMotion",
                                            "animateTransform", "set"};
constexpr std::string_view kTexts[] = {"text", "tspan", "tref", "altGlyph"};
constexpr std::string_view kNumberPlaces[] = {"fePointLight", "feSpotLight", "glyphRef"};
constexpr std::string_view kTransfers[] = {"feFuncR", "feFuncG", "feFuncB", "feFuncA"};
constexpr std::string_view kStop[] = {"stop"};

constexpr AttributeType kSvg[] = {
    // Animation timing, not paint.
    {"fill", "", kAnimations},
    {"fill", "SColor"},
    // Lists of coordinates on text, numbers on lights and glyph references.
    {"x", "", kTexts},
    {"y", "", kTexts},
    {"x", "float", kNumberPlaces},
    {"y", "float", kNumberPlaces},
    {"x", "SLength"},
    {"y", "SLength"},
    {"offset", "FloatOrPercent", kStop},
    {"offset", "float", kTransfers},
    {"d", "PathData"},
    {"transform", "TransformList"},
    {"gradientTransform", "TransformList"},
    {"patternTransform", "TransformList"},
    {"points", "PointList"},
    {"viewBox", "ViewBox"},
    {"preserveAspectRatio", "SPreserveAspectRatio"},
    {"width", "SLength"},
    {"height", "SLength"},
    {"rx", "SLength"},
    {"ry", "SLength"},
    {"cx", "SLength"},
    {"cy", "SLength"},
    {"r", "SLength"},
    {"x1", "SLength"},
    {"y1", "SLength"},
    {"x2", "SLength"},
    {"y2", "SLength"},
    {"fx", "SLength"},
    {"fy", "SLength"},
    {"stroke-width", "SLength"},
    {"stroke-dashoffset", "SLength"},
    {"stroke-miterlimit", "float"},
    {"font-size", "SLengthOrPercent"},
    {"stroke-dasharray", "DashPattern"},
    {"letter-spacing", "SSpacing"},
    {"word-spacing", "SSpacing"},
    {"baseline-shift", "SBaselineShift"},
    {"text-decoration", "STextDecoration"},
    {"alignment-baseline", "AlignmentBaseline"},
    {"stroke", "SColor"},
    {"color", "Color"},
    {"stop-color", "Color"},
    {"flood-color", "Color"},
    {"lighting-color", "Color"},
    // A factor that may be written as a percentage.
    {"opacity", "FloatOrPercent"},
    {"fill-opacity", "FloatOrPercent"},
    {"stroke-opacity", "FloatOrPercent"},
    {"stop-opacity", "FloatOrPercent"},
    {"flood-opacity", "FloatOrPercent"},
    {"text-anchor", "STextAnchor"},
    {"stroke-linecap", "SLineCap"},
    {"stroke-linejoin", "SLineJoin"},
    {"visibility", "SVisibility"},
    {"display", "SDisplay"},
    {"gradientUnits", "GradientUnits"},
    {"patternUnits", "GradientUnits"},
    {"patternContentUnits", "GradientUnits"},
    {"clipPathUnits", "GradientUnits"},
    {"maskUnits", "GradientUnits"},
    {"maskContentUnits", "GradientUnits"},
    {"filterUnits", "GradientUnits"},
    {"primitiveUnits", "GradientUnits"},
    {"spreadMethod", "GradientSpreadMethod"},
    {"font-weight", "FontWeight"},
    {"font-style", "FontStyle"},
    {"font-variant", "FontVariant"},
    {"font-family", "String"},
};
// clang-format on

// A row with its type found once, not at every value.
struct Resolved {
    AttributeType const* row;
    ValueType const* type;
};

using Index = std::unordered_map<std::string_view, std::vector<Resolved>>;

Index makeIndex(std::span<AttributeType const> table) {
    Index index;
    for (AttributeType const& entry : table) {
        index[entry.attribute].push_back(
            {&entry, entry.type.empty() ? nullptr : findType(entry.type)});
    }
    return index;
}

Resolved const* rowFor(Index const& index, std::string_view element, std::string_view name) {
    auto const found = index.find(name);
    if (found == index.end()) {
        return nullptr;
    }
    for (Resolved const& resolved : found->second) {
        std::span<std::string_view const> const elements = resolved.row->elements;
        if (elements.empty() || (!element.empty() && std::find(elements.begin(), elements.end(),
                                                               element) != elements.end())) {
            return &resolved;
        }
    }
    return nullptr;
}

} // namespace

std::string_view vocabularyName(Vocabulary vocabulary) noexcept {
    return vocabulary == Vocabulary::XslFo ? "XSL-FO" : "SVG";
}

ValueType const* attributeType(Vocabulary vocabulary, std::string_view element,
                               std::string_view name, std::string_view* spelling) {
    static Index const xslFo = makeIndex(kXslFo);
    static Index const svg = makeIndex(kSvg);
    Resolved const* resolved = rowFor(vocabulary == Vocabulary::XslFo ? xslFo : svg, element, name);
    if (resolved == nullptr) {
        return nullptr;
    }
    if (spelling != nullptr) {
        *spelling = resolved->row->attribute;
    }
    return resolved->type;
}

std::string unresolvedAttributeType() {
    for (std::span<AttributeType const> table :
         {std::span<AttributeType const>(kXslFo), std::span<AttributeType const>(kSvg)}) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (!table[i].type.empty() && findType(table[i].type) == nullptr) {
                return std::string(table[i].attribute) + " names the unknown type " +
                       std::string(table[i].type);
            }
            for (std::size_t j = 0; j < i; ++j) {
                if (table[j].attribute == table[i].attribute && table[j].elements.empty()) {
                    return std::string(table[i].attribute) + " is listed after its row for "
                                                             "every element";
                }
            }
        }
    }
    return {};
}

} // namespace Tool
