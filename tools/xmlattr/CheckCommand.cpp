// `xmlattr check`: finds the documents, checks each, and sums up.
#include "Commands.h"

#include "Console.h"
#include "DocumentChecker.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace Tool {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> kDocumentExtensions = {".fo", ".xml", ".svg"};

bool isDocumentName(fs::path const& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return static_cast<char>(Core::String::toLowerAscii(static_cast<char16_t>(c)));
    });
    return std::find(kDocumentExtensions.begin(), kDocumentExtensions.end(), extension) !=
           kDocumentExtensions.end();
}

struct Document {
    fs::path path;
    std::string shown;
};

// A folder gives its documents, searched to any depth, in name order; any other path is
// taken as a document whatever its name. False when a path or folder cannot be read.
bool collect(std::string const& given, std::vector<Document>& documents, Console& console) {
    fs::path const path(given);
    std::error_code error;
    fs::file_status const status = fs::status(path, error);
    if (error) {
        console.problem("xmlattr: error: cannot read " + given + ": " + error.message() + "\n");
        return false;
    }
    if (!fs::is_directory(status)) {
        documents.push_back({path, given});
        return true;
    }
    std::vector<fs::path> found;
    for (fs::recursive_directory_iterator it(path, error), end; !error && it != end;
         it.increment(error)) {
        // A broken link counts as a document, so that reading it reports the fault.
        std::error_code ignored;
        if (!it->is_directory(ignored) && isDocumentName(it->path())) {
            found.push_back(it->path());
        }
    }
    // What was found before a fault is still checked.
    std::sort(found.begin(), found.end());
    for (fs::path const& document : found) {
        documents.push_back({document, document.string()});
    }
    if (error) {
        console.problem("xmlattr: error: cannot read the folder " + given + ": " + error.message() +
                        "\n");
        return false;
    }
    return true;
}

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

std::string summary(Tally const& tally) {
    std::string out =
        "checked " + std::to_string(tally.files) + (tally.files == 1 ? " file: " : " files: ") +
        std::to_string(tally.total.checked()) + " attributes, " +
        std::to_string(tally.total.accepted) + " accepted, " +
        std::to_string(tally.total.rejected) + " rejected, " + std::to_string(tally.total.skipped) +
        " skipped; " + std::to_string(tally.notChecked) + " of no type the library reads\n";
    if (tally.perAttribute.empty()) {
        return out;
    }
    std::size_t nameWidth = std::string_view("attribute").size();
    std::size_t typeWidth = std::string_view("type").size();
    for (auto const& [key, attribute] : tally.perAttribute) {
        nameWidth = std::max(nameWidth, vocabularyName(key.first).size() + 1 + key.second.size());
        typeWidth = std::max(typeWidth, attribute.type.size());
    }
    constexpr std::size_t kNumber = 9;
    out += padded("attribute", nameWidth + 2) + padded("type", typeWidth) + "  accepted" +
           "  rejected" + "   skipped\n";
    for (auto const& [key, attribute] : tally.perAttribute) {
        out += padded(std::string(vocabularyName(key.first)) + " " + key.second, nameWidth + 2) +
               padded(std::string(attribute.type), typeWidth) + " " +
               rightAligned(attribute.counts.accepted, kNumber) + " " +
               rightAligned(attribute.counts.rejected, kNumber) + " " +
               rightAligned(attribute.counts.skipped, kNumber) + "\n";
    }
    return out;
}

// The progress line keeps to one line of a narrow terminal.
std::string progressLine(std::size_t done, std::size_t count, std::string const& path) {
    constexpr std::size_t kWidth = 79;
    std::string line = "checking " + std::to_string(done) + "/" + std::to_string(count) + " ";
    std::size_t const room = kWidth > line.size() ? kWidth - line.size() : 0;
    if (path.size() > room && room > 3) {
        return line + "..." + path.substr(path.size() - (room - 3));
    }
    return line + path;
}

} // namespace

int runCheck(std::vector<std::string> const& paths, std::string const& samplesFolder) {
    if (std::string const fault = unresolvedAttributeType(); !fault.empty()) {
        std::fputs(("xmlattr: internal error: the attribute table's " + fault + "\n").c_str(),
                   stderr);
        return kExitTrouble;
    }
    std::vector<std::string> const inputs =
        paths.empty() ? std::vector<std::string>{samplesFolder} : paths;
    Console console(true);
    bool trouble = false;
    std::vector<Document> documents;
    for (std::string const& input : inputs) {
        trouble = !collect(input, documents, console) || trouble;
    }
    Tally tally;
    for (std::size_t i = 0; i < documents.size(); ++i) {
        if (documents.size() > 1) {
            console.progress(progressLine(i + 1, documents.size(), documents[i].shown));
        }
        trouble = checkDocument(documents[i].path, documents[i].shown, tally, console) !=
                      DocumentResult::Read ||
                  trouble;
    }
    console.out(summary(tally));
    if (trouble) {
        return kExitTrouble;
    }
    return tally.total.rejected > 0 ? kExitRejected : kExitClean;
}

} // namespace Tool
