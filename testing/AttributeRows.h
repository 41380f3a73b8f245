// Test support: tables of texts read into a typed attribute, with the value each gives and
// the text that value writes; and the check of an impossible state's recorded location.
#pragma once

#include "testing/LogCapture.h"
#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Exception.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace xmlattr_testing {

/// One text for an attribute: whether it is accepted, the value it gives, and the text that
/// value is written as (not checked when null).
template <class T> struct AttributeRow {
    std::u16string text; // NULs, unpaired surrogates and thousands of digits included
    bool accepted;
    T value;
    char16_t const* written = nullptr;
};

/// Reads each row's text into an attribute that holds `sentinel`: an accepted text gives the
/// row's value, a rejected one leaves the sentinel.
template <class T> void expectRows(T const& sentinel, std::initializer_list<AttributeRow<T>> rows) {
    for (AttributeRow<T> const& row : rows) {
        Core::String const text{std::u16string_view(row.text)};
        SCOPED_TRACE(Core::String(std::u16string_view(row.text).substr(0, 40)).toUtf8());
        Xml::TXmlAttribute<T> attribute(sentinel);
        ASSERT_EQ(attribute.parseValue(text), row.accepted);
        EXPECT_EQ(attribute, row.accepted ? row.value : sentinel);
        if (row.written != nullptr) {
            EXPECT_EQ(attribute.getValueAsString(), Core::String(row.written));
        }
    }
}

/// `call` throws `Core::UnreacheableCodeException` recorded at `file`(`line`) and logs it once.
template <class Call> void expectUnreachable(Call call, char16_t const* file, int line) {
    LogCapture log;
    try {
        call();
        ADD_FAILURE() << "no exception";
    } catch (Core::UnreacheableCodeException const& error) {
        EXPECT_EQ(error.getFile(), Core::String(file));
        EXPECT_EQ(error.getLine(), line);
    }
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_NE(log.entries()[0].message.find("(" + std::to_string(line) + ")"), std::string::npos);
}

} // namespace xmlattr_testing
