// Every attribute the library instantiates, the first byte choosing which; the rest of the
// input is the text, once as UTF-16 code units and once decoded from UTF-8. For each text:
// - nothing crashes, throws or reads outside the text;
// - a strict reader that returns false leaves the value as it was, a lenient one returns
//   true where its rule says so;
// - an accepted value is what a fresh attribute reads from the same text (the old value does
//   not leak in), equals its copies, and can be written;
// - where the writer's text is a readable form, reading it back gives an equal value and
//   writing that gives the same text.
// The first byte is a position in `Xml::AttributeTypes`.
#include "fuzz/FuzzDriver.h"

#include <xmlattr/AttributeTypes.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

using namespace Xml;
using Color = SmartPtr<Drawing::Color>;

using xmlattr_fuzz::check;

// How a reader answers, as the type's description says.
template <class T> constexpr ReadRule kReading = kTypeDescription<T>.reads;

// Readers whose result depends on the value they read into, as their rule says: the
// transform list appends and an unknown display keyword keeps the value.
template <class T> constexpr bool kKeepsPrevious = false;
template <> constexpr bool kKeepsPrevious<Core::Vector<Transform>> = true;
template <> constexpr bool kKeepsPrevious<SDisplay> = true;

// --- Sentinels: values no reader gives, so that a change shows. -----------------------------

template <class T> struct Tag {};

