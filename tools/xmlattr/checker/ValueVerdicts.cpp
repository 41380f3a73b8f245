// The two readers' verdicts on a value, and the diagnostic each pair of them gives.
#include "ValueVerdicts.h"

#include "FormatterValues.h"
#include "ReadingComparison.h"
#include "standard/Reading.h"
#include "standard/Scanner.h"
#include "standard/Syntax.h"
#include "types/Suggest.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace Tool {

namespace {

Standard::Dialect dialectOf(ValuePlace const& place) {
    if (place.vocabulary == Vocabulary::XslFo) {
        return Standard::Dialect::XslFo;
    }
    return place.inStyle ? Standard::Dialect::CssDeclaration : Standard::Dialect::SvgAttribute;
}

// A value longer than this is not described field by field: its description would take
// far more memory than the document.
constexpr int kLongestDescribed = 4096;

// A long reading is shown by its start, as a long value is.
std::string shortened(std::string line) {
    std::size_t length = 0;
    std::string shown = echoed(line, length);
    return length > kEchoLimit ? shown + "..." : line;
}

// The first items a list's reading is tried with; four times as many each time the shown
// start is not reached.
constexpr std::size_t kLeadingItems = 2;

// The reading of a list value from as few of its first items as reach as far as is shown: a
// list of more items goes on where theirs closes ("]}"), so what comes before is the start of
// the whole line too. Describing long paths whole was most of what a document of spoiled
// paths cost. Nothing when the description is not one list field.
std::optional<std::string> listReading(ValueType const& type, Core::String const& text) {
    for (std::size_t items = kLeadingItems;; items *= 4) {
        Fields fields;
        bool const more = type.describeLeading(text, items, fields);
        if (fields.size() != 1 || !fields.at(0).isList) {
            return std::nullopt;
        }
        std::string line;
        fields.writeInline(line);
        if (!more) {
            return shortened(std::move(line));
        }
        std::size_t length = 0;
        std::string const shown = echoed(std::string_view(line).substr(0, line.size() - 2), length);
        if (length > kEchoLimit) {
            return shown + "...";
        }
    }
}

// What the library made of an accepted value: its written text, or its fields on one line.
std::string readingOf(ValueType const& type, Core::String const& text) {
    if (text.length() > kLongestDescribed) {
        return "a " + std::string(type.name) + " (too long to show)";
    }
    // The written text, where there is one, is all that is shown: the fields cost far more.
    std::string const written = type.hasTextForm ? type.written(text) : std::string();
    std::optional<std::string> reading;
    if (!written.empty()) {
        reading = shortened(inQuotes(written));
    } else if (type.describeLeading != nullptr) {
        reading = listReading(type, text);
    }
    if (!reading) {
        std::string line;
        type.parse(text).value.writeInline(line);
        reading = shortened(std::move(line));
    }
    takeLibraryLog();
    return *reading;
}

std::optional<std::string> nearMiss(ValueType const* type, Standard::Syntax const* syntax,
                                    Standard::Dialect dialect, Core::String const& text) {
    auto const accepts = [&](Core::String const& attempt) {
        if (syntax != nullptr && !Standard::conforms(*syntax, attempt.toUtf8(), dialect)) {
            return false;
        }
        if (type == nullptr) {
            return true;
        }
        bool const accepted = type->accepts(attempt);
        takeLibraryLog();
        return accepted;
    };
    if (syntax != nullptr) {
        // The grammar's keywords as they are: copying them for every rejected value was most
        // of what a document with many errors cost.
        return suggest(text, {syntax->keywords, Standard::colorKeywords(*syntax)}, accepts);
    }
    std::vector<std::u16string_view> const keywords =
        type != nullptr ? type->keywords() : std::vector<std::u16string_view>();
    return suggest(text, keywords, accepts);
}

// The library's text from a value: ASCII, nearly every value, is widened in one pass rather
// than decoded a character at a time.
Core::String libraryText(std::string_view value) {
    thread_local std::u16string units;
    if (!std::all_of(value.begin(), value.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; }) ||
        value.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return Core::String{value};
    }
    units.assign(value.begin(), value.end());
    return Core::String(units.data(), static_cast<int>(units.size()));
}

// The readers of an attribute name on an element, from the library's table and the
// standard's.
struct Readers {
    ValueType const* type = nullptr;
    Standard::Syntax const* syntax = nullptr;
    /// The name as a table spells it.
    std::string_view spelling;
};

std::string_view lowered(std::string_view name) {
    thread_local std::string lower;
    lower.assign(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), Standard::lowerAscii);
    return lower;
}

