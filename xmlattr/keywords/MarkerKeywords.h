// Keywords of marker retrieval, in pages and in tables.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"

namespace Xml {

/// Which marker of a page is retrieved.
enum RetrievePosition : int {
    RetrievePositionFirstStartingWithinPage = 0,
    RetrievePositionFirstIncludingCarryover = 1,
    RetrievePositionLastStartingWithinPage = 2,
    RetrievePositionLastEndingWithinPage = 3
};

inline constexpr KeywordEntry<RetrievePosition> kRetrievePositionKeywords[] = {
    {u"first-starting-within-page", RetrievePositionFirstStartingWithinPage},
    {u"first-including-carryover", RetrievePositionFirstIncludingCarryover},
    {u"last-starting-within-page", RetrievePositionLastStartingWithinPage},
    {u"last-ending-within-page", RetrievePositionLastEndingWithinPage}};
template <>
inline constexpr KeywordTable<RetrievePosition> kKeywordTable<RetrievePosition>{
    .reads = kRetrievePositionKeywords,
    .match = KeywordCase::Exact,
    .writes = kRetrievePositionKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<RetrievePosition>{
    .name = "RetrievePosition",
    .summary = "retrieve-position: which marker of a page is retrieved",
    .family = TypeFamily::Keyword};

/// How far back a page marker is looked for.
enum RetrieveBoundary : int {
    RetrieveBoundaryPage = 0,
    RetrieveBoundaryPageSequence = 1,
    RetrieveBoundaryDocument = 2
};

inline constexpr KeywordEntry<RetrieveBoundary> kRetrieveBoundaryKeywords[] = {
    {u"page", RetrieveBoundaryPage},
    {u"page-sequence", RetrieveBoundaryPageSequence},
    {u"document", RetrieveBoundaryDocument}};
template <>
inline constexpr KeywordTable<RetrieveBoundary> kKeywordTable<RetrieveBoundary>{
    .reads = kRetrieveBoundaryKeywords,
    .match = KeywordCase::Exact,
    .writes = kRetrieveBoundaryKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<RetrieveBoundary>{
    .name = "RetrieveBoundary",
    .summary = "retrieve-boundary: how far back a page marker is looked for",
    .family = TypeFamily::Keyword};

/// Which marker of a table is retrieved.
enum RetrievePositionWithinTable : int {
    RetrievePositionWithinTableFirstStarting = 0,
    RetrievePositionWithinTableFirstIncludingCarryover = 1,
    RetrievePositionWithinTableLastStarting = 2,
    RetrievePositionWithinTableLastEnding = 3
};

inline constexpr KeywordEntry<RetrievePositionWithinTable> kRetrievePositionWithinTableKeywords[] =
    {{u"first-starting", RetrievePositionWithinTableFirstStarting},
     {u"first-including-carryover", RetrievePositionWithinTableFirstIncludingCarryover},
     {u"last-starting", RetrievePositionWithinTableLastStarting},
     {u"last-ending", RetrievePositionWithinTableLastEnding}};
template <>
inline constexpr KeywordTable<RetrievePositionWithinTable>
    kKeywordTable<RetrievePositionWithinTable>{.reads = kRetrievePositionWithinTableKeywords,
                                               .match = KeywordCase::Exact,
                                               .writes = kRetrievePositionWithinTableKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<RetrievePositionWithinTable>{
    .name = "RetrievePositionWithinTable",
    .summary = "retrieve-position-within-table: which marker of a table is retrieved",
    .family = TypeFamily::Keyword};

/// How far back a table marker is looked for.
enum RetrieveBoundaryWithinTable : int {
    RetrieveBoundaryWithinTableTable = 0,
    RetrieveBoundaryWithinTableTableFragment = 1,
    RetrieveBoundaryWithinTablePage = 2
};

inline constexpr KeywordEntry<RetrieveBoundaryWithinTable> kRetrieveBoundaryWithinTableKeywords[] =
    {{u"table", RetrieveBoundaryWithinTableTable},
     {u"table-fragment", RetrieveBoundaryWithinTableTableFragment},
     {u"page", RetrieveBoundaryWithinTablePage}};
template <>
inline constexpr KeywordTable<RetrieveBoundaryWithinTable>
    kKeywordTable<RetrieveBoundaryWithinTable>{.reads = kRetrieveBoundaryWithinTableKeywords,
                                               .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<RetrieveBoundaryWithinTable>{
    .name = "RetrieveBoundaryWithinTable",
    .summary = "retrieve-boundary-within-table: how far back a table marker is looked for",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<RetrievePosition>;
extern template class XMLATTR_EXPORT TXmlAttribute<RetrieveBoundary>;
extern template class XMLATTR_EXPORT TXmlAttribute<RetrievePositionWithinTable>;
extern template class XMLATTR_EXPORT TXmlAttribute<RetrieveBoundaryWithinTable>;

} // namespace Xml
