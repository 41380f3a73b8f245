// Arbitrary documents through the xmlattr tool's checker: elements of both vocabularies,
// attributes, `style` declarations, namespaces, each value judged by the library and by the
// standards' grammars. Nothing may crash, and a report must hold together: every diagnostic
// counted once, every value echoed within its limit, a fault only at the end.
#include "checker/DocumentChecker.h"
#include "cli/Messages.h"
#include "types/ValueType.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void checkReport(Tool::FileReport const& report) {
    long errors = 0;
    long warnings = 0;
    for (std::size_t i = 0; i < report.diagnostics.size(); ++i) {
        Tool::Diagnostic const& diagnostic = report.diagnostics[i];
        bool const fault = diagnostic.finding == Tool::Finding::Unreadable ||
                           diagnostic.finding == Tool::Finding::NotWellFormed;
        check(!fault || i + 1 == report.diagnostics.size());
        if (fault || diagnostic.finding == Tool::Finding::NoNamespace) {
            continue;
        }
        std::string const message = Tool::messageOf(diagnostic);
        check(!diagnostic.attribute.empty() && !message.empty());
        check(diagnostic.value.size() <= 4 * Tool::kEchoLimit);
        check(diagnostic.valueLength <= Tool::kEchoLimit ||
              message.find("code units)") != std::string::npos);
        errors += diagnostic.severity == Tool::Severity::Error ? 1 : 0;
        warnings += diagnostic.severity == Tool::Severity::Warning ? 1 : 0;
    }
    // Names and references are counted apart from values.
    check(errors == report.total.errors + report.references.errors &&
          warnings == report.total.warnings + report.references.warnings);
    check(report.total.errors + report.total.warnings + report.total.skipped <=
          report.total.values);
    Tool::Counts sum;
    for (Tool::AttributeCounts const& entry : report.attributes) {
        sum.add(entry.counts);
    }
    check(sum.values == report.total.values && sum.errors == report.total.errors &&
          sum.warnings == report.total.warnings && sum.skipped == report.total.skipped);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    static bool const captured = (Tool::captureLibraryLog(), true);
    (void)captured;
    std::string_view const document(reinterpret_cast<char const*>(data), size);
    checkReport(Tool::checkDocumentText(document, "fuzz.svg"));
    return 0;
}
