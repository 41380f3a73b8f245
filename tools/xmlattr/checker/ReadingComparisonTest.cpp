// The verdict on a pair of answers, and the comparison of the two readings, as rows.
#include "ReadingComparison.h"
#include "DocumentChecker.h"
#include "ValueVerdicts.h"
#include "standard/Syntax.h"
#include "types/Describe.h"
#include "types/HeldReadings.h"
#include "types/ValueType.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

using Tool::Difference;
using Tool::Finding;

TEST(Verdict, EachPairOfAnswersHasOneFinding) {
    struct Row {
        Tool::Answers answers;
        std::optional<Finding> expected;
    };
    // hasType, libraryReads, hasSyntax, standardAllows, libraryMessages, readDifferently
    Row const rows[] = {
        {{true, true, true, true, false, false}, std::nullopt},
        {{true, false, true, false, false, false}, Finding::Invalid},
        {{true, false, true, true, false, false}, Finding::ValidNotRead},
        {{true, true, true, false, false, false}, Finding::NotValidRead},
        {{true, true, true, true, true, false}, Finding::LibraryMessage},
        // A misreading outweighs what the library logged while making it.
        {{true, true, true, true, true, true}, Finding::ReadDifferently},
        {{true, true, true, true, false, true}, Finding::ReadDifferently},
        // One reader alone: its answer is both verdicts.
        {{true, true, false, false, false, false}, std::nullopt},
        {{true, false, false, false, false, false}, Finding::Invalid},
        {{false, false, true, true, false, false}, std::nullopt},
        {{false, false, true, false, false, false}, Finding::Invalid},
    };
    for (Row const& row : rows) {
        Tool::Answers const& a = row.answers;
        EXPECT_EQ(Tool::verdictOf(a), row.expected)
            << a.hasType << a.libraryReads << a.hasSyntax << a.standardAllows << a.libraryMessages
            << a.readDifferently;
    }
}

struct Row {
    bool svg;
    std::string_view element;
    std::string_view attribute;
    std::string_view value;
    Difference::Kind kind;
    std::string_view library = {};
    std::string_view standard = {};
    std::size_t item = 0;
    std::string_view part = {};
};

void expectRows(std::span<Row const> rows) {
    for (Row const& row : rows) {
        SCOPED_TRACE(std::string(row.attribute) + "=\"" + std::string(row.value) + "\"");
        Tool::Vocabulary const vocabulary =
            row.svg ? Tool::Vocabulary::Svg : Tool::Vocabulary::XslFo;
        Tool::ValueType const* type = Tool::attributeType(vocabulary, row.element, row.attribute);
        Tool::Standard::Syntax const* syntax =
            row.svg ? Tool::Standard::svgSyntax(row.element, row.attribute)
                    : Tool::Standard::xslSyntax(row.attribute);
        ASSERT_NE(type, nullptr);
        ASSERT_NE(syntax, nullptr);
        auto const dialect =
            row.svg ? Tool::Standard::Dialect::SvgAttribute : Tool::Standard::Dialect::XslFo;
        ASSERT_TRUE(Tool::Standard::conforms(*syntax, row.value, dialect));
        Tool::Standard::Reading held;
        ASSERT_TRUE(type->readHeld(Core::String(row.value), held));
        Tool::takeLibraryLog();
        Tool::Standard::Reading standard;
        Tool::Standard::readValue(*syntax, row.value, dialect, standard);
        Difference const difference = Tool::compareReadings(standard, row.value, held, row.svg);
        EXPECT_EQ(difference.kind, row.kind);
        if (row.kind != Difference::Kind::None) {
            EXPECT_EQ(difference.library, row.library);
            EXPECT_EQ(difference.standard, row.standard);
            EXPECT_EQ(difference.item, row.item);
            EXPECT_EQ(row.value.substr(difference.begin, difference.end - difference.begin),
                      row.part);
        }
    }
}

using enum Difference::Kind;

