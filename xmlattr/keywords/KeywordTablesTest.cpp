// Every plain keyword enumeration: its keywords in number order, case rule and writer.
#include "xmlattr/keywords/AreaKeywords.h"
#include "xmlattr/keywords/BarcodeKeywords.h"
#include "xmlattr/keywords/BorderKeywords.h"
#include "xmlattr/keywords/ChartKeywords.h"
#include "xmlattr/keywords/FontKeywords.h"
#include "xmlattr/keywords/FormKeywords.h"
#include "xmlattr/keywords/GraphicsKeywords.h"
#include "xmlattr/keywords/ImageKeywords.h"
#include "xmlattr/keywords/LayoutKeywords.h"
#include "xmlattr/keywords/MarkerKeywords.h"
#include "xmlattr/keywords/OutputKeywords.h"
#include "xmlattr/keywords/PaginationKeywords.h"
#include "xmlattr/keywords/PositionKeywords.h"

#include "testing/AttributeRows.h"

#include <xmlattr/AttributeTypes.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace Xml {
namespace {

enum class Rule { Exact, AnyCase };
enum class Writes { No, Yes, Throws };

// One enumeration as its description gives it. `keywords` lists the keywords in number
// order from `first`, separated by blanks; "-" marks a number that no keyword reads.
// Several spellings of one number are joined by "|", the written one first; a spelling
// after ">" is only written, as another number reads it.
struct Enumeration {
    std::string_view name;
    Rule rule;
    Writes writes;
    int first;
    std::u16string_view keywords;
    char16_t const* file = nullptr; // where a throwing writer records itself
    int line = 0;
    bool lenient = false; // every text reads; one that is no keyword keeps the value
    // Filled by `of<E>`: the attribute's three slots, reached through the base class.
    bool (*read)(Core::String const&, int&) = nullptr;
    Core::String (*write)(int) = nullptr;
    std::size_t tableSize = 0;
    std::string_view described = {};
};

template <class E> Enumeration of(Enumeration row) {
    row.read = [](Core::String const& text, int& number) {
        TXmlAttribute<E> attribute(static_cast<E>(number));
        bool const accepted = static_cast<XmlAttribute&>(attribute).parseValue(text);
        number = static_cast<int>(attribute.getValue());
        return accepted;
    };
    row.write = [](int number) {
        TXmlAttribute<E> attribute(static_cast<E>(number));
        return static_cast<XmlAttribute&>(attribute).getValueAsString();
    };
    row.tableSize = kKeywordTable<E>.reads.size();
    row.described = kTypeDescription<E>.name;
    return row;
}

constexpr Rule X = Rule::Exact;
constexpr Rule A = Rule::AnyCase;
constexpr Writes No = Writes::No;
constexpr Writes Yes = Writes::Yes;
constexpr Writes Throws = Writes::Throws;

constexpr int kSentinel = 4242;

std::u16string swapCase(std::u16string_view text) {
    std::u16string swapped(text);
    for (char16_t& unit : swapped) {
        auto const lower = unit | 0x20;
        unit = lower >= u'a' && lower <= u'z' ? static_cast<char16_t>(unit ^ 0x20) : unit;
    }
    return swapped;
}

// The text read into an attribute holding kSentinel gives `expected`; kSentinel stands for a
// rejection: false (true for a lenient reader) and the value as it was.
void expectRead(Enumeration const& e, std::u16string_view text, int expected) {
    SCOPED_TRACE("reading \"" + Core::String(text).toUtf8() + "\"");
    int number = kSentinel;
    EXPECT_EQ(e.read(Core::String(text), number), expected != kSentinel || e.lenient);
    EXPECT_EQ(number, expected);
}

void expectWritten(Enumeration const& e, int number, std::u16string_view expected) {
    SCOPED_TRACE("writing " + std::to_string(number));
    if (e.writes == Writes::Throws && expected.empty()) {
        xmlattr_testing::expectUnreachable([&] { (void)e.write(number); }, e.file, e.line);
    } else {
        EXPECT_EQ(e.write(number), Core::String(expected));
    }
}

// Every keyword type of the library's list has its line, but those whose table passes other
// texts to a reader of its own (angles, counts, strengths): SpecialReadersTest.cpp has theirs.
template <class... T>
void expectALineForEveryPlainKeywordType(std::span<Enumeration const> lines, TypeList<T...>) {
    auto const expectLine = [&]<class E>(std::type_identity<E>) {
        if constexpr (KeywordEnumeration<E>) {
            if (kKeywordTable<E>.otherwise == detail::noOtherKeyword<E>) {
                std::string_view const name = kTypeDescription<E>.name;
                EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                        [&](Enumeration const& e) { return e.described == name; }),
                          1)
                    << name << " has no line";
            }
        }
    };
    (expectLine(std::type_identity<T>()), ...);
}

