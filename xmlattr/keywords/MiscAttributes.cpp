// The exported keyword attributes declared in MiscAttributes.h.
#include "xmlattr/keywords/MiscAttributes.h"

namespace Xml {

template class TXmlAttribute<TextAlign>;
template class TXmlAttribute<ReferenceOrientation>;
template class TXmlAttribute<AbsolutePosition>;
template class TXmlAttribute<RelativePosition>;
template class TXmlAttribute<Overflow>;
template class TXmlAttribute<AnchorX>;
template class TXmlAttribute<AnchorY>;
template class TXmlAttribute<PositionX>;
template class TXmlAttribute<PositionY>;
template class TXmlAttribute<BackgroundRepeat>;
template class TXmlAttribute<Scaling>;
template class TXmlAttribute<TableLayout>;

} // namespace Xml
