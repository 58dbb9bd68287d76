// The control's Qt window on the offscreen platform: what it paints, before and after scrolling
// with keys and the wheel.
#include "app/display_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QWheelEvent>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/view/engine_document.h"
#include "engine/view/view_fakes.h"
#include "fakes/platform/fake_platform.h"
#include "platform/qt/qt_font_services.h"
#include "qt_application.h"

namespace kelvor {
namespace {

using testing::Application;

// A white page with one red block at document (20, 300) .. (120, 340).
class BlockDocument : public testing::FakeDocument {
  public:
    void paint(platform::Canvas& canvas, const platform::Rect& clip) override {
        FakeDocument::paint(canvas, clip);
        canvas.fillRect(clip, 0xFFFFFF);
        canvas.fillRect({20 - offsetX, 300 - offsetY, 120 - offsetX, 340 - offsetY}, 0x0000FF);
    }
};

bool IsRed(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(255, 0, 0);
}

bool IsWhite(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(255, 255, 255);
}

TEST(DisplayWidget, PaintsTheDocumentAndScrollsWithKeysAndWheel) {
    Application();
    testing::FakeFileSystem files;
    std::string page;
    for (int i = 0; i < 20; ++i) {
        page += "@height 100\n";
    }
    files.addFile("/docs/a.htm", page);
    app::DisplayWidget widget(std::make_unique<BlockDocument>(), files);
    std::string error;
    widget.onError = [&](const std::string& message) { error = message; };
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    widget.control().LoadHtmlFile("/docs/a.htm");
    QApplication::processEvents();
    // The panel sits inside the one-pixel border.
    EXPECT_EQ(widget.panel().geometry().topLeft(), QPoint(1, 1));
    EXPECT_EQ(widget.panel().height(), 198);

    QImage shot = widget.grab().toImage();
    EXPECT_TRUE(IsWhite(shot, 51, 130));
    EXPECT_TRUE(IsWhite(shot, 51, 190));

    // Page Down: the panel's height less 16, so the block comes to panel rows 118 .. 157.
    QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(&widget, &pageDown);
    EXPECT_EQ(widget.control().VerticalPosition(), 182);
    shot = widget.grab().toImage();
    EXPECT_TRUE(IsRed(shot, 51, 1 + 118));
    EXPECT_TRUE(IsRed(shot, 51, 1 + 157));
    EXPECT_TRUE(IsWhite(shot, 51, 1 + 117));
    EXPECT_TRUE(IsWhite(shot, 51, 1 + 158));
    EXPECT_TRUE(IsWhite(shot, 19 + 1 - 1, 1 + 130));
    EXPECT_TRUE(IsRed(shot, 1 + 20, 1 + 130));

    // One notch towards the user: 16 pixels per line of the system's setting.
    const int lines = QApplication::wheelScrollLines();
    QWheelEvent notch(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &notch);
    const int position = 182 + 16 * lines;
    EXPECT_EQ(widget.control().VerticalPosition(), position);
    shot = widget.grab().toImage();
    EXPECT_TRUE(IsRed(shot, 51, 1 + 300 - position));
    EXPECT_TRUE(IsRed(shot, 51, 1 + 339 - position));
    EXPECT_TRUE(IsWhite(shot, 51, 1 + 340 - position));

    // Down by one line moves the pixels and paints the strip that came into view.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&widget, &down);
    QApplication::processEvents();
    shot = widget.grab().toImage();
    EXPECT_TRUE(IsRed(shot, 51, 1 + 300 - position - 16));
    EXPECT_TRUE(IsWhite(shot, 51, 1 + 340 - position - 16));
    EXPECT_EQ(error, "");
}

// The same on a real page, read, laid out and painted by the engine with the screen's fonts.
// Only the blocks' fixed heights and the page's margins place the red block: page rows 305 to
// 344, columns 10 to 109.
TEST(DisplayWidget, PaintsARealPageAndScrollsItWithKeysAndWheel) {
    Application();
    testing::FakeFileSystem files;
    files.addFile("/docs/block.htm",
                  "<div style=\"height:300px\">a</div>"
                  "<div style=\"background-color:#ff0000;height:40px;width:100px\">b</div>"
                  "<div style=\"height:400px\">c</div>");
    app::DisplayWidget widget(
        std::make_unique<engine::EngineDocument>(std::make_unique<platform::qt::QtFontServices>()),
        files);
    std::string error;
    widget.onError = [&](const std::string& message) { error = message; };
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    widget.control().SetDefBackground(0xFFFFFF);
    widget.control().LoadHtmlFile("/docs/block.htm");
    QApplication::processEvents();
    ASSERT_EQ(widget.control().DocumentHeight(), 5 + 300 + 40 + 400 + 5);
    ASSERT_EQ(widget.panel().height(), 198);

    QImage shot = widget.grab().toImage();
    EXPECT_TRUE(IsWhite(shot, 1 + 60, 1 + 150));
    EXPECT_TRUE(IsWhite(shot, 1 + 60, 1 + 197));

    // Page Down moves by 182: the block comes to panel rows 123 to 162.
    QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(&widget, &pageDown);
    ASSERT_EQ(widget.control().VerticalPosition(), 182);
    shot = widget.grab().toImage();
    EXPECT_TRUE(IsWhite(shot, 1 + 60, 1 + 122));
    EXPECT_TRUE(IsRed(shot, 1 + 60, 1 + 123));
    EXPECT_TRUE(IsRed(shot, 1 + 60, 1 + 162));
    EXPECT_TRUE(IsWhite(shot, 1 + 60, 1 + 163));
    EXPECT_TRUE(IsWhite(shot, 1 + 9, 1 + 150));
    EXPECT_TRUE(IsRed(shot, 1 + 10, 1 + 150));
    EXPECT_TRUE(IsRed(shot, 1 + 109, 1 + 150));
    EXPECT_TRUE(IsWhite(shot, 1 + 110, 1 + 150));

    // A notch towards the user: 16 pixels per line of the system's setting.
    const int lines = QApplication::wheelScrollLines();
    QWheelEvent notch(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &notch);
    const int position = 182 + 16 * lines;
    ASSERT_EQ(widget.control().VerticalPosition(), position);
    shot = widget.grab().toImage();
    EXPECT_TRUE(IsRed(shot, 1 + 60, 1 + 305 - position));
    EXPECT_TRUE(IsRed(shot, 1 + 60, 1 + 344 - position));
    EXPECT_TRUE(IsWhite(shot, 1 + 60, 1 + 345 - position));

    // One line down moves the pixels and paints the strip that came into view.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&widget, &down);
    QApplication::processEvents();
    shot = widget.grab().toImage();
    EXPECT_TRUE(IsRed(shot, 1 + 60, 1 + 305 - position - 16));
    EXPECT_TRUE(IsRed(shot, 1 + 60, 1 + 344 - position - 16));
    EXPECT_TRUE(IsWhite(shot, 1 + 60, 1 + 345 - position - 16));
    EXPECT_EQ(error, "");
}

TEST(DisplayWidget, AMissingLinkedFileIsToldAndThePageStays) {
    Application();
    testing::FakeFileSystem files;
    files.addFile("/docs/a.htm", "@link gone.htm Gone\n");
    app::DisplayWidget widget(std::make_unique<testing::FakeDocument>(), files);
    std::string error;
    widget.onError = [&](const std::string& message) { error = message; };
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    widget.control().LoadHtmlFile("/docs/a.htm");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(8, 5), QPointF(8, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(8, 5), QPointF(8, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget.panel(), &press);
    QApplication::sendEvent(&widget.panel(), &release);
    EXPECT_EQ(error, "Can't locate file: /docs/gone.htm");
    EXPECT_EQ(widget.control().CurrentFile(), "/docs/a.htm");
}

}  // namespace
}  // namespace kelvor
