#include "platform/qt/qt_canvas.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPalette>
#include <QPen>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace kelvor::platform::qt {

namespace {

// Free fonts drawn to the metrics of the common Windows families, so that documents naming
// those families lay out as their authors saw them.
struct MetricTwin {
    std::string_view family;
    std::array<std::string_view, 2> twins;
};

constexpr std::array<MetricTwin, 10> kMetricTwins = {{
    {"Times New Roman", {"Liberation Serif", "Tinos"}},
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Courier New", {"Liberation Mono", "Cousine"}},
    {"Helvetica", {"Liberation Sans", "Arimo"}},
    {"Times", {"Liberation Serif", "Tinos"}},
    {"Courier", {"Liberation Mono", "Cousine"}},
    {"Arial Narrow", {"Liberation Sans Narrow", ""}},
    {"Calibri", {"Carlito", ""}},
    {"Cambria", {"Caladea", ""}},
    {"Georgia", {"Gelasio", ""}},
}};

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The font database's families, read once: documents ask for families element by element.
const QStringList& Families() {
    static const QStringList families = QFontDatabase::families();
    return families;
}

// The installed family spelled as the font database spells it.
std::optional<QString> Installed(std::string_view family) {
    const QString wanted = ToQString(family);
    for (const QString& known : Families()) {
        if (known.compare(wanted, Qt::CaseInsensitive) == 0)
            return known;
    }
    return std::nullopt;
}

std::optional<QString> TwinOf(std::string_view family) {
    for (const MetricTwin& entry : kMetricTwins) {
        if (ToQString(entry.family).compare(ToQString(family), Qt::CaseInsensitive) != 0) {
            continue;
        }
        for (std::string_view twin : entry.twins) {
            if (twin.empty())
                continue;
            if (std::optional<QString> found = Installed(twin))
                return found;
        }
    }
    return std::nullopt;
}

QColor ToQColor(RgbColour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

class QtFont : public Font {
  public:
    QtFont(const FontRequest& request, QPaintDevice* device) : request_(request), device_(device) {
        font_.setFamily(ToQString(QtCanvas::actualFamily(request.name)));
        font_.setBold((request.style & kFontBold) != 0);
        font_.setItalic((request.style & kFontItalic) != 0);
        font_.setUnderline((request.style & kFontUnderline) != 0);
        font_.setStrikeOut((request.style & kFontStrikeOut) != 0);
        int em = request.height < 0 ? -request.height : 16;
        font_.setPixelSize(std::max(1, em));
        if (request.height > 0) {
            // A cell height: scale the em until ascent + descent match it.
            const QFontMetrics probe = measure();
            const int cell = probe.ascent() + probe.descent();
            if (cell > 0) {
                em = std::max(1, static_cast<int>(std::lround(16.0 * request.height / cell)));
                font_.setPixelSize(em);
            }
        }
        const QFontMetrics fm = measure();
        metrics_.ascent = fm.ascent();
        metrics_.descent = fm.descent();
        metrics_.height = fm.ascent() + fm.descent();
        metrics_.internalLeading = std::max(0, metrics_.height - em);
        metrics_.externalLeading = std::max(0, fm.leading());
        metrics_.averageCharWidth = fm.averageCharWidth();
        metrics_.maxCharWidth = fm.maxWidth();
        metrics_.charset = request.charset == kDefaultCharset ? kAnsiCharset : request.charset;
        const QList<QFontDatabase::WritingSystem> systems =
            QFontDatabase::writingSystems(font_.family());
        if (systems.size() == 1 && systems.front() == QFontDatabase::Symbol) {
            metrics_.charset = kSymbolCharset;
        }
    }

    const FontRequest& request() const override { return request_; }
    const FontMetrics& metrics() const override { return metrics_; }
    int textWidth(std::u16string_view text) const override {
        return measure().horizontalAdvance(ToQString(text));
    }
    const QFont& font() const { return font_; }

  private:
    QFontMetrics measure() const {
        return device_ ? QFontMetrics(font_, device_) : QFontMetrics(font_);
    }

    FontRequest request_;
    QPaintDevice* device_;
    QFont font_;
    FontMetrics metrics_;
};

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device) : device_(&device) {}

QtCanvas::QtCanvas(QPainter& painter) : device_(painter.device()), external_(&painter) {}

QtCanvas::~QtCanvas() {
    if (own_)
        own_->end();
}

std::string QtCanvas::actualFamily(std::string_view family) {
    if (std::optional<QString> installed = Installed(family))
        return installed->toStdString();
    if (std::optional<QString> twin = TwinOf(family))
        return twin->toStdString();
    return std::string(family);
}

std::vector<std::string> QtCanvas::fontFamilies() const {
    std::set<std::string> names;
    for (const QString& family : Families())
        names.insert(family.toStdString());
    for (const MetricTwin& entry : kMetricTwins) {
        if (TwinOf(entry.family))
            names.insert(std::string(entry.family));
    }
    return {names.begin(), names.end()};
}

bool QtCanvas::hasFontFamily(std::string_view family) const {
    return Installed(family).has_value() || TwinOf(family).has_value();
}

std::shared_ptr<Font> QtCanvas::createFont(const FontRequest& request) {
    return std::make_shared<QtFont>(request, device_);
}

int QtCanvas::pixelsPerInch() const {
    return device_ ? device_->logicalDpiY() : 96;
}

int QtCanvas::bitsPerPixel() const {
    return device_ ? device_->depth() : 32;
}

RgbColour QtCanvas::systemColour(int index) const {
    struct Role {
        int index;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    static constexpr Role kRoles[] = {
        {4, QPalette::Active, QPalette::Window},            // menu
        {5, QPalette::Active, QPalette::Base},              // window
        {7, QPalette::Active, QPalette::WindowText},        // menu text
        {8, QPalette::Active, QPalette::Text},              // window text
        {13, QPalette::Active, QPalette::Highlight},        // highlight
        {14, QPalette::Active, QPalette::HighlightedText},  // highlight text
        {15, QPalette::Active, QPalette::Button},           // button face
        {16, QPalette::Active, QPalette::Dark},             // button shadow
        {17, QPalette::Disabled, QPalette::Text},           // grey text
        {18, QPalette::Active, QPalette::ButtonText},       // button text
        {20, QPalette::Active, QPalette::Light},            // button highlight
        {21, QPalette::Active, QPalette::Shadow},           // 3D dark shadow
        {22, QPalette::Active, QPalette::Midlight},         // 3D light
        {23, QPalette::Active, QPalette::ToolTipText},      // info text
        {24, QPalette::Active, QPalette::ToolTipBase},      // info background
    };
    for (const Role& role : kRoles) {
        if (role.index != index)
            continue;
        const QColor colour = QGuiApplication::palette().color(role.group, role.role);
        return static_cast<RgbColour>(colour.red()) |
               (static_cast<RgbColour>(colour.green()) << 8) |
               (static_cast<RgbColour>(colour.blue()) << 16);
    }
    return Canvas::systemColour(index);
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
    const QtFont* qtFont = dynamic_cast<const QtFont*>(&font);
    std::optional<QtFont> foreign;
    if (qtFont == nullptr)
        qtFont = &foreign.emplace(font.request(), device_);
    const QFont& qfont = qtFont->font();
    if (background) {
        const FontMetrics& m = font.metrics();
        p.fillRect(QRect(x, baselineY - m.ascent, font.textWidth(text), m.height),
                   ToQColor(*background));
    }
    p.setFont(qfont);
    p.setPen(ToQColor(colour));
    p.drawText(QPoint(x, baselineY), ToQString(text));
}

void QtCanvas::fillRect(const Rect& rect, RgbColour colour) {
    painter().fillRect(ToQRect(rect), ToQColor(colour));
}

void QtCanvas::frameRect(const Rect& rect, RgbColour colour, int penWidth) {
    QPainter& p = painter();
    const int width = std::max(1, penWidth);
    // The frame lies inside the rectangle.
    for (int i = 0; i < width; ++i) {
        const QRect ring(rect.left + i, rect.top + i, rect.width() - 2 * i, rect.height() - 2 * i);
        if (ring.width() <= 0 || ring.height() <= 0)
            break;
        p.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), ToQColor(colour));
        p.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), ToQColor(colour));
        p.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), ToQColor(colour));
        p.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), ToQColor(colour));
    }
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
    p.drawEllipse(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1));
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

}  // namespace kelvor::platform::qt
