// Copies a few of the library's default attributes into attributes of its own, changes each
// copy by parsing new text into it, and prints what the copy wrote before and after. The
// defaults themselves are constant and stay as they were.
#include <xmlattr/xmlattr.h>

#include <cstdio>
#include <string>

namespace {

int changedDefaults = 0;

std::string quoted(Core::String const& text) { return '"' + text.toUtf8() + '"'; }

template <class T>
void change(char const* name, Xml::TXmlAttribute<T> const& byDefault, char16_t const* text) {
    Xml::TXmlAttribute<T> attribute(byDefault);
    Core::String const before = attribute.getValueAsString();
    bool const accepted = attribute.parseValue(text);
    std::printf("%-20s %-14s parse %-20s -> %s\n", name, quoted(before).c_str(),
                quoted(Core::String(text)).c_str(),
                accepted ? quoted(attribute.getValueAsString()).c_str() : "rejected, unchanged");
    // Parsing into the copy never reaches the default.
    if (Xml::writeDefault(byDefault) != before) {
        ++changedDefaults;
    }
}

} // namespace

int main() {
    change("DefaultBorderLength", Xml::DefaultBorderLength, u"2.5mm");
    change("DefaultLineHeight", Xml::DefaultLineHeight, u"1.5");
    change("DefaultTextAlign", Xml::DefaultTextAlign, u"justify");
    change("DefaultBorderStyle", Xml::DefaultBorderStyle, u"dashed");
    change("DefaultFillColor", Xml::DefaultFillColor, u"#ff8000");
    change("DefaultBoxShadow", Xml::DefaultBoxShadow, u"2pt 3pt 4pt gray");
    change("DefaultPointList", Xml::DefaultPointList, u"0,0 10,20 30,5");
    change("DefaultFontFamily", Xml::DefaultFontFamily, u"Helvetica");
    change("DefaultDotSize", Xml::DefaultDotSize, u"six");
    std::printf("%zu defaults in all; those above %s\n", Xml::defaultAttributes().size(),
                changedDefaults == 0 ? "are unchanged" : "CHANGED");
    return changedDefaults == 0 ? 0 : 1;
}
