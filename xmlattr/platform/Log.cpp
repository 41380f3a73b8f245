// Core::Log: a replaceable sink, standard error by default.
#include "xmlattr/platform/Log.h"

#include <atomic>
#include <cstdio>

namespace Core {

namespace {

void writeToStandardError(Log::Level level, String const& message) {
    std::string const line = message.toUtf8();
    std::fprintf(stderr, "%s: %s\n", level == Log::Error ? "error" : "warning", line.c_str());
}

constinit std::atomic<Log::Sink> g_sink{&writeToStandardError};

} // namespace

void Log::warning(String const& message) {
    g_sink.load(std::memory_order_acquire)(Warning, message);
}

void Log::error(String const& message) { g_sink.load(std::memory_order_acquire)(Error, message); }

Log::Sink Log::setSink(Sink sink) noexcept {
    return g_sink.exchange(sink != nullptr ? sink : &writeToStandardError,
                           std::memory_order_acq_rel);
}

} // namespace Core
