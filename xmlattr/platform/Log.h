// Core::Log: where warnings and errors of the library go.
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Core {

/// Messages go to one sink, standard error by default. The sink may be replaced
/// at any time from any thread; it is called on the thread that logs.
class XMLATTR_EXPORT Log {
public:
    enum Level : int { Warning = 0, Error = 1 };
    using Sink = void (*)(Level level, String const& message);

    static void warning(String const& message);
    static void error(String const& message);
    /// Installs `sink` (null restores standard error) and returns the one it replaces.
    static Sink setSink(Sink sink) noexcept;
};

} // namespace Core
