// The two readers' verdicts on a value, and the diagnostic each pair of them gives.
#include "ValueVerdicts.h"

#include "FormatterValues.h"
#include "standard/Syntax.h"
#include "types/Suggest.h"

#include <algorithm>

namespace Tool {

namespace {

std::string_view dialectName(Vocabulary vocabulary) { return vocabularyName(vocabulary); }

Standard::Syntax const* standardSyntax(ValuePlace const& place, std::string_view name) {
    return place.vocabulary == Vocabulary::Svg
               ? Standard::svgSyntax(place.inStyle ? std::string_view() : place.element, name)
               : Standard::xslSyntax(name);
}

Standard::Dialect dialectOf(ValuePlace const& place) {
    if (place.vocabulary == Vocabulary::XslFo) {
        return Standard::Dialect::XslFo;
    }
    return place.inStyle ? Standard::Dialect::CssDeclaration : Standard::Dialect::SvgAttribute;
}

// A keyword set is shown by its keywords when the grammar has no name of its own.
std::string syntaxName(Standard::Syntax const& syntax) {
    if (!syntax.name.empty()) {
        return std::string(syntax.name);
    }
    std::string shown;
    for (std::string_view const keyword : syntax.keywords) {
        shown += (shown.empty() ? "" : " | ") + std::string(keyword);
    }
    return shown;
}

// What the library made of an accepted value: its written text, or its fields on one line.
std::string readingOf(ValueType const& type, Core::String const& text) {
    Parsed const parsed = type.parse(text);
    takeLibraryLog();
    if (type.hasTextForm && !parsed.written.empty()) {
        return inQuotes(parsed.written);
    }
    std::string line;
    parsed.value.writeInline(line);
    return line;
}

std::optional<std::string> nearMiss(ValueType const* type, Standard::Syntax const* syntax,
                                    Standard::Dialect dialect, Core::String const& text) {
    std::vector<std::u16string> owned;
    std::vector<std::u16string_view> keywords;
    if (syntax != nullptr) {
        for (std::string_view const keyword : syntax->keywords) {
            owned.emplace_back(keyword.begin(), keyword.end());
        }
        for (std::string_view const keyword : Standard::colorKeywords(*syntax)) {
            owned.emplace_back(keyword.begin(), keyword.end());
        }
        keywords.assign(owned.begin(), owned.end());
    } else if (type != nullptr) {
        keywords = type->keywords();
    }
    return suggest(text, keywords, [&](Core::String const& attempt) {
        if (syntax != nullptr && !Standard::conforms(*syntax, attempt.toUtf8(), dialect)) {
            return false;
        }
        if (type == nullptr) {
            return true;
        }
        bool const accepted = type->accepts(attempt);
        takeLibraryLog();
        return accepted;
    });
}

std::string quotedEcho(std::string_view name, std::string_view echo, std::size_t shown,
                       std::size_t length) {
    std::string text = std::string(name) + "=" + inQuotes(echo);
    if (shown < length) {
        text += "... (" + std::to_string(length) + " code units)";
    }
    return text;
}

} // namespace

void checkValue(FileReport& report, ValuePlace const& place, std::string_view name,
                std::string_view value) {
    ValueType const* type =
        attributeType(place.vocabulary, place.inStyle ? std::string_view() : place.element, name);
    Standard::Syntax const* syntax = standardSyntax(place, name);
    if (type == nullptr && syntax == nullptr) {
        ++report.unknown;
        return;
    }
    AttributeCounts& entry = report.countsOf(place.vocabulary, name,
                                             type != nullptr ? static_cast<void const*>(type)
                                                             : static_cast<void const*>(syntax));
    if (entry.type.empty()) {
        entry.type = type != nullptr ? std::string(type->name) : syntaxName(*syntax);
    }
    std::string const& typeName = entry.type;
    Counts& counts = entry.counts;
    ++counts.values;
    ++report.total.values;
    if (isFormatterValue(place.vocabulary, value)) {
        ++counts.skipped;
        ++report.total.skipped;
        return;
    }
    Standard::Dialect const dialect = dialectOf(place);
    Core::String const text{value};
    bool const libraryReads = type != nullptr && type->accepts(text);
    std::vector<std::string> messages = takeLibraryLog();
    bool const standardAllows = syntax != nullptr && Standard::conforms(*syntax, value, dialect);
    bool const valid = syntax == nullptr ? libraryReads : standardAllows;
    bool const read = type == nullptr ? standardAllows : libraryReads;
    if (valid && read && messages.empty()) {
        return;
    }

    Diagnostic diagnostic;
    diagnostic.position = place.position;
    diagnostic.vocabulary = place.vocabulary;
    diagnostic.attribute = name;
    diagnostic.element = place.element;
    diagnostic.value = echoed(value, diagnostic.valueLength);
    diagnostic.type = typeName;
    std::size_t shownLength = 0;
    echoed(diagnostic.value, shownLength);
    std::string const what = quotedEcho(name, diagnostic.value, shownLength, diagnostic.valueLength);
    std::string_view const standard = dialectName(place.vocabulary);
    if (type != nullptr && libraryReads) {
        diagnostic.reading = readingOf(*type, text);
    }
    if (!valid && !read) {
        diagnostic.finding = Finding::Invalid;
        diagnostic.severity = Severity::Error;
        diagnostic.message = what + " is not a valid " + typeName;
        diagnostic.notes = std::move(messages);
    } else if (!read) {
        diagnostic.finding = Finding::ValidNotRead;
        diagnostic.severity = Severity::Warning;
        diagnostic.message = what + ": valid " + std::string(standard) +
                             ", but not read by this library's " + typeName;
        diagnostic.notes = std::move(messages);
    } else if (!valid) {
        diagnostic.finding = Finding::NotValidRead;
        diagnostic.severity = Severity::Warning;
        diagnostic.message = what + ": not valid " + std::string(standard) + "; read here as " +
                             diagnostic.reading.value_or("?");
        diagnostic.notes = std::move(messages);
    } else {
        // Both accept, and the library had something to say about it.
        diagnostic.finding = Finding::LibraryMessage;
        diagnostic.severity = Severity::Warning;
        diagnostic.message = what + ": " + messages.front();
        diagnostic.notes.assign(messages.begin() + 1, messages.end());
    }
    if (diagnostic.finding != Finding::LibraryMessage) {
        if (std::optional<std::string> const near = nearMiss(type, syntax, dialect, text)) {
            std::size_t nearLength = 0;
            std::string const shown = echoed(*near, nearLength);
            diagnostic.notes.push_back("did you mean " + inQuotes(shown) +
                                       (shown.size() < near->size() ? "...?" : "?"));
        }
    }
    if (diagnostic.severity == Severity::Error) {
        ++counts.errors;
        ++report.total.errors;
    } else {
        ++counts.warnings;
        ++report.total.warnings;
    }
    report.diagnostics.push_back(std::move(diagnostic));
}

AttributeCounts& FileReport::countsOf(Vocabulary vocabulary, std::string_view name,
                                     void const* reader) {
    // A document uses a few dozen names; the last one found is the likeliest next.
    auto const found =
        std::find_if(attributes.rbegin(), attributes.rend(), [&](AttributeCounts const& entry) {
            return entry.reader == reader && entry.vocabulary == vocabulary && entry.name == name;
        });
    if (found != attributes.rend()) {
        return *found;
    }
    AttributeCounts& added = attributes.emplace_back();
    added.vocabulary = vocabulary;
    added.name = name;
    added.reader = reader;
    return added;
}

std::string echoed(std::string_view value, std::size_t& length) {
    length = 0;
    std::size_t cut = value.size();
    for (std::size_t i = 0; i < value.size(); ++i) {
        auto const byte = static_cast<unsigned char>(value[i]);
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        // A character beyond the basic plane takes two UTF-16 code units.
        std::size_t const units = byte >= 0xF0 ? 2 : 1;
        if (length + units > kEchoLimit && cut == value.size()) {
            cut = i;
        }
        length += units;
    }
    return std::string(value.substr(0, cut));
}

} // namespace Tool
