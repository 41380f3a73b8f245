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
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <system_error>
#include <thread>

#ifndef _WIN32
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace Tool {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> kDocumentExtensions = {".fo", ".xml", ".svg"};
constexpr std::string_view kLookedFor = ".fo, .xml and .svg files";
constexpr std::string_view kStandardInputShown = "<stdin>";

// The extension as `path::extension` finds it (the name's last ".", not its first character),
// read from the path's own text: a path made of it would be split into components again, and
// a folder of icons asks this thousands of times.
bool isDocumentName(fs::path const& path) {
    auto const& text = path.native();
    using Char = fs::path::value_type;
    std::size_t const separator =
        text.find_last_of(fs::path::string_type{Char('/'), fs::path::preferred_separator});
    std::size_t const name = separator == fs::path::string_type::npos ? 0 : separator + 1;
    std::size_t const dot = text.rfind(Char('.'));
    if (dot == fs::path::string_type::npos || dot <= name) {
        return false;
    }
    return std::any_of(
        kDocumentExtensions.begin(), kDocumentExtensions.end(), [&](std::string_view extension) {
            return text.size() - dot == extension.size() &&
                   std::equal(extension.begin(), extension.end(),
                              text.begin() + static_cast<long>(dot), [](char wanted, Char c) {
                                  return static_cast<Char>(Core::String::toLowerAscii(
                                             static_cast<char16_t>(c))) ==
                                         static_cast<Char>(wanted);
                              });
        });
}

// Whether a found document is standard input, without making a path of "-" to compare.
bool isStandardInput(fs::path const& path) {
    return path.native().size() == 1 && path.native()[0] == fs::path::value_type('-');
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

// A folder's entry as its listing tells it: whether it is a link, else whether a folder.
struct Listed {
    fs::path path;
    bool link = false;
    bool folder = false;
};

// The entries of `folder`, those before a fault among them. Where the system lists folders
// itself its listing is read directly: the library's iterator made each entry cost several
// thousand instructions, a sizeable part of checking a folder of small icons.
std::vector<Listed> listed(fs::path const& folder, std::error_code& error) {
    std::vector<Listed> entries;
#ifdef _WIN32
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        bool const link = it->is_symlink(ignored);
        entries.push_back({it->path(), link, !link && it->is_directory(ignored)});
    }
#else
    std::unique_ptr<DIR, int (*)(DIR*)> const listing(::opendir(folder.c_str()), ::closedir);
    if (!listing) {
        error.assign(errno, std::generic_category());
        return entries;
    }
    for (;;) {
        errno = 0;
        dirent const* const entry = ::readdir(listing.get());
        if (entry == nullptr) {
            if (errno != 0) {
                error.assign(errno, std::generic_category());
            }
            return entries;
        }
        std::string_view const name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        Listed& added = entries.emplace_back(Listed{folder / name});
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            // Some file systems do not say: the entry itself is asked.
            struct stat status {};
            type = ::lstat(added.path.c_str(), &status) != 0 ? DT_UNKNOWN
                   : S_ISLNK(status.st_mode)                 ? DT_LNK
                   : S_ISDIR(status.st_mode)                 ? DT_DIR
                                                             : DT_REG;
        }
        added.link = type == DT_LNK;
        added.folder = type == DT_DIR;
    }
#endif
    return entries;
}

// The documents named and found in the folders named. A folder is searched to any depth in
// name order, through links too; a link back into a folder it is in is not followed. A folder
// that cannot be read is reported by its own path and the search goes on beside it.
// The link itself, not what it leads to.
std::string linkKey(fs::path const& link) {
#ifdef _WIN32
    return fs::absolute(link).string();
#else
    struct stat status {};
    if (::lstat(link.c_str(), &status) != 0) {
        return link.string();
    }
    return std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
#endif
}

class Collection {
public:
    explicit Collection(Console& console) : m_console(console) {}

    long duplicates = 0;

    // Any path but a folder is taken as a document whatever its name; one that cannot be
    // read is reported when it is checked.
    void add(std::string const& given) {
        if (given == kStandardInput) {
            if (!m_standardInput) {
                m_found.push_back({{given, std::string(kStandardInputShown)}, {}});
                m_standardInput = true;
            }
            return;
        }
        fs::path const path(given);
        Target const target = targetOf(path);
        if (!target.folder) {
            m_found.push_back({{path, given}, {}});
            return;
        }
        std::size_t const before = m_found.size();
        std::vector<Folder> within{{target.key, given}};
        if (walk(path, within) && m_found.size() == before) {
            m_withoutDocuments.push_back(given);
        }
    }

    bool trouble() const noexcept { return m_trouble; }

    /// The folders named that hold no document (a folder that could not be read is not one).
    std::vector<std::string> const& withoutDocuments() const noexcept { return m_withoutDocuments; }

