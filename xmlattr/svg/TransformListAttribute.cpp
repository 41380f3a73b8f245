// Transform lists: the kinds table, the item reader and the list reader.
#include "xmlattr/svg/TransformListAttribute.h"

#include "xmlattr/attributes/detail/Table.h"
#include "xmlattr/platform/Exception.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/platform/detail/UnitSet.h"
#include "xmlattr/svg/detail/ListText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace Xml {

template class TXmlAttribute<Core::Vector<Transform>>;

namespace {

using Core::detail::Cursor;

// The location the interface promises for the impossible states of this file: a source name
// and line of the engine it describes, not this file's name or lines.
constexpr char16_t const* kFile = u"TransformListAttribute";
constexpr int kBuildLine = 212;

static_assert(sizeof(TransformType) == 4);

enum class Arg : unsigned char { Number, Length };

struct KindRule {
    int type;
    std::u16string_view name;
    int maxCount;
    std::array<Arg, 6> args;
};

constexpr Arg N = Arg::Number;
constexpr Arg L = Arg::Length;

// clang-format off
// Indexed by TransformType. Names are compared exactly.
constexpr KindRule kKinds[] = {
    {0,         u"",          0, {}},
    {Matrix,    u"matrix",    6, {N, N, N, N, N, N}},
    {Translate, u"translate", 2, {L, L}},
    {Scale,     u"scale",     2, {N, N}},
    {Rotate,    u"rotate",    3, {N, L, L}},
    {SkewX,     u"skewX",     1, {N}},
    {SkewY,     u"skewY",     1, {N}},
};
// clang-format on
static_assert(std::size(kKinds) == SkewY + 1 && detail::indexedInOrder(kKinds, &KindRule::type));

constexpr bool inArgument(char16_t unit) noexcept {
    constexpr std::uint64_t kEnds = Core::detail::kSpaceUnits | Core::detail::unitSet(u",)");
    return !Core::detail::inUnitSet(unit, kEnds);
}

constexpr bool inName(char16_t unit) noexcept {
    constexpr std::uint64_t kEnds = Core::detail::kSpaceUnits | Core::detail::unitSet(u"()");
    return !Core::detail::inUnitSet(unit, kEnds);
}

// Steps over the item's name, a run up to white space, "(" or ")", and returns its kind (0
// for a name that is none). The known names are tried in place, so that the common case
// reads each code unit once.
int readKind(Cursor& cursor) noexcept {
    std::u16string_view const rest = cursor.rest();
    for (KindRule const& rule : kKinds) {
        std::size_t const length = rule.name.size();
        // The first code unit rules out most names without a comparison of the rest.
        if (length != 0 && length <= rest.size() && rest[0] == rule.name[0] &&
            std::equal(rule.name.begin(), rule.name.end(), rest.begin()) &&
            (rest.size() == length || !inName(rest[length]))) {
            cursor.advance(length);
            return rule.type;
        }
    }
    cursor.takeWhile(inName);
    return 0;
}

// What may follow an argument's number as its unit: not white space, a comma or ")", and not
// a sign or a point either, which begin the next number as in path data ("0-1", "1.5.5").
constexpr bool inUnit(char16_t unit) noexcept {
    return !detail::endsBareNumber(unit) && unit != u')';
}

// An argument is a number, read as path numbers are, and its unit for a length. Where no number
// begins, it runs to white space, a comma or ")" and is read as 0, leaving `length` as it was.
float readArgument(Cursor& cursor, Arg arg, SLength& length) noexcept {
    float number = 0.0f;
    if (!detail::readNumber(cursor, number)) {
        cursor.takeWhile(inArgument);
        return 0.0f;
    }
    std::u16string_view const unit = cursor.takeWhile(inUnit);
    if (arg == Arg::Length) {
        length = detail::sLengthWithSuffix(number, unit);
    }
    return number;
}

// One item's text as read: its kind (0 for none), how many arguments it gave, their values,
// and whether its ")" was there. Only the numbers of the arguments given are set; lengths not
// given are 0 px.
struct ItemText {
    int type = 0;
    int count = 0;
    bool closed = false;
    float numbers[6];
    SLength lengths[6];
};

// What the arguments of an item make: the item's kind with them, or the default transform
// for a count the kind does not take. `make` takes the arguments of a `Transform`
// constructor, so that a list builds the item where it keeps it.
template <class Make> decltype(auto) build(ItemText const& item, Make make) {
    int const type = item.type;
    int const count = item.count;
    float const* const n = item.numbers;
    SLength const* const l = item.lengths;
    if (count == 0 || count > kKinds[type].maxCount) {
        return make();
    }
    switch (type) {
    case Matrix:
        return count == 6 ? make(double{n[0]}, double{n[1]}, double{n[2]}, double{n[3]},
                                 double{n[4]}, double{n[5]})
                          : make();
    case Translate:
        return make(l[0], l[1]);
    case Scale:
        return make(double{n[0]}, double{count == 1 ? n[0] : n[1]});
    case Rotate:
        return make(double{n[0]}, l[1], l[2]);
    case SkewX:
    case SkewY:
        return make(static_cast<TransformType>(type), double{n[0]});
    default:
        break;
    }
    Core::throwWithLocation<Core::UnreacheableCodeException>(kFile, kBuildLine);
}

// Steps past the ")" that closes an item, or to the end; true when a ")" was found.
bool skipPastClose(Cursor& cursor) noexcept {
    cursor.until(u')');
    return cursor.take(u')');
}

// One item from the cursor, up to and including its ")" (or to the end of the text): the
// name, "(", then arguments separated by white space and at most one comma. A second comma
// in a row stands for an empty argument, read as 0 (or 0 px), which still counts.
ItemText readItem(Cursor& cursor) noexcept {
    ItemText item;
    cursor.skipSpace();
    item.type = readKind(cursor);
    cursor.skipSpace();
    if (item.type == 0 || !cursor.take(u'(')) {
        item.closed = skipPastClose(cursor);
        return item;
    }
    KindRule const& rule = kKinds[item.type];
    cursor.skipSpace();
    while (!cursor.atEnd() && cursor.peek() != u')') {
        // Past the sixth, arguments overwrite the last slot: the count alone then decides.
        auto const i = static_cast<std::size_t>(std::min(item.count, 5));
        item.numbers[i] = readArgument(cursor, rule.args[i], item.lengths[i]);
        ++item.count;
        cursor.skipSeparator();
    }
    item.closed = skipPastClose(cursor);
    return item;
}

} // namespace

