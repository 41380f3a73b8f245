// What a parsed value holds, field by field, written once and shown either as indented
// text or as JSON.
#pragma once

#include <nlohmann/json.hpp>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tool {

/// An ordered tree of named fields. Each scalar is rendered for both outputs when it is
/// added, so the text and the JSON forms cannot disagree.
class Fields {
public:
    /// A single-precision number, shown in its shortest round-trip text; JSON gets the
    /// double nearest that text (0.1f is 0.1, not 0.100000001). An infinity or NaN, which
    /// JSON cannot hold, is given as its text ("inf").
    void number(std::string_view name, float value);
    void number(std::string_view name, double value);
    void integer(std::string_view name, long long value);
    void flag(std::string_view name, bool value);
    void text(std::string_view name, std::string_view value);
    /// An enumerator by its name and number: "pt (1)" as text, {"name":"pt","number":1}
    /// as JSON. An empty name (a number without a keyword) shows the number alone.
    void enumerator(std::string_view name, std::string_view keyword, int number);
    /// A nested record to fill; the reference stays valid while this tree lives.
    Fields& group(std::string_view name);
    /// A list to fill with `item`; the reference stays valid while this tree lives.
    Fields& list(std::string_view name);
    /// The next record of a list made by `list`.
    Fields& item();

    bool empty() const noexcept { return m_fields.empty(); }

    /// One field seen from outside, for code that reads a description back rather than shows
    /// it: a scalar's JSON form, or a record's or list's children.
    struct View {
        std::string_view name;
        nlohmann::ordered_json const* scalar = nullptr;
        Fields const* children = nullptr;
        bool isList = false;
    };
    std::size_t size() const noexcept { return m_fields.size(); }
    View at(std::size_t index) const noexcept;
    /// The first field of that name; a view with neither scalar nor children when none is.
    View find(std::string_view name) const noexcept;
    nlohmann::ordered_json toJson() const;
    /// One "name: value" line per field, nested records indented by two more spaces,
    /// list items named "[0]", "[1]", ...
    void writeText(std::string& out, int indent) const;
    /// The fields on one line, for a diagnostic: "{kind: percent, percent: 0.5}", an
    /// enumerator by its keyword, a length record as its size and unit ("1pt"), a record of
    /// one field as that field.
    void writeInline(std::string& out) const;

private:
    struct Field {
        std::string name;
        std::string shown;
        nlohmann::ordered_json json;
        enum class Shape : unsigned char { Scalar, Record, List } shape = Shape::Scalar;
        /// The record, or the list whose items are its unnamed records.
        std::unique_ptr<Fields> children;
    };

    void scalar(std::string_view name, std::string shown, nlohmann::ordered_json json);

    std::vector<Field> m_fields;
};

/// What a number field gives JSON for a single-precision number: the double nearest its
/// shortest text; nothing for an infinity or NaN, which JSON is given as text.
std::optional<double> jsonDouble(float value);

/// `text` quoted and escaped as the tool writes every value: backslash, quotation mark and
/// control characters as C escapes, everything else as it is.
std::string inQuotes(std::string_view text);

} // namespace Tool
