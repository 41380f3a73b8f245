// Test support: the keyword-valued attributes of corpus/, each read through its attribute.
#pragma once

#include "testing/Corpus.h"
#include "xmlattr/keywords/AreaKeywords.h"
#include "xmlattr/keywords/BorderKeywords.h"
#include "xmlattr/keywords/FontKeywords.h"
#include "xmlattr/keywords/GraphicsKeywords.h"
#include "xmlattr/keywords/ImageKeywords.h"
#include "xmlattr/keywords/LayoutKeywords.h"
#include "xmlattr/keywords/MarkerKeywords.h"
#include "xmlattr/keywords/PaginationKeywords.h"
#include "xmlattr/keywords/PositionKeywords.h"

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

// Every corpus value of the attributes that hold a keyword enumeration.
inline std::vector<KeywordValue> keywordCorpus() {
    using namespace Xml;
    struct Kind {
        std::string_view file;
        std::string_view name; // one "*" stands for any run of characters
        bool (*parse)(Core::String const&);
    };
    static Kind const kinds[] = {
        {"fo", "absolute-position", &parseAs<AbsolutePosition>},
        {"fo", "background-repeat", &parseAs<BackgroundRepeat>},
        {"fo", "blank-or-not-blank", &parseAs<BlankOrNotBlank>},
        {"fo", "border*-style", &parseAs<BorderStyle>},
        {"fo", "border-collapse", &parseAs<BorderCollapse>},
        {"fo", "break-*", &parseAs<Break>},
        {"fo", "display-align", &parseAs<DisplayAlign>},
        {"fo", "font-style", &parseAs<FontStyle>},
        {"fo", "font-weight", &parseAs<FontWeight>},
        {"fo", "force-page-count", &parseAs<ForcePageCount>},
        {"fo", "keep-*", &parseAs<Keep>},
        {"fo", "leader-alignment", &parseAs<LeaderAlignment>},
        {"fo", "leader-pattern", &parseAs<LeaderPattern>},
        {"fo", "line-height-shift-adjustment", &parseAs<LineHeightShiftAdjustment>},
        {"fo", "linefeed-treatment", &parseAs<LinefeedTreatment>},
        {"fo", "maximum-repeats", &parseAs<MaxRepeats>},
        {"fo", "odd-or-even", &parseAs<Parity>},
        {"fo", "overflow", &parseAs<Overflow>},
        {"fo", "page-position", &parseAs<PagePosition>},
        {"fo", "reference-orientation", &parseAs<ReferenceOrientation>},
        {"fo", "retrieve-boundary", &parseAs<RetrieveBoundary>},
        {"fo", "retrieve-position", &parseAs<RetrievePosition>},
        {"fo", "scaling", &parseAs<Scaling>},
        {"fo", "span", &parseAs<Span>},
        {"fo", "table-layout", &parseAs<TableLayout>},
        {"fo", "text-align*", &parseAs<TextAlign>},
        {"fo", "white-space-treatment", &parseAs<WhiteSpaceTreatment>},
        {"fo", "wrap-option", &parseAs<WrapOption>},
        {"svg", "display", &parseAs<SDisplay>},
        {"svg", "font-style", &parseAs<FontStyle>},
        {"svg", "font-variant", &parseAs<FontVariant>},
        {"svg", "font-weight", &parseAs<FontWeight>},
        {"svg", "gradientUnits", &parseAs<Drawing::GradientUnits>},
        {"svg", "spreadMethod", &parseAs<Drawing::GradientSpreadMethod>},
        {"svg", "stroke-linecap", &parseAs<SLineCap>},
        {"svg", "stroke-linejoin", &parseAs<SLineJoin>},
        {"svg", "text-anchor", &parseAs<STextAnchor>},
        {"svg", "visibility", &parseAs<SVisibility>},
    };
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
