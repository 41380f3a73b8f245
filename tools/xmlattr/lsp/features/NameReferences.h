// Going from a reference to what it names and back: ids (`url(#id)`, `href="#id"`, `ref-id`,
// `internal-destination`), page masters, regions and flows, marker classes and flow maps.
#pragma once

#include "DocumentScan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tool::Lsp {

struct NameLinks {
    /// The name, as the readers deliver it.
    std::string name;
    /// Where the name is given: the name's bytes in each defining value (a region's own
    /// element name for a region that takes its class's default name), in document order.
    /// Several for a duplicate, none for a name nothing gives.
    std::vector<TextSpan> definitions;
    /// Where it is referred to: the name's bytes in each referring value, in document order.
    std::vector<TextSpan> references;
};

/// The definitions and references of the name whose bytes hold or end at `offset`, in a
/// value that gives a name or refers to one. SVG ids are looked up in their own SVG image
/// (each image inside another document has ids of its own); nothing elsewhere.
std::optional<NameLinks> nameLinksAt(std::string_view document, std::size_t offset);

} // namespace Tool::Lsp
