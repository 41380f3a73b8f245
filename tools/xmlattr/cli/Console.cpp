// The console: results, problems and a progress line.
#include "Console.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace Tool {

namespace {

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

} // namespace

Console::Console(bool progress) : m_enabled(progress && standardErrorIsTerminal()) {}

Console::~Console() { clearProgress(); }

void Console::out(std::string_view text) {
    clearProgress();
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void Console::problem(std::string_view text) {
    clearProgress();
    // What went to standard output so far comes first when both reach one terminal.
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void Console::progress(std::string_view line) {
    if (!m_enabled) {
        return;
    }
    auto const now = std::chrono::steady_clock::now();
    if (m_shown && now - m_last < std::chrono::milliseconds(100)) {
        return;
    }
    m_last = now;
    std::fflush(stdout);
    std::fputs("\r\033[K", stderr);
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    m_shown = true;
}

void Console::clearProgress() {
    if (m_shown) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        m_shown = false;
    }
}

} // namespace Tool
