// Colours shared between threads: many threads copy the colour defaults, read colours into
// attributes of their own, hand copies to one another and destroy them, all at once. Run
// under ThreadSanitizer by the tsan preset; everywhere it checks the reference counts.
#include "xmlattr/defaults/DefaultAttributes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace Xml {
namespace {

using ColorAttribute = ColorParse::ColorAttribute;

// The colour defaults, two holding a colour each, two none; and paints holding colours alike.
ColorAttribute const* const kShared[] = {&DefaultBorderColor, &DefaultFillColor,
                                         &DefaultBackgroundColor, &DefaultStrokeColor};
SColor const* const kSharedPaints[] = {&*DefaultSFillColor, &*DefaultSColor,
                                       &*DefaultSNullableFillColor};
// clang-format off
char16_t const* const kTexts[] = {u"red", u"#f80", u"rgb(1,2,3)", u"cmyk(0%,50%,100%,0%)",
                                  u"rgb-icc(255,0,0,#Coated,0.1,0.2,0.3,0.4)", u"none"};
// clang-format on

// Colours one thread leaves for another to take over and destroy.
std::mutex exchangeMutex;
std::vector<SmartPtr<Drawing::Color>> exchange;

// One thread's work; returns the number of checks that failed.
int work(int seed) {
    int failures = 0;
    for (int round = 0; round < 1500; ++round) {
        // Copies of the shared colours, made and dropped in every way an attribute copies.
        for (ColorAttribute const* shared : kShared) {
            ColorAttribute copy(*shared);
            ColorAttribute assigned, copied;
            assigned = *shared;
            static_cast<XmlAttribute&>(copied).copyFrom(*shared);
            SColor const paint(**shared);
            BoxShadow const shadow(Length(), Length(), Length(), *shared), sharing(shadow);
            failures += !(copy == *shared && assigned == *shared && copied == *shared &&
                          paint.getColor() == **shared && sharing.getColor() == shadow.getColor() &&
                          copy.getValueAsString() == ColorParse::getColorAsString(*shared));
        }
        for (SColor const* shared : kSharedPaints) {
            failures += !(TXmlAttribute<SColor>(*shared) == *shared);
        }
        // A colour of this thread's own, shared by attributes and handed to another thread.
        char16_t const* const text =
            kTexts[static_cast<std::size_t>(seed + round) % std::size(kTexts)];
        ColorAttribute own;
        SColor paint;
        failures += !own.parseValue(text) + !SColor::parseSColor(paint, text);
        ColorAttribute const sharing[] = {own, own, own};
        {
            std::lock_guard<std::mutex> const lock(exchangeMutex);
            exchange.push_back(*sharing[round % 3]);
        }
        ColorAttribute taken; // outlives the lock: the last reference may drop here
        {
            std::lock_guard<std::mutex> const lock(exchangeMutex);
            taken = exchange.back();
            exchange.pop_back();
        }
        failures += ColorParse::getColorAsString(*taken).empty() != !*taken;
    }
    return failures;
}

TEST(ColorThreads, CopiesAndDestructionsFromManyThreadsKeepEveryCount) {
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int seed = 0; seed < 8; ++seed) {
        threads.emplace_back([seed, &failures] { failures += work(seed); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures.load(), 0);
    // Every copy taken on any thread was dropped again: each colour has its default alone.
    for (ColorAttribute const* shared : kShared) {
        EXPECT_TRUE(!**shared || (**shared)->getRefCount() == 1);
    }
    for (SColor const* shared : kSharedPaints) {
        SmartPtr<Drawing::Color> const colour = shared->getColor();
        EXPECT_TRUE(!colour || colour->getRefCount() == 2); // the default's and this one
    }
}

} // namespace
} // namespace Xml
