// TXmlAttribute<T>: the template's own rules, on value types made for the test.
#include "xmlattr/attributes/TXmlAttribute.h"

#include "xmlattr/platform/Object.h"
#include "xmlattr/platform/SmartPtr.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

namespace {

// A value with a reader and a writer: a count of "x" code units.
struct Tally {
    int count = 3;
    bool operator==(Tally const&) const = default;
};

// A reference-counted value without a text form.
struct Shared : Core::Object {};

// A keyword enumeration with a number that no keyword gives.
enum Probe : int { ProbeFirst = 1 };

} // namespace

template <> struct Xml::ValueTraits<Tally> {
    static bool parse(Tally& value, Core::String const& text) {
        for (int i = 0; i < text.length(); ++i) {
            if (text[i] != u'x') {
                return false;
            }
        }
        value.count = text.length();
        return true;
    }
    static Core::String write(Tally const& value) {
        Core::String text;
        for (int i = 0; i < value.count; ++i) {
            text.append(u'x');
        }
        return text;
    }
};

template <> struct Xml::ValueTraits<SmartPtr<Shared>> {
    static bool parse(SmartPtr<Shared>&, Core::String const&) { return false; }
};

template <> struct Xml::ValueTraits<Probe> {
    static bool parse(Probe&, Core::String const&) { return false; }
};

namespace Xml {
namespace {

static_assert(sizeof(XmlAttribute) == sizeof(void*));
static_assert(sizeof(TXmlAttribute<Tally>) == sizeof(void*) + sizeof(Tally) + 4);
static_assert(HasTextForm<Tally> && !HasTextForm<SmartPtr<Shared>>);
// The attribute of a value that owns something has a destructor of its own (the library
// exports it); any other keeps the trivial one, so that it can be constant data. Free text
// keeps the first definition, which the library exports nothing of.
static_assert(OwningValue<SmartPtr<Shared>> && !OwningValue<Tally> && !OwningValue<Core::String>);
static_assert(std::is_trivially_destructible_v<TXmlAttribute<Tally>>);
static_assert(std::is_trivially_destructible_v<TXmlAttribute<Probe>>);
static_assert(!std::is_trivially_destructible_v<TXmlAttribute<SmartPtr<Shared>>>);
static_assert(sizeof(TXmlAttribute<SmartPtr<Shared>>) == 2 * sizeof(void*));

// Constant initialisation: built before any code runs, whatever the order of initialisation.
constinit TXmlAttribute<Tally> const kConstant(Tally{5});
constinit TXmlAttribute<Probe> const kConstantProbe(ProbeFirst);
constexpr TXmlAttribute<Tally> kLiteral(Tally{6});
constinit TXmlAttribute<Tally> const kCopied(kLiteral);

TEST(TXmlAttribute, ConstantInitialisation) {
    EXPECT_EQ(kConstant->count, 5);
    EXPECT_EQ(kCopied->count, 6);
    EXPECT_EQ(*kConstantProbe, ProbeFirst);
    TXmlAttribute<Tally> copy(kConstant);
    EXPECT_EQ(copy.getValueAsString(), Core::String(u"xxxxx"));
}

TEST(TXmlAttribute, SlotsForwardToTheValueType) {
    TXmlAttribute<Tally> attribute;
    EXPECT_EQ(attribute->count, 3); // the class type's own default
    XmlAttribute& base = attribute;
    EXPECT_TRUE(base.parseValue(u"xxxxx"));
    EXPECT_EQ(attribute->count, 5);
    EXPECT_FALSE(base.parseValue(u"xy"));
    EXPECT_EQ(attribute->count, 5); // what the reader leaves on false
    EXPECT_EQ(base.getValueAsString(), Core::String(u"xxxxx"));

    TXmlAttribute<Tally> other(Tally{1});
    base.copyFrom(other);
    EXPECT_EQ(attribute.getValue().count, 1);
    base.copyFrom(base);
    EXPECT_EQ((*attribute).count, 1);
}

#if defined(_WIN32)
TEST(TXmlAttribute, ReadsWideLiteralsOnWindows) {
    TXmlAttribute<Tally> attribute;
    EXPECT_TRUE(attribute.parseValue(L"xx"));
    EXPECT_EQ(attribute->count, 2);
}
#endif

TEST(TXmlAttribute, EnumerationsStartAtZero) {
    EXPECT_EQ(static_cast<int>(TXmlAttribute<Probe>().getValue()), 0);
}

TEST(TXmlAttribute, EqualityAndAssignment) {
    TXmlAttribute<Tally> a(Tally{2});
    Tally const two{2};
    Tally const four{4};
    EXPECT_TRUE(a == two);
    EXPECT_FALSE(a != two);
    EXPECT_FALSE(a == four);
    EXPECT_TRUE(a != four);
    a = four;
    EXPECT_TRUE(a == four);
    TXmlAttribute<Tally> b;
    (b = a).setValue(two);
    EXPECT_TRUE(b == two);
    EXPECT_TRUE(a == four);
    EXPECT_TRUE(a != b);
    EXPECT_FALSE(a == b);
    b = a;
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(four == a); // either side
    Tally const& held = a;
    EXPECT_EQ(&held, &a.getValue());
}

TEST(TXmlAttribute, BuildsItsValueInPlace) {
    constinit static TXmlAttribute<Tally> const built(std::in_place, Tally{7});
    EXPECT_EQ(built->count, 7);
    SmartPtr<Shared> const object(new Shared);
    {
        TXmlAttribute<SmartPtr<Shared>> const owning(std::in_place, object);
        EXPECT_TRUE(owning == object);
        EXPECT_EQ(object->getRefCount(), 2);
    }
    EXPECT_EQ(object->getRefCount(), 1); // its destructor released the value's reference
}

TEST(TXmlAttribute, ValueWithoutTextFormWritesNothingAndSharesOnCopy) {
    SmartPtr<Shared> object(new Shared);
    TXmlAttribute<SmartPtr<Shared>> attribute(object);
    EXPECT_EQ(attribute.getValueAsString(), Core::String());
    EXPECT_EQ(object->getRefCount(), 2);
    {
        TXmlAttribute<SmartPtr<Shared>> copy(attribute);
        EXPECT_TRUE(copy == object);
        EXPECT_EQ(object->getRefCount(), 3);
    }
    EXPECT_EQ(object->getRefCount(), 2);
    static_cast<XmlAttribute&>(attribute).copyFrom(attribute); // onto itself
    EXPECT_EQ(object->getRefCount(), 2);
    EXPECT_TRUE(attribute == object);
}

} // namespace
} // namespace Xml
