// The list of attribute types against what the library exports: a type that the library gives a
// default but the list lacks would escape every check that goes over all attributes.
#include <xmlattr/AttributeTypes.h>
#include <xmlattr/defaults/DefaultList.h>

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

template <class... T> int listedTypesOf(Xml::XmlAttribute const& attribute, Xml::TypeList<T...>) {
    return ((typeid(attribute) == typeid(Xml::TXmlAttribute<T>) ? 1 : 0) + ...);
}

TEST(AttributeTypes, ListTheTypeOfEveryDefault) {
    for (Xml::DefaultEntry const& entry : Xml::defaultAttributes()) {
        SCOPED_TRACE(Core::String(entry.name).toUtf8());
        EXPECT_EQ(listedTypesOf(*entry.attribute, Xml::AttributeTypes()), 1);
    }
}

} // namespace
