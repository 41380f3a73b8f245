// Arbitrary text into the measures, which are built on one another: each composite reader
// must take what its part takes, to the same value, apart from its own keywords; and the
// dash pattern must cut its items at commas and white space. (Every measure's strictness and round
// trip is checked one attribute at a time by AttributeFuzzer.)
#include "fuzz/FuzzDriver.h"

#include <xmlattr/xmlattr.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace {

using namespace Xml;

using xmlattr_fuzz::check;

bool isOneOf(Core::String const& text, std::initializer_list<std::u16string_view> keywords) {
    for (std::u16string_view const keyword : keywords) {
        if (text.view() == keyword) {
            return true;
        }
    }
    return false;
}

template <class T> bool read(TXmlAttribute<T>& attribute, Core::String const& text) {
    return static_cast<XmlAttribute&>(attribute).parseValue(text);
}

// The measures built on `LengthOrPercent`.
void checkLengthOrPercentFamily(Core::String const& text) {
    LengthOrPercent measure;
    bool const isMeasure = LengthOrPercent::parseLengthOrPercent(measure, text);

    TXmlAttribute<Margin> margin;
    check(read(margin, text) == isMeasure && (!isMeasure || *margin == Margin(measure)));

    bool const isAuto = text.compareNoCase(u"auto") == 0;
    TXmlAttribute<LengthOrPercentAuto> autoLength;
    check(read(autoLength, text) == (isMeasure || isAuto));
    check(isAuto ? autoLength->isAuto()
                 : !isMeasure || *autoLength == LengthOrPercentAuto(measure));

    // A measure is also taken whole from inside any function's parentheses.
    TXmlAttribute<TableWidth> table;
    TXmlAttribute<ColumnWidth> column;
    bool const isTable = read(table, text);
    check(read(column, text) == isTable &&
          (!isTable || column->getLengthOrPercent() == table->getLengthOrPercent()));
    check(!isMeasure || (isTable && *table == TableWidth(measure)));

    bool const isMetrics = text.view() == u"use-font-metrics";
    TXmlAttribute<LeaderPatternWidth> leader(LeaderPatternWidth(LengthOrPercent(0.25f)));
    check(read(leader, text) == (isMeasure || isMetrics));
    // The keyword sets the flag, which the default holds.
    check(isMetrics ? *leader == LeaderPatternWidth()
                    : !isMeasure || *leader == LeaderPatternWidth(measure));

    bool const isScale = isOneOf(text, {u"auto", u"scale-to-fit"});
    TXmlAttribute<ContentLength> content;
    bool const isContent = read(content, text);
    check(isContent == (isMeasure || isScale) && content->isNull() == !isContent);
    check(isScale || !isMeasure || *content == ContentLength(measure));

    if (!isOneOf(text, {u"xx-small", u"x-small", u"small", u"medium", u"large", u"x-large",
                        u"xx-large", u"larger", u"smaller"})) {
        TXmlAttribute<FontSize> size;
        check(read(size, text) == isMeasure && (!isMeasure || *size == FontSize(measure)));
    }
    if (!isOneOf(text, {u"body-start()", u"label-end()"})) {
        TXmlAttribute<Indent> indent;
        check(read(indent, text) == isMeasure && (!isMeasure || *indent == Indent(measure)));
    }
    if (!isOneOf(text, {u"baseline", u"sub", u"super"})) {
        TXmlAttribute<BaselineShift> shift;
        check(read(shift, text) == isMeasure && (!isMeasure || *shift == BaselineShift(measure)));
    }
    AlignmentBaseline baseline = AlignmentBaselineAuto;
    if (!TXmlAttribute<AlignmentBaseline>(baseline).parseValue(text)) {
        TXmlAttribute<AlignmentAdjust> adjust;
        check(read(adjust, text) == isMeasure &&
              (!isMeasure || *adjust == AlignmentAdjust(measure)));
    }
    if (!isOneOf(text, {u"left", u"top", u"center", u"right", u"bottom"})) {
        TXmlAttribute<BackgroundPosition> position;
        check(read(position, text) == isMeasure &&
              (!isMeasure || *position == BackgroundPosition(measure)));
    }
    if (!isOneOf(text, {u"cover", u"contain", u"auto"})) {
        TXmlAttribute<BackgroundSize> size;
        check(read(size, text) == isMeasure &&
              (!isMeasure || (size->getType() == BackgroundSizeLengthOrPercent &&
                              *size == BackgroundSize(measure))));
    }
}

