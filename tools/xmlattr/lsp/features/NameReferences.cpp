// One pass gathers every name given or referred to, by the checker's rules for which
// attributes do which; the one under the offset then picks its kin.
#include "NameReferences.h"

#include "checker/References.h"
#include "standard/Scanner.h"

#include <array>

namespace Tool::Lsp {

namespace {

constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";
constexpr std::string_view kXlinkNamespace = "http://www.w3.org/1999/xlink";
constexpr std::string_view kXmlId = "http://www.w3.org/XML/1998/namespace|id";

constexpr std::array<std::string_view, 5> kRegionElements = {
    "region-body", "region-before", "region-after", "region-start", "region-end"};

struct Use {
    NameKind kind = NameKind::None;
    bool defines = false;
    // XSL-FO names share one scope (0); each SVG image has its own, from 1.
    std::size_t scope = 0;
    TextSpan span;
    std::string name;
};

class Gatherer {
public:
    explicit Gatherer(std::string_view document) : m_document(document) {}

    std::vector<Use> gather() {
        DocumentScanner scanner(m_document);
        ScannedElement element;
        while (scanner.next(element)) {
            if (element.vocabulary == Vocabulary::XslFo) {
                m_inImage = false;
                xslElement(element);
            } else {
                if (!m_inImage || element.depth <= m_imageDepth) {
                    m_inImage = true;
                    m_imageDepth = element.depth;
                    ++m_scope;
                }
                svgElement(element);
            }
        }
        return std::move(m_uses);
    }

private:
    // The name `[begin, end)` of a delivered value, blanks around it left out.
    void add(NameKind kind, bool defines, std::size_t scope, DeliveredValue const& value,
             std::size_t begin, std::size_t end) {
        std::string_view const whole = value.text().substr(begin, end - begin);
        std::string_view const name = Standard::trimmed(whole);
        if (name.empty()) {
            return;
        }
        std::size_t const at = begin + static_cast<std::size_t>(name.data() - whole.data());
        m_uses.push_back(
            {kind, defines, scope, value.sourceSpan(at, at + name.size()), std::string(name)});
    }

    void xslElement(ScannedElement const& element) {
        bool namedRegion = false;
        for (ScannedAttribute const& attribute : *element.attributes) {
            if (!attribute.hasValue) {
                continue;
            }
            std::string_view readerName = attribute.name;
            if (attribute.space == kXmlNamespace && attribute.local == "id") {
                readerName = kXmlId;
            } else if (attribute.local.size() != attribute.name.size()) {
                continue;
            }
            NameUse const use = xslNameUse(element.name, readerName);
            if (use.kind == NameKind::None) {
                continue;
            }
            namedRegion = namedRegion || (use.kind == NameKind::Region && use.defines);
            DeliveredValue const value(m_document, attribute.valueSpan);
            add(use.kind, use.defines, 0, value, 0, value.text().size());
        }
        // A region without a name of its own has its class's default, "xsl-region-body".
        if (!namedRegion && std::find(kRegionElements.begin(), kRegionElements.end(),
                                      element.name) != kRegionElements.end()) {
            std::string name = "xsl-";
            name += element.name;
            m_uses.push_back({NameKind::Region, true, 0, element.nameSpan, std::move(name)});
        }
    }

    void svgElement(ScannedElement const& element) {
        for (ScannedAttribute const& attribute : *element.attributes) {
            if (!attribute.hasValue) {
                continue;
            }
            bool const prefixed = attribute.local.size() != attribute.name.size();
            bool const xmlId = attribute.space == kXmlNamespace && attribute.local == "id";
            bool const xlinkHref = attribute.space == kXlinkNamespace && attribute.local == "href";
            if (prefixed && !xmlId && !xlinkHref) {
                continue;
            }
            bool const names =
                xmlId || xlinkHref || attribute.name == "id" || attribute.name == "href";
            // Only a value with a "(", written or as a reference, can hold "url(#id)".
            if (!names &&
                !holdsAny(m_document.substr(attribute.valueSpan.begin, attribute.valueSpan.size()),
                          "(&")) {
                continue;
            }
            DeliveredValue const value(m_document, attribute.valueSpan);
            std::string_view const text = value.text();
            if (xmlId || attribute.name == "id") {
                add(NameKind::Id, true, m_scope, value, 0, text.size());
            } else if (xlinkHref || attribute.name == "href") {
                // A local IRI; a fragment that is a function ("#svgView(...)") names no element.
                std::string_view const target = Standard::trimmed(text);
                if (target.size() >= 2 && target.front() == '#' &&
                    target.find('(') == std::string_view::npos) {
                    std::size_t const begin =
                        static_cast<std::size_t>(target.data() - text.data()) + 1;
                    add(NameKind::Id, false, m_scope, value, begin, begin + target.size() - 1);
                }
            } else if (text.find('(') != std::string_view::npos) {
                struct Context {
                    Gatherer* self;
                    DeliveredValue const* value;
                } context{this, &value};
                eachLocalUrl(
                    text,
                    [](void* data, std::size_t begin, std::size_t end) {
                        auto* found = static_cast<Context*>(data);
                        found->self->add(NameKind::Id, false, found->self->m_scope, *found->value,
                                         begin, end);
                    },
                    &context);
            }
        }
    }

    std::string_view m_document;
    std::vector<Use> m_uses;
    std::size_t m_scope = 0;
    bool m_inImage = false;
    std::size_t m_imageDepth = 0;
};

} // namespace

std::optional<NameLinks> nameLinksAt(std::string_view document, std::size_t offset) {
    std::vector<Use> const uses = Gatherer(document).gather();
    auto const target = std::find_if(uses.begin(), uses.end(),
                                     [&](Use const& use) { return use.span.touches(offset); });
    if (target == uses.end()) {
        return std::nullopt;
    }
    NameLinks links;
    links.name = target->name;
    for (Use const& use : uses) {
        if (use.kind == target->kind && use.scope == target->scope && use.name == target->name) {
            (use.defines ? links.definitions : links.references).push_back(use.span);
        }
    }
    return links;
}

} // namespace Tool::Lsp
