// The table that maps the attributes of the two document vocabularies to the library's
// value types, element by element where an attribute's meaning depends on its element.
#pragma once

#include "types/ValueType.h"

#include <string>
#include <string_view>

namespace Tool {

/// The document vocabularies whose attributes are checked, known by their namespaces.
enum class Vocabulary : unsigned char { XslFo, Svg };

inline constexpr std::string_view kXslFoNamespace = "http://www.w3.org/1999/XSL/Format";
inline constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";

/// "XSL-FO" or "SVG".
std::string_view vocabularyName(Vocabulary vocabulary) noexcept;

/// The library type that reads the attribute of that name on `element` (a local name), or
/// in SVG the presentation property of a `style` declaration when `element` is empty; null
/// when the library has none for it there.
/// `spelling`, when given, gets the table's own copy of the name, which lives as long as
/// the program.
ValueType const* attributeType(Vocabulary vocabulary, std::string_view element,
                               std::string_view name, std::string_view* spelling = nullptr);

/// What is wrong with the table, for a self-check before use: a row that a row for every
/// element hides; empty when nothing is. (The compiler checks that every type is listed.)
std::string unresolvedAttributeType();

} // namespace Tool
