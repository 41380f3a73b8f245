// Real documents for the server's tests: the samples, and the shared corpus where it is at
// hand, each with its text.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace Tool::Lsp::Testing {

inline std::vector<std::pair<std::filesystem::path, std::string>> realDocuments() {
    std::vector<std::pair<std::filesystem::path, std::string>> documents;
    for (char const* folder : {XMLATTR_SAMPLES_DIR, XMLATTR_SHARED_DOCS}) {
        if (!std::filesystem::is_directory(folder)) {
            continue;
        }
        for (auto const& entry : std::filesystem::recursive_directory_iterator(folder)) {
            std::string const extension = entry.path().extension().string();
            if (extension == ".svg" || extension == ".fo") {
                std::ifstream in(entry.path(), std::ios::binary);
                documents.emplace_back(entry.path(),
                                       std::string{std::istreambuf_iterator<char>(in), {}});
            }
        }
    }
    return documents;
}

} // namespace Tool::Lsp::Testing
