// Edit distance and the candidates offered for a rejected value.
#include "Suggest.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <vector>

namespace Tool {

namespace {

// A unit of either text; keywords in UTF-8 are ASCII in practice, and a byte of a longer
// character matches nothing in UTF-16.
char16_t unit(char16_t c) { return c; }
char16_t unit(char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); }

template <class Char> char16_t fold(Char c, bool foldCase) {
    return foldCase ? Core::String::toLowerAscii(unit(c)) : unit(c);
}

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && Core::String::isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && Core::String::isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Keywords are short; a longer text is no misspelt keyword and is not compared.
constexpr std::size_t kLongestKeyword = 64;

// The optimal-string-alignment distance, three rows of its table at a time: on the stack for
// a keyword, since a rejected value is compared with every keyword of its type (a colour's
// are 147) and that is most of what a run with many errors costs.
template <class Char>
int distance(std::u16string_view a, std::basic_string_view<Char> b, bool foldCase, int limit) {
    auto const gap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (gap > static_cast<std::size_t>(limit)) {
        return limit + 1;
    }
    std::size_t const width = b.size() + 1;
    std::array<int, 3 * (kLongestKeyword + 1)> onStack;
    std::vector<int> onHeap;
    int* rows = onStack.data();
    if (width > kLongestKeyword + 1) {
        onHeap.resize(3 * width);
        rows = onHeap.data();
    }
    int* twoBack = rows;
    int* previous = twoBack + width;
    int* current = previous + width;
    // Only cells within `limit` of the diagonal can stay within the limit; the cells beside
    // that band are read as beyond it.
    int const beyond = limit + 1;
    std::size_t const band = static_cast<std::size_t>(limit);
    for (std::size_t j = 0; j < width; ++j) {
        previous[j] = std::min(static_cast<int>(j), beyond);
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t const first = i > band ? i - band : 1;
        std::size_t const last = std::min(b.size(), i + band);
        current[first - 1] = first == 1 ? std::min(static_cast<int>(i), beyond) : beyond;
        int rowBest = current[first - 1];
        char16_t const here = fold(a[i - 1], foldCase);
        for (std::size_t j = first; j <= last; ++j) {
            char16_t const there = fold(b[j - 1], foldCase);
            int cost = std::min(
                {previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (here == there ? 0 : 1)});
            if (i > 1 && j > 1 && here == fold(b[j - 2], foldCase) &&
                fold(a[i - 2], foldCase) == there) {
                cost = std::min(cost, twoBack[j - 2] + 1);
            }
            current[j] = std::min(cost, beyond);
            rowBest = std::min(rowBest, current[j]);
        }
        if (last < b.size()) {
            current[last + 1] = beyond;
        }
        if (rowBest > limit) {
            return beyond;
        }
        std::swap(twoBack, previous);
        std::swap(previous, current);
    }
    return std::min(previous[b.size()], beyond);
}

// A list of keywords ready for many comparisons: its order by length, and each keyword's
// letters, one bit each.
struct ListIndex {
    std::vector<std::uint32_t> byLength;
    std::vector<std::uint64_t> presences;
};

// The keyword nearest `text` so far: fewest edits in any case, then fewest exactly. A keyword
// whose letters differ from the text's by more than the edits allowed is passed over without
// the edit table: every edit mends at most one letter too many and one too few.
class Nearest {
public:
    explicit Nearest(std::u16string_view text) : m_text(text) {
        if (text.size() > kLongestKeyword) {
            return;
        }
        for (char16_t const c : text) {
            ++m_letters[bucket(c)];
            m_present |= presence(c);
        }
    }

    template <class Char> void consider(std::span<std::basic_string_view<Char> const> keywords) {
        for (std::basic_string_view<Char> const keyword : keywords) {
            consider(keyword, presenceOf(keyword), m_rank++);
        }
    }

