// Test support: attribute values that real documents carry, from corpus/*.tsv.
#pragma once

#include "xmlattr/platform/String.h"

#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace xmlattr_testing {

struct CorpusValue {
    std::string attribute;
    Core::String value;
};

// Every distinct value of the named attributes in `file` ("fo-attributes.tsv" or
// "svg-attributes.tsv"); all attributes when `attributes` is empty.
inline std::vector<CorpusValue>
corpusValues(std::string const& file, std::initializer_list<std::string_view> attributes = {}) {
    std::vector<CorpusValue> rows;
    std::ifstream in(std::string(XMLATTR_CORPUS_DIR) + "/" + file);
    std::string line;
    std::getline(in, line); // column names
    while (std::getline(in, line)) {
        std::size_t const tab1 = line.find('\t');
        std::size_t const tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos) {
            continue;
        }
        std::string name = line.substr(0, tab1);
        bool wanted = attributes.size() == 0;
        for (std::string_view attribute : attributes) {
            wanted = wanted || attribute == name;
        }
        if (!wanted) {
            continue;
        }
        std::string value;
        for (std::size_t i = tab1 + 1; i < tab2; ++i) {
            char c = line[i];
            if (c == '\\' && i + 1 < tab2) {
                char const escaped = line[++i];
                c = escaped == 't' ? '\t' : escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
            }
            value += c;
        }
        rows.push_back({std::move(name), Core::String(value)});
    }
    return rows;
}

} // namespace xmlattr_testing
