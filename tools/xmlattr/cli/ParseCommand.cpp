// `xmlattr parse` and `xmlattr types`.
#include "Commands.h"

#include "types/Fields.h"
#include "types/Suggest.h"
#include "types/ValueType.h"

#include <algorithm>
#include <cstdio>

namespace Tool {

namespace {

// Enough to recognise a family; `parse` suggests the right one for a near miss.
constexpr std::size_t kKeywordsShown = 4;

void print(std::string const& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

std::string unknownTypeMessage(std::string const& typeName) {
    std::string message = "xmlattr: error: unknown type " + inQuotes(typeName);
    std::vector<std::string_view> const near = closestTypes(typeName);
    if (near.empty()) {
        return message + "; \"xmlattr types\" lists the known types\n";
    }
    message += "; did you mean ";
    for (std::size_t i = 0; i < near.size(); ++i) {
        message += i == 0 ? "" : i + 1 == near.size() ? " or " : ", ";
        message += near[i];
    }
    return message + "?\n";
}

std::string asText(ValueType const& type, std::string const& text, Parsed const& parsed,
                   std::optional<std::string> const& suggestion) {
    std::string out = std::string(type.name) + " " + inQuotes(text) +
                      (parsed.accepted ? ": accepted\n" : ": rejected\n");
    if (parsed.accepted) {
        parsed.value.writeText(out, 2);
        out += type.hasTextForm ? "  written: " + inQuotes(parsed.written) + "\n"
                                : "  written: (no text form)\n";
    }
    for (std::string const& message : parsed.messages) {
        out += "  note: " + message + "\n";
    }
    if (suggestion) {
        out += "  note: did you mean " + inQuotes(*suggestion) + "?\n";
    }
    return out;
}

nlohmann::ordered_json asJson(ValueType const& type, std::string const& text, Parsed const& parsed,
                              std::optional<std::string> const& suggestion) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["type"] = type.name;
    json["text"] = text;
    json["accepted"] = parsed.accepted;
    if (parsed.accepted) {
        json["value"] = parsed.value.toJson();
        json["written"] = nullptr;
        if (type.hasTextForm) {
            json["written"] = parsed.written;
        }
    } else {
        json["suggestion"] = nullptr;
        if (suggestion) {
            json["suggestion"] = *suggestion;
        }
    }
    if (!parsed.messages.empty()) {
        json["messages"] = parsed.messages;
    }
    return json;
}

} // namespace

int runParse(std::string const& typeName, std::vector<std::string> const& texts, bool json) {
    ValueType const* type = findType(typeName);
    if (type == nullptr) {
        std::fputs(unknownTypeMessage(typeName).c_str(), stderr);
        return kExitTrouble;
    }
    int status = kExitClean;
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (std::string const& text : texts) {
        Core::String const value{text};
        Parsed const parsed = type->parse(value);
        std::optional<std::string> suggestion;
        if (!parsed.accepted) {
            suggestion = suggest(*type, value);
            status = kExitRejected;
        }
        if (json) {
            array.push_back(asJson(*type, text, parsed, suggestion));
        } else {
            print(asText(*type, text, parsed, suggestion));
        }
    }
    if (json) {
        // Texts arrive as UTF-8 from the command line; a malformed byte is replaced, not fatal.
        print(array.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n");
    }
    return status;
}

int runTypes() {
    // Grouped by family, each in the library's order.
    std::vector<ValueType const*> types;
    std::size_t width = 0;
    for (ValueType const& type : allTypes()) {
        types.push_back(&type);
        width = std::max(width, type.name.size());
    }
    std::stable_sort(types.begin(), types.end(),
                     [](ValueType const* a, ValueType const* b) { return a->family < b->family; });
    std::string out;
    for (ValueType const* row : types) {
        ValueType const& type = *row;
        out += std::string(type.name);
        out.append(width + 2 - type.name.size(), ' ');
        out += std::string(type.description);
        std::vector<std::u16string_view> const keywords = type.keywords();
        for (std::size_t i = 0; i < keywords.size() && i < kKeywordsShown; ++i) {
            out += (i == 0 ? " [" : ", ") + Core::String(keywords[i]).toUtf8();
        }
        if (!keywords.empty()) {
            out += keywords.size() > kKeywordsShown ? ", ...]" : "]";
        }
        out += "\n";
    }
    print(out);
    return kExitClean;
}

} // namespace Tool
