// The value types the tool can read: one row per type of `Xml::AttributeTypes`, each made
// from the type's description, its attribute instantiation and a function that describes a
// held value field by field.
#pragma once

#include "Fields.h"
#include "HeldReadings.h"

#include <xmlattr/AttributeTypes.h>
#include <xmlattr/attributes/KeywordTable.h>
#include <xmlattr/attributes/TXmlAttribute.h>
#include <xmlattr/platform/Exception.h>
#include <xmlattr/platform/String.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

namespace Tool {

/// What reading one text gave.
struct Parsed {
    bool accepted = false;
    /// The held value, when accepted.
    Fields value;
    /// What `getValueAsString` writes for the held value, when accepted.
    std::string written;
    /// What the library logged while reading and writing.
    std::vector<std::string> messages;
};

/// One value type: its name as the library spells it, what it is, and how to read it.
struct ValueType {
    /// Its position in the library's list of attribute types, `Xml::AttributeTypes`.
    std::size_t listed;
    std::string_view name;
    std::string_view description;
    Xml::TypeFamily family;
    /// Whether the type's `parseValue` accepts the text; no description is built.
    bool (*accepts)(Core::String const& text);
    Parsed (*parse)(Core::String const& text);
    /// What `getValueAsString` writes for the value the text reads as, without describing
    /// the value: empty when the text is refused or the writer throws.
    std::string (*written)(Core::String const& text);
    /// For a type whose value is a list, described as one list field: as `parse`'s fields
    /// when the text is accepted, but of only the first `items` items; true when the value
    /// holds more. Null for every other type.
    bool (*describeLeading)(Core::String const& text, std::size_t items, Fields& out);
    /// The keywords the type reads, offered as near misses; often none.
    std::vector<std::u16string_view> (*keywords)();
    /// False for the types whose attribute writes no text.
    bool hasTextForm;
    /// Whether an attribute is of this type's instantiation, and its value's fields if so.
    bool (*holds)(Xml::XmlAttribute const& attribute);
    void (*describeHeld)(Fields& out, Xml::XmlAttribute const& attribute);
    /// As `accepts`, and when it accepts, what the value holds in the standard's terms.
    bool (*readHeld)(Core::String const& text, Standard::Reading& out);
};

/// Every readable type, in the order of `Xml::AttributeTypes`.
std::span<ValueType const> allTypes() noexcept;
/// The type of that name, without regard to the case of ASCII letters; null if none.
ValueType const* findType(std::string_view name) noexcept;
/// Up to three names equally nearest an unknown one, shorter first; empty when none is near.
std::vector<std::string_view> closestTypes(std::string_view name);

/// The type of an attribute's instantiation; null when the tool reads no such type.
ValueType const* typeOf(Xml::XmlAttribute const& attribute) noexcept;

/// Collects what the library logs, instead of letting it reach standard error: the
/// tool reports it beside the value that caused it. Installed once by `main`.
void captureLibraryLog();
/// The messages logged since the last call.
std::vector<std::string> takeLibraryLog();

namespace detail {

template <class T> bool accepts(Core::String const& text) {
    Xml::TXmlAttribute<T> attribute;
    return attribute.parseValue(text);
}

// What the attribute writes for its value; empty, with the reason in `messages`, when the
// writer throws.
template <class T>
std::string writtenOf(Xml::TXmlAttribute<T>& attribute, std::vector<std::string>& messages) {
    try {
        return attribute.getValueAsString().toUtf8();
    } catch (Core::Exception const& error) {
        messages.push_back(std::string("the writer threw: ") + error.what());
        return {};
    }
}

template <class T> Parsed parse(Core::String const& text) {
    Parsed result;
    Xml::TXmlAttribute<T> attribute;
    result.accepted = attribute.parseValue(text);
    if (result.accepted) {
        describe(result.value, attribute.getValue());
        result.written = writtenOf(attribute, result.messages);
    }
    std::vector<std::string> logged = takeLibraryLog();
    result.messages.insert(result.messages.begin(), logged.begin(), logged.end());
    return result;
}

template <class T> std::string written(Core::String const& text) {
    Xml::TXmlAttribute<T> attribute;
    std::vector<std::string> ignored;
    return attribute.parseValue(text) ? writtenOf(attribute, ignored) : std::string();
}

template <class T> constexpr bool kIsList = false;
template <class E> constexpr bool kIsList<Core::Vector<E>> = true;

template <class T> bool describeLeading(Core::String const& text, std::size_t items, Fields& out) {
    Xml::TXmlAttribute<T> attribute;
    if (!attribute.parseValue(text)) {
        return false;
    }
    T const& value = attribute.getValue();
    if (static_cast<std::size_t>(value.size()) <= items) {
        describe(out, value);
        return false;
    }
    T leading;
    leading.append(value.begin(), static_cast<int>(items));
    describe(out, leading);
    return true;
}

template <class T> bool readHeld(Core::String const& text, Standard::Reading& out) {
    Xml::TXmlAttribute<T> attribute;
    if (!attribute.parseValue(text)) {
        return false;
    }
    if constexpr (requires { heldReading(out, attribute.getValue()); }) {
        heldReading(out, attribute.getValue());
    } else {
        // The reading may point into the description: it lives until the next reading.
        thread_local Fields fields;
        fields = Fields();
        describe(fields, attribute.getValue());
        describedReading(out, fields);
    }
    return true;
}

template <class T> bool holds(Xml::XmlAttribute const& attribute) {
    return typeid(attribute) == typeid(Xml::TXmlAttribute<T>);
}

template <class T> void describeHeld(Fields& out, Xml::XmlAttribute const& attribute) {
    describe(out, static_cast<Xml::TXmlAttribute<T> const&>(attribute).getValue());
}

template <Xml::KeywordEnumeration E> std::vector<std::u16string_view> tableKeywords() {
    std::vector<std::u16string_view> keywords;
    for (Xml::KeywordEntry<E> const& entry : Xml::kKeywordTable<E>.reads) {
        keywords.push_back(entry.keyword);
    }
    return keywords;
}

} // namespace detail

namespace detail {

template <class T, class... U> constexpr std::size_t positionIn(Xml::TypeList<U...>) noexcept {
    std::size_t position = 0;
    (void)((std::is_same_v<T, U> || (++position, false)) || ...);
    return position;
}

} // namespace detail

/// The position of `T` in `Xml::AttributeTypes`, which must list it.
template <class T> consteval std::size_t listedPosition() noexcept {
    static_assert(Xml::contains<T>(Xml::AttributeTypes()), "a type that the library does not list");
    return detail::positionIn<T>(Xml::AttributeTypes());
}

/// The keywords a type reads, offered as near misses: an enumeration's table; a measure
/// that reads keywords besides its numbers specialises this.
template <class T> std::vector<std::u16string_view> nearMisses() {
    if constexpr (Xml::KeywordEnumeration<T>) {
        return detail::tableKeywords<T>();
    } else {
        return {};
    }
}

/// The row of a listed value type `T` with `describe(Fields&, T const&)` declared.
template <class T> constexpr ValueType row() {
    constexpr Xml::TypeDescription description = Xml::kTypeDescription<T>;
    bool (*describeLeading)(Core::String const&, std::size_t, Fields&) = nullptr;
    if constexpr (detail::kIsList<T>) {
        describeLeading = detail::describeLeading<T>;
    }
    return {listedPosition<T>(), description.name,    description.summary, description.family,
            detail::accepts<T>,  detail::parse<T>,    detail::written<T>,  describeLeading,
            nearMisses<T>,       Xml::HasTextForm<T>, detail::holds<T>,    detail::describeHeld<T>,
            detail::readHeld<T>};
}

/// The row of `T` in `allTypes()`.
template <class T> ValueType const& typeRow() noexcept { return allTypes()[listedPosition<T>()]; }

/// The first keyword that reads as `value`; empty when none does.
template <Xml::KeywordEnumeration E> std::string keywordOf(E value) {
    for (Xml::KeywordEntry<E> const& entry : Xml::kKeywordTable<E>.reads) {
        if (entry.number == value) {
            return Core::String(entry.keyword).toUtf8();
        }
    }
    return {};
}

/// A keyword enumeration's value: its keyword and number, or the number alone.
template <Xml::KeywordEnumeration E> void describe(Fields& out, E const& value) {
    out.enumerator("enumerator", keywordOf(value), static_cast<int>(value));
}

/// The near misses of a measure that reads keywords.
using Words = std::vector<std::u16string_view>;

/// The spellings of one of the library's keyword tables, so that the tool writes none of
/// them again.
template <auto const& Table> Words tableWords() {
    Words words;
    for (auto const& entry : Table) {
        words.push_back(entry.keyword);
    }
    return words;
}

} // namespace Tool
