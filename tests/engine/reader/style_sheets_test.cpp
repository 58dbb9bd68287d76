#include <gtest/gtest.h>

#include <map>

#include "platform/file_system.h"
#include "reader_fixture.h"

namespace kelvor::engine::testing {
namespace {

// Files by path, for linked style sheets.
class MemoryFiles : public platform::FileSystem {
  public:
    std::map<std::string, std::string> files;
    mutable std::vector<std::string> reads;

    bool exists(const std::string& path) const override { return files.count(path) > 0; }
    bool isDirectory(const std::string&) const override { return false; }
    std::optional<std::uint64_t> size(const std::string& path) const override {
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        return found->second.size();
    }
    bool rename(const std::string&, const std::string&) override { return false; }
    bool remove(const std::string&) override { return false; }
    platform::ReadResult readFile(const std::string& path, std::uint64_t limit) const override {
        reads.push_back(path);
        platform::ReadResult result;
        const auto found = files.find(path);
        if (found == files.end())
            return result;
        if (found->second.size() > limit) {
            result.status = platform::ReadStatus::TooLarge;
            return result;
        }
        result.status = platform::ReadStatus::Ok;
        result.bytes = found->second;
        return result;
    }
    bool writeAll(const std::string&, std::string_view) override { return false; }
    bool append(const std::string&, std::string_view) override { return false; }
    std::unique_ptr<platform::OutputFile> openOutput(const std::string&, platform::OutputMode,
                                                     bool) override {
        return nullptr;
    }
    std::unique_ptr<platform::OutputFile> createChosenFile(const std::string&) override {
        return nullptr;
    }
    bool createDirectories(const std::string&, unsigned) override { return false; }
    platform::FolderState folderState(const std::string&) const override {
        return platform::FolderState::Missing;
    }
    bool isAbsolute(const std::string& path) const override {
        return !path.empty() && path[0] == '/';
    }
    std::string shortPath(const std::string& path) const override { return path; }
    char separator() const override { return '/'; }
};

using SheetsInDocuments = ReaderTest;

TEST_F(SheetsInDocuments, StyleElementsWithCommentMarks) {
    Read(
        "<style>\r\n<!--\r\n  p.x { font-weight: bold }\r\n  b { color: red }\r\n-->\r\n"
        "</style><p class=x>a</p>b");
    EXPECT_TRUE(Bold(Section(0), 0));
    EXPECT_FALSE(Bold(Section(1), 0));
    EXPECT_EQ(Dump(), "p{'a '} 'b '");
}

TEST_F(SheetsInDocuments, AStyleBetweenTableTagsAppliesToTheWholeDocument) {
    Read(
        "<p>x<table><style>p { font-style: italic }</style>t<tr><td>cell</td></tr></table>"
        "<p>y");
    EXPECT_EQ(Dump(), "p{'x '} 'tcell ' p{'y '}");
    EXPECT_TRUE(Italic(Section(2), 0));
}

TEST_F(SheetsInDocuments, LinkedSheetsFromTheFileSystem) {
    MemoryFiles files;
    files.files["/docs/css/site.css"] = "p { font-weight: bold }\nli { background: url(dot.gif) }";
    HtmlReaderHooks hooks;
    hooks.files = &files;
    hooks.expandFileName = [](const std::string& name) { return "/docs/" + name; };
    std::vector<std::string> linkCalls;
    hooks.link = [&](const std::string& rel, const std::string& rev, const std::string& href) {
        linkCalls.push_back(rel + "|" + rev + "|" + href);
    };
    Read(
        "<link rel=StyleSheet href=\"css/site.css\"><link rel=next href=n.htm rev=x>"
        "<link rel=stylesheet href=missing.css><p>a",
        hooks);
    EXPECT_TRUE(Bold(Section(0), 0));
    EXPECT_EQ(files.reads, (std::vector<std::string>{"/docs/css/site.css", "/docs/missing.css"}));
    EXPECT_EQ(linkCalls, (std::vector<std::string>{"StyleSheet||css/site.css", "next|x|n.htm",
                                                   "stylesheet||missing.css"}));
    const TProperties* rule = doc.styleList().find("li");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->text(BackgroundImage), "url(/docs/css/dot.gif)");
}

TEST_F(SheetsInDocuments, LinkedSheetsFromTheViewersStreams) {
    MemoryFiles files;
    files.files["/f/a.css"] = "p { font-style: italic }";
    HtmlReaderHooks hooks;
    hooks.files = &files;
    hooks.expandFileName = [](const std::string& name) { return "/f/" + name; };
    std::vector<std::string> requests;
    hooks.streamRequest = [&](const std::string& name) -> std::optional<std::string> {
        requests.push_back(name);
        if (name == "b.css")
            return std::string("p { font-weight: bold }");
        return std::nullopt;
    };
    // No stream for a.css and no name expansion: the file is read.
    Read("<link rel=stylesheet href=a.css><link rel=stylesheet href=b.css><p>x", hooks);
    EXPECT_EQ(requests, (std::vector<std::string>{"a.css", "b.css"}));
    EXPECT_TRUE(Italic(Section(0), 0));
    EXPECT_TRUE(Bold(Section(0), 0));
    doc.clear({});
    // With a name expansion the stream alone counts.
    requests.clear();
    files.reads.clear();
    hooks.expandName = [](const std::string& name) { return "x-" + name; };
    Read("<link rel=stylesheet href=a.css><p>x", hooks);
    EXPECT_EQ(requests, (std::vector<std::string>{"x-a.css"}));
    EXPECT_TRUE(files.reads.empty());
    EXPECT_FALSE(Italic(Section(0), 0));
}

TEST_F(SheetsInDocuments, SheetsTooLargeAreNotRead) {
    MemoryFiles files;
    files.files["big.css"] = std::string(kMaxLinkedSheetBytes + 1, ' ') + "p { font-weight: bold }";
    HtmlReaderHooks hooks;
    hooks.files = &files;
    Read("<link rel=stylesheet href=big.css><p>x", hooks);
    EXPECT_FALSE(Bold(Section(0), 0));
}

}  // namespace
}  // namespace kelvor::engine::testing
