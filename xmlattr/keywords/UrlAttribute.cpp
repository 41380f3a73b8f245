// Url: the reader of bare and wrapped references, and the writer.
#include "xmlattr/keywords/UrlAttribute.h"

#include "xmlattr/platform/detail/Cursor.h"

#include <string_view>

namespace Xml {

template class TXmlAttribute<Url>;

namespace {

constexpr bool isQuoteOrSpace(char16_t unit) noexcept {
    return unit == u'\'' || unit == u'"' || Core::String::isSpace(unit);
}

} // namespace

Url::~Url() = default;

bool Url::parseUrl(Url& out, Core::String const& text) {
    std::u16string_view const whole = text.view();
    if (whole.size() <= 3 || !whole.starts_with(u"url")) {
        out.m_url = text;
        return true;
    }
    Core::detail::Cursor cursor(whole);
    if (!cursor.openFunction() || cursor.atEnd()) {
        return false;
    }
    cursor.skipSpace();
    char16_t const quote = cursor.peek();
    cursor.takeWhile(isQuoteOrSpace);
    std::u16string_view reference = cursor.rest();
    // A quoted reference ends at its closing quote, an unquoted one at the last ")": brackets
    // inside a reference are its own ("man:bash(1)", ".../A_(b)").
    std::size_t end = quote == u'\'' || quote == u'"' ? reference.find(quote) : reference.npos;
    if (end == reference.npos) {
        end = reference.rfind(u')');
    }
    // Without a closing bracket the reference runs to the end, trailing blanks included.
    if (end != reference.npos) {
        reference = reference.substr(0, end);
        while (!reference.empty() && isQuoteOrSpace(reference.back())) {
            reference.remove_suffix(1);
        }
    }
    out.m_url = Core::String(reference);
    return true;
}

Core::String Url::getValueAsString(Url const& value) {
    Core::String text;
    text.reserve(value.m_url.length() + 5);
    text.append(u"url(").append(value.m_url).append(u")");
    return text;
}

} // namespace Xml
