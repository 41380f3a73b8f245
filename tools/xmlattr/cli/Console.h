// Standard output for results, standard error for problems, and a progress line on a
// terminal that never mixes into either.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace Tool {

class Console {
public:
    /// Shows progress only when `progress` is set and standard error is a terminal.
    explicit Console(bool progress);
    ~Console();
    Console(Console const&) = delete;
    Console& operator=(Console const&) = delete;

    /// Results and diagnostics, to standard output.
    void out(std::string_view text);
    /// Problems that stop the work on one input, to standard error.
    void problem(std::string_view text);
    /// Replaces the progress line, at most ten times a second.
    void progress(std::string_view line);

private:
    void clearProgress();

    bool m_enabled;
    bool m_shown = false;
    std::chrono::steady_clock::time_point m_last;
};

} // namespace Tool
