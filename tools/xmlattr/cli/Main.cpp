// The xmlattr command line: read attribute values with the library, one at a time or in
// whole documents.
#include "Commands.h"
#include "types/ValueType.h"

#include <xmlattr/Version.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

namespace {

constexpr std::array<std::string_view, 5> kCommands = {"parse", "types", "defaults", "check",
                                                      "lsp"};

// A first word that names no command is answered with the commands there are.
bool isUnknownCommand(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') {
        return false;
    }
    std::string_view const word = argv[1];
    if (std::find(kCommands.begin(), kCommands.end(), word) != kCommands.end()) {
        return false;
    }
    std::string message =
        "xmlattr: error: unknown command \"" + std::string(word) + "\"; the commands are";
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        message += (i == 0 ? " " : ", ") + std::string(kCommands[i]);
    }
    message += " (\"xmlattr --help\" says more)\n";
    std::fputs(message.c_str(), stderr);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (isUnknownCommand(argc, argv)) {
        return Tool::kExitTrouble;
    }
    CLI::App app("Reads XSL-FO and SVG attribute values with the xmlattr library.", "xmlattr");
    app.set_version_flag("--version", std::string("xmlattr ") + XMLATTR_VERSION_STRING);
    app.require_subcommand(1);

    bool json = false;
    std::string typeName;
    std::vector<std::string> texts;
    CLI::App* parse = app.add_subcommand(
        "parse", "Read each TEXT as a value of TYPE and show what the library makes of it.\n"
                 "Exit status 0 when every text is accepted, 1 when one is rejected, 2 for an "
                 "unknown type.");
    parse->add_flag("--json", json, "One JSON array, an object per text, instead of text");
    parse->add_option("TYPE", typeName, "The value type, as \"xmlattr types\" lists them")
        ->required()
        ->type_name("");
    parse->add_option("TEXT", texts, "Attribute texts; \"--\" before one that starts with \"-\"")
        ->required()
        ->type_name("");

    CLI::App* types = app.add_subcommand("types", "List the types that \"parse\" reads.");

    bool defaultsJson = false;
    CLI::App* defaults = app.add_subcommand(
        "defaults", "List the library's exported default attributes: name, type, written text.");
    defaults->add_flag("--json", defaultsJson,
                       "One JSON array, an object per default with the held value's fields");

    Tool::CheckOptions checkOptions;
    // Names, not the enumeration: CLI11 would show its values, small numbers, as raw bytes.
    std::map<std::string, Tool::OutputFormat> const formats = {
        {"text", Tool::OutputFormat::Text},
        {"json", Tool::OutputFormat::Json},
        {"sarif", Tool::OutputFormat::Sarif}};
    std::string formatName = "text";
    CLI::App* check = app.add_subcommand(
        "check",
        "Check the attributes of XSL-FO and SVG documents twice: with the library's readers "
        "and with the standards' grammars.\n"
        "An error is a value both reject; a warning, a value only one of them accepts.\n"
        "Exit status 0 when no value is an error, 1 when one is, 2 for a usage error or a "
        "document that cannot be read or is not well-formed XML.");
    check
        ->add_option("PATH", checkOptions.paths,
                     "Documents, folders searched for .fo, .xml and .svg files, or - for "
                     "standard input")
        ->type_name("");
    check->add_option("--format", formatName, "text (the default), json or sarif")
        ->check(CLI::IsMember({"text", "json", "sarif"}).description(""))
        ->type_name("FORMAT");
    check->add_flag("--warnings-as-errors", checkOptions.warningsAsErrors,
                    "Exit with status 1 for a warning too");
    check->add_flag("--stats", checkOptions.stats,
                    "List every attribute in the summary, not only those with diagnostics");
    check->add_flag("--verbose", checkOptions.verbose,
                    "Repeat a note for every file it applies to, instead of once with the "
                    "number of files");
    check
        ->add_option("-j,--jobs", checkOptions.jobs,
                     "Files checked at once, at most one per hardware thread (the default). "
                     "The output is the same for any number")
        ->type_name("N");

    unsigned debounce = 10;
    bool stdio = false;
    CLI::App* lsp = app.add_subcommand(
        "lsp", "Serve the Language Server Protocol on standard input and output: diagnostics "
               "as \"check\" gives them, quick fixes, hover, completion of values, colours, and "
               "going to names and their references, for the XSL-FO and SVG documents an "
               "editor opens.\n"
               "Exit status 0 when the client ends it after a shutdown request, 1 otherwise.");
    lsp->add_option("--debounce", debounce,
                    "Milliseconds a document rests after a change before it is checked "
                    "(default 10)")
        ->type_name("MS");
    lsp->add_flag("--stdio", stdio, "Accepted for the clients that pass it; always so");

    try {
        app.parse(argc, argv);
    } catch (CLI::ParseError const& error) {
        int const status = app.exit(error);
        return status == 0 ? Tool::kExitClean : Tool::kExitTrouble;
    }

    Tool::captureLibraryLog();
    if (*parse) {
        return Tool::runParse(typeName, texts, json);
    }
    if (*types) {
        return Tool::runTypes();
    }
    if (*defaults) {
        return Tool::runDefaults(defaultsJson);
    }
    if (*lsp) {
        return Tool::runLsp(debounce);
    }
    checkOptions.format = formats.at(formatName);
    return Tool::runCheck(checkOptions);
}
