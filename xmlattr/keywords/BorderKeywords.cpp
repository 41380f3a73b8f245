// The exported keyword attributes declared in BorderKeywords.h.
#include "xmlattr/keywords/BorderKeywords.h"

namespace Xml {

template class TXmlAttribute<BorderStyle>;
template class TXmlAttribute<BorderCollapse>;

} // namespace Xml
