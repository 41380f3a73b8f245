// The exported keyword attributes declared in GraphicsKeywords.h.
#include "xmlattr/keywords/GraphicsKeywords.h"

namespace Xml {

template class TXmlAttribute<STextAnchor>;
template class TXmlAttribute<SLineCap>;
template class TXmlAttribute<SLineJoin>;
template class TXmlAttribute<SVisibility>;
template class TXmlAttribute<SDisplay>;
template class TXmlAttribute<Drawing::GradientUnits>;
template class TXmlAttribute<Drawing::GradientSpreadMethod>;

} // namespace Xml
