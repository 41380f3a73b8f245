// The xmlattr command line: read attribute values with the library, one at a time or in
// whole documents.
#include "Commands.h"
#include "TypeRegistry.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app("Reads XSL-FO and SVG attribute values with the xmlattr library.", "xmlattr");
    app.set_version_flag("--version", std::string("xmlattr ") + XMLATTR_VERSION);
    app.require_subcommand(1);

    bool json = false;
    std::string typeName;
    std::vector<std::string> texts;
    CLI::App* parse = app.add_subcommand(
        "parse", "Read each TEXT as a value of TYPE and show what the library makes of it.\n"
                 "Exit status 0 when every text is accepted, 1 when one is rejected, 2 for an "
                 "unknown type.");
    parse->add_flag("--json", json, "One JSON object per text instead of text");
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
                       "One JSON object per default, with the held value's fields");

    std::vector<std::string> paths;
    CLI::App* check = app.add_subcommand(
        "check",
        "Check the attributes of XSL-FO and SVG documents against the library's types.\n"
        "Exit status 0 when nothing is rejected, 1 when a value is, 2 when a document cannot "
        "be read or is not well-formed XML.");
    check
        ->add_option("PATH", paths,
                     "Documents, or folders searched for .fo, .xml and .svg files; without "
                     "one, the bundled samples")
        ->type_name("");

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
    return Tool::runCheck(paths, XMLATTR_SAMPLES_DIR);
}
