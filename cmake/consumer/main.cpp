#include <xmlattr/xmlattr.h>

#include <string_view>

// The package's version (from its CMake version file or from pkg-config) in each macro of the
// headers it installed.
#define CONSUMER_TEXT(x) #x
#define CONSUMER_NUMBER_TEXT(x) CONSUMER_TEXT(x)
static_assert(std::string_view(XMLATTR_VERSION_STRING) == XMLATTR_EXPECTED_VERSION);
static_assert(std::string_view(CONSUMER_NUMBER_TEXT(XMLATTR_VERSION_MAJOR) "." CONSUMER_NUMBER_TEXT(
                  XMLATTR_VERSION_MINOR) "." CONSUMER_NUMBER_TEXT(XMLATTR_VERSION_PATCH)) ==
              XMLATTR_EXPECTED_VERSION);
static_assert(XMLATTR_VERSION / 10000 == XMLATTR_VERSION_MAJOR &&
              XMLATTR_VERSION / 100 % 100 == XMLATTR_VERSION_MINOR &&
              XMLATTR_VERSION % 100 == XMLATTR_VERSION_PATCH);

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
