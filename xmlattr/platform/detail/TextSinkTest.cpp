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
    String const text = writeText([](TextSink& sink) {
        sink.format<u"f({},{},{}; {}) {}">(-12, 0.5f, 0.1 + 0.2, String(u"n\u00e9"), u'\u2014');
        EXPECT_EQ(sink.view(), u"f(-12,0.5,0.30000000000000004; n\u00e9) \u2014");
        sink.format<u"{}|{}">(std::numeric_limits<float>::quiet_NaN(), 1e21f);
    });
    EXPECT_EQ(text.view(), u"f(-12,0.5,0.30000000000000004; n\u00e9) \u2014nan|1e+21");
    // Integers at each change of their digit count.
    EXPECT_EQ(writeText([](TextSink& sink) {
                  sink.format<u"{} {} {} {} {} {}">(0, 9, 10, 99, 100,
                                                    std::numeric_limits<int>::max());
              }).view(),
              u"0 9 10 99 100 2147483647");
}

// Pieces and numbers that fill, cross and far overrun each storage in turn (the string's own,
// the stack's, the heap), so that every move keeps every code unit before it.
TEST(TextSinkTest, KeepsEverythingAcrossEachMove) {
    struct Row {
        int before;
        std::u16string_view piece;
    };
    constexpr int kInline = String::kInlineCapacity;
    std::u16string const longPiece(100, u'y');
    Row const rows[] = {{kInline - 1, u"z"}, {kInline, u"z"}, {0, longPiece},
                        {30, u"z"},          {39, u"z"},      {7, u""}};
    // Rows by name, not by binding: one compiler's lambdas cannot capture bindings.
    for (Row const& row : rows) {
        SCOPED_TRACE(row.before);
        std::u16string expected;
        for (int i = 0; i < row.before; ++i) {
            expected += static_cast<char16_t>(u'a' + i % 26);
        }
        expected += row.piece;
        String const text = writeText<40>([&](TextSink& sink) {
            sink.append(
                std::u16string_view(expected).substr(0, static_cast<std::size_t>(row.before)));
            sink.append(row.piece);
            EXPECT_EQ(sink.view(), expected);
        });
        EXPECT_EQ(text.view(), expected);
        expected += u"-0.00000010000000000000002-2147483648";
        EXPECT_EQ(writeText<40>([&](TextSink& sink) {
                      sink.append(text.view());
                      sink.append(-1.0000000000000002e-7);
                      sink.append(std::numeric_limits<int>::min());
                      EXPECT_EQ(sink.length(), static_cast<int>(expected.size()));
                  }).view(),
                  expected);
    }
}

// Up to the string's inline storage nothing is allocated; up to the stack's, only the text.
TEST(TextSinkTest, AllocatesOnlyTheFinalText) {
    for (int length : {0, String::kInlineCapacity, String::kInlineCapacity + 1, kScalarText}) {
        SCOPED_TRACE(length);
        std::uint64_t const before = Allocator::allocations();
        String const text = writeText([length](TextSink& sink) {
            for (int i = 0; i < length; ++i) {
                sink.append(u'x');
            }
        });
        EXPECT_EQ(Allocator::allocations() - before, length > String::kInlineCapacity ? 1u : 0u);
        EXPECT_EQ(text.view(), std::u16string(static_cast<std::size_t>(length), u'x'));
    }
}

} // namespace
} // namespace Core::detail
