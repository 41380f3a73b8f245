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

std::string_view unitOf(std::string_view name) {
    for (std::string_view const unit : kUnits) {
        if (unit == name) {
            return unit;
        }
    }
    return {};
}

// An enumerator's keyword ("pt" of {"name": "pt", "number": 1}); empty for anything else.
std::string_view enumeratorName(Fields::View const& field) {
    Json const* const json = field.scalar;
    if (json == nullptr || !json->is_object()) {
        return {};
    }
    auto const name = json->find("name");
    return name != json->end() && name->is_string()
               ? std::string_view(name->get_ref<std::string const&>())
               : std::string_view();
}

double numberOf(Fields::View const& field) {
    return field.scalar != nullptr && field.scalar->is_number() ? field.scalar->get<double>() : 0.0;
}

void colorPart(Standard::Reading& out, Fields const& rgb) {
    Part part;
    part.kind = Part::Kind::Color;
    part.color = {numberOf(rgb.find("r")), numberOf(rgb.find("g")), numberOf(rgb.find("b")), 1.0};
    out.parts.push_back(part);
}

bool isSet(Fields const& fields, std::string_view flag) {
    Json const* const json = fields.find(flag).scalar;
    return json != nullptr && json->is_boolean() && json->get<bool>();
}

// A description's parts: the field names are the tool's own (Describe*.cpp), which name a
// length by its unit and size, a measure's kind by "kind", a colour by its class.
void walk(Standard::Reading& out, Fields const& fields, bool isList) {
    if (isList) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (Fields const* const item = fields.at(i).children) {
                walk(out, *item, false);
            }
        }
        return;
    }
    Fields::View const unit = fields.find("unit");
    Fields::View const size = fields.find("size");
    if (unit.scalar != nullptr && size.scalar != nullptr) {
        std::string_view const name = enumeratorName(unit);
        if (name == "%") {
            // A percentage length holds its fraction.
            out.parts.push_back(numberPart(Part::Kind::Percentage, numberOf(size) * 100));
        } else if (std::string_view const known = unitOf(name); !known.empty()) {
            out.parts.push_back(numberPart(Part::Kind::Measure, numberOf(size), known));
        } else {
            out.parts.push_back(numberPart(Part::Kind::Keyword, 0));
        }
        return;
    }
    if (Json const* const kind = fields.find("class").scalar) {
        std::string_view const name =
            kind->is_string() ? std::string_view(kind->get_ref<std::string const&>()) : "";
        Fields const* const fallBack = fields.find("fallBack").children;
        if (name == "RGBColor") {
            colorPart(out, fields);
        } else if (name == "ICCColor" && fallBack != nullptr) {
            colorPart(out, *fallBack);
        } else {
            out.parts.push_back(numberPart(Part::Kind::Keyword, 0));
        }
        return;
    }
    if (isSet(fields, "isAuto") || isSet(fields, "isNormal") || isSet(fields, "isNull")) {
        out.parts.push_back(numberPart(Part::Kind::Keyword, 0));
        return;
    }
    if (enumeratorName(fields.find("kind")) == "percent") {
        // A percentage is held as its fraction.
        out.parts.push_back(
            numberPart(Part::Kind::Percentage, numberOf(fields.find("percent")) * 100));
        return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Fields::View const field = fields.at(i);
        if (field.name == "url" && field.scalar != nullptr && field.scalar->is_string()) {
            Part part;
            part.kind = Part::Kind::Reference;
            // The text lives in the description, which the caller keeps while comparing.
            part.text = field.scalar->get_ref<std::string const&>();
            out.parts.push_back(part);
        } else if (field.name == "value" && field.scalar != nullptr && field.scalar->is_number()) {
            out.parts.push_back(numberPart(Part::Kind::Number, numberOf(field)));
        } else if (field.children != nullptr) {
            walk(out, *field.children, field.isList);
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
        // A font-relative length has no size in pixels (the library throws if asked): its
        // number stands as written, as no grammar of the standard takes a unit here anyway.
        auto const px = [](Xml::TXmlAttribute<Xml::SLength> const& length) -> double {
            return lengthPart(*length).number;
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

void lengthReading(Standard::Reading& out, Xml::SLength const& length) {
    out.clear();
    // The units by number as the description names them; "unused" is no unit.
    constexpr std::array<std::string_view, 10> kNames = {"px", "pt", "",   "cm", "mm",
                                                         "in", "em", "ex", "pc", "%"};
    static_assert(Xml::SLength::UnitPc == 8 && Xml::SLength::UnitPercent == kNames.size() - 1);
    auto const unit = static_cast<std::size_t>(length.getUnit());
    std::string_view const name = unit < kNames.size() ? kNames[unit] : std::string_view();
    // The size as its field holds it in JSON: a number that JSON cannot hold reads as 0.
    double const size = jsonDouble(length.getSize()).value_or(0.0);
    if (name == "%") {
        out.parts.push_back(numberPart(Part::Kind::Percentage, size * 100));
    } else if (std::string_view const known = unitOf(name); !known.empty()) {
        out.parts.push_back(numberPart(Part::Kind::Measure, size, known));
    } else {
        out.parts.push_back(numberPart(Part::Kind::Keyword, 0));
    }
}

void describedReading(Standard::Reading& out, Fields const& fields) {
    out.clear();
    walk(out, fields, false);
}

} // namespace Tool
