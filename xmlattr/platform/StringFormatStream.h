// Core::StringFormatStream: placeholder formatting ("{0}", "{1}", ...).
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/Vector.h"

#include <string_view>

namespace Core {

/// An argument list that streams into a `StringFormatStream` as consecutive arguments.
class XMLATTR_EXPORT VariantArray {
public:
    /// Appends one argument.
    VariantArray& operator<<(String const& value);
    /// The arguments held, in order; the index must lie in 0..size()-1.
    ///@{
    int size() const noexcept { return m_items.size(); }
    String const& operator[](int index) const noexcept { return m_items[index]; }
    ///@}

private:
    Vector<String> m_items;
};

/// Fills the placeholders "{0}", "{1}", ... of a pattern with the arguments streamed
/// in, in order; numbers are written by `Format::toString`. A placeholder may repeat or
/// come out of order; one without an argument, and any other brace, stays as written.
/// Arguments are never searched for placeholders themselves.
class XMLATTR_EXPORT StringFormatStream {
public:
    /// Keeps a copy of `pattern`; nothing is formatted until `getString`.
    explicit StringFormatStream(std::u16string_view pattern);

    /// Adds the next argument (an array adds each of its items in turn).
    ///@{
    StringFormatStream& operator<<(String const& value);
    StringFormatStream& operator<<(int value);
    StringFormatStream& operator<<(float value);
    StringFormatStream& operator<<(double value);
    StringFormatStream& operator<<(VariantArray const& values);
    ///@}

    /// The pattern with each placeholder replaced; the stream can still take arguments.
    String getString() const;

private:
    static constexpr int kInlineArguments = 8;

    void add(String value);
    String const& argument(int index) const noexcept;

    String m_pattern;
    String m_inline[kInlineArguments];
    Vector<String> m_more;
    int m_count = 0;
};

} // namespace Core
