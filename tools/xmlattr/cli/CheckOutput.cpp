// The three renderings of a check's findings, and the summary.
#include "CheckOutput.h"

#include "Messages.h"

#include "types/Fields.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace Tool {

namespace {

using Json = nlohmann::ordered_json;

std::string dumped(Json const& json) {
    // Document text arrives as UTF-8; a malformed byte is replaced, not fatal.
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string where(FileReport const& report, Position position) {
    return report.path + ":" + std::to_string(position.line) + ":" +
           std::to_string(position.column) + ": ";
}

// A note that holds for many files (an svg root without a namespace: whole collections of
// clip art are written so) is said where it first holds, then counted, so that it does not
// drown the errors; `verbose` says it for every file.
class TextWriter final : public ReportWriter {
public:
    TextWriter(Console& console, bool verbose) : m_console(console), m_verbose(verbose) {}

    void file(FileReport const& report) override {
        std::string out;
        for (Diagnostic const& diagnostic : report.diagnostics) {
            if (diagnostic.finding == Finding::NoNamespace && !m_verbose &&
                m_withoutNamespace++ > 0) {
                continue;
            }
            if (diagnostic.finding == Finding::Unreadable) {
                m_console.out(out);
                out.clear();
                m_console.problem("xmlattr: error: cannot read " + report.path + ": " +
                                  diagnostic.message + "\n");
                continue;
            }
            std::string const at = where(report, diagnostic.position);
            if (diagnostic.finding == Finding::NotWellFormed) {
                m_console.out(out);
                out.clear();
                m_console.problem(at + "error: " + diagnostic.message + "\n");
                continue;
            }
            out.append(at).append(severityName(diagnostic.severity)).append(": ");
            out.append(messageOf(diagnostic)).append("\n");
            for (std::string const& note : notesOf(diagnostic)) {
                out.append(at).append("note: ").append(note).append("\n");
            }
            // A document with thousands of findings is written as it goes, not held whole.
            if (out.size() > kFlushAt) {
                m_console.out(out);
                out.clear();
            }
        }
        m_console.out(out);
    }

    void finish(RunTally const& tally, bool everyAttribute) override {
        std::string out;
        if (m_withoutNamespace > 1) {
            long const more = m_withoutNamespace - 1;
            out = "note: " + std::to_string(more) +
                  (more == 1 ? " more file has" : " more files have") +
                  " a root svg element without a namespace; checked as SVG (--verbose names "
                  "each)\n";
        }
        m_console.out(out + summaryText(tally, everyAttribute));
    }

private:
    static constexpr std::size_t kFlushAt = 1 << 16;

    Console& m_console;
    bool m_verbose;
    long m_withoutNamespace = 0;
};

// Machines count columns in UTF-16 code units, as editors and SARIF's default do.
Json positionJson(Position const& position) {
    Json json = Json::object();
    json["line"] = position.line;
    json["column"] = position.unitColumn;
    return json;
}

Json rangeJson(Range const& range) {
    Json json = Json::object();
    json["start"] = positionJson(range.start);
    json["end"] = positionJson(range.end);
    return json;
}

Json diagnosticJson(FileReport const& report, Diagnostic const& diagnostic) {
    Json json = Json::object();
    json["file"] = report.path;
    bool const positioned = diagnostic.finding != Finding::Unreadable;
    json["line"] = positioned ? Json(diagnostic.position.line) : Json();
    json["column"] = positioned ? Json(diagnostic.position.unitColumn) : Json();
    bool const aboutValue = !diagnostic.attribute.empty();
    json["range"] = aboutValue ? rangeJson(diagnostic.range) : Json();
    json["part"] = aboutValue && diagnostic.part ? rangeJson(*diagnostic.part) : Json();
    json["severity"] = severityName(diagnostic.severity);
    json["finding"] = findingName(diagnostic.finding);
    json["attribute"] = aboutValue ? Json(diagnostic.attribute) : Json();
    json["element"] = diagnostic.element.empty() ? Json() : Json(diagnostic.element);
    json["value"] = aboutValue ? Json(diagnostic.value) : Json();
    json["valueLength"] = aboutValue ? Json(diagnostic.valueLength) : Json();
    json["type"] = aboutValue ? Json(diagnostic.type) : Json();
    json["message"] = messageOf(diagnostic);
    json["notes"] = notesOf(diagnostic);
    json["reading"] = diagnostic.reading ? Json(*diagnostic.reading) : Json();
    return json;
}

// JSON lines: one object per diagnostic on standard output; the summary, for people, on
// standard error.
class JsonWriter final : public ReportWriter {
public:
    explicit JsonWriter(Console& console) : m_console(console) {}

    void file(FileReport const& report) override {
        std::string out;
        for (Diagnostic const& diagnostic : report.diagnostics) {
            out += dumped(diagnosticJson(report, diagnostic)) + "\n";
        }
        m_console.out(out);
    }

    void finish(RunTally const& tally, bool everyAttribute) override {
        m_console.problem(summaryText(tally, everyAttribute));
    }

private:
    Console& m_console;
};

// A URI reference for a path: unreserved characters and "/" as they are, the rest escaped.
std::string pathUri(std::string const& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (char const c : path) {
        auto const unit = static_cast<unsigned char>(c);
        bool const plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == '/';
        if (plain) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[unit >> 4];
            uri += kHex[unit & 0xF];
        }
    }
    return uri;
}

constexpr Finding kFindings[] = {Finding::Invalid,        Finding::ValidNotRead,
                                 Finding::NotValidRead,   Finding::LibraryMessage,
                                 Finding::NoNamespace,    Finding::Unreadable,
                                 Finding::NotWellFormed,  Finding::UnresolvedReference,
                                 Finding::DuplicateName,  Finding::RegionNameConflict,
                                 Finding::ReadDifferently};

// SARIF 2.1.0, one run; results are streamed between the run's head and its end.
class SarifWriter final : public ReportWriter {
public:
    explicit SarifWriter(Console& console) : m_console(console) {
        Json rules = Json::array();
        for (Finding const finding : kFindings) {
            Json rule = Json::object();
            rule["id"] = findingName(finding);
            rules.push_back(std::move(rule));
        }
        Json driver = Json::object();
        driver["name"] = "xmlattr";
        driver["rules"] = std::move(rules);
        std::string const head = R"({"version":"2.1.0","$schema":)"
                                 R"("https://json.schemastore.org/sarif-2.1.0.json",)"
                                 R"("runs":[{"tool":{"driver":)" +
                                 dumped(driver) + R"(},"columnKind":"utf16CodeUnits","results":[)";
        m_console.out(head + "\n");
    }

