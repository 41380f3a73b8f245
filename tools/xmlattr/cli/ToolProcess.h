// Runs the xmlattr tool as a process for the tests: a folder of documents per test, the
// status it exits with and what it prints. A tool that runs on past a generous limit is
// killed, so that a loop fails its test instead of stalling the suite.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ; // NOLINT: POSIX declares it nowhere else

namespace ToolTesting {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
    /// The processor time the tool took, user and system.
    std::chrono::microseconds cpu{0};
};

inline std::string readFile(fs::path const& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// The status of a child that could not become the tool (a file it could not open, a user
/// it could not become).
inline constexpr int kCannotStart = 125;
/// The environment variable that sets how long the tool may run, in seconds.
inline constexpr char const* kLimitVariable = "XMLATTR_TOOL_TEST_TIMEOUT";

struct Launch {
    /// Standard error goes to this device instead of a file when one is named.
    std::string errorDevice;
    /// Standard input comes from this file when one is named.
    std::string input;
    /// Run as a user whom the file modes bind, also when the tests run as root (who reads
    /// every file whatever its mode).
    bool unprivileged = false;
    /// How long the tool may run before it is killed; the default when zero.
    std::chrono::milliseconds limit{0};
};

inline std::string joined(std::vector<std::string> const& words) {
    std::string text;
    for (std::string const& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

inline std::chrono::milliseconds defaultLimit() {
    char const* const seconds = std::getenv(kLimitVariable);
    long const given = seconds != nullptr ? std::atol(seconds) : 0;
    return std::chrono::seconds(given > 0 ? given : 60);
}

inline bool redirect(int descriptor, char const* path, int flags) {
    int const opened = ::open(path, flags, 0644);
    return opened >= 0 && ::dup2(opened, descriptor) >= 0 && ::close(opened) == 0;
}

inline bool dropPrivileges() {
    if (::geteuid() != 0) {
        return true;
    }
    constexpr uid_t kNobody = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

// Waits for the child to end, killing it when it runs past `limit`; false when it was killed.
// The end of a child wakes the wait at once: its signal is blocked, so that it waits to be
// taken, from before the child starts.
inline bool waitFor(pid_t child, sigset_t const& childEnds, std::chrono::milliseconds limit,
                    int& status, rusage& usage) {
    auto const deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        pid_t const ended = ::wait4(child, &status, WNOHANG, &usage);
        if (ended == child || (ended < 0 && errno != EINTR)) {
            return true;
        }
        auto const left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            ::kill(child, SIGKILL);
            ::wait4(child, &status, 0, &usage);
            return false;
        }
        auto const seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
        timespec const wait{
            static_cast<time_t>(seconds.count()),
            static_cast<long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds).count())};
        // An earlier child's signal may wake it too: the loop looks again.
        ::sigtimedwait(&childEnds, nullptr, &wait);
    }
}

inline void writeFile(fs::path const& path, std::string_view content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

// Each test gets a folder of its own, in a folder of its process, so that suites of two builds
// running at once do not share one: documents go in `docs`, which is the tool's working
// folder, so that diagnostics name them by relative paths.
class ToolTest : public ::testing::Test {
public:
    void SetUp() override {
        ::testing::TestInfo const* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::path(::testing::TempDir()) /
                 ("xmlattr_tool_test." + std::to_string(::getpid())) /
                 (std::string(info->test_suite_name()) + "." + info->name());
        fs::remove_all(m_root);
        fs::create_directories(docs());
    }
    void TearDown() override {
        fs::remove_all(m_root);
        // The process's folder goes with its last test.
        std::error_code ignored;
        fs::remove(m_root.parent_path(), ignored);
    }

    fs::path docs() const { return m_root / "docs"; }

    void document(std::string const& name, std::string_view content) const {
        writeFile(docs() / name, content);
    }

    Outcome run(std::vector<std::string> const& arguments, Launch const& launch = {}) const {
        std::string const outPath = (m_root / "stdout").string();
        std::string const errPath =
            launch.errorDevice.empty() ? (m_root / "stderr").string() : launch.errorDevice;
        std::string const folder = docs().string();
        std::vector<std::string> words{XMLATTR_TOOL};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        sigset_t childEnds;
        sigemptyset(&childEnds);
        sigaddset(&childEnds, SIGCHLD);
        sigset_t before;
        ::pthread_sigmask(SIG_BLOCK, &childEnds, &before);
        // Only what is safe between fork and exec happens in the child.
        pid_t const child = ::fork();
        if (child == 0) {
            bool const started =
                ::pthread_sigmask(SIG_SETMASK, &before, nullptr) == 0 &&
                redirect(1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC) &&
                redirect(2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC) &&
                (launch.input.empty() || redirect(0, launch.input.c_str(), O_RDONLY)) &&
                ::chdir(folder.c_str()) == 0 && (!launch.unprivileged || dropPrivileges());
            if (started) {
                ::execve(XMLATTR_TOOL, argv.data(), environ);
            }
            ::_exit(kCannotStart);
        }
        Outcome outcome;
        if (child < 0) {
            ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
            ADD_FAILURE() << "cannot start " << XMLATTR_TOOL;
            return outcome;
        }
        std::chrono::milliseconds const limit =
            launch.limit.count() > 0 ? launch.limit : defaultLimit();
        int status = 0;
        rusage usage{};
        bool const ended = waitFor(child, childEnds, limit, status, usage);
        ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
        if (!ended) {
            ADD_FAILURE() << "the tool ran longer than " << limit.count()
                          << " ms and was killed: " << joined(words) << " (" << kLimitVariable
                          << " sets the limit in seconds)";
        }
        outcome.cpu = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        outcome.out = readFile(outPath);
        if (launch.errorDevice.empty()) {
            outcome.err = readFile(errPath);
        }
        return outcome;
    }

private:
    fs::path m_root;
};

struct Expected {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err = {};
};

inline void expectRuns(ToolTest const& test, std::vector<Expected> const& rows) {
    for (Expected const& row : rows) {
        SCOPED_TRACE(joined(row.arguments));
        Outcome const outcome = test.run(row.arguments);
        EXPECT_EQ(outcome.status, row.status);
        EXPECT_EQ(outcome.out, row.out);
        EXPECT_EQ(outcome.err, row.err);
    }
}

} // namespace ToolTesting

#define EXPECT_RUNS(...) ::ToolTesting::expectRuns(*this, __VA_ARGS__)
