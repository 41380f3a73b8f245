// The exported keyword attributes declared in FontAttributes.h.
#include "xmlattr/keywords/FontAttributes.h"

namespace Xml {

template class TXmlAttribute<FontWeight>;
template class TXmlAttribute<FontStyle>;
template class TXmlAttribute<FontVariant>;
template class TXmlAttribute<TextLineStyle>;

} // namespace Xml
