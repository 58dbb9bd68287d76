#include <string>
#include <vector>

#include "engine/view/display_files.h"
#include "engine/view/display_fixture.h"

namespace kelvor::testing {
namespace {

using engine::FileMode;

TEST_F(DisplayTest, PropertiesStartWithTheirDefaultsAndKeepTheirLimits) {
    EXPECT_EQ(display->DefFontName(), "Times New Roman");
    EXPECT_EQ(display->DefPreFontName(), "Courier New");
    EXPECT_EQ(display->DefFontSize(), 12);
    EXPECT_EQ(display->DefBackground(), 0x8000000Fu);
    EXPECT_EQ(display->DefFontColor(), 0x80000012u);
    EXPECT_EQ(display->DefLinkColor(), 0xFF0000u);
    EXPECT_EQ(display->DefVisitedLinkColor(), 0x800080u);
    EXPECT_EQ(display->HistoryMaxCount(), 0);
    EXPECT_EQ(display->VisitedMaxCount(), 50);
    EXPECT_EQ(display->ImageCacheCount(), 5);
    EXPECT_EQ(display->MarginWidth(), 10);
    EXPECT_EQ(display->MarginHeight(), 5);
    EXPECT_EQ(display->DisplayOptions(),
              engine::doPrintTableBackground | engine::doPrintMonochromeBlack);
    EXPECT_EQ(display->Cursor(), engine::ViewCursor::iBeam);

    display->SetPrintScale(10);
    EXPECT_EQ(display->PrintScale(), 4.0);
    display->SetPrintScale(0.1);
    EXPECT_EQ(display->PrintScale(), 0.25);
    display->SetPrintScale(1.5);
    EXPECT_EQ(display->PrintScale(), 1.5);
    display->SetImageCacheCount(50);
    EXPECT_EQ(display->ImageCacheCount(), 20);
    display->SetImageCacheCount(-1);
    EXPECT_EQ(display->ImageCacheCount(), 0);
    display->SetHistoryMaxCount(-4);
    EXPECT_EQ(display->HistoryMaxCount(), 0);
    display->SetVisitedMaxCount(-4);
    EXPECT_EQ(display->VisitedMaxCount(), 0);
    display->SetServerRoot("  /srv/www/ ");
    EXPECT_EQ(display->ServerRoot(), "/srv/www");
}

TEST_F(DisplayTest, ALoadGivesTheDocumentTheControlsDefaults) {
    display->SetDefFontName("Verdana");
    display->SetDefFontSize(14);
    display->SetDisplayOptions(engine::doNoLinkUnderline | engine::doOverLinksActive);
    display->SetDefPreFontName("COURIER NEW");  // the same name: no change
    Show("/docs/a.htm", "Hello");
    EXPECT_EQ(doc->defaults.style.fontName, "Verdana");
    EXPECT_EQ(doc->defaults.style.fontSize, 14);
    EXPECT_EQ(doc->defaults.style.preFontName, "Courier New");
    EXPECT_FALSE(doc->defaults.style.underlineLinks);
    EXPECT_TRUE(doc->defaults.overLinksActive);
    EXPECT_EQ(doc->defaults.background, 0x8000000Fu);

    display->SetDefPreFontName(std::string(40, 'x'));
    display->ReloadDocument();
    EXPECT_EQ(doc->defaults.style.preFontName, std::string(33, 'x'));
}

TEST_F(DisplayTest, ALoadRunsItsStepsInOrder) {
    std::vector<std::string> events;
    display->OnProcessing = [&](bool on) { events.push_back(on ? "busy" : "idle"); };
    display->OnProgress = [&](engine::TProgressStage stage, int percent) {
        events.push_back("progress " + std::to_string(static_cast<int>(stage)) + " " +
                         std::to_string(percent));
    };
    display->OnParseBegin = [&](std::string& source) {
        events.push_back("parse begin " + source);
        source = "Changed";
    };
    display->OnParseEnd = [&] { events.push_back("parse end"); };
    Show("/docs/a.htm", "@title Report\nOriginal");
    EXPECT_EQ(events, (std::vector<std::string>{"busy", "progress 0 0",
                                                "parse begin @title Report\nOriginal", "parse end",
                                                "progress 2 100", "idle"}));
    // The handler's text is what is read and kept.
    EXPECT_EQ(doc->readSource, "Changed");
    EXPECT_EQ(display->DocumentSource(), "Changed");
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    EXPECT_EQ(display->CurrentFileMode(), FileMode::html);
    EXPECT_EQ(host.cursors.front(), engine::ViewCursor::busy);
    EXPECT_NE(host.cursor(), engine::ViewCursor::busy);
    EXPECT_FALSE(display->Busy());
}

TEST_F(DisplayTest, AMissingFileRaisesItsErrorAndKeepsTheShownDocument) {
    Show("/docs/a.htm", "Hello");
    const int clears = doc->clears;
    std::vector<bool> processing;
    display->OnProcessing = [&](bool on) { processing.push_back(on); };
    try {
        display->LoadHtmlFile("/docs/gone.htm#part");
        FAIL() << "no error";
    } catch (const engine::MissingFileError& error) {
        EXPECT_STREQ(error.what(), "Can't locate file: /docs/gone.htm");
    }
    EXPECT_EQ(doc->clears, clears);
    ASSERT_EQ(doc->lines.size(), 1u);
    EXPECT_EQ(doc->lines[0].text, u"Hello");
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    EXPECT_FALSE(display->Busy());
    EXPECT_EQ(processing, (std::vector<bool>{true, false}));
    EXPECT_NE(host.cursor(), engine::ViewCursor::busy);
}

TEST_F(DisplayTest, AFileThatCannotBeReadRaisesTheFileErrorAndKeepsTheShownDocument) {
    Show("/docs/a.htm", "Hello");
    files.addFile("/docs/locked.htm", "secret");
    files.unreadable.insert("/docs/locked.htm");
    files.addFolder("/docs/folder.htm");
    EXPECT_THROW(display->LoadHtmlFile("/docs/locked.htm"), engine::UnreadableFileError);
    try {
        display->LoadPlainTextFile("/docs/folder.htm");
        FAIL() << "no error";
    } catch (const engine::UnreadableFileError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file \"/docs/folder.htm\" (not a regular file)");
    }
    EXPECT_EQ(doc->lines[0].text, u"Hello");
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    EXPECT_EQ(display->CurrentFileMode(), FileMode::html);
    EXPECT_FALSE(display->Busy());
}

TEST_F(DisplayTest, LoadsWhileBusyAndEmptyPathsAreIgnored) {
    Show("/docs/a.htm", "Hello");
    files.addFile("/docs/b.htm", "Other");
    display->OnParseEnd = [&] { display->LoadHtmlFile("/docs/b.htm"); };
    display->ReloadDocument();
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    display->OnParseEnd = nullptr;
    const int clears = doc->clears;
    display->LoadHtmlFile("");
    EXPECT_EQ(doc->clears, clears);
}

TEST_F(DisplayTest, PlainTextIsReadAsTextAndAReloadAfterAFontChangeKeepsTheTopLine) {
    std::string text;
    for (int i = 0; i < 100; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    files.addFile("/work/kelvor.log", text);
    display->LoadPlainTextFile("/work/kelvor.log");
    EXPECT_EQ(doc->readKind, "text");
    EXPECT_EQ(doc->defaults.style.preFontName, "Courier New");
    EXPECT_EQ(display->CurrentFileMode(), FileMode::plainText);
    // 12 pt lines are 19 high: line 30 starts at 570.
    display->SetVerticalPosition(575);
    EXPECT_EQ(display->ScrollPosition(), 31 * 65536 + 5);

    display->SetDefFontSize(24);  // em 32, lines 38 high
    display->ReloadDocument();
    EXPECT_EQ(doc->readKind, "text");
    EXPECT_EQ(doc->lines[30].top, 1140);
    EXPECT_EQ(display->VerticalPosition(), 1145);
    EXPECT_EQ(doc->lines[doc->lineAt(display->VerticalPosition())].text, u"line 30");
}

TEST_F(DisplayTest, APictureIsShownThroughAnImageTag) {
    files.addFile("/docs/p.gif", "GIF89a");
    display->LoadPictureFile("/docs/p.gif");
    EXPECT_EQ(doc->readSource, "<img src=\"/docs/p.gif\">");
    EXPECT_EQ(display->DocumentSource(), "");
    EXPECT_EQ(display->CurrentFileMode(), FileMode::picture);
}

TEST_F(DisplayTest, ClearDocumentKeepsTheFileSoThatAReloadShowsItAgain) {
    Show("/docs/a.htm", "@title T\n" + Heights(20, 50));
    display->SetVerticalPosition(300);
    display->ClearDocument();
    EXPECT_TRUE(doc->lines.empty());
    EXPECT_EQ(display->DocumentTitle(), "");
    EXPECT_EQ(display->DocumentHeight(), 0);
    EXPECT_FALSE(host.verticalBars.back().visible);
    EXPECT_EQ(host.verticalBars.back().maximum, 0);
    EXPECT_EQ(host.geometry.panel, (platform::Rect{1, 1, 299, 199}));
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    display->ReloadDocument();
    EXPECT_EQ(doc->lines.size(), 20u);
    EXPECT_EQ(display->DocumentTitle(), "T");
}

TEST_F(DisplayTest, ANewFileStartsAtTheTopAndTheSameFileKeepsItsPlace) {
    Show("/docs/a.htm", Heights(20, 50));
    display->SetVerticalPosition(300);
    display->LoadHtmlFile("/docs/a.htm");
    EXPECT_EQ(display->VerticalPosition(), 300);
    Show("/docs/b.htm", Heights(20, 50));
    EXPECT_EQ(display->VerticalPosition(), 0);
}

TEST_F(DisplayTest, AnAnchorInThePathIsWhereTheViewStarts) {
    Show("/docs/a.htm", Heights(10, 50) + "@anchor there\nThere\n" + Heights(10, 50));
    files.addFile("/docs/b.htm", Heights(10, 50) + "@anchor there\nThere\n" + Heights(10, 50));
    display->LoadHtmlFile("/docs/b.htm#there");
    EXPECT_EQ(display->VerticalPosition(), 500);
    EXPECT_EQ(display->Visited().front(), "/docs/b.htm#there");
}

TEST_F(DisplayTest, AMetaRefreshIsReportedAfterTheLoad) {
    std::vector<std::string> refreshes;
    std::vector<std::string> metas;
    display->OnMetaRefresh = [&](int delay, const std::string& url) {
        refreshes.push_back(std::to_string(delay) + " " + url);
    };
    display->OnMeta = [&](const std::string& equiv, const std::string& name,
                          const std::string& content) {
        metas.push_back(equiv + "/" + name + "/" + content);
    };
    Show("/docs/a.htm", "@meta Refresh||5; URL=next.htm\n");
    Show("/docs/b.htm", "@meta refresh||0\n");
    Show("/docs/c.htm", "@meta REFRESH||soon; url=x.htm\n");
    Show("/docs/d.htm", "@meta keywords|k|a,b\n");
    EXPECT_EQ(refreshes, (std::vector<std::string>{"5 next.htm", "1 "}));
    EXPECT_EQ(metas.back(), "keywords/k/a,b");
    EXPECT_EQ(display->MetaRefreshDelay(), 0);
}

TEST_F(DisplayTest, TheBackgroundGoesToThePanelButNotWhileBusy) {
    display->SetDefBackground(0x00FFFF);
    EXPECT_EQ(host.panelColour, 0x00FFFFu);
    EXPECT_EQ(doc->background(), 0x00FFFFu);
    display->OnParseEnd = [&] { display->SetDefBackground(0x123456); };
    Show("/docs/a.htm", "x");
    EXPECT_EQ(display->DefBackground(), 0x00FFFFu);
    EXPECT_EQ(doc->defaults.background, 0x00FFFFu);
}

TEST_F(DisplayTest, AFormSubmissionIsDeliveredAfterTheFormsHandling) {
    std::vector<std::string> submitted;
    display->OnFormSubmit = [&](const engine::FormSubmission& form) {
        submitted.push_back(form.action + " " + form.method + " " + form.results.at(0));
    };
    display->FormSubmitted({"/cgi/go", "", "", "post", {"a=1"}});
    EXPECT_TRUE(submitted.empty());
    host.runPosted();
    EXPECT_EQ(submitted, (std::vector<std::string>{"/cgi/go post a=1"}));
}

TEST(DisplayFiles, LinkedFilesAreReadOnlyWhenRegularAndAtMostSixteenMegabytes) {
    FakeFileSystem files;
    files.addFile("/docs/small.css", "p {}");
    files.addFile("/docs/big.css", std::string(engine::kLargestLinkedFile + 1, ' '));
    files.addFile("/docs/edge.css", std::string(engine::kLargestLinkedFile, ' '));
    files.special.insert("/dev/zero");
    files.addFolder("/docs/dir");
    EXPECT_EQ(engine::ReadLinkedFile(files, "/docs/small.css"), "p {}");
    EXPECT_TRUE(engine::ReadLinkedFile(files, "/docs/edge.css").has_value());
    EXPECT_FALSE(engine::ReadLinkedFile(files, "/docs/big.css").has_value());
    EXPECT_FALSE(engine::ReadLinkedFile(files, "/dev/zero").has_value());
    EXPECT_FALSE(engine::ReadLinkedFile(files, "/docs/dir").has_value());
    EXPECT_FALSE(engine::ReadLinkedFile(files, "/docs/none.css").has_value());
}

}  // namespace
}  // namespace kelvor::testing
