// Reads each argument as a length attribute and prints what the library makes of it.
#include <xmlattr/xmlattr.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        Core::String const text{std::string(argv[i])};
        Xml::TXmlAttribute<Xml::Length> length;
        if (length.parseValue(text)) {
            bool const absolute = length->getUnit() != Xml::Length::UnitEm &&
                                  length->getUnit() != Xml::Length::UnitEx;
            std::printf("%-8s length %-8s", argv[i], length.getValueAsString().toUtf8().c_str());
            if (absolute) {
                std::printf(" = %s px\n",
                            Core::Format::toString(length->pxSize()).toUtf8().c_str());
            } else {
                std::printf(" (relative to the font)\n");
            }
            continue;
        }
        Xml::TXmlAttribute<Xml::SLength> svgLength;
        if (svgLength.parseValue(text)) {
            std::printf("%-8s SVG length unit %d size %s = %s px\n", argv[i],
                        int(svgLength->getUnit()),
                        Core::Format::toString(svgLength->getSize()).toUtf8().c_str(),
                        Core::Format::toString(svgLength->pxSize()).toUtf8().c_str());
            continue;
        }
        std::printf("%-8s rejected\n", argv[i]);
    }
    return 0;
}
