// Point lists: the coordinate reader and the writer.
#include "xmlattr/svg/Point.h"

#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/platform/detail/TextSink.h"
#include "xmlattr/svg/detail/ListBuilder.h"
#include "xmlattr/svg/detail/ListText.h"

#include <cmath>
#include <cstddef>
#include <string_view>

namespace Xml {

template class TXmlAttribute<Core::Vector<Point>>;

namespace {

using Core::detail::Cursor;

// Code units of a written list kept on the stack: a few hundred points.
constexpr int kListStorage = 4096;

static_assert(sizeof(Point) == 2 * sizeof(SLength) && offsetof(Point, x) == 0 &&
              offsetof(Point, y) == sizeof(SLength));

// A coordinate's unit: whatever follows its number up to white space, a comma, a sign, a
// point or a digit.
constexpr bool isPointUnit(char16_t unit) noexcept { return !detail::endsBareNumber(unit); }

// A coordinate, or false where none begins or it is out of the float range (the text up to
// the next separator is still stepped over, so that the caller can tell a lone last
// coordinate). One code unit after the number is no unit: read as the last two code units of
// the text it would take a digit of the number with it ("10p", "5x", "1e").
bool readCoordinate(Cursor& cursor, SLength& out) noexcept {
    float number = 0.0f;
    bool const found = static_cast<bool>(cursor.number(number));
    // Nearly every number ends at a separator, the next number or the end.
    if (found && (cursor.atEnd() || detail::endsBareNumber(cursor.peek()))) {
        out = SLength(number);
        return true;
    }
    std::u16string_view const suffix = cursor.takeWhile(isPointUnit);
    if (!found || (suffix.size() == 1 && suffix[0] != u'%')) {
        return false;
    }
    out = detail::sLengthWithSuffix(number, suffix);
    return true;
}

// Pixels where the length has a size in pixels that a float holds; a coordinate relative to
// the font or to the viewport, or one too large for its pixels, keeps its unit, so that it
// reads back as it was.
void appendCoordinate(Core::detail::TextSink& text, SLength const& coordinate) {
    SLength::Unit const unit = coordinate.getUnit();
    bool const relative =
        unit == SLength::UnitEm || unit == SLength::UnitEx || unit == SLength::UnitPercent;
    float const pixels = relative ? 0.0f : coordinate.pxSize();
    if (relative || !std::isfinite(pixels)) {
        detail::appendSLength(text, coordinate);
    } else {
        text.append(pixels);
    }
}

} // namespace

// Every step inlined into the loop, which then keeps the cursor in registers: the steps are
// each too large for the compiler to inline by itself, and a call per argument costs more
// than reading it.
[[gnu::flatten]] bool Point::parsePointList(Core::Vector<Point>& points, Core::String const& text) {
    constexpr int kBlock = 256;
    detail::ListBuilder<Point, kBlock> list;
    Cursor cursor(text);
    while (!cursor.atEnd()) {
        cursor.skipSpace();
        Point point;
        bool const hasX = readCoordinate(cursor, point.x);
        if (cursor.atEnd()) {
            break;
        }
        // Unlike the other lists, no white space before the comma.
        cursor.take(u',');
        cursor.skipSpace();
        bool const hasY = readCoordinate(cursor, point.y);
        if (!hasX || !hasY) {
            return false;
        }
        list.push(point);
        // A sign or point that ended the y begins the next x.
        // One white space or comma ends a point: a second comma would stand for a missing
        // coordinate.
        cursor.takeIf(Core::detail::separatesItems);
    }
    points = list.take();
    return true;
}

Core::String Point::getPointListValueAsString(Core::Vector<Point> const& points) {
    return Core::detail::writeText<kListStorage>([&points](Core::detail::TextSink& text) {
        for (int i = 0; i < points.size(); ++i) {
            if (i > 0) {
                text.append(u',');
            }
            appendCoordinate(text, points[i].x);
            text.append(u' ');
            appendCoordinate(text, points[i].y);
        }
    });
}

} // namespace Xml
