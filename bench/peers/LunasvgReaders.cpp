// lunasvg's readers, reached through its internal headers: each SVG attribute is a property
// object whose parse() takes the attribute's text, the narrowest entry lunasvg has.
#include "PeerReaders.h"

#include "svgproperty.h"

#include <plutovg.h>

#include <string_view>

namespace {

std::string_view view(PeerText const& text) { return {text.data, text.size}; }

// A fresh property for every text, as an element gets when its attribute is read.
template <class Property>
size_t readAll(PeerText const* texts, size_t count, lunasvg::PropertyID id) {
    size_t taken = 0;
    for (size_t i = 0; i < count; ++i) {
        Property property(id);
        taken += property.parse(view(texts[i])) ? 1 : 0;
    }
    return taken;
}

} // namespace

size_t lunasvgReadPaths(PeerText const* texts, size_t count) {
    return readAll<lunasvg::SVGPath>(texts, count, lunasvg::PropertyID::D);
}

size_t lunasvgReadTransforms(PeerText const* texts, size_t count) {
    return readAll<lunasvg::SVGTransform>(texts, count, lunasvg::PropertyID::Transform);
}

size_t lunasvgReadPoints(PeerText const* texts, size_t count) {
    return readAll<lunasvg::SVGPointList>(texts, count, lunasvg::PropertyID::Points);
}

// lunasvg reads a colour inside its style resolution (a file-local function of
// svglayoutstate.cpp); these are the same steps: "none", "currentColor", then plutovg's
// colour reader, which must take the whole text.
size_t lunasvgReadColours(PeerText const* texts, size_t count) {
    size_t taken = 0;
    for (size_t i = 0; i < count; ++i) {
        std::string_view const text = view(texts[i]);
        if (text == "none" || text == "currentColor") {
            ++taken;
            continue;
        }
        plutovg_color_t colour;
        int const length = plutovg_color_parse(&colour, text.data(), static_cast<int>(text.size()));
        taken += length > 0 && static_cast<size_t>(length) == text.size() ? 1 : 0;
    }
    return taken;
}
