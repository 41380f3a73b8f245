// How long each editor feature takes on one document, at offsets inside its values spread
// through it: the median, 95th percentile and slowest call, in milliseconds of wall time.
//
//   lsp_features_bench DOCUMENT [CALLS]   (CALLS offsets per feature, 200 by default)
#include "Completion.h"
#include "DocumentColors.h"
#include "Hover.h"
#include "NameReferences.h"

#include "types/ValueType.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Tool::Lsp::TextSpan;

template <typename Call> void measure(char const* name, std::size_t calls, Call const& call) {
    std::vector<double> times;
    for (std::size_t i = 0; i < calls; ++i) {
        auto const start = std::chrono::steady_clock::now();
        call(i);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%-20s %6zu calls  median %7.3f  p95 %7.3f  max %7.3f ms\n", name, calls,
                times[times.size() / 2], times[times.size() * 95 / 100], times.back());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: lsp_features_bench DOCUMENT [CALLS]\n", stderr);
        return 2;
    }
    Tool::captureLibraryLog();
    std::ifstream file(argv[1], std::ios::binary);
    std::string const document{std::istreambuf_iterator<char>(file), {}};
    std::size_t const calls = argc > 2 ? std::stoul(argv[2]) : 200;

    std::vector<TextSpan> values;
    Tool::Lsp::DocumentScanner scanner(document);
    Tool::Lsp::ScannedElement element;
    while (scanner.next(element)) {
        for (Tool::Lsp::ScannedAttribute const& attribute : *element.attributes) {
            values.push_back(attribute.valueSpan);
        }
    }
    std::vector<Tool::Lsp::ColorAt> const colors = Tool::Lsp::documentColors(document);
    std::printf("%zu bytes, %zu values, %zu colours\n", document.size(), values.size(),
                colors.size());
    if (values.empty()) {
        return 1;
    }
    auto const offsetAt = [&](std::size_t i) {
        // The last value among them, the slowest to reach, whatever the count.
        TextSpan const value = values[(i + 1) * values.size() / calls - 1];
        return value.begin + value.size() / 2;
    };
    measure("hover", calls,
            [&](std::size_t i) { (void)Tool::Lsp::hoverAt(document, offsetAt(i)); });
    measure("completion", calls,
            [&](std::size_t i) { (void)Tool::Lsp::completionsAt(document, offsetAt(i)); });
    measure("definition", calls,
            [&](std::size_t i) { (void)Tool::Lsp::nameLinksAt(document, offsetAt(i)); });
    measure("documentColor", std::max<std::size_t>(calls / 20, 5),
            [&](std::size_t) { (void)Tool::Lsp::documentColors(document); });
    if (!colors.empty()) {
        measure("colorPresentation", calls, [&](std::size_t i) {
            Tool::Lsp::ColorAt const& color = colors[(i + 1) * colors.size() / calls - 1];
            (void)Tool::Lsp::colorPresentations(document, color.span, color.color);
        });
    }
    return 0;
}
