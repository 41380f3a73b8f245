// Colours shared between threads: many threads copy the colour defaults, read colours into
// attributes of their own, hand copies to one another and destroy them, all at once. Run
// under ThreadSanitizer by the tsan preset; everywhere it checks the reference counts.
#include "xmlattr/defaults/DefaultAttributes.h"

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

int failed(bool ok) { return ok ? 0 : 1; }

// The colour defaults, two holding a colour each, two holding none.
ColorAttribute const* const kShared[] = {&Xml::DefaultBorderColor, &Xml::DefaultFillColor,
                                         &Xml::DefaultBackgroundColor, &Xml::DefaultStrokeColor};
// The paint defaults, which hold colours in the same way.
Xml::SColor const* const kSharedPaints[] = {&Xml::DefaultSFillColor.getValue(),
                                            &Xml::DefaultSColor.getValue(),
                                            &Xml::DefaultSNullableFillColor.getValue()};

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
        for (Xml::SColor const* shared : kSharedPaints) {
            Xml::TXmlAttribute<Xml::SColor> const copy(*shared);
            Xml::TXmlAttribute<Xml::SColor> assigned;
            assigned = *shared;
            failures += failed(copy == *shared && assigned == *shared &&
                               copy->getColor() == shared->getColor());
        }
        Xml::TXmlAttribute<Xml::BoxShadow> const shadow(Xml::DefaultBoxShadow);
        failures += failed(shadow == Xml::DefaultBoxShadow);
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
    ASSERT_TRUE(Xml::DefaultBorderColor.getValue() && Xml::DefaultFillColor.getValue() &&
                Xml::DefaultSFillColor->getColor() && Xml::DefaultBoxShadow->getColor() == nullptr);
    auto count = [](SmartPtr<Drawing::Color> const& colour) {
        return colour ? colour->getRefCount() : 0;
    };
    std::vector<int> counts;
    for (ColorAttribute const* shared : kShared) {
        counts.push_back(count(shared->getValue()));
    }
    for (Xml::SColor const* shared : kSharedPaints) {
        counts.push_back(count(shared->getColor()) - 1); // less the one getColor took
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
    std::size_t index = 0;
    for (ColorAttribute const* shared : kShared) {
        EXPECT_EQ(count(shared->getValue()), counts[index++]);
    }
    for (Xml::SColor const* shared : kSharedPaints) {
        EXPECT_EQ(count(shared->getColor()) - 1, counts[index++]);
    }
}

} // namespace
