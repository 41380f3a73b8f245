// Every exported default by name, for programs that list or check them all.
#pragma once

#include "xmlattr/attributes/XmlAttribute.h"
#include "xmlattr/defaults/DefaultAttributes.h"
#include "xmlattr/platform/String.h"

#include <span>
#include <string_view>

namespace Xml {

/// One exported default: its name and the attribute.
struct DefaultEntry {
    /// The default's exported name, "DefaultBorderWidth".
    std::u16string_view name;
    /// The default itself; never null.
    XmlAttribute const* attribute;
};

/// The 152 defaults in the order of `DefaultAttributes.h`. Compiled into the caller: the library
/// exports no list of its own.
inline std::span<DefaultEntry const> defaultAttributes() {
#define XMLATTR_DEFAULT_ENTRY(name)                                                                \
    { u"" #name, &name }
    // Built on first use: the address of a default imported from a DLL is no constant.
    // clang-format off
    static DefaultEntry const entries[] = {
        // Formatting-object keywords.
        XMLATTR_DEFAULT_ENTRY(DefaultSpanAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultLineStackingStrategy),
        XMLATTR_DEFAULT_ENTRY(DefaultLineHeightShiftAdjustment),
        XMLATTR_DEFAULT_ENTRY(DefaultTextAlign),
        XMLATTR_DEFAULT_ENTRY(DefaultDisplayAlign),
        XMLATTR_DEFAULT_ENTRY(DefaultTextDirection),
        XMLATTR_DEFAULT_ENTRY(DefaultLinefeedTreatmentAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultWhiteSpaceTreatmentAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultWrapOptionAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultFOVisibilityAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultLeaderPattern),
        XMLATTR_DEFAULT_ENTRY(DefaultLeaderAlignment),
        XMLATTR_DEFAULT_ENTRY(DefaultRetrievePosition),
        XMLATTR_DEFAULT_ENTRY(DefaultRetrieveBoundary),
        XMLATTR_DEFAULT_ENTRY(DefaultRetrievePositionWithinTable),
        XMLATTR_DEFAULT_ENTRY(DefaultRetrieveBoundaryWithinTable),
        XMLATTR_DEFAULT_ENTRY(DefaultParity),
        XMLATTR_DEFAULT_ENTRY(DefaultPagePosition),
        XMLATTR_DEFAULT_ENTRY(DefaultBlankOrNotBlank),
        XMLATTR_DEFAULT_ENTRY(DefaultBreak),
        XMLATTR_DEFAULT_ENTRY(DefaultForcePageCount),
        XMLATTR_DEFAULT_ENTRY(DefaultKeep),
        XMLATTR_DEFAULT_ENTRY(DefaultFootnoteRestartRule),
        XMLATTR_DEFAULT_ENTRY(DefaultReferenceOrientation),
        XMLATTR_DEFAULT_ENTRY(DefaultAbsolutePosition),
        XMLATTR_DEFAULT_ENTRY(DefaultRelativePosition),
        XMLATTR_DEFAULT_ENTRY(DefaultOverflow),
        XMLATTR_DEFAULT_ENTRY(DefaultFloatPositionAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultAnchorXAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultAnchorYAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultPositionXAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultPositionYAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultBackgroundRepeat),
        XMLATTR_DEFAULT_ENTRY(DefaultScaling),
        XMLATTR_DEFAULT_ENTRY(DefaultTableLayout),
        XMLATTR_DEFAULT_ENTRY(DefaultAFPEncoding),
        XMLATTR_DEFAULT_ENTRY(DefaultFOLightingSchemeAttribute),
        // Graphics, font, border, barcode, form, chart and output keywords.
        XMLATTR_DEFAULT_ENTRY(DefaultBarcodeType),
        XMLATTR_DEFAULT_ENTRY(DefaultDMEncoding),
        XMLATTR_DEFAULT_ENTRY(DefaultDMFormat),
        XMLATTR_DEFAULT_ENTRY(DefaultCode128CodeSet),
        XMLATTR_DEFAULT_ENTRY(DefaultBorderStyle),
        XMLATTR_DEFAULT_ENTRY(DefaultLeaderRuleStyle),
        XMLATTR_DEFAULT_ENTRY(DefaultBorderCollapse),
        XMLATTR_DEFAULT_ENTRY(DefaultFontWeight),
        XMLATTR_DEFAULT_ENTRY(DefaultFontStyle),
        XMLATTR_DEFAULT_ENTRY(DefaultFontVariant),
        XMLATTR_DEFAULT_ENTRY(DefaultTextLineStyle),
        XMLATTR_DEFAULT_ENTRY(DefaultFormControlTypeAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultFormActionTypeAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultFormTriggerActionAttribute),
        XMLATTR_DEFAULT_ENTRY(DefaultSTextAnchor),
        XMLATTR_DEFAULT_ENTRY(DefaultSLineCap),
        XMLATTR_DEFAULT_ENTRY(DefaultSLineJoin),
        XMLATTR_DEFAULT_ENTRY(DefaultSVisibility),
        XMLATTR_DEFAULT_ENTRY(DefaultSDisplay),
        XMLATTR_DEFAULT_ENTRY(DefaultSGradientUnits),
        XMLATTR_DEFAULT_ENTRY(DefaultSGradientSpreadMethod),
        XMLATTR_DEFAULT_ENTRY(DefaultPDFConformance),
        XMLATTR_DEFAULT_ENTRY(DefaultChartType),
        XMLATTR_DEFAULT_ENTRY(DefaultLabelType),
        XMLATTR_DEFAULT_ENTRY(DefaultSliceOrientation),
        XMLATTR_DEFAULT_ENTRY(DefaultAxisPosition),
        XMLATTR_DEFAULT_ENTRY(DefaultAxisOrientation),
        XMLATTR_DEFAULT_ENTRY(DefaultAxisIntersection),
        XMLATTR_DEFAULT_ENTRY(DefaultTickStyle),
        XMLATTR_DEFAULT_ENTRY(DefaultSerieGrouping),
        XMLATTR_DEFAULT_ENTRY(DefaultDisplayValPlacement),
        // Numbers.
        XMLATTR_DEFAULT_ENTRY(DefaultDotSize),
        XMLATTR_DEFAULT_ENTRY(DefaultBarColumnCount),
        XMLATTR_DEFAULT_ENTRY(DefaultBarRowCount),
        XMLATTR_DEFAULT_ENTRY(DefaultColumnCount),
        XMLATTR_DEFAULT_ENTRY(DefaultHyphenationCharCount),
        XMLATTR_DEFAULT_ENTRY(DefaultWidowsAndOrphans),
        XMLATTR_DEFAULT_ENTRY(DefaultMinFloat),
        XMLATTR_DEFAULT_ENTRY(DefaultMaxFloat),
        // Formatting-object lengths and measures.
        XMLATTR_DEFAULT_ENTRY(DefaultLength),
        XMLATTR_DEFAULT_ENTRY(DefaultBorderLength),
        XMLATTR_DEFAULT_ENTRY(DefaultRuleThickness),
        XMLATTR_DEFAULT_ENTRY(DefaultTabStopLength),
        XMLATTR_DEFAULT_ENTRY(DefaultBarUnit),
        XMLATTR_DEFAULT_ENTRY(DefaultDLength),
        XMLATTR_DEFAULT_ENTRY(DefaultLengthOrPercent),
        XMLATTR_DEFAULT_ENTRY(DefaultFloatLengthOrPercent),
        XMLATTR_DEFAULT_ENTRY(DefaultOneHundredPercent),
        XMLATTR_DEFAULT_ENTRY(DefaultProvisionalLabelSeparation),
        XMLATTR_DEFAULT_ENTRY(DefaultProvisionalDistanceBetweenStarts),
        XMLATTR_DEFAULT_ENTRY(DefaultLeaderLength),
        XMLATTR_DEFAULT_ENTRY(DefaultLineHeight),
        XMLATTR_DEFAULT_ENTRY(DefaultContentLength),
        XMLATTR_DEFAULT_ENTRY(DefaultColumnWidth),
        XMLATTR_DEFAULT_ENTRY(DefaultTableWidth),
        XMLATTR_DEFAULT_ENTRY(DefaultMargin),
        XMLATTR_DEFAULT_ENTRY(DefaultLengthOrPercentAuto),
        XMLATTR_DEFAULT_ENTRY(DefaultLeaderPatternWidth),
        XMLATTR_DEFAULT_ENTRY(DefaultFloatOrPercent),
        XMLATTR_DEFAULT_ENTRY(DefaultBorderWidth),
        XMLATTR_DEFAULT_ENTRY(DefaultFontSize),
        XMLATTR_DEFAULT_ENTRY(DefaultIndent),
        XMLATTR_DEFAULT_ENTRY(DefaultLetterSpacing),
        XMLATTR_DEFAULT_ENTRY(DefaultAlignmentBaseline),
        XMLATTR_DEFAULT_ENTRY(DefaultAlignmentAdjust),
        XMLATTR_DEFAULT_ENTRY(DefaultBaselineShift),
        XMLATTR_DEFAULT_ENTRY(DefaultTabStopType),
        XMLATTR_DEFAULT_ENTRY(DefaultPageDimension),
        XMLATTR_DEFAULT_ENTRY(DefaultBackgroundPosition),
        XMLATTR_DEFAULT_ENTRY(DefaultBackgroundSize),
        XMLATTR_DEFAULT_ENTRY(DefaultInitialPageNumber),
        XMLATTR_DEFAULT_ENTRY(DefaultInitialSheetNumber),
        // SVG lengths, spacing and decoration.
        XMLATTR_DEFAULT_ENTRY(DefaultSLength),
        XMLATTR_DEFAULT_ENTRY(DefaultMiterlimit),
        XMLATTR_DEFAULT_ENTRY(DefaultStrokeWidth),
        XMLATTR_DEFAULT_ENTRY(DefaultSNullableLength),
        XMLATTR_DEFAULT_ENTRY(DefaultSLengthOrPercent),
        XMLATTR_DEFAULT_ENTRY(DefaultSOneHundredPercent),
        XMLATTR_DEFAULT_ENTRY(DefaultSFontSize),
        XMLATTR_DEFAULT_ENTRY(DefaultSDashPattern),
        XMLATTR_DEFAULT_ENTRY(DefaultSBaselineShift),
        XMLATTR_DEFAULT_ENTRY(DefaultSSpacing),
        XMLATTR_DEFAULT_ENTRY(DefaultSTextDecoration),
        // Colours and paint.
        XMLATTR_DEFAULT_ENTRY(DefaultBackgroundColor),
        XMLATTR_DEFAULT_ENTRY(DefaultStrokeColor),
        XMLATTR_DEFAULT_ENTRY(DefaultGradientStopColor),
        XMLATTR_DEFAULT_ENTRY(DefaultBorderColor),
        XMLATTR_DEFAULT_ENTRY(DefaultFillColor),
        XMLATTR_DEFAULT_ENTRY(DefaultSColor),
        XMLATTR_DEFAULT_ENTRY(DefaultSStrokeColor),
        XMLATTR_DEFAULT_ENTRY(DefaultSFillColor),
        XMLATTR_DEFAULT_ENTRY(DefaultSNullableStrokeColor),
        XMLATTR_DEFAULT_ENTRY(DefaultSNullableFillColor),
        XMLATTR_DEFAULT_ENTRY(DefaultBoxShadow),
        // Text, reference and language.
        XMLATTR_DEFAULT_ENTRY(DefaultFontFamily),
        XMLATTR_DEFAULT_ENTRY(DefaultHyphenationCharacter),
        XMLATTR_DEFAULT_ENTRY(DefaultNumberFormat),
        XMLATTR_DEFAULT_ENTRY(DefaultUrl),
        XMLATTR_DEFAULT_ENTRY(DefaultLanguage),
        // SVG geometry.
        XMLATTR_DEFAULT_ENTRY(DefaultPathData),
        XMLATTR_DEFAULT_ENTRY(DefaultPointList),
        XMLATTR_DEFAULT_ENTRY(DefaultTransformList),
        XMLATTR_DEFAULT_ENTRY(DefaultViewBox),
        XMLATTR_DEFAULT_ENTRY(DefaultSPreserveAspectRatio),
        // Chart lengths and values.
        XMLATTR_DEFAULT_ENTRY(DefaultAspect3DDepth),
        XMLATTR_DEFAULT_ENTRY(DefaultAspect3DShading),
        XMLATTR_DEFAULT_ENTRY(DefaultCaptionOffset),
        XMLATTR_DEFAULT_ENTRY(DefaultTickLength),
        XMLATTR_DEFAULT_ENTRY(DefaultAspect3DChartDepth),
        XMLATTR_DEFAULT_ENTRY(DefaultAspect3DSceneDepth),
        XMLATTR_DEFAULT_ENTRY(DefaultWidthLength),
        XMLATTR_DEFAULT_ENTRY(DefaultAxisUnits),
        XMLATTR_DEFAULT_ENTRY(DefaultMinValue),
        XMLATTR_DEFAULT_ENTRY(DefaultMaxValue),
        XMLATTR_DEFAULT_ENTRY(DefaultValue),
    };
    // clang-format on
#undef XMLATTR_DEFAULT_ENTRY
    return entries;
}

/// The attribute's text. Writing changes nothing, so a constant default may be written,
/// although the slot is not `const`.
inline Core::String writeDefault(XmlAttribute const& attribute) {
    return const_cast<XmlAttribute&>(attribute).getValueAsString();
}

} // namespace Xml
