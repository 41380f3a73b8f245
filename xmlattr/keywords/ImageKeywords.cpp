// The exported keyword attributes declared in ImageKeywords.h.
#include "xmlattr/keywords/ImageKeywords.h"

namespace Xml {

template class TXmlAttribute<BackgroundRepeat>;
template class TXmlAttribute<Scaling>;

} // namespace Xml
