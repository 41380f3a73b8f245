// Gathering a document's names and references as it is read, and resolving them.
#include "References.h"

#include "FormatterValues.h"
#include "types/Fields.h"
#include "types/Suggest.h"

#include <xmlattr/platform/String.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace Tool {

namespace {

constexpr std::size_t kAtName = std::string_view::npos;
constexpr std::string_view kXlinkHref = "http://www.w3.org/1999/xlink|href";
constexpr std::string_view kXmlId = "http://www.w3.org/XML/1998/namespace|id";

// What a reference names.
enum class Target : unsigned char {
    Id = 0,
    Master = 1,     // a simple-page-master or a page-sequence-master
    PageMaster = 2, // a simple-page-master only
    MarkerClass = 3,
    Region = 4, // a region of the page masters a page-sequence uses, for its flow
    FlowMap = 5,
    AnyRegion = 6, // a region of any page master, for static content
};

std::string_view targetName(Target target) {
    switch (target) {
    case Target::Id:
        return "id";
    case Target::Master:
        return "page master or page-sequence master";
    case Target::PageMaster:
        return "page master";
    case Target::MarkerClass:
        return "marker class";
    case Target::Region:
        return "region of the page masters its page-sequence uses";
    case Target::FlowMap:
        return "flow map";
    case Target::AnyRegion:
        return "region of any page master";
    }
    return "id";
}

// The attributes of XSL-FO that name or refer.
enum class FoName : unsigned char {
    None = 0,
    Id = 1,
    RefId = 2,
    InternalDestination = 3,
    MasterReference = 4,
    MasterName = 5,
    FlowName = 6,
    RegionName = 7,
    MarkerClassName = 8,
    RetrieveClassName = 9,
    FlowMapReference = 10,
    FlowMapName = 11,
};

FoName foName(std::string_view name) {
    // By length first: most attributes are none of these and cost one compare at most.
    switch (name.size()) {
    case 2:
        return name == "id" ? FoName::Id : FoName::None;
    case 6:
        return name == "ref-id" ? FoName::RefId : FoName::None;
    case 9:
        return name == "flow-name" ? FoName::FlowName : FoName::None;
    case 11:
        return name == "master-name"   ? FoName::MasterName
               : name == "region-name" ? FoName::RegionName
                                       : FoName::None;
    case 13:
        return name == "flow-map-name" ? FoName::FlowMapName : FoName::None;
    case 16:
        return name == "master-reference" ? FoName::MasterReference : FoName::None;
    case 17:
        return name == "marker-class-name" ? FoName::MarkerClassName : FoName::None;
    case 18:
        return name == "flow-map-reference" ? FoName::FlowMapReference : FoName::None;
    case 19:
        return name == "retrieve-class-name" ? FoName::RetrieveClassName : FoName::None;
    case 20:
        return name == "internal-destination" ? FoName::InternalDestination : FoName::None;
    case kXmlId.size():
        return name == kXmlId ? FoName::Id : FoName::None;
    default:
        return FoName::None;
    }
}

// The XSL-FO elements whose names or references depend on where they stand.
enum class FoElement : unsigned char {
    Other = 0,
    PageSequence = 1,
    SimplePageMaster = 2,
    PageSequenceMaster = 3,
    MasterChoice = 4, // single-, repeatable- and conditional-page-master-reference
    Region = 5,
    Flow = 6,
    StaticContent = 7,
    Marker = 8,
};

// The five classes of region, each named by its element; "xsl-" before it is its default
// name, reserved to it.
constexpr std::string_view kRegionClasses[] = {"region-body", "region-before", "region-after",
                                               "region-start", "region-end"};

// The names a flow may take without a region of that name.
constexpr std::string_view kReservedFlowNames[] = {
    "xsl-region-body", "xsl-region-before",          "xsl-region-after",      "xsl-region-start",
    "xsl-region-end",  "xsl-before-float-separator", "xsl-footnote-separator"};

FoElement foElement(std::string_view element) {
    // By length first, as foName: every element is asked about, and few are any of these.
    auto const is = [&](std::string_view name, FoElement kind) {
        return element == name ? kind : FoElement::Other;
    };
    switch (element.size()) {
    case 4:
        return is("flow", FoElement::Flow);
    case 6:
        return is("marker", FoElement::Marker);
    case 10:
    case 11:
    case 12:
        return std::find(std::begin(kRegionClasses), std::end(kRegionClasses), element) !=
                       std::end(kRegionClasses)
                   ? FoElement::Region
                   : FoElement::Other;
    case 13:
        return element == "region-before" ? FoElement::Region
                                          : is("page-sequence", FoElement::PageSequence);
    case 14:
        return is("static-content", FoElement::StaticContent);
    case 18:
        return is("simple-page-master", FoElement::SimplePageMaster);
    case 20:
        return is("page-sequence-master", FoElement::PageSequenceMaster);
    case 28:
        return is("single-page-master-reference", FoElement::MasterChoice);
    case 32:
        return is("repeatable-page-master-reference", FoElement::MasterChoice);
    case 33:
        return is("conditional-page-master-reference", FoElement::MasterChoice);
    default:
        return FoElement::Other;
    }
}

bool isReservedFlowName(std::string_view name) {
    return std::find(std::begin(kReservedFlowNames), std::end(kReservedFlowNames), name) !=
           std::end(kReservedFlowNames);
}

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// One local IRI reference in an SVG value: the id and where it stands in the value.
struct LocalIri {
    std::size_t at = 0;
    std::size_t length = 0;
};

// The "url(#id)" references of `value` (CSS writes "url" in any case, quoted or not); one to
// another document ("url(other.svg#id)") is not this document's concern.
template <typename Each> void eachLocalUrl(std::string_view value, Each const& each) {
    for (std::size_t open = value.find('('); open != std::string_view::npos;
         open = value.find('(', open + 1)) {
        if (open < 3 || lowered(value[open - 3]) != 'u' || lowered(value[open - 2]) != 'r' ||
            lowered(value[open - 1]) != 'l') {
            continue;
        }
        std::size_t at = open + 1;
        while (at < value.size() && isSpace(value[at])) {
            ++at;
        }
        char quote = ')';
        if (at < value.size() && (value[at] == '"' || value[at] == '\'')) {
            quote = value[at++];
        }
        if (at >= value.size() || value[at] != '#') {
            continue;
        }
        std::size_t const start = ++at;
        while (at < value.size() && value[at] != quote && value[at] != ')' && !isSpace(value[at])) {
            ++at;
        }
        if (at > start) {
            each(LocalIri{start, at - start});
        }
    }
}

// A reference whose target was not known when it was read.
struct Pending {
    Target target = Target::Id;
    Vocabulary vocabulary = Vocabulary::XslFo;
    Severity severity = Severity::Error;
    Position position;
    Range range;
    std::optional<Range> part;
    // The attribute (or style property) as it is shown, its element, and its value, which
    // holds the name referred to at `at`.
    std::string attribute;
    std::string element;
    std::string value;
    std::size_t at = 0;
    std::size_t length = 0;
    // For a flow, the page-sequence it belongs to.
    std::size_t sequence = 0;

