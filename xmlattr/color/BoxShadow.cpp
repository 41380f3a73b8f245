// BoxShadow: the walk over its blank-separated parts, copies and the text form.
#include "xmlattr/color/BoxShadow.h"

#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/platform/detail/Cursor.h"

#include <cstddef>
#include <iterator>
#include <string_view>
#include <utility>

namespace Xml {

template class TXmlAttribute<BoxShadow>;

namespace {

SmartPtr<Drawing::Color> cloneOf(SmartPtr<Drawing::Color> const& color) {
    return color ? color->clone() : SmartPtr<Drawing::Color>();
}

// The parts are separated by blanks (" " only, unlike the other lists); blanks in a row make
// no empty part.
constexpr bool isBlank(char16_t unit) noexcept { return unit == u' '; }

[[nodiscard]] bool nextPart(Core::detail::Cursor& cursor, std::u16string_view& part) noexcept {
    cursor.takeWhile(isBlank);
    part = cursor.takeWhile([](char16_t unit) { return !isBlank(unit); });
    return !part.empty();
}

} // namespace

BoxShadow::BoxShadow(Length const& dx, Length const& dy, Length const& blurRadius,
                     SmartPtr<Drawing::Color> color)
    : m_dx(dx), m_dy(dy), m_blurRadius(blurRadius), m_color(cloneOf(color)) {}

BoxShadow& BoxShadow::operator=(BoxShadow const& other) {
    SmartPtr<Drawing::Color> color = cloneOf(other.m_color);
    m_dx = other.m_dx;
    m_dy = other.m_dy;
    m_blurRadius = other.m_blurRadius;
    m_color = std::move(color);
    return *this;
}

bool BoxShadow::operator==(BoxShadow const& other) const noexcept {
    return m_dx == other.m_dx && m_dy == other.m_dy && m_blurRadius == other.m_blurRadius &&
           m_color == other.m_color;
}

bool BoxShadow::readFromString(Core::String const& text) {
    Core::detail::Cursor cursor(text);
    std::u16string_view part;
    if (!nextPart(cursor, part)) {
        return false;
    }
    Length* const lengths[] = {&m_dx, &m_dy, &m_blurRadius};
    std::size_t lengthsRead = 0;
    bool colorRead = false;
    do {
        Length length;
        if (lengthsRead < std::size(lengths) && detail::readLength(part, length)) {
            *lengths[lengthsRead++] = length;
            continue;
        }
        SmartPtr<Drawing::Color> color;
        if (colorRead || !detail::readColor(part, color)) {
            break;
        }
        colorRead = true;
        // The colour was made by this walk and nobody else holds it: keeping it is
        // keeping a clone. No colour ("none") leaves the shadow's own colour.
        if (color) {
            m_color = std::move(color);
        }
    } while (nextPart(cursor, part));
    return true;
}

bool ValueTraits<BoxShadow>::parse(BoxShadow& value, Core::String const& text) {
    BoxShadow read;
    if (!read.readFromString(text)) {
        return false;
    }
    // What is read is fresh, so taking its colour is assigning a clone of it.
    value.m_dx = read.m_dx;
    value.m_dy = read.m_dy;
    value.m_blurRadius = read.m_blurRadius;
    value.m_color = std::move(read.m_color);
    return true;
}

Core::String ValueTraits<BoxShadow>::write(BoxShadow const& value) {
    return Core::detail::writeText([&value](Core::detail::TextSink& text) {
        for (Length const& length : {value.m_dx, value.m_dy, value.m_blurRadius}) {
            detail::appendLength(text, length);
            text.append(u' ');
        }
        if (value.m_color) {
            detail::appendColor(text, *value.m_color);
        }
    });
}

} // namespace Xml
