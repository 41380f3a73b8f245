#include <xmlattr/xmlattr.h>

int main() {
    Xml::TXmlAttribute<Xml::Length> length;
    Xml::XmlAttribute& attribute = length;
    bool const parsed = attribute.parseValue(u"12pt") && length->pxSize() == 16.0f &&
                        attribute.getValueAsString() == Core::String(u"12pt");
    // Defaults are data the library exports: one built at compile time, one at load.
    Xml::TXmlAttribute<Xml::Length> const border(Xml::DefaultBorderLength);
    bool const defaulted = *border == Xml::Length(1.5f, Xml::Length::UnitPt) &&
                           *Xml::DefaultFontFamily == Core::String(u"Times");
    return parsed && defaulted ? 0 : 1;
}
