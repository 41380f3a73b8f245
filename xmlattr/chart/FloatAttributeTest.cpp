// TXmlAttribute<float>: the strict number reader and the "{0}" writer.
#include "xmlattr/chart/FloatAttribute.h"
#include "testing/AttributeRows.h"

namespace Xml {
namespace {

TEST(FloatAttribute, ReadsStrictlyAndWritesTheShortestText) {
    // clang-format off
    xmlattr_testing::expectRows<float>(9.0f, {
        {u"2147483648", true, 2147483648.0f, u"2147483648"}, {u" 0.1 ", true, 0.1f, u"0.1"}, {u"50%", true, 50.0f, u"50"},
        {u"1e39", false, 0.0f, u"9"}, {u"2pt", false, 0.0f, u"9"}, {u"", false, 0.0f, u"9"}, // rejected: still 9
    });
    // clang-format on
}

} // namespace
} // namespace Xml
