// TXmlAttribute<T>: the template's own rules, on value types made for the test.
#include "xmlattr/attributes/TXmlAttribute.h"

#include "xmlattr/platform/Object.h"
#include "xmlattr/platform/SmartPtr.h"

#include <gtest/gtest.h>

#include <string>
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

// An enumeration without a zero enumerator, whose attribute still starts at 0.
enum Probe : int { ProbeFirst = 1 };

} // namespace

template <> struct Xml::ValueTraits<Tally> {
    static bool parse(Tally& value, Core::String const& text) {
        bool const xs = text.view().find_first_not_of(u'x') == std::u16string_view::npos;
        value.count = xs ? text.length() : value.count;
        return xs;
    }
    static Core::String write(Tally const& value) {
        return Core::String(std::u16string(static_cast<std::size_t>(value.count), u'x'));
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

// Three slots and no virtual destructor: the virtual table is part of the interface.
static_assert(sizeof(XmlAttribute) == sizeof(void*) &&
              !std::has_virtual_destructor_v<XmlAttribute>);
static_assert(sizeof(TXmlAttribute<Tally>) == sizeof(void*) + sizeof(Tally) + 4);
static_assert(HasTextForm<Tally> && !HasTextForm<SmartPtr<Shared>>);
// The attribute of a value that owns something has a destructor of its own (the library
// exports it); any other keeps the trivial one, so that it can be constant data. Free text
// keeps the first definition, which the library exports nothing of.
static_assert(OwningValue<SmartPtr<Shared>> && !OwningValue<Tally> && !OwningValue<Core::String>);
static_assert(std::is_trivially_destructible_v<TXmlAttribute<Tally>>);
static_assert(!std::is_trivially_destructible_v<TXmlAttribute<SmartPtr<Shared>>>);
static_assert(sizeof(TXmlAttribute<SmartPtr<Shared>>) == 2 * sizeof(void*));

// Constant initialisation: built before any code runs, whatever the order of initialisation.
constinit TXmlAttribute<Tally> const kConstant(Tally{5});
constexpr TXmlAttribute<Tally> kLiteral(Tally{6});
constinit TXmlAttribute<Tally> const kCopied(kLiteral);
constinit TXmlAttribute<Tally> const kBuilt(std::in_place, Tally{7});

TEST(TXmlAttribute, ForwardsToTheValueType) {
    EXPECT_EQ(kConstant->count + kCopied->count + kBuilt->count, 5 + 6 + 7);
    EXPECT_EQ(static_cast<int>(TXmlAttribute<Probe>().getValue()), 0); // enumerations start at 0
    TXmlAttribute<Tally> attribute;
    EXPECT_EQ(attribute->count, 3); // the class type's own default
    XmlAttribute& base = attribute;
    EXPECT_TRUE(base.parseValue(u"xxxxx"));
#if defined(_WIN32)
    EXPECT_TRUE(attribute.parseValue(L"xxxxx")); // a wide literal converts
#endif
    EXPECT_FALSE(base.parseValue(u"xy"));
    EXPECT_EQ(attribute->count, 5); // what the reader leaves on false
    EXPECT_EQ(base.getValueAsString(), Core::String(u"xxxxx"));
    base.copyFrom(TXmlAttribute<Tally>(Tally{1}));
    base.copyFrom(base);
    EXPECT_EQ((*attribute).count, 1);

    TXmlAttribute<Tally> a(Tally{2});
    TXmlAttribute<Tally> b;
    EXPECT_TRUE(a == Tally{2} && Tally{2} == a && !(a != Tally{2})); // either side
    EXPECT_TRUE(a != Tally{4} && !(a == Tally{4}));
    EXPECT_TRUE(a != b && !(a == b));
    (b = a).setValue(Tally{4}); // assignment gives the attribute itself
    EXPECT_TRUE(b == Tally{4} && a == Tally{2});
    a = Tally{4};
    EXPECT_TRUE(a == b && !(a != b));
    EXPECT_EQ(&static_cast<Tally const&>(a), &a.getValue());
}

TEST(TXmlAttribute, OwningValueWithoutTextFormSharesOnCopyAndReleasesOnDestruction) {
    SmartPtr<Shared> const object(new Shared);
    {
        TXmlAttribute<SmartPtr<Shared>> attribute(std::in_place, object);
        TXmlAttribute<SmartPtr<Shared>> const copy(attribute);
        static_cast<XmlAttribute&>(attribute).copyFrom(attribute); // onto itself
        EXPECT_TRUE(copy == object && attribute == object);
        EXPECT_EQ(object->getRefCount(), 3);
        EXPECT_EQ(attribute.getValueAsString(), Core::String());
    }
    EXPECT_EQ(object->getRefCount(), 1); // both destructors released their reference
}

} // namespace
} // namespace Xml
