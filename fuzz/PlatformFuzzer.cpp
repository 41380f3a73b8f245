// Arbitrary text into the platform's text operations: string slicing and splitting,
// UTF-8 conversion, placeholder formatting, colour functions and dates. Nothing may
// crash, and each operation's own promises must hold.
#include "fuzz/FuzzDriver.h"

#include <xmlattr/xmlattr.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

using xmlattr_fuzz::check;

bool hasUnpairedSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool const high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
        bool const low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (low ||
            (high && (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF))) {
            return true;
        }
        i += high ? 1 : 0;
    }
    return false;
}

void checkString(Core::String const& text) {
    constexpr std::u16string_view separators = u" ,\t";
    int total = 0;
    for (Core::String const& piece : text.split(separators)) {
        check(!piece.empty() &&
              piece.view().find_first_of(separators) == std::u16string_view::npos);
        total += piece.length();
    }
    check(total <= text.length());

    Core::String trimmed = text;
    trimmed.trim();
    check(trimmed.empty() || (!Core::String::isSpace(trimmed[0]) &&
                              !Core::String::isSpace(trimmed[trimmed.length() - 1])));
    check(text.find(trimmed.view()) >= 0);

    int const half = text.length() / 2;
    Core::String const tail = text.subString(half, text.length() + 5);
    check(tail.length() == text.length() - half && text.find(tail.view(), half) == half);
    check(text.compareNoCase(text.view()) == 0 && text.compare(text.view()) == 0);

    std::string const utf8 = text.toUtf8();
    Core::String const back(utf8);
    check(hasUnpairedSurrogate(text.view()) || back == text);
    check(Core::String(back.toUtf8()) == back);
}

void checkFormatting(Core::String const& text) {
    Core::VariantArray array;
    array << text << Core::String(u"{0}");
    Core::String const result =
        (Core::StringFormatStream(text.view()) << text << 42 << 1.5f << -0.25 << array).getString();
    // Filling placeholders never loses the pattern's text around them.
    check(text.find(u"{") >= 0 || result == text);
}

void checkColorFunction(Core::String const& text) {
    Drawing::ColorSubstitute out;
    out.setRGB(1, 2, 3);
    if (Drawing::ColorSubstitute::parseColorFunctionString(text, out)) {
        check(out.hasCMYKSubstitute() != out.hasRGBSubstitute());
        for (double component : {out.getC(), out.getM(), out.getY(), out.getK()}) {
            check(component >= 0.0 && component <= 1.0);
        }
    } else {
        check(!out.hasCMYKSubstitute() && out.hasRGBSubstitute() && out.getR() == 1 &&
              out.getG() == 2 && out.getB() == 3);
    }
}

void checkDate(Core::String const& text) {
    Core::DateTime const sentinel(7, 7, 7);
    Core::DateTime date = sentinel;
    if (Core::DateTime::parseMDYDate(text, date)) {
        Core::DateTime again;
        check(Core::DateTime::parseMDYDate(date.toDateString(Core::DateFormatMonthDayYear), again));
        check(again == date);
    } else {
        check(date == sentinel);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    xmlattr_fuzz::forEachText(data, size, [](std::u16string_view view) {
        Core::String const text(view);
        checkString(text);
        checkFormatting(text);
        checkColorFunction(text);
        checkDate(text);
    });
    return 0;
}
