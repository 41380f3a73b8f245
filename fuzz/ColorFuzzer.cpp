// Arbitrary text into the colour, paint and shadow readers and their writers: nothing may
// crash or read outside the text, a rejection must leave the value alone, and a written
// colour must read back to the same text unless a lenient reader took an infinity.
// No colour ("none") writes the empty text, which is no colour text.
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

void quiet(Core::Log::Level, Core::String const&) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    static Core::Log::Sink const previous = Core::Log::setSink(&quiet);
    (void)previous;
    std::vector<char16_t> units(size / 2);
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    }
    Core::String const text(units.data(), static_cast<int>(units.size()));

    SmartPtr<Drawing::Color> const sentinel(new Drawing::RGBColor(1, 2, 3));
    Xml::TXmlAttribute<SmartPtr<Drawing::Color>> colour(sentinel);
    if (colour.parseValue(text)) {
        Core::String const written = colour.getValueAsString();
        Xml::TXmlAttribute<SmartPtr<Drawing::Color>> again;
        if (colour.getValue() && written.find(u"inf") < 0) {
            check(again.parseValue(written) && again.getValueAsString() == written);
        }
    } else {
        check(colour.getValue() == sentinel);
    }

    Xml::SColor const paintSentinel(Core::String(u"#sentinel"));
    Xml::SColor paint = paintSentinel;
    if (!Xml::SColor::parseSColor(paint, text)) {
        check(paint == paintSentinel);
    }

    Xml::TXmlAttribute<Xml::BoxShadow> shadow;
    if (shadow.parseValue(text)) {
        (void)shadow.getValueAsString();
    }
    return 0;
}
