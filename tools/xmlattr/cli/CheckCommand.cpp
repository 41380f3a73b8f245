// `xmlattr check`: finds the documents, checks them on several threads, and reports them in
// the order they were found, as one thread would.
#include "CheckOutput.h"
#include "Commands.h"
#include "Console.h"
#include "checker/DocumentChecker.h"

#include <xmlattr/platform/String.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <system_error>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace Tool {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> kDocumentExtensions = {".fo", ".xml", ".svg"};
constexpr std::string_view kLookedFor = ".fo, .xml and .svg files";
constexpr std::string_view kStandardInputShown = "<stdin>";

bool isDocumentName(fs::path const& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return static_cast<char>(Core::String::toLowerAscii(static_cast<char16_t>(c)));
    });
    return std::find(kDocumentExtensions.begin(), kDocumentExtensions.end(), extension) !=
           kDocumentExtensions.end();
}

struct Document {
    fs::path path;
    std::string shown;
};

// What a path leads to, whatever the links on the way: the file (an empty key when it cannot
// be told) and whether it is a folder. One call to the file system.
struct Target {
    std::string key;
    bool folder = false;
};

Target targetOf(fs::path const& path) {
#ifdef _WIN32
    std::error_code error;
    fs::path const canonical = fs::canonical(path, error);
    if (error) {
        return {};
    }
    return {canonical.string(), fs::is_directory(canonical, error)};
#else
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {};
    }
    return {std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino),
            S_ISDIR(status.st_mode)};
#endif
}

class Collection {
public:
    long duplicates = 0;

    // A folder gives its documents, searched to any depth, in name order; any other path is
    // taken as a document whatever its name. False, with a message, for a folder that
    // holds no document.
    bool add(std::string const& given, Console& console) {
        if (given == kStandardInput) {
            if (!m_standardInput) {
                m_found.push_back({given, std::string(kStandardInputShown)});
                m_standardInput = true;
            }
            return true;
        }
        fs::path const path(given);
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            // A file that cannot be read is reported when it is checked.
            m_found.push_back({path, given});
            return true;
        }
        std::vector<fs::path> found;
        for (fs::recursive_directory_iterator it(path, error), end; !error && it != end;
             it.increment(error)) {
            // Whether a link leads to a folder is told later, with the link check, on every
            // thread; the type of anything else is known from the folder's listing.
            std::error_code ignored;
            if (isDocumentName(it->path()) &&
                (it->is_symlink(ignored) || !it->is_directory(ignored))) {
                found.push_back(it->path());
            }
        }
        std::sort(found.begin(), found.end());
        for (fs::path& document : found) {
            std::string shown = document.string();
            m_found.push_back({std::move(document), std::move(shown)});
        }
        if (error) {
            // What was found before the fault is still checked.
            console.problem("xmlattr: error: cannot read the folder " + given + ": " +
                            error.message() + "\n");
            m_trouble = true;
        } else if (found.empty()) {
            console.problem("xmlattr: error: no documents in " + given + ": looked for " +
                            std::string(kLookedFor) + " in it and its subfolders\n");
            return false;
        }
        return true;
    }

    bool trouble() const noexcept { return m_trouble; }

    // The documents found, each file once however many paths lead to it (the first path
    // keeps it), without links that lead to folders. What each path leads to is a call to
    // the file system, made on up to `threads` threads. A broken link stays a document, so
    // that reading it reports the fault.
    std::vector<Document> distinct(std::size_t threads) {
        // A thread is worth starting for a few hundred paths, not for a handful.
        constexpr std::size_t kPathsPerThread = 256;
        threads = std::clamp<std::size_t>(m_found.size() / kPathsPerThread, 1, threads);
        std::vector<Target> targets(m_found.size());
        auto const lookUp = [&](std::size_t first) {
            for (std::size_t i = first; i < m_found.size(); i += threads) {
                if (m_found[i].path != kStandardInput) {
                    targets[i] = targetOf(m_found[i].path);
                }
            }
        };
        {
            std::vector<std::jthread> others;
            for (std::size_t first = 1; first < threads; ++first) {
                others.emplace_back(lookUp, first);
            }
            lookUp(0);
        }
        std::set<std::string> seen;
        std::vector<Document> documents;
        for (std::size_t i = 0; i < m_found.size(); ++i) {
            if (targets[i].folder) {
                continue;
            }
            if (!targets[i].key.empty() && !seen.insert(targets[i].key).second) {
                ++duplicates;
            } else {
                documents.push_back(std::move(m_found[i]));
            }
        }
        return documents;
    }

private:
    std::vector<Document> m_found;
    bool m_standardInput = false;
    bool m_trouble = false;
};

