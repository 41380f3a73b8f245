// Every attribute reads and writes in time linear in the length of its text: one text
// sixteen times as long takes about as long as sixteen short ones, for texts made of the
// pieces each grammar dwells on (digits, separators, unclosed brackets, function names).
#include "testing/LogCapture.h"

#include <xmlattr/AttributeTypes.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <span>
#include <string>
#include <string_view>

#if !defined(_WIN32)
#include <time.h>
#endif

namespace xmlattr_testing {
namespace {

using namespace std::string_view_literals;
using Duration = std::chrono::nanoseconds;

// The time this thread has run: other work on the machine does not count. Windows' thread
// times tick too coarsely, and there the wall clock serves.
Duration now() {
#if defined(_WIN32)
    return std::chrono::steady_clock::now().time_since_epoch();
#else
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return std::chrono::seconds(time.tv_sec) + Duration(time.tv_nsec);
#endif
}
using Reader = void (*)(Core::String const&);

template <class T> void readAndWrite(Core::String const& text) {
    Xml::TXmlAttribute<T> attribute;
    (void)static_cast<Xml::XmlAttribute&>(attribute).parseValue(text);
    try {
        (void)static_cast<Xml::XmlAttribute&>(attribute).getValueAsString();
    } catch (Core::UnreacheableCodeException const&) {
        // A point in em or ex has no pixels to write.
    }
}

template <class... T> constexpr Reader kReaders[] = {&readAndWrite<T>...};
template <class... T> constexpr std::span<Reader const> readers(Xml::TypeList<T...>) {
    return kReaders<T...>;
}

// clang-format off
constexpr std::u16string_view kPieces[] = {
    u"1", u"9.", u"1e", u"-1", u" ", u",", u"(", u")", u"%", u"#", u"\0"sv, u"\xD800",
    u"1pt ", u"50%,", u"M1 2", u"a1 1 0 0 1 2 2", u"rotate(1", u"rotate(1)", u"url(", u"url(#",
    u"rgb(", u"rgb-icc(", u"spot-color(a,", u"cmyk(1,", u"1/1/", u"underline,", u"none",
    u"auto", u"en", u"xMinYMin ",
};
// clang-format on

// The shortest of a few runs: the time the work takes when nothing else gets in the way.
template <class Work> Duration fastest(Work work) {
    Duration best = Duration::max();
    for (int run = 0; run < 5; ++run) {
        Duration const start = now();
        work();
        best = std::min(best, now() - start);
    }
    return best;
}

Core::String repeated(std::u16string_view piece, int units) {
    std::u16string text;
    while (static_cast<int>(text.size()) < units) {
        text += piece;
    }
    return Core::String(std::u16string_view(text));
}

TEST(LinearTime, EveryAttributeOnLongTexts) {
    constexpr int kShort = 1024;
    constexpr int kTimes = 16;
    // Below this the clock says more than the reader; a reader that took time in the square of
    // the length would take a quarter of a second on the long texts.
    constexpr auto kNoise = std::chrono::milliseconds(20);
    LogCapture quiet;
    std::span<Reader const> const all = readers(Xml::AttributeTypes());
    for (std::size_t type = 0; type < all.size(); ++type) {
        for (std::u16string_view const piece : kPieces) {
            Core::String const shortText = repeated(piece, kShort);
            Core::String const longText = repeated(piece, kShort * kTimes);
            Duration const shortTime = fastest([&] {
                for (int i = 0; i < kTimes; ++i) {
                    all[type](shortText);
                }
            });
            Duration const longTime = fastest([&] { all[type](longText); });
            SCOPED_TRACE("type " + std::to_string(type) + ", piece " +
                         Core::String(piece).toUtf8());
            EXPECT_LE(longTime, 4 * shortTime + kNoise)
                << std::chrono::duration<double, std::milli>(longTime).count() << " ms against "
                << std::chrono::duration<double, std::milli>(shortTime).count() << " ms";
        }
    }
}

} // namespace
} // namespace xmlattr_testing