    void file(FileReport const& report) override {
        std::string out;
        for (Diagnostic const& diagnostic : report.diagnostics) {
            out += (m_first ? "" : ",\n") + dumped(result(report, diagnostic));
            m_first = false;
        }
        m_console.out(out);
    }

    void finish(RunTally const& tally, bool everyAttribute) override {
        m_console.out("\n]}]}\n");
        m_console.problem(summaryText(tally, everyAttribute));
    }

private:
    static Json result(FileReport const& report, Diagnostic const& diagnostic) {
        Json json = Json::object();
        json["ruleId"] = findingName(diagnostic.finding);
        std::size_t const index = static_cast<std::size_t>(
            std::find(std::begin(kFindings), std::end(kFindings), diagnostic.finding) -
            std::begin(kFindings));
        json["ruleIndex"] = index;
        json["level"] = severityName(diagnostic.severity);
        std::string text = diagnostic.finding == Finding::Unreadable
                               ? "cannot read the file: " + diagnostic.message
                               : messageOf(diagnostic);
        for (std::string const& note : notesOf(diagnostic)) {
            text += "\nnote: " + note;
        }
        json["message"]["text"] = text;
        Json location = Json::object();
        location["physicalLocation"]["artifactLocation"]["uri"] = pathUri(report.path);
        if (!diagnostic.attribute.empty()) {
            // The value, or the part of it at fault, where an editor marks it.
            Range const& marked = diagnostic.part ? *diagnostic.part : diagnostic.range;
            Json& region = location["physicalLocation"]["region"];
            region["startLine"] = marked.start.line;
            region["startColumn"] = marked.start.unitColumn;
            region["endLine"] = marked.end.line;
            region["endColumn"] = marked.end.unitColumn;
        } else if (diagnostic.finding != Finding::Unreadable) {
            location["physicalLocation"]["region"]["startLine"] = diagnostic.position.line;
            location["physicalLocation"]["region"]["startColumn"] = diagnostic.position.unitColumn;
        }
        json["locations"] = Json::array({std::move(location)});
        if (!diagnostic.attribute.empty()) {
            Json& properties = json["properties"];
            properties["attribute"] = diagnostic.attribute;
            properties["element"] = diagnostic.element;
            properties["value"] = diagnostic.value;
            properties["type"] = diagnostic.type;
            if (diagnostic.reading) {
                properties["reading"] = *diagnostic.reading;
            }
        }
        return json;
    }

