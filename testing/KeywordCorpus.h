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

// The reader of the keyword type the tool knows as `name`, from the list of attribute types;
// null where no keyword type is named so.
template <class... E>
constexpr bool (*keywordReader(std::string_view name, Xml::TypeList<E...>))(Core::String const&) {
    bool (*found)(Core::String const&) = nullptr;
    ((found = found == nullptr && Xml::kTypeDescription<E>.family == Xml::TypeFamily::Keyword &&
                      Xml::kTypeDescription<E>.name == name
                  ? &parseAs<E>
                  : found),
     ...);
    return found;
}

// Every corpus value of the attributes that hold a keyword enumeration. Which attributes read
// which type is said here: a type's description names its type, not the attributes that use it.
inline std::vector<KeywordValue> keywordCorpus() {
    struct Kind {
        std::string_view file;
        std::string_view name; // one "*" stands for any run of characters
        bool (*parse)(Core::String const&);
    };
    auto constexpr kind = [](std::string_view file, std::string_view name, std::string_view type) {
        return Kind{file, name, keywordReader(type, Xml::AttributeTypes())};
    };
    static constexpr Kind kinds[] = {
        kind("fo", "absolute-position", "AbsolutePosition"),
        kind("fo", "background-repeat", "BackgroundRepeat"),
        kind("fo", "blank-or-not-blank", "BlankOrNotBlank"),
        kind("fo", "border*-style", "BorderStyle"),
        kind("fo", "border-collapse", "BorderCollapse"),
        kind("fo", "break-*", "Break"),
        kind("fo", "display-align", "DisplayAlign"),
        kind("fo", "font-style", "FontStyle"),
        kind("fo", "font-weight", "FontWeight"),
        kind("fo", "force-page-count", "ForcePageCount"),
        kind("fo", "keep-*", "Keep"),
        kind("fo", "leader-alignment", "LeaderAlignment"),
        kind("fo", "leader-pattern", "LeaderPattern"),
        kind("fo", "line-height-shift-adjustment", "LineHeightShiftAdjustment"),
        kind("fo", "linefeed-treatment", "LinefeedTreatment"),
        kind("fo", "maximum-repeats", "MaxRepeats"),
        kind("fo", "odd-or-even", "Parity"),
        kind("fo", "overflow", "Overflow"),
        kind("fo", "page-position", "PagePosition"),
        kind("fo", "reference-orientation", "ReferenceOrientation"),
        kind("fo", "retrieve-boundary", "RetrieveBoundary"),
        kind("fo", "retrieve-position", "RetrievePosition"),
        kind("fo", "scaling", "Scaling"),
        kind("fo", "span", "Span"),
        kind("fo", "table-layout", "TableLayout"),
        kind("fo", "text-align*", "TextAlign"),
        kind("fo", "white-space-treatment", "WhiteSpaceTreatment"),
        kind("fo", "wrap-option", "WrapOption"),
        kind("svg", "display", "SDisplay"),
        kind("svg", "font-style", "FontStyle"),
        kind("svg", "font-variant", "FontVariant"),
        kind("svg", "font-weight", "FontWeight"),
        kind("svg", "gradientUnits", "GradientUnits"),
        kind("svg", "spreadMethod", "GradientSpreadMethod"),
        kind("svg", "stroke-linecap", "SLineCap"),
        kind("svg", "stroke-linejoin", "SLineJoin"),
        kind("svg", "text-anchor", "STextAnchor"),
        kind("svg", "visibility", "SVisibility"),
    };
    static_assert(std::ranges::none_of(kinds, [](Kind const& k) { return k.parse == nullptr; }),
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
                    values.push_back({kind.parse, std::move(row.value), row.attribute});
                    break;
                }
            }
        }
    }
    return values;
}

} // namespace xmlattr_testing
