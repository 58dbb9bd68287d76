#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPrinter>
#include <QTemporaryDir>
#include <climits>
#include <cstdlib>
#include <memory>

#include "engine/style/colours.h"
#include "engine/style/font_cache.h"
#include "engine/style/fonts.h"
#include "engine/style/properties.h"
#include "engine/style/style_list.h"
#include "gui_application.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_font_services.h"
#include "platform/qt/qt_printer.h"

namespace kelvor::platform::qt {
namespace {

TEST(QtFontServices, WindowsFamiliesResolveToTheirMetricTwins) {
    Application();
    QImage image(200, 60, QImage::Format_RGB32);
    QtFontServices device(image);
    EXPECT_TRUE(device.hasFontFamily("Arial"));
    EXPECT_TRUE(device.hasFontFamily("times new roman"));
    EXPECT_TRUE(device.hasFontFamily("Courier New"));
    EXPECT_FALSE(device.hasFontFamily("No Such Family 123"));
    EXPECT_EQ(QtFontServices::actualFamily("Arial"), "Liberation Sans");
    const std::vector<std::string> families = device.fontFamilies();
    EXPECT_NE(std::find(families.begin(), families.end(), "Times New Roman"), families.end());
    EXPECT_EQ(engine::ResolveFontFamily("Foo, sans-serif", device), "Arial");
    // System colours come from the desktop palette.
    const QColor text = QGuiApplication::palette().color(QPalette::Active, QPalette::Text);
    EXPECT_EQ(engine::ResolveColour(engine::kSystemColourBase + 8, device),
              static_cast<RgbColour>(text.red() | (text.green() << 8) | (text.blue() << 16)));
}

TEST(QtCanvas, MeasuresAndDrawsTextWithARealFont) {
    Application();
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtFontServices device(image);
    {
        QtCanvas canvas(image);
        FontRequest request;
        request.name = "Arial";
        request.height = -20;
        const std::shared_ptr<const Font> font = device.createFont(request);
        const FontMetrics& m = font->metrics();
        EXPECT_EQ(m.height, m.ascent + m.descent);
        EXPECT_GT(m.ascent, m.descent);
        EXPECT_GE(m.internalLeading, 0);
        EXPECT_GT(m.averageCharWidth, 0);
        EXPECT_GE(m.maxCharWidth, m.averageCharWidth);
        EXPECT_EQ(m.charset, kAnsiCharset);
        const int one = font->textWidth(u"W");
        EXPECT_GT(one, 0);
        EXPECT_GT(font->textWidth(u"WWWW"), 3 * one);
        EXPECT_LT(font->textWidth(u"iiii"), font->textWidth(u"WWWW"));

        canvas.drawText(*font, 10, 40, u"Kelvor", 0x0000FF, std::nullopt);  // red text
        canvas.fillRect(Rect{150, 10, 160, 20}, 0xFF0000);                  // blue square
    }
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < 150; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80)
                ++red;
        }
    }
    EXPECT_GT(red, 20);
    EXPECT_EQ(image.pixelColor(155, 15), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(165, 15), QColor(Qt::white));
    // Nothing drawn above the text's ascent.
    EXPECT_EQ(image.pixelColor(20, 2), QColor(Qt::white));
}

TEST(QtFontServices, AnyHeightIsSafe) {
    Application();
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtFontServices device(image);
    fixed::FixedFontServices fixedDevice;
    {
        QtCanvas canvas(image);
        for (const int height : {INT_MIN, INT_MIN + 1, -kMaxFontHeight - 1, INT_MAX, 0, -1}) {
            FontRequest request;
            request.name = "Arial";
            request.height = height;
            const std::shared_ptr<const Font> font = device.createFont(request);
            const FontMetrics& m = font->metrics();
            EXPECT_GT(m.height, 0) << height;
            EXPECT_GE(m.internalLeading, 0) << height;
            EXPECT_GE(font->textWidth(u"W"), 0) << height;
            canvas.drawText(*font, 0, 30, u"W", 0, 0xFFFFFF);
            // A font of other services, drawn at its own height.
            canvas.drawText(*fixedDevice.createFont(request), 0, 30, u"W", 0, std::nullopt);
        }
        // Rectangles spanning the whole int range, and a pen wider than any frame.
        canvas.fillRect(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0xFFFFFF);
        canvas.drawEllipse(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0, 0x00FF00);
        canvas.frameRect(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0xFF0000, INT_MAX);
        canvas.frameRect(Rect{-100, 0, 1000, 40}, 0x0000FF, INT_MAX);
    }
    // The last frame filled everything it covered: the whole image is red.
    EXPECT_EQ(image.pixelColor(60, 20), QColor(255, 0, 0));
}