    std::string_view name() const { return std::string_view(value).substr(at, length); }
};

// Names are looked up by the reader's text, without a copy.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        return std::hash<std::string_view>{}(text);
    }
};
template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;
using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

// Where an element starts, as a byte offset (see AttributeLocator::mark).
using Mark = long;

// A document's names of one kind, and where the element of each first stands.
using Names = TextMap<Mark>;

// NAME="VALUE" as the other diagnostics echo it, filling the diagnostic's value fields.
std::string echo(Diagnostic& diagnostic, std::string_view value) {
    diagnostic.value = echoed(value, diagnostic.valueLength);
    std::string text = diagnostic.attribute + "=" + inQuotes(diagnostic.value);
    if (diagnostic.value.size() < value.size()) {
        text += "... (" + std::to_string(diagnostic.valueLength) + " code units)";
    }
    return text;
}

// The closest of the names given to `name`, or nothing. Most documents never ask, so the names
// are only held (by view: they outlive this) until a near miss is looked for; only then are
// they sorted and widened to UTF-16.
class NearNames {
public:
    template <typename Range> void reset(Range const& names) {
        m_names.clear();
        m_memo.clear();
        m_ready = false;
        for (auto const& name : names) {
            add(name);
        }
    }
    void add(std::string_view name) {
        m_names.push_back(name);
        m_ready = false;
    }
    std::optional<std::string> nearest(std::string_view name) {
        auto const memo = m_memo.find(name);
        if (memo != m_memo.end()) {
            return memo->second;
        }
        prepare();
        std::optional<std::string> found =
            suggest(Core::String(name), m_views, [&](Core::String const& attempt) {
                return std::binary_search(m_names.begin(), m_names.end(), attempt.toUtf8());
            });
        m_memo.emplace(std::string(name), found);
        return found;
    }

private:
    void prepare() {
        if (m_ready) {
            return;
        }
        std::sort(m_names.begin(), m_names.end());
        m_names.erase(std::unique(m_names.begin(), m_names.end()), m_names.end());
        m_wide.clear();
        m_wide.reserve(m_names.size());
        for (std::string_view const name : m_names) {
            // Names are mostly ASCII, which widens unit for unit without decoding.
            if (std::all_of(name.begin(), name.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
                m_wide.emplace_back(name.begin(), name.end());
            } else {
                m_wide.emplace_back(Core::String(name).view());
            }
        }
        // In UTF-16 order, stable, so that of two names as close the same one is offered each
        // run.
        m_views.assign(m_wide.begin(), m_wide.end());
        std::sort(m_views.begin(), m_views.end());
        m_ready = true;
    }

    std::vector<std::string_view> m_names;
    std::vector<std::u16string> m_wide;
    std::vector<std::u16string_view> m_views;
    bool m_ready = false;
    TextMap<std::optional<std::string>> m_memo;
};

} // namespace

