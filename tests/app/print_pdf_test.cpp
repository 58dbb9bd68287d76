// The report printed end to end: the program writes the report of an invitation, the layout
// tool prints it through the Qt printer to a PDF, and the PDF's text is read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "kelvor/program_run.h"
#include "platform/posix/posix_file_system.h"
#include "platform/temp_folder.h"

namespace kelvor {
namespace {

using testing::RunProgram;
using testing::TempFolder;

const std::string kAssembly = std::string(KELVOR_SOURCE_DIR) + "/examples/assembly-64-people.ics";

bool HavePdfToText() {
    return std::system("command -v pdftotext >/dev/null 2>&1") == 0;
}

// The text of pages first .. last of a PDF, as pdftotext reads it.
std::string PdfText(const TempFolder& temp, const std::string& pdf, int first, int last) {
    const std::string out = temp / "text.txt";
    const std::string command = "pdftotext -f " + std::to_string(first) + " -l " +
                                std::to_string(last) + " '" + pdf + "' '" + out + "'";
    if (std::system(command.c_str()) != 0)
        return {};
    return platform::PosixFileSystem().readAll(out).value_or("");
}

// The page count that pdfinfo reports, or -1.
int PdfPages(const TempFolder& temp, const std::string& pdf) {
    const std::string out = temp / "info.txt";
    if (std::system(("pdfinfo '" + pdf + "' >'" + out + "' 2>/dev/null").c_str()) != 0)
        return -1;
    const std::string info = platform::PosixFileSystem().readAll(out).value_or("");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

int Count(const std::string& text, const std::string& word) {
    int count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos;
         at = text.find(word, at + word.size())) {
        ++count;
    }
    return count;
}

TEST(PrintToPdf, ReportOfSixtyFourPeoplePrintsOnTwoPages) {
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TempFolder temp;
    const testing::ProgramRun run = RunProgram(temp, "--headless '" + kAssembly + "'");
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::string report = temp / "cache/kelvor/kelvor.htm";
    const std::string pdf = temp / "report.pdf";
    const std::string command = "env QT_QPA_PLATFORM=offscreen '" +
                                std::string(KELVOR_LAYOUT_PATH) + "' --pdf '" + pdf + "' '" +
                                report + "' >/dev/null 2>'" + temp / "layout.err" + "'";
    ASSERT_EQ(std::system(command.c_str()), 0)
        << platform::PosixFileSystem().readAll(temp / "layout.err").value_or("");

    // The report has 16 rows before the attendee heading, the heading, 64 names and a spacer:
    // some 82 rows of 10 pt text with 3 + 3 of padding, about 20 pixels each, 1650 in all.
    // A4 less 2 cm margins leaves 25.7 cm, 972 pixels at 96 per inch: two pages.
    EXPECT_EQ(PdfPages(temp, pdf), 2);

    const std::string first = PdfText(temp, pdf, 1, 1);
    for (const char* label :
         {"KELVOR Report", "Event", "Organizer", "Start date", "Until", "Duration", "Status",
          "Location", "Summary", "Description", "Attendees:", "Chairman"}) {
        EXPECT_NE(first.find(label), std::string::npos) << label;
    }
    const std::string all = PdfText(temp, pdf, 1, 2);
    const std::vector<std::string> given{"ADA",   "BEN",  "CLEO", "DARIO", "EDDA", "FARID",
                                         "GRETA", "HUGO", "INES", "JONAS", "KIRA", "LARS",
                                         "MILA",  "NICO", "OLGA", "PIET"};
    int names = 0;
    for (const char* family : {"ABBOTT", "BRANDT", "CASTILLO", "DUVAL"}) {
        for (const std::string& name : given) {
            if (std::string(family) == "DUVAL" && name == "PIET")
                continue;  // the 64th entry of the list is the organizer
            // Each name once: none lost at the page end, none printed on both pages.
            EXPECT_EQ(Count(all, name + " " + family), 1) << name << " " << family;
            ++names;
        }
    }
    EXPECT_EQ(names, 63);
    EXPECT_EQ(Count(all, "CONFERENCE OFFICE"), 2);  // organizer row and chairman row
}

}  // namespace
}  // namespace kelvor
