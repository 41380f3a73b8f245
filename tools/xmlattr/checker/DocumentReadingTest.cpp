// How the checker reads a document's bytes: declared encodings, and pieces fed to the reader.
#include "DocumentChecker.h"
#include "cli/Messages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <string>

namespace {

using Tool::FileStatus;

// The document's first diagnostic, as its status, value and message.
TEST(DocumentReading, ReadsTheEncodingsItDeclares) {
    struct Row {
        std::string_view encoding;
        std::string_view width; // the bytes of a width attribute, in that encoding
        FileStatus status;
        std::string_view value; // as UTF-8
        std::string_view message;
    };
    for (Row const& row : {
             // Single-byte encodings the reader does not know itself, read through iconv.
             Row{"windows-1252", "\x80\x93", FileStatus::Read, "\xE2\x82\xAC\xE2\x80\x9C",
                 "width=\"\xE2\x82\xAC\xE2\x80\x9C\" is not a valid SLength"},
             Row{"ISO-8859-15", "\xA4", FileStatus::Read, "\xE2\x82\xAC",
                 "width=\"\xE2\x82\xAC\" is not a valid SLength"},
             // A byte the encoding leaves undefined is still the document's fault.
             Row{"windows-1252", "\x81", FileStatus::NotWellFormed, "",
                 "not well-formed XML: not well-formed (invalid token)"},
             // Multi-byte, stateful and unknown encodings are not read, and not blamed on the
             // document.
             Row{"Shift_JIS", "\x82\xA0", FileStatus::Unreadable, "",
                 "encoding Shift_JIS not supported"},
             Row{"UTF-7", "1", FileStatus::Unreadable, "", "encoding UTF-7 not supported"},
             Row{"IBM037", "1", FileStatus::Unreadable, "", "encoding IBM037 not supported"},
             Row{"x-no-such-encoding", "1", FileStatus::Unreadable, "",
                 "encoding x-no-such-encoding not supported"},
         }) {
        SCOPED_TRACE(std::string(row.encoding) + " " + std::string(row.width));
        Tool::FileReport const report =
            Tool::checkDocumentText("<?xml version='1.0' encoding='" + std::string(row.encoding) +
                                        "'?>\n<svg xmlns='http://www.w3.org/2000/svg' width='" +
                                        std::string(row.width) + "'/>",
                                    "doc.svg");
        EXPECT_EQ(report.status, row.status);
        ASSERT_EQ(report.diagnostics.size(), 1u);
        EXPECT_EQ(report.diagnostics[0].value, row.value);
        EXPECT_EQ(Tool::messageOf(report.diagnostics[0]), row.message);
    }
}

std::chrono::microseconds cpuTime() {
    return std::chrono::microseconds(std::clock() * 1000000 / CLOCKS_PER_SEC);
}

// One attribute of 16 MB takes about sixteen times as long as one of 1 MB to read: the pieces
// given to the reader grow with the token it has not finished, which it reads again with
// every piece. (The element is of no vocabulary, so that only the reading is measured.)
TEST(DocumentReading, ReadsAHugeAttributeInLinearTime) {
    auto const readingTime = [](std::size_t bytes) {
        std::string path = "<path d='M0 0";
        while (path.size() < bytes) {
            path += " L1 1";
        }
        std::string const document = path + "'/>";
        auto best = std::chrono::microseconds::max();
        for (int i = 0; i < 2; ++i) {
            auto const start = cpuTime();
            Tool::FileReport const report = Tool::checkDocumentText(document, "huge.xml");
            best = std::min(best, cpuTime() - start);
            EXPECT_EQ(report.status, FileStatus::Read);
        }
        return best;
    };
    auto const small = readingTime(1u << 20);
    auto const large = readingTime(16u << 20);
    EXPECT_LT(large, 16 * 3 * small + std::chrono::milliseconds(50))
        << large.count() << " us against " << small.count() << " us";
}

} // namespace
