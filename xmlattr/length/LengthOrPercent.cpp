// LengthOrPercent, SLengthOrPercent and FloatOrPercent: readers, the percentage writer
// and pixels.
#include "xmlattr/length/LengthOrPercent.h"

#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/detail/NumberScan.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace Xml {

template class TXmlAttribute<LengthOrPercent>;
template class TXmlAttribute<SLengthOrPercent>;
template class TXmlAttribute<FloatOrPercent>;

namespace {

struct LayoutProbe {
    std::int32_t kind;
    std::int32_t unit;
    float size;
    float percent;
};
static_assert(sizeof(LengthOrPercent) == 16 && sizeof(SLengthOrPercent) == 16);
static_assert(std::bit_cast<LayoutProbe>(LengthOrPercent(Length(3.0f, Length::UnitCm))).kind == 1 &&
              std::bit_cast<LayoutProbe>(LengthOrPercent(Length(3.0f, Length::UnitCm))).unit == 3 &&
              std::bit_cast<LayoutProbe>(LengthOrPercent(Length(3.0f, Length::UnitCm))).size ==
                  3.0f);
static_assert(std::bit_cast<LayoutProbe>(LengthOrPercent(0.25f)).kind == 2 &&
              std::bit_cast<LayoutProbe>(LengthOrPercent(0.25f)).percent == 0.25f);
static_assert(sizeof(FloatOrPercent) == 4 && std::bit_cast<float>(FloatOrPercent()) == 1.0f);
static_assert(std::bit_cast<LayoutProbe>(SLengthOrPercent(2.0f, SLength::UnitPc)).unit == 8 &&
              std::bit_cast<LayoutProbe>(SLengthOrPercent(0.5f)).percent == 0.5f);

} // namespace

namespace detail {

bool readLengthOrPercent(std::u16string_view text, LengthOrPercent& out) noexcept {
    if (text.empty() || !Core::detail::beginsNumber(text.front())) {
        return false;
    }
    char16_t const last = text.back();
    float number = 0.0f;
    if (last == u'%') {
        if (!readWholeNumber(allButLast(text, 1), number)) {
            return false;
        }
        out = LengthOrPercent(fractionOf(number));
        return true;
    }
    if (last == u'.' || Core::String::isDigit(last)) {
        if (!readWholeNumber(text, number)) {
            return false;
        }
        out = LengthOrPercent(number);
        return true;
    }
    // "+" and "-" alone have no room for a unit. An unknown unit is pixels only where it is
    // two letters: any other pair would take the number's last digit with it ("12 " as 1px).
    Length::Unit unit = Length::UnitPx;
    if (text.size() < 2 || (!findLengthUnit(lastTwo(text), unit) && !isUnitPair(lastTwo(text))) ||
        !readWholeNumber(allButLast(text, 2), number)) {
        return false;
    }
    out = LengthOrPercent(Length(number, unit));
    return true;
}

bool readSLengthOrPercent(std::u16string_view text, SLengthOrPercent& out) noexcept {
    if (text.empty() || !Core::detail::beginsNumber(text.front())) {
        return false;
    }
    float number = 0.0f;
    if (text.size() > 1 && text.back() == u'%') {
        if (!readWholeNumber(allButLast(text, 1), number)) {
            return false;
        }
        out = SLengthOrPercent(fractionOf(number));
        return true;
    }
    bool const hasUnit = text.size() > 2 && isUnitPair(lastTwo(text));
    if (!readWholeNumber(hasUnit ? allButLast(text, 2) : text, number)) {
        return false;
    }
    out = SLengthOrPercent(number, hasUnit ? slengthUnit(lastTwo(text)) : SLength::UnitPx);
    return true;
}

float fractionOf(float percent) noexcept {
    return static_cast<float>(static_cast<double>(percent) / 100.0);
}

bool exactPercent(float fraction, float& percent) noexcept {
    // The shortest percentage that reads back to the same fraction: fraction × 100 in float
    // arithmetic would write the 1.2 of "120%" as "120.00001%" and "10%" as "9.999999%".
    if (!std::isfinite(static_cast<float>(static_cast<double>(fraction) * 100.0))) {
        return false;
    }
    for (int digits = 1; digits <= std::numeric_limits<float>::max_digits10; ++digits) {
        char buffer[32];
        std::to_chars_result const written =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(fraction) * 100.0,
                          std::chars_format::scientific, digits - 1);
        float candidate = 0;
        if (std::from_chars(buffer, written.ptr, candidate).ec == std::errc() &&
            fractionOf(candidate) == fraction) {
            percent = candidate;
            return true;
        }
    }
    return false;
}

void appendPercent(Core::detail::TextSink& text, float fraction) {
    float percent = static_cast<float>(static_cast<double>(fraction) * 100.0);
    (void)exactPercent(fraction, percent);
    text.format<u"{}%">(percent);
}

} // namespace detail

float LengthOrPercent::pxSize(float reference) const {
    return isPercent() ? reference * m_percent : m_length.pxSize();
}

float LengthOrPercent::getLengthPxSize() const { return m_length.pxSize(); }

bool LengthOrPercent::parseLengthOrPercent(LengthOrPercent& out,
                                           Core::String const& text) noexcept {
    return detail::readLengthOrPercent(text, out);
}

Core::String LengthOrPercent::getValueAsString(LengthOrPercent const& value) {
    if (value.isPercent()) {
        // A factor read from a plain number may have no percentage that reads back: too large
        // for a float ("1e37"), or between two fractions that division by 100 gives
        // ("2.9971614"). Written plain, it reads back.
        float percent = 0;
        if (!detail::exactPercent(value.m_percent, percent)) {
            return Core::Format::toString(value.m_percent);
        }
        return Core::detail::writeText(
            [percent](Core::detail::TextSink& text) { text.format<u"{}%">(percent); });
    }
    return Length::getValueAsString(value.m_length);
}

float SLengthOrPercent::pxSize(float reference) const {
    return isPercent() ? reference * m_percent : m_length.pxSize();
}

float SLengthOrPercent::getLengthPxSize() const { return m_length.pxSize(); }

bool SLength::parseSLengthOrPercent(SLengthOrPercent& out, Core::String const& text) noexcept {
    return detail::readSLengthOrPercent(text, out);
}

bool ValueTraits<FloatOrPercent>::parse(FloatOrPercent& value, Core::String const& text) {
    std::u16string_view const view = text;
    if (view.empty()) {
        return false;
    }
    value = view.back() == u'%'
                ? detail::fractionOf(detail::clampedNumber(detail::allButLast(view, 1)))
                : detail::clampedNumber(view);
    return true;
}

} // namespace Xml
