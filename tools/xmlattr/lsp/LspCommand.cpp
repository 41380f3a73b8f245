// `xmlattr lsp`: the server on standard input and output. A thread reads, so that the loop
// can wait for bytes and for the debounce's deadline at once, the same way on every system.
#include "Server.h"
#include "cli/Commands.h"

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace Tool {

namespace {

// Bytes as they are: a text mode would turn the frames' "\r\n" into "\n" and back.
void useBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

long readInput(char* buffer, unsigned size) {
#ifdef _WIN32
    return _read(0, buffer, size);
#else
    ssize_t got = 0;
    do {
        got = ::read(0, buffer, size);
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
#endif
}

struct Inbox {
    std::mutex mutex;
    std::condition_variable arrived;
    std::string bytes;
    bool ended = false;
};

// The reader shares the inbox, which outlives the server's loop: the reader may still wake
// with the input's end after the loop has returned.
void readAll(std::shared_ptr<Inbox> const inbox) {
    std::vector<char> buffer(std::size_t{1} << 16);
    for (;;) {
        long const got = readInput(buffer.data(), static_cast<unsigned>(buffer.size()));
        std::lock_guard<std::mutex> const lock(inbox->mutex);
        if (got <= 0) {
            inbox->ended = true;
            inbox->arrived.notify_one();
            return;
        }
        inbox->bytes.append(buffer.data(), static_cast<std::size_t>(got));
        inbox->arrived.notify_one();
    }
}

} // namespace

int runLsp(unsigned debounceMilliseconds) {
    useBinaryStandardStreams();
    Lsp::Server server(
        [](std::string_view frame) {
            std::fwrite(frame.data(), 1, frame.size(), stdout);
            std::fflush(stdout);
        },
        Lsp::ServerOptions{std::chrono::milliseconds(debounceMilliseconds)});
    auto const shared = std::make_shared<Inbox>();
    Inbox& inbox = *shared;
    // Left blocked in its read when the server exits: the process's end ends it.
    std::thread(readAll, shared).detach();
    std::string bytes;
    bool ended = false;
    for (;;) {
        std::optional<Lsp::Clock::time_point> const due = server.deadline();
        if (ended) {
            // Nothing more will come: what waits is checked, then the server ends.
            if (!due) {
                return server.exitStatus().value_or(server.shutDown() ? kExitClean : 1);
            }
            std::this_thread::sleep_until(*due);
        } else {
            std::unique_lock<std::mutex> lock(inbox.mutex);
            auto const ready = [&] { return !inbox.bytes.empty() || inbox.ended; };
            if (due) {
                inbox.arrived.wait_until(lock, *due, ready);
            } else {
                inbox.arrived.wait(lock, ready);
            }
            bytes.swap(inbox.bytes);
            inbox.bytes.clear();
            ended = inbox.ended;
        }
        server.receive(bytes, Lsp::Clock::now());
        bytes.clear();
        server.tick(Lsp::Clock::now());
        if (std::optional<int> const status = server.exitStatus()) {
            return *status;
        }
    }
}

} // namespace Tool