// A document repeats a few dozen names: the readers of each are remembered per thread, and
// found again by a compare of two short texts instead of two hashed lookups.
class ReaderCache {
public:
    Readers const& find(ValuePlace const& place, std::string_view name) {
        std::string_view const element = place.inStyle ? std::string_view() : place.element;
        Slot& slot = m_slots[indexOf(place.vocabulary, element, name)];
        if (!slot.used || slot.vocabulary != place.vocabulary || slot.name != name ||
            slot.element != element) {
            slot.used = true;
            slot.vocabulary = place.vocabulary;
            slot.name.assign(name);
            slot.element.assign(element);
            slot.readers = {};
            // CSS property names are read in any case.
            std::string_view const key = place.inStyle ? lowered(name) : name;
            slot.readers.type =
                attributeType(place.vocabulary, element, key, &slot.readers.spelling);
            slot.readers.syntax = place.vocabulary == Vocabulary::Svg
                                      ? Standard::svgSyntax(element, key, &slot.readers.spelling)
                                      : Standard::xslSyntax(key, &slot.readers.spelling);
        }
        return slot.readers;
    }

private:
    static constexpr std::size_t kSlots = 256;

    struct Slot {
        bool used = false;
        Vocabulary vocabulary = Vocabulary::Svg;
        std::string name;
        std::string element;
        Readers readers;
    };

    static std::size_t indexOf(Vocabulary vocabulary, std::string_view element,
                               std::string_view name) {
        std::size_t index =
            name.size() * 131 + element.size() * 31 + static_cast<std::size_t>(vocabulary) * 7;
        if (!name.empty()) {
            index += static_cast<unsigned char>(name.front()) * 7u +
                     static_cast<unsigned char>(name.back()) * 3u +
                     static_cast<unsigned char>(name[name.size() / 2]);
        }
        if (!element.empty()) {
            index += static_cast<unsigned char>(element.front()) * 5u +
                     static_cast<unsigned char>(element.back());
        }
        return index % kSlots;
    }

    std::array<Slot, kSlots> m_slots;
};

thread_local ReaderCache readerCache;

// What is known of a value without reading it again.
enum class Known : unsigned char { Nothing = 0, Silent = 1, Skipped = 2 };

// Most values repeat ("fill:#000000", "0.5"): a short value that both readers took in
// silence, or that was left to the formatter, is remembered, per thread, so that the next
// one like it costs a hash and a compare instead of two readings.
class SilentValues {
public:
    Known find(ValueType const* type, Standard::Syntax const* syntax, Standard::Dialect dialect,
               std::string_view value) const {
        if (value.size() > kLongest || m_slots.empty()) {
            return Known::Nothing;
        }
        Slot const& slot = m_slots[slotOf(type, syntax, dialect, value)];
        bool const same = slot.type == type && slot.syntax == syntax && slot.dialect == dialect &&
                          slot.length == value.size() &&
                          std::equal(value.begin(), value.end(), slot.text.begin());
        return same ? slot.known : Known::Nothing;
    }

    void add(ValueType const* type, Standard::Syntax const* syntax, Standard::Dialect dialect,
             std::string_view value, Known known) {
        if (value.size() > kLongest) {
            return;
        }
        if (m_slots.empty()) {
            m_slots.resize(kSlots);
        }
        Slot& slot = m_slots[slotOf(type, syntax, dialect, value)];
        slot = {type, syntax, dialect, static_cast<unsigned char>(value.size()), known, {}};
        std::copy(value.begin(), value.end(), slot.text.begin());
    }

private:
    static constexpr std::size_t kLongest = 40;
    static constexpr std::size_t kSlots = 1 << 11;

    struct Slot {
        ValueType const* type = nullptr;
        Standard::Syntax const* syntax = nullptr;
        Standard::Dialect dialect = Standard::Dialect::SvgAttribute;
        unsigned char length = 0;
        Known known = Known::Nothing;
        std::array<char, kLongest> text{};
    };

    static std::size_t slotOf(ValueType const* type, Standard::Syntax const* syntax,
                              Standard::Dialect dialect, std::string_view value) {
        // FNV-1a over the text, the readers' addresses mixed in.
        std::uint64_t hash = 1469598103934665603ull ^ reinterpret_cast<std::uintptr_t>(type) ^
                             (reinterpret_cast<std::uintptr_t>(syntax) << 1) ^
                             static_cast<std::uint64_t>(dialect);
        for (char const c : value) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        return static_cast<std::size_t>(hash ^ (hash >> 29)) & (kSlots - 1);
    }

    std::vector<Slot> m_slots;
};

thread_local SilentValues silentValues;

} // namespace

std::optional<Finding> verdictOf(Answers const& answers) noexcept {
    bool const valid = answers.hasSyntax ? answers.standardAllows : answers.libraryReads;
    bool const read = answers.hasType ? answers.libraryReads : answers.standardAllows;
    if (!valid && !read) {
        return Finding::Invalid;
    }
    if (!read) {
        return Finding::ValidNotRead;
    }
    if (!valid) {
        return Finding::NotValidRead;
    }
    if (answers.readDifferently) {
        return Finding::ReadDifferently;
    }
    if (answers.libraryMessages) {
        return Finding::LibraryMessage;
    }
    return std::nullopt;
}

