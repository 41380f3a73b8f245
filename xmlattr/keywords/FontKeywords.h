// Keywords of fonts and of text decoration lines. The writers that throw are compiled by the
// library, which records where they throw.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/Format.h"

#include <string_view>

namespace Xml {

/// Normal or bold, nothing between. A numeric weight also reads: above 400 it is bold.
/// Every number but bold writes "normal".
enum FontWeight : int { FontWeightNormal = 0, FontWeightBold = 1 };

inline constexpr KeywordEntry<FontWeight> kFontWeightKeywords[] = {{u"normal", FontWeightNormal},
                                                                   {u"lighter", FontWeightNormal},
                                                                   {u"bold", FontWeightBold},
                                                                   {u"bolded", FontWeightBold},
                                                                   {u"bolder", FontWeightBold}};
template <>
inline constexpr KeywordTable<FontWeight> kKeywordTable<FontWeight>{
    .reads = kFontWeightKeywords,
    .match = KeywordCase::Exact,
    .otherwise =
        [](std::u16string_view text, FontWeight& out) noexcept {
            int weight = 0;
            if (!Core::Format::parseInt(text, weight)) {
                return false;
            }
            out = weight > 400 ? FontWeightBold : FontWeightNormal;
            return true;
        },
    .writes = kFontWeightKeywords,
    .unwritten = u"normal"};

template <>
inline constexpr TypeDescription kTypeDescription<FontWeight>{
    .name = "FontWeight",
    .summary = "font-weight: normal or bold; a numeric weight above 400 is bold",
    .family = TypeFamily::Keyword};

/// The slant of a font. "oblique" reads as italic; 2 is read from no keyword but is
/// written "oblique".
enum FontStyle : int {
    FontStyleNormal = 0,
    FontStyleItalic = 1,
    FontStyleOblique = 2,
    FontStyleBackslant = 3
};

inline constexpr KeywordEntry<FontStyle> kFontStyleReads[] = {{u"normal", FontStyleNormal},
                                                              {u"italic", FontStyleItalic},
                                                              {u"oblique", FontStyleItalic},
                                                              {u"backslant", FontStyleBackslant}};
inline constexpr KeywordEntry<FontStyle> kFontStyleWrites[] = {{u"normal", FontStyleNormal},
                                                               {u"italic", FontStyleItalic},
                                                               {u"oblique", FontStyleOblique},
                                                               {u"backslant", FontStyleBackslant}};
template <>
inline constexpr KeywordTable<FontStyle> kKeywordTable<FontStyle>{
    .reads = kFontStyleReads, .match = KeywordCase::Exact, .writes = kFontStyleWrites};

template <>
inline constexpr TypeDescription kTypeDescription<FontStyle>{.name = "FontStyle",
                                                             .summary =
                                                                 "font-style: the slant of a font",
                                                             .family = TypeFamily::Keyword};
/// Binds `FontStyle` to its keyword table, with a writer of its own that throws.
template <> struct ValueTraits<FontStyle> : KeywordTraits<FontStyle> {
    /// Throws for a number that no written entry names.
    XMLATTR_EXPORT static Core::String write(FontStyle const& value);
};

/// Whether lower-case letters are set as small capitals.
enum FontVariant : int { FontVariantNormal = 0, FontVariantSmallCaps = 1 };

inline constexpr KeywordEntry<FontVariant> kFontVariantKeywords[] = {
    {u"normal", FontVariantNormal}, {u"small-caps", FontVariantSmallCaps}};
template <>
inline constexpr KeywordTable<FontVariant> kKeywordTable<FontVariant>{.reads = kFontVariantKeywords,
                                                                      .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<FontVariant>{
    .name = "FontVariant",
    .summary = "font-variant: whether small letters are set as small capitals",
    .family = TypeFamily::Keyword};

/// The style of underline, overline and line-through lines.
enum TextLineStyle : int {
    TextLineStyleNone = 0,
    TextLineStyleSolid = 1,
    TextLineStyleDouble = 2,
    TextLineStyleDotted = 3,
    TextLineStyleDashed = 4,
    TextLineStyleDotDash = 5,
    TextLineStyleDotDotDash = 6
};

inline constexpr KeywordEntry<TextLineStyle> kTextLineStyleKeywords[] = {
    {u"none", TextLineStyleNone},
    {u"solid", TextLineStyleSolid},
    {u"double", TextLineStyleDouble},
    {u"dotted", TextLineStyleDotted},
    {u"dashed", TextLineStyleDashed},
    {u"dot-dash", TextLineStyleDotDash},
    {u"dot-dot-dash", TextLineStyleDotDotDash}};
template <>
inline constexpr KeywordTable<TextLineStyle> kKeywordTable<TextLineStyle>{
    .reads = kTextLineStyleKeywords, .match = KeywordCase::Exact, .writes = kTextLineStyleKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<TextLineStyle>{
    .name = "TextLineStyle",
    .summary = "the style of underline, overline and line-through lines",
    .family = TypeFamily::Keyword};
/// Binds `TextLineStyle` to its keyword table, with a writer of its own that throws.
template <> struct ValueTraits<TextLineStyle> : KeywordTraits<TextLineStyle> {
    /// Throws for a number that no written entry names.
    XMLATTR_EXPORT static Core::String write(TextLineStyle const& value);
};

extern template class XMLATTR_EXPORT TXmlAttribute<FontWeight>;
extern template class XMLATTR_EXPORT TXmlAttribute<FontStyle>;
extern template class XMLATTR_EXPORT TXmlAttribute<FontVariant>;
extern template class XMLATTR_EXPORT TXmlAttribute<TextLineStyle>;

} // namespace Xml
