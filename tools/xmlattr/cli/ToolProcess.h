// Runs the xmlattr tool as a process for the tests: a folder of documents per test, the
// status it exits with and what it prints.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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

    /// Standard error goes to `errorDevice` instead of a file when one is named.
    Outcome run(std::vector<std::string> const& arguments, std::string const& errorDevice = {},
                std::string const& inputFile = {}) const {
        std::string const outPath = (m_root / "stdout").string();
        std::string const errPath =
            errorDevice.empty() ? (m_root / "stderr").string() : errorDevice;
        std::string const folder = docs().string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        if (!inputFile.empty()) {
            posix_spawn_file_actions_addopen(&actions, 0, inputFile.c_str(), O_RDONLY, 0);
        }
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        std::vector<std::string> words{XMLATTR_TOOL};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        int const spawned =
            posix_spawn(&child, XMLATTR_TOOL, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        Outcome outcome;
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << XMLATTR_TOOL;
            return outcome;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        outcome.cpu = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        outcome.out = readFile(outPath);
        if (errorDevice.empty()) {
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

inline std::string joined(std::vector<std::string> const& words) {
    std::string text;
    for (std::string const& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

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
