// The exported keyword attributes declared in MarkerKeywords.h.
#include "xmlattr/keywords/MarkerKeywords.h"

namespace Xml {

template class TXmlAttribute<RetrievePosition>;
template class TXmlAttribute<RetrieveBoundary>;
template class TXmlAttribute<RetrievePositionWithinTable>;
template class TXmlAttribute<RetrieveBoundaryWithinTable>;

} // namespace Xml
