// The exported keyword attributes declared in MiscAttributes.h, and the writers that throw.
#include "xmlattr/keywords/MiscAttributes.h"

namespace Xml {

namespace {
// Where the writers of this file record a number outside their tables.
constexpr char16_t kFile[] = u"MiscAttributes";
constexpr KeywordTable<AbsolutePosition> kAbsolutePositionWriter =
    throwingAt(kKeywordTable<AbsolutePosition>, {kFile, 239});
constexpr KeywordTable<RelativePosition> kRelativePositionWriter =
    throwingAt(kKeywordTable<RelativePosition>, {kFile, 270});
constexpr KeywordTable<TextAlign> kTextAlignWriter =
    throwingAt(kKeywordTable<TextAlign>, {kFile, 387});
constexpr KeywordTable<ReferenceOrientation> kReferenceOrientationWriter =
    throwingAt(kKeywordTable<ReferenceOrientation>, {kFile, 462});
} // namespace

Core::String ValueTraits<TextAlign>::write(TextAlign const& value) {
    return writeKeyword(kTextAlignWriter, value);
}
Core::String ValueTraits<ReferenceOrientation>::write(ReferenceOrientation const& value) {
    return writeKeyword(kReferenceOrientationWriter, value);
}
Core::String ValueTraits<AbsolutePosition>::write(AbsolutePosition const& value) {
    return writeKeyword(kAbsolutePositionWriter, value);
}
Core::String ValueTraits<RelativePosition>::write(RelativePosition const& value) {
    return writeKeyword(kRelativePositionWriter, value);
}

template class TXmlAttribute<TextAlign>;
template class TXmlAttribute<ReferenceOrientation>;
template class TXmlAttribute<AbsolutePosition>;
template class TXmlAttribute<RelativePosition>;
template class TXmlAttribute<Overflow>;
template class TXmlAttribute<AnchorX>;
template class TXmlAttribute<AnchorY>;
template class TXmlAttribute<PositionX>;
template class TXmlAttribute<PositionY>;
template class TXmlAttribute<BackgroundRepeat>;
template class TXmlAttribute<Scaling>;
template class TXmlAttribute<TableLayout>;

} // namespace Xml