template <class E>
requires std::is_enum_v<E> E sentinel(Tag<E>) { return static_cast<E>(-7); }
int sentinel(Tag<int>) { return -424242; }
float sentinel(Tag<float>) { return std::bit_cast<float>(std::uint32_t{0x7FC01234}); }
Core::String sentinel(Tag<Core::String>) { return Core::String(u"#sentinel"); }
Length sentinel(Tag<Length>) { return Length(-7.0f, Length::UnitEx); }
SLength sentinel(Tag<SLength>) { return SLength(-7.0f, SLength::UnitEx); }
LengthOrPercent sentinel(Tag<LengthOrPercent>) { return LengthOrPercent(sentinel(Tag<Length>())); }
SLengthOrPercent sentinel(Tag<SLengthOrPercent>) {
    return SLengthOrPercent(-7.0f, SLength::UnitEx);
}
template <class T>
requires std::is_base_of_v<KeywordOrLengthOrPercent<T>, T> T sentinel(Tag<T>) {
    return T(sentinel(Tag<LengthOrPercent>()));
}
ContentLength sentinel(Tag<ContentLength>) {
    return ContentLength(sentinel(Tag<LengthOrPercent>()));
}
DLength sentinel(Tag<DLength>) {
    return DLength(Length(-7.0f, Length::UnitEx), Length(-8.0f, Length::UnitEx));
}
FloatOrPercent sentinel(Tag<FloatOrPercent>) { return FloatOrPercent(-7.0f); }
BorderWidth sentinel(Tag<BorderWidth>) { return BorderWidth(-7.0f, Length::UnitEx); }
SNullableLength sentinel(Tag<SNullableLength>) {
    SNullableLength value;
    static_cast<SLength&>(value) = sentinel(Tag<SLength>());
    value.setNull(false);
    return value;
}
Core::Vector<SLength> sentinel(Tag<Core::Vector<SLength>>) {
    return Core::Vector<SLength>{sentinel(Tag<SLength>())};
}
FontSize sentinel(Tag<FontSize>) { return FontSize(sentinel(Tag<LengthOrPercent>())); }
Indent sentinel(Tag<Indent>) { return Indent(sentinel(Tag<LengthOrPercent>())); }
LetterSpacing sentinel(Tag<LetterSpacing>) { return LetterSpacing(sentinel(Tag<Length>())); }
SSpacing sentinel(Tag<SSpacing>) { return SSpacing(sentinel(Tag<SLength>())); }
AlignmentAdjust sentinel(Tag<AlignmentAdjust>) {
    return AlignmentAdjust(sentinel(Tag<LengthOrPercent>()));
}
BaselineShift sentinel(Tag<BaselineShift>) {
    return BaselineShift(sentinel(Tag<LengthOrPercent>()));
}
SBaselineShift sentinel(Tag<SBaselineShift>) {
    return SBaselineShift(sentinel(Tag<SLengthOrPercent>()));
}
STextDecoration sentinel(Tag<STextDecoration>) { return STextDecoration(true, true, true); }
BackgroundPosition sentinel(Tag<BackgroundPosition>) {
    return BackgroundPosition(sentinel(Tag<LengthOrPercent>()));
}
BackgroundSize sentinel(Tag<BackgroundSize>) {
    return BackgroundSize(sentinel(Tag<LengthOrPercent>()));
}
PageDimension sentinel(Tag<PageDimension>) { return PageDimension(sentinel(Tag<Length>())); }
InitialPageNumber sentinel(Tag<InitialPageNumber>) { return InitialPageNumber(-7); }
InitialSheetNumber sentinel(Tag<InitialSheetNumber>) { return InitialSheetNumber(-7); }
Color sentinel(Tag<Color>) { return Color(new Drawing::RGBColor(1, 2, 3)); }
BoxShadow sentinel(Tag<BoxShadow>) {
    return BoxShadow(Length(-7.0f, Length::UnitEx), Length(-8.0f, Length::UnitEx),
                     Length(-9.0f, Length::UnitEx), sentinel(Tag<Color>()));
}
SColor sentinel(Tag<SColor>) { return SColor(Core::String(u"#sentinel")); }
SNullableColor sentinel(Tag<SNullableColor>) {
    SNullableColor value(sentinel(Tag<Color>()));
    value.setNull(false);
    return value;
}
Url sentinel(Tag<Url>) { return Url(Core::String(u"#sentinel")); }
Language sentinel(Tag<Language>) {
    return Language(static_cast<Drawing::LanguageId>(-7), static_cast<Drawing::CountryId>(-7));
}
Core::Vector<Transform> sentinel(Tag<Core::Vector<Transform>>) {
    return Core::Vector<Transform>{Transform(2.0, 3.0)};
}
Core::Vector<PathDataCommand> sentinel(Tag<Core::Vector<PathDataCommand>>) {
    PathDataCommand close;
    close.type = ClosePath;
    return Core::Vector<PathDataCommand>{close};
}
Core::Vector<Point> sentinel(Tag<Core::Vector<Point>>) {
    return Core::Vector<Point>{Point(SLength(-7.0f), SLength(-8.0f))};
}
ViewBox sentinel(Tag<ViewBox>) {
    SLengthOrPercent const odd = sentinel(Tag<SLengthOrPercent>());
    return ViewBox(odd, odd, odd, odd);
}
SPreserveAspectRatio sentinel(Tag<SPreserveAspectRatio>) { return SPreserveAspectRatio(-7); }
Value sentinel(Tag<Value>) {
    Value value(Core::String(u"#sentinel"));
    value.setOrdinal(7);
    return value;
}
AxisUnits sentinel(Tag<AxisUnits>) { return AxisUnits(-7.0f); }

// --- Sameness: the type's equality, and more where that equality looks at less than the
// value holds (flags it ignores, the type of a background size, every member of a chart
// value). Colours are the same object.

template <class T> bool same(T const& a, T const& b) { return a == b; }
bool same(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}
bool same(SNullableLength const& a, SNullableLength const& b) {
    return a == b && a.isNull() == b.isNull();
}
bool same(BackgroundSize const& a, BackgroundSize const& b) {
    return a == b && a.getType() == b.getType();
}
bool same(ContentLength const& a, ContentLength const& b) {
    return a.getScaleMode() == b.getScaleMode() && a.getLength() == b.getLength() &&
           a.isNull() == b.isNull();
}
bool same(SNullableColor const& a, SNullableColor const& b) {
    return a == b && a.isNull() == b.isNull();
}
bool same(Language const& a, Language const& b) {
    return a.getLanguageId() == b.getLanguageId() && a.getCountryId() == b.getCountryId();
}
bool same(Value const& a, Value const& b) {
    return a.type == b.type && a.stringValue == b.stringValue &&
           a.dateTimeValue == b.dateTimeValue && same(a.floatValue, b.floatValue) &&
           a.ordinal == b.ordinal;
}

// --- Equal values, for values read separately: colours compare by class and contents. -----

