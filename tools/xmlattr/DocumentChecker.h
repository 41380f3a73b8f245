// Checks the attributes of one XSL-FO or SVG document, streamed through the XML reader.
#pragma once

#include "AttributeTypes.h"
#include "Console.h"

#include <filesystem>
#include <map>
#include <string>
#include <utility>

namespace Tool {

/// What happened to the values of one attribute name, or of all of them.
struct Counts {
    long accepted = 0;
    long rejected = 0;
    long skipped = 0;

    long checked() const noexcept { return accepted + rejected + skipped; }
};

/// The counts of a whole run.
struct Tally {
    struct Attribute {
        std::string_view type;
        Counts counts;
    };

    long files = 0;
    Counts total;
    /// Attributes of the two vocabularies that no library type reads.
    long notChecked = 0;
    std::map<std::pair<Vocabulary, std::string>, Attribute> perAttribute;
};

enum class DocumentResult : unsigned char { Read, Unreadable, NotWellFormed };

/// Reads the document at `path`, shown as `shownPath` in diagnostics, and checks every
/// attribute that a library type reads: a rejected value is reported on the console as
/// "FILE:LINE:COL: error: NAME="VALUE" is not a valid TYPE", with notes after it. A file
/// that cannot be read or is not well-formed is reported as a problem, with the position
/// of the fault; the values checked before it stay counted.
DocumentResult checkDocument(std::filesystem::path const& path, std::string const& shownPath,
                             Tally& tally, Console& console);

} // namespace Tool