Transform::Transform() noexcept : Transform(SLength(), SLength()) {}

Transform::Transform(double a, double b, double c, double d, double e, double f) noexcept
    : type(Matrix), matrix{a, b, c, d, e, f}, sx(0), sy(0), angle(0), skewAngleX(0), skewAngleY(0) {
}

Transform::Transform(SLength const& x, SLength const& y) noexcept
    : type(Translate), matrix{}, tx(x), ty(y), sx(0), sy(0), angle(0), skewAngleX(0),
      skewAngleY(0) {}

Transform::Transform(double x, double y) noexcept
    : type(Scale), matrix{}, sx(x), sy(y), angle(0), skewAngleX(0), skewAngleY(0) {}

Transform::Transform(double degrees, SLength const& x, SLength const& y) noexcept
    : type(Rotate), matrix{}, sx(0), sy(0), angle(degrees), cx(x), cy(y), skewAngleX(0),
      skewAngleY(0) {}

Transform::Transform(TransformType kind, double degrees) noexcept
    : type(kind), matrix{}, sx(0), sy(0), angle(0), skewAngleX(degrees), skewAngleY(degrees) {}

bool Transform::operator==(Transform const& other) const noexcept {
    if (type != other.type) {
        return false;
    }
    switch (type) {
    case Matrix:
        for (int i = 0; i < 6; ++i) {
            if (matrix[i] != other.matrix[i]) {
                return false;
            }
        }
        return true;
    case Translate:
        return tx == other.tx && ty == other.ty;
    case Scale:
        return sx == other.sx && sy == other.sy;
    case Rotate:
        return angle == other.angle && cx == other.cx && cy == other.cy;
    case SkewX:
    case SkewY:
        return skewAngleX == other.skewAngleX && skewAngleY == other.skewAngleY;
    }
    return false;
}

Transform Transform::readTransform(Core::String const& text) {
    Cursor cursor(text);
    return build(readItem(cursor),
                 [](auto const&... arguments) { return Transform(arguments...); });
}

// Every step inlined into the loop, as for path data: a call per argument costs more than
// reading it.
[[gnu::flatten]] bool ValueTraits<Core::Vector<Transform>>::parse(Core::Vector<Transform>& value,
                                                                  Core::String const& text) {
    auto const append = [&value](auto const&... arguments) -> Transform& {
        return value.emplace_back(arguments...);
    };
    Cursor cursor(text);
    while (cursor.skipSpace(), !cursor.atEnd()) {
        ItemText const item = readItem(cursor);
        if (!item.closed) {
            break;
        }
        cursor.skipSeparator();
        if (value.size() == value.capacity()) {
            // Every item, and only an item, ends at a ")" of its own: those left count the
            // items still to come, so the list grows once, to its final size.
            std::u16string_view const rest = cursor.rest();
            auto const later = static_cast<int>(std::count(rest.begin(), rest.end(), u')'));
            value.reserve(value.size() + 1 + later);
        }
        build(item, append);
    }
    return true;
}

} // namespace Xml