template <class T> bool equalValue(T const& a, T const& b) { return same(a, b); }

bool equalValue(Color const& a, Color const& b) {
    if (!a || !b) {
        return !a && !b;
    }
    if (auto const x = a.dynamicCast<Drawing::RGBColor>()) {
        auto const y = b.dynamicCast<Drawing::RGBColor>();
        return y && x->getR() == y->getR() && x->getG() == y->getG() && x->getB() == y->getB();
    }
    if (auto const x = a.dynamicCast<Drawing::CMYKColor>()) {
        auto const y = b.dynamicCast<Drawing::CMYKColor>();
        return y && x->getC() == y->getC() && x->getM() == y->getM() && x->getY() == y->getY() &&
               x->getK() == y->getK();
    }
    if (auto const x = a.dynamicCast<Drawing::ICCColor>()) {
        auto const y = b.dynamicCast<Drawing::ICCColor>();
        bool equal = y && x->getColorCount() == y->getColorCount() &&
                     x->getFallBackR() == y->getFallBackR() &&
                     x->getFallBackG() == y->getFallBackG() &&
                     x->getFallBackB() == y->getFallBackB() &&
                     x->getColorSpace().dynamicCast<Drawing::ICCColorSpace>()->getProfileName() ==
                         y->getColorSpace().dynamicCast<Drawing::ICCColorSpace>()->getProfileName();
        for (int i = 0; equal && i < x->getColorCount(); ++i) {
            equal = x->getColor(i) == y->getColor(i);
        }
        return equal;
    }
    if (auto const x = a.dynamicCast<Drawing::SpotColor>()) {
        auto const y = b.dynamicCast<Drawing::SpotColor>();
        if (!y || x->getColorName() != y->getColorName() || x->getTint() != y->getTint()) {
            return false;
        }
        Drawing::ColorSubstitute const& s = x->getColorSubstitute();
        Drawing::ColorSubstitute const& t = y->getColorSubstitute();
        return s.hasCMYKSubstitute() == t.hasCMYKSubstitute() &&
               s.hasRGBSubstitute() == t.hasRGBSubstitute() &&
               (!s.hasCMYKSubstitute() || (s.getC() == t.getC() && s.getM() == t.getM() &&
                                           s.getY() == t.getY() && s.getK() == t.getK())) &&
               (s.hasCMYKSubstitute() || !s.hasRGBSubstitute() ||
                (s.getR() == t.getR() && s.getG() == t.getG() && s.getB() == t.getB()));
    }
    return false;
}

bool equalValue(SColor const& a, SColor const& b) {
    return a.getType() == b.getType() && a.getUrl() == b.getUrl() &&
           equalValue(a.getColor(), b.getColor());
}
bool equalValue(SNullableColor const& a, SNullableColor const& b) {
    return a.isNull() == b.isNull() &&
           equalValue(static_cast<SColor const&>(a), static_cast<SColor const&>(b));
}
bool equalValue(BoxShadow const& a, BoxShadow const& b) {
    return a.getDx() == b.getDx() && a.getDy() == b.getDy() &&
           a.getBlurRadius() == b.getBlurRadius() && equalValue(a.getColor(), b.getColor());
}

// --- Readable written forms. Where a rule makes the written text unreadable, the value is
// excluded here, and only as far as that rule goes:
// - no colour ("none", "transparent") is written as the empty text;
// - a fraction is written as a percentage: one whose percentage overflows a float is written
//   "inf%", and large ones fall between the fractions that percentages read back as;
// - "auto" of a margin, a column width and a leader pattern width is written as the empty
//   text, as is the indent without function; no reader takes the empty text;
// - a reference holding ")" or starting or ending with a blank or a quotation mark is
//   written without quoting, so it reads back cut or trimmed;
// - a shadow's colour written with blanks in it (an ICC colour of three or four components,
//   a spot colour whose name has a blank) is split apart when read back.

