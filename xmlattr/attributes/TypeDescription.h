// Xml::TypeDescription: what one attribute value type is, written once beside its
// `ValueTraits`, so that every list of types (the tool's table, the fuzz target, the tests
// over all attributes) is made from `Xml::AttributeTypes` and these descriptions.
#pragma once

#include "xmlattr/platform/Export.h"

#include <string_view>

namespace Xml {

/// How a type's reader answers a text.
enum class ReadRule : unsigned char {
    /// False for a text it cannot read, with the value untouched.
    Strict = 0,
    /// True for every text.
    Always = 1,
    /// True for every text but the empty one, which is rejected as a strict reader would.
    NonEmpty = 2,
};

/// What a type's texts are, as the tool groups its list.
enum class TypeFamily : unsigned char {
    Number = 0,
    Text = 1,
    Measure = 2,
    Colour = 3,
    Keyword = 4,
    Geometry = 5,
    Language = 6,
    Chart = 7,
};

/// One value type. Its keyword table, where it has one, is `kKeywordTable<T>`.
struct TypeDescription {
    /// The name the tool knows it by; ASCII.
    std::string_view name;
    /// One line on what it reads, with an example where one helps.
    std::string_view summary;
    /// The group the tool lists it in.
    TypeFamily family = TypeFamily::Keyword;
    /// How its reader answers a text it cannot read.
    ReadRule reads = ReadRule::Strict;
    /// Whether the library compiles and exports `TXmlAttribute<T>`; false where callers
    /// compile it themselves.
    bool exported = true;
};

/// Specialised beside each value type's `ValueTraits`; the primary, unnamed, means "not
/// described", which the list of attribute types does not allow.
template <class T> inline constexpr TypeDescription kTypeDescription{};

/// A type with a description.
template <class T>
concept DescribedType = !kTypeDescription<T>.name.empty();

} // namespace Xml
