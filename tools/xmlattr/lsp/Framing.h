// The base protocol's frames: a header block with Content-Length, an empty line, and that
// many bytes of JSON. Bytes come in any pieces; what does not make a frame is skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Tool::Lsp {

/// Frames with a longer body are skipped whole: a document is far smaller.
inline constexpr std::size_t kMaxBody = std::size_t{256} << 20;
/// A header block longer than this is not one.
inline constexpr std::size_t kMaxHeader = 4096;

class FrameReader {
public:
    enum class Got : unsigned char { Nothing = 0, Message = 1, Fault = 2 };

    /// Adds bytes as they arrive.
    void feed(std::string_view bytes);
    /// The next frame's body in `body`; `Fault` for a header block without a usable
    /// Content-Length (or a body over `kMaxBody`), which is skipped; `Nothing` until the
    /// next frame is whole.
    Got next(std::string& body);
    /// The bytes held, consumed or not: what the reader costs.
    std::size_t held() const noexcept { return m_buffer.size(); }

private:
    std::string m_buffer;
    std::size_t m_at = 0;
    /// Bytes of an oversized body still to be dropped as they come.
    std::size_t m_skip = 0;
};

/// The frame for `body`.
std::string framed(std::string_view body);

} // namespace Tool::Lsp