template <class T> bool readable(T const&, Core::String const&) { return true; }
// Every measure that holds a length holds a finite one, as its reader rejects the others.
bool readable(Length const& value, Core::String const& = {}) {
    check(std::isfinite(value.getSize()));
    return true;
}
// A fraction is written as a float percentage, which reads back as that percentage ÷ 100
// rounded to a float: large fractions fall between what any percentage reads back as. One
// whose percentage is beyond the float range is written as a plain factor.
bool hasPercentage(float fraction) {
    float const percentage = static_cast<float>(static_cast<double>(fraction) * 100.0);
    if (!std::isfinite(percentage)) {
        return true;
    }
    float below = percentage;
    float above = percentage;
    for (int step = 0; step < 4; ++step) {
        for (float const candidate : {below, above}) {
            if (static_cast<float>(static_cast<double>(candidate) / 100.0) == fraction) {
                return true;
            }
        }
        below = std::nextafter(below, -INFINITY);
        above = std::nextafter(above, INFINITY);
    }
    return false;
}
bool readable(LengthOrPercent const& value, Core::String const& = {}) {
    return value.isPercent() ? hasPercentage(value.getPercent()) : readable(value.getLength());
}
// The measure of a margin, a column width, a leader pattern width or an "auto" length, read
// through a pointer to the member, which a leader pattern width has no getter for.
template <class T> struct MeasureOf : T {
    static LengthOrPercent const& of(T const& value) { return value.*(&MeasureOf::m_value); }
};
// Their keyword is written as the empty text, except "auto" of an "auto" length.
template <class T>
requires std::is_base_of_v<KeywordOrLengthOrPercent<T>, T>
bool readable(T const& value, Core::String const&) {
    bool const keyword = value == T();
    return keyword ? std::is_same_v<T, LengthOrPercentAuto> : readable(MeasureOf<T>::of(value));
}
bool readable(ContentLength const& value, Core::String const& = {}) {
    return !value.isLengthOrPercent() || readable(value.getLength());
}
bool readable(BorderWidth const& value, Core::String const& = {}) {
    return readable(static_cast<Length const&>(value));
}
bool readable(FontSize const& value, Core::String const& = {}) {
    return !value.isAbsoluteSize() || readable(value.getAbsoluteSize());
}
bool readable(Indent const& value, Core::String const& = {}) {
    return value.getFunction() != IndentNone &&
           (value.getFunction() != IndentLengthOrPercent || readable(value.getLengthOrPercent()));
}
bool readable(LetterSpacing const& value, Core::String const& = {}) {
    return value.isNormal() || readable(value.getLength());
}
bool readable(AlignmentAdjust const& value, Core::String const& = {}) {
    return value.isBaseline() || readable(value.getLengthOrPercent());
}
bool readable(BaselineShift const& value, Core::String const& = {}) {
    return value.getMode() != BaselineShiftLengthOrPercent || readable(value.getLengthOrPercent());
}
bool readable(BackgroundPosition const& value, Core::String const& = {}) {
    return readable(static_cast<LengthOrPercent const&>(value));
}
bool readable(BackgroundSize const& value, Core::String const& = {}) {
    return value.getType() != BackgroundSizeLengthOrPercent ||
           readable(static_cast<LengthOrPercent const&>(value));
}
bool readable(Color const& value, Core::String const& = {}) { return static_cast<bool>(value); }
bool readable(BoxShadow const& value, Core::String const& = {}) {
    Color const colour = value.getColor();
    return readable(value.getDx()) && readable(value.getDy()) && readable(value.getBlurRadius()) &&
           (!colour || readable(colour)) && ColorParse::getColorAsString(colour).find(u" ") < 0;
}
bool readable(Url const& value, Core::String const& = {}) {
    std::u16string_view const text = value.getUrl();
    auto const trimmed = [](char16_t unit) {
        return Core::String::isSpace(unit) || unit == u'\'' || unit == u'"';
    };
    return text.find(u')') == std::u16string_view::npos &&
           (text.empty() || (!trimmed(text.front()) && !trimmed(text.back())));
}

// What a value reads back as: itself, except a point list, whose absolute units are written
// in pixels where a float holds them.
template <class T> T readBack(T const& value) { return value; }
SLength inPixels(SLength const& length) {
    bool const relative = length.getUnit() == SLength::UnitEm ||
                          length.getUnit() == SLength::UnitEx ||
                          length.getUnit() == SLength::UnitPercent;
    return relative || !std::isfinite(length.pxSize()) ? length : SLength(length.pxSize());
}
Core::Vector<Point> readBack(Core::Vector<Point> const& points) {
    Core::Vector<Point> pixels;
    for (Point const& point : points) {
        pixels.push_back(Point(inPixels(point.x), inPixels(point.y)));
    }
    return pixels;
}

