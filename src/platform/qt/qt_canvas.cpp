#include "platform/qt/qt_canvas.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPen>
#include <QRect>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/qt/qt_font_services.h"

namespace kelvor::platform::qt {

namespace {

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(RgbColour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// Coordinates are worked out wide and brought back into the int range, so that no position,
// however far out, overflows.
int Saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

// Rectangles are cut to 2^24 pixels either side of the origin, far beyond any device, so that
// Qt's own arithmetic on them cannot overflow either.
constexpr int kFarOut = 1 << 24;

int Near(std::int64_t coordinate) {
    return static_cast<int>(std::clamp<std::int64_t>(coordinate, -kFarOut, kFarOut));
}

QRect ToQRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    const int x = Near(left);
    const int y = Near(top);
    return QRect(x, y, Near(right) - x, Near(bottom) - y);
}

QRect ToQRect(const Rect& rect) {
    return ToQRect(rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device) : device_(&device) {}

QtCanvas::QtCanvas(QPainter& painter) : device_(painter.device()), external_(&painter) {}

QtCanvas::~QtCanvas() {
    if (own_)
        own_->end();
}

QPainter& QtCanvas::painter() {
    if (external_)
        return *external_;
    if (!own_)
        own_ = std::make_unique<QPainter>(device_);
    return *own_;
}

void QtCanvas::drawText(const Font& font, int x, int baselineY, std::u16string_view text,
                        RgbColour colour, std::optional<RgbColour> background) {
    QPainter& p = painter();
    const QFont qfont = ToQFont(font);
    if (background) {
        const FontMetrics& m = font.metrics();
        const int top = Saturated(static_cast<std::int64_t>(baselineY) - m.ascent);
        p.fillRect(QRect(x, top, font.textWidth(text), m.height), ToQColor(*background));
    }
    p.setFont(qfont);
    p.setPen(ToQColor(colour));
    p.drawText(QPoint(x, baselineY), ToQString(text));
}

void QtCanvas::fillRect(const Rect& rect, RgbColour colour) {
    painter().fillRect(ToQRect(rect), ToQColor(colour));
}

void QtCanvas::frameRect(const Rect& rect, RgbColour colour, int penWidth) {
    const std::int64_t left = rect.left;
    const std::int64_t top = rect.top;
    const std::int64_t right = rect.right;
    const std::int64_t bottom = rect.bottom;
    if (right <= left || bottom <= top)
        return;
    // The frame lies inside the rectangle: four bands of the pen's width, or the whole
    // rectangle when the bands would meet.
    const std::int64_t pen = std::max(1, penWidth);
    QPainter& p = painter();
    const QColor fill = ToQColor(colour);
    if (2 * pen >= right - left || 2 * pen >= bottom - top) {
        p.fillRect(ToQRect(rect), fill);
        return;
    }
    p.fillRect(ToQRect(left, top, right, top + pen), fill);
    p.fillRect(ToQRect(left, bottom - pen, right, bottom), fill);
    p.fillRect(ToQRect(left, top + pen, left + pen, bottom - pen), fill);
    p.fillRect(ToQRect(right - pen, top + pen, right, bottom - pen), fill);
}

void QtCanvas::drawLine(int x1, int y1, int x2, int y2, RgbColour colour, int penWidth,
                        PenStyle style) {
    QPen pen(ToQColor(colour));
    pen.setWidth(std::max(1, penWidth));
    pen.setStyle(style == PenStyle::dashed   ? Qt::DashLine
                 : style == PenStyle::dotted ? Qt::DotLine
                                             : Qt::SolidLine);
    QPainter& p = painter();
    p.setPen(pen);
    p.drawLine(x1, y1, x2, y2);
}

void QtCanvas::drawEllipse(const Rect& rect, RgbColour pen, std::optional<RgbColour> fill) {
    QPainter& p = painter();
    p.setPen(ToQColor(pen));
    if (fill) {
        p.setBrush(ToQColor(*fill));
    } else {
        p.setBrush(Qt::NoBrush);
    }
    const QRect area = ToQRect(rect);
    p.drawEllipse(
        QRect(area.x(), area.y(), std::max(0, area.width() - 1), std::max(0, area.height() - 1)));
    p.setBrush(Qt::NoBrush);
}

void QtCanvas::drawPicture(const Picture& picture, const Rect& target) {
    if (picture.width() <= 0 || picture.height() <= 0 || picture.pixels() == nullptr)
        return;
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels()), picture.width(),
                       picture.height(), picture.width() * 4, QImage::Format_ARGB32);
    painter().drawImage(ToQRect(target), image);
}

void QtCanvas::setClip(std::optional<Rect> rect) {
    QPainter& p = painter();
    if (rect) {
        p.setClipRect(ToQRect(*rect));
    } else {
        p.setClipping(false);
    }
}

void QtCanvas::setMapping(const CanvasMapping& mapping) {
    const double logical = mapping.logical > 0 ? mapping.logical : 1;
    painter().setWorldTransform(QTransform(mapping.deviceX / logical, 0, 0,
                                           mapping.deviceY / logical, mapping.originX,
                                           mapping.originY));
}

}  // namespace kelvor::platform::qt
