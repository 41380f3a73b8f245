// Xml::TabStopType: how text aligns on a tab stop, a keyword, with its attribute.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/String.h"

namespace Xml {

/// How text aligns on a tab stop. The numbers are part of the interface.
enum TabStopType : int {
    TabStopLeft = 0,
    TabStopCenter = 1,
    TabStopRight = 2,
};

inline constexpr KeywordEntry<TabStopType> kTabStopTypeKeywords[] = {
    {u"left", TabStopLeft},
    {u"center", TabStopCenter},
    {u"right", TabStopRight},
};

/// Exact; no text form.
template <>
inline constexpr KeywordTable<TabStopType> kKeywordTable<TabStopType>{.reads =
                                                                          kTabStopTypeKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<TabStopType>{
    .name = "TabStopType", .summary = "the alignment of a tab stop", .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<TabStopType>;

} // namespace Xml
