// Test support: the keyword-valued attributes of corpus/, each read through its attribute.
#pragma once

#include "testing/Corpus.h"
#include "xmlattr/AttributeTypes.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace xmlattr_testing {

struct KeywordValue {
    bool (*parse)(Core::String const& text); // into a fresh attribute of the right type
    Core::String text;
    std::string attribute;
};

template <class E> bool parseAs(Core::String const& text) {
    Xml::TXmlAttribute<E> attribute;
    return static_cast<Xml::XmlAttribute&>(attribute).parseValue(text);
}

// Whether a keyword type of the list is known to the tool as `name`. A name, not a reader, is
// what the rows are checked by at compile time: comparing a function's address is not a
// constant expression in every build (g++ with sanitizers).
template <class... E> constexpr bool isKeywordType(std::string_view name, Xml::TypeList<E...>) {
    return ((Xml::kTypeDescription<E>.family == Xml::TypeFamily::Keyword &&
             Xml::kTypeDescription<E>.name == name) ||
            ...);
}

// The reader of the keyword type the tool knows as `name`, from the list of attribute types;
// null where no keyword type is named so.
template <class... E>
bool (*keywordReader(std::string_view name, Xml::TypeList<E...>))(Core::String const&) {
    bool (*found)(Core::String const&) = nullptr;
    ((found = found == nullptr && isKeywordType(name, Xml::TypeList<E>()) ? &parseAs<E> : found),
     ...);
    return found;
}

// Every corpus value of the attributes that hold a keyword enumeration. Which attributes read
// which type is said here: a type's description names its type, not the attributes that use it.
inline std::vector<KeywordValue> keywordCorpus() {
    struct Kind {
        std::string_view file;
        std::string_view name; // one "*" stands for any run of characters
        std::string_view type;
    };
    auto constexpr reads = [](std::string_view file, std::string_view name, std::string_view type) {
        return Kind{file, name, type};
    };
    static constexpr Kind kinds[] = {
        reads("fo", "absolute-position", "AbsolutePosition"),
        reads("fo", "background-repeat", "BackgroundRepeat"),
        reads("fo", "blank-or-not-blank", "BlankOrNotBlank"),
        reads("fo", "border*-style", "BorderStyle"),
        reads("fo", "border-collapse", "BorderCollapse"),
        reads("fo", "break-*", "Break"),
        reads("fo", "display-align", "DisplayAlign"),
        reads("fo", "font-style", "FontStyle"),
        reads("fo", "font-weight", "FontWeight"),
        reads("fo", "force-page-count", "ForcePageCount"),
        reads("fo", "keep-*", "Keep"),
        reads("fo", "leader-alignment", "LeaderAlignment"),
        reads("fo", "leader-pattern", "LeaderPattern"),
        reads("fo", "line-height-shift-adjustment", "LineHeightShiftAdjustment"),
        reads("fo", "linefeed-treatment", "LinefeedTreatment"),
        reads("fo", "maximum-repeats", "MaxRepeats"),
        reads("fo", "odd-or-even", "Parity"),
        reads("fo", "overflow", "Overflow"),
        reads("fo", "page-position", "PagePosition"),
        reads("fo", "reference-orientation", "ReferenceOrientation"),
        reads("fo", "retrieve-boundary", "RetrieveBoundary"),
        reads("fo", "retrieve-position", "RetrievePosition"),
        reads("fo", "scaling", "Scaling"),
        reads("fo", "span", "Span"),
        reads("fo", "table-layout", "TableLayout"),
        reads("fo", "text-align*", "TextAlign"),
        reads("fo", "white-space-treatment", "WhiteSpaceTreatment"),
        reads("fo", "wrap-option", "WrapOption"),
        reads("svg", "display", "SDisplay"),
        reads("svg", "font-style", "FontStyle"),
        reads("svg", "font-variant", "FontVariant"),
        reads("svg", "font-weight", "FontWeight"),
        reads("svg", "gradientUnits", "GradientUnits"),
        reads("svg", "spreadMethod", "GradientSpreadMethod"),
        reads("svg", "stroke-linecap", "SLineCap"),
        reads("svg", "stroke-linejoin", "SLineJoin"),
        reads("svg", "text-anchor", "STextAnchor"),
        reads("svg", "visibility", "SVisibility"),
    };
    static_assert(
        std::ranges::all_of(
            kinds, [](Kind const& k) { return isKeywordType(k.type, Xml::AttributeTypes()); }),
        "a row names no keyword type of the list");
    auto const matches = [](std::string_view pattern, std::string_view name) {
        std::size_t const star = pattern.find('*');
        if (star == std::string_view::npos) {
            return name == pattern;
        }
        return name.size() >= pattern.size() - 1 && name.starts_with(pattern.substr(0, star)) &&
               name.ends_with(pattern.substr(star + 1));
    };
    std::vector<KeywordValue> values;
    for (std::string_view file : {"fo", "svg"}) {
        for (CorpusValue& row : corpusValues(std::string(file) + "-attributes.tsv")) {
            for (Kind const& kind : kinds) {
                if (kind.file == file && matches(kind.name, row.attribute)) {
                    values.push_back({keywordReader(kind.type, Xml::AttributeTypes()),
                                      std::move(row.value), row.attribute});
                    break;
                }
            }
        }
    }
    return values;
}

} // namespace xmlattr_testing
