// Arbitrary text into every measure's attribute: nothing may crash or read outside the
// text, a strict reader's rejection must leave the value alone, and every value a reader
// accepts must be writable.
#include <xmlattr/xmlattr.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

Xml::LengthOrPercent const kMeasure(Xml::Length(-7.0f, Xml::Length::UnitEx));

// `sentinel` must equal itself, so that a rejected text can be seen to have left it.
template <class T> void strict(Core::String const& text, T const& sentinel) {
    Xml::TXmlAttribute<T> value(sentinel);
    if (value.parseValue(text)) {
        (void)value.getValueAsString();
    } else {
        check(value == sentinel);
    }
}

template <class T> void lenient(Core::String const& text) {
    Xml::TXmlAttribute<T> value;
    (void)value.parseValue(text);
    (void)value.getValueAsString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    std::vector<char16_t> units(size / 2);
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    }
    Core::String const text(units.data(), static_cast<int>(units.size()));

    strict(text, kMeasure);
    strict(text, Xml::SLengthOrPercent(-7.0f, Xml::SLength::UnitEx));
    strict(text, Xml::FloatOrPercent(-7.0f));
    strict(text, Xml::Margin(kMeasure));
    strict(text, Xml::LengthOrPercentAuto(kMeasure));
    strict(text, Xml::TableWidth(kMeasure));
    strict(text, Xml::ColumnWidth(kMeasure));
    strict(text, Xml::LeaderPatternWidth(kMeasure));
    strict(text, Xml::ContentLength(kMeasure));
    strict(text, Xml::DLength(Xml::Length(-7.0f, Xml::Length::UnitEx)));
    strict(text, Xml::BorderWidth(-7.0f, Xml::Length::UnitEx));
    strict(text, Xml::SNullableLength());
    strict(text, Core::Vector<Xml::SLength>{Xml::SLength(-7.0f)});
    strict(text, Xml::FontSize(kMeasure));
    strict(text, Xml::Indent(kMeasure));
    strict(text, Xml::LetterSpacing(Xml::Length(-7.0f, Xml::Length::UnitEx)));
    strict(text, Xml::SSpacing(Xml::SLength(-7.0f, Xml::SLength::UnitEx)));
    strict(text, static_cast<Xml::AlignmentBaseline>(-7));
    strict(text, Xml::AlignmentAdjust(kMeasure));
    strict(text, Xml::BaselineShift(kMeasure));
    strict(text, Xml::SBaselineShift(Xml::SLengthOrPercent(-7.0f)));
    strict(text, static_cast<Xml::TabStopType>(-7));
    strict(text, Xml::STextDecoration(true, true, true));
    strict(text, Xml::BackgroundPosition(kMeasure));
    strict(text, Xml::BackgroundSize(kMeasure));
    strict(text, Xml::PageDimension(Xml::Length(-7.0f, Xml::Length::UnitEx)));
    lenient<Xml::InitialPageNumber>(text);
    lenient<Xml::InitialSheetNumber>(text);
    return 0;
}
