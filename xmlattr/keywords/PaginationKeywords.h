// Keywords of pagination: page conditions, breaks, page counts, repeats, keeps and footnotes.
#pragma once

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/Format.h"

#include <string_view>

namespace Xml {

/// The odd-or-even condition of a page master.
enum Parity : int { ParityOdd = 0, ParityEven = 1, ParityAny = 2 };

inline constexpr KeywordEntry<Parity> kParityKeywords[] = {
    {u"odd", ParityOdd}, {u"even", ParityEven}, {u"any", ParityAny}};
template <>
inline constexpr KeywordTable<Parity> kKeywordTable<Parity>{.reads = kParityKeywords,
                                                            .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<Parity>{
    .name = "Parity",
    .summary = "odd-or-even: the page condition of a page master",
    .family = TypeFamily::Keyword};

/// The position condition of a page master.
enum PagePosition : int {
    PagePositionFirst = 0,
    PagePositionLast = 1,
    PagePositionRest = 2,
    PagePositionAny = 3
};

inline constexpr KeywordEntry<PagePosition> kPagePositionKeywords[] = {
    {u"first", PagePositionFirst},
    {u"last", PagePositionLast},
    {u"rest", PagePositionRest},
    {u"any", PagePositionAny}};
template <>
inline constexpr KeywordTable<PagePosition> kKeywordTable<PagePosition>{
    .reads = kPagePositionKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<PagePosition>{
    .name = "PagePosition",
    .summary = "page-position: the position condition of a page master",
    .family = TypeFamily::Keyword};

/// The blank-page condition of a page master.
enum BlankOrNotBlank : int {
    BlankOrNotBlankBlank = 0,
    BlankOrNotBlankNotBlank = 1,
    BlankOrNotBlankAny = 2
};

inline constexpr KeywordEntry<BlankOrNotBlank> kBlankOrNotBlankKeywords[] = {
    {u"blank", BlankOrNotBlankBlank},
    {u"not-blank", BlankOrNotBlankNotBlank},
    {u"any", BlankOrNotBlankAny}};
template <>
inline constexpr KeywordTable<BlankOrNotBlank> kKeywordTable<BlankOrNotBlank>{
    .reads = kBlankOrNotBlankKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<BlankOrNotBlank>{
    .name = "BlankOrNotBlank",
    .summary = "blank-or-not-blank: the blank-page condition of a page master",
    .family = TypeFamily::Keyword};

/// Where a break goes. The numbers are not consecutive.
enum Break : int {
    BreakAuto = 0,
    BreakColumn = 1,
    BreakPage = 3,
    BreakEvenPage = 7,
    BreakOddPage = 11
};

inline constexpr KeywordEntry<Break> kBreakKeywords[] = {{u"auto", BreakAuto},
                                                         {u"column", BreakColumn},
                                                         {u"page", BreakPage},
                                                         {u"even-page", BreakEvenPage},
                                                         {u"odd-page", BreakOddPage}};
template <>
inline constexpr KeywordTable<Break> kKeywordTable<Break>{
    .reads = kBreakKeywords, .match = KeywordCase::Exact, .writes = kBreakKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<Break>{
    .name = "Break",
    .summary = "break-before, break-after: where a break goes",
    .family = TypeFamily::Keyword};

/// What a page sequence forces its page count to.
enum ForcePageCount : int {
    ForcePageCountAuto = 0,
    ForcePageCountEven = 1,
    ForcePageCountOdd = 2,
    ForcePageCountEndOnEven = 3,
    ForcePageCountEndOnOdd = 4,
    ForcePageCountNoForce = 5
};

inline constexpr KeywordEntry<ForcePageCount> kForcePageCountKeywords[] = {
    {u"auto", ForcePageCountAuto},
    {u"even", ForcePageCountEven},
    {u"odd", ForcePageCountOdd},
    {u"end-on-even", ForcePageCountEndOnEven},
    {u"end-on-odd", ForcePageCountEndOnOdd},
    {u"no-force", ForcePageCountNoForce}};
template <>
inline constexpr KeywordTable<ForcePageCount> kKeywordTable<ForcePageCount>{
    .reads = kForcePageCountKeywords, .match = KeywordCase::Exact};

template <>
inline constexpr TypeDescription kTypeDescription<ForcePageCount>{
    .name = "ForcePageCount",
    .summary = "force-page-count: what a page sequence forces its page count to",
    .family = TypeFamily::Keyword};

/// A repeat count held in an enumeration: -1 for no limit, otherwise 0 or more. Lenient:
/// every text reads, "no-limit" as -1 and anything else as C's atoi would read it, a
/// negative count as 0.
enum MaxRepeats : int { MaxRepeatsNoLimit = -1 };

inline constexpr KeywordEntry<MaxRepeats> kMaxRepeatsKeywords[] = {
    {u"no-limit", MaxRepeatsNoLimit}};
template <>
inline constexpr KeywordTable<MaxRepeats> kKeywordTable<MaxRepeats>{
    .reads = kMaxRepeatsKeywords,
    .match = KeywordCase::Exact,
    .otherwise = [](std::u16string_view text, MaxRepeats& out) noexcept {
        int const count = Core::Format::parseInt(text);
        out = static_cast<MaxRepeats>(count < 0 ? 0 : count);
        return true;
    }};

template <>
inline constexpr TypeDescription kTypeDescription<MaxRepeats>{
    .name = "MaxRepeats",
    .summary = "maximum-repeats: \"no-limit\" or a count; every text reads",
    .family = TypeFamily::Keyword,
    .reads = ReadRule::Always};

/// Whether a keep holds. An integer strength also reads: above 0 it always holds, else
/// it is "auto"; the strength itself is not kept.
enum Keep : int { KeepAuto = 0, KeepAlways = 1 };

inline constexpr KeywordEntry<Keep> kKeepKeywords[] = {{u"auto", KeepAuto},
                                                       {u"always", KeepAlways}};
template <>
inline constexpr KeywordTable<Keep> kKeywordTable<Keep>{
    .reads = kKeepKeywords,
    .match = KeywordCase::Exact,
    .otherwise =
        [](std::u16string_view text, Keep& out) noexcept {
            int strength = 0;
            if (!Core::Format::parseInt(text, strength)) {
                return false;
            }
            out = strength > 0 ? KeepAlways : KeepAuto;
            return true;
        },
    .writes = kKeepKeywords};

template <>
inline constexpr TypeDescription kTypeDescription<Keep>{
    .name = "Keep",
    .summary =
        "keep-together, keep-with-next, keep-with-previous: a keyword or an integer strength",
    .family = TypeFamily::Keyword};

/// Where footnote numbering starts again.
enum FootnoteRestartRule : int { FootnoteRestartRuleAuto = 0, FootnoteRestartRulePage = 1 };

inline constexpr KeywordEntry<FootnoteRestartRule> kFootnoteRestartRuleKeywords[] = {
    {u"auto", FootnoteRestartRuleAuto}, {u"page", FootnoteRestartRulePage}};
template <>
inline constexpr KeywordTable<FootnoteRestartRule> kKeywordTable<FootnoteRestartRule>{
    .reads = kFootnoteRestartRuleKeywords, .match = KeywordCase::AnyCase};

template <>
inline constexpr TypeDescription kTypeDescription<FootnoteRestartRule>{
    .name = "FootnoteRestartRule",
    .summary = "where footnote numbering starts again",
    .family = TypeFamily::Keyword};

extern template class XMLATTR_EXPORT TXmlAttribute<Parity>;
extern template class XMLATTR_EXPORT TXmlAttribute<PagePosition>;
extern template class XMLATTR_EXPORT TXmlAttribute<BlankOrNotBlank>;
extern template class XMLATTR_EXPORT TXmlAttribute<Break>;
extern template class XMLATTR_EXPORT TXmlAttribute<ForcePageCount>;
extern template class XMLATTR_EXPORT TXmlAttribute<MaxRepeats>;
extern template class XMLATTR_EXPORT TXmlAttribute<Keep>;
extern template class XMLATTR_EXPORT TXmlAttribute<FootnoteRestartRule>;

} // namespace Xml