struct References::State {
    State(FileReport& target, AttributeLocator where) : report(target), locator(where) {}

    FileReport& report;
    AttributeLocator locator;

    // XSL-FO: one set of names for the whole document.
    struct Master {
        Mark mark = 0;
        bool sequence = false;
        std::size_t index = 0;
    };
    struct Sequence {
        std::string master;
        // With a flow map, flows are assigned to regions by the map, not by their names.
        bool mapped = false;
        Names flows;
    };
    struct RegionName {
        std::string_view regionClass;
        Mark mark = 0;
        // A slip in one page master would otherwise be reported at every other use.
        bool reported = false;
    };
    Names foIds;
    TextMap<Master> masters;
    std::vector<std::vector<std::string>> pageMasterRegions;
    std::vector<std::vector<std::string>> sequenceMasterChoices;
    TextMap<RegionName> regionNames;
    TextSet markerClasses;
    Names flowMaps;
    std::vector<Sequence> sequences;
    std::vector<Pending> foPending;

    // SVG: the names of the fragment being read.
    Names svgIds;
    std::vector<Pending> svgPending;

    // Found unresolved, waiting for the end of the document; counted only if it comes.
    std::vector<Diagnostic> unresolved;

    Mark mark() const { return locator.mark(locator.context); }

    // Where an element marked earlier stands, for a note.
    std::string placeOf(Mark first) const {
        Position position;
        if (!locator.recall(locator.context, first, position)) {
            return "earlier in the document";
        }
        return "at line " + std::to_string(position.line) + ", column " +
               std::to_string(position.column);
    }

    Position locate(std::string_view name) const {
        return locator.locate(locator.context, name, {}, kAtName, kAtName).start;
    }

    // Where a reference stands: the position shown (its attribute's name, or at `offset` of
    // `whole`, a style declaration's property), the value's range, and the name's own range
    // where it is less than the value. `value` lies inside `whole` when `whole` is given.
    void place(Pending& pending, std::string_view readerName, std::string_view value,
               std::size_t offset, std::string_view whole) const {
        std::string_view const source = whole.empty() ? value : whole;
        std::size_t const base =
            whole.empty() ? 0 : static_cast<std::size_t>(value.data() - whole.data());
        auto const range = [&](std::size_t begin, std::size_t end) {
            return locator.locate(locator.context, readerName, source, base + begin, base + end);
        };
        pending.position =
            offset == kAtName ? locate(readerName) : range(offset - base, offset - base).start;
        pending.range = range(0, value.size());
        if (pending.at > 0 || pending.length < value.size()) {
            pending.part = range(pending.at, pending.at + pending.length);
        }
    }

    void count(Diagnostic const& diagnostic) {
        ++(diagnostic.severity == Severity::Error ? report.references.errors
                                                  : report.references.warnings);
    }

    // A diagnostic known while its element is read: placed among the element's others.
    void emitNow(Diagnostic diagnostic) {
        count(diagnostic);
        // Mostly it comes after all the others, and needs no search.
        if (report.diagnostics.empty() ||
            !before(diagnostic.position, report.diagnostics.back().position)) {
            report.diagnostics.push_back(std::move(diagnostic));
            return;
        }
        auto const at = std::upper_bound(report.diagnostics.begin(), report.diagnostics.end(),
                                         diagnostic, [](Diagnostic const& a, Diagnostic const& b) {
                                             return before(a.position, b.position);
                                         });
        report.diagnostics.insert(at, std::move(diagnostic));
    }

