// Core::Log: where warnings and errors of the library go.
#pragma once

#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Core {

/// Messages go to one sink, standard error by default. The sink may be replaced
/// at any time from any thread; it is called on the thread that logs.
class XMLATTR_EXPORT Log {
public:
    /// How grave a message is; the sink is told with each.
    enum Level : int { Warning = 0, Error = 1 };
    /// Where messages go: called with each message on the thread that logs it.
    using Sink = void (*)(Level level, String const& message);

    /// Hands `message` to the sink at that level.
    ///@{
    static void warning(String const& message);
    static void error(String const& message);
    ///@}
    /// Installs `sink` (null restores standard error) and returns the one it replaces.
    static Sink setSink(Sink sink) noexcept;
};

} // namespace Core
