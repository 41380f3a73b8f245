// Url: the reader of bare and wrapped references, and the writer.
#include "xmlattr/keywords/UrlAttribute.h"

#include <cstddef>
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
    std::size_t const open = whole.find(u'(');
    if (open == std::u16string_view::npos || open + 1 == whole.size()) {
        return false;
    }
    std::size_t start = open + 1;
    while (start < whole.size() && isQuoteOrSpace(whole[start])) {
        ++start;
    }
    std::size_t end = whole.find(u')', start);
    if (end == std::u16string_view::npos) {
        // Without a closing bracket the reference runs to the end, trailing blanks included.
        end = whole.size();
    } else {
        while (end > start && isQuoteOrSpace(whole[end - 1])) {
            --end;
        }
    }
    out.m_url = Core::String(whole.substr(start, end - start));
    return true;
}

Core::String Url::getValueAsString(Url const& value) {
    Core::String text;
    text.reserve(value.m_url.length() + 5);
    text.append(u"url(").append(value.m_url).append(u")");
    return text;
}

} // namespace Xml
