// Fields of the SVG geometry: transform lists, path data, points, view boxes and
// aspect-ratio rules, item by item, each with the members its kind uses.
#include "Describe.h"

#include <array>
#include <string>
#include <string_view>

namespace Tool {

namespace {

template <std::size_t N>
std::string_view nameOf(std::array<std::string_view, N> const& names, int number) {
    return number >= 0 && static_cast<std::size_t>(number) < N
               ? names[static_cast<std::size_t>(number)]
               : std::string_view();
}

// Indexed by number; 0 is no kind.
constexpr std::array<std::string_view, 7> kTransformTypes = {
    "", "Matrix", "Translate", "Scale", "Rotate", "SkewX", "SkewY"};
static_assert(Xml::SkewY == kTransformTypes.size() - 1);
// Indexed by number; 0 is no command and 1 is reserved.
constexpr std::array<std::string_view, 12> kPathCommands = {"",
                                                            "",
                                                            "MoveTo",
                                                            "ClosePath",
                                                            "LineTo",
                                                            "HorizontalLineTo",
                                                            "VerticalLineTo",
                                                            "CurveTo",
                                                            "SmoothCurveTo",
                                                            "QuadraticCurveTo",
                                                            "SmoothQuadraticCurveTo",
                                                            "Arc"};
static_assert(Xml::MoveTo == 2 && Xml::Arc == kPathCommands.size() - 1);

void describeTransform(Fields& out, Xml::Transform const& transform) {
    out.enumerator("type", nameOf(kTransformTypes, transform.type), transform.type);
    switch (transform.type) {
    case Xml::Matrix: {
        Fields& matrix = out.group("matrix");
        constexpr std::array<std::string_view, 6> kNames = {"a", "b", "c", "d", "e", "f"};
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            matrix.number(kNames[i], transform.matrix[i]);
        }
        break;
    }
    case Xml::Translate:
        describe(out.group("tx"), transform.tx.getValue());
        describe(out.group("ty"), transform.ty.getValue());
        break;
    case Xml::Scale:
        out.number("sx", transform.sx);
        out.number("sy", transform.sy);
        break;
    case Xml::Rotate:
        out.number("angle", transform.angle);
        describe(out.group("cx"), transform.cx.getValue());
        describe(out.group("cy"), transform.cy.getValue());
        break;
    case Xml::SkewX:
    case Xml::SkewY:
        out.number("skewAngleX", transform.skewAngleX);
        out.number("skewAngleY", transform.skewAngleY);
        break;
    }
}

void describeCommand(Fields& out, Xml::PathDataCommand const& command) {
    out.enumerator("type", nameOf(kPathCommands, command.type), command.type);
    out.flag("relative", command.relative);
    auto const point = [&out](char const* xName, Xml::SLength const& x, char const* yName,
                              Xml::SLength const& y) {
        describe(out.group(xName), x);
        describe(out.group(yName), y);
    };
    switch (command.type) {
    case Xml::MoveTo:
    case Xml::LineTo:
    case Xml::SmoothQuadraticCurveTo:
        point("x", command.x, "y", command.y);
        break;
    case Xml::HorizontalLineTo:
        describe(out.group("x"), command.x);
        break;
    case Xml::VerticalLineTo:
        describe(out.group("y"), command.y);
        break;
    case Xml::CurveTo:
        point("x1", command.x1, "y1", command.y1);
        point("x2", command.x2, "y2", command.y2);
        point("x", command.x, "y", command.y);
        break;
    case Xml::SmoothCurveTo:
        point("x2", command.x2, "y2", command.y2);
        point("x", command.x, "y", command.y);
        break;
    case Xml::QuadraticCurveTo:
        point("x1", command.x1, "y1", command.y1);
        point("x", command.x, "y", command.y);
        break;
    case Xml::Arc:
        point("rx", command.rx, "ry", command.ry);
        out.number("rotation", command.rotation);
        out.flag("largeArc", command.largeArc);
        out.flag("sweep", command.sweep);
        point("x", command.x, "y", command.y);
        break;
    case Xml::ClosePath:
        break;
    }
}

} // namespace

void describe(Fields& out, Core::Vector<Xml::Transform> const& value) {
    Fields& transforms = out.list("transforms");
    for (Xml::Transform const& transform : value) {
        describeTransform(transforms.item(), transform);
    }
}

void describe(Fields& out, Core::Vector<Xml::PathDataCommand> const& value) {
    Fields& commands = out.list("commands");
    for (Xml::PathDataCommand const& command : value) {
        describeCommand(commands.item(), command);
    }
}

void describe(Fields& out, Core::Vector<Xml::Point> const& value) {
    Fields& points = out.list("points");
    for (Xml::Point const& point : value) {
        Fields& item = points.item();
        describe(item.group("x"), point.x);
        describe(item.group("y"), point.y);
    }
}

void describe(Fields& out, Xml::ViewBox const& value) {
    describe(out.group("minX"), value.minX);
    describe(out.group("minY"), value.minY);
    describe(out.group("width"), value.width);
    describe(out.group("height"), value.height);
}

void describe(Fields& out, Xml::SPreserveAspectRatio const& value) {
    using Ratio = Xml::SPreserveAspectRatio;
    constexpr std::array<std::pair<int, std::string_view>, 9> kFlags = {{
        {Ratio::AspectNone, "AspectNone"},
        {Ratio::AspectMeet, "AspectMeet"},
        {Ratio::AspectSlice, "AspectSlice"},
        {Ratio::AspectXMin, "AspectXMin"},
        {Ratio::AspectXMid, "AspectXMid"},
        {Ratio::AspectXMax, "AspectXMax"},
        {Ratio::AspectYMin, "AspectYMin"},
        {Ratio::AspectYMid, "AspectYMid"},
        {Ratio::AspectYMax, "AspectYMax"},
    }};
    int const bits = value.getAspectRatio();
    out.integer("aspectRatio", bits);
    std::string set;
    for (auto const& [flag, name] : kFlags) {
        if ((bits & flag) != 0) {
            set += (set.empty() ? "" : " | ") + std::string(name);
        }
    }
    out.text("flags", set);
}

} // namespace Tool