    // A second definition of a name that must be unique; `first` is where the first stands.
    void duplicate(Vocabulary vocabulary, std::string_view attribute, std::string_view element,
                   std::string_view readerName, std::string_view value, std::string_view scope,
                   Mark first) {
        Diagnostic diagnostic;
        diagnostic.position = locate(readerName);
        diagnostic.finding = Finding::DuplicateName;
        diagnostic.vocabulary = vocabulary;
        diagnostic.attribute = attribute;
        diagnostic.element = element;
        diagnostic.type = "name";
        diagnostic.message = echo(diagnostic, value) + " is not unique" + std::string(scope);
        diagnostic.notes.push_back("the first element with " + diagnostic.attribute + "=" +
                                   inQuotes(diagnostic.value) + " is " + placeOf(first));
        emitNow(std::move(diagnostic));
    }

    // Records a name that must be unique in `names`, reporting a second one.
    void define(Names& names, Vocabulary vocabulary, std::string_view attribute,
                std::string_view element, std::string_view readerName, std::string_view value,
                std::string_view scope = {}) {
        std::string_view const name = trimmed(value);
        if (name.empty()) {
            return;
        }
        ++report.references.values;
        // The element's own position: cheaper than the attribute's, and the note only needs
        // to lead the reader there.
        auto const found = names.find(name);
        if (found == names.end()) {
            names.emplace(std::string(name), mark());
        } else {
            duplicate(vocabulary, attribute, element, readerName, value, scope, found->second);
        }
    }

    void defer(Target target, Vocabulary vocabulary, std::string_view attribute,
               std::string_view element, std::string_view readerName, std::string_view value,
               std::size_t at, std::size_t length, Severity severity = Severity::Error,
               std::size_t offset = kAtName, std::size_t sequence = 0) {
        Pending pending;
        pending.target = target;
        pending.vocabulary = vocabulary;
        pending.severity = severity;
        pending.at = at;
        pending.length = length;
        place(pending, readerName, value, offset, {});
        pending.attribute = attribute;
        pending.element = element;
        pending.value = value;
        pending.sequence = sequence;
        (vocabulary == Vocabulary::Svg ? svgPending : foPending).push_back(std::move(pending));
    }

    bool known(Target target, std::string_view name) const {
        switch (target) {
        case Target::Id:
            return foIds.count(name) != 0;
        case Target::Master:
            return masters.count(name) != 0;
        case Target::PageMaster: {
            auto const found = masters.find(name);
            return found != masters.end() && !found->second.sequence;
        }
        case Target::MarkerClass:
            return markerClasses.count(name) != 0;
        case Target::FlowMap:
            return flowMaps.count(name) != 0;
        case Target::AnyRegion:
            return regionNames.count(name) != 0;
        case Target::Region:
            return false;
        }
        return false;
    }

    // A flow's name that is reserved or names a region of its page-sequence's masters: what
    // is so now stays so to the document's end, as masters and regions are only added, so the
    // flow need not be kept (and placed) for the end.
    bool flowTaken(Sequence const& sequence, std::string_view name) const {
        if (isReservedFlowName(name)) {
            return true;
        }
        std::optional<std::vector<std::string_view>> const regions = regionsOf(sequence);
        return regions && std::find(regions->begin(), regions->end(), name) != regions->end();
    }

    // An XSL-FO reference: resolved now when its target has been read, else kept.
    void refer(Target target, std::string_view attribute, std::string_view element,
               std::string_view value, Severity severity = Severity::Error,
               std::size_t sequence = 0) {
        std::string_view const name = trimmed(value);
        if (name.empty()) {
            return;
        }
        ++report.references.values;
        if (known(target, name) ||
            (target == Target::Region && flowTaken(sequences[sequence], name))) {
            return;
        }
        defer(target, Vocabulary::XslFo, attribute, element, attribute, value,
              static_cast<std::size_t>(name.data() - value.data()), name.size(), severity, kAtName,
              sequence);
    }

