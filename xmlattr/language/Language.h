// Xml::Language: a language attribute's code read into the drawing library's language
// and country numbers, and the English names of those languages.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/DrawingTypes.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/Object.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// A language and its country variant, as the drawing library numbers them.
class XMLATTR_EXPORT Language : public Core::Object {
public:
    /// The language and country as given; no language by default.
    Language(Drawing::LanguageId languageId = Drawing::LanguageNone,
             Drawing::CountryId countryId = Drawing::CountryNone) noexcept;
    /// Copies both numbers; the reference count is not copied.
    Language(Language const& other) noexcept;
    /// Copies both numbers; the reference count is not copied.
    Language& operator=(Language const& other) noexcept;
    ~Language() override;

    /// The numbers of the drawing library, as read from the code.
    ///@{
    Drawing::LanguageId getLanguageId() const noexcept { return m_languageId; }
    Drawing::CountryId getCountryId() const noexcept { return m_countryId; }
    ///@}

    /// Same language, whatever the countries: "en-us" equals "en-gb".
    bool operator==(Language const& other) const noexcept;
    /// By language, then by country.
    bool operator<(Language const& other) const noexcept;

    /// Strict: the whole text, untrimmed, is one of the known codes ("en", "EN-US",
    /// "cze", "zu"), ASCII letters in either case. On false `out` is untouched.
    [[nodiscard]] static bool parseLanguage(Core::String const& text, Language& out) noexcept;
    /// The lower-case English name ("czech", "rhaeto_romance"); "english" for a number
    /// that names no language.
    static Core::String getFullLanguageNameById(Drawing::LanguageId id);

private:
    Drawing::LanguageId m_languageId;
    Drawing::CountryId m_countryId;
};

/// Binds languages to `Language::parseLanguage`; they have no text form.
template <> struct ValueTraits<Language> {
    /// `Language::parseLanguage` with the arguments in the traits' order.
    static bool parse(Language& value, Core::String const& text) {
        return Language::parseLanguage(text, value);
    }
};

template <>
inline constexpr TypeDescription kTypeDescription<Language>{
    .name = "Language",
    .summary = "language code, in any letter case (\"en\", \"EN-US\", \"cze\")",
    .family = TypeFamily::Language};

extern template class XMLATTR_EXPORT TXmlAttribute<Language>;

} // namespace Xml
