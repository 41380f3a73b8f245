// The exported keyword attributes declared in FontKeywords.h, and the writers that throw.
#include "xmlattr/keywords/FontKeywords.h"

namespace Xml {

namespace {
// Where the writers of this file record a number outside their tables: the name of the file
// that first held them, which callers may match.
constexpr char16_t kFile[] = u"FontAttributes";
constexpr KeywordTable<FontStyle> kFontStyleWriter =
    throwingAt(kKeywordTable<FontStyle>, {kFile, 144});
constexpr KeywordTable<TextLineStyle> kTextLineStyleWriter =
    throwingAt(kKeywordTable<TextLineStyle>, {kFile, 204});
} // namespace

Core::String ValueTraits<FontStyle>::write(FontStyle const& value) {
    return writeKeyword(kFontStyleWriter, value);
}
Core::String ValueTraits<TextLineStyle>::write(TextLineStyle const& value) {
    return writeKeyword(kTextLineStyleWriter, value);
}

template class TXmlAttribute<FontWeight>;
template class TXmlAttribute<FontStyle>;
template class TXmlAttribute<FontVariant>;
template class TXmlAttribute<TextLineStyle>;

} // namespace Xml