TEST(QtFontServices, FontsOutliveTheirServices) {
    Application();
    std::shared_ptr<const Font> font;
    {
        QImage image(10, 10, QImage::Format_RGB32);
        QtFontServices device(image);
        FontRequest request;
        request.name = "Arial";
        request.height = -20;
        font = device.createFont(request);
    }
    // The image is gone; the font measures for the screen instead of touching it.
    EXPECT_GT(font->textWidth(u"Kelvor"), 0);
}

TEST(QtFontServices, BuildTheFontsOfElements) {
    Application();
    QImage image(10, 10, QImage::Format_RGB32);
    QtFontServices device(image);
    engine::FontCache fonts(device);
    engine::TStyleList list(fonts);
    engine::StyleDefaults defaults;
    list.initialize(defaults);
    engine::TProperties root(list.defaults());
    const engine::TDocFont& font = root.font();
    EXPECT_EQ(font.description.name, "Times New Roman");
    EXPECT_GT(root.emSize(), 10);
    EXPECT_EQ(root.exSize(), root.emSize() / 2);
}

TEST(QtCanvas, MappingScalesLogicalUnitsToDevicePixels) {
    Application();
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QtCanvas canvas(image);
        // One unit is two pixels, the logical origin 10 pixels in from the left.
        canvas.setMapping(CanvasMapping{1, 2, 2, 10, 0});
        canvas.fillRect(Rect{0, 0, 10, 10}, 0);
    }
    EXPECT_EQ(image.pixelColor(25, 15), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(35, 5), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(15, 25), QColor(255, 255, 255));
}

TEST(QtPrinter, PrintsToAPdfFileAndAbortTakesItBack) {
    Application();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("out.pdf");
    QPrinter qprinter(QPrinter::HighResolution);
    qprinter.setOutputFormat(QPrinter::PdfFormat);
    qprinter.setOutputFileName(file);
    qprinter.setPageSize(QPageSize(QPageSize::A4));
    QtPrinter printer(qprinter);
    ASSERT_TRUE(printer.valid());
    const PrinterGeometry geometry = printer.geometry();
    EXPECT_GT(geometry.dotsPerInchX, 0);
    // A4 is 8.27 inches wide; the printable area lies inside the sheet.
    EXPECT_NEAR(geometry.physicalWidth, 8.27 * geometry.dotsPerInchX, geometry.dotsPerInchX / 10);
    EXPECT_LE(geometry.offsetX + geometry.pageWidth, geometry.physicalWidth);
    EXPECT_LE(geometry.offsetY + geometry.pageHeight, geometry.physicalHeight);

    ASSERT_TRUE(printer.startDocument("Two pages"));
    ASSERT_TRUE(printer.startPage());
    printer.pageCanvas().fillRect(Rect{0, 0, 100, 100}, 0);
    printer.endPage();
    ASSERT_TRUE(printer.startPage());
    printer.endPage();
    printer.endDocument();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(4) == "%PDF");
    written.close();

    const QString aborted = folder.filePath("aborted.pdf");
    qprinter.setOutputFileName(aborted);
    QtPrinter again(qprinter);
    ASSERT_TRUE(again.startDocument("Aborted"));
    ASSERT_TRUE(again.startPage());
    again.abortDocument();
    EXPECT_FALSE(QFile::exists(aborted));
}

}  // namespace
}  // namespace kelvor::platform::qt