// The progress line keeps to one line of a narrow terminal.
std::string progressLine(std::size_t done, std::size_t count, std::string const& path) {
    constexpr std::size_t kWidth = 79;
    std::string line = "checking " + std::to_string(done) + "/" + std::to_string(count) + " ";
    std::size_t const room = kWidth > line.size() ? kWidth - line.size() : 0;
    if (path.size() > room && room > 3) {
        return line + "..." + path.substr(path.size() - (room - 3));
    }
    return line + path;
}

// Every thread checks files and writes reports: a report is written by whichever thread
// finds it next in line, so the output is in the order the files were found and no thread
// sits waiting to write while others check. Threads stay at most `window` files ahead of
// the output, so what is held is bounded by a few files, not by the whole run.
class InOrder {
public:
    using Write = std::function<void(FileReport const&)>;

    InOrder(std::size_t count, std::size_t window, Write write)
        : m_slots(count), m_window(window), m_write(std::move(write)) {}

    std::optional<std::size_t> claim() {
        std::size_t const index = m_next.fetch_add(1);
        if (index >= m_slots.size()) {
            return std::nullopt;
        }
        std::unique_lock lock(m_mutex);
        if (index >= m_taken + m_window) {
            ++m_waitingForRoom;
            m_room.wait(lock, [&] { return index < m_taken + m_window; });
            --m_waitingForRoom;
        }
        return index;
    }

    // Writes the report and those after it that are ready, unless another thread is writing:
    // that one finds it when it looks for its next report.
    void put(std::size_t index, FileReport report) {
        std::unique_lock lock(m_mutex);
        m_slots[index] = std::move(report);
        if (m_writing) {
            return;
        }
        m_writing = true;
        while (m_taken < m_slots.size() && m_slots[m_taken]) {
            FileReport const ready = std::move(*m_slots[m_taken]);
            m_slots[m_taken].reset();
            ++m_taken;
            if (m_waitingForRoom > 0) {
                m_room.notify_all();
            }
            lock.unlock();
            m_write(ready);
            lock.lock();
        }
        m_writing = false;
    }

private:
    std::vector<std::optional<FileReport>> m_slots;
    std::size_t m_window;
    Write m_write;
    std::atomic<std::size_t> m_next{0};
    std::size_t m_taken = 0;
    bool m_writing = false;
    std::size_t m_waitingForRoom = 0;
    std::mutex m_mutex;
    std::condition_variable m_room;
};

} // namespace

int runCheck(CheckOptions const& options) {
    if (std::string const fault = unresolvedAttributeType(); !fault.empty()) {
        std::fputs(("xmlattr: internal error: the attribute table's " + fault + "\n").c_str(),
                   stderr);
        return kExitTrouble;
    }
    Console console(options.format == OutputFormat::Text);
    if (options.paths.empty()) {
        console.problem("xmlattr: error: no document to check: name documents or folders (" +
                        std::string(kLookedFor) +
                        " are taken from folders), or - for "
                        "standard input\n");
        return kExitTrouble;
    }
    Collection collection;
    for (std::string const& path : options.paths) {
        if (!collection.add(path, console)) {
            return kExitTrouble;
        }
    }
    std::size_t const wanted =
        options.jobs != 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
    std::vector<Document> const documents = collection.distinct(wanted);
    if (documents.empty()) {
        // Only links that lead to folders had a document's name.
        console.problem("xmlattr: error: no documents in the folders given: looked for " +
                        std::string(kLookedFor) + " in them and their subfolders\n");
        return kExitTrouble;
    }
    std::size_t const threads =
        std::clamp<std::size_t>(wanted, 1, std::max<std::size_t>(1, documents.size()));
    std::unique_ptr<ReportWriter> const writer = makeReportWriter(options.format, console);
    RunTally tally;
    tally.duplicates = collection.duplicates;
    std::size_t written = 0;
    InOrder queue(documents.size(), 16 * threads, [&](FileReport const& report) {
        ++written;
        if (documents.size() > 1) {
            console.progress(progressLine(written, documents.size(), report.path));
        }
        writer->file(report);
        tally.add(report);
    });
    auto const work = [&] {
        while (std::optional<std::size_t> const index = queue.claim()) {
            Document const& document = documents[*index];
            queue.put(*index, checkDocument(document.path, document.shown));
        }
    };
    // The calling thread is one of the threads; the others are joined as the block ends.
    {
        std::vector<std::jthread> others;
        for (std::size_t i = 1; i < threads; ++i) {
            others.emplace_back(work);
        }
        work();
    }
    writer->finish(tally, options.stats);
    if (collection.trouble() || tally.unreadable > 0 || tally.notWellFormed > 0) {
        return kExitTrouble;
    }
    long const errors = tally.total.errors + tally.references.errors;
    long const warnings = tally.total.warnings + tally.references.warnings;
    bool const failed = errors > 0 || (options.warningsAsErrors && warnings > 0);
    return failed ? kExitRejected : kExitClean;
}

} // namespace Tool
