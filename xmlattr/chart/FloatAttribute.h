// TXmlAttribute<float>: a plain number, such as a chart's axis bound.
#pragma once

#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/String.h"

namespace Xml {

// Deliberately no exported instantiation: callers compile the float attribute's
// members themselves, and the library exports only the readers and writers they call.
/// Binds plain numbers to the platform's strict reader and shortest writer.
template <> struct ValueTraits<float> {
    /// Strict, as `Core::Format::parseFloat`: on false the number is untouched.
    static bool parse(float& value, Core::String const& text) {
        return Core::Format::parseFloat(text, value);
    }
    /// `Core::Format::toString`: the shortest text that reads back.
    static Core::String write(float const& value) { return Core::Format::toString(value); }
};

template <>
inline constexpr TypeDescription kTypeDescription<float>{
    .name = "float",
    .summary = "plain number (\"0.5\", \"-2e3\"), white space around it allowed",
    .family = TypeFamily::Number,
    .exported = false};

} // namespace Xml
