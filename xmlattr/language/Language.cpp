// Language: the code table read by the parser and the name table indexed by language.
#include "xmlattr/language/Language.h"

#include <cstddef>
#include <iterator>
#include <string_view>

namespace Xml {

template class TXmlAttribute<Language>;

namespace {

using namespace Drawing;

struct CodeEntry {
    std::u16string_view code;
    LanguageId language;
    CountryId country;
};

// Read before the two-letter codes of the language table; "none" is English.
// clang-format off
constexpr CodeEntry kFirstCodes[] = {
    {u"none", LanguageEnglish, CountryNone},
    {u"cs", LanguageCzech, CountryNone},     {u"cze", LanguageCzech, CountryNone},
    {u"de", LanguageGerman, CountryNone},
    {u"da", LanguageDanish, CountryNone},    {u"dan", LanguageDanish, CountryNone},
    {u"en", LanguageEnglish, CountryNone},
    {u"en-us", LanguageEnglish, CountryUnitedStates},
    {u"en-gb", LanguageEnglish, CountryGreatBritain},
    {u"en-au", LanguageEnglish, CountryAustralia},
    {u"eng", LanguageEnglish, CountryNone},
    {u"ro", LanguageRomanian, CountryNone},  {u"es", LanguageSpanish, CountryNone},
    {u"fr", LanguageFrench, CountryNone},    {u"it", LanguageItalian, CountryNone},
    {u"pl", LanguagePolish, CountryNone},    {u"ru", LanguageRussian, CountryNone},
};
// clang-format on

struct LanguageEntry {
    std::u16string_view
        code; // empty where the language is read from the codes above, or not at all
    std::u16string_view name; // empty where the number names no language
};

// Indexed by LanguageId. Other components key on these spellings: keep them as they are.
// clang-format off
constexpr LanguageEntry kLanguages[] = {
    /*   0 */ {u"", u""},
    /*   1 */ {u"", u"czech"},            {u"", u"danish"},           {u"", u"english"},
    /*   4 */ {u"", u"romanian"},         {u"", u"french"},           {u"", u"russian"},
    /*   7 */ {u"", u"german"},           {u"", u"spanish"},          {u"", u"italian"},
    /*  10 */ {u"", u"polish"},
    /*  11 */ {u"aa", u"afar"},           {u"ab", u"abkhazian"},      {u"af", u"afrikaans"},
    /*  14 */ {u"am", u"amharic"},        {u"ar", u"arabic"},         {u"as", u"assamese"},
    /*  17 */ {u"ay", u"aymara"},         {u"az", u"azerbaijani"},    {u"ba", u"bashkir"},
    /*  20 */ {u"be", u"byelorussian"},   {u"bg", u"bulgarian"},      {u"bh", u"bihari"},
    /*  23 */ {u"bi", u"bislama"},        {u"bn", u"bengali"},        {u"bo", u"tibetan"},
    /*  26 */ {u"br", u"breton"},         {u"ca", u"catalan"},        {u"co", u"corsican"},
    /*  29 */ {u"cy", u"welsh"},          {u"dz", u"bhutani"},        {u"el", u"greek"},
    /*  32 */ {u"eo", u"esperanto"},      {u"et", u"estonian"},       {u"eu", u"basque"},
    /*  35 */ {u"fa", u"persian"},        {u"fi", u"finnish"},        {u"fj", u"fiji"},
    /*  38 */ {u"fo", u"faroese"},        {u"fy", u"frisian"},        {u"ga", u"irish"},
    /*  41 */ {u"", u""},                 {u"gl", u"galician"},       {u"gn", u"guarani"},
    /*  44 */ {u"gu", u"gujarati"},       {u"ha", u"hausa"},          {u"he", u"hebrew"},
    /*  47 */ {u"hi", u"hindi"},          {u"hr", u"croatian"},       {u"hu", u"hungarian"},
    /*  50 */ {u"hy", u"armenian"},       {u"ia", u"interlingua"},    {u"id", u"indonesian"},
    /*  53 */ {u"ie", u"interlingue"},    {u"ik", u"inupiak"},        {u"is", u"icelandic"},
    /*  56 */ {u"iu", u"inuktitut"},      {u"ja", u"japanese"},       {u"jw", u"javanese"},
    /*  59 */ {u"ka", u"georgian"},       {u"kk", u"kazakh"},         {u"kl", u"greenlandic"},
    /*  62 */ {u"km", u"cambodian"},      {u"kn", u"kannada"},        {u"ko", u"korean"},
    /*  65 */ {u"ks", u"kashmiri"},       {u"ku", u"kurdish"},        {u"ky", u"kirghiz"},
    /*  68 */ {u"la", u"latin"},          {u"ln", u"lingala"},        {u"lo", u"laothian"},
    /*  71 */ {u"lt", u"lithuanian"},     {u"lv", u"latvian"},        {u"mg", u"malagasy"},
    /*  74 */ {u"mi", u"maori"},          {u"mk", u"macedonian"},     {u"ml", u"malayalam"},
    /*  77 */ {u"mn", u"mongolian"},      {u"mo", u"moldavian"},      {u"mr", u"marathi"},
    /*  80 */ {u"ms", u"malay"},          {u"mt", u"maltese"},        {u"my", u"burmese"},
    /*  83 */ {u"na", u"nauru"},          {u"ne", u"nepali"},         {u"nl", u"dutch"},
    /*  86 */ {u"no", u"norwegian"},      {u"oc", u"occitant"},       {u"om", u"oromot"},
    /*  89 */ {u"or", u"oriya"},          {u"pa", u"punjabi"},        {u"ps", u"pushto"},
    /*  92 */ {u"pt", u"portuguese"},     {u"qu", u"quechua"},        {u"rm", u"rhaeto_romance"},
    /*  95 */ {u"rn", u"kirundi"},        {u"rw", u"kinyarwanda"},    {u"sa", u"sanskrit"},
    /*  98 */ {u"sd", u"sindhi"},         {u"sg", u"sangho"},         {u"sh", u"serbo_croatian"},
    /* 101 */ {u"si", u"sinhalese"},      {u"sk", u"slovak"},         {u"sl", u"slovenian"},
    /* 104 */ {u"sm", u"samoan"},         {u"sn", u"shona"},          {u"so", u"somali"},
    /* 107 */ {u"sq", u"albanian"},       {u"sr", u"serbian"},        {u"ss", u"siswati"},
    /* 110 */ {u"st", u"sesotho"},        {u"su", u"sundanese"},      {u"sv", u"swedish"},
    /* 113 */ {u"sw", u"swahili"},        {u"ta", u"tami"},           {u"te", u"telugu"},
    /* 116 */ {u"tg", u"tajik"},          {u"th", u"thai"},           {u"ti", u"tigrinya"},
    /* 119 */ {u"tk", u"turkmen"},        {u"tl", u"tagalog"},        {u"tn", u"setswana"},
    /* 122 */ {u"to", u"tonga"},          {u"tr", u"turkish"},        {u"ts", u"tsonga"},
    /* 125 */ {u"tt", u"tatar"},          {u"tw", u"twi"},            {u"ug", u"uighur"},
    /* 128 */ {u"uk", u"ukrainian"},      {u"ur", u"urdu"},           {u"uz", u"uzbek"},
    /* 131 */ {u"vi", u"vietnamese"},     {u"vo", u"volapuk"},        {u"wo", u"wolof"},
    /* 134 */ {u"xh", u"xhosa"},          {u"yi", u"yiddish"},        {u"yo", u"yoruba"},
    /* 137 */ {u"za", u"zhuang"},         {u"zh", u"chinese"},        {u"zu", u"zulu"},
};
// clang-format on

constexpr int kFirstTwoLetterLanguage = 11;
constexpr int kLanguageWithoutCode = 41;

static_assert(std::size(kLanguages) == LanguageLast + 1);

// Codes exactly in the two-letter block, two letters each, rising with their numbers
// (the order they are read in); a name for every number but 0 and 41.
constexpr bool languageTableIsWellFormed() {
    std::u16string_view previous;
    for (int id = 0; id <= LanguageLast; ++id) {
        LanguageEntry const& entry = kLanguages[id];
        bool const hasCode = id >= kFirstTwoLetterLanguage && id != kLanguageWithoutCode;
        bool const hasName = id != 0 && id != kLanguageWithoutCode;
        if (entry.code.empty() == hasCode || entry.name.empty() == hasName) {
            return false;
        }
        if (hasCode && (entry.code.size() != 2 || entry.code <= previous)) {
            return false;
        }
        if (hasCode) {
            previous = entry.code;
        }
    }
    return true;
}
static_assert(languageTableIsWellFormed());

bool matches(Core::String const& text, std::u16string_view code) noexcept {
    return text.length() == static_cast<int>(code.size()) && text.compareNoCase(code) == 0;
}

} // namespace

Language::Language(LanguageId languageId, CountryId countryId) noexcept
    : m_languageId(languageId), m_countryId(countryId) {}

Language::Language(Language const& other) noexcept
    : Core::Object(other), m_languageId(other.m_languageId), m_countryId(other.m_countryId) {}

Language& Language::operator=(Language const& other) noexcept {
    Core::Object::operator=(other);
    m_languageId = other.m_languageId;
    m_countryId = other.m_countryId;
    return *this;
}

Language::~Language() = default;

bool Language::operator==(Language const& other) const noexcept {
    return m_languageId == other.m_languageId;
}

bool Language::operator<(Language const& other) const noexcept {
    if (m_languageId != other.m_languageId) {
        return m_languageId < other.m_languageId;
    }
    return m_countryId < other.m_countryId;
}

bool Language::parseLanguage(Core::String const& text, Language& out) noexcept {
    for (CodeEntry const& entry : kFirstCodes) {
        if (matches(text, entry.code)) {
            out.m_languageId = entry.language;
            out.m_countryId = entry.country;
            return true;
        }
    }
    if (text.length() != 2) {
        return false;
    }
    for (int id = kFirstTwoLetterLanguage; id <= LanguageLast; ++id) {
        if (!kLanguages[id].code.empty() && matches(text, kLanguages[id].code)) {
            out.m_languageId = static_cast<LanguageId>(id);
            out.m_countryId = CountryNone;
            return true;
        }
    }
    return false;
}

Core::String Language::getFullLanguageNameById(LanguageId id) {
    if (id < 0 || id > LanguageLast || kLanguages[id].name.empty()) {
        return Core::String(kLanguages[LanguageEnglish].name);
    }
    return Core::String(kLanguages[id].name);
}

} // namespace Xml
