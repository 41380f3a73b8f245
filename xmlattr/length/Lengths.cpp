// Length and SLength: unit tables, readers, pixel conversion and the length writer.
#include "xmlattr/length/LengthAttribute.h"

#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/platform/Exception.h"
#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/platform/detail/NumberScan.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <ostream>
#include <string_view>

namespace Xml {

template class TXmlAttribute<Length>;
template class TXmlAttribute<SLength>;

namespace {

// The locations the interface promises for the impossible states of this file: a source name
// and lines of the engine it describes, not this file's name or lines.
constexpr char16_t const* kFile = u"LengthAttribute";
constexpr int kLengthWriterLine = 129;
constexpr int kLengthPxSizeLine = 156;
constexpr int kSLengthPxSizeLine = 299;

struct LayoutProbe {
    std::int32_t unit;
    float size;
};
static_assert(sizeof(Length) == 8 && sizeof(SLength) == 8 && sizeof(Length::Unit) == 4 &&
              sizeof(SLength::Unit) == 4);
static_assert(std::bit_cast<LayoutProbe>(Length(1.5f, Length::UnitPc)).unit == 2 &&
              std::bit_cast<LayoutProbe>(Length(1.5f, Length::UnitPc)).size == 1.5f);
static_assert(std::bit_cast<LayoutProbe>(SLength(2.5f, SLength::UnitPercent)).unit == 9 &&
              std::bit_cast<LayoutProbe>(SLength(2.5f, SLength::UnitPercent)).size == 2.5f);
static_assert(sizeof(TXmlAttribute<Length>) == sizeof(void*) + sizeof(Length));

enum class Scale { Absolute, FontRelative, Zero, Fraction };

// Pixels are size × factor × 96 ÷ divisor, evaluated left to right in single
// precision, so that every unit rounds exactly as its own formula does.
struct UnitRule {
    int unit;
    std::u16string_view suffix;
    float factor;
    float divisor;
    Scale scale;
};

// clang-format off
// Indexed by Length::Unit.
constexpr UnitRule kLengthUnits[] = {
    {Length::UnitPx, u"px",  1.0f, 96.0f, Scale::Absolute},
    {Length::UnitPt, u"pt",  1.0f, 72.0f, Scale::Absolute},
    {Length::UnitPc, u"pc", 12.0f, 72.0f, Scale::Absolute},
    {Length::UnitCm, u"cm",  1.0f, 2.54f, Scale::Absolute},
    {Length::UnitMm, u"mm",  1.0f, 25.4f, Scale::Absolute},
    {Length::UnitIn, u"in",  1.0f,  1.0f, Scale::Absolute},
    {Length::UnitEm, u"em",  0.0f,  1.0f, Scale::FontRelative},
    {Length::UnitEx, u"ex",  0.0f,  1.0f, Scale::FontRelative},
};
// Indexed by SLength::Unit. Pixels read from no suffix of their own: every suffix
// not listed here, "px" among them, is a pixel length.
constexpr UnitRule kSLengthUnits[] = {
    {SLength::UnitPx,      u"",     1.0f, 96.0f, Scale::Absolute},
    {SLength::UnitPt,      u"pt",   1.0f, 72.0f, Scale::Absolute},
    {SLength::UnitUnused,  u"",     0.0f,  1.0f, Scale::Zero},
    {SLength::UnitCm,      u"cm",   1.0f, 2.54f, Scale::Absolute},
    {SLength::UnitMm,      u"mm",   1.0f, 25.4f, Scale::Absolute},
    {SLength::UnitIn,      u"in",   1.0f,  1.0f, Scale::Absolute},
    {SLength::UnitEm,      u"em",   0.0f,  1.0f, Scale::FontRelative},
    {SLength::UnitEx,      u"ex",   0.0f,  1.0f, Scale::FontRelative},
    {SLength::UnitPc,      u"pc",  12.0f, 72.0f, Scale::Absolute},
    {SLength::UnitPercent, u"",     0.0f,  1.0f, Scale::Fraction},
};
// clang-format on
static_assert(std::size(kLengthUnits) == Length::UnitEx + 1 &&
              detail::indexedInOrder(kLengthUnits, &UnitRule::unit));
static_assert(std::size(kSLengthUnits) == SLength::UnitPercent + 1 &&
              detail::indexedInOrder(kSLengthUnits, &UnitRule::unit));

template <class Unit, std::size_t N>
[[nodiscard]] bool findUnit(UnitRule const (&rules)[N], std::u16string_view suffix,
                            Unit& unit) noexcept {
    for (std::size_t i = 0; i < N; ++i) {
        if (!rules[i].suffix.empty() && rules[i].suffix == suffix) {
            unit = static_cast<Unit>(i);
            return true;
        }
    }
    return false;
}

template <std::size_t N> UnitRule const* ruleOf(UnitRule const (&rules)[N], int unit) noexcept {
    return unit >= 0 && static_cast<std::size_t>(unit) < N ? &rules[unit] : nullptr;
}

template <std::size_t N>
float toPixels(UnitRule const (&rules)[N], int unit, float size, int fontRelativeLine) {
    UnitRule const* rule = ruleOf(rules, unit);
    if (rule == nullptr) {
        return 0.0f;
    }
    switch (rule->scale) {
    case Scale::Absolute:
        return size * rule->factor * 96.0f / rule->divisor;
    case Scale::Fraction:
        return size;
    case Scale::Zero:
        return 0.0f;
    case Scale::FontRelative:
        break;
    }
    Core::throwWithLocation<Core::UnreacheableCodeException>(kFile, fontRelativeLine);
}

} // namespace

namespace detail {

bool readLength(std::u16string_view text, Length& out) noexcept {
    if (text.empty() || !Core::detail::beginsNumber(text.front())) {
        return false;
    }
    if (text.size() < 3) {
        // The one unitless length: zero needs no unit.
        if (text == u"0") {
            out = Length(0.0f, Length::UnitPt);
            return true;
        }
        return false;
    }
    Length::Unit unit = Length::UnitPx;
    if (!findUnit(kLengthUnits, lastTwo(text), unit)) {
        return false;
    }
    float number = 0.0f;
    if (!readWholeNumber(allButLast(text, 2), number)) {
        return false;
    }
    out = Length(number, unit);
    return true;
}

bool readSLength(std::u16string_view text, SLength& out) noexcept {
    if (text.empty()) {
        return false;
    }
    if (text.size() > 1 && text.back() == u'%') {
        float percent = 0.0f;
        if (!readWholeNumber(allButLast(text, 1), percent)) {
            return false;
        }
        out = SLength(fractionOf(percent), SLength::UnitPercent);
        return true;
    }
    if (text.size() <= 2 && !Core::String::isDigit(text.back())) {
        return false;
    }
    bool const hasUnit = text.size() > 2 && isUnitPair(lastTwo(text));
    float number = 0.0f;
    if (!readWholeNumber(hasUnit ? allButLast(text, 2) : text, number)) {
        return false;
    }
    out = SLength(number, hasUnit ? slengthUnit(lastTwo(text)) : SLength::UnitPx);
    return true;
}

bool readWholeNumber(std::u16string_view text, float& out) noexcept {
    // The cursor's scan is inline and says where the number ends: only white space may follow.
    Core::detail::Cursor cursor(text);
    cursor.skipSpace();
    float number = 0.0f;
    if (!cursor.number(number)) {
        return false;
    }
    cursor.skipSpace();
    if (!cursor.atEnd()) {
        return false;
    }
    out = number;
    return true;
}

float clampedNumber(std::u16string_view text) noexcept {
    float const number = Core::Format::parseFloat(text);
    return std::isfinite(number) ? number
                                 : std::copysign(std::numeric_limits<float>::max(), number);
}

void appendLength(Core::detail::TextSink& text, Length const& value) {
    UnitRule const* rule = ruleOf(kLengthUnits, value.getUnit());
    if (rule == nullptr) {
        Core::throwWithLocation<Core::UnreacheableCodeException>(kFile, kLengthWriterLine);
    }
    text.append(value.getSize());
    text.append(rule->suffix);
}

void appendSLength(Core::detail::TextSink& text, SLength const& value) {
    UnitRule const* const rule = ruleOf(kSLengthUnits, value.getUnit());
    if (rule != nullptr && rule->scale == Scale::Fraction) {
        appendPercent(text, value.getSize());
        return;
    }
    text.append(value.getSize());
    if (rule != nullptr) {
        text.append(rule->suffix);
    }
}

bool findLengthUnit(std::u16string_view suffix, Length::Unit& unit) noexcept {
    return findUnit(kLengthUnits, suffix, unit);
}

SLength::Unit slengthUnit(std::u16string_view suffix) noexcept {
    SLength::Unit unit = SLength::UnitPx;
    (void)findUnit(kSLengthUnits, suffix, unit);
    return unit;
}

} // namespace detail

float Length::pxSize() const { return toPixels(kLengthUnits, m_unit, m_size, kLengthPxSizeLine); }

bool Length::parseLength(Length& out, Core::String const& text) noexcept {
    return detail::readLength(text, out);
}

Core::String Length::getValueAsString(Length const& value) {
    return Core::detail::writeText(
        [&value](Core::detail::TextSink& text) { detail::appendLength(text, value); });
}

float SLength::pxSize() const {
    return toPixels(kSLengthUnits, m_unit, m_size, kSLengthPxSizeLine);
}

bool SLength::parseSLength(SLength& out, Core::String const& text) noexcept {
    return detail::readSLength(text, out);
}

namespace {

// Shows a value for a log line or a failed test: it never throws, whatever the unit.
template <std::size_t N>
std::ostream& show(std::ostream& out, UnitRule const (&rules)[N], int unit, float size) {
    UnitRule const* rule = ruleOf(rules, unit);
    if (rule != nullptr && rule->scale == Scale::Fraction) {
        return out << Core::detail::writeText(
                   [size](Core::detail::TextSink& text) { detail::appendPercent(text, size); });
    }
    out << Core::Format::toString(size);
    if (rule == nullptr || rule->scale == Scale::Zero) {
        return out << "(unit " << unit << ')';
    }
    return out << (rule->suffix.empty() ? Core::String(u"px") : Core::String(rule->suffix));
}

} // namespace

std::ostream& operator<<(std::ostream& out, Length const& value) {
    return show(out, kLengthUnits, value.getUnit(), value.getSize());
}

std::ostream& operator<<(std::ostream& out, SLength const& value) {
    return show(out, kSLengthUnits, value.getUnit(), value.getSize());
}

} // namespace Xml
