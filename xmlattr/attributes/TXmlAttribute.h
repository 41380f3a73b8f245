// Xml::TXmlAttribute<T>: an attribute holding one typed value, and the traits that
// bind each value type to its reader and writer.
#pragma once

#include "xmlattr/attributes/TypeDescription.h"
#include "xmlattr/attributes/XmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

#include <concepts>
#include <type_traits>
#include <utility>

namespace Xml {

/// Binds a value type to its text forms. Each value type's header specialises it with
///   [[nodiscard]] static bool parse(T& value, Core::String const& text);
/// and, when the type has a text form,
///   static Core::String write(T const& value);
/// A type without a specialisation cannot be held by an attribute.
template <class T> struct ValueTraits;

template <class T>
concept HasTextForm = requires(T const& value) {
    { ValueTraits<T>::write(value) } -> std::same_as<Core::String>;
};

namespace detail {
/// The one writer of every value type without a text form.
inline Core::String noTextForm() { return Core::String(); }
} // namespace detail

/// A value type that owns memory or a reference: its attribute has a destructor of its own,
/// an exported member of the library's instantiations. Free text is left out, because none
/// of its attribute's members is exported and the library destroys its text defaults.
template <class T>
concept OwningValue = !std::is_trivially_destructible_v<T> && !std::same_as<T, Core::String>;

/// Holds one value of `T` by value. Parsing and writing go to `ValueTraits<T>`;
/// copying, assignment and equality are those of `T`. The library's instantiations are
/// compiled and exported by the subsystem that owns `T`, which declares them
/// `extern template class XMLATTR_EXPORT TXmlAttribute<T>;` in its header.
///
/// Two definitions with the same members: this one, whose destructor is trivial when `T`'s
/// is, and the one below for an `OwningValue`, whose destructor is written out. A destructor
/// that is only defaulted is never exported by g++ from a library that hides inline
/// functions, and one constrained destructor per case is not yet read by every compiler.
template <class T> class TXmlAttribute : public XmlAttribute {
public:
    /// A class type runs its default constructor; a number or enumeration starts at zero.
    /// The constructors are constant expressions where `T`'s are, so that an attribute of a
    /// literal type can be `constinit`.
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute() : m_value() {}
    /// Holds a copy of `value`; implicit, so that a value converts where an attribute is asked for.
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute(T const& value) : m_value(value) {}
    /// Copies the held value only: an attribute has no other state.
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute(TXmlAttribute const& other)
        : XmlAttribute(), m_value(other.m_value) {}
    /// Builds the held value from `args`. Not exported: the library builds its defaults with
    /// it, so that a default of an instantiation whose members are not exported exports none.
    template <class... Args>
    constexpr explicit TXmlAttribute(std::in_place_t, Args&&... args)
        : m_value(std::forward<Args>(args)...) {}
    ~TXmlAttribute() = default;

    /// Assigns the held value; the attribute keeps no other state.
    ///@{
    XMLATTR_INLINE_EXPORT TXmlAttribute& operator=(T const& value) {
        m_value = value;
        return *this;
    }
    XMLATTR_INLINE_EXPORT TXmlAttribute& operator=(TXmlAttribute const& other) {
        m_value = other.m_value;
        return *this;
    }
    ///@}

    /// Compares the held value with `value`, as `T` compares.
    ///@{
    XMLATTR_INLINE_EXPORT bool operator==(T const& value) const { return m_value == value; }
    XMLATTR_INLINE_EXPORT bool operator!=(T const& value) const { return !(*this == value); }
    ///@}
    // Without these, comparing two attributes would convert one of them to `T` and
    // C++20 would see the call as ambiguous with its reversed form.
    /// Compares the held values, as `T` compares.
    XMLATTR_INLINE_EXPORT bool operator==(TXmlAttribute const& other) const {
        return m_value == other.m_value;
    }
    /// Compares the held values, as `T` compares.
    XMLATTR_INLINE_EXPORT bool operator!=(TXmlAttribute const& other) const {
        return !(m_value == other.m_value);
    }

    /// The held value. A caller changes it through `->`, `setValue`, assignment or `parseValue`.
    ///@{
    XMLATTR_INLINE_EXPORT T const& getValue() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT T const& operator*() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT operator T const&() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT T* operator->() noexcept { return &m_value; }
    XMLATTR_INLINE_EXPORT T const* operator->() const noexcept { return &m_value; }
    ///@}
    /// Replaces the held value, as assignment does.
    XMLATTR_INLINE_EXPORT void setValue(T const& value) { m_value = value; }

    // Defined below the class, not inline: the library instantiates every attribute's
    // virtual table, and an inline mark would export the slots of instantiations that it
    // only uses, such as those of the int and string defaults.
    [[nodiscard]] bool parseValue(Core::String const& text) override;
    void copyFrom(XmlAttribute const& other) override;
    Core::String getValueAsString() override;

private:
    T m_value;
};

/// The attribute of an `OwningValue`: the members above, with a destructor that is exported.
template <OwningValue T> class TXmlAttribute<T> : public XmlAttribute {
public:
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute() : m_value() {}
    /// As in the first definition: holds a copy of `value`, or of the other attribute's value.
    ///@{
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute(T const& value) : m_value(value) {}
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute(TXmlAttribute const& other)
        : XmlAttribute(), m_value(other.m_value) {}
    ///@}
    template <class... Args>
    /// Builds the held value from `args`; not exported, as in the first definition.
    constexpr explicit TXmlAttribute(std::in_place_t, Args&&... args)
        : m_value(std::forward<Args>(args)...) {}
    // Written out, not defaulted, so that the explicit instantiation compiles and exports it.
    XMLATTR_INLINE_EXPORT ~TXmlAttribute() {}

    /// Assigns the held value.
    ///@{
    XMLATTR_INLINE_EXPORT TXmlAttribute& operator=(T const& value) {
        m_value = value;
        return *this;
    }
    XMLATTR_INLINE_EXPORT TXmlAttribute& operator=(TXmlAttribute const& other) {
        m_value = other.m_value;
        return *this;
    }
    ///@}

    /// Compares the held value, as `T` compares.
    ///@{
    XMLATTR_INLINE_EXPORT bool operator==(T const& value) const { return m_value == value; }
    XMLATTR_INLINE_EXPORT bool operator!=(T const& value) const { return !(*this == value); }
    XMLATTR_INLINE_EXPORT bool operator==(TXmlAttribute const& other) const {
        return m_value == other.m_value;
    }
    XMLATTR_INLINE_EXPORT bool operator!=(TXmlAttribute const& other) const {
        return !(m_value == other.m_value);
    }
    ///@}

    /// The held value.
    ///@{
    XMLATTR_INLINE_EXPORT T const& getValue() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT T const& operator*() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT operator T const&() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT T* operator->() noexcept { return &m_value; }
    XMLATTR_INLINE_EXPORT T const* operator->() const noexcept { return &m_value; }
    ///@}
    /// Replaces the held value.
    XMLATTR_INLINE_EXPORT void setValue(T const& value) { m_value = value; }

    // Inline, unlike those of the first definition: the library instantiates this one only
    // for the attributes it exports.
    [[nodiscard]] XMLATTR_INLINE_EXPORT bool parseValue(Core::String const& text) override {
        return ValueTraits<T>::parse(m_value, text);
    }
    XMLATTR_INLINE_EXPORT void copyFrom(XmlAttribute const& other) override {
        m_value = static_cast<TXmlAttribute const&>(other).m_value;
    }
    XMLATTR_INLINE_EXPORT Core::String getValueAsString() override {
        if constexpr (HasTextForm<T>) {
            return ValueTraits<T>::write(m_value);
        } else {
            return detail::noTextForm();
        }
    }

private:
    T m_value;
};

template <class T> bool TXmlAttribute<T>::parseValue(Core::String const& text) {
    return ValueTraits<T>::parse(m_value, text);
}

template <class T> void TXmlAttribute<T>::copyFrom(XmlAttribute const& other) {
    m_value = static_cast<TXmlAttribute const&>(other).m_value;
}

template <class T> Core::String TXmlAttribute<T>::getValueAsString() {
    if constexpr (HasTextForm<T>) {
        return ValueTraits<T>::write(m_value);
    } else {
        return detail::noTextForm();
    }
}

} // namespace Xml
