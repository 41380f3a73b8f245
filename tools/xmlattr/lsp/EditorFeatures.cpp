// The editor features' handlers: each finds the protocol position's byte in the held text,
// asks the plain function in features/, and turns its byte spans back into ranges.
#include "Server.h"
#include "features/Completion.h"
#include "features/DocumentColors.h"
#include "features/Hover.h"
#include "features/NameReferences.h"

#include <algorithm>

namespace Tool::Lsp {

namespace {

// The protocol's completion item kinds.
constexpr int kUnitKind = 11;
constexpr int kKeywordKind = 14;
constexpr int kColorKind = 16;

int itemKind(CompletionItem::Kind kind) {
    switch (kind) {
    case CompletionItem::Kind::Color:
        return kColorKind;
    case CompletionItem::Kind::Unit:
        return kUnitKind;
    case CompletionItem::Kind::Keyword:
        break;
    }
    return kKeywordKind;
}

// Editors draw a colour item's swatch from a "#rrggbb" in its documentation.
std::string hexOf(Rgba const& color) {
    auto const byte = [](double channel) {
        return static_cast<int>(std::clamp(channel, 0.0, 1.0) * 255 + 0.5);
    };
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (double const channel : {color.red, color.green, color.blue}) {
        int const value = byte(channel);
        text += kDigits[value / 16];
        text += kDigits[value % 16];
    }
    return text;
}

double channel(Json const& color, char const* name) {
    double const value = color.at(name).get<double>();
    return std::clamp(value, 0.0, 1.0);
}

} // namespace

Json Server::rangeOf(OpenDocument const& document, TextSpan span) const {
    return rangeJson({positionOf(document, span.begin), positionOf(document, span.end)});
}

Json Server::locationsOf(std::string const& uri, OpenDocument const& document,
                         std::vector<TextSpan> const& spans) const {
    Json locations = Json::array();
    for (TextSpan const span : spans) {
        locations.push_back({{"uri", uri}, {"range", rangeOf(document, span)}});
    }
    return locations;
}

void Server::hover(Call const& call) {
    OpenDocument const& document = documentOf(call.params);
    std::optional<Hover> const found =
        hoverAt(document.text.text(), offsetOf(document, call.params.at("position")));
    if (!found) {
        reply(call.id, nullptr);
        return;
    }
    reply(call.id, {{"contents", {{"kind", "markdown"}, {"value", found->contents}}},
                    {"range", rangeOf(document, found->span)}});
}

void Server::completion(Call const& call) {
    OpenDocument const& document = documentOf(call.params);
    Json items = Json::array();
    for (CompletionItem const& item :
         completionsAt(document.text.text(), offsetOf(document, call.params.at("position")))) {
        Json entry = {
            {"label", item.label},
            {"kind", itemKind(item.kind)},
            {"textEdit", {{"range", rangeOf(document, item.replace)}, {"newText", item.label}}}};
        if (item.color) {
            entry["documentation"] = hexOf(*item.color);
        }
        items.push_back(std::move(entry));
    }
    reply(call.id, {{"isIncomplete", false}, {"items", std::move(items)}});
}

void Server::documentColor(Call const& call) {
    OpenDocument const& document = documentOf(call.params);
    Json colors = Json::array();
    for (ColorAt const& found : documentColors(document.text.text())) {
        colors.push_back({{"range", rangeOf(document, found.span)},
                          {"color",
                           {{"red", found.color.red},
                            {"green", found.color.green},
                            {"blue", found.color.blue},
                            {"alpha", found.color.alpha}}}});
    }
    reply(call.id, std::move(colors));
}

void Server::colorPresentation(Call const& call) {
    OpenDocument const& document = documentOf(call.params);
    Json const& range = call.params.at("range");
    TextSpan const span{offsetOf(document, range.at("start")), offsetOf(document, range.at("end"))};
    Json const& color = call.params.at("color");
    Rgba const asked{channel(color, "red"), channel(color, "green"), channel(color, "blue"),
                     channel(color, "alpha")};
    Json presentations = Json::array();
    for (ColorPresentation const& form : colorPresentations(document.text.text(), span, asked)) {
        presentations.push_back(
            {{"label", form.label},
             {"textEdit", {{"range", rangeOf(document, form.replace)}, {"newText", form.label}}}});
    }
    reply(call.id, std::move(presentations));
}

void Server::definition(Call const& call) {
    OpenDocument const& document = documentOf(call.params);
    std::string const& uri = call.params.at("textDocument").at("uri").get_ref<std::string const&>();
    std::optional<NameLinks> const links =
        nameLinksAt(document.text.text(), offsetOf(document, call.params.at("position")));
    reply(call.id, links ? locationsOf(uri, document, links->definitions) : Json::array());
}

void Server::references(Call const& call) {
    OpenDocument const& document = documentOf(call.params);
    std::string const& uri = call.params.at("textDocument").at("uri").get_ref<std::string const&>();
    std::optional<NameLinks> const links =
        nameLinksAt(document.text.text(), offsetOf(document, call.params.at("position")));
    if (!links) {
        reply(call.id, Json::array());
        return;
    }
    std::vector<TextSpan> spans = links->references;
    Json const* const context = call.params.contains("context") ? &call.params["context"] : nullptr;
    if (context != nullptr && context->value("includeDeclaration", false)) {
        spans.insert(spans.begin(), links->definitions.begin(), links->definitions.end());
        std::sort(spans.begin(), spans.end(),
                  [](TextSpan a, TextSpan b) { return a.begin < b.begin; });
    }
    reply(call.id, locationsOf(uri, document, spans));
}

} // namespace Tool::Lsp
