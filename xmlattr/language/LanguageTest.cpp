// Language: the code table's blocks, ends and gap, case folding, names, comparisons.
#include "xmlattr/language/Language.h"

#include <gtest/gtest.h>

#include <string>

namespace Xml {
namespace {

using namespace std::string_literals;

Language language(int id, int country = 0) {
    return Language(static_cast<Drawing::LanguageId>(id), static_cast<Drawing::CountryId>(country));
}

TEST(Language, ReadsCodesInEitherCaseAndRejectsNearMisses) {
    // clang-format off
    struct { std::u16string text; int language; int country; } const rows[] = { // 9, 2: rejected
        {u"none", 3, 0}, {u"CZE", 1, 0}, {u"DaN", 2, 0}, {u"En", 3, 0},  {u"en-US", 3, 1},
        {u"en-gb", 3, 2}, {u"EN-AU", 3, 3}, {u"eng", 3, 0}, {u"Ru", 6, 0}, {u"aa", 11, 0},
        {u"ga", 40, 0}, {u"GL", 42, 0}, {u"zU", 139, 0},
        {u"en-ca", 9, 2}, {u"en_us", 9, 2}, {u" en", 9, 2}, {u"en ", 9, 2}, {u"english", 9, 2},
        {u"", 9, 2}, {u"e", 9, 2}, {u"zz", 9, 2}, {u"\u0130t", 9, 2},
        // Only ASCII letters fold: the Kelvin sign is no "k"; a surrogate is no letter.
        {u"\u212Am", 9, 2}, {u"e\xD800", 9, 2},
        // A NUL is no terminator; a text of any length is no code.
        {u"en\0"s, 9, 2}, {u"e\0n"s, 9, 2}, {u"en-us\0"s, 9, 2}, {std::u16string(100000, u'e'), 9, 2},
    };
    // clang-format on
    for (auto const& row : rows) {
        Core::String const text{std::u16string_view(row.text)};
        SCOPED_TRACE(text.toUtf8().substr(0, 20));
        TXmlAttribute<Language> attribute(language(9, 2));
        EXPECT_EQ(attribute.parseValue(text), row.language != 9);
        EXPECT_EQ(attribute->getLanguageId(), row.language);
        EXPECT_EQ(attribute->getCountryId(), row.country);
    }
}

TEST(Language, Names) {
    // clang-format off
    struct { int id; char16_t const* name; } const rows[] = {
        {1, u"czech"}, {10, u"polish"}, {11, u"afar"}, {40, u"irish"}, {42, u"galician"},
        {94, u"rhaeto_romance"}, {114, u"tami"}, {139, u"zulu"},
        {0, u"english"}, {41, u"english"}, {140, u"english"}, {-1, u"english"}};
    // clang-format on
    for (auto const& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(Language::getFullLanguageNameById(static_cast<Drawing::LanguageId>(row.id)),
                  Core::String(row.name));
    }
}

TEST(Language, EqualityIgnoresTheCountryOrderDoesNot) {
    EXPECT_TRUE(TXmlAttribute<Language>(language(3, 1)) == language(3, 2));
    EXPECT_TRUE(language(3, 1) < language(3, 2));
    EXPECT_FALSE(language(3, 2) < language(3, 1));
    EXPECT_TRUE(language(2, 3) < language(3, 0));
}

} // namespace
} // namespace Xml
