// Keywords of barcodes: symbology, Data Matrix encodation and size, Code 128 code set.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"

namespace Xml {

/// The symbology.
enum BarcodeType : int {
    BarcodeTypeAuto = 0,
    BarcodeTypeUPCE = 1,
    BarcodeTypeEAN8 = 2,
    BarcodeTypeUPCA = 3,
    BarcodeTypeEAN13 = 4,
    BarcodeTypeDataMatrix = 5,
    BarcodeType3of9 = 6,
    BarcodeType2of5 = 7,
    BarcodeTypePostnet = 8,
    BarcodeTypePlanet = 9,
    BarcodeTypeCode128 = 10,
    BarcodeTypeCode128Raw = 11,
    BarcodeTypeCode128UCC = 12,
    BarcodeTypeOMR = 13,
    BarcodeTypePdf417 = 14
};

inline constexpr KeywordEntry<BarcodeType> kBarcodeTypeKeywords[] = {
    {u"Auto", BarcodeTypeAuto},
    {u"UPC-E", BarcodeTypeUPCE},
    {u"EAN-8", BarcodeTypeEAN8},
    {u"UPC-A", BarcodeTypeUPCA},
    {u"EAN-13", BarcodeTypeEAN13},
    {u"DataMatrix", BarcodeTypeDataMatrix},
    {u"3of9", BarcodeType3of9},
    {u"2of5", BarcodeType2of5},
    {u"Postnet", BarcodeTypePostnet},
    {u"Planet", BarcodeTypePlanet},
    {u"Code128", BarcodeTypeCode128},
    {u"Code128Raw", BarcodeTypeCode128Raw},
    {u"Code128UCC", BarcodeTypeCode128UCC},
    {u"OMR", BarcodeTypeOMR},
    {u"Pdf417", BarcodeTypePdf417}};
template <>
inline constexpr KeywordTable<BarcodeType> kKeywordTable<BarcodeType>{
    .reads = kBarcodeTypeKeywords, .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<BarcodeType>{
    .name = "BarcodeType", .summary = "the symbology of a barcode", .family = TypeFamily::Keyword};

/// The Data Matrix encodation.
enum DMEncoding : int {
    DMEncodingASCII = 0,
    DMEncodingC40 = 1,
    DMEncodingTEXT = 2,
    DMEncodingBASE256 = 3,
    DMEncodingNONE = 4,
    DMEncodingAUTO = 5
};

inline constexpr KeywordEntry<DMEncoding> kDMEncodingKeywords[] = {
    {u"ASCII", DMEncodingASCII},     {u"C40", DMEncodingC40},   {u"TEXT", DMEncodingTEXT},
    {u"BASE256", DMEncodingBASE256}, {u"NONE", DMEncodingNONE}, {u"AUTO", DMEncodingAUTO}};
template <>
inline constexpr KeywordTable<DMEncoding> kKeywordTable<DMEncoding>{.reads = kDMEncodingKeywords,
                                                                    .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<DMEncoding>{
    .name = "DMEncoding",
    .summary = "the encodation of a Data Matrix barcode",
    .family = TypeFamily::Keyword};

/// The Data Matrix symbol size, rows by columns: the square ECC 200 sizes in increasing order, then
/// the rectangular ones.
enum DMFormat : int {
    DMFormatAUTO = -1,
    DMFormatC10X10 = 0,
    DMFormatC12X12 = 1,
    DMFormatC14X14 = 2,
    DMFormatC16X16 = 3,
    DMFormatC18X18 = 4,
    DMFormatC20X20 = 5,
    DMFormatC22X22 = 6,
    DMFormatC24X24 = 7,
    DMFormatC26X26 = 8,
    DMFormatC32X32 = 9,
    DMFormatC36X36 = 10,
    DMFormatC40X40 = 11,
    DMFormatC44X44 = 12,
    DMFormatC48X48 = 13,
    DMFormatC52X52 = 14,
    DMFormatC64X64 = 15,
    DMFormatC72X72 = 16,
    DMFormatC80X80 = 17,
    DMFormatC88X88 = 18,
    DMFormatC96X96 = 19,
    DMFormatC104X104 = 20,
    DMFormatC120X120 = 21,
    DMFormatC132X132 = 22,
    DMFormatC144X144 = 23,
    DMFormatC8X18 = 24,
    DMFormatC8X32 = 25,
    DMFormatC12X26 = 26,
    DMFormatC12X36 = 27,
    DMFormatC16X36 = 28,
    DMFormatC16X48 = 29
};

inline constexpr KeywordEntry<DMFormat> kDMFormatKeywords[] = {
    {u"AUTO", DMFormatAUTO},         {u"C10X10", DMFormatC10X10},
    {u"C12X12", DMFormatC12X12},     {u"C14X14", DMFormatC14X14},
    {u"C16X16", DMFormatC16X16},     {u"C18X18", DMFormatC18X18},
    {u"C20X20", DMFormatC20X20},     {u"C22X22", DMFormatC22X22},
    {u"C24X24", DMFormatC24X24},     {u"C26X26", DMFormatC26X26},
    {u"C32X32", DMFormatC32X32},     {u"C36X36", DMFormatC36X36},
    {u"C40X40", DMFormatC40X40},     {u"C44X44", DMFormatC44X44},
    {u"C48X48", DMFormatC48X48},     {u"C52X52", DMFormatC52X52},
    {u"C64X64", DMFormatC64X64},     {u"C72X72", DMFormatC72X72},
    {u"C80X80", DMFormatC80X80},     {u"C88X88", DMFormatC88X88},
    {u"C96X96", DMFormatC96X96},     {u"C104X104", DMFormatC104X104},
    {u"C120X120", DMFormatC120X120}, {u"C132X132", DMFormatC132X132},
    {u"C144X144", DMFormatC144X144}, {u"C8X18", DMFormatC8X18},
    {u"C8X32", DMFormatC8X32},       {u"C12X26", DMFormatC12X26},
    {u"C12X36", DMFormatC12X36},     {u"C16X36", DMFormatC16X36},
    {u"C16X48", DMFormatC16X48}};
template <>
inline constexpr KeywordTable<DMFormat> kKeywordTable<DMFormat>{.reads = kDMFormatKeywords,
                                                                .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<DMFormat>{
    .name = "DMFormat",
    .summary = "the symbol size of a Data Matrix barcode, rows by columns",
    .family = TypeFamily::Keyword};

/// The Code 128 code set.
enum Code128CodeSet : int { Code128CodeSetA = 0, Code128CodeSetB = 1, Code128CodeSetC = 2 };

inline constexpr KeywordEntry<Code128CodeSet> kCode128CodeSetKeywords[] = {
    {u"CodeSetA", Code128CodeSetA}, {u"CodeSetB", Code128CodeSetB}, {u"CodeSetC", Code128CodeSetC}};
template <>
inline constexpr KeywordTable<Code128CodeSet> kKeywordTable<Code128CodeSet>{
    .reads = kCode128CodeSetKeywords, .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<Code128CodeSet>{
    .name = "Code128CodeSet",
    .summary = "the code set of a Code 128 barcode",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<BarcodeType>;
extern template class XMLATTR_EXPORT TXmlAttribute<DMEncoding>;
extern template class XMLATTR_EXPORT TXmlAttribute<DMFormat>;
extern template class XMLATTR_EXPORT TXmlAttribute<Code128CodeSet>;

} // namespace Xml
