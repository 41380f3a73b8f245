// The exported keyword attributes declared in OutputKeywords.h.
#include "xmlattr/keywords/OutputKeywords.h"

namespace Xml {

template class TXmlAttribute<AFPEncoding>;
template class TXmlAttribute<PDFConformance>;

} // namespace Xml
