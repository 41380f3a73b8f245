// TXmlAttribute<float>: the strict number reader and the "{0}" writer.
#include "xmlattr/chart/FloatAttribute.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(FloatAttribute, ReadsStrictlyAndWritesTheShortestText) {
    // clang-format off
    struct { char16_t const* text; float number; char16_t const* written; } const rows[] = {
        {u"2147483648", 2147483648.0f, u"2147483648"}, {u" 0.1 ", 0.1f, u"0.1"},
        {u"50%", 50.0f, u"50"}, {u"1e39", 9.0f, u"9"}, {u"2pt", 9.0f, u"9"}, {u"", 9.0f, u"9"},
    }; // 9 where the text is rejected
    // clang-format on
    for (auto const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<float> attribute(9.0f);
        EXPECT_EQ(attribute.parseValue(row.text), row.number != 9.0f);
        TXmlAttribute<float> copy;
        copy.copyFrom(attribute);
        EXPECT_EQ(copy, row.number);
        EXPECT_EQ(copy.getValueAsString(), Core::String(row.written));
    }
}

} // namespace
} // namespace Xml