    void foElementStart(FoElement kind, std::string_view element, char const* const* attributes) {
        switch (kind) {
        case FoElement::PageSequence:
            sequences.emplace_back();
            break;
        case FoElement::SimplePageMaster:
            pageMasterRegions.emplace_back();
            break;
        case FoElement::PageSequenceMaster:
            sequenceMasterChoices.emplace_back();
            break;
        default:
            break;
        }
        std::optional<std::string_view> regionName;
        for (std::size_t i = 0; attributes[2 * i] != nullptr; ++i) {
            std::string_view const attribute = attributes[2 * i];
            std::string_view const value = attributes[2 * i + 1];
            switch (foName(attribute)) {
            case FoName::None:
                break;
            case FoName::Id:
                define(foIds, Vocabulary::XslFo, attribute == kXmlId ? "xml:id" : "id", element,
                       attribute, value);
                break;
            case FoName::RefId:
            case FoName::InternalDestination:
                refer(Target::Id, attribute, element, value);
                break;
            case FoName::MasterReference:
                if (kind == FoElement::PageSequence) {
                    sequences.back().master = trimmed(value);
                    refer(Target::Master, attribute, element, value);
                } else if (kind == FoElement::MasterChoice) {
                    if (!sequenceMasterChoices.empty()) {
                        sequenceMasterChoices.back().emplace_back(trimmed(value));
                    }
                    refer(Target::PageMaster, attribute, element, value);
                }
                break;
            case FoName::MasterName:
                if (kind == FoElement::SimplePageMaster || kind == FoElement::PageSequenceMaster) {
                    defineMaster(kind, element, attribute, value);
                }
                break;
            case FoName::FlowName:
                if ((kind == FoElement::Flow || kind == FoElement::StaticContent) &&
                    !sequences.empty()) {
                    define(sequences.back().flows, Vocabulary::XslFo, attribute, element, attribute,
                           value, " in its page-sequence");
                    // Static content for a region its pages lack is simply not shown there
                    // (stylesheets write it for every kind of page); only a name no page
                    // master has is surely a slip.
                    if (kind == FoElement::Flow) {
                        refer(Target::Region, attribute, element, value, Severity::Error,
                              sequences.size() - 1);
                    } else if (!isReservedFlowName(trimmed(value))) {
                        refer(Target::AnyRegion, attribute, element, value, Severity::Warning);
                    }
                }
                break;
            case FoName::RegionName:
                regionName = value;
                break;
            case FoName::MarkerClassName:
                if (kind == FoElement::Marker && !trimmed(value).empty()) {
                    ++report.references.values;
                    markerClasses.emplace(trimmed(value));
                }
                break;
            case FoName::RetrieveClassName:
                // A page template may retrieve a class that this document never marks: it
                // retrieves nothing, which is allowed, and a typo looks the same.
                refer(Target::MarkerClass, attribute, element, value, Severity::Warning);
                break;
            case FoName::FlowMapReference:
                if (kind == FoElement::PageSequence) {
                    sequences.back().mapped = true;
                }
                refer(Target::FlowMap, attribute, element, value);
                break;
            case FoName::FlowMapName:
                define(flowMaps, Vocabulary::XslFo, attribute, element, attribute, value);
                break;
            }
        }
        if (kind == FoElement::Region) {
            defineRegion(element, regionName);
        }
    }

    void defineMaster(FoElement kind, std::string_view element, std::string_view attribute,
                      std::string_view value) {
        std::string_view const name = trimmed(value);
        if (name.empty()) {
            return;
        }
        ++report.references.values;
        bool const sequence = kind == FoElement::PageSequenceMaster;
        std::size_t const index =
            (sequence ? sequenceMasterChoices.size() : pageMasterRegions.size()) - 1;
        auto const [found, added] =
            masters.try_emplace(std::string(name), Master{mark(), sequence, index});
        if (!added) {
            duplicate(Vocabulary::XslFo, attribute, element, attribute, value, {},
                      found->second.mark);
        }
    }

    // A region's name, given or its class's default: the reserved names belong to their own
    // class, and any other name to the class that first uses it.
    void defineRegion(std::string_view element, std::optional<std::string_view> given) {
        std::string name = given ? std::string(trimmed(*given)) : "xsl-" + std::string(element);
        if (name.empty()) {
            return;
        }
        ++report.references.values;
        std::string_view const regionClass =
            *std::find(std::begin(kRegionClasses), std::end(kRegionClasses), element);
        if (!pageMasterRegions.empty()) {
            pageMasterRegions.back().push_back(name);
        }
        auto const conflict = [&](std::string message, std::optional<Mark> first) {
            Diagnostic diagnostic;
            diagnostic.position = locate("region-name");
            diagnostic.finding = Finding::RegionNameConflict;
            diagnostic.vocabulary = Vocabulary::XslFo;
            diagnostic.attribute = "region-name";
            diagnostic.element = element;
            diagnostic.type = "name";
            diagnostic.message = echo(diagnostic, given.value_or(name)) + message;
            if (first) {
                diagnostic.notes.push_back("the first region named " + inQuotes(name) + " is " +
                                           placeOf(*first));
            }
            emitNow(std::move(diagnostic));
        };
        if (name.starts_with("xsl-region-") && name != "xsl-" + std::string(regionClass) &&
            std::find(std::begin(kRegionClasses), std::end(kRegionClasses),
                      std::string_view(name).substr(4)) != std::end(kRegionClasses)) {
            conflict(" is reserved for " + name.substr(4), std::nullopt);
            return;
        }
        auto const [found, added] = regionNames.try_emplace(name, RegionName{regionClass, mark()});
        if (!added && found->second.regionClass != regionClass && !found->second.reported) {
            found->second.reported = true;
            conflict(" already names a " + std::string(found->second.regionClass) +
                         "; a region name belongs to one class of region",
                     found->second.mark);
        }
    }

