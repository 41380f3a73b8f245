// The exported keyword attributes declared in AreaKeywords.h, and the writer that throws.
#include "xmlattr/keywords/AreaKeywords.h"

namespace Xml {

namespace {
// Where the writers of this file record a number outside their tables: the name of the file
// that first held them, which callers may match.
constexpr char16_t kFile[] = u"MiscAttributes";
constexpr KeywordTable<ReferenceOrientation> kReferenceOrientationWriter =
    throwingAt(kKeywordTable<ReferenceOrientation>, {kFile, 462});
} // namespace

Core::String ValueTraits<ReferenceOrientation>::write(ReferenceOrientation const& value) {
    return writeKeyword(kReferenceOrientationWriter, value);
}

template class TXmlAttribute<ReferenceOrientation>;
template class TXmlAttribute<Overflow>;

} // namespace Xml
