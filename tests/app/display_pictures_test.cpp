// The control's Qt window showing an animated picture on the offscreen platform: its timer
// steps the picture with the real clock and the panel shows the next frame.

// Before any Qt header: Qt defines `emit` as a macro, which the writer uses as a name.
// clang-format off
#include "images/gif_writer.h"
// clang-format on

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <memory>
#include <string>

#include "app/display_widget.h"
#include "engine/view/engine_document.h"
#include "fakes/platform/fake_platform.h"
#include "platform/qt/qt_font_services.h"
#include "qt_application.h"

namespace kelvor {
namespace {

using testing::Application;

// Two frames of 20 x 20, red then blue, 100 ms each, played without end.
std::string RedThenBlue() {
    images::testing::GifWriter gif(20, 20);
    gif.globalTable({0x000000, 0xFF0000, 0x0000FF, 0xFFFFFF});
    gif.netscape(0);
    gif.graphicControl(0, 10).image(0, 0, 20, 20, std::vector<std::uint8_t>(400, 1));
    gif.graphicControl(0, 10).image(0, 0, 20, 20, std::vector<std::uint8_t>(400, 2));
    const auto& bytes = gif.trailer().bytes();
    return std::string(bytes.begin(), bytes.end());
}

QColor PanelPixel(app::DisplayWidget& widget, int x, int y) {
    // The panel paints into its own buffer; a grab of it runs its paint as the screen would.
    return widget.panel().grab().toImage().pixelColor(x, y);
}

TEST(DisplayPictures, AnAnimatedPictureShowsItsNextFrameAfterItsDelay) {
    Application();
    testing::FakeFileSystem files;
    files.addFile("/docs/anim.gif", RedThenBlue());
    files.addFile("/docs/page.htm", "<body bgcolor=white><img src=\"anim.gif\"></body>");
    app::DisplayWidget widget(
        std::make_unique<engine::EngineDocument>(std::make_unique<platform::qt::QtFontServices>()),
        files);
    std::string error;
    widget.onError = [&](const std::string& message) { error = message; };
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    widget.control().LoadHtmlFile("/docs/page.htm");
    QApplication::processEvents();

    // The picture's top left corner lies at the page's margins (10, 5) at the latest; its
    // middle is in it whatever the line's height.
    const int x = 10 + 10;
    const int y = widget.control().DocumentHeight() - 5 - 12;
    EXPECT_EQ(PanelPixel(widget, x, y), QColor(255, 0, 0));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return PanelPixel(widget, x, y) == QColor(0, 0, 255); }, 5000));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return PanelPixel(widget, x, y) == QColor(255, 0, 0); }, 5000));
    EXPECT_EQ(error, "");
}

}  // namespace
}  // namespace kelvor
