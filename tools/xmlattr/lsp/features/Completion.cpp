// Candidates from the standard's keywords and colour names, the library's keyword tables and
// the standard's units, each tried in place through the checker's verdict.
#include "Completion.h"

#include "ValueReaders.h"
#include "standard/Reading.h"
#include "standard/Scanner.h"

#include <algorithm>

namespace Tool::Lsp {

namespace {

// What ends a word of a value: blanks and the separators of lists and functions.
bool endsWord(char c) {
    return Standard::isSpace(c) || c == ',' || c == '(' || c == ')' || c == ';' || c == '"' ||
           c == '\'';
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           Standard::equalNoCase(text.substr(0, prefix.size()), prefix);
}

// The number at the start of `word` ("12", "-1.5", ".5"); empty when it does not start with
// one.
std::string_view leadingNumber(std::string_view word) {
    std::size_t at = 0;
    if (at < word.size() && (word[at] == '+' || word[at] == '-')) {
        ++at;
    }
    std::size_t const digits = at;
    while (at < word.size() && (Standard::isDigit(word[at]) || word[at] == '.')) {
        ++at;
    }
    bool const hasDigit =
        std::any_of(word.begin() + static_cast<std::ptrdiff_t>(digits),
                    word.begin() + static_cast<std::ptrdiff_t>(at), Standard::isDigit);
    return hasDigit ? word.substr(0, at) : std::string_view();
}

} // namespace

std::vector<CompletionItem> completionsAt(std::string_view document, std::size_t offset) {
    std::optional<ValueAt> const place = valueAt(document, offset);
    if (!place) {
        return {};
    }
    Readers const readers = readersOf(*place);
    if (readers.type == nullptr && readers.syntax == nullptr) {
        return {};
    }
    std::string_view const value = place->text();
    std::size_t const cursor =
        std::clamp(place->attribute->delivered(offset), place->value.begin, place->value.end) -
        place->value.begin;
    std::size_t begin = cursor;
    while (begin > 0 && !endsWord(value[begin - 1])) {
        --begin;
    }
    std::size_t end = cursor;
    while (end < value.size() && !endsWord(value[end])) {
        ++end;
    }
    std::string_view const typed = value.substr(begin, cursor - begin);
    TextSpan const replace =
        place->attribute->sourceSpan(place->value.begin + begin, place->value.begin + end);

    std::vector<CompletionItem> items;
    std::string attempt;
    auto const offer = [&](std::string label, CompletionItem::Kind kind,
                           std::optional<Rgba> color) {
        if (!startsWithNoCase(label, typed) ||
            std::any_of(items.begin(), items.end(),
                        [&](CompletionItem const& item) { return item.label == label; })) {
            return;
        }
        attempt.assign(value.substr(0, begin));
        attempt += label;
        attempt += value.substr(end);
        if (checkerIsSilent(*place, attempt)) {
            items.push_back({std::move(label), kind, color, replace});
        }
    };

    if (readers.syntax != nullptr) {
        for (std::string_view const keyword : readers.syntax->keywords) {
            offer(std::string(keyword), CompletionItem::Kind::Keyword, std::nullopt);
        }
    }
    if (readers.type != nullptr) {
        for (std::u16string_view const keyword : readers.type->keywords()) {
            offer(Core::String(keyword).toUtf8(), CompletionItem::Kind::Keyword, std::nullopt);
        }
    }
    if (readers.syntax != nullptr) {
        for (std::string_view const name : Standard::colorKeywords(*readers.syntax)) {
            offer(std::string(name), CompletionItem::Kind::Color, colorOf(name));
        }
    }
    if (std::string_view const number = leadingNumber(typed); !number.empty()) {
        for (std::string_view const unit : Standard::measureUnits()) {
            offer(std::string(number) + std::string(unit), CompletionItem::Kind::Unit,
                  std::nullopt);
        }
        offer(std::string(number) + "%", CompletionItem::Kind::Unit, std::nullopt);
    }
    return items;
}

} // namespace Tool::Lsp
