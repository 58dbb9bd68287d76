// Pictures of documents read from files: the image cache, the placeholder of a picture that
// cannot be shown, the drawn size and a picture shown as a document.
#include <string>
#include <vector>

#include "engine/view/display_files.h"
#include "pictures_fixture.h"

namespace kelvor::testing {
namespace {

using platform::Rect;

// A page of images, one per name.
std::string Images(const std::vector<std::string>& names) {
    std::string page;
    for (const std::string& name : names) {
        page += "<img src=\"" + name + "\">";
    }
    return page;
}

class ImageCacheTest : public PicturesTest {
  protected:
    void SetUp() override {
        PicturesTest::SetUp();
        for (int i = 1; i <= 6; ++i) {
            files.addFile("/docs/a" + std::to_string(i) + ".gif", StillGif(2, 2));
        }
    }
    int Reads(int picture) { return files.reads["/docs/a" + std::to_string(picture) + ".gif"]; }
};

TEST_F(ImageCacheTest, KeepsImageCacheCountPicturesTheLeastRecentlyUsedGoingFirst) {
    ASSERT_EQ(display->ImageCacheCount(), 5);
    Show("/docs/one.htm", Images({"a1.gif", "a2.gif", "a3.gif", "a4.gif", "a5.gif", "a6.gif"}));
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(Reads(i), 1) << i;
    }
    EXPECT_EQ(display->PictureFiles().cache().size(), 5);

    // The sixth picture pushed out the first: the other five come from the cache.
    Show("/docs/two.htm", Images({"a2.gif", "a3.gif", "a4.gif", "a5.gif", "a6.gif"}));
    for (int i = 2; i <= 6; ++i) {
        EXPECT_EQ(Reads(i), 1) << i;
    }
    Show("/docs/three.htm", Images({"a1.gif"}));
    EXPECT_EQ(Reads(1), 2);
    // Pictures come from the cache drawn as they were read: 2 x 2 on the baseline (20).
    EXPECT_EQ(Rects(Paint().calls, Call::picture), (std::vector<Rect>{{10, 18, 12, 20}}));
}

TEST_F(ImageCacheTest, WithoutACacheEveryPageReadsItsPicturesButEachOnlyOnce) {
    display->SetImageCacheCount(0);
    Show("/docs/one.htm", Images({"a1.gif", "a1.gif", "a1.gif", "missing.gif", "missing.gif"}));
    EXPECT_EQ(Reads(1), 1);
    EXPECT_EQ(files.reads["/docs/missing.gif"], 1);
    EXPECT_EQ(Rects(Paint().calls, Call::picture).size(), 3u);
    display->ReloadDocument();
    EXPECT_EQ(Reads(1), 2);
}

TEST_F(ImageCacheTest, ClearDocumentEmptiesTheCacheAndLoweringTheCountTrimsIt) {
    Show("/docs/one.htm", Images({"a1.gif", "a2.gif", "a3.gif"}));
    display->SetImageCacheCount(2);
    EXPECT_EQ(display->PictureFiles().cache().size(), 2);
    display->ClearDocument();
    EXPECT_EQ(display->PictureFiles().cache().size(), 0);
    Show("/docs/one.htm", Images({"a1.gif", "a2.gif", "a3.gif"}));
    EXPECT_EQ(Reads(1), 2);
    EXPECT_EQ(Reads(3), 2);
}

TEST_F(ImageCacheTest, APageHoldsPicturesUpToItsPixelBudgetAndPlaceholdersBeyond) {
    // Two pictures of 2 x 2 fit in 10 pixels, a third does not; the first again is the one
    // already held.
    display->PictureFiles().setPixelBudget(10);
    Show("/docs/one.htm", Images({"a1.gif", "a2.gif", "a3.gif", "a1.gif"}));
    PixelCanvas canvas = Paint();
    EXPECT_EQ(Rects(canvas.calls, Call::picture).size(), 3u);
    EXPECT_EQ(Rects(canvas.calls, Call::frameRect).size(), 1u);
    // The next page has the whole budget again.
    Show("/docs/two.htm", Images({"a3.gif"}));
    EXPECT_EQ(Rects(Paint().calls, Call::picture).size(), 1u);
}

TEST_F(ImageCacheTest, NamesAreReadAgainstThePageOrItsBase) {
    files.addFile("/pics/b.gif", StillGif(3, 3));
    Show("/docs/sub/page.htm", "<img src=\"../a1.gif\"><img src=\"/pics/b.gif\">");
    EXPECT_EQ(Reads(1), 1);
    EXPECT_EQ(files.reads["/pics/b.gif"], 1);
    Show("/docs/other.htm", "<base href=\"/pics/index.htm\"><img src=\"b.gif\">");
    EXPECT_EQ(Rects(Paint().calls, Call::picture).size(), 1u);
    // A URL of another scheme is no file.
    Show("/docs/web.htm", "<img src=\"http://example.com/a1.gif\">");
    EXPECT_TRUE(Rects(Paint().calls, Call::picture).empty());
}

TEST_F(PicturesTest, APictureThatCannotBeShownGivesThePlaceholderWithItsCross) {
    const std::string whole = StillGif(30, 30);
    files.addFile("/docs/cut.gif", whole.substr(0, 20));  // screen and table, no image
    files.addFile("/docs/text.gif", "no picture at all");
    files.addFile("/docs/huge.gif", whole + std::string(16 * 1024 * 1024, '\0'));
    files.special.insert("/docs/pipe.gif");
    files.addFolder("/docs/folder.gif");
    for (const char* name :
         {"missing.gif", "cut.gif", "text.gif", "huge.gif", "pipe.gif", "folder.gif"}) {
        SCOPED_TRACE(name);
        Show("/docs/page.htm", std::string("<img src=\"") + name + "\" width=40 height=30>");
        const PixelCanvas canvas = Paint();
        EXPECT_TRUE(Rects(canvas.calls, Call::picture).empty());
        // The box at the given size, with a red cross where a picture's icon would be.
        EXPECT_EQ(Rects(canvas.calls, Call::frameRect), (std::vector<Rect>{{10, 5, 50, 35}}));
        std::vector<DrawCall> lines;
        for (const DrawCall& call : canvas.calls) {
            if (call.call == Call::line) {
                lines.push_back(call);
            }
        }
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].colour, 0x0000FFu);
        EXPECT_EQ(lines[0].x, 14);
        EXPECT_EQ(lines[0].y, 9);
    }
    // Without a size the box is 24 x 24.
    Show("/docs/page.htm", "<img src=\"cut.gif\">");
    EXPECT_EQ(Rects(Paint().calls, Call::frameRect), (std::vector<Rect>{{10, 5, 34, 29}}));
}

