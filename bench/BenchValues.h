// Values the benchmarks share, made from the corpus, so that xmlattr and its peers read
// exactly the same texts.
#pragma once

#include "testing/Corpus.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace bench_values {

/// The corpus has no point lists: a path's numbers, exactly as written, paired as
/// "x,y x,y ..." make one.
inline std::string pointsOfPath(std::string_view path) {
    std::vector<std::string_view> numbers;
    for (std::size_t i = 0; i < path.size();) {
        std::size_t const start = path[i] == '+' ? i + 1 : i;
        float value = 0;
        auto const result = std::from_chars(path.data() + start, path.data() + path.size(), value);
        if (result.ec == std::errc()) {
            auto const end = static_cast<std::size_t>(result.ptr - path.data());
            numbers.push_back(path.substr(i, end - i));
            i = end;
        } else {
            ++i;
        }
    }
    std::string points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
        points.append(i == 0 ? "" : " ").append(numbers[i]).append(",").append(numbers[i + 1]);
    }
    return points;
}

/// The colours of the XSL-FO and the SVG documents.
inline std::vector<xmlattr_testing::CorpusValue> colourRows() {
    auto rows = xmlattr_testing::corpusValues(
        "fo-attributes.tsv",
        {"color", "background-color", "border-color", "border-before-color", "border-after-color",
         "border-start-color", "border-end-color", "border-top-color", "border-bottom-color",
         "border-left-color", "border-right-color"});
    auto const svg = xmlattr_testing::corpusValues(
        "svg-attributes.tsv", {"fill", "stroke", "stop-color", "color", "flood-color"});
    rows.insert(rows.end(), svg.begin(), svg.end());
    return rows;
}

} // namespace bench_values
