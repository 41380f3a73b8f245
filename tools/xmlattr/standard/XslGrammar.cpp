// Which XSL 1.1 grammar each formatting-object property takes, from the standard's property
// definitions. Components of compound properties (".minimum", ".within-page") take their
// component's grammar; "inherit" and expressions are left to the formatter before this.
#include "Forms.h"

#include <unordered_map>

namespace Tool::Standard {

namespace {

using Words = std::string_view const[];
using namespace Accept;

// clang-format off
// Functions of the expression language that only a formatter evaluates, as lengths.
constexpr Words kListFunctions = {"body-start()", "label-end()"};
constexpr Words kBorderWidth = {"thin", "medium", "thick"};
constexpr Words kAuto = {"auto"};
constexpr Words kNormal = {"normal"};
constexpr Words kNone = {"none"};
constexpr Words kTransparent = {"transparent"};
constexpr Words kContentSize = {"auto", "scale-to-fit", "scale-down-to-fit", "scale-up-to-fit"};
constexpr Words kFontSize = {"xx-small", "x-small", "small", "medium", "large", "x-large", "xx-large", "larger", "smaller"};
constexpr Words kAlignmentBaseline = {"auto", "baseline", "before-edge", "text-before-edge", "middle", "central", "after-edge", "text-after-edge", "ideographic", "alphabetic", "hanging", "mathematical"};
constexpr Words kDominantBaseline = {"auto", "use-script", "no-change", "reset-size", "ideographic", "alphabetic", "hanging", "mathematical", "central", "middle", "text-after-edge", "text-before-edge"};
constexpr Words kBaselineShift = {"baseline", "sub", "super"};
constexpr Words kHorizontalPosition = {"left", "center", "right"};
constexpr Words kVerticalPosition = {"top", "center", "bottom"};
constexpr Words kPageSize = {"auto", "indefinite"};
constexpr Words kInitialPageNumber = {"auto", "auto-odd", "auto-even"};
constexpr Words kSpan = {"none", "all"};
constexpr Words kLineStacking = {"line-height", "font-height", "max-height"};
constexpr Words kShiftAdjustment = {"consider-shifts", "disregard-shifts"};
constexpr Words kTextAlign = {"start", "center", "end", "justify", "inside", "outside", "left", "right"};
constexpr Words kTextAlignLast = {"relative", "start", "center", "end", "justify", "inside", "outside", "left", "right"};
constexpr Words kDisplayAlign = {"auto", "before", "center", "after"};
constexpr Words kDirection = {"ltr", "rtl"};
constexpr Words kLinefeed = {"ignore", "preserve", "treat-as-space", "treat-as-zero-width-space"};
constexpr Words kWhiteSpace = {"ignore", "preserve", "ignore-if-before-linefeed", "ignore-if-after-linefeed", "ignore-if-surrounding-linefeed"};
constexpr Words kWhiteSpaceCollapse = {"false", "true"};
constexpr Words kWrapOption = {"no-wrap", "wrap"};
constexpr Words kVisibility = {"visible", "hidden", "collapse"};
constexpr Words kLeaderPattern = {"space", "rule", "dots", "use-content"};
constexpr Words kLeaderAlignment = {"none", "reference-area", "page"};
constexpr Words kLeaderPatternWidth = {"use-font-metrics"};
constexpr Words kRetrievePosition = {"first-starting-within-page", "first-including-carryover", "last-starting-within-page", "last-ending-within-page"};
constexpr Words kRetrieveBoundary = {"page", "page-sequence", "document"};
constexpr Words kRetrievePositionWithinTable = {"first-starting", "first-including-carryover", "last-starting", "last-ending"};
constexpr Words kRetrieveBoundaryWithinTable = {"table", "table-fragment", "page"};
constexpr Words kOddOrEven = {"odd", "even", "any"};
constexpr Words kPagePosition = {"only", "first", "last", "rest", "any"};
constexpr Words kBlankOrNotBlank = {"blank", "not-blank", "any"};
constexpr Words kBreak = {"auto", "column", "page", "even-page", "odd-page"};
constexpr Words kForcePageCount = {"auto", "even", "odd", "end-on-even", "end-on-odd", "no-force"};
constexpr Words kMaximumRepeats = {"no-limit"};
constexpr Words kKeep = {"auto", "always"};
constexpr Words kReferenceOrientation = {"0", "90", "180", "270", "-90", "-180", "-270"};
constexpr Words kAbsolutePosition = {"auto", "absolute", "fixed"};
constexpr Words kRelativePosition = {"static", "relative"};
constexpr Words kOverflow = {"visible", "hidden", "scroll", "error-if-overflow", "repeat", "auto"};
constexpr Words kFloat = {"before", "start", "end", "left", "right", "inside", "outside", "none"};
constexpr Words kClear = {"start", "end", "left", "right", "inside", "outside", "both", "none"};
constexpr Words kBackgroundRepeat = {"repeat", "repeat-x", "repeat-y", "no-repeat"};
constexpr Words kScaling = {"uniform", "non-uniform"};
constexpr Words kTableLayout = {"auto", "fixed"};
constexpr Words kBorderCollapse = {"collapse", "collapse-with-precedence", "separate"};
constexpr Words kBorderStyle = {"none", "hidden", "dotted", "dashed", "solid", "double", "groove", "ridge", "inset", "outset"};
constexpr Words kRuleStyle = {"none", "dotted", "dashed", "solid", "double", "groove", "ridge"};
constexpr Words kFontWeight = {"normal", "bold", "bolder", "lighter", "100", "200", "300", "400", "500", "600", "700", "800", "900"};
constexpr Words kFontStyle = {"normal", "italic", "oblique", "backslant"};
constexpr Words kFontVariant = {"normal", "small-caps"};
constexpr Words kWritingMode = {"lr-tb", "rl-tb", "tb-rl", "tb-lr", "bt-lr", "bt-rl", "lr-bt", "rl-bt", "lr-alternating-rl-bt", "lr-alternating-rl-tb", "lr-inverting-rl-bt", "lr-inverting-rl-tb", "tb-lr-in-lr-pairs", "lr", "rl", "tb"};
constexpr Words kHyphenate = {"false", "true"};
constexpr Words kTextTransform = {"capitalize", "uppercase", "lowercase", "none"};
constexpr Words kEmptyCells = {"show", "hide"};
constexpr Words kCaptionSide = {"before", "after", "start", "end", "top", "bottom", "left", "right"};
constexpr Words kTableOmit = {"true", "false"};
constexpr Words kSpeak = {"normal", "none", "spell-out"};
constexpr Words kSpeakHeader = {"once", "always"};
constexpr Words kSpeakNumeral = {"digits", "continuous"};
constexpr Words kSpeakPunctuation = {"code", "none"};
constexpr Words kSpeechRate = {"x-slow", "slow", "medium", "fast", "x-fast", "faster", "slower"};
constexpr Words kVolume = {"silent", "x-soft", "soft", "medium", "loud", "x-loud"};
constexpr Words kAttachment = {"scroll", "fixed"};
constexpr Words kFontSelection = {"auto", "character-by-character"};
constexpr Words kFontStretch = {"normal", "wider", "narrower", "ultra-condensed", "extra-condensed", "condensed", "semi-condensed", "semi-expanded", "expanded", "extra-expanded", "ultra-expanded"};
constexpr Words kRelativeAlign = {"before", "baseline"};
constexpr Words kAny = {"any"};
constexpr Words kScalingMethod = {"auto", "integer-pixels", "resample-any-method"};
constexpr Words kHyphenationKeep = {"auto", "column", "page"};
constexpr Words kNoLimit = {"no-limit"};
constexpr Words kSuppress = {"auto", "suppress", "retain"};
constexpr Words kAutoTrueFalse = {"auto", "true", "false"};
constexpr Words kRenderingIntent = {"auto", "perceptual", "relative-colorimetric", "saturation", "absolute-colorimetric"};
constexpr Words kIntrusion = {"auto", "none", "line", "indent", "block"};
constexpr Words kActiveState = {"link", "visited", "active", "hover", "focus"};
constexpr Words kShowDestination = {"replace", "new"};
constexpr Words kStartingState = {"show", "hide"};
constexpr Words kPresentationContext = {"use-target-processing-context"};
constexpr Words kProcessingContext = {"document-root"};
constexpr Words kTargetStylesheet = {"use-normal-stylesheet"};
constexpr Words kPageNumberTreatment = {"link", "no-link"};
constexpr Words kMerge = {"merge", "leave-separate"};
constexpr Words kLetterValue = {"auto", "alphabetic", "traditional"};
constexpr Words kMediaUsage = {"auto", "paginate", "bounded-in-one-dimension", "unbounded"};
constexpr Words kForce = {"force"};
constexpr Words kFontMetrics = {"use-font-metrics"};
constexpr Words kUnicodeBidi = {"normal", "embed", "bidi-override"};
constexpr Words kChangeBarPlacement = {"start", "end", "left", "right", "inside", "outside", "alternate"};
constexpr Words kPageCitation = {"all", "normal", "non-blank"};
constexpr Words kScaleOption = {"width", "height"};
constexpr Words kConditionality = {"discard", "retain"};
constexpr Words kPageBreak = {"auto", "always", "avoid", "left", "right"};
constexpr Words kPageBreakInside = {"avoid", "auto"};
constexpr Words kPosition = {"static", "relative", "absolute", "fixed"};
constexpr Words kVerticalAlign = {"baseline", "middle", "sub", "super", "text-top", "text-bottom", "top", "bottom"};
constexpr Words kWhiteSpaceShorthand = {"normal", "pre", "nowrap"};
constexpr Words kSystemFonts = {"caption", "icon", "menu", "message-box", "small-caption", "status-bar"};
constexpr Words kSwitchTo = {"xsl-preceding", "xsl-following", "xsl-any"};
constexpr Words kDecorations = {"none", "underline", "no-underline", "overline", "no-overline", "line-through", "no-line-through", "blink", "no-blink"};

constexpr Syntax kLengthSyntax{"<length>", Form::Values, kLength};
constexpr Syntax kLineHeight{"normal | <length> | <number> | <percentage> | <space>", Form::Values, kLength | kNumber | kPercentage, kNormal};
constexpr Syntax kSpacing{"normal | <length> | <space>", Form::Values, kLength, kNormal};
constexpr Syntax kWidth{"<length> | <percentage>", Form::Values, kLength | kPercentage};
constexpr Syntax kIndent{"<length> | <percentage>", Form::Values, kLength | kPercentage, kListFunctions};
constexpr Syntax kWidthAuto{"<length> | <percentage> | auto", Form::Values, kLength | kPercentage, kAuto};
constexpr Syntax kPaddingShorthand{"<padding-width>{1,4}", Form::Values, kLength | kPercentage | kNonNegative, {}, 4};
constexpr Syntax kPadding{"<padding-width>", Form::Values, kLength | kPercentage | kNonNegative};
constexpr Syntax kMarginShorthand{"<margin-width>{1,4}", Form::Values, kLength | kPercentage, kAuto, 4};
constexpr Syntax kBorderWidthSyntax{"thin | medium | thick | <length>", Form::Values, kLength | kNonNegative, kBorderWidth};
constexpr Syntax kBorderWidthShorthand{"<border-width>{1,4}", Form::Values, kLength | kNonNegative, kBorderWidth, 4};
constexpr Syntax kColorSyntax{"<color>", Form::Values, kColor};
constexpr Syntax kBackground{"<color> | transparent", Form::Values, kColor, kTransparent};
constexpr Syntax kBorderColorShorthand{"<color>{1,4} | transparent", Form::Values, kColor, kTransparent, 4};
constexpr Syntax kBorderStyleSyntax{{}, Form::Values, 0, kBorderStyle};
constexpr Syntax kBorderStyleShorthand{"<border-style>{1,4}", Form::Values, 0, kBorderStyle, 4};
constexpr Syntax kIntegerSyntax{"<integer>", Form::Values, kInteger};
constexpr Syntax kCount{"<number>", Form::Values, kInteger | kNonNegative};
constexpr Syntax kKeepSyntax{"auto | always | <integer>", Form::Values, kInteger, kKeep};
constexpr Syntax kText{"<string>", Form::Text};
constexpr Syntax kUri{"url(<uri>)", Form::Values, kFuncIri};
constexpr Syntax kSpace{"<space>", Form::Values, kLength};
constexpr Syntax kSpaceOrPercentage{"<space> | <percentage>", Form::Values, kLength | kPercentage};
constexpr Syntax kLengthRange{"<length-range> | <percentage>", Form::Values, kLength | kPercentage};
constexpr Syntax kDimension{"auto | <length> | <percentage>", Form::Values, kLength | kPercentage, kAuto};

constexpr Syntax own(std::string_view name, OwnReader reader, std::span<std::string_view const> words = {}) {
    return {name, Form::Own, 0, words, 1, reader};
}

// Names (XSL's <name>, <id>, <idref>) are XML NCNames.
constexpr Syntax kName = own("<name>", conformsNcName);
constexpr Syntax kBorderShorthand = own("[ <border-width> || <border-style> || <color> ]", conformsBorder, kBorderStyle);
constexpr Syntax kPrecedence{"force | <integer>", Form::Values, kInteger, kForce};
constexpr Syntax kConditionalitySyntax{{}, Form::Values, 0, kConditionality};
constexpr Syntax kUriOrNone{"url(<uri>) | none", Form::Values, kFuncIri, kNone};
constexpr Syntax kAural{"<number>", Form::Values, kNumber};
constexpr Syntax kFontMetricsOr{"use-font-metrics | <length> | <percentage>", Form::Values, kLength | kPercentage, kFontMetrics};
constexpr Syntax kBoolean{{}, Form::Values, 0, kTableOmit};
constexpr Syntax kMinExtent{"<length> | <percentage>", Form::Values, kLength | kPercentage | kNonNegative};
constexpr Syntax kMaxExtent{"<length> | <percentage> | none", Form::Values, kLength | kPercentage | kNonNegative, kNone};
constexpr Syntax kScale{"[ any | <percentage> ]*", Form::Values, kPercentage | kNonNegative, kAny, 255};

template <std::size_t N>
constexpr Syntax keywords(std::string_view const (&words)[N]) {
    return {{}, Form::Values, 0, words};
}

struct Row {
    std::string_view property;
    Syntax syntax;
};

constexpr Row kRows[] = {
    {"extent", kLengthSyntax},
    {"rule-thickness", kLengthSyntax},
    {"space-before", kSpace}, {"space-before.minimum", kSpace}, {"space-before.optimum", kSpace}, {"space-before.maximum", kSpace},
    {"space-after", kSpace}, {"space-after.minimum", kSpace}, {"space-after.optimum", kSpace}, {"space-after.maximum", kSpace},
    {"space-before.precedence", kPrecedence}, {"space-before.conditionality", kConditionalitySyntax},
    {"space-after.precedence", kPrecedence}, {"space-after.conditionality", kConditionalitySyntax},
    {"space-start", kSpaceOrPercentage}, {"space-start.minimum", kSpaceOrPercentage}, {"space-start.optimum", kSpaceOrPercentage},
    {"space-start.maximum", kSpaceOrPercentage}, {"space-start.precedence", kPrecedence}, {"space-start.conditionality", kConditionalitySyntax},
    {"space-end", kSpaceOrPercentage}, {"space-end.minimum", kSpaceOrPercentage}, {"space-end.optimum", kSpaceOrPercentage},
    {"space-end.maximum", kSpaceOrPercentage}, {"space-end.precedence", kPrecedence}, {"space-end.conditionality", kConditionalitySyntax},
    {"language", {"none | <language>", Form::Language}},
    {"country", own("none | <country>", conformsCountry)},
    {"column-gap", kWidth},
    {"leader-length", kLengthRange}, {"leader-length.minimum", kWidth}, {"leader-length.optimum", kWidth}, {"leader-length.maximum", kWidth},
    {"line-height", kLineHeight}, {"line-height.minimum", kLineHeight}, {"line-height.optimum", kLineHeight},
    {"line-height.maximum", kLineHeight}, {"line-height.precedence", kPrecedence}, {"line-height.conditionality", kConditionalitySyntax},
    {"padding", kPaddingShorthand},
    {"padding-top", kPadding}, {"padding-bottom", kPadding}, {"padding-left", kPadding}, {"padding-right", kPadding},
    {"padding-before", kPadding}, {"padding-after", kPadding}, {"padding-start", kPadding}, {"padding-end", kPadding},
    {"padding-before.length", kPadding}, {"padding-after.length", kPadding}, {"padding-start.length", kPadding}, {"padding-end.length", kPadding},
    {"padding-before.conditionality", kConditionalitySyntax}, {"padding-after.conditionality", kConditionalitySyntax},
    {"padding-start.conditionality", kConditionalitySyntax}, {"padding-end.conditionality", kConditionalitySyntax},
    {"provisional-distance-between-starts", kWidth},
    {"provisional-label-separation", kWidth},
    {"margin", kMarginShorthand},
    {"margin-top", kWidthAuto}, {"margin-bottom", kWidthAuto}, {"margin-left", kWidthAuto}, {"margin-right", kWidthAuto},
    {"width", kWidthAuto}, {"height", kWidthAuto},
    {"top", kWidthAuto}, {"bottom", kWidthAuto}, {"left", kWidthAuto}, {"right", kWidthAuto},
    {"inline-progression-dimension", kDimension}, {"inline-progression-dimension.minimum", kDimension},
    {"inline-progression-dimension.optimum", kDimension}, {"inline-progression-dimension.maximum", kDimension},
    {"block-progression-dimension", kDimension}, {"block-progression-dimension.minimum", kDimension},
    {"block-progression-dimension.optimum", kDimension}, {"block-progression-dimension.maximum", kDimension},
    {"content-width", {"auto | scale-to-fit | scale-down-to-fit | scale-up-to-fit | <length> | <percentage>", Form::Values, kLength | kPercentage, kContentSize}},
    {"content-height", {"auto | scale-to-fit | scale-down-to-fit | scale-up-to-fit | <length> | <percentage>", Form::Values, kLength | kPercentage, kContentSize}},
    {"column-width", kWidth},
    {"leader-pattern-width", {"use-font-metrics | <length> | <percentage>", Form::Values, kLength | kPercentage, kLeaderPatternWidth}},
    {"border-width", kBorderWidthShorthand},
    {"border-top-width", kBorderWidthSyntax}, {"border-bottom-width", kBorderWidthSyntax},
    {"border-left-width", kBorderWidthSyntax}, {"border-right-width", kBorderWidthSyntax},
    {"border-before-width", kBorderWidthSyntax}, {"border-after-width", kBorderWidthSyntax},
    {"border-start-width", kBorderWidthSyntax}, {"border-end-width", kBorderWidthSyntax},
    {"border-before-width.length", kBorderWidthSyntax}, {"border-after-width.length", kBorderWidthSyntax},
    {"border-start-width.length", kBorderWidthSyntax}, {"border-end-width.length", kBorderWidthSyntax},
    {"border-before-width.conditionality", kConditionalitySyntax}, {"border-after-width.conditionality", kConditionalitySyntax},
    {"border-start-width.conditionality", kConditionalitySyntax}, {"border-end-width.conditionality", kConditionalitySyntax},
    {"border-separation", {"<length-bp-ip-direction>", Form::Values, kLength, {}, 2}},
    {"border-separation.block-progression-direction", kLengthSyntax},
    {"border-separation.inline-progression-direction", kLengthSyntax},
    {"font-size", {"<absolute-size> | <relative-size> | <length> | <percentage>", Form::Values, kLength | kPercentage | kNonNegative, kFontSize}},
    {"start-indent", kIndent}, {"end-indent", kIndent}, {"text-indent", kWidth}, {"last-line-end-indent", kWidth},
    {"letter-spacing", kSpacing}, {"letter-spacing.minimum", kSpacing}, {"letter-spacing.optimum", kSpacing},
    {"letter-spacing.maximum", kSpacing}, {"letter-spacing.precedence", kPrecedence}, {"letter-spacing.conditionality", kConditionalitySyntax},
    {"word-spacing", kSpacing}, {"word-spacing.minimum", kSpacing}, {"word-spacing.optimum", kSpacing},
    {"word-spacing.maximum", kSpacing}, {"word-spacing.precedence", kPrecedence}, {"word-spacing.conditionality", kConditionalitySyntax},
    {"alignment-baseline", keywords(kAlignmentBaseline)},
    {"dominant-baseline", keywords(kDominantBaseline)},
    {"alignment-adjust", {"<baseline keyword> | <percentage> | <length>", Form::Values, kLength | kPercentage, kAlignmentBaseline}},
    {"baseline-shift", {"baseline | sub | super | <percentage> | <length>", Form::Values, kLength | kPercentage, kBaselineShift}},
    {"background-position-horizontal", {"<percentage> | <length> | left | center | right", Form::Values, kLength | kPercentage, kHorizontalPosition}},
    {"background-position-vertical", {"<percentage> | <length> | top | center | bottom", Form::Values, kLength | kPercentage, kVerticalPosition}},
    {"page-height", {"auto | indefinite | <length>", Form::Values, kLength, kPageSize}},
    {"page-width", {"auto | indefinite | <length>", Form::Values, kLength, kPageSize}},
    {"initial-page-number", {"auto | auto-odd | auto-even | <number>", Form::Values, kInteger, kInitialPageNumber}},
    {"color", kColorSyntax},
    {"background-color", kBackground},
    {"border-color", kBorderColorShorthand},
    {"border-top-color", kBackground}, {"border-bottom-color", kBackground},
    {"border-left-color", kBackground}, {"border-right-color", kBackground},
    {"border-before-color", kBackground}, {"border-after-color", kBackground},
    {"border-start-color", kBackground}, {"border-end-color", kBackground},
    {"span", keywords(kSpan)},
    {"line-stacking-strategy", keywords(kLineStacking)},
    {"line-height-shift-adjustment", keywords(kShiftAdjustment)},
    {"text-align", own("start | center | end | justify | inside | outside | left | right | <string>", conformsXslTextAlign, kTextAlign)},
    {"text-align-last", keywords(kTextAlignLast)},
    {"display-align", keywords(kDisplayAlign)},
    {"direction", keywords(kDirection)},
    {"linefeed-treatment", keywords(kLinefeed)},
    {"white-space-treatment", keywords(kWhiteSpace)},
    {"white-space-collapse", keywords(kWhiteSpaceCollapse)},
    {"wrap-option", keywords(kWrapOption)},
    {"visibility", keywords(kVisibility)},
    {"leader-pattern", keywords(kLeaderPattern)},
    {"leader-alignment", keywords(kLeaderAlignment)},
    {"retrieve-position", keywords(kRetrievePosition)},
    {"retrieve-boundary", keywords(kRetrieveBoundary)},
    {"retrieve-position-within-table", keywords(kRetrievePositionWithinTable)},
    {"retrieve-boundary-within-table", keywords(kRetrieveBoundaryWithinTable)},
    {"odd-or-even", keywords(kOddOrEven)},
    {"page-position", keywords(kPagePosition)},
    {"blank-or-not-blank", keywords(kBlankOrNotBlank)},
    {"break-before", keywords(kBreak)},
    {"break-after", keywords(kBreak)},
    {"force-page-count", keywords(kForcePageCount)},
    {"maximum-repeats", {"<number> | no-limit", Form::Values, kInteger | kNonNegative, kMaximumRepeats}},
    {"keep-together", kKeepSyntax}, {"keep-together.within-line", kKeepSyntax},
    {"keep-together.within-column", kKeepSyntax}, {"keep-together.within-page", kKeepSyntax},
    {"keep-with-next", kKeepSyntax}, {"keep-with-next.within-line", kKeepSyntax},
    {"keep-with-next.within-column", kKeepSyntax}, {"keep-with-next.within-page", kKeepSyntax},
    {"keep-with-previous", kKeepSyntax}, {"keep-with-previous.within-line", kKeepSyntax},
    {"keep-with-previous.within-column", kKeepSyntax}, {"keep-with-previous.within-page", kKeepSyntax},
    {"reference-orientation", keywords(kReferenceOrientation)},
    {"absolute-position", keywords(kAbsolutePosition)},
    {"relative-position", keywords(kRelativePosition)},
    {"overflow", keywords(kOverflow)},
    {"float", keywords(kFloat)},
    {"clear", keywords(kClear)},
    {"background-repeat", keywords(kBackgroundRepeat)},
    {"background-image", {"url(<uri>) | none", Form::Values, kFuncIri, kNone}},
    {"scaling", keywords(kScaling)},
    {"table-layout", keywords(kTableLayout)},
    {"table-omit-header-at-break", keywords(kTableOmit)},
    {"table-omit-footer-at-break", keywords(kTableOmit)},
    {"border-collapse", keywords(kBorderCollapse)},
    {"empty-cells", keywords(kEmptyCells)},
    {"caption-side", keywords(kCaptionSide)},
    {"border-style", kBorderStyleShorthand},
    {"border-top-style", kBorderStyleSyntax}, {"border-bottom-style", kBorderStyleSyntax},
    {"border-left-style", kBorderStyleSyntax}, {"border-right-style", kBorderStyleSyntax},
    {"border-before-style", kBorderStyleSyntax}, {"border-after-style", kBorderStyleSyntax},
    {"border-start-style", kBorderStyleSyntax}, {"border-end-style", kBorderStyleSyntax},
    {"rule-style", keywords(kRuleStyle)},
    {"font-weight", keywords(kFontWeight)},
    {"font-style", keywords(kFontStyle)},
    {"font-variant", keywords(kFontVariant)},
    {"font-family", own("[ <family-name> | <generic-family> ]#", conformsFontFamily)},
    {"writing-mode", keywords(kWritingMode)},
    {"hyphenate", keywords(kHyphenate)},
    {"text-transform", keywords(kTextTransform)},
    {"hyphenation-character", own("<character>", conformsQuotableCharacter)},
    {"format", kText},
    {"column-count", kCount},
    {"column-number", kCount},
    {"number-columns-repeated", kCount},
    {"number-columns-spanned", kCount},
    {"number-rows-spanned", kCount},
    {"hyphenation-push-character-count", kCount},
    {"hyphenation-remain-character-count", kCount},
    {"widows", kIntegerSyntax},
    {"orphans", kIntegerSyntax},
    {"src", kUri},
    // Accessibility and aural properties.
    {"source-document", own("url(<uri>)+ | none", conformsUriList, kNone)},
    {"role", kText},
    {"azimuth", own("<angle> | [ left-side | ... | right-side ] || behind | leftwards | rightwards", conformsAzimuth)},
    {"cue-after", kUriOrNone}, {"cue-before", kUriOrNone},
    {"cue", own("[ url(<uri>) | none ]{1,2}", conformsCue, kNone)},
    {"elevation", own("<angle> | below | level | above | higher | lower", conformsElevation)},
    {"pause-after", own("<time> | <percentage>", conformsPause)},
    {"pause-before", own("<time> | <percentage>", conformsPause)},
    {"pause", own("[ <time> | <percentage> ]{1,2}", conformsPauses)},
    {"pitch", own("<frequency> | x-low | low | medium | high | x-high", conformsPitch)},
    {"pitch-range", kAural}, {"richness", kAural}, {"stress", kAural},
    {"play-during", own("url(<uri>) mix? repeat? | auto | none", conformsPlayDuring)},
    {"speak", keywords(kSpeak)},
    {"speak-header", keywords(kSpeakHeader)},
    {"speak-numeral", keywords(kSpeakNumeral)},
    {"speak-punctuation", keywords(kSpeakPunctuation)},
    {"speech-rate", {"<number> | x-slow | slow | medium | fast | x-fast | faster | slower", Form::Values, kNumber, kSpeechRate}},
    {"voice-family", own("[ <specific-voice> | <generic-voice> ]#", conformsFontFamily)},
    {"volume", {"<number> | <percentage> | silent | x-soft | soft | medium | loud | x-loud", Form::Values, kNumber | kPercentage, kVolume}},
    // Backgrounds, borders and fonts, the shorthands among them.
    {"background-attachment", keywords(kAttachment)},
    {"background", own("[ <background-color> || <background-image> || <background-repeat> || <background-attachment> || <background-position> ]", conformsBackground)},
    {"background-position", own("[ <percentage> | <length> ]{1,2} | [ top | center | bottom ] || [ left | center | right ]", conformsBackgroundPosition)},
    {"border", kBorderShorthand}, {"border-top", kBorderShorthand}, {"border-bottom", kBorderShorthand},
    {"border-left", kBorderShorthand}, {"border-right", kBorderShorthand},
    {"border-spacing", own("<length> <length>?", conformsLengthPair)},
    {"border-before-precedence", kPrecedence}, {"border-after-precedence", kPrecedence},
    {"border-start-precedence", kPrecedence}, {"border-end-precedence", kPrecedence},
    {"font", own("[ <font-style> || <font-variant> || <font-weight> ]? <font-size> [ / <line-height> ]? <font-family> | caption | icon | menu | message-box | small-caption | status-bar", conformsFont, kSystemFonts)},
    {"font-selection-strategy", keywords(kFontSelection)},
    {"font-stretch", keywords(kFontStretch)},
    {"font-size-adjust", {"<number> | none", Form::Values, kNumber, kNone}},
    // Alignment, dimensions, lines and characters.
    {"relative-align", keywords(kRelativeAlign)},
    {"vertical-align", {"baseline | middle | sub | super | text-top | text-bottom | top | bottom | <percentage> | <length>", Form::Values, kLength | kPercentage, kVerticalAlign}},
    {"allowed-height-scale", kScale}, {"allowed-width-scale", kScale},
    {"max-height", kMaxExtent}, {"max-width", kMaxExtent},
    {"min-height", kMinExtent}, {"min-width", kMinExtent},
    {"scaling-method", keywords(kScalingMethod)},
    {"hyphenation-keep", keywords(kHyphenationKeep)},
    {"hyphenation-ladder-count", {"no-limit | <number>", Form::Values, kInteger | kNonNegative, kNoLimit}},
    {"character", {"<character>", Form::Character}},
    {"suppress-at-line-break", keywords(kSuppress)},
    {"text-decoration", own("none | [ underline | no-underline ] || [ overline | no-overline ] || [ line-through | no-line-through ] || [ blink | no-blink ]", conformsXslTextDecoration, kDecorations)},
    {"text-shadow", own("none | [ <color> || <length> <length> <length>? ]#", conformsTextShadow, kNone)},
    {"treat-as-word-space", keywords(kAutoTrueFalse)},
    {"white-space", keywords(kWhiteSpaceShorthand)},
    {"glyph-orientation-horizontal", own("<angle>", conformsAngle)},
    {"glyph-orientation-vertical", own("auto | <angle>", conformsAngleOrAuto)},
    {"text-altitude", kFontMetricsOr}, {"text-depth", kFontMetricsOr},
    {"unicode-bidi", keywords(kUnicodeBidi)},
    {"script", own("none | auto | <script>", conformsScript)},
    // Colour, floats, layout and keeps.
    {"color-profile-name", kName},
    {"rendering-intent", keywords(kRenderingIntent)},
    {"intrusion-displace", keywords(kIntrusion)},
    {"clip", own("<shape> | auto", conformsClip)},
    {"z-index", {"auto | <integer>", Form::Values, kInteger, kAuto}},
    {"page-break-after", keywords(kPageBreak)}, {"page-break-before", keywords(kPageBreak)},
    {"page-break-inside", keywords(kPageBreakInside)},
    {"position", keywords(kPosition)},
    {"size", own("<length>{1,2} | auto | landscape | portrait", conformsPageSize)},
    // Dynamic effects, links and bookmarks.
    {"active-state", keywords(kActiveState)},
    {"auto-restore", kBoolean},
    {"case-name", kName},
    {"case-title", kText},
    {"destination-placement-offset", kLengthSyntax},
    {"indicate-destination", kBoolean},
    {"internal-destination", own("\"\" | <idref>", conformsNcNameOrEmpty)},
    {"show-destination", keywords(kShowDestination)},
    {"starting-state", keywords(kStartingState)},
    {"switch-to", own("xsl-preceding | xsl-following | xsl-any | <name>+", conformsSwitchTo, kSwitchTo)},
    {"target-presentation-context", {"use-target-processing-context | url(<uri>)", Form::Values, kFuncIri, kPresentationContext}},
    {"target-processing-context", {"document-root | url(<uri>)", Form::Values, kFuncIri, kProcessingContext}},
    {"target-stylesheet", {"use-normal-stylesheet | url(<uri>)", Form::Values, kFuncIri, kTargetStylesheet}},
    // Indexes, markers and numbering.
    {"index-class", kText}, {"index-key", kText}, {"ref-index-key", kText},
    {"page-number-treatment", keywords(kPageNumberTreatment)},
    {"merge-ranges-across-index-key-references", keywords(kMerge)},
    {"merge-sequential-page-numbers", keywords(kMerge)},
    {"merge-pages-across-index-key-references", keywords(kMerge)},
    {"marker-class-name", kName},
    {"retrieve-class-name", kName},
    {"grouping-separator", own("<character>", conformsQuotableCharacter)},
    {"grouping-size", kCount},
    {"letter-value", keywords(kLetterValue)},
    // Pagination: the names of masters, regions and flows.
    {"master-name", kName}, {"master-reference", kName},
    {"region-name", kName}, {"flow-name", kName},
    {"flow-map-name", kName}, {"flow-map-reference", kName},
    {"flow-name-reference", kName}, {"region-name-reference", kName},
    {"media-usage", keywords(kMediaUsage)},
    {"precedence", kBoolean},
    // Tables and the rest.
    {"ends-row", kBoolean}, {"starts-row", kBoolean},
    {"change-bar-class", kName},
    {"change-bar-color", kColorSyntax},
    {"change-bar-offset", kLengthSyntax},
    {"change-bar-placement", keywords(kChangeBarPlacement)},
    {"change-bar-style", kBorderStyleSyntax},
    {"change-bar-width", kBorderWidthSyntax},
    {"content-type", kText},
    {"id", own("<id>", conformsNcName)},
    {"ref-id", own("<idref>", conformsNcName)},
    {"intrinsic-scale-value", {"<percentage>", Form::Values, kPercentage | kNonNegative}},
    {"page-citation-strategy", keywords(kPageCitation)},
    {"scale-option", keywords(kScaleOption)},
    {"score-spaces", kBoolean},
    {"external-destination", own("\"\" | url(<uri>)", conformsUriOrEmpty)},
};
// clang-format on

} // namespace

Syntax const* xslSyntax(std::string_view property, std::string_view* spelling) {
    static std::unordered_map<std::string_view, Row const*> const index = [] {
        std::unordered_map<std::string_view, Row const*> made;
        for (Row const& row : kRows) {
            made.emplace(row.property, &row);
        }
        return made;
    }();
    auto const found = index.find(property);
    if (found == index.end()) {
        return nullptr;
    }
    if (spelling != nullptr) {
        *spelling = found->second->property;
    }
    return &found->second->syntax;
}

} // namespace Tool::Standard
