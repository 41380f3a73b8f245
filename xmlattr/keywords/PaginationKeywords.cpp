// The exported keyword attributes declared in PaginationKeywords.h.
#include "xmlattr/keywords/PaginationKeywords.h"

namespace Xml {

template class TXmlAttribute<Parity>;
template class TXmlAttribute<PagePosition>;
template class TXmlAttribute<BlankOrNotBlank>;
template class TXmlAttribute<Break>;
template class TXmlAttribute<ForcePageCount>;
template class TXmlAttribute<MaxRepeats>;
template class TXmlAttribute<Keep>;
template class TXmlAttribute<FootnoteRestartRule>;

} // namespace Xml
