// The exported keyword attribute declared in TabStopKeywords.h.
#include "xmlattr/keywords/TabStopKeywords.h"

namespace Xml {

template class TXmlAttribute<TabStopType>;

} // namespace Xml
