// Fields of a language.
#include "Describe.h"

#include <array>
#include <string_view>

namespace Tool {

namespace {

constexpr std::array<std::string_view, 4> kCountries = {"", "United States", "Great Britain",
                                                        "Australia"};
static_assert(Drawing::CountryAustralia == kCountries.size() - 1);

} // namespace

void describe(Fields& out, Xml::Language const& value) {
    Drawing::LanguageId const language = value.getLanguageId();
    // The library names every other number "english"; no language has no name.
    out.enumerator("languageId",
                   language == Drawing::LanguageNone
                       ? std::string()
                       : Xml::Language::getFullLanguageNameById(language).toUtf8(),
                   language);
    int const country = value.getCountryId();
    out.enumerator("countryId",
                   country >= 0 && static_cast<std::size_t>(country) < kCountries.size()
                       ? kCountries[static_cast<std::size_t>(country)]
                       : std::string_view(),
                   country);
}

} // namespace Tool
