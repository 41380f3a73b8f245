// Which SVG 1.1 grammar each attribute and presentation property takes, from the standard's
// attribute and property indexes; where a name means something else on some elements, those
// elements come first.
#include "Forms.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace Tool::Standard {

namespace {

using Words = std::string_view const[];
using namespace Accept;

// clang-format off
constexpr Words kAlignmentBaseline = {"auto", "baseline", "before-edge", "text-before-edge", "middle", "central", "after-edge", "text-after-edge", "ideographic", "alphabetic", "hanging", "mathematical"};
constexpr Words kDominantBaseline = {"auto", "use-script", "no-change", "reset-size", "ideographic", "alphabetic", "hanging", "mathematical", "central", "middle", "text-after-edge", "text-before-edge"};
constexpr Words kBaselineShift = {"baseline", "sub", "super"};
constexpr Words kFillRule = {"nonzero", "evenodd"};
constexpr Words kNone = {"none"};
constexpr Words kAuto = {"auto"};
constexpr Words kNormal = {"normal"};
constexpr Words kColorInterpolation = {"auto", "sRGB", "linearRGB"};
constexpr Words kRendering = {"auto", "optimizeSpeed", "optimizeQuality"};
constexpr Words kDirection = {"ltr", "rtl"};
constexpr Words kDisplay = {"inline", "block", "list-item", "run-in", "compact", "marker", "table", "inline-table", "table-row-group", "table-header-group", "table-footer-group", "table-row", "table-column-group", "table-column", "table-cell", "table-caption", "none"};
constexpr Words kFontSize = {"xx-small", "x-small", "small", "medium", "large", "x-large", "xx-large", "larger", "smaller"};
constexpr Words kFontStretch = {"normal", "wider", "narrower", "ultra-condensed", "extra-condensed", "condensed", "semi-condensed", "semi-expanded", "expanded", "extra-expanded", "ultra-expanded"};
constexpr Words kFontStyle = {"normal", "italic", "oblique"};
constexpr Words kFontVariant = {"normal", "small-caps"};
constexpr Words kFontWeight = {"normal", "bold", "bolder", "lighter", "100", "200", "300", "400", "500", "600", "700", "800", "900"};
constexpr Words kOverflow = {"visible", "hidden", "scroll", "auto"};
constexpr Words kPointerEvents = {"visiblePainted", "visibleFill", "visibleStroke", "visible", "painted", "fill", "stroke", "all", "none"};
constexpr Words kShapeRendering = {"auto", "optimizeSpeed", "crispEdges", "geometricPrecision"};
constexpr Words kTextRendering = {"auto", "optimizeSpeed", "optimizeLegibility", "geometricPrecision"};
constexpr Words kLineCap = {"butt", "round", "square"};
constexpr Words kLineJoin = {"miter", "round", "bevel"};
constexpr Words kTextAnchor = {"start", "middle", "end"};
constexpr Words kUnicodeBidi = {"normal", "embed", "bidi-override"};
constexpr Words kVisibility = {"visible", "hidden", "collapse"};
constexpr Words kWritingMode = {"lr-tb", "rl-tb", "tb-rl", "lr", "rl", "tb"};
constexpr Words kUnits = {"userSpaceOnUse", "objectBoundingBox"};
constexpr Words kSpreadMethod = {"pad", "reflect", "repeat"};
constexpr Words kAnimationFill = {"freeze", "remove"};
constexpr Words kAdditive = {"replace", "sum"};
constexpr Words kAccumulate = {"none", "sum"};
constexpr Words kCalcMode = {"discrete", "linear", "paced", "spline"};
constexpr Words kRestart = {"always", "whenNotActive", "never"};
constexpr Words kAttributeType = {"CSS", "XML", "auto"};
constexpr Words kMotionRotate = {"auto", "auto-reverse"};
constexpr Words kColorMatrixType = {"matrix", "saturate", "hueRotate", "luminanceToAlpha"};
constexpr Words kTurbulenceType = {"fractalNoise", "turbulence"};
constexpr Words kTransferType = {"identity", "table", "discrete", "linear", "gamma"};
constexpr Words kTransformType = {"translate", "scale", "rotate", "skewX", "skewY"};
constexpr Words kLengthAdjust = {"spacing", "spacingAndGlyphs"};
constexpr Words kBoolean = {"false", "true"};
constexpr Words kZoomAndPan = {"disable", "magnify"};
constexpr Words kMarkerUnits = {"strokeWidth", "userSpaceOnUse"};
constexpr Words kBlendMode = {"normal", "multiply", "screen", "darken", "lighten"};
constexpr Words kCompositeOperator = {"over", "in", "out", "atop", "xor", "arithmetic"};
constexpr Words kMorphologyOperator = {"erode", "dilate"};
constexpr Words kEdgeMode = {"duplicate", "wrap", "none"};
constexpr Words kChannel = {"R", "G", "B", "A"};
constexpr Words kStitchTiles = {"stitch", "noStitch"};
constexpr Words kTextPathMethod = {"align", "stretch"};
constexpr Words kTextPathSpacing = {"auto", "exact"};
constexpr Words kGlyphOrientation = {"h", "v"};
constexpr Words kArabicForm = {"initial", "medial", "terminal", "isolated"};
constexpr Words kRenderingIntent = {"auto", "perceptual", "relative-colorimetric", "saturation", "absolute-colorimetric"};
constexpr Words kFilterInputs = {"SourceGraphic", "SourceAlpha", "BackgroundImage", "BackgroundAlpha", "FillPaint", "StrokePaint"};
constexpr Words kDefaultOrigin = {"default"};
constexpr Words kEnableBackground = {"accumulate", "new"};

constexpr Syntax kCoordinate{"<coordinate>", Form::Values, kLength | kPercentage};
constexpr Syntax kExtent{"<length>", Form::Values, kLength | kPercentage | kNonNegative};
constexpr Syntax kPlainNumber{"<number>", Form::Values, kNumber};
constexpr Syntax kOpacity{"<opacity-value>", Form::Values, kNumber};
constexpr Syntax kPaint{"<paint>", Form::Paint};
constexpr Syntax kColorValue{"<color>", Form::Values, kColor};
constexpr Syntax kFuncIriOrNone{"<funciri> | none", Form::Values, kFuncIri, kNone};
constexpr Syntax kOffset{"<number> | <percentage>", Form::Values, kNumber | kPercentage};
constexpr Syntax kCoordinates{"<list-of-coordinates>", Form::CoordinateList};
constexpr Syntax kNumbers{"<list-of-numbers>", Form::NumberList};
constexpr Syntax kSpacing{{}, Form::Values, kLength, kNormal};
constexpr Syntax kIntegerValue{"<integer>", Form::Values, kInteger};

constexpr Syntax own(std::string_view name, OwnReader reader, std::span<std::string_view const> words = {}) {
    return {name, Form::Own, 0, words, 1, reader};
}

template <std::size_t N> constexpr Syntax keywords(std::string_view const (&words)[N]) {
    return {{}, Form::Values, 0, words};
}

constexpr Syntax kAnyText = own("<anything>", conformsAnyText);
constexpr Syntax kTextValue{"<string>", Form::Text};
constexpr Syntax kNumberOptionalNumber = own("<number-optional-number>", conformsNumberOptionalNumber);
// A filter primitive's input: a standard input, or the `result` of an earlier primitive.
constexpr Syntax kFilterInput = own("SourceGraphic | SourceAlpha | BackgroundImage | BackgroundAlpha | FillPaint | StrokePaint | <filter-primitive-reference>", conformsWord, kFilterInputs);

struct Row {
    std::string_view attribute;
    Syntax syntax;
    /// The elements the row is for; empty for every other element and for `style`.
    std::span<std::string_view const> elements = {};
};

constexpr Words kAnimations = {"animate", "animateColor", "animateMotion", "animateTransform", "set"};
constexpr Words kTexts = {"text", "tspan", "tref", "altGlyph"};
constexpr Words kLights = {"fePointLight", "feSpotLight"};
constexpr Words kTransfers = {"feFuncR", "feFuncG", "feFuncB", "feFuncA"};
constexpr Words kGlyphRef = {"glyphRef"};
constexpr Words kOffsetFilter = {"feOffset", "glyphRef"};
constexpr Words kStop = {"stop"};
constexpr Words kMotion = {"animateMotion"};
constexpr Words kColorMatrix = {"feColorMatrix"};
constexpr Words kTurbulence = {"feTurbulence"};
constexpr Words kAnimateTransform = {"animateTransform"};
constexpr Words kMorphology = {"feMorphology"};
constexpr Words kComposite = {"feComposite"};
constexpr Words kFontFace = {"font-face"};
constexpr Words kScriptOrStyle = {"script", "style"};
constexpr Words kValueAnimations = {"animate", "animateColor", "animateMotion", "animateTransform", "set"};
constexpr Words kGlyphs = {"glyph", "missing-glyph"};

constexpr Row kRows[] = {
    // Names whose meaning depends on the element, the particular elements first.
    {"fill", {{}, Form::Values, 0, kAnimationFill}, kAnimations},
    {"fill", kPaint},
    {"x", kCoordinates, kTexts}, {"y", kCoordinates, kTexts},
    {"x", kPlainNumber, kLights}, {"y", kPlainNumber, kLights}, {"z", kPlainNumber, kLights},
    {"x", kPlainNumber, kGlyphRef}, {"y", kPlainNumber, kGlyphRef},
    {"x", kCoordinate}, {"y", kCoordinate},
    {"dx", kCoordinates, kTexts}, {"dy", kCoordinates, kTexts},
    {"dx", kPlainNumber, kOffsetFilter}, {"dy", kPlainNumber, kOffsetFilter},
    {"rotate", kNumbers, kTexts},
    {"rotate", {"<number> | auto | auto-reverse", Form::Values, kNumber, kMotionRotate}, kMotion},
    {"offset", kOffset, kStop},
    {"offset", kPlainNumber, kTransfers},
    {"type", {{}, Form::Values, 0, kColorMatrixType}, kColorMatrix},
    {"type", {{}, Form::Values, 0, kTurbulenceType}, kTurbulence},
    {"type", {{}, Form::Values, 0, kTransferType}, kTransfers},
    {"type", {{}, Form::Values, 0, kTransformType}, kAnimateTransform},
    {"type", kTextValue, kScriptOrStyle},
    {"values", kAnyText, kValueAnimations},
    {"values", kNumbers, kColorMatrix},
    {"operator", keywords(kCompositeOperator), kComposite},
    {"operator", keywords(kMorphologyOperator), kMorphology},
    {"orientation", keywords(kGlyphOrientation), kGlyphs},
    // The descriptors of font-face, not the properties of the same names.
    {"font-family", own("<family-name>#", conformsFontFamily), kFontFace},
    {"font-style", own("all | [ normal | italic | oblique ]#", conformsFontFaceStyles), kFontFace},
    {"font-variant", own("[ normal | small-caps ]#", conformsFontFaceVariants), kFontFace},
    {"font-weight", own("all | [ normal | bold | 100 | ... | 900 ]#", conformsFontFaceWeights), kFontFace},
    {"font-stretch", own("all | [ normal | condensed | ... ]#", conformsFontFaceStretches), kFontFace},
    {"font-size", own("all | <length>#", conformsFontFaceSizes), kFontFace},
    // Geometry.
    {"d", {"<path-data>", Form::PathData}},
    {"transform", {"<transform-list>", Form::TransformList}},
    {"gradientTransform", {"<transform-list>", Form::TransformList}},
    {"patternTransform", {"<transform-list>", Form::TransformList}},
    {"points", {"<list-of-points>", Form::Points}},
    {"viewBox", {"<viewBox>", Form::ViewBox}},
    {"preserveAspectRatio", {"<preserveAspectRatio>", Form::AspectRatio}},
    {"width", kExtent}, {"height", kExtent}, {"r", kExtent}, {"rx", kExtent}, {"ry", kExtent},
    {"cx", kCoordinate}, {"cy", kCoordinate}, {"x1", kCoordinate}, {"y1", kCoordinate},
    {"x2", kCoordinate}, {"y2", kCoordinate}, {"fx", kCoordinate}, {"fy", kCoordinate},
    {"textLength", kExtent},
    {"lengthAdjust", {{}, Form::Values, 0, kLengthAdjust}},
    {"gradientUnits", {{}, Form::Values, 0, kUnits}},
    {"patternUnits", {{}, Form::Values, 0, kUnits}},
    {"patternContentUnits", {{}, Form::Values, 0, kUnits}},
    {"clipPathUnits", {{}, Form::Values, 0, kUnits}},
    {"maskUnits", {{}, Form::Values, 0, kUnits}},
    {"maskContentUnits", {{}, Form::Values, 0, kUnits}},
    {"filterUnits", {{}, Form::Values, 0, kUnits}},
    {"primitiveUnits", {{}, Form::Values, 0, kUnits}},
    {"spreadMethod", {{}, Form::Values, 0, kSpreadMethod}},
    {"additive", {{}, Form::Values, 0, kAdditive}},
    {"accumulate", {{}, Form::Values, 0, kAccumulate}},
    {"calcMode", {{}, Form::Values, 0, kCalcMode}},
    {"restart", {{}, Form::Values, 0, kRestart}},
    {"attributeType", {{}, Form::Values, 0, kAttributeType}},
    // Core, conditional and event attributes.
    {"id", own("<name>", conformsXmlName)},
    {"class", kAnyText},
    {"externalResourcesRequired", keywords(kBoolean)},
    {"requiredFeatures", kAnyText}, {"requiredExtensions", kAnyText},
    {"systemLanguage", own("<language-tag>#", conformsLanguageList)},
    {"onload", kAnyText}, {"onunload", kAnyText}, {"onabort", kAnyText}, {"onerror", kAnyText},
    {"onresize", kAnyText}, {"onscroll", kAnyText}, {"onzoom", kAnyText},
    {"onfocusin", kAnyText}, {"onfocusout", kAnyText}, {"onactivate", kAnyText},
    {"onclick", kAnyText}, {"onmousedown", kAnyText}, {"onmouseup", kAnyText},
    {"onmouseover", kAnyText}, {"onmousemove", kAnyText}, {"onmouseout", kAnyText},
    {"onbegin", kAnyText}, {"onend", kAnyText}, {"onrepeat", kAnyText},
    {"version", kPlainNumber},
    {"baseProfile", kTextValue},
    {"contentScriptType", kTextValue}, {"contentStyleType", kTextValue},
    {"zoomAndPan", keywords(kZoomAndPan)},
    {"target", own("_replace | _self | _parent | _top | _blank | <XML-Name>", conformsTarget)},
    {"media", kAnyText}, {"title", kAnyText},
    {"viewTarget", kAnyText},
    // Markers, paths and text on a path.
    {"refX", kCoordinate}, {"refY", kCoordinate},
    {"markerUnits", keywords(kMarkerUnits)},
    {"markerWidth", kExtent}, {"markerHeight", kExtent},
    {"orient", own("auto | <angle>", conformsAngleOrAuto)},
    {"pathLength", {"<number>", Form::Values, kNumber | kNonNegative}},
    {"startOffset", kCoordinate},
    {"method", keywords(kTextPathMethod)},
    {"spacing", keywords(kTextPathSpacing)},
    {"glyphRef", kTextValue}, {"format", kTextValue},
    // Filters and their primitives.
    {"filterRes", own("<number-optional-number>", conformsIntegerOptionalInteger)},
    {"in", kFilterInput}, {"in2", kFilterInput},
    {"result", own("<filter-primitive-reference>", conformsWord)},
    {"mode", keywords(kBlendMode)},
    {"tableValues", own("<list-of-numbers>", conformsNumbersOrNone)},
    {"slope", kPlainNumber}, {"intercept", kPlainNumber}, {"amplitude", kPlainNumber}, {"exponent", kPlainNumber},
    {"k1", kPlainNumber}, {"k2", kPlainNumber}, {"k3", kPlainNumber}, {"k4", kPlainNumber},
    {"order", own("<number-optional-number>", conformsIntegerOptionalInteger)},
    {"kernelMatrix", kNumbers},
    {"divisor", kPlainNumber}, {"bias", kPlainNumber},
    {"targetX", kIntegerValue}, {"targetY", kIntegerValue},
    {"edgeMode", keywords(kEdgeMode)},
    {"kernelUnitLength", kNumberOptionalNumber},
    {"preserveAlpha", keywords(kBoolean)},
    {"surfaceScale", kPlainNumber}, {"diffuseConstant", kPlainNumber},
    {"specularConstant", kPlainNumber}, {"specularExponent", kPlainNumber},
    {"scale", kPlainNumber},
    {"xChannelSelector", keywords(kChannel)}, {"yChannelSelector", keywords(kChannel)},
    {"stdDeviation", kNumberOptionalNumber},
    {"radius", kNumberOptionalNumber},
    {"baseFrequency", kNumberOptionalNumber},
    {"numOctaves", kIntegerValue}, {"seed", kPlainNumber},
    {"stitchTiles", keywords(kStitchTiles)},
    {"azimuth", kPlainNumber}, {"elevation", kPlainNumber},
    {"pointsAtX", kPlainNumber}, {"pointsAtY", kPlainNumber}, {"pointsAtZ", kPlainNumber},
    {"limitingConeAngle", kPlainNumber},
    // Animation.
    {"attributeName", own("<attributeName>", conformsXmlName)},
    {"begin", own("<begin-value-list>", conformsTimingList)},
    {"end", own("<end-value-list>", conformsTimingList)},
    {"dur", own("<clock-value> | media | indefinite", conformsDuration)},
    {"min", own("<clock-value> | media", conformsMinMax)},
    {"max", own("<clock-value> | media", conformsMinMax)},
    {"repeatCount", own("<number> | indefinite", conformsRepeatCount)},
    {"repeatDur", own("<clock-value> | indefinite", conformsRepeatDuration)},
    {"keyTimes", own("<list-of-times>", conformsKeyTimes)},
    {"keyPoints", own("<list-of-numbers>", conformsKeyTimes)},
    {"keySplines", own("<list-of-control-points>", conformsKeySplines)},
    {"from", kAnyText}, {"to", kAnyText}, {"by", kAnyText},
    {"path", {"<path-data>", Form::PathData}},
    {"origin", keywords(kDefaultOrigin)},
    // Fonts, glyphs and kerning.
    {"horiz-origin-x", kPlainNumber}, {"horiz-origin-y", kPlainNumber}, {"horiz-adv-x", kPlainNumber},
    {"vert-origin-x", kPlainNumber}, {"vert-origin-y", kPlainNumber}, {"vert-adv-y", kPlainNumber},
    {"unicode", kAnyText}, {"glyph-name", kAnyText},
    {"arabic-form", keywords(kArabicForm)},
    {"lang", own("<language-tag>#", conformsLanguageList)},
    {"u1", kAnyText}, {"u2", kAnyText}, {"g1", kAnyText}, {"g2", kAnyText}, {"k", kPlainNumber},
    {"unicode-range", own("<urange>#", conformsUnicodeRange)},
    {"units-per-em", kPlainNumber}, {"stemv", kPlainNumber}, {"stemh", kPlainNumber},
    {"cap-height", kPlainNumber}, {"x-height", kPlainNumber},
    {"accent-height", kPlainNumber}, {"ascent", kPlainNumber}, {"descent", kPlainNumber},
    {"widths", kAnyText}, {"bbox", kNumbers},
    {"ideographic", kPlainNumber}, {"alphabetic", kPlainNumber}, {"mathematical", kPlainNumber}, {"hanging", kPlainNumber},
    {"v-ideographic", kPlainNumber}, {"v-alphabetic", kPlainNumber}, {"v-mathematical", kPlainNumber}, {"v-hanging", kPlainNumber},
    {"underline-position", kPlainNumber}, {"underline-thickness", kPlainNumber},
    {"strikethrough-position", kPlainNumber}, {"strikethrough-thickness", kPlainNumber},
    {"overline-position", kPlainNumber}, {"overline-thickness", kPlainNumber},
    {"panose-1", own("<integer>{10}", conformsPanose)},
    {"string", kAnyText},
    // Colour profiles.
    {"local", kAnyText}, {"name", kAnyText},
    {"rendering-intent", keywords(kRenderingIntent)},
    // Presentation properties.
    {"clip", own("<shape> | auto", conformsClip)},
    {"color-profile", own("auto | sRGB | <name> | <iri>", conformsWord)},
    {"cursor", own("[ <funciri> , ]* <cursor-keyword>", conformsCursor)},
    {"enable-background", own("accumulate | new [ <x> <y> <width> <height> ]", conformsEnableBackground, kEnableBackground)},
    {"font", own("[ <font-style> || <font-variant> || <font-weight> ]? <font-size> [ / <line-height> ]? <font-family> | <system-font>", conformsFont)},
    {"glyph-orientation-horizontal", own("<angle>", conformsAngle)},
    {"glyph-orientation-vertical", own("auto | <angle>", conformsAngleOrAuto)},
    {"alignment-baseline", {{}, Form::Values, 0, kAlignmentBaseline}},
    {"baseline-shift", {"baseline | sub | super | <percentage> | <length>", Form::Values, kLength | kPercentage, kBaselineShift}},
    {"clip-path", kFuncIriOrNone},
    {"clip-rule", {{}, Form::Values, 0, kFillRule}},
    {"color", kColorValue},
    {"color-interpolation", {{}, Form::Values, 0, kColorInterpolation}},
    {"color-interpolation-filters", {{}, Form::Values, 0, kColorInterpolation}},
    {"color-rendering", {{}, Form::Values, 0, kRendering}},
    {"direction", {{}, Form::Values, 0, kDirection}},
    {"display", {{}, Form::Values, 0, kDisplay}},
    {"dominant-baseline", {{}, Form::Values, 0, kDominantBaseline}},
    {"fill-opacity", kOpacity},
    {"fill-rule", {{}, Form::Values, 0, kFillRule}},
    {"filter", kFuncIriOrNone},
    {"flood-color", kColorValue},
    {"flood-opacity", kOpacity},
    {"font-family", own("[ <family-name> | <generic-family> ]#", conformsFontFamily)},
    {"font-size", {"<absolute-size> | <relative-size> | <length> | <percentage>", Form::Values, kLength | kPercentage | kNonNegative, kFontSize}},
    {"font-size-adjust", {"<number> | none", Form::Values, kNumber, kNone}},
    {"font-stretch", {{}, Form::Values, 0, kFontStretch}},
    {"font-style", {{}, Form::Values, 0, kFontStyle}},
    {"font-variant", {{}, Form::Values, 0, kFontVariant}},
    {"font-weight", {{}, Form::Values, 0, kFontWeight}},
    {"image-rendering", {{}, Form::Values, 0, kRendering}},
    {"kerning", {"auto | <length>", Form::Values, kLength, kAuto}},
    {"letter-spacing", kSpacing},
    {"lighting-color", kColorValue},
    {"marker", kFuncIriOrNone},
    {"marker-start", kFuncIriOrNone},
    {"marker-mid", kFuncIriOrNone},
    {"marker-end", kFuncIriOrNone},
    {"mask", kFuncIriOrNone},
    {"opacity", kOpacity},
    {"overflow", {{}, Form::Values, 0, kOverflow}},
    {"pointer-events", {{}, Form::Values, 0, kPointerEvents}},
    {"shape-rendering", {{}, Form::Values, 0, kShapeRendering}},
    {"stop-color", kColorValue},
    {"stop-opacity", kOpacity},
    {"stroke", kPaint},
    {"stroke-dasharray", {"<dasharray>", Form::DashArray}},
    {"stroke-dashoffset", kCoordinate},
    {"stroke-linecap", {{}, Form::Values, 0, kLineCap}},
    {"stroke-linejoin", {{}, Form::Values, 0, kLineJoin}},
    {"stroke-miterlimit", {"<miterlimit>", Form::Values, kNumber | kNonNegative}},
    {"stroke-opacity", kOpacity},
    {"stroke-width", kExtent},
    {"text-anchor", {{}, Form::Values, 0, kTextAnchor}},
    {"text-decoration", {"<text-decoration>", Form::TextDecoration}},
    {"text-rendering", {{}, Form::Values, 0, kTextRendering}},
    {"unicode-bidi", {{}, Form::Values, 0, kUnicodeBidi}},
    {"visibility", {{}, Form::Values, 0, kVisibility}},
    {"word-spacing", kSpacing},
    {"writing-mode", {{}, Form::Values, 0, kWritingMode}},
};
// clang-format on

using Index = std::unordered_map<std::string_view, std::vector<Row const*>>;

Index makeIndex() {
    Index index;
    for (Row const& row : kRows) {
        index[row.attribute].push_back(&row);
    }
    return index;
}

} // namespace

Syntax const* svgSyntax(std::string_view element, std::string_view attribute,
                        std::string_view* spelling) {
    static Index const index = makeIndex();
    auto const found = index.find(attribute);
    if (found == index.end()) {
        return nullptr;
    }
    for (Row const* row : found->second) {
        bool matches = row->elements.empty();
        for (std::string_view const name : row->elements) {
            matches = matches || (!element.empty() && name == element);
        }
        if (matches) {
            if (spelling != nullptr) {
                *spelling = row->attribute;
            }
            return &row->syntax;
        }
    }
    return nullptr;
}

std::string describe(Syntax const& syntax) {
    if (!syntax.name.empty()) {
        return std::string(syntax.name);
    }
    std::string shown;
    for (std::string_view const keyword : syntax.keywords) {
        shown += (shown.empty() ? "" : " | ") + std::string(keyword);
    }
    return shown;
}

} // namespace Tool::Standard
