// The exported keyword attribute declared in BaselineKeywords.h.
#include "xmlattr/keywords/BaselineKeywords.h"

namespace Xml {

template class TXmlAttribute<AlignmentBaseline>;

} // namespace Xml
