// The library's SVG readers beside two open-source SVG readers, lunasvg and nanosvg, on the
// corpus values: path data, transform lists, point lists and colours.
//
//   peer_bench [ROUNDS] [PASS_MS]      (defaults 21 rounds, passes of at least 20 ms)
//
// A round runs every reader over the same values, one pass each, in turn; the order of the
// readers flips from round to round so that none always follows the same one. A pass reads
// the values as many times as it takes to last PASS_MS. Time is the thread's CPU time; the
// table gives nanoseconds a value, the median over the rounds, and the interquartile range
// relative to it.
#include "PeerReaders.h"
#include "bench/BenchValues.h"

#include <xmlattr/xmlattr.h>

#include "testing/Corpus.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Values {
    std::vector<std::string> utf8;
    std::vector<Core::String> utf16;
    std::vector<PeerText> peer; // views of utf8, made once every text is in

    void add(std::string text) {
        utf16.emplace_back(text);
        utf8.push_back(std::move(text));
    }
    void makeViews() {
        for (std::string const& text : utf8) {
            peer.push_back({text.c_str(), text.size()});
        }
    }
};

Values svgValues(std::initializer_list<std::string_view> attributes) {
    Values values;
    for (auto const& row : xmlattr_testing::corpusValues("svg-attributes.tsv", attributes)) {
        values.add(row.value.toUtf8());
    }
    return values;
}

// As in SvgBench: the corpus has no point lists, so every path's numbers, exactly as
// written, paired as "x,y x,y ...".
Values pointValues() {
    Values values;
    for (std::string const& path : svgValues({"d"}).utf8) {
        values.add(bench_values::pointsOfPath(path));
    }
    return values;
}

// As in ColorBench: the colours of the XSL-FO and the SVG documents.
Values colourValues() {
    auto const rows = bench_values::colourRows();
    Values values;
    for (auto const& row : rows) {
        values.add(row.value.toUtf8());
    }
    return values;
}

// The library's reader: each text into a fresh attribute, as the engine holds one.
template <class T> std::size_t xmlattrRead(Values const& values) {
    std::size_t taken = 0;
    for (Core::String const& text : values.utf16) {
        Xml::TXmlAttribute<T> attribute;
        taken += attribute.parseValue(text) ? 1U : 0U;
    }
    return taken;
}

using Reader = std::size_t (*)(Values const&);
template <std::size_t (*read)(PeerText const*, std::size_t)>
std::size_t peerRead(Values const& values) {
    return read(values.peer.data(), values.peer.size());
}

constexpr std::size_t kReaderCount = 3;
constexpr std::array<char const*, kReaderCount> kReaders = {"xmlattr", "lunasvg", "nanosvg"};

struct Kind {
    char const* name;
    Values values;
    std::array<Reader, kReaderCount> readers;
};

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Nanoseconds a value over `repeats` readings of every value.
double pass(Reader read, Values const& values, int repeats) {
    double const start = threadSeconds();
    for (int i = 0; i < repeats; ++i) {
        read(values);
    }
    return (threadSeconds() - start) * 1e9 /
           (static_cast<double>(repeats) * static_cast<double>(values.utf8.size()));
}

double quantile(std::vector<double> sorted, double q) {
    double const at = q * static_cast<double>(sorted.size() - 1);
    auto const below = static_cast<std::size_t>(at);
    std::size_t const above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

} // namespace

