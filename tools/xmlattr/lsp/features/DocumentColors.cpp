// Colours found by the standard's reading of each value, and written back in the forms the
// checker then takes.
#include "DocumentColors.h"

#include "ValueReaders.h"
#include "standard/Reading.h"
#include "standard/Scanner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace Tool::Lsp {

namespace {

int channel(double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

bool sameColor(Rgba const& a, Rgba const& b) {
    return channel(a.red) == channel(b.red) && channel(a.green) == channel(b.green) &&
           channel(a.blue) == channel(b.blue) &&
           std::abs(std::clamp(a.alpha, 0.0, 1.0) - std::clamp(b.alpha, 0.0, 1.0)) < 0.005;
}

std::string decimal(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3g", value);
    return buffer;
}

std::string hex(Rgba const& color, bool withAlpha) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", channel(color.red), channel(color.green),
                  channel(color.blue));
    std::string text = buffer;
    if (withAlpha) {
        std::snprintf(buffer, sizeof buffer, "%02x", channel(color.alpha));
        text += buffer;
    }
    return text;
}

// "#rgb" where each channel's two digits are alike.
std::optional<std::string> shortHex(Rgba const& color) {
    std::string const full = hex(color, false);
    if (full[1] != full[2] || full[3] != full[4] || full[5] != full[6]) {
        return std::nullopt;
    }
    return std::string{'#', full[1], full[3], full[5]};
}

std::string rgbFunction(Rgba const& color, bool withAlpha) {
    std::string text = withAlpha ? "rgba(" : "rgb(";
    text += std::to_string(channel(color.red)) + "," + std::to_string(channel(color.green)) + "," +
            std::to_string(channel(color.blue));
    if (withAlpha) {
        text += ",";
        text += decimal(std::clamp(color.alpha, 0.0, 1.0));
    }
    return text + ")";
}

std::string hslFunction(Rgba const& color, bool withAlpha) {
    double const r = std::clamp(color.red, 0.0, 1.0);
    double const g = std::clamp(color.green, 0.0, 1.0);
    double const b = std::clamp(color.blue, 0.0, 1.0);
    double const high = std::max({r, g, b});
    double const low = std::min({r, g, b});
    double const lightness = (high + low) / 2;
    double hue = 0;
    double saturation = 0;
    if (high > low) {
        double const delta = high - low;
        saturation = lightness > 0.5 ? delta / (2 - high - low) : delta / (high + low);
        hue = high == r   ? (g - b) / delta + (g < b ? 6 : 0)
              : high == g ? (b - r) / delta + 2
                          : (r - g) / delta + 4;
        hue *= 60;
    }
    std::string text = withAlpha ? "hsla(" : "hsl(";
    text += std::to_string(std::lround(hue) % 360) + "," +
            std::to_string(std::lround(saturation * 100)) + "%," +
            std::to_string(std::lround(lightness * 100)) + "%";
    if (withAlpha) {
        text += ",";
        text += decimal(std::clamp(color.alpha, 0.0, 1.0));
    }
    return text + ")";
}

// Whether a grammar's values may hold a colour: a shorthand with a reader of its own says so
// in its name ("[ <border-width> || <border-style> || <color> ]", "<background-color>").
bool takesColor(Standard::Syntax const& syntax) {
    return !Standard::colorKeywords(syntax).empty() ||
           (syntax.form == Standard::Form::Own &&
            syntax.name.find("color>") != std::string_view::npos);
}

// The colour tokens of one value: as its grammar reads them, or the value itself when it is
// one colour token.
void collectColors(Standard::Syntax const& syntax, Standard::Dialect dialect,
                   DeliveredValue const& delivered, TextSpan value, std::vector<ColorAt>& out) {
    std::string_view const text = delivered.text().substr(value.begin, value.size());
    thread_local Standard::Reading reading;
    if (Standard::conforms(syntax, text, dialect)) {
        reading.clear();
        Standard::readValue(syntax, text, dialect, reading);
        for (Standard::Part const& part : reading.parts) {
            if (part.begin >= part.end || part.end > text.size()) {
                continue;
            }
            std::optional<Rgba> color;
            if (part.kind == Standard::Part::Kind::Color) {
                color = Rgba{part.color[0] / 255, part.color[1] / 255, part.color[2] / 255,
                             part.color[3]};
            } else if (part.kind == Standard::Part::Kind::Keyword) {
                // A shorthand's reading leaves its colour names as keywords.
                color = colorOf(part.text);
            }
            if (color) {
                out.push_back(
                    {delivered.sourceSpan(value.begin + part.begin, value.begin + part.end),
                     *color});
            }
        }
        return;
    }
    std::string_view const token = Standard::trimmed(text);
    if (std::optional<Rgba> const color = colorOf(token)) {
        std::size_t const begin =
            value.begin + static_cast<std::size_t>(token.data() - text.data());
        out.push_back({delivered.sourceSpan(begin, begin + token.size()), *color});
    }
}

} // namespace