void checkValue(FileReport& report, ValuePlace const& place, std::string_view name,
                std::string_view value) {
    Readers const& readers = readerCache.find(place, name);
    ValueType const* type = readers.type;
    Standard::Syntax const* syntax = readers.syntax;
    if (type == nullptr && syntax == nullptr) {
        ++report.unknown;
        addUnknown(report.unknownNames, place.vocabulary, name, 1);
        return;
    }
    AttributeCounts& entry = report.countsOf(place.vocabulary, readers.spelling, type, syntax);
    Counts& counts = entry.counts;
    ++counts.values;
    ++report.total.values;
    Standard::Dialect const dialect = dialectOf(place);
    Known const known = silentValues.find(type, syntax, dialect, value);
    if (known == Known::Silent) {
        return;
    }
    if (known == Known::Skipped || isFormatterValue(place.vocabulary, value)) {
        silentValues.add(type, syntax, dialect, value, Known::Skipped);
        ++counts.skipped;
        ++report.total.skipped;
        return;
    }
    Core::String const text = libraryText(value);
    // The library's reading is taken only where the standard's can be set beside it.
    thread_local Standard::Reading held;
    bool const comparable = syntax != nullptr && Standard::readsQuantities(*syntax);
    bool const libraryReads =
        type != nullptr && (comparable ? type->readHeld(text, held) : type->accepts(text));
    std::vector<std::string> messages = takeLibraryLog();
    // Where the readings are compared, the standard's is taken as its grammar is checked.
    thread_local Standard::Reading standardReading;
    bool const compared = comparable && libraryReads;
    bool const standardAllows =
        syntax != nullptr && (compared ? Standard::readConforming(*syntax, value, dialect,
                                                                  standardReading)
                                       : Standard::conforms(*syntax, value, dialect));
    Difference difference;
    if (compared && standardAllows) {
        difference =
            compareReadings(standardReading, value, held, place.vocabulary == Vocabulary::Svg);
    }
    std::optional<Finding> const finding =
        verdictOf({type != nullptr, libraryReads, syntax != nullptr, standardAllows,
                   !messages.empty(), difference.kind != Difference::Kind::None});
    if (!finding) {
        silentValues.add(type, syntax, dialect, value, Known::Silent);
        return;
    }

    Diagnostic diagnostic;
    diagnostic.position = place.locateName(place.context);
    diagnostic.range = place.locate(place.context, 0, value.size());
    // The stretch at fault, where it is less than the whole value: what the standard does not
    // take, or what the two readings disagree on.
    std::pair<std::size_t, std::size_t> part{0, value.size()};
    if (*finding == Finding::ReadDifferently) {
        part = {difference.begin, difference.end};
    } else if (syntax != nullptr && !standardAllows) {
        part = Standard::faultOf(*syntax, value, dialect);
    }
    if (part.first < part.second && (part.first > 0 || part.second < value.size())) {
        diagnostic.part = place.locate(place.context, part.first, part.second);
    }
    diagnostic.vocabulary = place.vocabulary;
    diagnostic.attribute = name;
    diagnostic.element = place.element;
    diagnostic.value = echoed(value, diagnostic.valueLength);
    diagnostic.type = entry.typeName();
    if (type != nullptr && libraryReads) {
        diagnostic.reading = readingOf(*type, text);
    }
    diagnostic.finding = *finding;
    diagnostic.severity = *finding == Finding::Invalid ? Severity::Error : Severity::Warning;
    diagnostic.libraryMessages = std::move(messages);
    if (*finding == Finding::ReadDifferently) {
        diagnostic.readings =
            Diagnostic::Readings{std::move(difference.library), std::move(difference.standard),
                                 difference.item, difference.unheld};
    } else if (*finding != Finding::LibraryMessage) {
        diagnostic.suggestion = nearMiss(type, syntax, dialect, text);
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
                                      ValueType const* type, Standard::Syntax const* syntax) {
    // A document uses a few dozen names; the last one found is the likeliest next. The
    // tables' names are compared by where they are, not letter by letter.
    auto const found =
        std::find_if(attributes.rbegin(), attributes.rend(), [&](AttributeCounts const& entry) {
            return entry.name.data() == name.data() && entry.type == type &&
                   entry.syntax == syntax && entry.vocabulary == vocabulary;
        });
    if (found != attributes.rend()) {
        return *found;
    }
    return attributes.emplace_back(AttributeCounts{vocabulary, name, type, syntax, {}});
}

std::string AttributeCounts::typeName() const {
    return type != nullptr ? std::string(type->name) : Standard::describe(*syntax);
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
