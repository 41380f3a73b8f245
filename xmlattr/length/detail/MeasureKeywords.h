// The measure keyword tables under the names the library's readers use.
#pragma once

#include "xmlattr/length/MeasureKeywords.h"

namespace Xml::detail {

using ::Xml::DecorationLine;
using ::Xml::kAutoKeyword;
using ::Xml::kBackgroundPositionKeywords;
using ::Xml::kBackgroundSizeKeywords;
using ::Xml::kBaselineShiftKeywords;
using ::Xml::kBorderWidthKeywords;
using ::Xml::kContentScaleKeywords;
using ::Xml::kDecorationLineKeywords;
using ::Xml::kFontSizeKeywords;
using ::Xml::kIndentFunctionKeywords;
using ::Xml::kInitialPageNumberKeywords;
using ::Xml::kInitialSheetNumberKeywords;
using ::Xml::kNoneKeyword;
using ::Xml::kNormalKeyword;
using ::Xml::kPageDimensionKeywords;
using ::Xml::kRelativeFontSizeKeywords;
using ::Xml::kUseFontMetricsKeyword;
using ::Xml::LineOver;
using ::Xml::LineThrough;
using ::Xml::LineUnder;
using ::Xml::pointSize;

} // namespace Xml::detail
