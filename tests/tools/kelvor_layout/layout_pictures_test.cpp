// kelvor-layout's dump of a page with pictures read from files beside it, on the fixed metrics
// (em 16, cell 19, descent 4 for 12 pt) and the viewer's page defaults (margins 10 and 5).

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/pictures/file_pictures.h"
#include "engine/view/link_names.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/posix/posix_file_system.h"
#include "tools/kelvor_layout/layout_dump.h"

namespace {

using namespace kelvor;

// A 4 x 2 picture of green pixels as a Windows bitmap file: a 14-byte file header, a 40-byte
// information header and two rows of four 24-bit pixels (12 bytes, no padding needed).
std::string GreenBmp() {
    std::string file;
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            file += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    file += "BM";
    put(54 + 24, 4);  // file size
    put(0, 4);
    put(54, 4);  // pixels start
    put(40, 4);  // information header
    put(4, 4);   // width
    put(2, 4);   // height (bottom-up)
    put(1, 2);   // planes
    put(24, 2);  // bits per pixel
    put(0, 4);   // no compression
    put(24, 4);  // pixel bytes
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int pixel = 0; pixel < 8; ++pixel) {
        put(0x00FF00, 3);  // blue, green, red
    }
    return file;
}

class LayoutPictures : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("kelvor-layout-pictures-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "p.bmp", std::ios::binary) << GreenBmp();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string dump(const std::string& html) {
        const std::string page = (folder / "page.htm").string();
        engine::FilePictureSource pictures(files, [&](const std::string& name) {
            return engine::ExpandLinkNameOnPosix(name, engine::LinkNameContext{page, {}, {}});
        });
        tools::LaidOutDocument laidOut = tools::LayOutHtml(html, 800, fonts, &pictures);
        std::ostringstream out;
        tools::WriteLayoutDump(out, laidOut);
        return out.str();
    }

    std::filesystem::path folder;
    platform::PosixFileSystem files;
    platform::fixed::FixedFontServices fonts;
};

TEST_F(LayoutPictures, APictureBesideThePageIsDrawnAtItsSize) {
    // 30 x 35 stands 20 above the text's ascent of 15: the line is 19 + 20 high, the picture's
    // top at the line's top (5); the page 5 + 39 + 5 high.
    EXPECT_EQ(dump("<img src=\"p.bmp\" width=30 height=35>"),
              "document 800 49\n"
              "fill 0 0 800 49 #d4d0c8\n"
              "picture 10 5 30 35\n");
    // Its own size, 4 x 2, on the baseline at 5 + 15.
    EXPECT_EQ(dump("<img src=\"p.bmp\">"),
              "document 800 29\n"
              "fill 0 0 800 29 #d4d0c8\n"
              "picture 10 18 4 2\n");
}

TEST_F(LayoutPictures, AMissingPictureIsItsPlaceholder) {
    // 24 x 24, 9 above the ascent: the line is 28 high; the cross starts 4 in.
    EXPECT_EQ(dump("<img src=\"none.gif\">"),
              "document 800 38\n"
              "fill 0 0 800 38 #d4d0c8\n"
              "frame 10 5 24 24 #808080 1\n"
              "line 14 9 23 18 #ff0000 1 solid\n"
              "line 23 9 14 18 #ff0000 1 solid\n");
}

}  // namespace
