// Test support: collects what the library logs while an instance is alive.
#pragma once

#include "xmlattr/platform/Log.h"

#include <string>
#include <vector>

namespace xmlattr_testing {

class LogCapture {
public:
    struct Entry {
        Core::Log::Level level;
        std::string message;
    };

    LogCapture() : m_previous(Core::Log::setSink(&record)) { entries().clear(); }
    ~LogCapture() { Core::Log::setSink(m_previous); }
    LogCapture(LogCapture const&) = delete;
    LogCapture& operator=(LogCapture const&) = delete;

    static std::vector<Entry>& entries() {
        static std::vector<Entry> captured;
        return captured;
    }

private:
    static void record(Core::Log::Level level, Core::String const& message) {
        entries().push_back({level, message.toUtf8()});
    }

    Core::Log::Sink m_previous;
};

} // namespace xmlattr_testing
