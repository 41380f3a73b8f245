// The table that maps document attributes to the library's value types: data only. To
// check another attribute with the library, add a line.
#include "DocumentAttributeTable.h"

#include <algorithm>
#include <span>
#include <unordered_map>
#include <vector>

namespace Tool {

namespace {

// A type by its position in `Xml::AttributeTypes`, so that the compiler checks that the
// library lists it.
template <class T> constexpr std::size_t of = listedPosition<T>();
constexpr std::size_t kNoType = Xml::AttributeTypes::size;

struct AttributeType {
    std::string_view attribute;
    /// `of<T>`, or `kNoType` to leave the attribute to the standard's grammar.
    std::size_t type;
    /// The elements the row is for; empty for every other element and for `style`.
    std::span<std::string_view const> elements = {};
};

// Properties of formatting objects, unprefixed attributes of elements in the XSL-FO
// namespace. Shorthands that combine several values ("border", "font") are not listed.
// clang-format off
constexpr AttributeType kXslFo[] = {
    {"extent", of<Xml::Length>},
    {"rule-thickness", of<Xml::Length>},
    {"space-before", of<Xml::Length>},
    {"space-before.minimum", of<Xml::Length>},
    {"space-before.optimum", of<Xml::Length>},
    {"space-before.maximum", of<Xml::Length>},
    {"space-after", of<Xml::Length>},
    {"space-after.minimum", of<Xml::Length>},
    {"space-after.optimum", of<Xml::Length>},
    {"space-after.maximum", of<Xml::Length>},
    {"space-start", of<Xml::LengthOrPercent>},
    {"space-end", of<Xml::LengthOrPercent>},
    {"language", of<Xml::Language>},
    {"column-gap", of<Xml::LengthOrPercent>},
    {"leader-length", of<Xml::LengthOrPercent>},
    {"leader-length.minimum", of<Xml::LengthOrPercent>},
    {"leader-length.optimum", of<Xml::LengthOrPercent>},
    {"leader-length.maximum", of<Xml::LengthOrPercent>},
    {"line-height", of<Xml::LengthOrPercent>},
    {"padding", of<Xml::LengthOrPercent>},
    {"padding-top", of<Xml::LengthOrPercent>},
    {"padding-bottom", of<Xml::LengthOrPercent>},
    {"padding-left", of<Xml::LengthOrPercent>},
    {"padding-right", of<Xml::LengthOrPercent>},
    {"padding-before", of<Xml::LengthOrPercent>},
    {"padding-after", of<Xml::LengthOrPercent>},
    {"padding-start", of<Xml::LengthOrPercent>},
    {"padding-end", of<Xml::LengthOrPercent>},
    {"provisional-distance-between-starts", of<Xml::LengthOrPercent>},
    {"provisional-label-separation", of<Xml::LengthOrPercent>},
    {"margin", of<Xml::Margin>},
    {"margin-top", of<Xml::Margin>},
    {"margin-bottom", of<Xml::Margin>},
    {"margin-left", of<Xml::Margin>},
    {"margin-right", of<Xml::Margin>},
    {"width", of<Xml::LengthOrPercentAuto>},
    {"height", of<Xml::LengthOrPercentAuto>},
    {"top", of<Xml::LengthOrPercentAuto>},
    {"bottom", of<Xml::LengthOrPercentAuto>},
    {"left", of<Xml::LengthOrPercentAuto>},
    {"right", of<Xml::LengthOrPercentAuto>},
    {"inline-progression-dimension", of<Xml::LengthOrPercentAuto>},
    {"inline-progression-dimension.minimum", of<Xml::LengthOrPercentAuto>},
    {"inline-progression-dimension.optimum", of<Xml::LengthOrPercentAuto>},
    {"inline-progression-dimension.maximum", of<Xml::LengthOrPercentAuto>},
    {"block-progression-dimension", of<Xml::LengthOrPercentAuto>},
    {"block-progression-dimension.minimum", of<Xml::LengthOrPercentAuto>},
    {"block-progression-dimension.optimum", of<Xml::LengthOrPercentAuto>},
    {"block-progression-dimension.maximum", of<Xml::LengthOrPercentAuto>},
    {"content-width", of<Xml::ContentLength>},
    {"content-height", of<Xml::ContentLength>},
    {"column-width", of<Xml::ColumnWidth>},
    {"leader-pattern-width", of<Xml::LeaderPatternWidth>},
    {"border-width", of<Xml::BorderWidth>},
    {"border-top-width", of<Xml::BorderWidth>},
    {"border-bottom-width", of<Xml::BorderWidth>},
    {"border-left-width", of<Xml::BorderWidth>},
    {"border-right-width", of<Xml::BorderWidth>},
    {"border-before-width", of<Xml::BorderWidth>},
    {"border-after-width", of<Xml::BorderWidth>},
    {"border-start-width", of<Xml::BorderWidth>},
    {"border-end-width", of<Xml::BorderWidth>},
    {"border-separation", of<Xml::DLength>},
    {"font-size", of<Xml::FontSize>},
    {"start-indent", of<Xml::Indent>},
    {"end-indent", of<Xml::Indent>},
    {"text-indent", of<Xml::Indent>},
    {"last-line-end-indent", of<Xml::Indent>},
    {"letter-spacing", of<Xml::LetterSpacing>},
    {"word-spacing", of<Xml::LetterSpacing>},
    {"alignment-baseline", of<Xml::AlignmentBaseline>},
    {"alignment-adjust", of<Xml::AlignmentAdjust>},
    {"baseline-shift", of<Xml::BaselineShift>},
    {"background-position-horizontal", of<Xml::BackgroundPosition>},
    {"background-position-vertical", of<Xml::BackgroundPosition>},
    {"page-height", of<Xml::PageDimension>},
    {"page-width", of<Xml::PageDimension>},
    {"initial-page-number", of<Xml::InitialPageNumber>},
    {"color", of<SmartPtr<Drawing::Color>>},
    {"background-color", of<SmartPtr<Drawing::Color>>},
    {"border-color", of<SmartPtr<Drawing::Color>>},
    {"border-top-color", of<SmartPtr<Drawing::Color>>},
    {"border-bottom-color", of<SmartPtr<Drawing::Color>>},
    {"border-left-color", of<SmartPtr<Drawing::Color>>},
    {"border-right-color", of<SmartPtr<Drawing::Color>>},
    {"border-before-color", of<SmartPtr<Drawing::Color>>},
    {"border-after-color", of<SmartPtr<Drawing::Color>>},
    {"border-start-color", of<SmartPtr<Drawing::Color>>},
    {"border-end-color", of<SmartPtr<Drawing::Color>>},
    {"span", of<Xml::Span>},
    {"line-stacking-strategy", of<Xml::LineStackingStrategy>},
    {"line-height-shift-adjustment", of<Xml::LineHeightShiftAdjustment>},
    {"text-align", of<Xml::TextAlign>},
    {"text-align-last", of<Xml::TextAlign>},
    {"display-align", of<Xml::DisplayAlign>},
    {"direction", of<Xml::TextDirection>},
    {"linefeed-treatment", of<Xml::LinefeedTreatment>},
    {"white-space-treatment", of<Xml::WhiteSpaceTreatment>},
    {"wrap-option", of<Xml::WrapOption>},
    {"visibility", of<Xml::Visibility>},
    {"leader-pattern", of<Xml::LeaderPattern>},
    {"leader-alignment", of<Xml::LeaderAlignment>},
    {"retrieve-position", of<Xml::RetrievePosition>},
    {"retrieve-boundary", of<Xml::RetrieveBoundary>},
    {"retrieve-position-within-table", of<Xml::RetrievePositionWithinTable>},
    {"retrieve-boundary-within-table", of<Xml::RetrieveBoundaryWithinTable>},
    {"odd-or-even", of<Xml::Parity>},
    {"page-position", of<Xml::PagePosition>},
    {"blank-or-not-blank", of<Xml::BlankOrNotBlank>},
    {"break-before", of<Xml::Break>},
    {"break-after", of<Xml::Break>},
    {"force-page-count", of<Xml::ForcePageCount>},
    {"maximum-repeats", of<Xml::MaxRepeats>},
    {"keep-together", of<Xml::Keep>},
    {"keep-together.within-line", of<Xml::Keep>},
    {"keep-together.within-column", of<Xml::Keep>},
    {"keep-together.within-page", of<Xml::Keep>},
    {"keep-with-next", of<Xml::Keep>},
    {"keep-with-next.within-line", of<Xml::Keep>},
    {"keep-with-next.within-column", of<Xml::Keep>},
    {"keep-with-next.within-page", of<Xml::Keep>},
    {"keep-with-previous", of<Xml::Keep>},
    {"keep-with-previous.within-line", of<Xml::Keep>},
    {"keep-with-previous.within-column", of<Xml::Keep>},
    {"keep-with-previous.within-page", of<Xml::Keep>},
    {"reference-orientation", of<Xml::ReferenceOrientation>},
    {"absolute-position", of<Xml::AbsolutePosition>},
    {"relative-position", of<Xml::RelativePosition>},
    {"overflow", of<Xml::Overflow>},
    {"float", of<Xml::FloatPosition>},
    {"background-repeat", of<Xml::BackgroundRepeat>},
    {"scaling", of<Xml::Scaling>},
    {"table-layout", of<Xml::TableLayout>},
    {"border-collapse", of<Xml::BorderCollapse>},
    {"border-style", of<Xml::BorderStyle>},
    {"border-top-style", of<Xml::BorderStyle>},
    {"border-bottom-style", of<Xml::BorderStyle>},
    {"border-left-style", of<Xml::BorderStyle>},
    {"border-right-style", of<Xml::BorderStyle>},
    {"border-before-style", of<Xml::BorderStyle>},
    {"border-after-style", of<Xml::BorderStyle>},
    {"border-start-style", of<Xml::BorderStyle>},
    {"border-end-style", of<Xml::BorderStyle>},
    {"rule-style", of<Xml::BorderStyle>},
    {"font-weight", of<Xml::FontWeight>},
    {"font-style", of<Xml::FontStyle>},
    {"font-variant", of<Xml::FontVariant>},
    {"font-family", of<Core::String>},
    {"hyphenation-character", of<Core::String>},
    {"format", of<Core::String>},
    {"column-count", of<int>},
    {"column-number", of<int>},
    {"number-columns-repeated", of<int>},
    {"number-columns-spanned", of<int>},
    {"number-rows-spanned", of<int>},
    {"hyphenation-push-character-count", of<int>},
    {"hyphenation-remain-character-count", of<int>},
    {"widows", of<int>},
    {"orphans", of<int>},
    {"src", of<Xml::Url>},
    {"background-image", of<Xml::Url>},
    {"external-destination", of<Xml::Url>},
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
    {"fill", kNoType, kAnimations},
    {"fill", of<Xml::SColor>},
    // Lists of coordinates on text, numbers on lights and glyph references.
    {"x", kNoType, kTexts},
    {"y", kNoType, kTexts},
    {"x", of<float>, kNumberPlaces},
    {"y", of<float>, kNumberPlaces},
    {"x", of<Xml::SLength>},
    {"y", of<Xml::SLength>},
    {"offset", of<Xml::FloatOrPercent>, kStop},
    {"offset", of<float>, kTransfers},
    {"d", of<Core::Vector<Xml::PathDataCommand>>},
    {"transform", of<Core::Vector<Xml::Transform>>},
    {"gradientTransform", of<Core::Vector<Xml::Transform>>},
    {"patternTransform", of<Core::Vector<Xml::Transform>>},
    {"points", of<Core::Vector<Xml::Point>>},
    {"viewBox", of<Xml::ViewBox>},
    {"preserveAspectRatio", of<Xml::SPreserveAspectRatio>},
    {"width", of<Xml::SLength>},
    {"height", of<Xml::SLength>},
    {"rx", of<Xml::SLength>},
    {"ry", of<Xml::SLength>},
    {"cx", of<Xml::SLength>},
    {"cy", of<Xml::SLength>},
    {"r", of<Xml::SLength>},
    {"x1", of<Xml::SLength>},
    {"y1", of<Xml::SLength>},
    {"x2", of<Xml::SLength>},
    {"y2", of<Xml::SLength>},
    {"fx", of<Xml::SLength>},
    {"fy", of<Xml::SLength>},
    {"stroke-width", of<Xml::SLength>},
    {"stroke-dashoffset", of<Xml::SLength>},
    {"stroke-miterlimit", of<float>},
    {"font-size", of<Xml::SLengthOrPercent>},
    {"stroke-dasharray", of<Core::Vector<Xml::SLength>>},
    {"letter-spacing", of<Xml::SSpacing>},
    {"word-spacing", of<Xml::SSpacing>},
    {"baseline-shift", of<Xml::SBaselineShift>},
    {"text-decoration", of<Xml::STextDecoration>},
    {"alignment-baseline", of<Xml::AlignmentBaseline>},
    {"stroke", of<Xml::SColor>},
    {"color", of<SmartPtr<Drawing::Color>>},
    {"stop-color", of<SmartPtr<Drawing::Color>>},
    {"flood-color", of<SmartPtr<Drawing::Color>>},
    {"lighting-color", of<SmartPtr<Drawing::Color>>},
    // A factor that may be written as a percentage.
    {"opacity", of<Xml::FloatOrPercent>},
    {"fill-opacity", of<Xml::FloatOrPercent>},
    {"stroke-opacity", of<Xml::FloatOrPercent>},
    {"stop-opacity", of<Xml::FloatOrPercent>},
    {"flood-opacity", of<Xml::FloatOrPercent>},
    {"text-anchor", of<Xml::STextAnchor>},
    {"stroke-linecap", of<Xml::SLineCap>},
    {"stroke-linejoin", of<Xml::SLineJoin>},
    {"visibility", of<Xml::SVisibility>},
    {"display", of<Xml::SDisplay>},
    {"gradientUnits", of<Drawing::GradientUnits>},
    {"patternUnits", of<Drawing::GradientUnits>},
    {"patternContentUnits", of<Drawing::GradientUnits>},
    {"clipPathUnits", of<Drawing::GradientUnits>},
    {"maskUnits", of<Drawing::GradientUnits>},
    {"maskContentUnits", of<Drawing::GradientUnits>},
    {"filterUnits", of<Drawing::GradientUnits>},
    {"primitiveUnits", of<Drawing::GradientUnits>},
    {"spreadMethod", of<Drawing::GradientSpreadMethod>},
    {"font-weight", of<Xml::FontWeight>},
    {"font-style", of<Xml::FontStyle>},
    {"font-variant", of<Xml::FontVariant>},
    {"font-family", of<Core::String>},
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
            {&entry, entry.type == kNoType ? nullptr : &allTypes()[entry.type]});
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
