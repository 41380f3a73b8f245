// ParseUtil: the caller-held position around the cursor's steps (whose own rules CursorTest
// proves) and the pieces it hands back.
#include "xmlattr/attributes/ParseUtil.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

// Each step as a function giving a text: the skips' results as "1" or "0".
Core::String space(Core::String const& text, int& pos) {
    return ParseUtil::skipWhiteSpace(text, pos) ? u"1" : u"0";
}
Core::String nonSpace(Core::String const& text, int& pos) {
    return ParseUtil::skipNonWhiteSpace(text, pos) ? u"1" : u"0";
}
constexpr auto word = &ParseUtil::extractWord;
constexpr auto function = &ParseUtil::extractWordOrFunction;

void expectStep(Core::String (*step)(Core::String const&, int&), char16_t const* text, int from,
                char16_t const* piece, int to) {
    SCOPED_TRACE(testing::Message() << Core::String(text).toUtf8() << " from " << from);
    int pos = from;
    EXPECT_EQ(step(text, pos), Core::String(piece));
    EXPECT_EQ(pos, to);
}

TEST(ParseUtil, StepsFromTheCallersPosition) {
    expectStep(space, u"  ab", 0, u"1", 2);
    expectStep(space, u"  ab", 9, u"0", 9);  // past the end: not moved, not clamped
    expectStep(space, u"  ab", -3, u"1", 2); // a negative position counts as 0
    expectStep(space, u"ab", -3, u"0", 0);
    expectStep(nonSpace, u"ab  c", 4, u"1", 5);
    expectStep(word, u"  meet slice", 6, u"slice", 12);
    expectStep(function, u"translate(10, 20) scale(2)", 0, u"translate(10, 20)", 17);
    expectStep(function, u"rotate(45", 12, u"", 12);
}

} // namespace
} // namespace Xml
