// SColor and SNullableColor: paint server references and plain colours.
#include "xmlattr/color/SColor.h"
#include "xmlattr/color/SNullableColor.h"

#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/platform/detail/Cursor.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace Xml {

template class TXmlAttribute<SColor>;
template class TXmlAttribute<SNullableColor>;

namespace {

// The "#id" of "url(#id)": the "#" must open the parentheses, blanks aside, since only
// references into the same document are taken ("url(other.svg#id)" is not one). The
// reference ends at a blank, at ")" or at the end of the text.
[[nodiscard]] bool readLocalReference(std::u16string_view text, std::u16string_view& out) noexcept {
    Core::detail::Cursor cursor(text);
    if (!cursor.openFunction()) {
        return false;
    }
    cursor.skipSpace();
    if (cursor.peek() != u'#') {
        return false;
    }
    out = cursor.takeWhile(
        [](char16_t unit) { return unit != u')' && !Core::String::isSpace(unit); });
    return true;
}

} // namespace

SColor::SColor() noexcept : m_type(NoPaint) {
    static_assert(offsetof(SColor, m_type) < offsetof(SColor, m_color) &&
                  offsetof(SColor, m_color) < offsetof(SColor, m_url));
}

SColor::SColor(Core::String const& url) : m_type(UrlPaint), m_url(url) {}

SColor::SColor(SmartPtr<Drawing::Color> color) noexcept
    : m_type(ColorPaint), m_color(std::move(color)) {}

bool SColor::operator==(SColor const& other) const noexcept {
    if (m_type != other.m_type) {
        return false;
    }
    switch (m_type) {
    case NoPaint:
        return true;
    case UrlPaint:
        return m_url.compare(other.m_url) == 0;
    case ColorPaint:
        return m_color == other.m_color;
    }
    return false;
}

bool SColor::parseSColor(SColor& out, Core::String const& text) {
    if (text.length() > 3 && text.startsWith(u"url")) {
        std::u16string_view reference;
        if (!readLocalReference(text, reference)) {
            return false;
        }
        out.m_type = UrlPaint;
        out.m_color = SmartPtr<Drawing::Color>();
        out.m_url = Core::String(reference);
        return true;
    }
    SmartPtr<Drawing::Color> color;
    if (!detail::readColor(text, color)) {
        return false;
    }
    out.m_type = color ? ColorPaint : NoPaint;
    out.m_color = std::move(color);
    out.m_url = Core::String();
    return true;
}

SNullableColor::SNullableColor(SmartPtr<Drawing::Color> color) noexcept
    : SColor(std::move(color)) {}

} // namespace Xml
