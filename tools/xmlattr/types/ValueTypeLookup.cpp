// The table of readable types, looked up by name, and the capture of the library's log.
#include "ValueType.h"

#include "Suggest.h"

#include <xmlattr/platform/Log.h>

#include <algorithm>

namespace Tool {

namespace {

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
    // Each thread checks its own documents and hears only its own reads.
    thread_local std::vector<std::string> messages;
    return messages;
}

void record(Core::Log::Level level, Core::String const& message) {
    // A warning explains a value; an error is the library's own trouble and says so.
    logged().push_back((level == Core::Log::Warning ? "" : "the library logs an error: ") +
                       message.toUtf8());
}

} // namespace

ValueType const* findType(std::string_view name) noexcept {
    for (ValueType const& type : allTypes()) {
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
    for (ValueType const& type : allTypes()) {
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
    // Only the nearest are named, the shorter names first.
    std::sort(near.begin(), near.end(), [](auto const& a, auto const& b) {
        return a.first != b.first                   ? a.first < b.first
               : a.second.size() != b.second.size() ? a.second.size() < b.second.size()
                                                    : a.second < b.second;
    });
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < near.size() && i < 3 && near[i].first == near[0].first; ++i) {
        names.push_back(near[i].second);
    }
    return names;
}

ValueType const* typeOf(Xml::XmlAttribute const& attribute) noexcept {
    for (ValueType const& type : allTypes()) {
        if (type.holds(attribute)) {
            return &type;
        }
    }
    return nullptr;
}

void captureLibraryLog() { Core::Log::setSink(record); }

std::vector<std::string> takeLibraryLog() {
    std::vector<std::string> messages;
    messages.swap(logged());
    return messages;
}

} // namespace Tool