    Console& m_console;
    bool m_first = true;
};

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string rightAligned(long number, std::size_t width) {
    std::string const text = std::to_string(number);
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string counted(long count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// The names neither reader knows, most frequent first: a run over many documents meets
// hundreds of foreign names, of which the first few say what is missing.
std::string unknownNamesText(std::vector<UnknownAttribute> names) {
    if (names.empty()) {
        return {};
    }
    std::sort(names.begin(), names.end(), [](UnknownAttribute const& a, UnknownAttribute const& b) {
        if (a.count != b.count) {
            return a.count > b.count;
        }
        return a.vocabulary != b.vocabulary ? a.vocabulary < b.vocabulary : a.name < b.name;
    });
    constexpr std::size_t kShown = 20;
    std::string out = "neither reader knows:";
    for (std::size_t i = 0; i < names.size() && i < kShown; ++i) {
        out += (i == 0 ? " " : ", ") + std::string(vocabularyName(names[i].vocabulary)) + " " +
               names[i].name + " (" + std::to_string(names[i].count) + ")";
    }
    if (names.size() > kShown) {
        out += " and " + std::to_string(names.size() - kShown) + " more";
    }
    return out + "\n";
}

} // namespace

std::string_view severityName(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        return "note";
    }
    return "error";
}

std::string_view findingName(Finding finding) {
    switch (finding) {
    case Finding::Invalid:
        return "invalid-value";
    case Finding::ValidNotRead:
        return "valid-but-not-read";
    case Finding::NotValidRead:
        return "read-but-not-valid";
    case Finding::LibraryMessage:
        return "library-message";
    case Finding::NoNamespace:
        return "svg-without-namespace";
    case Finding::Unreadable:
        return "unreadable-file";
    case Finding::NotWellFormed:
        return "not-well-formed";
    case Finding::ReadDifferently:
        return "read-differently";
    case Finding::UnresolvedReference:
        return "unresolved-reference";
    case Finding::DuplicateName:
        return "duplicate-name";
    case Finding::RegionNameConflict:
        return "region-name-conflict";
    }
    return "invalid-value";
}

void RunTally::add(FileReport const& report) {
    ++files;
    if (report.status == FileStatus::Unreadable) {
        ++unreadable;
    } else if (report.status == FileStatus::NotWellFormed) {
        ++notWellFormed;
    } else if (!report.hasContent) {
        withoutContent.push_back(report.path);
    } else if (report.total.errors + report.references.errors > 0) {
        ++withErrors;
    } else if (report.total.warnings + report.references.warnings > 0) {
        ++withOnlyWarnings;
    } else {
        ++clean;
    }
    total.add(report.total);
    references.add(report.references);
    unknown += report.unknown;
    for (UnknownAttribute const& row : report.unknownNames) {
        addUnknown(unknownNames, row.vocabulary, row.name, row.count);
    }
    for (AttributeCounts const& entry : report.attributes) {
        auto const found =
            std::find_if(attributes.begin(), attributes.end(), [&](AttributeCounts const& known) {
                return known.name.data() == entry.name.data() && known.type == entry.type &&
                       known.syntax == entry.syntax && known.vocabulary == entry.vocabulary;
            });
        if (found == attributes.end()) {
            attributes.push_back(entry);
        } else {
            found->counts.add(entry.counts);
        }
    }
}

std::string summaryText(RunTally const& tally, bool everyAttribute) {
    std::string out = "checked " + counted(tally.files, "file", "files") + ": " +
                      std::to_string(tally.withErrors) + " with errors, " +
                      std::to_string(tally.withOnlyWarnings) + " with only warnings, " +
                      std::to_string(tally.clean) + " clean, " + std::to_string(tally.unreadable) +
                      " could not be read, " + std::to_string(tally.notWellFormed) +
                      " not well-formed, " + std::to_string(tally.withoutContent.size()) +
                      " with no SVG or XSL-FO content";
    if (tally.duplicates > 0) {
        out += "; " + counted(tally.duplicates, "file", "files") +
               " reached again through a link, checked once";
    }
    out += "\n" + counted(tally.total.values, "value", "values") + ": " +
           counted(tally.total.errors, "error", "errors") + ", " +
           counted(tally.total.warnings, "warning", "warnings") + ", " +
           std::to_string(tally.total.skipped) + " skipped, " +
           std::to_string(tally.total.values - tally.total.errors - tally.total.warnings -
                          tally.total.skipped) +
           " clean; " + counted(tally.unknown, "attribute", "attributes") +
           " neither reader knows\n";
    out += unknownNamesText(tally.unknownNames);
    Counts const& references = tally.references;
    if (references.errors + references.warnings > 0 || (everyAttribute && references.values > 0)) {
        out += counted(references.values, "name or reference", "names and references") + ": " +
               counted(references.errors, "error", "errors") + ", " +
               counted(references.warnings, "warning", "warnings") + "\n";
    }
    for (std::string const& path : tally.withoutContent) {
        out += "no SVG or XSL-FO content: " + path + "\n";
    }
    struct Line {
        AttributeCounts const* entry;
        std::string name;
        std::string type;
    };
    std::vector<Line> rows;
    for (AttributeCounts const& entry : tally.attributes) {
        if (everyAttribute || entry.counts.errors + entry.counts.warnings > 0) {
            rows.push_back(
                {&entry,
                 std::string(vocabularyName(entry.vocabulary)) + " " + std::string(entry.name),
                 entry.typeName()});
        }
    }
    if (rows.empty()) {
        return out;
    }
    std::sort(rows.begin(), rows.end(), [](Line const& a, Line const& b) {
        long const aFound = a.entry->counts.errors + a.entry->counts.warnings;
        long const bFound = b.entry->counts.errors + b.entry->counts.warnings;
        if (aFound != bFound) {
            return aFound > bFound;
        }
        if (a.entry->vocabulary != b.entry->vocabulary) {
            return a.entry->vocabulary < b.entry->vocabulary;
        }
        return a.name != b.name ? a.name < b.name : a.type < b.type;
    });
    std::size_t nameWidth = std::string_view("attribute").size();
    std::size_t typeWidth = std::string_view("type").size();
    for (Line const& row : rows) {
        nameWidth = std::max(nameWidth, row.name.size());
        typeWidth = std::max(typeWidth, row.type.size());
    }
    constexpr std::size_t kNumber = 9;
    out += padded("attribute", nameWidth + 2) + padded("type", typeWidth) +
           "    values    errors  warnings   skipped\n";
    for (Line const& row : rows) {
        Counts const& counts = row.entry->counts;
        out += padded(row.name, nameWidth + 2) + padded(row.type, typeWidth) + " " +
               rightAligned(counts.values, kNumber) + " " + rightAligned(counts.errors, kNumber) +
               " " + rightAligned(counts.warnings, kNumber) + " " +
               rightAligned(counts.skipped, kNumber) + "\n";
    }
    return out;
}

std::unique_ptr<ReportWriter> makeReportWriter(OutputFormat format, Console& console,
                                               bool verbose) {
    switch (format) {
    case OutputFormat::Json:
        return std::make_unique<JsonWriter>(console);
    case OutputFormat::Sarif:
        return std::make_unique<SarifWriter>(console);
    case OutputFormat::Text:
        break;
    }
    return std::make_unique<TextWriter>(console, verbose);
}

} // namespace Tool
