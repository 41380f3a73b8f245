// `xmlattr check` run as a process: exit status, summaries, positions, files, formats and threads.
#include "Commands.h"
#include "ToolProcess.h"

#include <nlohmann/json.hpp>

#include <sstream>

namespace {

using namespace ToolTesting;

// The diagnostics of a run, without the summary that follows them.
std::string diagnostics(Outcome const& outcome) {
    // The summary starts a line; "checked" may be said in a diagnostic too.
    std::size_t const summary = ("\n" + outcome.out).find("\nchecked ");
    return outcome.out.substr(0, summary);
}

// -- check ------------------------------------------------------------------------------

// Line 7 has a two-byte character and a tab before its attributes: columns count
// characters, as compilers do.
constexpr std::string_view kPage =
    "<?xml version=\"1.0\"?>\n"
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" xmlns:x=\"urn:other\">\n"
    "  <fo:block space-before=\"6pt\" space-after=\"6PT\"\n"
    "      x:space-after=\"bad\" extent=\"inherit\" line-height=\"1em + 2pt\"\n"
    "      padding=\"2mm\" language=\"EN-us\" master-name=\"first\">\n"
    "    <other space-before=\"bad\"/>\n"
    "    <fo:block-container id=\"\xC3\xA9\" line-height=\"normal\"\tcolumn-gap = '  5mm'/>\n"
    "  </fo:block>\n"
    "</fo:root>\n";

constexpr std::string_view kPageReport =
    "page.fo:3:32: error: space-after=\"6PT\" is not a valid Length\n"
    "page.fo:3:32: note: did you mean \"6pt\"?\n"
    "page.fo:7:32: warning: line-height=\"normal\": valid XSL-FO, but not read by this "
    "library's LengthOrPercent\n"
    "page.fo:7:53: warning: column-gap=\"  5mm\": valid XSL-FO, but not read by this "
    "library's LengthOrPercent\n"
    "page.fo:7:53: note: did you mean \"5mm\"?\n";

TEST_F(ToolTest, CheckReportsValuesWhereTheyAre) {
    document("page.fo", kPage);
    Outcome const outcome = run({"check", "page.fo"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              std::string(kPageReport) +
                  "checked 1 file: 1 with errors, 0 with only warnings, 0 clean, 0 could not be "
                  "read, 0 not well-formed, 0 with no SVG or XSL-FO content\n"
                  "10 values: 1 error, 2 warnings, 2 skipped, 5 clean; 0 attributes neither "
                  "reader knows\n"
                  "attribute           type               values    errors  warnings   skipped\n"
                  "XSL-FO column-gap   LengthOrPercent         1         0         1         0\n"
                  "XSL-FO line-height  LengthOrPercent         2         0         1         1\n"
                  "XSL-FO space-after  Length                  1         1         0         0\n");
}

// The exit status follows the worst finding: an error is 1, a warning 0 unless warnings count
// as errors. What each value gets is tried in memory (checker/ValueVerdictsTest.cpp).
TEST_F(ToolTest, CheckExitsByTheWorstFinding) {
    struct Row {
        std::string_view element;
        int status;
        int strictStatus;
    };
    for (Row const& row : {
             Row{"<rect width='1,5pt'/>", 1, 1},
             Row{"<rect width='12PT'/>", 0, 1},
             Row{"<text font-size='medium'/>", 0, 1},
             Row{"<rect width='12pt'/>", 0, 0},
         }) {
        SCOPED_TRACE(row.element);
        document("value.svg",
                 "<svg xmlns='http://www.w3.org/2000/svg'>" + std::string(row.element) + "</svg>");
        EXPECT_EQ(run({"check", "value.svg"}).status, row.status);
        EXPECT_EQ(run({"check", "--warnings-as-errors", "value.svg"}).status, row.strictStatus);
    }
}

// The names neither reader knows are gathered over all files, each vocabulary apart, and
// listed most frequent first, the first twenty.
TEST_F(ToolTest, CheckNamesTheAttributesNeitherReaderKnows) {
    std::string many;
    std::string shown;
    for (int i = 0; i < 22; ++i) {
        std::string const name = (i < 10 ? "u0" : "u") + std::to_string(i);
        many += " " + name + "='1'";
        shown += i < 18 ? ", SVG " + name + " (1)" : "";
    }
    document("many.svg",
             "<svg xmlns='http://www.w3.org/2000/svg'><g zz='1'/><rect" + many + " zz='2'/></svg>");
    document("other.svg", "<svg xmlns='http://www.w3.org/2000/svg' zz='3' xmlns:x='urn:x' "
                          "x:zz='4'/>");
    document("other.fo", "<fo:block xmlns:fo='http://www.w3.org/1999/XSL/Format' zz='5'/>");
    Outcome const outcome = run({"check", "many.svg", "other.svg", "other.fo"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("; 26 attributes neither reader knows\n"
                               "neither reader knows: SVG zz (3), XSL-FO zz (1)" +
                               shown + " and 4 more\n"),
              std::string::npos)
        << outcome.out;
}

// The summary of a document with style declarations, every attribute counted with --stats;
// the diagnostics themselves are tried in memory (checker/ValueVerdictsTest.cpp).
TEST_F(ToolTest, CheckCountsStyleDeclarations) {
    document("icon.svg",
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"50%\">\r\n"
             "  <rect x=\"1\" y=\"1\" id=\"r\" zoom=\"2\"\r\n"
             "        style=\"font-size:medium;stroke-width : 2 ;\r\n"
             " font-size: 12pt !important;; font-size :small\"/>\r\n"
             "  <text font-size=\"currentColor\" x=\"inherit\" y=\"&#32;1\" zoom=\"1\" "
             "frob=\"x\">t</text>\r\n"
             "  <rect style=\"font-size: &quot;x&quot;\"/>\r\n"
             "</svg>\r\n");
    Outcome const outcome = run({"check", "--stats", "icon.svg"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(
        outcome.out.substr(diagnostics(outcome).size()),
        "checked 1 file: 1 with errors, 0 with only warnings, 0 clean, 0 could not be read, 0 not "
        "well-formed, 0 with no SVG or XSL-FO content\n"
        "13 values: 1 error, 2 warnings, 2 skipped, 8 clean; 3 attributes neither reader knows\n"
        "neither reader knows: SVG zoom (2), SVG frob (1)\n"
        "1 name or reference: 0 errors, 0 warnings\n"
        "attribute         type                     values    errors  warnings   skipped\n"
        "SVG font-size     SLengthOrPercent              5         1         2         1\n"
        "SVG height        SLength                       1         0         0         0\n"
        "SVG id            <name>                        1         0         0         0\n"
        "SVG stroke-width  SLength                       1         0         0         0\n"
        "SVG width         SLength                       1         0         0         0\n"
        "SVG x             <list-of-coordinates>         1         0         0         1\n"
        "SVG x             SLength                       1         0         0         0\n"
        "SVG y             <list-of-coordinates>         1         0         0         0\n"
        "SVG y             SLength                       1         0         0         0\n");
}

// UTF-16 of either byte order, with or without its byte order mark, is placed as UTF-8 is, and
// so is a single-byte encoding: the text counts code points, JSON code units, so a character
// beyond the basic plane before a tag and before a value shows in JSON only. A reference in a
// value makes its range the whole raw value.
TEST_F(ToolTest, CheckPlacesValuesInEveryEncoding) {
    std::u16string_view const text =
        u"<?xml version='1.0' encoding='UTF-16'?>\r\n<svg xmlns='http://www.w3.org/2000/svg'>\r\n"
        u"<!--\U0001F600--><text id='\U0001F600' font-size='x1' style='fill:\U0001F600;\r\n"
        u" font-size: bad' x='&amp;'/></svg>";
    auto const utf16 = [&](bool bigEndian, std::string bytes) {
        for (char16_t const unit : text) {
            char const high = static_cast<char>(unit >> 8);
            char const low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    };
    document("le.svg", utf16(false, "\xFF\xFE"));
    document("be.svg", utf16(true, "\xFE\xFF"));
    document("bare-le.svg", utf16(false, ""));
    document("bare-be.svg", utf16(true, ""));
    document("latin.svg", "<?xml version='1.0' encoding='ISO-8859-1'?>\n<svg "
                          "xmlns='http://www.w3.org/2000/svg'>\n<!--\xE9--><text id='\xE9' "
                          "font-size='x1' style='fill:\xE9;\n font-size: bad' x='&amp;'/></svg>");
    struct Row {
        std::string file;
        std::string_view fill;
        // Per diagnostic in JSON: the name's column, the value's start and end columns.
        std::string_view columns;
    };
    std::string_view const wide = "24,35,37 46,51,53 2,13,16 18,21,26 ";
    for (Row const& row :
         {Row{"le.svg", "\xF0\x9F\x98\x80", wide}, Row{"be.svg", "\xF0\x9F\x98\x80", wide},
          Row{"bare-le.svg", "\xF0\x9F\x98\x80", wide},
          Row{"bare-be.svg", "\xF0\x9F\x98\x80", wide},
          Row{"latin.svg", "\xC3\xA9", "22,33,35 44,49,50 2,13,16 18,21,26 "}}) {
        SCOPED_TRACE(row.file);
        std::string const& file = row.file;
        EXPECT_EQ(diagnostics(run({"check", file})),
                  file + ":3:22: error: font-size=\"x1\" is not a valid SLengthOrPercent\n" + file +
                      ":3:44: error: fill=\"" + std::string(row.fill) +
                      "\" is not a valid SColor\n" + file +
                      ":4:2: error: font-size=\"bad\" is not a valid SLengthOrPercent\n" + file +
                      ":4:18: error: x=\"&\" is not a valid <list-of-coordinates>\n");
        std::istringstream lines(run({"check", "--format", "json", file}).out);
        std::string columns;
        for (std::string line; std::getline(lines, line);) {
            nlohmann::json const object = nlohmann::json::parse(line);
            nlohmann::json const& range = object["range"];
            columns += object["column"].dump() + "," + range["start"]["column"].dump() + "," +
                       range["end"]["column"].dump() + " ";
        }
        EXPECT_EQ(columns, row.columns);
    }
}

// Every file is accounted for: a namespace-less svg root is checked as SVG with a note, a
// file reached again through links is checked once, and a file of neither vocabulary is
// named.
TEST_F(ToolTest, CheckAccountsForEveryFile) {
    document("set/bare.svg", "<svg width='x'><rect height='2'/></svg>");
    document("set/clean.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    document("set/plain.xml", "<doc width='nonsense'><svg width='nonsense'/></doc>");
    document("set/warned.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='12xy'/>");
    fs::create_symlink("clean.svg", docs() / "set/link.svg");
    fs::create_hard_link(docs() / "set/clean.svg", docs() / "set/hard.svg");
    fs::create_directory_symlink("..", docs() / "set/up.svg"); // a folder, whatever its name
    Outcome const outcome = run({"check", "set", "set/clean.svg"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(
        outcome.out,
        "set/bare.svg:1:1: note: the root svg element has no namespace; checked as SVG\n"
        "set/bare.svg:1:6: error: width=\"x\" is not a valid SLength\n"
        "set/warned.svg:1:41: warning: width=\"12xy\": not valid SVG; read here as 12px\n"
        "checked 4 files: 1 with errors, 1 with only warnings, 1 clean, 0 could not be read, 0 not "
        "well-formed, 1 with no SVG or XSL-FO content; 3 files reached again through a link, "
        "checked once\n"
        "4 values: 1 error, 1 warning, 0 skipped, 2 clean; 0 attributes neither reader knows\n"
        "no SVG or XSL-FO content: set/plain.xml\n"
        "attribute  type       values    errors  warnings   skipped\n"
        "SVG width  SLength         3         1         1         0\n");
}

// The note on an svg root without a namespace is said for the first such file and then
// counted, unless asked for every file.
TEST_F(ToolTest, CheckSaysARepeatedNoteOnce) {
    for (std::string const name : {"a", "b", "c"}) {
        document(name + ".svg", "<svg width='1'/>");
    }
    std::string const note = ":1:1: note: the root svg element has no namespace; checked as SVG\n";
    EXPECT_EQ(diagnostics(run({"check", "a.svg", "b.svg", "c.svg"})),
              "a.svg" + note +
                  "note: 2 more files have a root svg element without a namespace; checked as "
                  "SVG (--verbose names each)\n");
    EXPECT_EQ(diagnostics(run({"check", "--verbose", "a.svg", "b.svg", "c.svg"})),
              "a.svg" + note + "b.svg" + note + "c.svg" + note);
}

// Nothing to check is a usage error; a folder without documents beside other documents is a
// note.
TEST_F(ToolTest, CheckWantsSomethingToCheck) {
    fs::create_directories(docs() / "empty/sub");
    document("empty/notes.txt", "<svg xmlns='http://www.w3.org/2000/svg' width='x'/>");
    fs::create_directories(docs() / "links");
    fs::create_directory_symlink("../empty", docs() / "links/folder.svg");
    document("real.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    std::string const lookedFor =
        ": looked for .fo, .xml and .svg files in it and its subfolders\n";
    EXPECT_RUNS({
        {{"check"},
         2,
         "",
         "xmlattr: error: no document to check: name documents or folders (.fo, .xml and .svg "
         "files are taken from folders), or - for standard input\n"},
        {{"check", "empty"}, 2, "", "xmlattr: error: no documents in empty" + lookedFor},
        {{"check", "links", "empty"},
         2,
         "",
         "xmlattr: error: no documents in links" + lookedFor +
             "xmlattr: error: no documents in empty" + lookedFor},
        {{"check", "empty", "real.svg"},
         0,
         "checked 1 file: 0 with errors, 0 with only warnings, 1 clean, 0 could not be read, 0 "
         "not well-formed, 0 with no SVG or XSL-FO content\n"
         "1 value: 0 errors, 0 warnings, 0 skipped, 1 clean; 0 attributes neither reader knows\n",
         "xmlattr: note: no documents in empty" + lookedFor},
    });
}

// A folder or file that cannot be read is named, and the documents beside it are checked.
TEST_F(ToolTest, CheckGoesOnPastWhatItCannotRead) {
    std::string const bad = "<svg xmlns='http://www.w3.org/2000/svg' width='x'/>";
    document("set/a.svg", bad);
    document("set/locked/hidden.svg", bad);
    document("set/secret.svg", bad);
    document("set/z/last.svg", bad);
    fs::permissions(docs() / "set/locked", fs::perms::none);
    fs::permissions(docs() / "set/secret.svg", fs::perms::none);
    Launch launch;
    launch.unprivileged = true;
    Outcome const outcome = run({"check", "set"}, launch);
    fs::permissions(docs() / "set/locked", fs::perms::owner_all);
    fs::permissions(docs() / "set/secret.svg", fs::perms::owner_all);
    if (outcome.status == kCannotStart) {
        GTEST_SKIP() << "the tool cannot be run as a user whom file modes bind";
    }
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(diagnostics(outcome), "set/a.svg:1:41: error: width=\"x\" is not a valid SLength\n"
                                    "set/z/last.svg:1:41: error: width=\"x\" is not a valid "
                                    "SLength\n");
    EXPECT_EQ(outcome.err, "xmlattr: error: cannot read the folder set/locked: Permission denied\n"
                           "xmlattr: error: cannot read set/secret.svg: Permission denied\n");
}

// Linked folders are searched like the others; a link back into a folder that holds it is
// said once, however many paths lead to it, and not followed.
TEST_F(ToolTest, CheckFollowsLinkedFolders) {
    std::string const bad = "<svg xmlns='http://www.w3.org/2000/svg' width='x'/>";
    document("set/real/a.svg", bad);
    document("shared/b.svg", bad);
    fs::create_directory_symlink("../shared", docs() / "set/linked");
    fs::create_directory_symlink("../set", docs() / "shared/back");
    fs::create_directory_symlink(".", docs() / "set/real/self");
    Outcome const outcome = run({"check", "set", "shared"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(diagnostics(outcome),
              "set/linked/b.svg:1:41: error: width=\"x\" is not a valid SLength\n"
              "set/real/a.svg:1:41: error: width=\"x\" is not a valid SLength\n");
    EXPECT_NE(outcome.out.find("checked 2 files: 2 with errors, 0 with only warnings, 0 clean, "
                               "0 could not be read, 0 not well-formed, 0 with no SVG or XSL-FO "
                               "content; 2 files reached again through a link, checked once\n"),
              std::string::npos)
        << outcome.out;
    EXPECT_EQ(outcome.err, "xmlattr: note: links make a loop: set/linked/back leads back to set, "
                           "which is not searched again\n"
                           "xmlattr: note: links make a loop: set/real/self leads back to "
                           "set/real, which is not searched again\n"
                           "xmlattr: note: links make a loop: shared/back/linked leads back to "
                           "shared, which is not searched again\n");
}

TEST_F(ToolTest, CheckReadsStandardInput) {
    document("in.svg", "<svg xmlns='http://www.w3.org/2000/svg'>\n<rect width='x'/></svg>");
    Launch launch;
    launch.input = (docs() / "in.svg").string();
    Outcome const outcome = run({"check", "-"}, launch);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(diagnostics(outcome), "<stdin>:2:7: error: width=\"x\" is not a valid SLength\n");
}

TEST_F(ToolTest, CheckSearchesFoldersForDocuments) {
    std::string const bad = "<svg xmlns='http://www.w3.org/2000/svg' font-size='big'/>";
    document("set/b.svg", bad);
    document("set/A.SVG", bad);
    document("set/notes.txt", bad);
    // Named as the extension is found: the last "." of the name, never its first character.
    document("set/.svg", bad);
    document("set/e.svg.bak", bad);
    document("set/f.", bad);
    document("set/g.svgz", bad);
    document("set/v1.2/h", bad);
    document("set/deeper/c.fo",
             "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format' extent='1PX'/>");
    document("set/deeper/d.xml", "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'/>");
    Outcome const outcome = run({"check", "set"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(diagnostics(outcome),
              "set/A.SVG:1:41: error: font-size=\"big\" is not a valid SLengthOrPercent\n"
              "set/b.svg:1:41: error: font-size=\"big\" is not a valid SLengthOrPercent\n"
              "set/deeper/c.fo:1:55: error: extent=\"1PX\" is not a valid Length\n"
              "set/deeper/c.fo:1:55: note: did you mean \"1px\"?\n");
    EXPECT_NE(outcome.out.find("checked 4 files: 3 with errors, 0 with only warnings, 1 clean"),
              std::string::npos);
}

TEST_F(ToolTest, CheckReportsDocumentsThatAreNotWellFormed) {
    document("broken.fo", "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'>\n"
                          "  <fo:block extent='1PT'>\n"
                          "</fo:root>\n");
    document("empty.svg", "");
    document("bytes.svg", "<svg xmlns='http://www.w3.org/2000/svg' id='\xFF'/>");
    document("good.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    Outcome const outcome =
        run({"check", "broken.fo", "empty.svg", "bytes.svg", "good.svg", "missing.fo"});
    EXPECT_EQ(outcome.status, 2);
    // The values read before the fault are reported and counted.
    EXPECT_EQ(
        outcome.out,
        "broken.fo:2:13: error: extent=\"1PT\" is not a valid Length\n"
        "broken.fo:2:13: note: did you mean \"1pt\"?\n"
        "checked 5 files: 0 with errors, 0 with only warnings, 1 clean, 1 could not be read, 3 not "
        "well-formed, 0 with no SVG or XSL-FO content\n"
        "2 values: 1 error, 0 warnings, 0 skipped, 1 clean; 0 attributes neither reader knows\n"
        "attribute      type      values    errors  warnings   skipped\n"
        "XSL-FO extent  Length         1         1         0         0\n");
    EXPECT_EQ(outcome.err, "broken.fo:3:3: error: not well-formed XML: mismatched tag\n"
                           "empty.svg:1:1: error: not well-formed XML: no element found\n"
                           "bytes.svg:1:45: error: not well-formed XML: not well-formed "
                           "(invalid token)\n"
                           "xmlattr: error: cannot read missing.fo: No such file or directory\n");
}

// Documents are streamed in 64 KiB pieces: tags that straddle two pieces keep their
// attributes' positions.
TEST_F(ToolTest, CheckStreamsLargeDocuments) {
    constexpr int kLines = 400;
    std::string const padding(1000, 'p');
    std::ostringstream text;
    std::ostringstream expected;
    text << "<svg xmlns=\"http://www.w3.org/2000/svg\">\n";
    for (int line = 2; line < kLines + 2; ++line) {
        int const indent = line % 7;
        std::string const number = std::to_string(line);
        std::string const row = std::string(static_cast<std::size_t>(indent), ' ') + "<rect id=\"" +
                                padding + number + "\" width=\"" + number + "\" height=\"" +
                                number + "%\" font-size=\"x" + number + "\"/>\n";
        text << row;
        std::size_t const column = row.find("font-size") + 1;
        expected << "big.svg:" << line << ":" << column << ": error: font-size=\"x" << line
                 << "\" is not a valid SLengthOrPercent\n";
    }
    text << "</svg>\n";
    document("big.svg", text.str());
    ASSERT_GT(text.str().size(), 5u * 65536u);
    Outcome const outcome = run({"check", "big.svg"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(diagnostics(outcome), expected.str());
    EXPECT_NE(outcome.out.find("1600 values: 400 errors, 0 warnings, 0 skipped, 1200 clean"),
              std::string::npos);
}

// A `style` of 10 MB takes about sixteen times as long as one of a sixteenth of that: its
// declarations and their positions are read in one pass, and so is a long list. A value is echoed
// up to 80 UTF-16 code units, with its length.
TEST_F(ToolTest, CheckReadsLongStylesInLinearTime) {
    constexpr std::string_view kDeclarations = "fill:#abc;stroke-width:1;\nopacity:0.5;";
    auto const styled = [&](std::string const& name, std::size_t bytes) {
        std::string style;
        while (style.size() < bytes) {
            style += kDeclarations;
        }
        // A list of coordinates a quarter as long is read in one pass too, and so is a path
        // whose last command the library reads leniently.
        std::string coordinates;
        std::string path;
        while (coordinates.size() < bytes / 4) {
            coordinates += "1.5 -2 3e1 ";
            path += " L3 4";
        }
        document(name, "<svg xmlns='http://www.w3.org/2000/svg'><rect style='" + style +
                           "font-size:" + std::string(100, 'x') + "\xC3\xA9'/><text x='" +
                           coordinates + "'/><path d='M1 2" + path + " L'/></svg>");
    };
    constexpr std::size_t kLong = 10u << 20;
    styled("short.svg", kLong / 16);
    styled("long.svg", kLong);
    auto const fastest = [&](std::string const& name) {
        Outcome best = run({"check", name});
        for (int i = 0; i < 1; ++i) {
            Outcome const again = run({"check", name});
            best = again.cpu < best.cpu ? again : best;
        }
        return best;
    };
    Outcome const shorter = fastest("short.svg");
    Outcome const longer = fastest("long.svg");
    EXPECT_EQ(longer.status, 1);
    EXPECT_LT(longer.cpu, 16 * 3 * shorter.cpu + std::chrono::milliseconds(200));
    std::string const report = diagnostics(longer);
    EXPECT_NE(report.find(": warning: d=\"M1 2 L3 4 L3 4 L3 4 "), std::string::npos) << report;
    EXPECT_NE(report.find("not valid SVG; read here as a PathData (too long to show)\n"),
              std::string::npos);
    EXPECT_NE(report.find(": error: font-size=\"" + std::string(80, 'x') +
                          "\"... (101 code units) is not a valid SLengthOrPercent\n"),
              std::string::npos)
        << report;
}

// On a terminal a progress line names each document on standard error, and is wiped before
// anything else is written and at the end.
TEST_F(ToolTest, CheckShowsProgressOnATerminal) {
    document("a.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    document("b.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='1'/>");
    int const terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal), 0);
    ASSERT_EQ(unlockpt(terminal), 0);
    Launch launch;
    launch.errorDevice = ptsname(terminal);
    Outcome const outcome = run({"check", "a.svg", "b.svg"}, launch);
    fcntl(terminal, F_SETFL, O_NONBLOCK);
    std::string shown;
    char buffer[4096];
    for (ssize_t got; (got = read(terminal, buffer, sizeof buffer)) > 0;) {
        shown.append(buffer, static_cast<std::size_t>(got));
    }
    close(terminal);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(shown.rfind("\r\033[Kchecking 1/2 a.svg", 0), 0u) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 4), "\r\033[K") << shown;
    EXPECT_EQ(outcome.out.rfind("checked 2 files", 0), 0u);
}

constexpr std::string_view kFindings =
    "<svg xmlns='http://www.w3.org/2000/svg'>\n"
    "<rect width='x' height='12xy' fill='Black'/><text font-size='medium'/>\n"
    "</svg>\n";

// JSON lines: an object per diagnostic, each a whole JSON document; the summary goes to
// standard error.
TEST_F(ToolTest, CheckWritesJsonLines) {
    document("f.svg", kFindings);
    document("bad.svg", "<svg");
    Outcome const outcome = run({"check", "--format", "json", "f.svg", "bad.svg"});
    EXPECT_EQ(outcome.status, 2);
    std::vector<nlohmann::json> objects;
    std::istringstream lines(outcome.out);
    for (std::string line; std::getline(lines, line);) {
        objects.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(objects.size(), 5u);
    EXPECT_EQ(
        objects[0].dump(),
        R"({"attribute":"width","column":7,"element":"rect","file":"f.svg",)"
        R"("finding":"invalid-value","line":2,"message":"width=\"x\" is not a valid SLength",)"
        R"("notes":[],"part":null,"range":{"end":{"column":15,"line":2},)"
        R"("start":{"column":14,"line":2}},"reading":null,"severity":"error","type":"SLength",)"
        R"("value":"x","valueLength":1})");
    EXPECT_EQ(objects[1]["finding"], "read-but-not-valid");
    EXPECT_EQ(objects[1]["reading"], "12px");
    EXPECT_EQ(objects[2]["finding"], "valid-but-not-read");
    EXPECT_EQ(objects[2]["notes"], nlohmann::json::array({"did you mean \"black\"?"}));
    EXPECT_EQ(objects[3]["attribute"], "font-size");
    EXPECT_EQ(objects[4]["finding"], "not-well-formed");
    EXPECT_EQ(objects[4]["attribute"], nullptr);
    EXPECT_EQ(objects[4]["range"], nullptr);
    EXPECT_NE(outcome.err.find("checked 2 files: 1 with errors"), std::string::npos);
}

// SARIF 2.1.0: one log with one run, each result with its rule, level, message and the
// value's region, its columns counted in UTF-16 code units as the run says.
TEST_F(ToolTest, CheckWritesSarif) {
    document("f.svg", kFindings);
    Outcome const outcome = run({"check", "--format", "sarif", "f.svg"});
    EXPECT_EQ(outcome.status, 1);
    nlohmann::json const log = nlohmann::json::parse(outcome.out);
    EXPECT_EQ(log["version"], "2.1.0");
    ASSERT_EQ(log["runs"].size(), 1u);
    nlohmann::json const& run = log["runs"][0];
    EXPECT_EQ(run["tool"]["driver"]["name"], "xmlattr");
    EXPECT_EQ(run["columnKind"], "utf16CodeUnits");
    nlohmann::json const& rules = run["tool"]["driver"]["rules"];
    ASSERT_EQ(run["results"].size(), 4u);
    std::vector<std::string> levels;
    std::vector<std::vector<int>> regions;
    for (nlohmann::json const& result : run["results"]) {
        ASSERT_TRUE(result["message"]["text"].is_string());
        EXPECT_EQ(rules[result["ruleIndex"].get<std::size_t>()]["id"], result["ruleId"]);
        nlohmann::json const& place = result["locations"][0]["physicalLocation"];
        EXPECT_EQ(place["artifactLocation"]["uri"], "f.svg");
        nlohmann::json const& region = place["region"];
        regions.push_back(
            {region["startLine"], region["startColumn"], region["endLine"], region["endColumn"]});
        levels.push_back(result["level"]);
    }
    EXPECT_EQ(levels, (std::vector<std::string>{"error", "warning", "warning", "warning"}));
    EXPECT_EQ(regions, (std::vector<std::vector<int>>{
                           {2, 14, 2, 15}, {2, 25, 2, 29}, {2, 37, 2, 42}, {2, 62, 2, 68}}));
    EXPECT_EQ(run["results"][2]["message"]["text"],
              "fill=\"Black\": valid SVG, but not read by this library's SColor\n"
              "note: did you mean \"black\"?");
}

TEST(CheckingThreads, AtMostOnePerHardwareThreadAndPerFile) {
    struct Row {
        unsigned jobs;
        std::size_t hardware;
        std::size_t files;
        std::size_t threads;
    };
    for (Row const& row : {
             Row{0, 8, 100, 8}, Row{4, 8, 100, 4}, Row{100000, 8, 842, 8}, Row{16, 8, 3, 3},
             Row{0, 0, 10, 1}, // the hardware threads unknown
         }) {
        SCOPED_TRACE(std::to_string(row.jobs) + " jobs, " + std::to_string(row.hardware) +
                     " hardware threads, " + std::to_string(row.files) + " files");
        EXPECT_EQ(Tool::checkingThreads(row.jobs, row.hardware, row.files), row.threads);
    }
}

// Files checked on several threads come out as one thread gives them, in every format.
TEST_F(ToolTest, CheckInParallelAsInSeries) {
    for (int i = 0; i < 24; ++i) {
        std::string const number = std::to_string(i);
        document("many/" + std::string(i < 10 ? "0" : "") + number + ".svg",
                 "<svg xmlns='http://www.w3.org/2000/svg'>" +
                     std::string(static_cast<std::size_t>(i % 5) * 3000, ' ') + "<rect width='" +
                     number + "x' fill='Red' opacity='0." + number + "'/></svg>");
    }
    document("many/broken.svg", "<svg xmlns='http://www.w3.org/2000/svg'><rect width='x'>");
    for (std::string const format : {"text", "json", "sarif"}) {
        SCOPED_TRACE(format);
        Outcome const serial = run({"check", "--format", format, "-j", "1", "many"});
        Outcome const parallel = run({"check", "--format", format, "-j", "4", "many"});
        EXPECT_EQ(serial.status, 2);
        EXPECT_EQ(parallel.status, serial.status);
        EXPECT_EQ(parallel.out, serial.out);
        EXPECT_EQ(parallel.err, serial.err);
        EXPECT_NE(serial.out.find("23x"), std::string::npos);
    }
}

// The samples are checked by naming them; their deliberate mistakes make it exit 1.
TEST_F(ToolTest, CheckFindsTheSamplesMistakes) {
    Outcome const outcome = run({"check", XMLATTR_SAMPLES_DIR});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "");
    for (std::string const sample : {"/invoice.fo:", "/badge.svg:"}) {
        EXPECT_NE(outcome.out.find(XMLATTR_SAMPLES_DIR + sample), std::string::npos) << sample;
    }
    EXPECT_NE(outcome.out.find("checked 2 files: 2 with errors"), std::string::npos);
}

} // namespace