TEST_F(PicturesTest, WidthAndHeightScaleTheDrawnPicture) {
    files.addFile("/docs/p.gif", StillGif(20, 10));
    struct Case {
        const char* attributes;
        Rect drawn;
    };
    // Pictures sit on the baseline; one taller than the text's ascent (15) has its top at the
    // line's top, the page's top margin.
    const Case cases[] = {
        {"", {10, 10, 30, 20}},                         // its own size, on the baseline (20)
        {"width=60", {10, 5, 70, 35}},                  // 60 x 60 * 10 / 20
        {"height=40", {10, 5, 90, 45}},                 // 40 * 20 / 10 x 40
        {"width=15 height=45", {10, 5, 25, 50}},        // both given
        {"width=\"50%\" height=22", {10, 5, 149, 27}},  // half of 298 - 20
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attributes);
        Show("/docs/page.htm", std::string("<img src=\"p.gif\" ") + c.attributes + ">");
        EXPECT_EQ(Rects(Paint().calls, Call::picture), (std::vector<Rect>{c.drawn}));
    }
}

TEST_F(PicturesTest, ViewImagesOffShowsPlaceholdersAndOnAgainThePictures) {
    files.addFile("/docs/p.gif", StillGif(20, 10));
    Show("/docs/page.htm", "<img src=\"p.gif\">");
    display->SetViewImages(false);
    PixelCanvas canvas = Paint();
    EXPECT_TRUE(Rects(canvas.calls, Call::picture).empty());
    // A size without percentages is worked out once: the box keeps the picture's.
    EXPECT_EQ(Rects(canvas.calls, Call::frameRect), (std::vector<Rect>{{10, 10, 30, 20}}));
    display->SetViewImages(true);
    EXPECT_EQ(Rects(Paint().calls, Call::picture), (std::vector<Rect>{{10, 10, 30, 20}}));
}

TEST_F(PicturesTest, APictureFileIsShownAsADocumentOfItsSize) {
    // Quote marks and ampersands are allowed in file names.
    const std::string path = "/pics/a \"b\" &amp; c.gif";
    files.addFile(path, StillGif(120, 80, kRed));
    display->LoadPictureFile(path);
    EXPECT_EQ(display->CurrentFile(), path);
    EXPECT_EQ(display->CurrentFileMode(), engine::FileMode::picture);
    EXPECT_EQ(display->DocumentSource(), "");
    const PixelCanvas canvas = Paint();
    EXPECT_EQ(Rects(canvas.calls, Call::picture), (std::vector<Rect>{{10, 5, 130, 85}}));
    ASSERT_EQ(canvas.firstPixels.size(), 1u);
    EXPECT_EQ(canvas.firstPixels[0], 0xFFFF0000u);
    // The line holds the picture (80 above the baseline) and the text's descent (4); the page
    // has its margins of 5 above and below.
    EXPECT_EQ(display->DocumentHeight(), 5 + 80 + 4 + 5);

    // A name in UTF-8 outside ASCII.
    files.addFile("/pics/\xC3\xA9t\xC3\xA9.gif", StillGif(7, 7));
    display->LoadPictureFile("/pics/\xC3\xA9t\xC3\xA9.gif");
    EXPECT_EQ(Rects(Paint().calls, Call::picture), (std::vector<Rect>{{10, 13, 17, 20}}));

    EXPECT_THROW(display->LoadPictureFile("/pics/none.gif"), engine::MissingFileError);
    EXPECT_EQ(display->CurrentFile(), "/pics/\xC3\xA9t\xC3\xA9.gif");
}

TEST_F(PicturesTest, TransparentPixelsReachTheCanvasClear) {
    // A GIF with a transparent index: its pixels there have alpha 0, the others 255.
    images::testing::GifWriter gif(2, 1);
    gif.globalTable({0x000000, kRed});
    gif.graphicControl(0, 0, 0).image(0, 0, 2, 1, {0, 1});
    files.addFile("/docs/t.gif", Text(gif.trailer().bytes()));
    Show("/docs/page.htm", "<img src=\"t.gif\">");
    const PixelCanvas canvas = Paint();
    ASSERT_EQ(canvas.firstPixels.size(), 1u);
    EXPECT_EQ(canvas.firstPixels[0] >> 24, 0u);
}

}  // namespace
}  // namespace kelvor::testing
