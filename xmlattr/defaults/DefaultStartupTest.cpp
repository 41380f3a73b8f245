// A caller's static object reads defaults while the caller starts, before main: the library
// has built them all by then, those it builds at load as well as the constant ones.
#include "xmlattr/defaults/DefaultAttributes.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

struct ReadAtStartup {
    // Built at load: read before they were built, they would be empty or 0.
    TXmlAttribute<Core::String> fontFamily{DefaultFontFamily};
    TXmlAttribute<SmartPtr<Drawing::Color>> borderColor{DefaultBorderColor};
    TXmlAttribute<Value> minValue{DefaultMinValue};
    // Constant from the start: read before it was built, it would be 0.
    TXmlAttribute<Length> length{DefaultBorderLength};
} const readAtStartup;

TEST(DefaultStartup, ACallersStaticObjectReadsBuiltDefaults) {
    EXPECT_EQ(*readAtStartup.fontFamily, Core::String(u"Times"));
    EXPECT_EQ(readAtStartup.borderColor->get(), DefaultBorderColor->get());
    EXPECT_EQ(readAtStartup.minValue->getFloatValue(), -2147483648.0f);
    EXPECT_EQ(*readAtStartup.length, Length(1.5f, Length::UnitPt));
}

} // namespace
} // namespace Xml
