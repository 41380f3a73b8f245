// FontSize, LetterSpacing, SSpacing and STextDecoration: keyword tables, readers, writers.
#include "xmlattr/length/FontSize.h"

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"
#include "xmlattr/platform/detail/Cursor.h"

#include <bit>
#include <cstdint>
#include <string_view>

namespace Xml {

template class TXmlAttribute<FontSize>;
template class TXmlAttribute<LetterSpacing>;
template class TXmlAttribute<SSpacing>;
template class TXmlAttribute<STextDecoration>;

namespace {

// The location the interface promises for the relative size writer's impossible numbers: the
// font keywords' source name and a line of the engine it describes, not this file's.
constexpr char16_t kFontAttributesFile[] = u"FontAttributes";
constexpr int kFontSizeWriterLine = 74;

struct FontSizeProbe {
    std::int32_t type;
    std::int32_t relative;
    std::int32_t kind;
    std::int32_t unit;
    float size;
    float percent;
};
static_assert(sizeof(FontSize) == 24 && sizeof(FontSize::Type) == 4 &&
              sizeof(RelativeFontSize) == 4);
static_assert(std::bit_cast<FontSizeProbe>(FontSize(RelativeFontSizeSmaller)).type == 1 &&
              std::bit_cast<FontSizeProbe>(FontSize(RelativeFontSizeSmaller)).relative == 1 &&
              std::bit_cast<FontSizeProbe>(FontSize(LengthOrPercent(2.0f))).percent == 2.0f);

struct SpacingProbe {
    std::int32_t type;
    std::int32_t unit;
    float size;
};
static_assert(sizeof(LetterSpacing) == 12 && sizeof(SSpacing) == 12 && sizeof(SpacingType) == 4);
static_assert(std::bit_cast<SpacingProbe>(LetterSpacing(Length(2.0f, Length::UnitPt))).type == 1 &&
              std::bit_cast<SpacingProbe>(SSpacing(SLength(3.0f, SLength::UnitPc))).unit == 8);

struct DecorationProbe {
    bool underline;
    bool overline;
    bool lineThrough;
};
static_assert(sizeof(STextDecoration) == 3 &&
              std::bit_cast<DecorationProbe>(STextDecoration(false, false, true)).lineThrough &&
              !std::bit_cast<DecorationProbe>(STextDecoration(false, false, true)).overline);

constexpr KeywordTable<FontSize> kFontSizes{.reads = detail::kFontSizeKeywords};
static_assert(isWellFormed(kFontSizes));

constexpr KeywordTable<RelativeFontSize> kRelativeFontSizes{
    .reads = detail::kRelativeFontSizeKeywords,
    .writes = detail::kRelativeFontSizeKeywords,
    .unwrittenThrowsAt = {kFontAttributesFile, kFontSizeWriterLine}};
static_assert(isWellFormed(kRelativeFontSizes) &&
              detail::indexedInOrder(detail::kRelativeFontSizeKeywords,
                                     &KeywordEntry<RelativeFontSize>::number));

constexpr KeywordTable<detail::DecorationLine> kDecorationLines{
    .reads = detail::kDecorationLineKeywords};
static_assert(isWellFormed(kDecorationLines) &&
              detail::indexedInOrder(detail::kDecorationLineKeywords,
                                     &KeywordEntry<detail::DecorationLine>::number));

} // namespace

bool ValueTraits<FontSize>::parse(FontSize& value, Core::String const& text) {
    if (readKeyword(kFontSizes, text.view(), value)) {
        return true;
    }
    LengthOrPercent absolute;
    if (!detail::readLengthOrPercent(text, absolute)) {
        return false;
    }
    value = absolute;
    return true;
}

Core::String ValueTraits<FontSize>::write(FontSize const& value) {
    switch (value.getType()) {
    case FontSize::TypeAbsolute:
        return LengthOrPercent::getValueAsString(value.getAbsoluteSize());
    case FontSize::TypeRelative:
        return writeKeyword(kRelativeFontSizes, value.getRelativeSize());
    case FontSize::TypeNone:
        break;
    }
    return Core::String();
}

bool ValueTraits<LetterSpacing>::parse(LetterSpacing& value, Core::String const& text) {
    if (text.compareNoCase(detail::kNormalKeyword) == 0) {
        value = LetterSpacing();
        return true;
    }
    Length length;
    if (!detail::readLength(text, length)) {
        return false;
    }
    value = LetterSpacing(length);
    return true;
}

Core::String ValueTraits<LetterSpacing>::write(LetterSpacing const& value) {
    return value.isNormal() ? Core::String(detail::kNormalKeyword)
                            : Length::getValueAsString(value.getLength());
}

bool ValueTraits<SSpacing>::parse(SSpacing& value, Core::String const& text) {
    if (text.view() == detail::kNormalKeyword) {
        value = SSpacing();
        return true;
    }
    SLength length;
    if (!detail::readSLength(text, length)) {
        return false;
    }
    value = SSpacing(length);
    return true;
}

bool ValueTraits<STextDecoration>::parse(STextDecoration& value, Core::String const& text) {
    if (text.empty()) {
        return false;
    }
    if (text.find(detail::kNoneKeyword) >= 0) {
        value = STextDecoration();
        return true;
    }
    bool lines[3] = {false, false, false};
    Core::detail::Cursor cursor(text);
    while (!cursor.atEnd()) {
        cursor.skipSpace();
        detail::DecorationLine line = detail::LineUnder;
        if (!readKeyword(kDecorationLines, cursor.until(u','), line)) {
            return false;
        }
        lines[line] = true;
        cursor.advance();
    }
    value = STextDecoration(lines[detail::LineUnder], lines[detail::LineOver],
                            lines[detail::LineThrough]);
    return true;
}

} // namespace Xml
