#include "platform/qt/qt_font_services.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPalette>
#include <QScreen>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

namespace kelvor::platform::qt {

// The device the fonts of one QtFontServices measure on; the services clear it when they go.
struct MeasuringDevice {
    QPaintDevice* device = nullptr;
};

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

QFont BaseFont(const FontRequest& request) {
    QFont font;
    font.setFamily(ToQString(QtFontServices::actualFamily(request.name)));
    font.setBold((request.style & kFontBold) != 0);
    font.setItalic((request.style & kFontItalic) != 0);
    font.setUnderline((request.style & kFontUnderline) != 0);
    font.setStrikeOut((request.style & kFontStrikeOut) != 0);
    return font;
}

class QtFont : public Font {
  public:
    QtFont(const FontRequest& request, std::shared_ptr<const MeasuringDevice> device)
        : request_(request), device_(std::move(device)), font_(BaseFont(request)) {
        const int height = ClampedFontHeight(request.height);
        int em = height < 0 ? -height : 16;
        font_.setPixelSize(std::max(1, em));
        if (height > 0) {
            // A cell height: scale the em until ascent + descent match it.
            const QFontMetrics probe = measure();
            const int cell = probe.ascent() + probe.descent();
            if (cell > 0) {
                em = std::clamp(static_cast<int>(std::lround(16.0 * height / cell)), 1,
                                kMaxFontHeight);
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
        return device_->device ? QFontMetrics(font_, device_->device) : QFontMetrics(font_);
    }

    FontRequest request_;
    std::shared_ptr<const MeasuringDevice> device_;
    QFont font_;
    FontMetrics metrics_;
};

}  // namespace

QtFontServices::QtFontServices() : device_(std::make_shared<MeasuringDevice>()) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        pixelsPerInch_ = std::max(1, static_cast<int>(std::lround(screen->logicalDotsPerInchY())));
        bitsPerPixel_ = screen->depth();
    }
}

QtFontServices::QtFontServices(QPaintDevice& device)
    : device_(std::make_shared<MeasuringDevice>(MeasuringDevice{&device})),
      pixelsPerInch_(std::max(1, device.logicalDpiY())),
      bitsPerPixel_(device.depth()) {}

QtFontServices::~QtFontServices() {
    device_->device = nullptr;
}

std::string QtFontServices::actualFamily(std::string_view family) {
    if (std::optional<QString> installed = Installed(family))
        return installed->toStdString();
    if (std::optional<QString> twin = TwinOf(family))
        return twin->toStdString();
    return std::string(family);
}

std::vector<std::string> QtFontServices::fontFamilies() const {
    std::set<std::string> names;
    for (const QString& family : Families())
        names.insert(family.toStdString());
    for (const MetricTwin& entry : kMetricTwins) {
        if (TwinOf(entry.family))
            names.insert(std::string(entry.family));
    }
    return {names.begin(), names.end()};
}

bool QtFontServices::hasFontFamily(std::string_view family) const {
    return Installed(family).has_value() || TwinOf(family).has_value();
}

std::shared_ptr<const Font> QtFontServices::createFont(const FontRequest& request) {
    return std::make_shared<QtFont>(request, device_);
}

RgbColour QtFontServices::systemColour(int index) const {
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
    return FontServices::systemColour(index);
}

QFont ToQFont(const Font& font) {
    if (const auto* qtFont = dynamic_cast<const QtFont*>(&font))
        return qtFont->font();
    QFont built = BaseFont(font.request());
    const int height = ClampedFontHeight(font.request().height);
    // A foreign font is drawn at its em; its own metrics tell the em of a cell height.
    const FontMetrics& metrics = font.metrics();
    const int em = height < 0 ? -height : metrics.height - metrics.internalLeading;
    built.setPixelSize(std::clamp(em > 0 ? em : 16, 1, kMaxFontHeight));
    return built;
}

}  // namespace kelvor::platform::qt