// --- Rules some readers promise about what they accept. -------------------------------------

template <class T> void checkAccepted(T const&, Core::String const&) {}
// No number read from text is held as an infinity or a NaN: nothing would read it back.
bool finite(SLength const& length) { return std::isfinite(length.getSize()); }
void checkAccepted(Length const& value, Core::String const&) {
    check(std::isfinite(value.getSize()));
}
void checkAccepted(SLength const& value, Core::String const&) { check(finite(value)); }
void checkAccepted(LengthOrPercent const& value, Core::String const&) {
    check(std::isfinite(value.getPercent()) && std::isfinite(value.getLength().getSize()));
}
void checkAccepted(SLengthOrPercent const& value, Core::String const&) {
    check(std::isfinite(value.getPercent()) && finite(value.getLength()));
}
void checkAccepted(FloatOrPercent const& value, Core::String const&) {
    check(std::isfinite(value.getValue()));
}
void checkAccepted(ViewBox const& value, Core::String const& text) {
    for (SLengthOrPercent const& measure : {value.minX, value.minY, value.width, value.height}) {
        checkAccepted(measure, text);
    }
}
void checkAccepted(Core::Vector<SLength> const& dashes, Core::String const&) {
    for (SLength const& dash : dashes) {
        check(finite(dash));
    }
}
void checkAccepted(Core::Vector<Point> const& points, Core::String const&) {
    for (Point const& point : points) {
        check(finite(point.x) && finite(point.y));
    }
}
void checkAccepted(Core::Vector<PathDataCommand> const& path, Core::String const&) {
    for (PathDataCommand const& c : path) {
        check(finite(c.x1) && finite(c.y1) && finite(c.x2) && finite(c.y2) && finite(c.x) &&
              finite(c.y) && finite(c.rx) && finite(c.ry) && std::isfinite(c.rotation));
    }
}
void checkAccepted(Color const& value, Core::String const&) {
    if (auto const icc = value.dynamicCast<Drawing::ICCColor>()) {
        for (int i = 0; i < icc->getColorCount(); ++i) {
            check(std::isfinite(icc->getColor(i)));
        }
    }
    if (auto const spot = value.dynamicCast<Drawing::SpotColor>()) {
        check(std::isfinite(spot->getTint()));
    }
}
void checkAccepted(Core::Vector<Transform> const& list, Core::String const&) {
    for (Transform const& t : list) {
        bool const numbers = std::isfinite(t.sx) && std::isfinite(t.sy) && std::isfinite(t.angle) &&
                             std::isfinite(t.skewAngleX);
        check(numbers && finite(*t.tx) && finite(*t.ty) && finite(*t.cx) && finite(*t.cy) &&
              (t.type != Matrix || std::all_of(std::begin(t.matrix), std::end(t.matrix),
                                               [](double m) { return std::isfinite(m); })));
    }
}
void checkAccepted(Core::String const& value, Core::String const& text) { check(value == text); }
void checkAccepted(InitialPageNumber const& value, Core::String const&) {
    check(value.getType() >= InitialPageNumberAuto && value.getType() <= InitialPageNumberNumber);
    check(value.getType() != InitialPageNumberNumber || value.getPageNumber() >= 1);
}
void checkAccepted(InitialSheetNumber const& value, Core::String const&) {
    check(value.getType() == InitialSheetNumberAuto ||
          (value.getType() == InitialSheetNumberNumber && value.getSheetNumber() >= 1));
}
void checkAccepted(MaxRepeats const& value, Core::String const&) { check(value >= -1); }
void checkAccepted(SPreserveAspectRatio const& value, Core::String const&) {
    int const bits = value.getAspectRatio();
    int const xBits = bits & (SPreserveAspectRatio::AspectXMin | SPreserveAspectRatio::AspectXMid |
                              SPreserveAspectRatio::AspectXMax);
    int const yBits = bits & (SPreserveAspectRatio::AspectYMin | SPreserveAspectRatio::AspectYMid |
                              SPreserveAspectRatio::AspectYMax);
    int const fit = bits & (SPreserveAspectRatio::AspectMeet | SPreserveAspectRatio::AspectSlice);
    check(bits == SPreserveAspectRatio::AspectNone ||
          (std::popcount(static_cast<unsigned>(xBits)) == 1 &&
           std::popcount(static_cast<unsigned>(yBits)) == 1 &&
           std::popcount(static_cast<unsigned>(fit)) <= 1 && (xBits | yBits | fit) == bits));
}
void checkAccepted(Value const& value, Core::String const& text) {
    check(value.type >= ValueFloat && value.type <= ValueString && value.stringValue == text &&
          value.ordinal == -1);
}

