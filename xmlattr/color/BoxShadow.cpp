// BoxShadow: the walk over its blank-separated parts, copies and the text form.
#include "xmlattr/color/BoxShadow.h"

#include "xmlattr/color/detail/ColorText.h"
#include "xmlattr/length/detail/LengthText.h"

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

// The parts between blanks (" " only), in order; blanks in a row make no empty part.
class Parts {
public:
    explicit Parts(std::u16string_view text) noexcept : m_rest(text) {}

    [[nodiscard]] bool next(std::u16string_view& part) noexcept {
        std::size_t const start = m_rest.find_first_not_of(u' ');
        if (start == std::u16string_view::npos) {
            return false;
        }
        m_rest.remove_prefix(start);
        std::size_t const end = m_rest.find(u' ');
        part = m_rest.substr(0, end);
        m_rest.remove_prefix(part.size());
        return true;
    }

private:
    std::u16string_view m_rest;
};

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
    Parts parts(text);
    std::u16string_view part;
    if (!parts.next(part)) {
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
    } while (parts.next(part));
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
    Core::detail::ScalarTextSink text;
    for (Length const& length : {value.m_dx, value.m_dy, value.m_blurRadius}) {
        detail::appendLength(text, length);
        text.append(u' ');
    }
    if (value.m_color) {
        detail::appendColor(text, *value.m_color);
    }
    return text.take();
}

} // namespace Xml
