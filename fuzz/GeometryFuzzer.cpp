// Arbitrary text into the SVG geometry readers: nothing may crash or read outside the text,
// path data and transform lists always read, a rejected point list is left alone, lists
// hold no spare room, path records and transforms hold nothing in the fields their kind does
// not read, and a written point list reads back to the same pixels, or the same em, ex and
// percentages.
#include "fuzz/FuzzDriver.h"

#include <xmlattr/xmlattr.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using namespace Xml;

using xmlattr_fuzz::check;

// A written coordinate reads back as pixels, or where it has none (em, ex, a percentage) or
// no float holds them, as the same length.
bool readsBack(SLength const& reread, SLength const& written) {
    bool const relative = written.getUnit() == SLength::UnitEm ||
                          written.getUnit() == SLength::UnitEx ||
                          written.getUnit() == SLength::UnitPercent;
    return relative || !std::isfinite(written.pxSize()) ? reread == written
                                                        : reread == SLength(written.pxSize());
}

bool isZero(SLength const& length) { return length == SLength(); }

// A record holds 0 px, 0 and false in every field its kind does not read.
void checkRecord(PathDataCommand const& record) {
    bool const usesX1 = record.type == CurveTo || record.type == QuadraticCurveTo;
    bool const usesX2 = record.type == CurveTo || record.type == SmoothCurveTo;
    bool const isArc = record.type == Arc;
    bool const usesX = record.type != ClosePath && record.type != VerticalLineTo;
    bool const usesY = record.type != ClosePath && record.type != HorizontalLineTo;
    check(record.type >= MoveTo && record.type <= Arc);
    check(record.type != ClosePath || !record.relative);
    check((usesX1 || (isZero(record.x1) && isZero(record.y1))) &&
          (usesX2 || (isZero(record.x2) && isZero(record.y2))) && (usesX || isZero(record.x)) &&
          (usesY || isZero(record.y)));
    check(isArc || (isZero(record.rx) && isZero(record.ry) && record.rotation == 0.0f &&
                    !record.largeArc && !record.sweep));
}

// A transform of a known kind holds 0 px in the lengths its kind does not read.
void checkTransform(Transform const& item) {
    check(item.type >= Matrix && item.type <= SkewY);
    check(item.type == Translate || (isZero(*item.tx) && isZero(*item.ty)));
    check(item.type == Rotate || (isZero(*item.cx) && isZero(*item.cy)));
    check((item.type != SkewX && item.type != SkewY) || item.skewAngleX == item.skewAngleY);
}

void checkText(Core::String const& text) {

    Xml::TXmlAttribute<Core::Vector<Xml::PathDataCommand>> path;
    check(path.parseValue(text));
    // Every record takes at least one code unit: its letter or, repeated, its first number.
    check(path->size() <= text.length() && path->capacity() == path->size());
    for (PathDataCommand const& record : *path) {
        checkRecord(record);
    }

    Xml::TXmlAttribute<Core::Vector<Xml::Transform>> transforms;
    check(transforms.parseValue(text));
    int closes = 0;
    for (char16_t unit : text.view()) {
        closes += unit == u')' ? 1 : 0;
    }
    check(transforms->size() <= closes);
    for (Transform const& item : *transforms) {
        checkTransform(item);
    }
    checkTransform(Transform::readTransform(text));

    Core::Vector<Xml::Point> points{Xml::Point(Xml::SLength(-7.0f), Xml::SLength(-8.0f))};
    Core::Vector<Xml::Point> const before = points;
    if (!Xml::Point::parsePointList(points, text)) {
        check(points == before);
    } else {
        check(points.capacity() == points.size());
        Core::Vector<Xml::Point> reread;
        check(Xml::Point::parsePointList(reread, Xml::Point::getPointListValueAsString(points)));
        check(reread.size() == points.size());
        for (int i = 0; i < points.size(); ++i) {
            check(readsBack(reread[i].x, points[i].x) && readsBack(reread[i].y, points[i].y));
        }
    }

    Xml::TXmlAttribute<Xml::ViewBox> box;
    Xml::ViewBox const defaultBox;
    if (!box.parseValue(text)) {
        check(box.getValue() == defaultBox);
    }
    Xml::TXmlAttribute<Xml::SPreserveAspectRatio> aspect;
    check(aspect.parseValue(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    xmlattr_fuzz::forEachText(data, size,
                              [](std::u16string_view text) { checkText(Core::String(text)); });
    return 0;
}