// The comparison alone, each side read from a text as the standard reads it.
TEST(ReadingComparison, FirstDifferenceOfTwoReadings) {
    struct PureRow {
        std::string_view standard;
        std::string_view library;
        bool svg;
        Difference::Kind kind;
        std::string_view part = {};
        std::size_t item = 0;
    };
    PureRow const rows[] = {
        // A shorthand's four values held as one percentage, and as its first side.
        {"20pt 0 40pt 0", "2000%", false, Value, "20pt"},
        {"70pt 0 0 70pt", "70pt", false, Unheld, "0 0 70pt"},
        {"1pt 1pt", "1pt", false, None},
        {"1pt 2pt", "1pt", false, Unheld, "2pt"},
        {"1 2 3", "1 2 4", true, Value, "3", 3},
        // Pixels are plain numbers in SVG only.
        {"10", "10px", true, None},
        {"10", "10px", false, Value, "10"},
        {"1in", "96px", false, None},
        {"1em", "16px", true, Value, "1em"},
        {"0", "0%", false, None},
        {"#ff0000", "rgb(255,0,0)", true, None},
        {"rgb(50%,50%,50%)", "rgb(127,128,127)", true, None},
        {"#ff0000", "rgb(254,0,0)", true, Value, "#ff0000"},
        {"url(#a)", "url('#a')", true, None},
        {"url(#a)", "url(#b)", true, Value, "url(#a)"},
        // Kinds that cannot be set side by side are not compared.
        {"auto", "0pt", false, None},
        {"red 2pt", "rgb(255,0,0) 3pt", true, Value, "2pt", 2},
    };
    for (PureRow const& row : rows) {
        SCOPED_TRACE(std::string(row.standard) + " / " + std::string(row.library));
        auto const dialect =
            row.svg ? Tool::Standard::Dialect::SvgAttribute : Tool::Standard::Dialect::XslFo;
        Tool::Standard::Reading standard;
        Tool::Standard::Reading library;
        Tool::Standard::readParts(row.standard, dialect, standard);
        Tool::Standard::readParts(row.library, dialect, library);
        Difference const difference =
            Tool::compareReadings(standard, row.standard, library, row.svg);
        EXPECT_EQ(difference.kind, row.kind);
        EXPECT_EQ(row.standard.substr(difference.begin, difference.end - difference.begin),
                  row.part);
        EXPECT_EQ(difference.item, row.item);
    }
}

TEST(ReadingComparison, MeasuresAndShorthands) {
    Row const rows[] = {
        {false, "block", "margin", "12pt", None},
        // Units are compared by their size: 72pt is 1in, 0 is 0 in any unit.
        {false, "block", "space-before", "1in", None},
        {false, "block", "border-width", "0", None},
        {false, "block", "line-height", "150%", None},
        // The library's float: 0.1 and 1e-7 are not differences.
        {false, "block", "space-before", "0.1pt", None},
        {true, "rect", "width", "100%", None},
        {true, "rect", "width", "1.0000001", None},
        {true, "rect", "x", "2.5mm", None},
        // A factor written as a percentage is held as a plain number.
        {true, "stop", "offset", "50%", None},
    };
    expectRows(rows);
}

TEST(ReadingComparison, ColoursReferencesAndLists) {
    Row const rows[] = {
        {true, "rect", "fill", "red", None},
        {true, "rect", "fill", "#ABC", None},
        {true, "rect", "fill", "mediumpurple", None},
        {true, "rect", "fill", "rgb(50%,10%,0%)", None},
        {true, "rect", "fill", "url(#a)", None},
        // A paint's fallback colour is not held.
        {true, "rect", "fill", "url(#a) red", Unheld, "url(#a)", "url(#a) rgb(255,0,0)", 0, "red"},
        {true, "polygon", "points", "1,2 3.5,4e1", None},
        {true, "rect", "stroke-dasharray", "5, 3 2", None},
        {true, "svg", "viewBox", "0 0 100 50", None},
    };
    expectRows(rows);
}

TEST(ReadingComparison, PathsAndTransforms) {
    Row const rows[] = {
        // Implicit linetos after a moveto, and "z" beside "Z".
        {true, "path", "d", "m1 2 3 4 5 6z M0 0 1 1Z", None},
        {true, "path", "d", "M0 0a5 5 30 1 0 10 10", None},
        {true, "path", "d", "M0 0A5,5,0,0,1,10,10", None},
        {true, "path", "d", "M.5.5l1e2-3", None},
        // Held in single precision: 0.1 is not a difference.
        {true, "path", "d", "M0.1 0.3L1e-3 7.77", None},
        {true, "rect", "transform", "translate(10) rotate(45 5 5) scale(2) skewX(10)", None},
        {true, "rect", "transform", "matrix(1 0 0 1 1e3 -2.5)", None},
    };
    expectRows(rows);
}

} // namespace

