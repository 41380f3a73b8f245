// Fields of the lengths and the measures built on them.
#include "Describe.h"

#include <array>
#include <string_view>

namespace Tool {

namespace {

// Units by their text suffix, indexed by unit number.
constexpr std::array<std::string_view, 8> kLengthUnits = {"px", "pt", "pc", "cm",
                                                          "mm", "in", "em", "ex"};
static_assert(Xml::Length::UnitPc == 2 && Xml::Length::UnitEx == kLengthUnits.size() - 1);
constexpr std::array<std::string_view, 10> kSLengthUnits = {"px", "pt", "unused", "cm", "mm",
                                                            "in", "em", "ex",     "pc", "%"};
static_assert(Xml::SLength::UnitPc == 8 && Xml::SLength::UnitPercent == kSLengthUnits.size() - 1);

template <std::size_t N>
std::string_view unitName(std::array<std::string_view, N> const& names, int unit) {
    return unit >= 0 && static_cast<std::size_t>(unit) < N ? names[static_cast<std::size_t>(unit)]
                                                           : std::string_view();
}

// Only the caller can size em and ex, against a font; the library throws if asked.
bool isRelative(int unit) { return unit == Xml::Length::UnitEm || unit == Xml::Length::UnitEx; }

} // namespace

void describe(Fields& out, Xml::Length const& value) {
    out.enumerator("unit", unitName(kLengthUnits, value.getUnit()), value.getUnit());
    out.number("size", value.getSize());
    if (!isRelative(value.getUnit())) {
        out.number("px", value.pxSize());
    }
}

void describe(Fields& out, Xml::SLength const& value) {
    static_assert(int{Xml::SLength::UnitEm} == int{Xml::Length::UnitEm} &&
                  int{Xml::SLength::UnitEx} == int{Xml::Length::UnitEx});
    out.enumerator("unit", unitName(kSLengthUnits, value.getUnit()), value.getUnit());
    out.number("size", value.getSize());
    if (!isRelative(value.getUnit())) {
        out.number("px", value.pxSize());
    }
}

void describe(Fields& out, Xml::LengthOrPercent const& value) {
    out.enumerator("kind", value.isPercent() ? "percent" : "length", value.isPercent() ? 2 : 1);
    describe(out.group("length"), value.getLength());
    out.number("percent", value.getPercent());
}

void describe(Fields& out, Xml::SLengthOrPercent const& value) {
    out.enumerator("kind", value.isPercent() ? "percent" : "length", value.isPercent() ? 2 : 1);
    describe(out.group("length"), value.getLength());
    out.number("percent", value.getPercent());
}

} // namespace Tool