    void svgElementStart(std::string_view element, char const* const* attributes) {
        for (std::size_t i = 0; attributes[2 * i] != nullptr; ++i) {
            std::string_view const attribute = attributes[2 * i];
            std::string_view const value = attributes[2 * i + 1];
            if (attribute == "id" || attribute == kXmlId) {
                define(svgIds, Vocabulary::Svg, attribute == "id" ? "id" : "xml:id", element,
                       attribute, value);
            } else if (attribute == "href" || attribute == kXlinkHref) {
                referByHref(attribute == "href" ? "href" : "xlink:href", element, attribute, value);
            } else if (attribute == "style") {
                referInStyle(element, value);
            } else if (attribute.find('|') == std::string_view::npos) {
                eachLocalUrl(value, [&](LocalIri iri) {
                    referSvg(attribute, element, attribute, value, iri, kAtName);
                });
            }
        }
    }

    // A local IRI ("#id"); a fragment that is a function ("#svgView(...)", "#xpointer(...)")
    // names no element.
    void referByHref(std::string_view shown, std::string_view element, std::string_view readerName,
                     std::string_view value) {
        std::string_view const text = trimmed(value);
        if (text.size() < 2 || text.front() != '#' || text.find('(') != std::string_view::npos) {
            return;
        }
        referSvg(
            shown, element, readerName, value,
            LocalIri{static_cast<std::size_t>(text.data() - value.data()) + 1, text.size() - 1},
            kAtName);
    }

    // Each reference of a `style` attribute, shown as its declaration and placed at its
    // property's name.
    void referInStyle(std::string_view element, std::string_view style) {
        eachLocalUrl(style, [&](LocalIri iri) {
            std::size_t const start = style.rfind(';', iri.at);
            std::size_t const begin = start == std::string_view::npos ? 0 : start + 1;
            std::size_t end = style.find(';', iri.at);
            if (end == std::string_view::npos) {
                end = style.size();
            }
            std::string_view const declaration = style.substr(begin, end - begin);
            std::size_t const colon = declaration.find(':');
            if (colon == std::string_view::npos || begin + colon > iri.at) {
                return;
            }
            std::string_view const property = trimmed(declaration.substr(0, colon));
            std::string_view const value = trimmed(declaration.substr(colon + 1));
            std::size_t const valueStart = static_cast<std::size_t>(value.data() - style.data());
            referSvg(property, element, "style", value, LocalIri{iri.at - valueStart, iri.length},
                     static_cast<std::size_t>(property.data() - style.data()), style);
        });
    }

    void referSvg(std::string_view shown, std::string_view element, std::string_view readerName,
                  std::string_view value, LocalIri iri, std::size_t offset,
                  std::string_view whole = {}) {
        std::string_view const name = value.substr(iri.at, iri.length);
        ++report.references.values;
        if (svgIds.count(name) != 0) {
            return;
        }
        Pending pending;
        pending.target = Target::Id;
        pending.vocabulary = Vocabulary::Svg;
        pending.at = iri.at;
        pending.length = iri.length;
        place(pending, readerName, value, offset, whole);
        pending.attribute = shown;
        pending.element = element;
        pending.value = value;
        svgPending.push_back(std::move(pending));
    }