namespace {

TEST(FaultOf, NamesThePartOfAValueTheGrammarDoesNotTake) {
    struct FaultRow {
        bool svg;
        std::string_view element;
        std::string_view attribute;
        std::string_view value;
        std::string_view part;
    };
    FaultRow const rows[] = {
        {false, "block", "margin", "10pt 2xy 3pt", "2xy"},
        // A fifth side is the fault, and everything after it.
        {false, "block", "padding", "1pt 2pt 3pt 4pt 5pt 6pt", "5pt 6pt"},
        {false, "block", "border-width", "  10  ", "10"},
        {true, "rect", "fill", "url(#a) reed", "reed"},
        {true, "rect", "stroke-dasharray", "5, -3, 2", "-3"},
        {true, "polygon", "points", "1,2 3,x 5,6", "x"},
        {true, "polygon", "points", "1,2 3", "3"},
        {true, "rect", "transform", "translate(1) rotate(a) scale(2)", "rotate(a)"},
        // Path data is blamed as a whole.
        {true, "path", "d", " M0 0 Lx ", "M0 0 Lx"},
    };
    for (FaultRow const& row : rows) {
        SCOPED_TRACE(std::string(row.attribute) + "=\"" + std::string(row.value) + "\"");
        Tool::Standard::Syntax const* syntax =
            row.svg ? Tool::Standard::svgSyntax(row.element, row.attribute)
                    : Tool::Standard::xslSyntax(row.attribute);
        ASSERT_NE(syntax, nullptr);
        auto const dialect =
            row.svg ? Tool::Standard::Dialect::SvgAttribute : Tool::Standard::Dialect::XslFo;
        ASSERT_FALSE(Tool::Standard::conforms(*syntax, row.value, dialect));
        auto const [begin, end] = Tool::Standard::faultOf(*syntax, row.value, dialect);
        EXPECT_EQ(row.value.substr(begin, end - begin), row.part);
    }
}

} // namespace

namespace {

// The stretch at fault reaches the diagnostic: what the standard does not take, and what
// the two readings disagree on; none where the whole value is meant.
TEST(FaultOf, DiagnosticsCarryThePartAtFault) {
    Tool::FileReport const report = Tool::checkDocumentText(
        "<svg xmlns='http://www.w3.org/2000/svg'>\n"
        "<rect stroke-dasharray='5, -3' fill='url(#a) red' width='x'/><g id='a'/></svg>\n",
        "f.svg");
    ASSERT_EQ(report.diagnostics.size(), 3u);
    std::vector<std::optional<std::pair<long, long>>> parts;
    for (Tool::Diagnostic const& diagnostic : report.diagnostics) {
        parts.push_back(diagnostic.part ? std::optional(std::pair(diagnostic.part->start.column,
                                                                  diagnostic.part->end.column))
                                        : std::nullopt);
    }
    EXPECT_EQ(parts, (std::vector<std::optional<std::pair<long, long>>>{
                         std::pair(28L, 30L), std::pair(46L, 49L), std::nullopt}));
    EXPECT_EQ(report.diagnostics[1].finding, Finding::ReadDifferently);
}

} // namespace

namespace {

// A length's held reading is taken without its description: it must be the reading the
// description gives, number for number.
TEST(HeldReadings, LengthsReadAsTheirDescriptions) {
    using Length = Xml::SLength;
    for (Length const& length :
         {Length(1.5f), Length(0.1f, Length::UnitPercent), Length(2, Length::UnitEm),
          Length(-3.25f, Length::UnitEx), Length(7, Length::UnitPc), Length(1e-7f, Length::UnitMm),
          Length(3.4e38f, Length::UnitPt), Length(12, Length::UnitUnused),
          Length(std::numeric_limits<float>::infinity(), Length::UnitCm),
          Length(std::numeric_limits<float>::quiet_NaN(), Length::UnitIn)}) {
        SCOPED_TRACE(std::to_string(length.getSize()) + " unit " +
                     std::to_string(length.getUnit()));
        Tool::Fields fields;
        Tool::describe(fields, length);
        Tool::Standard::Reading described;
        Tool::describedReading(described, fields);
        Tool::Standard::Reading held;
        Tool::heldReading(held, length);
        ASSERT_EQ(held.parts.size(), described.parts.size());
        for (std::size_t i = 0; i < held.parts.size(); ++i) {
            EXPECT_EQ(held.parts[i].kind, described.parts[i].kind);
            EXPECT_EQ(held.parts[i].unit, described.parts[i].unit);
            // Bit for bit, NaN included.
            EXPECT_EQ(
                std::memcmp(&held.parts[i].number, &described.parts[i].number, sizeof(double)), 0);
        }
    }
}

} // namespace
