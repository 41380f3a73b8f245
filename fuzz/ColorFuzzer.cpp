// Arbitrary text into the colour, paint and shadow readers and their writers: nothing may
// crash or read outside the text, a rejection must leave the value alone, a written colour
// must read back to the same text unless a lenient reader took an infinity (no colour,
// "none", writes the empty text, which is no colour text), a paint that is no reference is
// the colour attribute's reading, and a shadow is what its walk over the parts gives.
#include "fuzz/FuzzDriver.h"

#include <xmlattr/xmlattr.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

using xmlattr_fuzz::check;

using namespace Xml;
using Color = SmartPtr<Drawing::Color>;

// The colour's text, or the empty text when the colour attribute rejects `text`.
Core::String colourText(std::u16string_view text, bool& accepted) {
    TXmlAttribute<Color> colour;
    accepted = colour.parseValue(Core::String(text));
    return accepted ? colour.getValueAsString() : Core::String();
}

void checkColour(Core::String const& text, bool& accepted, Core::String& written) {
    Color const sentinel(new Drawing::RGBColor(1, 2, 3));
    TXmlAttribute<Color> colour(sentinel);
    accepted = colour.parseValue(text);
    if (!accepted) {
        check(colour.getValue() == sentinel);
        return;
    }
    written = colour.getValueAsString();
    TXmlAttribute<Color> again;
    if (colour.getValue() && written.find(u"inf") < 0) {
        check(again.parseValue(written) && again.getValueAsString() == written);
    }
}

// "url(" and "#" make a reference to the first blank or ")"; any other text is read by the
// colour attribute, no colour making no paint.
void checkPaint(Core::String const& text, bool isColour, Core::String const& colourWritten) {
    SColor const sentinel(Core::String(u"#sentinel"));
    SColor paint = sentinel;
    bool const isPaint = SColor::parseSColor(paint, text);
    if (!isPaint) {
        check(paint == sentinel);
    }
    if (text.length() > 3 && text.startsWith(u"url")) {
        if (isPaint) {
            std::u16string_view const url = paint.getUrl();
            check(paint.getType() == SColor::UrlPaint && !paint.getColor() && !url.empty() &&
                  url.front() == u'#' && url.find(u')') == std::u16string_view::npos &&
                  text.find(url) > 0);
            for (char16_t const unit : url) {
                check(!Core::String::isSpace(unit));
            }
        }
        return;
    }
    check(isPaint == isColour);
    if (isPaint) {
        check(paint.getUrl().empty() &&
              paint.getType() == (colourWritten.empty() ? SColor::NoPaint : SColor::ColorPaint) &&
              ColorParse::getColorAsString(paint.getColor()) == colourWritten);
    }
}

// The shadow against a model of its walk over the blank-separated parts: lengths fill the
// offsets and the blur in turn, one colour may stand anywhere, and anything else ends it.
void checkShadow(Core::String const& text) {
    TXmlAttribute<BoxShadow> shadow;
    bool const accepted = shadow.parseValue(text);
    std::u16string_view rest = text.view();
    check(accepted == (rest.find_first_not_of(u' ') != std::u16string_view::npos));

    Length lengths[3];
    int lengthsRead = 0;
    bool colourRead = false;
    Core::String colour;
    while (!rest.empty()) {
        std::size_t const end = std::min(rest.find(u' '), rest.size());
        std::u16string_view const part = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (part.empty()) {
            continue;
        }
        if (lengthsRead < 3 && Length::parseLength(lengths[lengthsRead], Core::String(part))) {
            ++lengthsRead;
            continue;
        }
        bool isColour = false;
        Core::String const written = colourText(part, isColour);
        if (colourRead || !isColour) {
            break;
        }
        colourRead = true;
        colour = written.empty() ? colour : written;
    }
    check(shadow->getDx() == lengths[0] && shadow->getDy() == lengths[1] &&
          shadow->getBlurRadius() == lengths[2] &&
          ColorParse::getColorAsString(shadow->getColor()) == colour);
}

void checkText(Core::String const& text) {
    bool isColour = false;
    Core::String written;
    checkColour(text, isColour, written);
    checkPaint(text, isColour, written);
    checkShadow(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    xmlattr_fuzz::silenceLog();
    xmlattr_fuzz::forEachText(data, size,
                              [](std::u16string_view text) { checkText(Core::String(text)); });
    return 0;
}
