// Colours shared between threads: many threads copy the same colour attributes, read colours
// into attributes of their own, hand copies to one another and destroy them, all at once.
// Run under ThreadSanitizer by the tsan preset; elsewhere it checks the reference counts.
#include "xmlattr/color/BoxShadow.h"
#include "xmlattr/color/ColorParse.h"
#include "xmlattr/color/SColor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Xml::ColorParse;
using ColorAttribute = ColorParse::ColorAttribute;

constexpr int kThreads = 8;
constexpr int kRounds = 1500;

ColorAttribute parsedOnce(char16_t const* text) {
    ColorAttribute colour;
    (void)colour.parseValue(text);
    return colour;
}

int failed(bool ok) { return ok ? 0 : 1; }

// Stand-ins for the exported colour defaults, built before any thread starts as the
// library's load builds those: swap this list for the defaults themselves once they exist.
ColorAttribute const kBlack = parsedOnce(u"black");
ColorAttribute const kCmyk = parsedOnce(u"cmyk(0,0.5,1,0)");
ColorAttribute const kSpot = parsedOnce(u"spot-color(Gold,0.5,cmyk(0,0.2,1,0))");
ColorAttribute const kNoColour;
ColorAttribute const* const kShared[] = {&kBlack, &kCmyk, &kSpot, &kNoColour};

char16_t const* const kTexts[] = {u"red",
                                  u"#f80",
                                  u"rgb(1,2,3)",
                                  u"cmyk(0%,50%,100%,0%)",
                                  u"rgb-icc(255,0,0,#Coated,0.1,0.2,0.3,0.4)",
                                  u"none"};

// Colours one thread leaves for another to take over and destroy.
class Exchange {
public:
    void put(SmartPtr<Drawing::Color> const& colour) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_colours.push_back(colour);
    }
    // Takes one colour out; the copy made here outlives the lock, so the last reference
    // may be dropped on this thread while others still copy the same object.
    bool take(ColorAttribute& out) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_colours.empty()) {
            return false;
        }
        out = m_colours.back();
        m_colours.pop_back();
        return true;
    }

private:
    std::mutex m_mutex;
    std::vector<SmartPtr<Drawing::Color>> m_colours;
};

// One thread's work; returns the number of checks that failed.
int work(int seed, Exchange& exchange) {
    int failures = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Copies of the shared colours, made and dropped in every way an attribute copies.
        for (ColorAttribute const* shared : kShared) {
            ColorAttribute copy(*shared);
            ColorAttribute assigned;
            assigned = *shared;
            ColorAttribute copied;
            static_cast<Xml::XmlAttribute&>(copied).copyFrom(*shared);
            Xml::SColor const paint(shared->getValue());
            Xml::BoxShadow const shadow(Xml::Length(), Xml::Length(), Xml::Length(), *shared);
            Xml::BoxShadow const sharing(shadow);
            failures += failed(copy == *shared && assigned == *shared && copied == *shared &&
                               paint.getColor() == shared->getValue() &&
                               sharing.getColor() == shadow.getColor() &&
                               copy.getValueAsString() == ColorParse::getColorAsString(*shared));
        }
        // A colour of this thread's own, shared by attributes and handed to another thread.
        char16_t const* const text =
            kTexts[static_cast<std::size_t>(seed + round) % std::size(kTexts)];
        ColorAttribute own;
        failures += failed(own.parseValue(text));
        ColorAttribute const sharing[] = {own, own, own};
        Xml::SColor paint;
        failures += failed(Xml::SColor::parseSColor(paint, text));
        exchange.put(sharing[round % 3]);
        ColorAttribute taken;
        if (exchange.take(taken)) {
            failures +=
                failed(ColorParse::getColorAsString(taken.getValue()).empty() == !taken.getValue());
        }
    }
    return failures;
}

TEST(ColorThreads, CopiesAndDestructionsFromManyThreadsKeepEveryCount) {
    ASSERT_TRUE(kBlack.getValue() && kCmyk.getValue() && kSpot.getValue());
    std::vector<int> counts;
    for (ColorAttribute const* shared : kShared) {
        counts.push_back(shared->getValue() ? shared->getValue()->getRefCount() : 0);
    }
    Exchange exchange;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int seed = 0; seed < kThreads; ++seed) {
        threads.emplace_back([seed, &exchange, &failures] { failures += work(seed, exchange); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures.load(), 0);
    // Every copy taken on any thread was dropped again.
    for (std::size_t i = 0; i < std::size(kShared); ++i) {
        Core::String const written = ColorParse::getColorAsString(*kShared[i]);
        SCOPED_TRACE(written.toUtf8());
        EXPECT_EQ(kShared[i]->getValue() ? kShared[i]->getValue()->getRefCount() : 0, counts[i]);
    }
}

} // namespace
