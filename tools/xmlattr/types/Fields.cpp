// The field tree and its two renderings.
#include "Fields.h"

#include <xmlattr/platform/Format.h>

#include <cmath>

namespace Tool {

namespace {

std::optional<double> nearest(Core::String const& shortest, bool finite) {
    double value = 0.0;
    if (finite && Core::Format::fromChars(shortest.view(), value).consumed == shortest.length()) {
        return value;
    }
    return std::nullopt;
}

// JSON has no infinity or NaN; those go out as the text the library writes for them.
nlohmann::ordered_json jsonNumber(Core::String const& shortest, bool finite) {
    std::optional<double> const value = nearest(shortest, finite);
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(shortest.toUtf8());
}

void appendIndent(std::string& out, int indent) {
    out.append(static_cast<std::size_t>(indent), ' ');
}

} // namespace

std::optional<double> jsonDouble(float value) {
    return nearest(Core::Format::toString(value), std::isfinite(value));
}

void Fields::scalar(std::string_view name, std::string shown, nlohmann::ordered_json json) {
    Field& field = m_fields.emplace_back();
    field.name = name;
    field.shown = std::move(shown);
    field.json = std::move(json);
}

void Fields::number(std::string_view name, float value) {
    Core::String const shortest = Core::Format::toString(value);
    scalar(name, shortest.toUtf8(), jsonNumber(shortest, std::isfinite(value)));
}

void Fields::number(std::string_view name, double value) {
    Core::String const shortest = Core::Format::toString(value);
    scalar(name, shortest.toUtf8(), jsonNumber(shortest, std::isfinite(value)));
}

void Fields::integer(std::string_view name, long long value) {
    scalar(name, std::to_string(value), value);
}

void Fields::flag(std::string_view name, bool value) {
    scalar(name, value ? "true" : "false", value);
}

void Fields::text(std::string_view name, std::string_view value) {
    scalar(name, inQuotes(value), std::string(value));
}

void Fields::enumerator(std::string_view name, std::string_view keyword, int number) {
    std::string shown = std::to_string(number);
    if (!keyword.empty()) {
        shown = std::string(keyword) + " (" + shown + ")";
    }
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["name"] = nullptr;
    if (!keyword.empty()) {
        json["name"] = std::string(keyword);
    }
    json["number"] = number;
    scalar(name, std::move(shown), std::move(json));
}

Fields& Fields::group(std::string_view name) {
    Field& field = m_fields.emplace_back();
    field.name = name;
    field.shape = Field::Shape::Record;
    field.children = std::make_unique<Fields>();
    return *field.children;
}

Fields& Fields::list(std::string_view name) {
    Fields& items = group(name);
    m_fields.back().shape = Field::Shape::List;
    return items;
}

Fields& Fields::item() { return group({}); }

Fields::View Fields::at(std::size_t index) const noexcept {
    Field const& field = m_fields[index];
    return {field.name, field.shape == Field::Shape::Scalar ? &field.json : nullptr,
            field.children.get(), field.shape == Field::Shape::List};
}

Fields::View Fields::find(std::string_view name) const noexcept {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == name) {
            return at(i);
        }
    }
    return {};
}

nlohmann::ordered_json Fields::toJson() const {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (Field const& field : m_fields) {
        switch (field.shape) {
        case Field::Shape::Scalar:
            json[field.name] = field.json;
            break;
        case Field::Shape::Record:
            json[field.name] = field.children->toJson();
            break;
        case Field::Shape::List: {
            nlohmann::ordered_json items = nlohmann::ordered_json::array();
            for (Field const& item : field.children->m_fields) {
                items.push_back(item.children->toJson());
            }
            json[field.name] = std::move(items);
            break;
        }
        }
    }
    return json;
}

void Fields::writeText(std::string& out, int indent) const {
    for (Field const& field : m_fields) {
        appendIndent(out, indent);
        out += field.name;
        switch (field.shape) {
        case Field::Shape::Scalar:
            out += ": " + field.shown + "\n";
            break;
        case Field::Shape::Record:
            out += ":\n";
            field.children->writeText(out, indent + 2);
            break;
        case Field::Shape::List: {
            std::vector<Field> const& items = field.children->m_fields;
            out += items.empty() ? ": []\n" : ":\n";
            for (std::size_t i = 0; i < items.size(); ++i) {
                appendIndent(out, indent + 2);
                out += "[" + std::to_string(i) + "]:\n";
                items[i].children->writeText(out, indent + 4);
            }
            break;
        }
        }
    }
}

void Fields::writeInline(std::string& out) const {
    auto const scalarText = [](Field const& field) {
        if (field.json.is_object() && field.json.contains("name")) {
            nlohmann::ordered_json const& keyword = field.json["name"];
            return keyword.is_string() ? keyword.get<std::string>()
                                       : std::to_string(field.json["number"].get<int>());
        }
        return field.shown;
    };
    bool const isLength = m_fields.size() >= 2 && m_fields[0].name == "unit" &&
                          m_fields[1].name == "size" && m_fields[0].shape == Field::Shape::Scalar;
    if (isLength && scalarText(m_fields[0]) != "%") {
        out += m_fields[1].shown + scalarText(m_fields[0]);
        return;
    }
    if (m_fields.size() == 1 && m_fields[0].shape != Field::Shape::List) {
        if (m_fields[0].shape == Field::Shape::Scalar) {
            out += scalarText(m_fields[0]);
        } else {
            m_fields[0].children->writeInline(out);
        }
        return;
    }
    out += "{";
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        Field const& field = m_fields[i];
        out += (i == 0 ? "" : ", ") + field.name + ": ";
        if (field.shape == Field::Shape::Scalar) {
            out += scalarText(field);
        } else if (field.shape == Field::Shape::Record) {
            field.children->writeInline(out);
        } else {
            out += "[";
            for (std::size_t j = 0; j < field.children->m_fields.size(); ++j) {
                out += j == 0 ? "" : ", ";
                field.children->m_fields[j].children->writeInline(out);
            }
            out += "]";
        }
    }
    out += "}";
}

std::string inQuotes(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char const c : text) {
        auto const unit = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (unit < 0x20 || unit == 0x7f) {
                out += "\\x";
                out += kHex[unit >> 4];
                out += kHex[unit & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

} // namespace Tool
