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

// The location recorded for the impossible states of this file.
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
// begins, it runs to white space, a comma or ")" and is read as 0.
void readArgument(Cursor& cursor, Arg arg, float& number, SLength& length) noexcept {
    if (!detail::readNumber(cursor, number)) {
        cursor.takeWhile(inArgument);
        return;
    }
    std::u16string_view const unit = cursor.takeWhile(inUnit);
    if (arg == Arg::Length) {
        length = detail::sLengthWithSuffix(number, unit);
    }
}

// What the arguments of an item make: the item's kind with them, or the default transform
// for a count the kind does not take.
Transform build(int type, int count, float const (&numbers)[6], SLength const (&lengths)[6]) {
    if (count == 0 || count > kKinds[type].maxCount) {
        return Transform();
    }
    switch (type) {
    case Matrix:
        return count == 6 ? Transform(numbers[0], numbers[1], numbers[2], numbers[3], numbers[4],
                                      numbers[5])
                          : Transform();
    case Translate:
        return Transform(lengths[0], lengths[1]);
    case Scale:
        return Transform(numbers[0], count == 1 ? numbers[0] : numbers[1]);
    case Rotate:
        return Transform(numbers[0], lengths[1], lengths[2]);
    case SkewX:
    case SkewY:
        return Transform(static_cast<TransformType>(type), numbers[0]);
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
// in a row stands for an empty argument, read as 0 (or 0 px), which still counts. `closed`
// tells whether the ")" was there.
Transform readItem(Cursor& cursor, bool& closed) {
    cursor.skipSpace();
    int const type = readKind(cursor);
    cursor.skipSpace();
    if (type == 0 || !cursor.take(u'(')) {
        closed = skipPastClose(cursor);
        return Transform();
    }
    float numbers[6] = {};
    SLength lengths[6] = {};
    int count = 0;
    cursor.skipSpace();
    while (!cursor.atEnd() && cursor.peek() != u')') {
        if (count < kKinds[type].maxCount) {
            readArgument(cursor, kKinds[type].args[static_cast<std::size_t>(count)], numbers[count],
                         lengths[count]);
        } else {
            float ignoredNumber = 0.0f;
            SLength ignoredLength;
            readArgument(cursor, Arg::Number, ignoredNumber, ignoredLength);
        }
        ++count;
        cursor.skipSeparator();
    }
    closed = skipPastClose(cursor);
    return build(type, count, numbers, lengths);
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
    bool closed = false;
    return readItem(cursor, closed);
}

// Every step inlined into the loop, as for path data: a call per argument costs more than
// reading it.
[[gnu::flatten]] bool ValueTraits<Core::Vector<Transform>>::parse(Core::Vector<Transform>& value,
                                                                  Core::String const& text) {
    Cursor cursor(text);
    while (cursor.skipSpace(), !cursor.atEnd()) {
        bool closed = false;
        Transform const item = readItem(cursor, closed);
        if (!closed) {
            break;
        }
        value.push_back(item);
        cursor.skipSeparator();
    }
    return true;
}

} // namespace Xml
