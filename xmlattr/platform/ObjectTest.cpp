// Core::Object, SmartPtr, exceptions and the log sink.
#include "xmlattr/platform/Object.h"
#include "xmlattr/platform/Exception.h"
#include "xmlattr/platform/Log.h"
#include "xmlattr/platform/SmartPtr.h"

#include "testing/LogCapture.h"

#include <gtest/gtest.h>

namespace Core {
namespace {

struct Counted : Object {
    static inline int destroyed = 0;
    ~Counted() override { ++destroyed; }
};

struct Derived : Counted {};

TEST(Object, CopyingDoesNotCopyTheCount) {
    Counted first;
    first.AddRef();
    first.AddRef();
    Counted second(first);
    EXPECT_EQ(second.getRefCount(), 0);
    second = first;
    EXPECT_EQ(second.getRefCount(), 0);
    EXPECT_EQ(first.getRefCount(), 2);
}

TEST(SmartPtr, OwnsOneReference) {
    Counted::destroyed = 0;
    {
        SmartPtr<Counted> a(new Counted);
        SmartPtr<Counted> b = a;
        EXPECT_EQ(a->getRefCount(), 2);
        EXPECT_TRUE(a == b);
        SmartPtr<Counted> const& alias = b;
        b = alias; // self-assignment keeps the object alive
        EXPECT_EQ(a->getRefCount(), 2);
        // A new object adopted with its first reference counts as one held from `new`.
        SmartPtr<Counted> c = SmartPtr<Counted>::adoptNew(new Derived);
        EXPECT_TRUE(a != c);
        b = c;
        EXPECT_EQ(a->getRefCount(), 1);
        SmartPtr<Counted> d = std::move(c);
        EXPECT_FALSE(c); // NOLINT(bugprone-use-after-move)
        EXPECT_EQ(d->getRefCount(), 2);
        EXPECT_TRUE(d.dynamicCast<Derived>());
        EXPECT_FALSE(a.dynamicCast<Derived>());
        EXPECT_FALSE(SmartPtr<Counted>::adoptNew(nullptr));
        EXPECT_EQ(Counted::destroyed, 0);
    }
    EXPECT_EQ(Counted::destroyed, 2);
}

TEST(SmartPtr, EmptyDereferenceThrowsWithItsLocation) {
    SmartPtr<Counted> empty;
    EXPECT_FALSE(empty);
    EXPECT_TRUE(empty == nullptr);
    for (auto dereference : {+[](SmartPtr<Counted> const& p) { (void)p.get(); },
                             +[](SmartPtr<Counted> const& p) { (void)p->getRefCount(); },
                             +[](SmartPtr<Counted> const& p) { (void)(*p).getRefCount(); }}) {
        xmlattr_testing::LogCapture log;
        try {
            dereference(empty);
            ADD_FAILURE() << "no exception";
        } catch (NullPointerException const& error) {
            EXPECT_EQ(error.getFile(), String(u"SmartPtr"));
            EXPECT_EQ(error.getLine(), 124);
        }
        ASSERT_EQ(log.entries().size(), 1u);
        EXPECT_EQ(log.entries()[0].level, Log::Error);
        EXPECT_EQ(log.entries()[0].message, "SmartPtr(124): null pointer");
    }
}

TEST(Log, SinkIsReplaceableAndRestored) {
    {
        xmlattr_testing::LogCapture log;
        Log::warning(u"w\u00E9");
        ASSERT_EQ(log.entries().size(), 1u);
        EXPECT_EQ(log.entries()[0].level, Log::Warning);
        EXPECT_EQ(log.entries()[0].message, "w\xC3\xA9");
    }
    // The capture restored standard error: logging now reaches no test sink.
    Log::Sink const current = Log::setSink(nullptr);
    EXPECT_NE(current, nullptr);
    EXPECT_EQ(Log::setSink(current), current);
}

} // namespace
} // namespace Core
