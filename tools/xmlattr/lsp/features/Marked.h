// Test documents written with their places marked: "|" for the offset asked about and
// "[[...]]" around each span expected back. The marks are taken out of the text.
#pragma once

#include "DocumentScan.h"

#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

struct Marked {
    std::string text;
    std::size_t offset = 0;
    std::vector<TextSpan> spans;

    explicit Marked(std::string_view marked) {
        for (std::size_t at = 0; at < marked.size(); ++at) {
            if (marked[at] == '|') {
                offset = text.size();
            } else if (marked.substr(at, 2) == "[[") {
                spans.push_back({text.size(), text.size()});
                ++at;
            } else if (marked.substr(at, 2) == "]]") {
                spans.back().end = text.size();
                ++at;
            } else {
                text += marked[at];
            }
        }
    }

    std::string_view at(TextSpan span) const {
        return std::string_view(text).substr(span.begin, span.end - span.begin);
    }
};

} // namespace Tool::Lsp