    /// The keywords of `list` whose length is near the text's, `list` sorted by length.
    void consider(std::span<std::string_view const> keywords, ListIndex const& list) {
        if (m_text.empty() || m_text.size() > kLongestKeyword) {
            return;
        }
        std::size_t const shortest = m_text.size() > 2 ? m_text.size() - 2 : 0;
        auto const first = std::lower_bound(list.byLength.begin(), list.byLength.end(), shortest,
                                            [&](std::uint32_t index, std::size_t length) {
                                                return keywords[index].size() < length;
                                            });
        for (auto at = first;
             at != list.byLength.end() && keywords[*at].size() <= m_text.size() + 2; ++at) {
            consider(keywords[*at], list.presences[*at], m_rank + *at);
        }
        m_rank += keywords.size();
    }

    // Of keywords as near, the first in the lists' order is taken: `rank` is that order.
    template <class Char>
    void consider(std::basic_string_view<Char> keyword, std::uint64_t present, std::size_t rank) {
        if (m_text.empty() || m_text.size() > kLongestKeyword) {
            return;
        }
        int const allowed = keyword.size() <= 4 ? 1 : 2;
        std::size_t const gap = keyword.size() > m_text.size() ? keyword.size() - m_text.size()
                                                               : m_text.size() - keyword.size();
        if (gap > static_cast<std::size_t>(allowed) || lettersMissing(present, allowed) ||
            lettersApart(keyword) > allowed) {
            return;
        }
        int const folded = distance(m_text, keyword, true, allowed);
        if (folded > allowed) {
            return;
        }
        int const exact = distance(m_text, keyword, false, static_cast<int>(kLongestKeyword));
        if (!m_best || folded < m_folded ||
            (folded == m_folded && (exact < m_exact || (exact == m_exact && rank < m_bestRank)))) {
            m_best.emplace();
            m_bestRank = rank;
            std::transform(keyword.begin(), keyword.end(), std::back_inserter(*m_best),
                           [](Char c) { return unit(c); });
            m_folded = folded;
            m_exact = exact;
        }
    }

    std::optional<std::u16string> const& best() const noexcept { return m_best; }

    // One bit for each letter of a text.
    template <class Char> static std::uint64_t presenceOf(std::basic_string_view<Char> text) {
        std::uint64_t present = 0;
        for (Char const c : text) {
            present |= presence(c);
        }
        return present;
    }

private:
    // Letters in any case; everything beyond ASCII shares one count, which keeps the count of
    // differences a lower bound.
    template <class Char> static std::size_t bucket(Char c) {
        char16_t const folded = fold(c, true);
        return folded < 0x80 ? folded : 0;
    }

    // A first look, with one bit for each letter: how many letters one text has and the
    // other lacks altogether. Most keywords end here.
    template <class Char> static std::uint64_t presence(Char c) {
        return std::uint64_t{1} << (fold(c, true) & 63);
    }

    bool lettersMissing(std::uint64_t present, int allowed) const {
        return moreBitsThan(present & ~m_present, allowed) ||
               moreBitsThan(m_present & ~present, allowed);
    }

    // Without a population count, which is a library call on processors not known to have it.
    static bool moreBitsThan(std::uint64_t bits, int count) {
        for (int i = 0; i < count && bits != 0; ++i) {
            bits &= bits - 1;
        }
        return bits != 0;
    }

    // Counted down for the keyword's letters and back up again, instead of copied.
    template <class Char> int lettersApart(std::basic_string_view<Char> keyword) const {
        int missing = 0;
        for (Char const c : keyword) {
            missing += m_letters[bucket(c)]-- > 0 ? 0 : 1;
        }
        for (Char const c : keyword) {
            ++m_letters[bucket(c)];
        }
        int const matched = static_cast<int>(keyword.size()) - missing;
        return std::max(missing, static_cast<int>(m_text.size()) - matched);
    }

