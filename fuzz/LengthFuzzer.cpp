// Arbitrary text into the length readers, the cursor helpers and the writer:
// nothing may crash, a rejection must leave the value alone, and what the writer
// produces must read back to the same length.
#include "fuzz/FuzzDriver.h"

#include <xmlattr/xmlattr.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using xmlattr_fuzz::check;

bool sameLength(Xml::Length const& a, Xml::Length const& b) {
    float sa = a.getSize();
    float sb = b.getSize();
    return a.getUnit() == b.getUnit() && std::memcmp(&sa, &sb, sizeof sa) == 0;
}

void checkText(Core::String const& text) {

    Xml::Length const sentinel(-7.0f, Xml::Length::UnitEx);
    Xml::Length length = sentinel;
    if (Xml::Length::parseLength(length, text)) {
        // An overflowing number reads as an infinity, which has no length text to go back to.
        if (std::isfinite(length.getSize())) {
            Xml::Length reread = sentinel;
            check(Xml::Length::parseLength(reread, Xml::Length::getValueAsString(length)));
            check(sameLength(reread, length));
        }
    } else {
        check(sameLength(length, sentinel));
    }

    Xml::SLength const svgSentinel(-7.0f, Xml::SLength::UnitEx);
    Xml::SLength svgLength = svgSentinel;
    if (!Xml::SLength::parseSLength(svgLength, text)) {
        check(svgLength.getUnit() == svgSentinel.getUnit() &&
              svgLength.getSize() == svgSentinel.getSize());
    } else if (svgLength.getUnit() != Xml::SLength::UnitEm &&
               svgLength.getUnit() != Xml::SLength::UnitEx) {
        (void)svgLength.pxSize();
    }

    for (int start : {0, 1, text.length() / 2, text.length(), text.length() + 3, -2}) {
        int pos = start;
        while (true) {
            int const before = pos;
            Core::String const piece = Xml::ParseUtil::extractWordOrFunction(text, pos);
            check(pos >= (before < 0 ? 0 : before) || pos == before);
            check(pos <= text.length() || pos == before);
            if (piece.empty()) {
                break;
            }
        }
        pos = start;
        while (!Xml::ParseUtil::extractWord(text, pos).empty()) {
        }
        pos = start;
        Xml::ParseUtil::skipWhiteSpace(text, pos);
        Xml::ParseUtil::skipNonWhiteSpace(text, pos);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    xmlattr_fuzz::forEachText(data, size,
                              [](std::u16string_view text) { checkText(Core::String(text)); });
    return 0;
}
