// The library's side of the reading comparison.
#include "HeldReadings.h"

#include "standard/Scanner.h"

#include <array>
#include <string>

namespace Tool {

namespace {

using Standard::lowerAscii;
using Standard::Part;
using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 8> kUnits = {"px", "pt", "pc", "cm", "mm", "in", "em", "ex"};

Part numberPart(Part::Kind kind, double number, std::string_view unit = {}) {
    Part part;
    part.kind = kind;
    part.number = number;
    part.unit = unit;
    return part;
}

// A length's size and unit, in pixels where its unit has a size in pixels.
Part lengthPart(Xml::SLength const& length) {
    switch (length.getUnit()) {
    case Xml::SLength::UnitPercent:
        return numberPart(Part::Kind::Percentage, length.getSize() * 100);
    case Xml::SLength::UnitEm:
        return numberPart(Part::Kind::Measure, length.getSize(), "em");
    case Xml::SLength::UnitEx:
        return numberPart(Part::Kind::Measure, length.getSize(), "ex");
    default:
        return numberPart(Part::Kind::Measure, length.pxSize(), "px");
    }
}

char letterOf(Xml::PathDataCommand const& command) {
    constexpr std::string_view kLetters = "??MZLHVCSQTA";
    auto const type = static_cast<std::size_t>(command.type);
    char const letter = type < kLetters.size() ? kLetters[type] : '?';
    return command.relative ? lowerAscii(letter) : letter;
}

std::string_view unitOf(std::string const& name) {
    for (std::string_view const unit : kUnits) {
        if (unit == name) {
            return unit;
        }
    }
    return {};
}

std::string enumeratorName(Json const& node) {
    return node.is_object() && node.contains("name") && node["name"].is_string()
               ? node["name"].get<std::string>()
               : std::string();
}

void colorPart(Standard::Reading& out, Json const& rgb) {
    Part part;
    part.kind = Part::Kind::Color;
    part.color = {rgb.value("r", 0.0), rgb.value("g", 0.0), rgb.value("b", 0.0), 1.0};
    out.parts.push_back(part);
}

// A description's parts: the field names are the tool's own (Describe*.cpp), which name a
// length by its unit and size, a measure's kind by "kind", a colour by its class.
void walk(Standard::Reading& out, Json const& node) {
    if (node.is_array()) {
        for (Json const& item : node) {
            walk(out, item);
        }
        return;
    }
    if (!node.is_object()) {
        return;
    }
    if (node.contains("unit") && node.contains("size")) {
        std::string const unit = enumeratorName(node["unit"]);
        double const size = node["size"].is_number() ? node["size"].get<double>() : 0.0;
        if (unit == "%") {
            // A percentage length holds its fraction.
            out.parts.push_back(numberPart(Part::Kind::Percentage, size * 100));
        } else if (std::string_view const known = unitOf(unit); !known.empty()) {
            out.parts.push_back(numberPart(Part::Kind::Measure, size, known));
        } else {
            out.parts.push_back(numberPart(Part::Kind::Keyword, 0));
        }
        return;
    }
    if (node.contains("class")) {
        std::string const kind = node["class"].is_string() ? node["class"].get<std::string>() : "";
        if (kind == "RGBColor") {
            colorPart(out, node);
        } else if (kind == "ICCColor" && node.contains("fallBack")) {
            colorPart(out, node["fallBack"]);
        } else {
            out.parts.push_back(numberPart(Part::Kind::Keyword, 0));
        }
        return;
    }
    for (char const* flag : {"isAuto", "isNormal", "isNull"}) {
        if (node.contains(flag) && node[flag].is_boolean() && node[flag].get<bool>()) {
            out.parts.push_back(numberPart(Part::Kind::Keyword, 0));
            return;
        }
    }
    if (node.contains("kind")) {
        std::string const kind = enumeratorName(node["kind"]);
        if (kind == "percent" && node.contains("percent")) {
            // A percentage is held as its fraction.
            out.parts.push_back(
                numberPart(Part::Kind::Percentage, node["percent"].get<double>() * 100));
            return;
        }
    }
    for (auto const& [key, value] : node.items()) {
        if (key == "url" && value.is_string()) {
            Part part;
            part.kind = Part::Kind::Reference;
            // The text lives in the description, which the caller keeps while comparing.
            part.text = value.get_ref<std::string const&>();
            out.parts.push_back(part);
        } else if (key == "value" && value.is_number()) {
            out.parts.push_back(numberPart(Part::Kind::Number, value.get<double>()));
        } else if (value.is_object() || value.is_array()) {
            if (!value.contains("name") || !value.contains("number")) {
                walk(out, value);
            }
        }
    }
}

} // namespace

void heldReading(Standard::Reading& out, Core::Vector<Xml::PathDataCommand> const& commands) {
    out.clear();
    out.shape = Standard::Reading::Shape::Path;
    for (Xml::PathDataCommand const& command : commands) {
        char const letter = letterOf(command);
        out.commands.push_back(letter);
        auto const add = [&](Xml::SLength const& length) {
            out.numbers.push_back(length.getSize());
        };
        switch (lowerAscii(letter)) {
        case 'm':
        case 'l':
        case 't':
            add(command.x);
            add(command.y);
            break;
        case 'h':
            add(command.x);
            break;
        case 'v':
            add(command.y);
            break;
        case 'c':
            add(command.x1), add(command.y1), add(command.x2), add(command.y2);
            add(command.x), add(command.y);
            break;
        case 's':
            add(command.x2), add(command.y2), add(command.x), add(command.y);
            break;
        case 'q':
            add(command.x1), add(command.y1), add(command.x), add(command.y);
            break;
        case 'a':
            add(command.rx), add(command.ry);
            out.numbers.push_back(command.rotation);
            out.numbers.push_back(command.largeArc ? 1 : 0);
            out.numbers.push_back(command.sweep ? 1 : 0);
            add(command.x), add(command.y);
            break;
        default:
            break;
        }
    }
}

void heldReading(Standard::Reading& out, Core::Vector<Xml::Transform> const& transforms) {
    out.clear();
    out.shape = Standard::Reading::Shape::Matrix;
    for (Xml::Transform const& item : transforms) {
        auto const px = [](Xml::TXmlAttribute<Xml::SLength> const& length) -> double {
            return length->pxSize();
        };
        switch (item.type) {
        case Xml::Matrix:
            Standard::applyTransform(out, "matrix", item.matrix);
            break;
        case Xml::Translate:
            Standard::applyTransform(out, "translate", {{px(item.tx), px(item.ty)}});
            break;
        case Xml::Scale:
            Standard::applyTransform(out, "scale", {{item.sx, item.sy}});
            break;
        case Xml::Rotate:
            Standard::applyTransform(out, "rotate", {{item.angle, px(item.cx), px(item.cy)}});
            break;
        case Xml::SkewX:
            Standard::applyTransform(out, "skewX", {{item.skewAngleX}});
            break;
        case Xml::SkewY:
            Standard::applyTransform(out, "skewY", {{item.skewAngleY}});
            break;
        }
    }
}

void heldReading(Standard::Reading& out, Core::Vector<Xml::Point> const& points) {
    out.clear();
    for (Xml::Point const& point : points) {
        out.parts.push_back(lengthPart(point.x));
        out.parts.push_back(lengthPart(point.y));
    }
}

void describedReading(Standard::Reading& out, Fields const& fields) {
    out.clear();
    thread_local Json description;
    description = fields.toJson();
    walk(out, description);
}

} // namespace Tool