    // The diagnostic for a reference found wanting, with the name the writer likely meant.
    void unresolvedReference(Pending const& pending, NearNames& near) {
        Diagnostic diagnostic;
        diagnostic.position = pending.position;
        diagnostic.range = pending.range;
        diagnostic.part = pending.part;
        diagnostic.severity = pending.severity;
        diagnostic.finding = Finding::UnresolvedReference;
        diagnostic.vocabulary = pending.vocabulary;
        diagnostic.attribute = pending.attribute;
        diagnostic.element = pending.element;
        diagnostic.type = "reference";
        diagnostic.message = echo(diagnostic, pending.value) + " refers to no " +
                             std::string(targetName(pending.target));
        if (pending.target == Target::AnyRegion) {
            diagnostic.message += "; its content is never shown";
        } else if (pending.target == Target::MarkerClass) {
            diagnostic.message += "; nothing is retrieved";
        }
        if (pending.target == Target::PageMaster) {
            auto const master = masters.find(pending.name());
            if (master != masters.end()) {
                diagnostic.notes.push_back(inQuotes(pending.name()) +
                                           " names a page-sequence-master, which cannot be "
                                           "chosen for a page");
            }
        }
        if (std::optional<std::string> const name = near.nearest(pending.name())) {
            // A suggestion, as for a value: worded as a note, and an editor's quick fix.
            diagnostic.suggestion = pending.value.substr(0, pending.at) + *name +
                                    pending.value.substr(pending.at + pending.length);
        }
        unresolved.push_back(std::move(diagnostic));
    }

    void closeFragment() {
        if (!svgPending.empty()) {
            NearNames near;
            bool filled = false;
            for (Pending const& pending : svgPending) {
                if (svgIds.count(pending.name()) == 0) {
                    if (!filled) {
                        for (auto const& id : svgIds) {
                            near.add(id.first);
                        }
                        filled = true;
                    }
                    unresolvedReference(pending, near);
                }
            }
        }
        svgIds.clear();
        svgPending.clear();
    }

    // The region names of the page masters a page-sequence uses; nothing when one of them is
    // not known, as the flows cannot then be judged.
    std::optional<std::vector<std::string_view>> regionsOf(Sequence const& sequence) const {
        auto const master = masters.find(sequence.master);
        if (sequence.mapped || master == masters.end()) {
            return std::nullopt;
        }
        std::vector<std::string_view> regions;
        auto const add = [&](std::size_t pageMaster) {
            regions.insert(regions.end(), pageMasterRegions[pageMaster].begin(),
                           pageMasterRegions[pageMaster].end());
        };
        if (!master->second.sequence) {
            add(master->second.index);
            return regions;
        }
        for (std::string const& choice : sequenceMasterChoices[master->second.index]) {
            auto const chosen = masters.find(choice);
            if (chosen == masters.end() || chosen->second.sequence) {
                return std::nullopt;
            }
            add(chosen->second.index);
        }
        return regions;
    }

    void finishXslFo() {
        NearNames ids;
        NearNames others;
        bool idsFilled = false;
        for (Pending const& pending : foPending) {
            if (pending.target == Target::Region) {
                std::optional<std::vector<std::string_view>> const regions =
                    regionsOf(sequences[pending.sequence]);
                std::string_view const name = pending.name();
                if (!regions || isReservedFlowName(name) ||
                    std::find(regions->begin(), regions->end(), name) != regions->end()) {
                    continue;
                }
                others.reset(*regions);
                for (std::string_view const reserved : kReservedFlowNames) {
                    others.add(reserved);
                }
                unresolvedReference(pending, others);
                continue;
            }
            if (known(pending.target, pending.name())) {
                continue;
            }
            if (pending.target == Target::Id) {
                if (!idsFilled) {
                    for (auto const& id : foIds) {
                        ids.add(id.first);
                    }
                    idsFilled = true;
                }
                unresolvedReference(pending, ids);
                continue;
            }
            std::vector<std::string_view> candidates;
            if (pending.target == Target::MarkerClass) {
                candidates.assign(markerClasses.begin(), markerClasses.end());
            } else if (pending.target == Target::AnyRegion) {
                for (auto const& region : regionNames) {
                    candidates.push_back(region.first);
                }
            } else if (pending.target == Target::FlowMap) {
                for (auto const& map : flowMaps) {
                    candidates.push_back(map.first);
                }
            } else {
                for (auto const& master : masters) {
                    if (pending.target == Target::Master || !master.second.sequence) {
                        candidates.push_back(master.first);
                    }
                }
            }
            others.reset(candidates);
            unresolvedReference(pending, others);
        }
    }
};

