// The exported keyword attributes declared in LayoutKeywords.h.
#include "xmlattr/keywords/LayoutKeywords.h"

namespace Xml {

template class TXmlAttribute<Span>;
template class TXmlAttribute<LineStackingStrategy>;
template class TXmlAttribute<LineHeightShiftAdjustment>;
template class TXmlAttribute<DisplayAlign>;
template class TXmlAttribute<TextDirection>;
template class TXmlAttribute<LeaderPattern>;
template class TXmlAttribute<LeaderAlignment>;

} // namespace Xml