TEST(KeywordTables, EveryKeywordReadsToItsNumberAndWritesBack) {
    // clang-format off
    Enumeration const enumerations[] = {
        of<AlignmentBaseline>({"AlignmentBaseline", X, Yes, 0, u"auto baseline before-edge text-before-edge middle central after-edge text-after-edge ideographic alphabetic hanging mathematical top text-top bottom text-bottom"}),
        of<TabStopType>({"TabStopType", X, No, 0, u"left center right"}),
        of<Span>({"Span", A, Yes, 0, u"none all"}),
        of<LineStackingStrategy>({"LineStackingStrategy", A, Yes, 0, u"line-height font-height max-height"}),
        of<LineHeightShiftAdjustment>({"LineHeightShiftAdjustment", A, Yes, 0, u"consider-shifts disregard-shifts"}),
        of<DisplayAlign>({"DisplayAlign", X, Yes, 0, u"before after center"}),
        of<TextDirection>({"TextDirection", X, No, 0, u"ltr rtl"}),
        of<LinefeedTreatment>({"LinefeedTreatment", A, Yes, 0, u"ignore preserve treat-as-space treat-as-zero-width-space"}),
        of<WhiteSpaceTreatment>({"WhiteSpaceTreatment", A, Yes, 0, u"ignore preserve ignore-if-before-linefeed ignore-if-after-linefeed ignore-if-surrounding-linefeed"}),
        of<WrapOption>({"WrapOption", A, Yes, 0, u"wrap no-wrap"}),
        of<Visibility>({"Visibility", A, Yes, 0, u"visible hidden collapse"}),
        of<LeaderPattern>({"LeaderPattern", X, Yes, 0, u"space rule dots use-content"}),
        of<LeaderAlignment>({"LeaderAlignment", X, Yes, 0, u"none reference-area page"}),
        of<RetrievePosition>({"RetrievePosition", X, Yes, 0, u"first-starting-within-page first-including-carryover last-starting-within-page last-ending-within-page"}),
        of<RetrieveBoundary>({"RetrieveBoundary", X, Yes, 0, u"page page-sequence document"}),
        of<RetrievePositionWithinTable>({"RetrievePositionWithinTable", X, Yes, 0, u"first-starting first-including-carryover last-starting last-ending"}),
        of<RetrieveBoundaryWithinTable>({"RetrieveBoundaryWithinTable", X, No, 0, u"table table-fragment page"}),
        of<Parity>({"Parity", X, No, 0, u"odd even any"}),
        of<PagePosition>({"PagePosition", X, No, 0, u"first last rest any"}),
        of<BlankOrNotBlank>({"BlankOrNotBlank", X, No, 0, u"blank not-blank any"}),
        of<Break>({"Break", X, Yes, 0, u"auto column - page - - - even-page - - - odd-page"}),
        of<ForcePageCount>({"ForcePageCount", X, No, 0, u"auto even odd end-on-even end-on-odd no-force"}),
        of<Keep>({"Keep", X, Yes, 0, u"auto always"}),
        of<FootnoteRestartRule>({"FootnoteRestartRule", A, No, 0, u"auto page"}),
        of<TextAlign>({"TextAlign", X, Throws, 0, u">left left|start|inside right|end|outside center justify >start >end >inside >outside", u"MiscAttributes", 387}),
        of<Overflow>({"Overflow", X, Yes, 0, u"visible|repeat|auto hidden|scroll error-if-overflow"}),
        of<AbsolutePosition>({"AbsolutePosition", X, Throws, 0, u"auto absolute fixed", u"MiscAttributes", 239}),
        of<RelativePosition>({"RelativePosition", X, Throws, 0, u"static relative", u"MiscAttributes", 270}),
        of<FloatPosition>({"FloatPosition", A, Yes, 0, u"left right"}),
        of<AnchorX>({"AnchorX", A, No, 0, u"auto body page character"}),
        of<AnchorY>({"AnchorY", A, No, 0, u"auto body page block line"}),
        of<PositionX>({"PositionX", A, No, 0, u"auto left center right"}),
        of<PositionY>({"PositionY", A, No, 0, u"auto top middle bottom"}),
        of<BackgroundRepeat>({"BackgroundRepeat", X, Yes, 0, u"repeat repeat-x repeat-y no-repeat"}),
        of<Scaling>({"Scaling", X, Yes, 0, u"uniform non-uniform"}),
        of<TableLayout>({"TableLayout", X, Yes, 0, u"auto fixed"}),
        of<AFPEncoding>({"AFPEncoding", A, No, 0, u"ASCII EBCDIC UTF-16"}),
        of<LightingScheme>({"LightingScheme", A, No, 0, u"artwork none white day night hard primary blue red cube cad headlamp"}),
        of<BarcodeType>({"BarcodeType", A, No, 0, u"Auto UPC-E EAN-8 UPC-A EAN-13 DataMatrix 3of9 2of5 Postnet Planet Code128 Code128Raw Code128UCC OMR Pdf417"}),
        of<DMEncoding>({"DMEncoding", A, No, 0, u"ASCII C40 TEXT BASE256 NONE AUTO"}),
        of<DMFormat>({"DMFormat", A, No, -1, u"AUTO C10X10 C12X12 C14X14 C16X16 C18X18 C20X20 C22X22 C24X24 C26X26 C32X32 C36X36 C40X40 C44X44 C48X48 C52X52 C64X64 C72X72 C80X80 C88X88 C96X96 C104X104 C120X120 C132X132 C144X144 C8X18 C8X32 C12X26 C12X36 C16X36 C16X48"}),
        of<Code128CodeSet>({"Code128CodeSet", A, No, 0, u"CodeSetA CodeSetB CodeSetC"}),
        of<BorderStyle>({"BorderStyle", X, Yes, 0, u"none inset groove outset ridge dotted dashed solid double hidden"}),
        of<BorderCollapse>({"BorderCollapse", X, Yes, 0, u"collapse collapse-with-precedence separate"}),
        of<FontStyle>({"FontStyle", X, Throws, 0, u"normal italic|oblique >oblique backslant", u"FontAttributes", 144}),
        of<FontVariant>({"FontVariant", X, No, 0, u"normal small-caps"}),
        of<TextLineStyle>({"TextLineStyle", X, Throws, 0, u"none solid double dotted dashed dot-dash dot-dot-dash", u"FontAttributes", 204}),
        of<FormControlType>({"FormControlType", A, No, 0, u"check-box text button radiobutton -"}),
        of<FormActionType>({"FormActionType", A, No, 0, u"- url javascript submit"}),
        of<FormTriggerAction>({"FormTriggerAction", A, No, 0, u"- OnMouseUp OnMouseDown OnMouseEnter OnMouseExit OnFocus OnBlur"}),
        of<STextAnchor>({"STextAnchor", X, No, 0, u"- start middle end"}),
        of<SLineCap>({"SLineCap", X, No, 0, u"butt round square"}),
        of<SLineJoin>({"SLineJoin", X, No, 0, u"miter bevel round"}),
        of<SVisibility>({"SVisibility", X, No, 0, u"- visible hidden collapse"}),
        of<SDisplay>({"SDisplay", X, No, 0, u"inline block list-item run-in compact marker table inline-table table-row-group table-header-group table-footer-group table-row table-column-group table-column table-cell table-caption none", nullptr, 0, true}),
        of<Drawing::GradientUnits>({"GradientUnits", X, No, 0, u"objectBoundingBox userSpaceOnUse"}),
        of<Drawing::GradientSpreadMethod>({"GradientSpreadMethod", X, No, 0, u"repeat reflect pad"}),
        of<ChartType>({"ChartType", X, No, 0, u"line bar area - pie spider"}),
        of<LabelType>({"LabelType", X, No, 0, u"line square circle triangle"}),
        of<SliceOrientation>({"SliceOrientation", X, No, 0, u"clockwise counterclockwise"}),
        of<AxisPosition>({"AxisPosition", X, No, 0, u"top left bottom right"}),
        of<AxisOrientation>({"AxisOrientation", X, No, 0, u"auto vertical horizontal"}),
        of<AxisIntersection>({"AxisIntersection", X, No, 0, u"max min auto"}),
        of<TickStyle>({"TickStyle", X, No, 0, u"inside cross outside"}),
        of<SerieGrouping>({"SerieGrouping", X, No, 0, u"overlapped clustered stacked"}),
        of<DisplayValPlacement>({"DisplayValPlacement", X, No, 0, u"center between auto"}),
        of<PDFConformance>({"PDFConformance", X, No, 0, u"Default PDF/X-1a:2003 PDF/A-1a:2005 PDF/A-1b:2005"}),
    };
    // clang-format on
    for (Enumeration const& e : enumerations) {
        SCOPED_TRACE(std::string(e.name));
        EXPECT_EQ(e.name, e.described);
        int number = e.first;
        std::size_t keywords = 0;
        std::u16string_view rest = e.keywords;
        while (!rest.empty()) {
            std::size_t const blank = rest.find(u' ');
            std::u16string_view spellings = rest.substr(0, blank);
            rest = blank == std::u16string_view::npos ? u"" : rest.substr(blank + 1);
            bool const readsAsOther = spellings.starts_with(u'>');
            spellings.remove_prefix(readsAsOther ? 1 : 0);
            std::u16string_view const written = spellings.substr(0, spellings.find(u'|'));
            expectWritten(e, number, written != u"-" && e.writes != Writes::No ? written : u"");
            while (!readsAsOther && spellings != u"-" && !spellings.empty()) {
                std::size_t const bar = spellings.find(u'|');
                std::u16string_view const keyword = spellings.substr(0, bar);
                spellings = bar == std::u16string_view::npos ? u"" : spellings.substr(bar + 1);
                ++keywords;
                expectRead(e, keyword, number);
                std::u16string const swapped = swapCase(keyword);
                if (swapped != keyword) {
                    expectRead(e, swapped, e.rule == Rule::AnyCase ? number : kSentinel);
                }
            }
            ++number;
        }
        EXPECT_EQ(e.tableSize, keywords) << "keywords the description does not list";
        expectRead(e, u"", kSentinel);
        expectRead(e, u"inherit", kSentinel);
        // Numbers beyond both ends have no keyword.
        expectWritten(e, e.first - 1, u"");
        expectWritten(e, number, u"");
    }
    expectALineForEveryPlainKeywordType(enumerations, AttributeTypes());
}

} // namespace
} // namespace Xml
