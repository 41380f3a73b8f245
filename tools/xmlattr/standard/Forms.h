// The grammars with readers of their own (`Form::Own`): names and strings, shorthands whose
// parts come in any order, aural values, and SVG's animation and filter micro-syntaxes.
// Each reads a whole text, white space around it allowed.
#pragma once

#include "Readers.h"

namespace Tool::Standard {

// Names and strings (Names.cpp).
/// An XML NCName, as XSL's <name>, <id> and <idref> are.
[[nodiscard]] bool conformsNcName(std::string_view text, Dialect dialect);
/// "" or an NCName: internal-destination.
[[nodiscard]] bool conformsNcNameOrEmpty(std::string_view text, Dialect dialect);
/// NCNames separated by blanks, at least one.
[[nodiscard]] bool conformsNcNames(std::string_view text, Dialect dialect);
/// An XML Name, colons allowed: SVG's id, attributeName.
[[nodiscard]] bool conformsXmlName(std::string_view text, Dialect dialect);
/// One word without blanks: SVG's filter primitive references.
[[nodiscard]] bool conformsWord(std::string_view text, Dialect dialect);
/// Any text, an empty one included: class, scripts, animation values.
[[nodiscard]] bool conformsAnyText(std::string_view text, Dialect dialect);
/// Family names separated by commas, each a quoted string or identifiers separated by blanks.
[[nodiscard]] bool conformsFontFamily(std::string_view text, Dialect dialect);
/// One character, bare or quoted: "-", "'-'".
[[nodiscard]] bool conformsQuotableCharacter(std::string_view text, Dialect dialect);
/// none | an ISO 3166 code: two or three letters, or three digits.
[[nodiscard]] bool conformsCountry(std::string_view text, Dialect dialect);
/// none | auto | an ISO 15924 code: four letters, or three digits.
[[nodiscard]] bool conformsScript(std::string_view text, Dialect dialect);
/// Language tags separated by commas: systemLanguage.
[[nodiscard]] bool conformsLanguageList(std::string_view text, Dialect dialect);
/// XSL's text-align: its keywords, or a quoted string to align on ("'.'").
[[nodiscard]] bool conformsXslTextAlign(std::string_view text, Dialect dialect);
/// "" | url(...): external-destination.
[[nodiscard]] bool conformsUriOrEmpty(std::string_view text, Dialect dialect);
/// none | url(...) [url(...)]*: source-document.
[[nodiscard]] bool conformsUriList(std::string_view text, Dialect dialect);
/// xsl-preceding | xsl-following | xsl-any | NCNames: switch-to.
[[nodiscard]] bool conformsSwitchTo(std::string_view text, Dialect dialect);
/// SVG's target: _replace | _self | _parent | _top | _blank | an XML Name.
[[nodiscard]] bool conformsTarget(std::string_view text, Dialect dialect);

// Shorthands and compound values (Shorthands.cpp).
/// [ <border-width> || <border-style> || <color> | transparent ]
[[nodiscard]] bool conformsBorder(std::string_view text, Dialect dialect);
/// <length> <length>?, neither negative: border-spacing, border-separation.
[[nodiscard]] bool conformsLengthPair(std::string_view text, Dialect dialect);
/// [ color || image || repeat || attachment || position ]
[[nodiscard]] bool conformsBackground(std::string_view text, Dialect dialect);
/// [ <percentage> | <length> ]{1,2} | [ top | center | bottom ] || [ left | center | right ]
[[nodiscard]] bool conformsBackgroundPosition(std::string_view text, Dialect dialect);
/// [ style || variant || weight ]? size [ / line-height ]? family | a system font keyword
[[nodiscard]] bool conformsFont(std::string_view text, Dialect dialect);
/// XSL's text-decoration: none | [ underline | no-underline ] || ... || [ blink | no-blink ]
[[nodiscard]] bool conformsXslTextDecoration(std::string_view text, Dialect dialect);
/// none | [ <color> || <length> <length> <length>? ] separated by commas
[[nodiscard]] bool conformsTextShadow(std::string_view text, Dialect dialect);
/// auto | rect(<top>, <right>, <bottom>, <left>), each a length or auto
[[nodiscard]] bool conformsClip(std::string_view text, Dialect dialect);
/// <length>{1,2} | auto | landscape | portrait
[[nodiscard]] bool conformsPageSize(std::string_view text, Dialect dialect);
/// An angle: a number with deg, grad or rad; in SVG the unit may be left out.
[[nodiscard]] bool conformsAngle(std::string_view text, Dialect dialect);
/// auto | <angle>: glyph-orientation-vertical, SVG's orient.
[[nodiscard]] bool conformsAngleOrAuto(std::string_view text, Dialect dialect);
/// <angle> | [ left-side | ... | right-side ] || behind | leftwards | rightwards
[[nodiscard]] bool conformsAzimuth(std::string_view text, Dialect dialect);
/// <angle> | below | level | above | higher | lower
[[nodiscard]] bool conformsElevation(std::string_view text, Dialect dialect);
/// <time> | <percentage>, once or (for the shorthand) twice
[[nodiscard]] bool conformsPause(std::string_view text, Dialect dialect);
[[nodiscard]] bool conformsPauses(std::string_view text, Dialect dialect);
/// <frequency> | x-low | low | medium | high | x-high
[[nodiscard]] bool conformsPitch(std::string_view text, Dialect dialect);
/// url(...) mix? repeat? | auto | none
[[nodiscard]] bool conformsPlayDuring(std::string_view text, Dialect dialect);
/// [ url(...) | none ]{1,2}: cue.
[[nodiscard]] bool conformsCue(std::string_view text, Dialect dialect);
/// SVG's enable-background: accumulate | new [ <x> <y> <width> <height> ]
[[nodiscard]] bool conformsEnableBackground(std::string_view text, Dialect dialect);
/// SVG's cursor: [ <funciri> , ]* a cursor keyword
[[nodiscard]] bool conformsCursor(std::string_view text, Dialect dialect);

// SVG's animation timing and filter lists (Timing.cpp).
/// A clock value: "02:30:03", "50:00.10", "3.2h", "45min", "30s", "5ms", "12.467".
[[nodiscard]] bool readClockValue(Scanner& scanner);
/// <clock-value> | media | indefinite: dur.
[[nodiscard]] bool conformsDuration(std::string_view text, Dialect dialect);
/// <clock-value> | media: min, max.
[[nodiscard]] bool conformsMinMax(std::string_view text, Dialect dialect);
/// <clock-value> | indefinite: repeatDur.
[[nodiscard]] bool conformsRepeatDuration(std::string_view text, Dialect dialect);
/// A number above zero | indefinite: repeatCount.
[[nodiscard]] bool conformsRepeatCount(std::string_view text, Dialect dialect);
/// begin and end: timing values separated by semicolons.
[[nodiscard]] bool conformsTimingList(std::string_view text, Dialect dialect);
/// keyTimes, keyPoints: numbers from 0 to 1 separated by semicolons.
[[nodiscard]] bool conformsKeyTimes(std::string_view text, Dialect dialect);
/// keySplines: groups of four numbers from 0 to 1, the groups separated by semicolons.
[[nodiscard]] bool conformsKeySplines(std::string_view text, Dialect dialect);
/// One or two numbers: stdDeviation, baseFrequency, radius, kernelUnitLength.
[[nodiscard]] bool conformsNumberOptionalNumber(std::string_view text, Dialect dialect);
/// One or two integers above zero: order, filterRes.
[[nodiscard]] bool conformsIntegerOptionalInteger(std::string_view text, Dialect dialect);
/// Numbers separated by commas or blanks, none at all included: tableValues.
[[nodiscard]] bool conformsNumbersOrNone(std::string_view text, Dialect dialect);
/// Ten integers: panose-1.
[[nodiscard]] bool conformsPanose(std::string_view text, Dialect dialect);
/// Unicode ranges separated by commas: "U+0-7F", "U+4??".
[[nodiscard]] bool conformsUnicodeRange(std::string_view text, Dialect dialect);
/// all | values of `item` separated by commas: the descriptors of font-face.
[[nodiscard]] bool conformsFontFaceSizes(std::string_view text, Dialect dialect);
[[nodiscard]] bool conformsFontFaceWeights(std::string_view text, Dialect dialect);
[[nodiscard]] bool conformsFontFaceStyles(std::string_view text, Dialect dialect);
[[nodiscard]] bool conformsFontFaceStretches(std::string_view text, Dialect dialect);
[[nodiscard]] bool conformsFontFaceVariants(std::string_view text, Dialect dialect);

} // namespace Tool::Standard
