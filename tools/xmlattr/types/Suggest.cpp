// Edit distance and the candidates offered for a rejected value.
#include "Suggest.h"

#include <algorithm>
#include <vector>

namespace Tool {

namespace {

char16_t fold(char16_t unit, bool foldCase) {
    return foldCase ? Core::String::toLowerAscii(unit) : unit;
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

std::optional<std::u16string_view> nearestKeyword(std::span<std::u16string_view const> keywords,
                                                  std::u16string_view text) {
    if (text.empty() || text.size() > kLongestKeyword) {
        return std::nullopt;
    }
    std::optional<std::u16string_view> best;
    int bestFolded = 0;
    int bestExact = 0;
    for (std::u16string_view keyword : keywords) {
        int const allowed = keyword.size() <= 4 ? 1 : 2;
        int const folded = editDistance(text, keyword, true, allowed);
        if (folded > allowed) {
            continue;
        }
        int const exact = editDistance(text, keyword, false, kLongestKeyword);
        if (!best || folded < bestFolded || (folded == bestFolded && exact < bestExact)) {
            best = keyword;
            bestFolded = folded;
            bestExact = exact;
        }
    }
    return best;
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

} // namespace

int editDistance(std::u16string_view a, std::u16string_view b, bool foldCase, int limit) {
    auto const gap = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (gap > static_cast<std::size_t>(limit)) {
        return limit + 1;
    }
    // Three rows of the optimal-string-alignment table: two back, previous, current.
    std::size_t const width = b.size() + 1;
    std::vector<int> rows(3 * width);
    int* twoBack = rows.data();
    int* previous = twoBack + width;
    int* current = previous + width;
    for (std::size_t j = 0; j < width; ++j) {
        previous[j] = static_cast<int>(j);
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        int rowBest = current[0];
        for (std::size_t j = 1; j < width; ++j) {
            bool const same = fold(a[i - 1], foldCase) == fold(b[j - 1], foldCase);
            int cost = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + !same});
            if (i > 1 && j > 1 && fold(a[i - 1], foldCase) == fold(b[j - 2], foldCase) &&
                fold(a[i - 2], foldCase) == fold(b[j - 1], foldCase)) {
                cost = std::min(cost, twoBack[j - 2] + 1);
            }
            current[j] = cost;
            rowBest = std::min(rowBest, cost);
        }
        if (rowBest > limit) {
            return limit + 1;
        }
        std::swap(twoBack, previous);
        std::swap(previous, current);
    }
    return std::min(previous[b.size()], limit + 1);
}

std::optional<std::string> suggest(Core::String const& text,
                                   std::span<std::u16string_view const> keywords,
                                   std::function<bool(Core::String const&)> const& accepts) {
    std::u16string_view const whole = text.view();
    std::u16string_view const inner = trimmed(whole);
    std::vector<std::u16string> candidates;
    auto const add = [&](std::u16string candidate) {
        if (candidate != whole &&
            std::find(candidates.begin(), candidates.end(), candidate) == candidates.end()) {
            candidates.push_back(std::move(candidate));
        }
    };
    if (std::optional<std::u16string_view> keyword = nearestKeyword(keywords, inner)) {
        add(std::u16string(*keyword));
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

std::optional<std::string> suggest(ValueType const& type, Core::String const& text) {
    std::vector<std::u16string_view> const keywords = type.keywords();
    return suggest(text, keywords, [&](Core::String const& attempt) {
        bool const accepted = type.accepts(attempt);
        takeLibraryLog();
        return accepted;
    });
}

} // namespace Tool
