// What checking one document found: its diagnostics, counted by attribute, and whether it
// could be read at all. The command line renders these; the checker only fills them.
#pragma once

#include "DocumentAttributeTable.h"
#include "TagPositions.h"
#include "standard/Syntax.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace Tool {

enum class Severity : unsigned char { Error = 0, Warning = 1, Note = 2 };

/// Why a diagnostic was given; machine formats name it as a rule.
enum class Finding : unsigned char {
    Invalid = 0,             // the standard and the library both reject the value
    ValidNotRead = 1,        // the standard allows what the library rejects
    NotValidRead = 2,        // the library reads what the standard rejects
    LibraryMessage = 3,      // the library said something while reading an accepted value
    NoNamespace = 4,         // a root svg element without a namespace, checked as SVG
    Unreadable = 5,          // the file cannot be read
    NotWellFormed = 6,       // the file is not well-formed XML
    UnresolvedReference = 7, // a name that refers to nothing of the document
    DuplicateName = 8,       // a second id, master name or flow name where one must be unique
    RegionNameConflict = 9,  // a region name used for another class of region
    ReadDifferently = 10,    // both accept the value, and the library holds another one
};

/// A value echoed in a diagnostic is cut after this many UTF-16 code units.
inline constexpr std::size_t kEchoLimit = 80;

struct Diagnostic {
    /// Where the attribute's name stands (a `style` declaration's property name), or where a
    /// finding about the whole document was made.
    Position position;
    /// For a diagnostic about a value: the value itself, inside its quotation marks (a `style`
    /// declaration's value inside the style text), and the part at fault where it is known.
    Range range;
    std::optional<Range> part;
    Severity severity = Severity::Error;
    Finding finding = Finding::Invalid;
    Vocabulary vocabulary = Vocabulary::Svg;
    /// Empty for a finding about the whole document.
    std::string attribute;
    std::string element;
    /// The value's first `kEchoLimit` code units, and its whole length in code units.
    std::string value;
    std::size_t valueLength = 0;
    /// The library's type, or the standard's grammar where the library has none.
    std::string type;
    /// A finding on a name or on the document is worded where it is found: the text after
    /// "error: " or "warning: ", and notes. A finding on a value leaves both to the output
    /// (cli/Messages.h), which words it from the facts below.
    std::string message;
    std::vector<std::string> notes;
    /// What the library made of the value, when it read one.
    std::optional<std::string> reading;
    /// Where both read the value apart: the library's side and the standard's, the item of a
    /// list or path that differs (from 1; 0 for the whole value), and how many of the
    /// standard's values the library does not hold.
    struct Readings {
        std::string library;
        std::string standard;
        std::size_t item = 0;
        std::size_t unheld = 0;
    };
    std::optional<Readings> readings;
    /// What the library logged while reading the value.
    std::vector<std::string> libraryMessages;
    /// The value the writer likely meant.
    std::optional<std::string> suggestion;
};

struct Counts {
    long values = 0;
    long errors = 0;
    long warnings = 0;
    long skipped = 0;

    void add(Counts const& other) noexcept {
        values += other.values;
        errors += other.errors;
        warnings += other.warnings;
        skipped += other.skipped;
    }
};

/// The counts of one attribute name read as one type. Nothing here is allocated: a report
/// made on one thread is freed on another, and that should not cost a lock.
struct AttributeCounts {
    Vocabulary vocabulary = Vocabulary::Svg;
    /// The name as the tables spell it, which lives as long as the program.
    std::string_view name;
    /// The library's type, null where the standard's grammar alone reads the attribute.
    ValueType const* type = nullptr;
    Standard::Syntax const* syntax = nullptr;
    Counts counts;

    /// The library type's name, or the grammar's where the library has none.
    std::string typeName() const;
};

/// An attribute name of one of the two vocabularies that neither reader knows, and how often
/// it was met. The name is a copy: it is the document's spelling, not a table's.
struct UnknownAttribute {
    Vocabulary vocabulary = Vocabulary::Svg;
    std::string name;
    long count = 0;
};

/// Adds `count` uses of `name` to `table`, a row for it made if new.
inline void addUnknown(std::vector<UnknownAttribute>& table, Vocabulary vocabulary,
                       std::string_view name, long count) {
    for (UnknownAttribute& row : table) {
        if (row.vocabulary == vocabulary && row.name == name) {
            row.count += count;
            return;
        }
    }
    table.push_back({vocabulary, std::string(name), count});
}

enum class FileStatus : unsigned char { Read = 0, Unreadable = 1, NotWellFormed = 2 };

struct FileReport {
    std::string path;
    FileStatus status = FileStatus::Read;
    /// Whether an element of either vocabulary was seen.
    bool hasContent = false;
    /// In document order; a fault that stopped the reading comes last.
    std::deque<Diagnostic> diagnostics;
    Counts total;
    /// Names (ids, page masters...) and references to them, and what was wrong with them.
    Counts references;
    /// Attributes of the two vocabularies that neither the library nor the standard reads:
    /// how many, and which.
    long unknown = 0;
    std::vector<UnknownAttribute> unknownNames;
    std::vector<AttributeCounts> attributes;

    /// The row of an attribute name (as the tables spell it) and its readers, added if new.
    AttributeCounts& countsOf(Vocabulary vocabulary, std::string_view name, ValueType const* type,
                              Standard::Syntax const* syntax);
};

/// The first `kEchoLimit` UTF-16 code units of UTF-8 `value`, never half a character;
/// `length` gets the whole value's length in code units.
std::string echoed(std::string_view value, std::size_t& length);

} // namespace Tool