// --- The checks of one instantiation. -------------------------------------------------------

template <class T> void run(Core::String const& text) {
    T const before = sentinel(Tag<T>());
    TXmlAttribute<T> attribute(before);
    bool const accepted = static_cast<XmlAttribute&>(attribute).parseValue(text);

    if constexpr (kReading<T> == ReadRule::Always) {
        check(accepted);
    } else if constexpr (kReading<T> == ReadRule::NonEmpty) {
        check(accepted == !text.empty());
    }
    if (!accepted) {
        if constexpr (std::is_same_v<T, ContentLength>) {
            // The attribute records the failure in the null flag and changes nothing else.
            check(attribute->isNull() && attribute->getScaleMode() == before.getScaleMode() &&
                  attribute->getLength() == before.getLength());
        } else {
            check(same(attribute.getValue(), before));
        }
        return;
    }
    checkAccepted(attribute.getValue(), text);
    if constexpr (std::is_same_v<T, Core::Vector<Transform>>) {
        // Items are appended to the list held before.
        check(attribute->size() >= before.size() && (*attribute)[0] == before[0]);
    }

    if constexpr (!kKeepsPrevious<T>) {
        TXmlAttribute<T> fresh;
        check(fresh.parseValue(text) && equalValue(fresh.getValue(), attribute.getValue()));
    }
    TXmlAttribute<T> copy(attribute);
    check(same(copy.getValue(), attribute.getValue()));
    TXmlAttribute<T> target(before);
    static_cast<XmlAttribute&>(target).copyFrom(attribute);
    // Assigning a shadow clones its colour.
    check(equalValue(target.getValue(), attribute.getValue()));

    Core::String const written = static_cast<XmlAttribute&>(attribute).getValueAsString();
    if constexpr (HasTextForm<T>) {
        if (readable(attribute.getValue(), written)) {
            TXmlAttribute<T> reread(before);
            check(reread.parseValue(written));
            check(equalValue(reread.getValue(), readBack(attribute.getValue())));
            // A point list is written in pixels, and the pixels of a pixel length are its size
            // × 96 ÷ 96 in float, which may differ from the size in the last bit.
            check(std::is_same_v<T, Core::Vector<Point>> || reread.getValueAsString() == written);
        }
    } else {
        check(written.empty());
    }
}

using Check = void (*)(Core::String const&);

template <class... T> constexpr Check kEntries[] = {&run<T>...};
// One entry per instantiation of the library, chosen by the first byte.
template <class... T> constexpr std::span<Check const> entries(TypeList<T...>) {
    return kEntries<T...>;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    xmlattr_fuzz::silenceLog();
    if (size == 0) {
        return 0;
    }
    constexpr std::span<Check const> kEveryEntry = entries(AttributeTypes());
    Check const entry = kEveryEntry[data[0] % kEveryEntry.size()];
    std::span<std::uint8_t const> const rest(data + 1, size - 1);

    // Exact-size copies, so that a read past the end of the text is caught.
    std::vector<char16_t> units(rest.size() / 2);
    if (!units.empty()) {
        std::memcpy(units.data(), rest.data(), units.size() * sizeof(char16_t));
    }
    entry(Core::String(units.data(), static_cast<int>(units.size())));
    entry(Core::String(std::string_view(reinterpret_cast<char const*>(rest.data()), rest.size())));
    return 0;
}