// The measures built on `Length`.
void checkLengthFamily(Core::String const& text) {
    Length length;
    bool const isLength = Length::parseLength(length, text);

    if (!isOneOf(text, {u"thin", u"medium", u"thick"})) {
        TXmlAttribute<BorderWidth> width;
        check(read(width, text) == isLength &&
              (!isLength || static_cast<Length const&>(*width) == length));
    }
    if (text.compareNoCase(u"normal") != 0) {
        TXmlAttribute<LetterSpacing> spacing;
        check(read(spacing, text) == isLength && (!isLength || *spacing == LetterSpacing(length)));
    }
    if (!isOneOf(text, {u"auto", u"indefinite"})) {
        TXmlAttribute<PageDimension> page;
        check(read(page, text) == isLength && (!isLength || *page == PageDimension(length)));
    }
    // One length stands for both.
    bool blank = false;
    for (char16_t const unit : text.view()) {
        blank = blank || Core::String::isSpace(unit);
    }
    TXmlAttribute<DLength> pair;
    if (isLength && !blank) {
        check(read(pair, text) && *pair == DLength(length, length));
    }
}

// The SVG measures built on `SLength` and `SLengthOrPercent`.
void checkSvgFamily(Core::String const& text) {
    SLength length;
    bool const isLength = SLength::parseSLength(length, text);
    TXmlAttribute<SNullableLength> nullable;
    check(read(nullable, text) == isLength && nullable->isNull() == !isLength &&
          (!isLength || static_cast<SLength const&>(*nullable) == length));
    if (text.view() != u"normal") {
        TXmlAttribute<SSpacing> spacing;
        check(read(spacing, text) == isLength && (!isLength || *spacing == SSpacing(length)));
    }

    SLengthOrPercent measure;
    bool const isMeasure = SLength::parseSLengthOrPercent(measure, text);
    if (!isOneOf(text, {u"baseline", u"sub", u"super"})) {
        TXmlAttribute<SBaselineShift> shift;
        check(read(shift, text) == isMeasure && (!isMeasure || *shift == SBaselineShift(measure)));
    }
}

// A dash pattern: items cut at commas and white space, each one an `SLength`.
void checkDashPattern(Core::String const& text) {
    std::u16string_view const view = text.view();
    TXmlAttribute<Core::Vector<SLength>> dashes(Core::Vector<SLength>{SLength(-7.0f)});
    bool const accepted = read(dashes, text);
    if (view == u"none") {
        check(accepted && dashes->empty());
        return;
    }
    bool allLengths = true;
    Core::Vector<SLength> expected;
    std::size_t start = 0;
    while (start < view.size()) {
        std::size_t end = start;
        while (end < view.size() && view[end] != u',' && !Core::String::isSpace(view[end])) {
            ++end;
        }
        if (end > start) {
            SLength item;
            allLengths = allLengths &&
                         SLength::parseSLength(item, Core::String(view.substr(start, end - start)));
            expected.push_back(item);
        }
        start = end + 1;
    }
    check(accepted == allLengths);
    if (accepted) {
        check(*dashes == expected);
    } else {
        check(*dashes == Core::Vector<SLength>{SLength(-7.0f)});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    xmlattr_fuzz::forEachText(data, size, [](std::u16string_view view) {
        Core::String const text(view);
        checkLengthOrPercentFamily(text);
        checkLengthFamily(text);
        checkSvgFamily(text);
        checkDashPattern(text);
    });
    return 0;
}