    // The documents found, each file once however many paths lead to it (the first path
    // keeps it). What each path leads to is a call to the file system, made on up to
    // `threads` threads, unless the walk made it already. A broken link stays a document, so
    // that reading it reports the fault.
    std::vector<Document> distinct(std::size_t threads) {
        // A thread is worth starting for a few hundred paths, not for a handful.
        constexpr std::size_t kPathsPerThread = 256;
        threads = std::clamp<std::size_t>(m_found.size() / kPathsPerThread, 1, threads);
        auto const lookUp = [&](std::size_t first) {
            for (std::size_t i = first; i < m_found.size(); i += threads) {
                Found& found = m_found[i];
                if (!found.target && !isStandardInput(found.document.path)) {
                    found.target = targetOf(found.document.path);
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
        for (Found& found : m_found) {
            std::string const& key = found.target ? found.target->key : std::string();
            if (!key.empty() && !seen.insert(key).second) {
                ++duplicates;
            } else {
                documents.push_back(std::move(found.document));
            }
        }
        return documents;
    }

private:
    struct Found {
        Document document;
        /// Known from the walk for a link; looked up later for the rest.
        std::optional<Target> target;
    };

    struct Folder {
        std::string key;
        std::string shown;
    };

    // Adds the documents under `folder`, whose chain of folders from the one named is
    // `within`. False when it cannot be read.
    bool walk(fs::path const& folder, std::vector<Folder>& within) {
        std::error_code error;
        std::vector<Listed> entries = listed(folder, error);
        if (error) {
            // What the folder gave before the fault is still searched.
            m_console.problem("xmlattr: error: cannot read the folder " + folder.string() + ": " +
                              error.message() + "\n");
            m_trouble = true;
        }
        // Every entry has this folder's path before its name, so comparing the whole texts
        // orders them as comparing paths element by element does, at a fraction of the cost.
        std::sort(entries.begin(), entries.end(), [](Listed const& a, Listed const& b) {
            return a.path.native() < b.path.native();
        });
        for (Listed const& entry : entries) {
            fs::path const& path = entry.path;
            if (entry.link) {
                // Only a link costs a look past the folder's listing.
                Target target = targetOf(path);
                if (target.folder) {
                    enter(path, target, within);
                } else if (isDocumentName(path)) {
                    m_found.push_back({{path, path.string()}, std::move(target)});
                }
            } else if (entry.folder) {
                // A folder too may close a loop, when a link on the way led out of the
                // folder named.
                enter(path, targetOf(path), within);
            } else if (isDocumentName(path)) {
                m_found.push_back({{path, path.string()}, {}});
            }
        }
        return !error;
    }

    void enter(fs::path const& folder, Target const& target, std::vector<Folder>& within) {
        auto const loop =
            target.key.empty()
                ? within.end()
                : std::find_if(within.begin(), within.end(),
                               [&](Folder const& outer) { return outer.key == target.key; });
        if (loop == within.end()) {
            within.push_back({target.key, folder.string()});
            walk(folder, within);
            within.pop_back();
            return;
        }
        // The same link is met again through every other path to its folder: said once.
        if (m_loops.insert(linkKey(folder)).second) {
            m_console.problem("xmlattr: note: links make a loop: " + folder.string() +
                              " leads back to " + loop->shown + ", which is not searched again\n");
        }
    }

    Console& m_console;
    std::vector<Found> m_found;
    std::vector<std::string> m_withoutDocuments;
    std::set<std::string> m_loops;
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

std::size_t checkingThreads(unsigned jobs, std::size_t hardware, std::size_t files) {
    // More threads than the machine runs at once, or than there are files, only cost memory
    // and switching.
    std::size_t const most = std::max<std::size_t>(1, std::min(hardware, files));
    return jobs == 0 ? most : std::min<std::size_t>(jobs, most);
}

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
    Collection collection(console);
    for (std::string const& path : options.paths) {
        collection.add(path);
    }
    std::size_t const hardware = std::thread::hardware_concurrency();
    std::vector<Document> const documents =
        collection.distinct(checkingThreads(options.jobs, hardware, SIZE_MAX));
    // A folder without documents is worth a word beside other documents, and is the fault
    // when there is nothing else.
    std::string_view const level = documents.empty() ? "error" : "note";
    for (std::string const& folder : collection.withoutDocuments()) {
        console.problem("xmlattr: " + std::string(level) + ": no documents in " + folder +
                        ": looked for " + std::string(kLookedFor) + " in it and its subfolders\n");
    }
    if (documents.empty()) {
        return kExitTrouble;
    }
    std::size_t const threads = checkingThreads(options.jobs, hardware, documents.size());
    std::unique_ptr<ReportWriter> const writer =
        makeReportWriter(options.format, console, options.verbose);
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
