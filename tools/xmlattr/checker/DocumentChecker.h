// Checks the attributes of one XSL-FO or SVG document, streamed through the XML reader.
#pragma once

#include "FileReport.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace Tool {

/// The name that stands for standard input.
inline constexpr std::string_view kStandardInput = "-";

/// Reads the document at `path` (standard input for "-") and checks every attribute of
/// elements in the XSL-FO and SVG namespaces, and of a namespace-less document whose root is
/// `svg` (with a note saying so). `shownPath` names the document in the report. A file that
/// cannot be read or is not well-formed ends the report with that fault, its position
/// given; the values checked before it stay reported and counted. A declared encoding that
/// the XML reader does not know itself is read through the system's converter when it is
/// one byte per character; any other makes the file unreadable ("encoding X not supported").
/// The file is read in pieces of 64 KiB, longer only while a token does not end in them, so
/// that what is held is a piece or the longest token.
FileReport checkDocument(std::filesystem::path const& path, std::string shownPath);

/// The same for a document already in memory.
FileReport checkDocumentText(std::string_view document, std::string shownPath);

/// A `style` attribute's text with its comments blanked out, as white space is what they read
/// as: `written` itself where it has none, else `copy` made of the same length, so that every
/// offset still names the character written there.
std::string_view withoutStyleComments(std::string_view written, std::string& copy);

} // namespace Tool
