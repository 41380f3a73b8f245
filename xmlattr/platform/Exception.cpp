// Core::Exception: code location, logging and the messages of its kinds.
#include "xmlattr/platform/Exception.h"

#include "xmlattr/platform/Log.h"

#include <string>

namespace Core {

Exception::~Exception() = default;

void Exception::initCodeLocation(String const& file, int line) {
    m_file = file;
    m_line = line;
}

void Exception::logError() const {
    String message(m_file);
    message += u"(";
    message += String(std::to_string(m_line));
    message += u"): ";
    message += String(std::string(what()));
    Log::error(message);
}

char const* Exception::what() const noexcept { return "exception"; }

UnreacheableCodeException::~UnreacheableCodeException() = default;

char const* UnreacheableCodeException::what() const noexcept { return "unreachable code"; }

NullPointerException::~NullPointerException() = default;

char const* NullPointerException::what() const noexcept { return "null pointer"; }

} // namespace Core
