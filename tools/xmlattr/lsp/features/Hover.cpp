// A hover's three parts, each from the table the checker reads: the library's type, the
// standard's grammar, and the default the library exports for that attribute.
#include "Hover.h"

#include "ValueReaders.h"
#include "checker/FileReport.h"
#include "checker/FormatterValues.h"

#include <xmlattr/defaults/DefaultList.h>

#include <cstdio>
#include <initializer_list>

namespace Tool::Lsp {

namespace {

// Past this, a value's reading is described by its shape only, as the checker does.
constexpr std::size_t kLongestDescribed = 4096;
constexpr std::size_t kLongestShown = 160;

std::string shortened(std::string text) {
    if (text.size() > kLongestShown) {
        std::size_t cut = kLongestShown;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        text.resize(cut);
        text += "...";
    }
    return text;
}

// The parts one after another. (Adding a std::string to a literal inserts at the front,
// which one compiler's overlap check takes for a fault.)
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string whole;
    for (std::string_view const part : parts) {
        whole += part;
    }
    return whole;
}

// Markdown inline code that holds any text: a fence longer than its longest run of "`".
std::string code(std::string_view text) {
    std::size_t run = 0;
    std::size_t longest = 0;
    for (char const c : text) {
        run = c == '`' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    std::string const fence(longest + 1, '`');
    bool const padded = !text.empty() && (text.front() == '`' || text.back() == '`');
    std::string_view const pad = padded ? " " : "";
    return joined({fence, pad, text, pad, fence});
}

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

// The first record of a description, itself or nested, that has a field `name`.
Fields const* recordWith(Fields const& fields, std::string_view name) {
    if (fields.find(name).scalar != nullptr) {
        return &fields;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Fields::View const field = fields.at(i);
        if (field.children != nullptr && !field.isList) {
            if (Fields const* found = recordWith(*field.children, name)) {
                return found;
            }
        }
    }
    return nullptr;
}

double numberIn(Fields const& record, std::string_view name) {
    nlohmann::ordered_json const* scalar = record.find(name).scalar;
    return scalar != nullptr && scalar->is_number() ? scalar->get<double>() : 0;
}

// What a reading comes to where that is not its text: a length in pixels, a colour's
// channels.
std::string measured(Fields const& fields) {
    if (Fields const* length = recordWith(fields, "px")) {
        return joined({" = ", number(numberIn(*length, "px")), " px"});
    }
    Fields const* color = recordWith(fields, "r");
    if (color != nullptr && color->find("g").scalar != nullptr &&
        color->find("b").scalar != nullptr) {
        return joined({" = ", code(joined({"rgb(", number(numberIn(*color, "r")), ",",
                                           number(numberIn(*color, "g")), ",",
                                           number(numberIn(*color, "b")), ")"}))});
    }
    return {};
}

std::string libraryPart(ValueType const& type, Vocabulary vocabulary, std::string_view value) {
    std::string const title = joined({"**Library** (", type.name, "): "});
    if (isFormatterValue(vocabulary, value)) {
        return title + "left to the formatter";
    }
    Core::String const text{value};
    if (value.size() > kLongestDescribed) {
        return joined({title, type.accepts(text) ? "reads" : "does not read", " this long value"});
    }
    Parsed const parsed = type.parse(text);
    takeLibraryLog();
    if (!parsed.accepted) {
        return title + "does not read this value";
    }
    std::string reading;
    if (type.hasTextForm && !parsed.written.empty()) {
        reading = parsed.written;
    } else {
        parsed.value.writeInline(reading);
    }
    std::string line = joined({title, "reads ", code(shortened(reading))});
    if (reading.size() <= kLongestShown) {
        line += measured(parsed.value);
    }
    Standard::Reading held;
    if (type.readHeld(text, held)) {
        if (held.shape == Standard::Reading::Shape::Matrix) {
            std::string matrix = "matrix(";
            for (std::size_t i = 0; i < held.matrix.size(); ++i) {
                matrix += i > 0 ? " " : "";
                matrix += number(held.matrix[i]);
            }
            matrix += ")";
            line += ", composed ";
            line += code(matrix);
        } else if (held.shape == Standard::Reading::Shape::Path) {
            std::size_t const count = held.commands.size();
            line += joined(
                {", ", std::to_string(count), count == 1 ? " path command" : " path commands"});
        }
    }
    takeLibraryLog();
    for (std::string const& message : parsed.messages) {
        line += "\n\n*the library logs:* ";
        line += shortened(message);
    }
    return line;
}

// "font-size" as the defaults' names write it: "FontSize".
std::string camelCase(std::string_view name) {
    std::string camel;
    bool upper = true;
    for (char const c : name) {
        if (c == '-' || c == ':') {
            upper = true;
            continue;
        }
        camel += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        upper = false;
    }
    return camel;
}

// Whether a default's name, such as "DefaultSFillColor" or "DefaultFOVisibilityAttribute",
// is the one of the attribute `camel`.
bool namesAttribute(std::string_view name, std::string_view camel) {
    if (!name.starts_with("Default")) {
        return false;
    }
    name.remove_prefix(7);
    if (name.ends_with("Attribute")) {
        name.remove_suffix(9);
    }
    for (std::string_view const prefix : {"", "S", "FO"}) {
        if (!name.starts_with(prefix)) {
            continue;
        }
        std::string_view const core = name.substr(prefix.size());
        if (core == camel ||
            (core.ends_with("Color") && core.substr(0, core.size() - 5) == camel)) {
            return true;
        }
    }
    return false;
}

// The library's default for an attribute: the one of its type named after it, or the only
// one of its type.
std::optional<std::string> defaultPart(ValueType const& type, std::string_view name) {
    std::string const camel = camelCase(name);
    Xml::DefaultEntry const* named = nullptr;
    Xml::DefaultEntry const* only = nullptr;
    int ofType = 0;
    for (Xml::DefaultEntry const& entry : Xml::defaultAttributes()) {
        if (typeOf(*entry.attribute) != &type) {
            continue;
        }
        ++ofType;
        only = &entry;
        if (named == nullptr && namesAttribute(Core::String(entry.name).toUtf8(), camel)) {
            named = &entry;
        }
    }
    Xml::DefaultEntry const* chosen = named != nullptr ? named : ofType == 1 ? only : nullptr;
    if (chosen == nullptr) {
        return std::nullopt;
    }
    std::string shown;
    if (type.hasTextForm) {
        shown = Xml::writeDefault(*chosen->attribute).toUtf8();
    } else {
        Fields fields;
        type.describeHeld(fields, *chosen->attribute);
        fields.writeInline(shown);
    }
    takeLibraryLog();
    return joined(
        {"**Default** (", Core::String(chosen->name).toUtf8(), "): ", code(shortened(shown))});
}

} // namespace

std::optional<Hover> hoverAt(std::string_view document, std::size_t offset) {
    std::optional<ValueAt> const place = valueAt(document, offset);
    if (!place) {
        return std::nullopt;
    }
    Readers const readers = readersOf(*place);
    if (readers.type == nullptr && readers.syntax == nullptr) {
        return std::nullopt;
    }
    std::string_view const value = place->text();
    Hover hover;
    hover.span = place->source();
    hover.contents =
        joined({code(place->name), place->inStyle ? " in a style of " : " on ",
                code(place->element), " (", vocabularyName(place->vocabulary), ")\n\n"});
    if (readers.type == nullptr) {
        hover.contents += "**Library**: has no type for it";
    } else {
        try {
            hover.contents += libraryPart(*readers.type, place->vocabulary, value);
        } catch (Core::Exception const& error) {
            takeLibraryLog();
            hover.contents += joined(
                {"**Library** (", readers.type->name, "): threw while reading: ", error.what()});
        }
    }
    hover.contents += "\n\n**Standard**: ";
    hover.contents += readers.syntax != nullptr
                          ? code(shortened(Standard::describe(*readers.syntax))) +
                                (Standard::conforms(*readers.syntax, value, readers.dialect)
                                     ? ", which this value follows"
                                     : ", which this value does not follow")
                          : std::string("defines no grammar for it");
    if (readers.type != nullptr) {
        if (std::optional<std::string> const fallback = defaultPart(*readers.type, place->name)) {
            hover.contents += "\n\n";
            hover.contents += *fallback;
        }
    }
    return hover;
}

} // namespace Tool::Lsp
