// Which library type reads which attribute of the two document vocabularies.
#pragma once

#include "TypeRegistry.h"

#include <string>
#include <string_view>

namespace Tool {

/// The document vocabularies whose attributes are checked, known by their namespaces.
enum class Vocabulary : unsigned char { XslFo, Svg };

inline constexpr std::string_view kXslFoNamespace = "http://www.w3.org/1999/XSL/Format";
inline constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";

/// "XSL-FO" or "SVG".
std::string_view vocabularyName(Vocabulary vocabulary) noexcept;

/// The type that reads the attribute (or, in SVG, the presentation property of a `style`
/// attribute) of that name in that vocabulary; null when the library has none for it.
TypeRow const* attributeType(Vocabulary vocabulary, std::string_view name);

/// What is wrong with the table, for a self-check before use: an entry that names no
/// readable type, or an attribute listed twice; empty when nothing is.
std::string unresolvedAttributeType();

} // namespace Tool
