// The drawing library's enumerations that attributes store as plain numbers.
#pragma once

#include "xmlattr/platform/Export.h"

namespace Drawing {

/// A text's language. Attributes store it as a signed 32-bit number, and the languages
/// 11 to 138 are used only as numbers, so a value need not name an enumerator.
enum LanguageId : int {
    LanguageNone = 0,
    LanguageCzech = 1,
    LanguageDanish = 2,
    LanguageEnglish = 3,
    LanguageRomanian = 4,
    LanguageFrench = 5,
    LanguageRussian = 6,
    LanguageGerman = 7,
    LanguageSpanish = 8,
    LanguageItalian = 9,
    LanguagePolish = 10,
    /// The highest language number in use.
    LanguageLast = 139
};

/// The country variant of a language; only English has any.
enum CountryId : int {
    CountryNone = 0,
    CountryUnitedStates = 1,
    CountryGreatBritain = 2,
    CountryAustralia = 3
};

/// The coordinate system of a gradient's vector.
enum GradientUnits : int { GradientUnitsObjectBoundingBox = 0, GradientUnitsUserSpaceOnUse = 1 };

/// What a gradient paints beyond its end points.
enum GradientSpreadMethod : int {
    GradientSpreadMethodRepeat = 0,
    GradientSpreadMethodReflect = 1,
    GradientSpreadMethodPad = 2
};

static_assert(sizeof(LanguageId) == 4);
static_assert(sizeof(CountryId) == 4);
static_assert(sizeof(GradientUnits) == 4);
static_assert(sizeof(GradientSpreadMethod) == 4);

} // namespace Drawing
