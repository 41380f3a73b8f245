// Xml::Url: a reference, written bare or wrapped in "url(" and ")", with its attribute.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// The reference text, without the "url(" and ")" wrapper.
class XMLATTR_EXPORT Url {
public:
    Url() = default;
    /// Holds `url` as the reference, unwrapped and unchecked.
    Url(Core::String const& url) : m_url(url) {}
    /// Copies share nothing but the text.
    ///@{
    Url(Url const& other) = default;
    ~Url();
    Url& operator=(Url const& other) = default;
    ///@}

    /// Exact, case-sensitive.
    bool operator==(Url const& other) const noexcept { return m_url.compare(other.m_url) == 0; }
    /// The negation of `==`.
    bool operator!=(Url const& other) const noexcept { return !(*this == other); }

    /// The reference, without "url(" and ")".
    Core::String const& getUrl() const noexcept { return m_url; }

    /// A text longer than three code units that starts with "url" is a wrapped reference:
    /// what follows the first "(" up to its closing quote if it is quoted, else up to the last
    /// ")" (or the end, where there is none), without the blanks, apostrophes and quotation
    /// marks next to either end; what follows is ignored. It is rejected when no "(" is
    /// followed by anything. Every other text, "url" itself and "URL(a)" included,
    /// is the reference as it stands. On false `out` is untouched. Never throws for text.
    [[nodiscard]] static bool parseUrl(Url& out, Core::String const& text);
    /// "url(" + the reference + ")", without quoting or escaping.
    static Core::String getValueAsString(Url const& value);

private:
    Core::String m_url;
};

/// Binds references to `Url::parseUrl` and `Url::getValueAsString`.
template <> struct ValueTraits<Url> {
    /// `Url::parseUrl`.
    [[nodiscard]] static bool parse(Url& value, Core::String const& text) {
        return Url::parseUrl(value, text);
    }
    /// `Url::getValueAsString`.
    static Core::String write(Url const& value) { return Url::getValueAsString(value); }
};

template <>
inline constexpr TypeDescription kTypeDescription<Url>{
    .name = "Url",
    .summary = "reference, bare or wrapped in \"url(\" and \")\" (\"url('a.png')\")",
    .family = TypeFamily::Text};

extern template class XMLATTR_EXPORT TXmlAttribute<Url>;

} // namespace Xml