    std::u16string_view m_text;
    mutable std::array<std::int8_t, 0x80> m_letters{};
    std::uint64_t m_present = 0;
    std::optional<std::u16string> m_best;
    int m_folded = 0;
    int m_exact = 0;
    std::size_t m_bestRank = 0;
    /// The rank of the next list's first keyword.
    std::size_t m_rank = 0;
};

// The letters of each keyword of a grammar's list, worked out once per thread: a rejected
// value is compared with every keyword of its grammar (a colour's are 147), and a document
// can reject thousands. The lists live as long as the program, so where one is tells it.
ListIndex const& indexOf(std::span<std::string_view const> keywords) {
    struct Known {
        std::string_view const* list;
        std::size_t size;
        ListIndex index;
    };
    thread_local std::vector<Known> known;
    for (Known const& list : known) {
        if (list.list == keywords.data() && list.size == keywords.size()) {
            return list.index;
        }
    }
    ListIndex index;
    for (std::uint32_t i = 0; i < keywords.size(); ++i) {
        index.byLength.push_back(i);
        index.presences.push_back(Nearest::presenceOf(keywords[i]));
    }
    std::stable_sort(
        index.byLength.begin(), index.byLength.end(),
        [&](std::uint32_t a, std::uint32_t b) { return keywords[a].size() < keywords[b].size(); });
    return known.emplace_back(Known{keywords.data(), keywords.size(), std::move(index)}).index;
}

std::u16string lowered(std::u16string_view text) {
    std::u16string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char16_t unit) { return Core::String::toLowerAscii(unit); });
    return out;
}

bool isHexDigits(std::u16string_view text) {
    return (text.size() == 3 || text.size() == 6) &&
           std::all_of(text.begin(), text.end(), [](char16_t unit) {
               return (unit >= u'0' && unit <= u'9') || (Core::String::toLowerAscii(unit) >= u'a' &&
                                                         Core::String::toLowerAscii(unit) <= u'f');
           });
}

// The candidates in turn, after the nearest keyword: the first that `accepts` takes.
std::optional<std::string> firstAccepted(std::u16string_view whole, std::u16string_view inner,
                                         std::optional<std::u16string> const& keyword,
                                         std::function<bool(Core::String const&)> const& accepts) {
    std::vector<std::u16string> candidates;
    auto const add = [&](std::u16string candidate) {
        if (candidate != whole &&
            std::find(candidates.begin(), candidates.end(), candidate) == candidates.end()) {
            candidates.push_back(std::move(candidate));
        }
    };
    if (keyword) {
        add(*keyword);
    }
    add(std::u16string(inner));
    std::u16string_view unterminated = inner;
    while (!unterminated.empty() && unterminated.back() == u';') {
        unterminated = trimmed(unterminated.substr(0, unterminated.size() - 1));
    }
    if (!unterminated.empty()) {
        add(std::u16string(unterminated));
    }
    if (isHexDigits(inner)) {
        add(u"#" + std::u16string(inner));
    }
    add(lowered(whole));
    add(lowered(inner));
    for (std::u16string const& candidate : candidates) {
        Core::String const attempt{std::u16string_view(candidate)};
        if (accepts(attempt)) {
            return attempt.toUtf8();
        }
    }
    return std::nullopt;
}

} // namespace

int editDistance(std::u16string_view a, std::u16string_view b, bool foldCase, int limit) {
    return distance(a, b, foldCase, limit);
}

std::optional<std::string> suggest(Core::String const& text,
                                   std::span<std::u16string_view const> keywords,
                                   std::function<bool(Core::String const&)> const& accepts) {
    std::u16string_view const inner = trimmed(text.view());
    Nearest nearest(inner);
    nearest.consider(keywords);
    return firstAccepted(text.view(), inner, nearest.best(), accepts);
}

std::optional<std::string>
suggest(Core::String const& text,
        std::initializer_list<std::span<std::string_view const>> keywordLists,
        std::function<bool(Core::String const&)> const& accepts) {
    std::u16string_view const inner = trimmed(text.view());
    Nearest nearest(inner);
    for (std::span<std::string_view const> const keywords : keywordLists) {
        nearest.consider(keywords, indexOf(keywords));
    }
    return firstAccepted(text.view(), inner, nearest.best(), accepts);
}

std::optional<std::string> suggest(ValueType const& type, Core::String const& text) {
    std::vector<std::u16string_view> const keywords = type.keywords();
    return suggest(text, keywords, [&](Core::String const& attempt) {
        bool const accepted = type.accepts(attempt);
        takeLibraryLog();
        return accepted;
    });
}

} // namespace Tool
