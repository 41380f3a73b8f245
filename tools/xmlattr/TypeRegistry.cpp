// The table of readable types, looked up by name, and the capture of the library's log.
#include "TypeRegistry.h"

#include "Describe.h"
#include "Suggest.h"

#include <xmlattr/platform/Log.h>

#include <algorithm>

namespace Tool {

namespace {

// clang-format off
constexpr TypeRow kTypes[] = {
    row<Xml::Length>("Length", "formatting-object length: a number and a unit in small letters (\"12pt\"), or \"0\""),
    row<Xml::SLength>("SLength", "SVG length: a number, in pixels unless a unit or \"%\" follows (\"12\", \"3cm\", \"50%\")"),
    row<Xml::LengthOrPercent>("LengthOrPercent", "formatting-object length, percentage or plain factor (\"12pt\", \"50%\", \"1.2\")"),
    row<Xml::SLengthOrPercent>("SLengthOrPercent", "SVG length or percentage; a plain number is in pixels (\"12\", \"50%\")"),
    row<Xml::Language>("Language", "language code, in any letter case (\"en\", \"EN-US\", \"cze\")"),
    row<Xml::Value>("Value", "chart value: a month/day/year date, a number, or else text (\"12/25/2010\", \"3.75\")"),
    row<Xml::AxisUnits>("AxisUnits", "chart axis step: \"auto\", \"days\", \"months\", \"years\" or a number other than 0"),
    row<float>("float", "plain number (\"0.5\", \"-2e3\"), white space around it allowed"),
};
// clang-format on

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Core::String::toLowerAscii(static_cast<char16_t>(x)) ==
                      Core::String::toLowerAscii(static_cast<char16_t>(y));
           });
}

bool containsFolded(Core::String const& text, Core::String const& part) {
    std::u16string_view const haystack = text.view();
    std::u16string_view const needle = part.view();
    auto const found = std::search(
        haystack.begin(), haystack.end(), needle.begin(), needle.end(), [](char16_t x, char16_t y) {
            return Core::String::toLowerAscii(x) == Core::String::toLowerAscii(y);
        });
    return found != haystack.end();
}

std::vector<std::string>& logged() {
    static std::vector<std::string> messages;
    return messages;
}

void record(Core::Log::Level level, Core::String const& message) {
    logged().push_back((level == Core::Log::Warning ? "warning: " : "error: ") + message.toUtf8());
}

} // namespace

std::span<TypeRow const> allTypes() noexcept { return kTypes; }

TypeRow const* findType(std::string_view name) noexcept {
    for (TypeRow const& type : kTypes) {
        if (sameName(type.name, name)) {
            return &type;
        }
    }
    return nullptr;
}

std::vector<std::string_view> closestTypes(std::string_view name) {
    Core::String const wanted{name};
    // A third of the name may be wrong, at least two letters, never all of it.
    int const allowed = std::max(2, wanted.length() / 3);
    std::vector<std::pair<int, std::string_view>> near;
    for (TypeRow const& type : kTypes) {
        Core::String const known{type.name};
        int distance = editDistance(wanted.view(), known.view(), true, allowed);
        if (distance >= wanted.length()) {
            continue;
        }
        // "Transform" for "TransformList": a part of the name is near enough.
        if (distance > allowed && wanted.length() >= 4 && containsFolded(known, wanted)) {
            distance = allowed;
        }
        if (distance <= allowed) {
            near.emplace_back(distance, type.name);
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [](auto const& a, auto const& b) { return a.first < b.first; });
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < near.size() && i < 3; ++i) {
        names.push_back(near[i].second);
    }
    return names;
}

void captureLibraryLog() { Core::Log::setSink(record); }

std::vector<std::string> takeLibraryLog() {
    std::vector<std::string> messages;
    messages.swap(logged());
    return messages;
}

} // namespace Tool
