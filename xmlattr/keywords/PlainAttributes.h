// Attributes of free text and of whole numbers.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// Free text: every text is stored as it stands (nothing trimmed or unquoted), the
/// empty text included, and written back unchanged.
template <> struct ValueTraits<Core::String> {
    /// Stores `text` as it stands; always true.
    [[nodiscard]] static bool parse(Core::String& value, Core::String const& text) {
        value = text;
        return true;
    }
    /// The text as stored.
    static Core::String write(Core::String const& value) { return value; }
};

template <>
inline constexpr TypeDescription kTypeDescription<Core::String>{
    .name = "String",
    .summary = "free text, read as it is (font-family, hyphenation-character, format)",
    .family = TypeFamily::Text,
    .reads = ReadRule::Always,
    .exported = false};

/// A whole number, read strictly by `Core::Format::parseInt` (blanks around it and one
/// trailing "%" allowed; on false the value is untouched) and written in its decimal form.
template <> struct ValueTraits<int> {
    /// `Core::Format::parseInt`.
    [[nodiscard]] static bool parse(int& value, Core::String const& text) noexcept {
        return Core::Format::parseInt(text, value);
    }
    /// `Core::Format::toString`.
    static Core::String write(int const& value) { return Core::Format::toString(value); }
};

template <>
inline constexpr TypeDescription kTypeDescription<int>{
    .name = "int",
    .summary = "integer (\"3\", \"-12\"), white space around it allowed",
    .family = TypeFamily::Number,
    .exported = false};

} // namespace Xml
