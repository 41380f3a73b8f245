// Indent and the tab stop: the list function table, the indent reader and writer.
#include "xmlattr/length/IndentAttribute.h"

#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/length/detail/MeasureKeywords.h"

#include <bit>
#include <cstdint>
#include <iterator>

namespace Xml {

template class TXmlAttribute<Indent>;

namespace {

// The location the interface promises for the indent writer's impossible functions: a source
// name and line of the engine it describes, not this file's.
constexpr char16_t kIndentFile[] = u"IndentAttribute";
constexpr int kIndentWriterLine = 43;

struct IndentProbe {
    std::int32_t function;
    std::int32_t kind;
    std::int32_t unit;
    float size;
    float percent;
};
static_assert(sizeof(Indent) == 20 && sizeof(IndentFunction) == 4);
static_assert(std::bit_cast<IndentProbe>(Indent(LengthOrPercent(0.5f))).function == 1 &&
              std::bit_cast<IndentProbe>(Indent(LengthOrPercent(0.5f))).percent == 0.5f);

struct TabStopProbe {
    std::int32_t unit;
    float size;
    std::int32_t type;
};
static_assert(sizeof(TabStop) == 12 && sizeof(TabStopType) == 4);
static_assert(
    std::bit_cast<TabStopProbe>(TabStop(Length(2.0f, Length::UnitCm), TabStopRight)).type == 2 &&
    std::bit_cast<TabStopProbe>(TabStop(Length(2.0f, Length::UnitCm), TabStopRight)).unit == 3);

constexpr KeywordTable<IndentFunction> kIndentFunctions{
    .reads = detail::kIndentFunctionKeywords,
    .writes = detail::kIndentFunctionKeywords,
    .unwrittenThrowsAt = {kIndentFile, kIndentWriterLine}};
static_assert(isWellFormed(kIndentFunctions));
static_assert(detail::indexedInOrder(kTabStopTypeKeywords, &KeywordEntry<TabStopType>::number) &&
              std::size(kTabStopTypeKeywords) == TabStopRight + 1);

} // namespace

bool ValueTraits<Indent>::parse(Indent& value, Core::String const& text) {
    IndentFunction function = IndentNone;
    if (readKeyword(kIndentFunctions, text.view(), function)) {
        value = Indent(function);
        return true;
    }
    LengthOrPercent measure;
    if (!detail::readLengthOrPercent(text, measure)) {
        return false;
    }
    value = Indent(measure);
    return true;
}

Core::String ValueTraits<Indent>::write(Indent const& value) {
    switch (value.getFunction()) {
    case IndentNone:
        return Core::String();
    case IndentLengthOrPercent:
        return LengthOrPercent::getValueAsString(value.getLengthOrPercent());
    case IndentLabelEnd:
    case IndentBodyStart:
        break;
    }
    return writeKeyword(kIndentFunctions, value.getFunction());
}

} // namespace Xml
