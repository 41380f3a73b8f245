// The exported keyword attributes declared in PositionKeywords.h, and the writers that throw.
#include "xmlattr/keywords/PositionKeywords.h"

namespace Xml {

namespace {
// Where the writers of this file record a number outside their tables: the name of the file
// that first held them, which callers may match.
constexpr char16_t kFile[] = u"MiscAttributes";
constexpr KeywordTable<AbsolutePosition> kAbsolutePositionWriter =
    throwingAt(kKeywordTable<AbsolutePosition>, {kFile, 239});
constexpr KeywordTable<RelativePosition> kRelativePositionWriter =
    throwingAt(kKeywordTable<RelativePosition>, {kFile, 270});
} // namespace

Core::String ValueTraits<AbsolutePosition>::write(AbsolutePosition const& value) {
    return writeKeyword(kAbsolutePositionWriter, value);
}
Core::String ValueTraits<RelativePosition>::write(RelativePosition const& value) {
    return writeKeyword(kRelativePositionWriter, value);
}

template class TXmlAttribute<AbsolutePosition>;
template class TXmlAttribute<RelativePosition>;
template class TXmlAttribute<AnchorX>;
template class TXmlAttribute<AnchorY>;
template class TXmlAttribute<PositionX>;
template class TXmlAttribute<PositionY>;

} // namespace Xml
