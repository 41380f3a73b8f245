// Arbitrary text into the SVG geometry readers: nothing may crash or read outside the text,
// path data and transform lists always read, a rejected point list is left alone, lists
// hold no spare room, and a written point list reads back to the same pixels.
#include <xmlattr/xmlattr.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool hasPixelSize(Xml::SLength const& length) {
    return length.getUnit() != Xml::SLength::UnitEm && length.getUnit() != Xml::SLength::UnitEx &&
           std::isfinite(length.pxSize());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    std::vector<char16_t> units(size / 2);
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    }
    Core::String const text(units.data(), static_cast<int>(units.size()));

    Xml::TXmlAttribute<Core::Vector<Xml::PathDataCommand>> path;
    check(path.parseValue(text));
    // Every record takes at least one code unit: its letter or, repeated, its first number.
    check(path->size() <= text.length() && path->capacity() == path->size());

    Xml::TXmlAttribute<Core::Vector<Xml::Transform>> transforms;
    check(transforms.parseValue(text));
    int closes = 0;
    for (char16_t unit : text.view()) {
        closes += unit == u')' ? 1 : 0;
    }
    check(transforms->size() <= closes);
    (void)Xml::Transform::readTransform(text);

    Core::Vector<Xml::Point> points{Xml::Point(Xml::SLength(-7.0f), Xml::SLength(-8.0f))};
    Core::Vector<Xml::Point> const before = points;
    if (!Xml::Point::parsePointList(points, text)) {
        check(points == before);
    } else {
        check(points.capacity() == points.size());
        bool writable = true;
        for (Xml::Point const& point : points) {
            writable = writable && hasPixelSize(point.x) && hasPixelSize(point.y);
        }
        if (writable) {
            Core::Vector<Xml::Point> reread;
            check(
                Xml::Point::parsePointList(reread, Xml::Point::getPointListValueAsString(points)));
            check(reread.size() == points.size());
            for (int i = 0; i < points.size(); ++i) {
                check(reread[i].x.getSize() == points[i].x.pxSize() &&
                      reread[i].y.getSize() == points[i].y.pxSize());
            }
        }
    }

    Xml::TXmlAttribute<Xml::ViewBox> box;
    Xml::ViewBox const defaultBox;
    if (!box.parseValue(text)) {
        check(box.getValue() == defaultBox);
    }
    Xml::TXmlAttribute<Xml::SPreserveAspectRatio> aspect;
    check(aspect.parseValue(text));
    return 0;
}
