// Fields of the measures built on lengths: keyword-or-measure values, typographic and page
// measures. The kinds are named by the keyword they stand for, or by what they hold.
#include "Describe.h"
#include "ValueType.h"

#include <array>
#include <string_view>

namespace Tool {

namespace {

template <std::size_t N>
void kind(Fields& out, std::string_view name, std::array<std::string_view, N> const& names,
          int number) {
    out.enumerator(name,
                   number >= 0 && static_cast<std::size_t>(number) < N
                       ? names[static_cast<std::size_t>(number)]
                       : std::string_view(),
                   number);
}

// Margin and LengthOrPercentAuto hand their measure out only to a caller that may change it.
template <class T> void keywordOrMeasure(Fields& out, T value) {
    out.flag("isAuto", value.isAuto());
    if (!value.isAuto()) {
        describe(out.group("lengthOrPercent"), value.getLengthOrPercent());
    }
}

constexpr std::array<std::string_view, 3> kScaleModes = {"auto", "scale-to-fit", "length"};
static_assert(Xml::ContentScaleLengthOrPercent == kScaleModes.size() - 1);
constexpr std::array<std::string_view, 3> kFontSizeTypes = {"none", "relative", "absolute"};
static_assert(Xml::FontSize::TypeAbsolute == kFontSizeTypes.size() - 1);
constexpr std::array<std::string_view, 2> kRelativeSizes = {"larger", "smaller"};
static_assert(Xml::RelativeFontSizeSmaller == kRelativeSizes.size() - 1);
constexpr std::array<std::string_view, 4> kIndentFunctions = {"none", "length", "label-end()",
                                                              "body-start()"};
static_assert(Xml::IndentBodyStart == kIndentFunctions.size() - 1);
constexpr std::array<std::string_view, 2> kSpacingTypes = {"normal", "length"};
static_assert(Xml::SpacingLength == kSpacingTypes.size() - 1);
constexpr std::array<std::string_view, 4> kShiftModes = {"baseline", "sub", "super", "length"};
static_assert(Xml::BaselineShiftLengthOrPercent == kShiftModes.size() - 1);
constexpr std::array<std::string_view, 4> kBackgroundSizeTypes = {"cover", "contain", "auto",
                                                                  "length"};
static_assert(Xml::BackgroundSizeLengthOrPercent == kBackgroundSizeTypes.size() - 1);
constexpr std::array<std::string_view, 3> kPageDimensionTypes = {"auto", "indefinite", "length"};
static_assert(Xml::PageDimensionLength == kPageDimensionTypes.size() - 1);
constexpr std::array<std::string_view, 4> kPageNumberTypes = {"auto", "auto-odd", "auto-even",
                                                              "number"};
static_assert(Xml::InitialPageNumberNumber == kPageNumberTypes.size() - 1);
constexpr std::array<std::string_view, 2> kSheetNumberTypes = {"auto", "number"};
static_assert(Xml::InitialSheetNumberNumber == kSheetNumberTypes.size() - 1);

} // namespace

void describe(Fields& out, Xml::Margin const& value) { keywordOrMeasure(out, value); }

void describe(Fields& out, Xml::LengthOrPercentAuto const& value) { keywordOrMeasure(out, value); }

void describe(Fields& out, Xml::TableWidth const& value) { keywordOrMeasure(out, value); }

void describe(Fields& out, Xml::ColumnWidth const& value) { keywordOrMeasure(out, value); }

// Nothing of it is public: its written text is all there is to show.
void describe(Fields&, Xml::LeaderPatternWidth const&) {}

void describe(Fields& out, Xml::ContentLength const& value) {
    kind(out, "scaleMode", kScaleModes, value.getScaleMode());
    if (value.isLengthOrPercent()) {
        describe(out.group("length"), value.getLength());
    }
    out.flag("isNull", value.isNull());
}

void describe(Fields& out, Xml::DLength const& value) {
    describe(out.group("first"), value.getFirst());
    describe(out.group("second"), value.getSecond());
}

void describe(Fields& out, Xml::FloatOrPercent const& value) {
    out.number("value", value.getValue());
}

void describe(Fields& out, Xml::SNullableLength const& value) {
    describe(out, static_cast<Xml::SLength const&>(value));
    out.flag("isNull", value.isNull());
}

void describe(Fields& out, Core::Vector<Xml::SLength> const& value) {
    Fields& lengths = out.list("lengths");
    for (Xml::SLength const& length : value) {
        describe(lengths.item(), length);
    }
}

void describe(Fields& out, Xml::FontSize const& value) {
    kind(out, "type", kFontSizeTypes, value.getType());
    if (value.isRelativeSize()) {
        kind(out, "relativeSize", kRelativeSizes, value.getRelativeSize());
    }
    if (value.isAbsoluteSize()) {
        describe(out.group("absoluteSize"), value.getAbsoluteSize());
    }
}

void describe(Fields& out, Xml::Indent const& value) {
    kind(out, "function", kIndentFunctions, value.getFunction());
    if (value.getFunction() == Xml::IndentLengthOrPercent) {
        describe(out.group("lengthOrPercent"), value.getLengthOrPercent());
    }
}

void describe(Fields& out, Xml::LetterSpacing const& value) {
    out.flag("isNormal", value.isNormal());
    if (!value.isNormal()) {
        describe(out.group("length"), value.getLength());
    }
}

void describe(Fields& out, Xml::SSpacing const& value) {
    kind(out, "type", kSpacingTypes, value.getType());
    if (value.getType() == Xml::SpacingLength) {
        describe(out.group("length"), value.getSLength());
    }
}

void describe(Fields& out, Xml::AlignmentAdjust const& value) {
    out.flag("isBaseline", value.isBaseline());
    if (value.isBaseline()) {
        out.enumerator("baseline", keywordOf(value.getBaseline()), value.getBaseline());
    } else {
        describe(out.group("lengthOrPercent"), value.getLengthOrPercent());
    }
}

void describe(Fields& out, Xml::BaselineShift const& value) {
    kind(out, "mode", kShiftModes, value.getMode());
    if (value.getMode() == Xml::BaselineShiftLengthOrPercent) {
        describe(out.group("lengthOrPercent"), value.getLengthOrPercent());
    }
}

void describe(Fields& out, Xml::SBaselineShift const& value) {
    kind(out, "mode", kShiftModes, value.getMode());
    if (value.getMode() == Xml::BaselineShiftLengthOrPercent) {
        describe(out.group("sLengthOrPercent"), value.getSLengthOrPercent());
    }
}

void describe(Fields& out, Xml::STextDecoration const& value) {
    out.flag("isUnderline", value.isUnderline());
    out.flag("isOverline", value.isOverline());
    out.flag("isLineThrough", value.isLineThrough());
}

void describe(Fields& out, Xml::BackgroundSize const& value) {
    kind(out, "type", kBackgroundSizeTypes, value.getType());
    if (value.getType() == Xml::BackgroundSizeLengthOrPercent) {
        describe(out.group("lengthOrPercent"), static_cast<Xml::LengthOrPercent const&>(value));
    }
}

void describe(Fields& out, Xml::PageDimension const& value) {
    kind(out, "type", kPageDimensionTypes, value.getType());
    if (value.getType() == Xml::PageDimensionLength) {
        describe(out.group("length"), value.getLength());
    }
}

void describe(Fields& out, Xml::InitialPageNumber const& value) {
    kind(out, "type", kPageNumberTypes, value.getType());
    if (value.getType() == Xml::InitialPageNumberNumber) {
        out.integer("pageNumber", value.getPageNumber());
    }
}

void describe(Fields& out, Xml::InitialSheetNumber const& value) {
    kind(out, "type", kSheetNumberTypes, value.getType());
    if (value.getType() == Xml::InitialSheetNumberNumber) {
        out.integer("sheetNumber", value.getSheetNumber());
    }
}

} // namespace Tool
