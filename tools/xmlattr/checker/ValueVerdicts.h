// One value, two verdicts: the library's reader and the standard's grammar, and what the
// pair of answers means for the author and the engine.
#pragma once

#include "FileReport.h"

#include <optional>
#include <string_view>

namespace Tool {

/// Where a value was written: as an attribute of an element (its local name), or as a
/// declaration of an SVG `style` attribute.
struct ValuePlace {
    Vocabulary vocabulary = Vocabulary::Svg;
    std::string_view element;
    bool inStyle = false;
    /// Where the attribute's name stands, and the range of the value's delivered bytes
    /// [begin, end) (the whole value, or the part at fault), asked for only when there is
    /// something to say: finding them takes a walk over the raw tag.
    Position (*locateName)(void* context) = nullptr;
    Range (*locate)(void* context, std::size_t begin, std::size_t end) = nullptr;
    void* context = nullptr;
};

/// What the answers of the two readers on one value mean: the finding to report, or none for
/// a value both take alike in silence. Where the library has no type for the attribute, the
/// standard's answer stands for both, and the other way round.
struct Answers {
    bool hasType = false;
    bool libraryReads = false;
    bool hasSyntax = false;
    bool standardAllows = false;
    /// The library logged something while reading.
    bool libraryMessages = false;
    /// Both accept, and the library holds another value than the standard reads.
    bool readDifferently = false;
};
std::optional<Finding> verdictOf(Answers const& answers) noexcept;

/// Checks `value` of attribute `name` and records the outcome in `report`: counted under
/// the attribute, and a diagnostic unless both verdicts accept it silently. Values only a
/// formatter can resolve are counted as skipped; a name neither reader knows as unknown.
void checkValue(FileReport& report, ValuePlace const& place, std::string_view name,
                std::string_view value);

} // namespace Tool
