// Core::Exception and the two impossible states the library reports.
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

#include <exception>

namespace Core {

/// Base of the runtime's exceptions: carries the source file and line where an
/// impossible state was found. Never thrown for bad text.
class XMLATTR_EXPORT Exception : public std::exception {
public:
    Exception() noexcept = default;
    /// Copies keep the message and the recorded location.
    ///@{
    Exception(Exception const&) = default;
    Exception& operator=(Exception const&) = default;
    ///@}
    ~Exception() override;

    /// Records where the impossible state was met; `throwWithLocation` does it before throwing.
    void initCodeLocation(String const& file, int line);
    /// The recorded source name and line; empty and 0 until recorded.
    ///@{
    String const& getFile() const noexcept { return m_file; }
    int getLine() const noexcept { return m_line; }
    ///@}
    /// Logs "file(line): what" through `Log::error`.
    void logError() const;
    /// The exception's kind as text; the location is in `getFile` and `getLine`.
    char const* what() const noexcept override;

private:
    String m_file;
    int m_line = 0;
};

/// A state that text cannot produce: a unit or mode number outside its table.
class XMLATTR_EXPORT UnreacheableCodeException : public Exception {
public:
    ~UnreacheableCodeException() override;
    /// "unreachable code".
    char const* what() const noexcept override;
};

/// An empty `SmartPtr` was dereferenced.
class XMLATTR_EXPORT NullPointerException : public Exception {
public:
    ~NullPointerException() override;
    /// "null pointer".
    char const* what() const noexcept override;
};

/// Records `file` and `line` in a new `E`, logs it and throws it: the one road of
/// every impossible state, so the recorded location is always logged first.
template <class E> [[noreturn]] void throwWithLocation(char16_t const* file, int line) {
    E error;
    error.initCodeLocation(file, line);
    error.logError();
    throw error;
}

} // namespace Core
