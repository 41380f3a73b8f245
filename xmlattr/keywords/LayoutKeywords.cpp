// The exported keyword attributes declared in LayoutKeywords.h, and the writer that throws.
#include "xmlattr/keywords/LayoutKeywords.h"

namespace Xml {

namespace {
// Where the writers of this file record a number outside their tables: the name of the file
// that first held them, which callers may match.
constexpr char16_t kFile[] = u"MiscAttributes";
constexpr KeywordTable<TextAlign> kTextAlignWriter =
    throwingAt(kKeywordTable<TextAlign>, {kFile, 387});
} // namespace

Core::String ValueTraits<TextAlign>::write(TextAlign const& value) {
    return writeKeyword(kTextAlignWriter, value);
}

template class TXmlAttribute<Span>;
template class TXmlAttribute<TextAlign>;
template class TXmlAttribute<TableLayout>;
template class TXmlAttribute<LineStackingStrategy>;
template class TXmlAttribute<LineHeightShiftAdjustment>;
template class TXmlAttribute<DisplayAlign>;
template class TXmlAttribute<TextDirection>;
template class TXmlAttribute<LeaderPattern>;
template class TXmlAttribute<LeaderAlignment>;

} // namespace Xml
