// The wording of the findings on values.
#include "Messages.h"

#include "types/Fields.h"

namespace Tool {

namespace {

// NAME="VALUE", a value cut short followed by its length.
std::string quotedValue(Diagnostic const& diagnostic) {
    std::string text = diagnostic.attribute;
    text.append("=").append(inQuotes(diagnostic.value));
    if (diagnostic.valueLength > kEchoLimit) {
        text.append("... (").append(std::to_string(diagnostic.valueLength)).append(" code units)");
    }
    return text;
}

std::string differenceText(Diagnostic const& diagnostic, Diagnostic::Readings const& readings) {
    std::string const item =
        readings.item == 0 ? std::string() : "item " + std::to_string(readings.item) + " of ";
    std::string message = item + quotedValue(diagnostic) + " is read here as " +
                          inQuotes(readings.library) + "; the standard reads " +
                          inQuotes(readings.standard);
    if (readings.unheld == 1) {
        message += ", whose last value is not read";
    } else if (readings.unheld > 1) {
        message += ", whose last " + std::to_string(readings.unheld) + " values are not read";
    }
    return message;
}

} // namespace

std::string messageOf(Diagnostic const& diagnostic) {
    std::string const standard(vocabularyName(diagnostic.vocabulary));
    switch (diagnostic.finding) {
    case Finding::Invalid:
        return quotedValue(diagnostic).append(" is not a valid ").append(diagnostic.type);
    case Finding::ValidNotRead:
        return quotedValue(diagnostic) + ": valid " + standard +
               ", but not read by this library's " + diagnostic.type;
    case Finding::NotValidRead:
        return quotedValue(diagnostic) + ": not valid " + standard + "; read here as " +
               diagnostic.reading.value_or("?");
    case Finding::ReadDifferently:
        return diagnostic.readings ? differenceText(diagnostic, *diagnostic.readings)
                                   : diagnostic.message;
    case Finding::LibraryMessage:
        return quotedValue(diagnostic) + ": " +
               (diagnostic.libraryMessages.empty() ? diagnostic.message
                                                   : diagnostic.libraryMessages.front());
    default:
        return diagnostic.message;
    }
}

std::vector<std::string> notesOf(Diagnostic const& diagnostic) {
    std::vector<std::string> notes;
    std::size_t const first = diagnostic.finding == Finding::LibraryMessage ? 1 : 0;
    for (std::size_t i = first; i < diagnostic.libraryMessages.size(); ++i) {
        notes.push_back(diagnostic.libraryMessages[i]);
    }
    if (diagnostic.suggestion) {
        std::size_t length = 0;
        std::string const shown = echoed(*diagnostic.suggestion, length);
        std::string& note = notes.emplace_back("did you mean ");
        note.append(inQuotes(shown))
            .append(shown.size() < diagnostic.suggestion->size() ? "...?" : "?");
    }
    notes.insert(notes.end(), diagnostic.notes.begin(), diagnostic.notes.end());
    return notes;
}

} // namespace Tool
