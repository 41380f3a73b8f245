// Keywords of output: AFP text encoding, 3D lighting, PDF conformance.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"

namespace Xml {

/// The text encoding of AFP output.
enum AFPEncoding : int { AFPEncodingASCII = 0, AFPEncodingEBCDIC = 1, AFPEncodingUTF16 = 2 };

inline constexpr KeywordEntry<AFPEncoding> kAFPEncodingKeywords[] = {
    {u"ASCII", AFPEncodingASCII}, {u"EBCDIC", AFPEncodingEBCDIC}, {u"UTF-16", AFPEncodingUTF16}};
template <>
inline constexpr KeywordTable<AFPEncoding> kKeywordTable<AFPEncoding>{
    .reads = kAFPEncodingKeywords, .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<AFPEncoding>{
    .name = "AFPEncoding",
    .summary = "the text encoding of AFP output",
    .family = TypeFamily::Keyword};

/// The lighting of embedded 3D artwork.
enum LightingScheme : int {
    LightingSchemeArtwork = 0,
    LightingSchemeNone = 1,
    LightingSchemeWhite = 2,
    LightingSchemeDay = 3,
    LightingSchemeNight = 4,
    LightingSchemeHard = 5,
    LightingSchemePrimary = 6,
    LightingSchemeBlue = 7,
    LightingSchemeRed = 8,
    LightingSchemeCube = 9,
    LightingSchemeCad = 10,
    LightingSchemeHeadlamp = 11
};

inline constexpr KeywordEntry<LightingScheme> kLightingSchemeKeywords[] = {
    {u"artwork", LightingSchemeArtwork}, {u"none", LightingSchemeNone},
    {u"white", LightingSchemeWhite},     {u"day", LightingSchemeDay},
    {u"night", LightingSchemeNight},     {u"hard", LightingSchemeHard},
    {u"primary", LightingSchemePrimary}, {u"blue", LightingSchemeBlue},
    {u"red", LightingSchemeRed},         {u"cube", LightingSchemeCube},
    {u"cad", LightingSchemeCad},         {u"headlamp", LightingSchemeHeadlamp}};
template <>
inline constexpr KeywordTable<LightingScheme> kKeywordTable<LightingScheme>{
    .reads = kLightingSchemeKeywords, .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<LightingScheme>{
    .name = "LightingScheme",
    .summary = "the lighting of embedded 3D artwork",
    .family = TypeFamily::Keyword,
    .exported = false};

/// The PDF standard the output conforms to.
enum PDFConformance : int {
    PDFConformanceDefault = 0,
    PDFConformancePDFX1a2003 = 1,
    PDFConformancePDFA1a2005 = 2,
    PDFConformancePDFA1b2005 = 3
};

inline constexpr KeywordEntry<PDFConformance> kPDFConformanceKeywords[] = {
    {u"Default", PDFConformanceDefault},
    {u"PDF/X-1a:2003", PDFConformancePDFX1a2003},
    {u"PDF/A-1a:2005", PDFConformancePDFA1a2005},
    {u"PDF/A-1b:2005", PDFConformancePDFA1b2005}};
template <>
inline constexpr KeywordTable<PDFConformance> kKeywordTable<PDFConformance>{
    .reads = kPDFConformanceKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<PDFConformance>{
    .name = "PDFConformance",
    .summary = "the PDF standard the output conforms to",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<AFPEncoding>;
extern template class XMLATTR_EXPORT TXmlAttribute<PDFConformance>;

} // namespace Xml