std::optional<Rgba> colorOf(std::string_view token) {
    std::array<double, 4> color{};
    if (!Standard::colorValue(token, color)) {
        return std::nullopt;
    }
    return Rgba{color[0] / 255, color[1] / 255, color[2] / 255, color[3]};
}

std::vector<ColorAt> documentColors(std::string_view document) {
    std::vector<ColorAt> colors;
    DocumentScanner scanner(document);
    ScannedElement element;
    std::string property;
    while (scanner.next(element)) {
        for (ScannedAttribute const& attribute : *element.attributes) {
            if (!attribute.hasValue || attribute.local.size() != attribute.name.size()) {
                continue;
            }
            if (element.vocabulary == Vocabulary::XslFo) {
                Standard::Syntax const* syntax = Standard::xslSyntax(attribute.name);
                if (syntax != nullptr && takesColor(*syntax)) {
                    DeliveredValue const delivered(document, attribute.valueSpan);
                    collectColors(*syntax, Standard::Dialect::XslFo, delivered,
                                  {0, delivered.text().size()}, colors);
                }
            } else if (attribute.name == "style") {
                DeliveredValue const delivered(document, attribute.valueSpan);
                std::string_view const style = delivered.text();
                for (Declaration const& declaration : declarationsOf(style)) {
                    property.assign(
                        style.substr(declaration.property.begin, declaration.property.size()));
                    std::transform(property.begin(), property.end(), property.begin(),
                                   Standard::lowerAscii);
                    Standard::Syntax const* syntax = Standard::svgSyntax({}, property);
                    if (syntax != nullptr && takesColor(*syntax)) {
                        collectColors(*syntax, Standard::Dialect::CssDeclaration, delivered,
                                      declaration.value, colors);
                    }
                }
            } else {
                Standard::Syntax const* syntax = Standard::svgSyntax(element.name, attribute.name);
                if (syntax != nullptr && takesColor(*syntax)) {
                    DeliveredValue const delivered(document, attribute.valueSpan);
                    collectColors(*syntax, Standard::Dialect::SvgAttribute, delivered,
                                  {0, delivered.text().size()}, colors);
                }
            }
        }
    }
    return colors;
}

std::vector<ColorPresentation> colorPresentations(std::string_view document, TextSpan span,
                                                  Rgba color) {
    if (span.end < span.begin) {
        return {};
    }
    std::optional<ValueAt> const place = valueAt(document, span.begin);
    if (!place || !place->source().touches(span.end)) {
        return {};
    }
    Readers const readers = readersOf(*place);
    std::string_view const value = place->text();
    std::size_t const begin =
        std::clamp(place->attribute->delivered(span.begin), place->value.begin, place->value.end) -
        place->value.begin;
    std::size_t const end =
        std::clamp(place->attribute->delivered(span.end), place->value.begin, place->value.end) -
        place->value.begin;

    std::vector<std::string> forms;
    if (readers.syntax != nullptr) {
        for (std::string_view const name : Standard::colorKeywords(*readers.syntax)) {
            std::optional<Rgba> const named = colorOf(name);
            if (named && sameColor(*named, color)) {
                forms.emplace_back(name);
            }
        }
    }
    forms.push_back(hex(color, false));
    if (std::optional<std::string> const shorter = shortHex(color)) {
        forms.push_back(*shorter);
    }
    forms.push_back(rgbFunction(color, false));
    forms.push_back(hslFunction(color, false));
    forms.push_back(hex(color, true));
    forms.push_back(rgbFunction(color, true));
    forms.push_back(hslFunction(color, true));

    std::vector<ColorPresentation> presentations;
    std::string attempt;
    for (std::string const& form : forms) {
        std::optional<Rgba> const read = colorOf(form);
        if (!read || !sameColor(*read, color)) {
            continue;
        }
        attempt.assign(value.substr(0, begin));
        attempt += form;
        attempt += value.substr(end);
        if (checkerIsSilent(*place, attempt)) {
            presentations.push_back({form, span});
        }
    }
    return presentations;
}

} // namespace Tool::Lsp
