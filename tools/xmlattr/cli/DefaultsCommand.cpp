// `xmlattr defaults`: the library's exported defaults, by name, type and written text.
#include "Commands.h"

#include "types/Fields.h"
#include "types/ValueType.h"

#include <xmlattr/defaults/DefaultList.h>

#include <algorithm>
#include <cstdio>

namespace Tool {

int runDefaults(bool json) {
    struct Line {
        std::string name;
        ValueType const* type;
        std::string written;
    };
    std::vector<Line> lines;
    for (Xml::DefaultEntry const& entry : Xml::defaultAttributes()) {
        std::string const name = Core::String(entry.name).toUtf8();
        ValueType const* type = typeOf(*entry.attribute);
        if (type == nullptr) {
            std::fputs(
                ("xmlattr: internal error: no type of the tool holds " + name + "\n").c_str(),
                stderr);
            return kExitTrouble;
        }
        lines.push_back({name, type, Xml::writeDefault(*entry.attribute).toUtf8()});
    }
    std::string out;
    if (json) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            Fields value;
            lines[i].type->describeHeld(value, *Xml::defaultAttributes()[i].attribute);
            nlohmann::ordered_json object = nlohmann::ordered_json::object();
            object["name"] = lines[i].name;
            object["type"] = lines[i].type->name;
            object["written"] = nullptr;
            if (lines[i].type->hasTextForm) {
                object["written"] = lines[i].written;
            }
            object["value"] = value.toJson();
            array.push_back(std::move(object));
        }
        out = array.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    } else {
        std::size_t nameWidth = 0;
        std::size_t typeWidth = 0;
        for (Line const& line : lines) {
            nameWidth = std::max(nameWidth, line.name.size());
            typeWidth = std::max(typeWidth, line.type->name.size());
        }
        for (Line const& line : lines) {
            out += line.name + std::string(nameWidth + 2 - line.name.size(), ' ');
            out += std::string(line.type->name) +
                   std::string(typeWidth + 2 - line.type->name.size(), ' ');
            out += line.type->hasTextForm ? inQuotes(line.written) : "(no text form)";
            out += "\n";
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitClean;
}

} // namespace Tool
