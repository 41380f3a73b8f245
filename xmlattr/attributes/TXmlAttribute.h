// Xml::TXmlAttribute<T>: an attribute holding one typed value, and the traits that
// bind each value type to its reader and writer.
#pragma once

#include "xmlattr/attributes/XmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

#include <concepts>

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

/// Holds one value of `T` by value. Parsing and writing go to `ValueTraits<T>`;
/// copying, assignment and equality are those of `T`. The library's instantiations are
/// compiled and exported by the subsystem that owns `T`, which declares them
/// `extern template class XMLATTR_EXPORT TXmlAttribute<T>;` in its header.
template <class T> class TXmlAttribute : public XmlAttribute {
public:
    /// A class type runs its default constructor; a number or enumeration starts at zero.
    /// The constructors are constant expressions where `T`'s are, so that an attribute of a
    /// literal type can be `constinit`.
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute() : m_value() {}
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute(T const& value) : m_value(value) {}
    XMLATTR_INLINE_EXPORT constexpr TXmlAttribute(TXmlAttribute const& other)
        : XmlAttribute(), m_value(other.m_value) {}
    ~TXmlAttribute() = default;

    XMLATTR_INLINE_EXPORT TXmlAttribute& operator=(T const& value) {
        m_value = value;
        return *this;
    }
    XMLATTR_INLINE_EXPORT TXmlAttribute& operator=(TXmlAttribute const& other) {
        m_value = other.m_value;
        return *this;
    }

    XMLATTR_INLINE_EXPORT bool operator==(T const& value) const { return m_value == value; }
    XMLATTR_INLINE_EXPORT bool operator!=(T const& value) const { return !(*this == value); }
    // Without these, comparing two attributes would convert one of them to `T` and
    // C++20 would see the call as ambiguous with its reversed form.
    XMLATTR_INLINE_EXPORT bool operator==(TXmlAttribute const& other) const {
        return m_value == other.m_value;
    }
    XMLATTR_INLINE_EXPORT bool operator!=(TXmlAttribute const& other) const {
        return !(m_value == other.m_value);
    }

    XMLATTR_INLINE_EXPORT T const& getValue() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT T const& operator*() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT operator T const&() const noexcept { return m_value; }
    XMLATTR_INLINE_EXPORT T* operator->() noexcept { return &m_value; }
    XMLATTR_INLINE_EXPORT T const* operator->() const noexcept { return &m_value; }
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