NameUse xslNameUse(std::string_view element, std::string_view name) noexcept {
    FoElement const kind = foElement(element);
    switch (foName(name)) {
    case FoName::None:
        return {};
    case FoName::Id:
        return {NameKind::Id, true};
    case FoName::RefId:
    case FoName::InternalDestination:
        return {NameKind::Id, false};
    case FoName::MasterReference:
        return kind == FoElement::PageSequence || kind == FoElement::MasterChoice
                   ? NameUse{NameKind::Master, false}
                   : NameUse{};
    case FoName::MasterName:
        return kind == FoElement::SimplePageMaster || kind == FoElement::PageSequenceMaster
                   ? NameUse{NameKind::Master, true}
                   : NameUse{};
    case FoName::FlowName:
        return kind == FoElement::Flow || kind == FoElement::StaticContent
                   ? NameUse{NameKind::Region, false}
                   : NameUse{};
    case FoName::RegionName:
        return kind == FoElement::Region ? NameUse{NameKind::Region, true} : NameUse{};
    case FoName::MarkerClassName:
        return kind == FoElement::Marker ? NameUse{NameKind::MarkerClass, true} : NameUse{};
    case FoName::RetrieveClassName:
        return {NameKind::MarkerClass, false};
    case FoName::FlowMapReference:
        return {NameKind::FlowMap, false};
    case FoName::FlowMapName:
        return {NameKind::FlowMap, true};
    }
    return {};
}

void eachLocalUrl(std::string_view value,
                  void (*each)(void* context, std::size_t begin, std::size_t end), void* context) {
    eachLocalUrl(value, [&](LocalIri iri) { each(context, iri.at, iri.at + iri.length); });
}

References::References(FileReport& report, AttributeLocator locator)
    : m_report(report), m_locator(locator) {}

References::~References() = default;

References::State& References::state() {
    if (!m_state) {
        m_state = std::make_unique<State>(m_report, m_locator);
    }
    return *m_state;
}

bool References::ignores(Vocabulary vocabulary, std::string_view attribute,
                         std::string_view value) noexcept {
    // A prefixed name ("xml:id", "xlink:href") is read under its namespace.
    if (attribute.find(':') != std::string_view::npos) {
        return false;
    }
    if (vocabulary == Vocabulary::XslFo) {
        return foName(attribute) == FoName::None;
    }
    // As `startElement` below: an SVG value refers only through "url(" or as an href, and
    // names only as an id.
    return attribute != "id" && attribute != "href" && value.find('(') == std::string_view::npos;
}

void References::startElement(Vocabulary vocabulary, std::string_view name,
                              std::string_view element, char const* const* attributes,
                              bool documentRoot) {
    if (vocabulary == Vocabulary::XslFo) {
        FoElement const kind = foElement(element);
        bool relevant = kind != FoElement::Other;
        for (std::size_t i = 0; !relevant && attributes[2 * i] != nullptr; ++i) {
            relevant = foName(attributes[2 * i]) != FoName::None;
        }
        if (relevant) {
            state().foElementStart(kind, element, attributes);
        }
        return;
    }
    if (m_fragmentDepth == 0) {
        m_fragmentRoot.assign(name);
        m_fragmentDepth = 1;
        m_fragmentIsDocument = documentRoot;
    } else if (name == m_fragmentRoot) {
        ++m_fragmentDepth;
    }
    // Only what can name or refer: an id, an href, or a value with a "(" in it.
    for (std::size_t i = 0; attributes[2 * i] != nullptr; ++i) {
        std::string_view const attribute = attributes[2 * i];
        if (attribute == "id" || attribute == "href" || attribute == kXlinkHref ||
            attribute == kXmlId ||
            (attribute.find('|') == std::string_view::npos &&
             std::strchr(attributes[2 * i + 1], '(') != nullptr)) {
            state().svgElementStart(element, attributes);
            return;
        }
    }
}

void References::endElement(std::string_view name) {
    if (m_fragmentDepth > 0 && name.size() == m_fragmentRoot.size() && name == m_fragmentRoot &&
        --m_fragmentDepth == 0) {
        closeFragment();
    }
}

void References::closeFragment() {
    if (m_state) {
        m_state->closeFragment();
    }
}

void References::finish() {
    if (!m_state) {
        return;
    }
    m_fragmentDepth = 0;
    m_state->closeFragment();
    m_state->finishXslFo();
    std::vector<Diagnostic>& found = m_state->unresolved;
    if (found.empty()) {
        return;
    }
    auto const order = [](Diagnostic const& a, Diagnostic const& b) {
        return before(a.position, b.position);
    };
    std::stable_sort(found.begin(), found.end(), order);
    for (Diagnostic const& diagnostic : found) {
        m_state->count(diagnostic);
    }
    auto& diagnostics = m_report.diagnostics;
    std::size_t const middle = diagnostics.size();
    diagnostics.insert(diagnostics.end(), std::make_move_iterator(found.begin()),
                       std::make_move_iterator(found.end()));
    std::inplace_merge(diagnostics.begin(), diagnostics.begin() + static_cast<long>(middle),
                       diagnostics.end(), order);
    found.clear();
}

} // namespace Tool