int main(int argc, char** argv) {
    int const rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    double const passSeconds = (argc > 2 ? std::max(1, std::atoi(argv[2])) : 20) * 1e-3;
    // The colour reader logs what it rejects; recording that is no part of reading.
    Core::Log::setSink([](Core::Log::Level, Core::String const&) {});

    std::vector<Kind> kinds;
    kinds.push_back({"path data",
                     svgValues({"d"}),
                     {xmlattrRead<Core::Vector<Xml::PathDataCommand>>, peerRead<lunasvgReadPaths>,
                      peerRead<nanosvgReadPaths>}});
    kinds.push_back({"transform lists",
                     svgValues({"transform"}),
                     {xmlattrRead<Core::Vector<Xml::Transform>>, peerRead<lunasvgReadTransforms>,
                      peerRead<nanosvgReadTransforms>}});
    kinds.push_back({"point lists",
                     pointValues(),
                     {xmlattrRead<Core::Vector<Xml::Point>>, peerRead<lunasvgReadPoints>,
                      peerRead<nanosvgReadPoints>}});
    kinds.push_back({"colours",
                     colourValues(),
                     {xmlattrRead<SmartPtr<Drawing::Color>>, peerRead<lunasvgReadColours>,
                      peerRead<nanosvgReadColours>}});

    for (Kind& kind : kinds) {
        kind.values.makeViews();
    }

    // How many values each reader takes, and how many readings of them make a pass: enough
    // for the slowest reader of the kind to last the pass.
    std::vector<std::array<std::size_t, kReaderCount>> taken(kinds.size());
    std::vector<int> repeats(kinds.size());
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        double slowest = 0;
        for (std::size_t r = 0; r < kReaderCount; ++r) {
            double const start = threadSeconds();
            taken[k][r] = kinds[k].readers[r](kinds[k].values);
            slowest = std::max(slowest, threadSeconds() - start);
        }
        repeats[k] = std::max(1, static_cast<int>(passSeconds / std::max(slowest, 1e-9)));
    }

    // times[k][r]: nanoseconds a value, one a round.
    std::vector<std::array<std::vector<double>, kReaderCount>> times(kinds.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            for (std::size_t i = 0; i < kReaderCount; ++i) {
                std::size_t const r = round % 2 == 0 ? i : kReaderCount - 1 - i;
                times[k][r].push_back(pass(kinds[k].readers[r], kinds[k].values, repeats[k]));
            }
        }
    }

    std::printf("ns a value: median of %d interleaved rounds of thread CPU time (interquartile "
                "range / median)\n\n%-10s",
                rounds, "reader");
    for (Kind const& kind : kinds) {
        std::printf(" | %-19s", kind.name);
    }
    std::printf("\n");
    std::vector<double> xmlattrMedians;
    for (std::size_t r = 0; r < kReaderCount; ++r) {
        std::printf("%-10s", kReaders[r]);
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            std::vector<double> sorted = times[k][r];
            std::sort(sorted.begin(), sorted.end());
            double const median = quantile(sorted, 0.5);
            double const spread = (quantile(sorted, 0.75) - quantile(sorted, 0.25)) / median;
            if (r == 0) {
                xmlattrMedians.push_back(median);
            }
            char cell[32];
            std::snprintf(cell, sizeof cell, "%.1f (%.0f%%) %.2fx", median, spread * 100,
                          median / xmlattrMedians[k]);
            std::printf(" | %-19s", cell);
        }
        std::printf("\n");
    }
    std::printf("\n(the last figure: the reader's time over xmlattr's; above 1, xmlattr is "
                "faster)\n\nvalues (taken by xmlattr / lunasvg / nanosvg):\n");
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        std::printf("  %-16s %zu (%zu / %zu / %zu); readings a pass: %d\n", kinds[k].name,
                    kinds[k].values.utf8.size(), taken[k][0], taken[k][1], taken[k][2], repeats[k]);
    }
    std::printf(
        "\nentry points: xmlattr reads each text into a fresh TXmlAttribute<T> (UTF-16 text);\n"
        "lunasvg: a fresh SVGPath, SVGTransform or SVGPointList property's parse() (internal\n"
        "  headers); colours: \"none\", \"currentColor\", then plutovg_color_parse, as its style\n"
        "  resolution reads them;\n"
        "nanosvg: nsvg__parsePath / nsvg__parsePoly (its element readers: they also make a shape,\n"
        "  freed after each value; nothing narrower takes the text), nsvg__parseTransform,\n"
        "  nsvg__parseColor; it rejects no transform or colour.\n");
    return 0;
}
