// Header blocks are read leniently in their names' case and spacing, strictly in the length.
#include "Framing.h"

#include <algorithm>
#include <charconv>

namespace Tool::Lsp {

namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto const lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// The Content-Length of a header block (its lines, without the empty one), or false.
bool contentLength(std::string_view block, std::size_t& length) {
    bool found = false;
    while (!block.empty()) {
        std::size_t const end = block.find("\r\n");
        std::string_view const line = block.substr(0, end);
        block = end == std::string_view::npos ? std::string_view() : block.substr(end + 2);
        std::size_t const colon = line.find(':');
        if (colon == std::string_view::npos) {
            return false;
        }
        if (!sameLetters(trimmed(line.substr(0, colon)), "content-length")) {
            continue;
        }
        std::string_view const number = trimmed(line.substr(colon + 1));
        auto const [rest, error] =
            std::from_chars(number.data(), number.data() + number.size(), length);
        if (error != std::errc() || rest != number.data() + number.size() || number.empty()) {
            return false;
        }
        found = true;
    }
    return found;
}

constexpr std::string_view kBlockEnd = "\r\n\r\n";

} // namespace

void FrameReader::feed(std::string_view bytes) {
    std::size_t const dropped = std::min(m_skip, bytes.size());
    m_skip -= dropped;
    bytes.remove_prefix(dropped);
    // What was consumed goes before the buffer grows, so it holds at most one frame and a bit.
    if (m_at > 0 && m_at >= m_buffer.size() / 2) {
        m_buffer.erase(0, m_at);
        m_at = 0;
    }
    m_buffer.append(bytes);
}

FrameReader::Got FrameReader::next(std::string& body) {
    std::string_view rest = std::string_view(m_buffer).substr(m_at);
    // What is left of a frame cut short, whose body's parse error was answered, is passed
    // over up to the next header.
    constexpr std::string_view kHeaderStart = "content-";
    if (!sameLetters(rest.substr(0, kHeaderStart.size()),
                     kHeaderStart.substr(0, std::min(rest.size(), kHeaderStart.size())))) {
        if (std::size_t const again = rest.find("Content-Length");
            again != std::string_view::npos) {
            m_at += again;
            rest.remove_prefix(again);
        }
    }
    std::size_t const blockEnd = rest.substr(0, kMaxHeader + kBlockEnd.size()).find(kBlockEnd);
    if (blockEnd == std::string_view::npos) {
        if (rest.size() < kMaxHeader + kBlockEnd.size()) {
            return Got::Nothing;
        }
        // No header block: on to the next thing that starts like one.
        std::size_t const again = rest.find("Content-Length", 1);
        m_at = again == std::string_view::npos ? m_buffer.size() : m_at + again;
        return Got::Fault;
    }
    std::size_t length = 0;
    std::size_t const bodyAt = m_at + blockEnd + kBlockEnd.size();
    if (!contentLength(rest.substr(0, blockEnd), length)) {
        m_at = bodyAt;
        return Got::Fault;
    }
    if (length > kMaxBody) {
        std::size_t const here = m_buffer.size() - bodyAt;
        m_skip = length - std::min(length, here);
        m_at = bodyAt + std::min(length, here);
        return Got::Fault;
    }
    if (m_buffer.size() - bodyAt < length) {
        return Got::Nothing;
    }
    body.assign(m_buffer, bodyAt, length);
    m_at = bodyAt + length;
    return Got::Message;
}

std::string framed(std::string_view body) {
    std::string frame = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    frame.append(body);
    return frame;
}

} // namespace Tool::Lsp
