// The checker's table lookups and its own verdict, asked through a report nobody reads.
#include "ValueReaders.h"

#include "checker/ValueVerdicts.h"
#include "standard/Scanner.h"

#include <algorithm>

namespace Tool::Lsp {

namespace {

Position nowhere(void*) { return {}; }
Range nowhere(void*, std::size_t, std::size_t) { return {}; }

} // namespace

Readers readersOf(ValueAt const& place) {
    Readers readers;
    std::string key = place.name;
    if (place.inStyle) {
        // CSS property names are read in any case.
        std::transform(key.begin(), key.end(), key.begin(), Standard::lowerAscii);
    }
    std::string_view const element = place.inStyle ? std::string_view() : place.element;
    readers.type = attributeType(place.vocabulary, element, key);
    if (place.vocabulary == Vocabulary::XslFo) {
        readers.syntax = Standard::xslSyntax(key);
        readers.dialect = Standard::Dialect::XslFo;
    } else {
        readers.syntax = Standard::svgSyntax(element, key);
        readers.dialect =
            place.inStyle ? Standard::Dialect::CssDeclaration : Standard::Dialect::SvgAttribute;
    }
    return readers;
}

bool checkerIsSilent(ValueAt const& place, std::string_view value) {
    FileReport report;
    ValuePlace where;
    where.vocabulary = place.vocabulary;
    where.element = place.element;
    where.inStyle = place.inStyle;
    where.locateName = &nowhere;
    where.locate = &nowhere;
    try {
        checkValue(report, where, place.name, value);
    } catch (Core::Exception const&) {
        // The library's way of saying it reached a state it should not: no value to offer.
        takeLibraryLog();
        return false;
    }
    return report.unknown == 0 && report.diagnostics.empty();
}

} // namespace Tool::Lsp
