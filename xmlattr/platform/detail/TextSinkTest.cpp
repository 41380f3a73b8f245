// TextSink: patterns split at compile time, pieces and numbers appended in order across the
// move to the heap, and the text made with one allocation at most.
#include "xmlattr/platform/detail/TextSink.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace Core::detail {
namespace {

constexpr bool splits(auto pattern, int arguments, std::u16string_view first,
                      std::u16string_view last) {
    return pattern.arguments() == arguments && pattern.piece(0) == first &&
           pattern.piece(arguments) == last;
}
static_assert(splits(Pattern(u"rgb({},{},{})"), 3, u"rgb(", u")"));
static_assert(splits(Pattern(u"{}{}"), 2, u"", u""));
static_assert(splits(Pattern(u"url({})"), 1, u"url(", u")"));
static_assert(splits(Pattern(u"no argument"), 0, u"no argument", u"no argument"));
static_assert(splits(Pattern(u""), 0, u"", u""));
constexpr Pattern kMiddle(u"a{},#{}, {}");
static_assert(kMiddle.piece(1) == u",#" && kMiddle.piece(2) == u", ");

TEST(TextSinkTest, FormatsInOrder) {
    InlineTextSink<64> sink;
    sink.format<u"f({},{},{}; {}) {}">(-12, 0.5f, 0.1 + 0.2, String(u"n\u00e9"), u'\u2014');
    EXPECT_EQ(sink.view(), u"f(-12,0.5,0.30000000000000004; n\u00e9) \u2014");
    sink.format<u"{}|{}">(std::numeric_limits<float>::quiet_NaN(), 1e21f);
    EXPECT_EQ(sink.view(), u"f(-12,0.5,0.30000000000000004; n\u00e9) \u2014nan|1e+21");
}

// Pieces and numbers that end at, cross and far overrun the storage in the object, so that
// the move to the heap keeps every code unit before it; a number takes the most room.
TEST(TextSinkTest, KeepsEverythingAcrossTheMoveToTheHeap) {
    struct Row {
        int before;
        std::u16string_view piece;
    };
    std::u16string const longPiece(100, u'y');
    Row const rows[] = {{7, u"z"}, {8, u"z"}, {0, longPiece}, {3, longPiece}, {7, u""}};
    for (auto const& [before, piece] : rows) {
        SCOPED_TRACE(before);
        InlineTextSink<8> sink;
        std::u16string expected;
        for (int i = 0; i < before; ++i) {
            sink.append(static_cast<char16_t>(u'a' + i));
            expected += static_cast<char16_t>(u'a' + i);
        }
        sink.append(piece);
        sink.append(-1.0000000000000002e-7);
        sink.append(std::numeric_limits<int>::min());
        expected += piece;
        expected += u"-0.00000010000000000000002-2147483648";
        EXPECT_EQ(sink.view(), expected);
        EXPECT_EQ(sink.length(), static_cast<int>(expected.size()));
        EXPECT_EQ(sink.take().view(), expected);
    }
}

TEST(TextSinkTest, TakeAllocatesOnlyBeyondTheInlineString) {
    for (int length : {0, String::kInlineCapacity, String::kInlineCapacity + 1, 120}) {
        SCOPED_TRACE(length);
        ScalarTextSink sink;
        for (int i = 0; i < length; ++i) {
            sink.append(u'x');
        }
        std::uint64_t const before = Allocator::allocations();
        String const text = sink.take();
        EXPECT_EQ(Allocator::allocations() - before, length > String::kInlineCapacity ? 1u : 0u);
        EXPECT_EQ(text.view(), std::u16string(static_cast<std::size_t>(length), u'x'));
    }
}

} // namespace
} // namespace Core::detail
