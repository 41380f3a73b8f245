// Fields of the measures built on lengths: keyword-or-measure values, typographic and page
// measures. The kinds are named by the keyword they stand for, or by what they hold.
#include "Describe.h"
#include "ValueType.h"

#include <xmlattr/length/MeasureKeywords.h>

#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace Tool {

namespace {

// A kind by the keyword the library reads for it, or by what it holds where no keyword
// stands for it ("length", "number"): the spellings come from the library's own tables.
template <class E, std::size_t N>
void kind(Fields& out, std::string_view name, Xml::KeywordEntry<E> const (&keywords)[N], int number,
          std::initializer_list<std::pair<int, std::string_view>> others) {
    for (Xml::KeywordEntry<E> const& entry : keywords) {
        if (static_cast<int>(entry.number) == number) {
            out.enumerator(name, Core::String(entry.keyword).toUtf8(), number);
            return;
        }
    }
    std::string_view held;
    for (auto const& [other, what] : others) {
        held = other == number ? what : held;
    }
    out.enumerator(name, held, number);
}

// The font size's own kinds, which no keyword names.
void kind(Fields& out, std::string_view name, std::array<std::string_view, 3> const& names,
          int number) {
    out.enumerator(name,
                   number >= 0 && static_cast<std::size_t>(number) < names.size()
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

constexpr std::array<std::string_view, 3> kFontSizeTypes = {"none", "relative", "absolute"};
static_assert(Xml::FontSize::TypeAbsolute == kFontSizeTypes.size() - 1);

// "normal" is the one keyword an SVG spacing reads.
constexpr Xml::KeywordEntry<Xml::SpacingType> kSpacingKeywords[] = {
    {Xml::kNormalKeyword, Xml::SpacingNormal}};

} // namespace

void describe(Fields& out, Xml::Margin const& value) { keywordOrMeasure(out, value); }

void describe(Fields& out, Xml::LengthOrPercentAuto const& value) { keywordOrMeasure(out, value); }

void describe(Fields& out, Xml::TableWidth const& value) { keywordOrMeasure(out, value); }

void describe(Fields& out, Xml::ColumnWidth const& value) { keywordOrMeasure(out, value); }

// Nothing of it is public: its written text is all there is to show.
void describe(Fields&, Xml::LeaderPatternWidth const&) {}

void describe(Fields& out, Xml::ContentLength const& value) {
    kind(out, "scaleMode", Xml::kContentScaleKeywords, value.getScaleMode(),
         {{Xml::ContentScaleLengthOrPercent, "length"}});
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
        kind(out, "relativeSize", Xml::kRelativeFontSizeKeywords, value.getRelativeSize(), {});
    }
    if (value.isAbsoluteSize()) {
        describe(out.group("absoluteSize"), value.getAbsoluteSize());
    }
}

void describe(Fields& out, Xml::Indent const& value) {
    // "none" is the indent without function, which no text reads.
    kind(out, "function", Xml::kIndentFunctionKeywords, value.getFunction(),
         {{Xml::IndentNone, "none"}, {Xml::IndentLengthOrPercent, "length"}});
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
    kind(out, "type", kSpacingKeywords, value.getType(), {{Xml::SpacingLength, "length"}});
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
    kind(out, "mode", Xml::kBaselineShiftKeywords, value.getMode(),
         {{Xml::BaselineShiftLengthOrPercent, "length"}});
    if (value.getMode() == Xml::BaselineShiftLengthOrPercent) {
        describe(out.group("lengthOrPercent"), value.getLengthOrPercent());
    }
}

void describe(Fields& out, Xml::SBaselineShift const& value) {
    kind(out, "mode", Xml::kBaselineShiftKeywords, value.getMode(),
         {{Xml::BaselineShiftLengthOrPercent, "length"}});
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
    kind(out, "type", Xml::kBackgroundSizeKeywords, value.getType(),
         {{Xml::BackgroundSizeLengthOrPercent, "length"}});
    if (value.getType() == Xml::BackgroundSizeLengthOrPercent) {
        describe(out.group("lengthOrPercent"), static_cast<Xml::LengthOrPercent const&>(value));
    }
}

void describe(Fields& out, Xml::PageDimension const& value) {
    kind(out, "type", Xml::kPageDimensionKeywords, value.getType(),
         {{Xml::PageDimensionLength, "length"}});
    if (value.getType() == Xml::PageDimensionLength) {
        describe(out.group("length"), value.getLength());
    }
}

void describe(Fields& out, Xml::InitialPageNumber const& value) {
    kind(out, "type", Xml::kInitialPageNumberKeywords, value.getType(),
         {{Xml::InitialPageNumberNumber, "number"}});
    if (value.getType() == Xml::InitialPageNumberNumber) {
        out.integer("pageNumber", value.getPageNumber());
    }
}

void describe(Fields& out, Xml::InitialSheetNumber const& value) {
    kind(out, "type", Xml::kInitialSheetNumberKeywords, value.getType(),
         {{Xml::InitialSheetNumberNumber, "number"}});
    if (value.getType() == Xml::InitialSheetNumberNumber) {
        out.integer("sheetNumber", value.getSheetNumber());
    }
}

} // namespace Tool
