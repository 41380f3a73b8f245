#include <xmlattr/xmlattr.h>

int main() {
    Xml::TXmlAttribute<Xml::Length> length;
    Xml::XmlAttribute& attribute = length;
    bool const ok = attribute.parseValue(u"12pt") && length->pxSize() == 16.0f &&
                    attribute.getValueAsString() == Core::String(u"12pt");
    return ok ? 0 : 1;
}
