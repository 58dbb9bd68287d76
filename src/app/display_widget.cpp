#include "app/display_widget.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <exception>

#include "app/form_widgets.h"
#include "engine/view/engine_document.h"
#include "platform/qt/qt_canvas.h"

namespace kelvor::app {

namespace {

engine::ShiftState Shift(Qt::KeyboardModifiers modifiers) {
    return {(modifiers & Qt::ShiftModifier) != 0, (modifiers & Qt::ControlModifier) != 0,
            (modifiers & Qt::AltModifier) != 0};
}

std::optional<engine::MouseButton> Button(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return engine::MouseButton::left;
        case Qt::RightButton:
            return engine::MouseButton::right;
        case Qt::MiddleButton:
            return engine::MouseButton::middle;
        default:
            return std::nullopt;
    }
}

engine::DisplayKey Key(int key) {
    switch (key) {
        case Qt::Key_PageUp:
            return engine::DisplayKey::pageUp;
        case Qt::Key_PageDown:
            return engine::DisplayKey::pageDown;
        case Qt::Key_End:
            return engine::DisplayKey::end;
        case Qt::Key_Home:
            return engine::DisplayKey::home;
        case Qt::Key_Up:
            return engine::DisplayKey::up;
        case Qt::Key_Down:
            return engine::DisplayKey::down;
        case Qt::Key_Left:
            return engine::DisplayKey::left;
        case Qt::Key_Right:
            return engine::DisplayKey::right;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return engine::DisplayKey::tab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return engine::DisplayKey::enter;
        default:
            return engine::DisplayKey::other;
    }
}

}  // namespace

// The paint panel: paints each rectangle of a paint into a buffer of its own and copies it to
// the screen in one piece, and hands the mouse to the control.
class DisplayPanel : public QWidget {
  public:
    explicit DisplayPanel(DisplayWidget& owner) : QWidget(&owner), owner_(owner) {
        // The control paints every pixel, background included.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter screen(this);
        const qreal ratio = devicePixelRatioF();
        for (const QRect& rect : event->region()) {
            QImage buffer(rect.size() * ratio, QImage::Format_RGB32);
            if (buffer.isNull()) {
                if (owner_.onError) {
                    owner_.onError("Out of Resources");
                }
                continue;
            }
            buffer.setDevicePixelRatio(ratio);
            {
                QPainter painter(&buffer);
                painter.translate(-rect.topLeft());
                platform::qt::QtCanvas canvas(painter);
                owner_.guarded([&] {
                    owner_.control().Paint(
                        canvas, {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
                });
            }
            screen.drawImage(rect.topLeft(), buffer);
        }
        if (owner_.onPainted) {
            owner_.onPainted();
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (auto button = Button(event->button())) {
            const QPoint at = event->position().toPoint();
            owner_.guarded([&] {
                owner_.control().MouseDown(*button, Shift(event->modifiers()), at.x(), at.y());
            });
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        owner_.guarded(
            [&] { owner_.control().MouseMove(Shift(event->modifiers()), at.x(), at.y()); });
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (auto button = Button(event->button())) {
            const QPoint at = event->position().toPoint();
            owner_.guarded([&] {
                owner_.control().MouseUp(*button, Shift(event->modifiers()), at.x(), at.y());
            });
        }
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            mousePressEvent(event);
            return;
        }
        const QPoint at = event->position().toPoint();
        owner_.guarded(
            [&] { owner_.control().DoubleClick(Shift(event->modifiers()), at.x(), at.y()); });
    }

  private:
    DisplayWidget& owner_;
};

DisplayWidget::DisplayWidget(std::unique_ptr<engine::ViewDocument> document,
                             const platform::FileSystem& files, QWidget* parent)
    : QWidget(parent),
      panel_(new DisplayPanel(*this)),
      vbar_(new QScrollBar(Qt::Vertical, this)),
      hbar_(new QScrollBar(Qt::Horizontal, this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    vbar_->hide();
    hbar_->hide();
    vbar_->setFocusPolicy(Qt::NoFocus);
    hbar_->setFocusPolicy(Qt::NoFocus);
    vbar_->setSingleStep(engine::THtmlDisplay::kSmallChange);
    hbar_->setSingleStep(engine::THtmlDisplay::kHorizontalSmallChange);
    connect(vbar_, &QAbstractSlider::actionTriggered, this,
            [this](int action) { verticalAction(action); });
    connect(hbar_, &QAbstractSlider::valueChanged, this, [this](int value) {
        if (!settingBars_) {
            guarded([&] { control_->HorizontalScroll(value); });
        }
    });
    connect(&linkTimer_, &QTimer::timeout, this,
            [this] { guarded([&] { control_->TimerTick(engine::ViewTimer::linkLeave); }); });
    connect(&autoScrollTimer_, &QTimer::timeout, this,
            [this] { guarded([&] { control_->TimerTick(engine::ViewTimer::autoScroll); }); });
    connect(&animationTimer_, &QTimer::timeout, this,
            [this] { guarded([&] { control_->TimerTick(engine::ViewTimer::animation); }); });
    // The engine's document shows its form controls as widgets on the panel.
    if (auto* engineDocument = dynamic_cast<engine::EngineDocument*>(document.get())) {
        formWidgets_ = std::make_unique<FormWidgetFactory>(*panel_);
        engineDocument->setFormControlFactory(formWidgets_.get());
    }
    control_ = std::make_unique<engine::THtmlDisplay>(*this, std::move(document), files);
}

DisplayWidget::~DisplayWidget() = default;

QWidget& DisplayWidget::panel() {
    return *panel_;
}

void DisplayWidget::guarded(const std::function<void()>& handling) {
    try {
        handling();
    } catch (const std::exception& error) {
        if (onError) {
            onError(error.what());
        }
    }
}

void DisplayWidget::verticalAction(int action) {
    engine::ScrollCode code;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            code = engine::ScrollCode::lineDown;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            code = engine::ScrollCode::lineUp;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            code = engine::ScrollCode::pageDown;
            break;
        case QAbstractSlider::SliderPageStepSub:
            code = engine::ScrollCode::pageUp;
            break;
        case QAbstractSlider::SliderToMinimum:
            code = engine::ScrollCode::top;
            break;
        case QAbstractSlider::SliderToMaximum:
            code = engine::ScrollCode::bottom;
            break;
        case QAbstractSlider::SliderMove:
            code = engine::ScrollCode::thumbTrack;
            break;
        default:
            return;
    }
    const int track = vbar_->sliderPosition();
    guarded([&] { control_->VerticalScroll(code, track); });
    // The bar shows the control's position, not the one the bar worked out itself.
    vbar_->setSliderPosition(control_->VerticalPosition());
}

void DisplayWidget::invalidate(std::optional<platform::Rect> rect) {
    if (rect) {
        panel_->update(QRect(rect->left, rect->top, rect->width(), rect->height()));
    } else {
        panel_->update();
    }
}

void DisplayWidget::scrollContents(int dy) {
    // Only the pixels: the document has already moved the form controls' widgets.
    panel_->scroll(0, dy, panel_->rect());
}

void DisplayWidget::setVerticalBar(const engine::VerticalBar& bar) {
    settingBars_ = true;
    // Qt's maximum is the last position, the system's the last pixel: they differ by the page.
    vbar_->setRange(bar.minimum, std::max(bar.minimum, bar.maximum - bar.page + 1));
    vbar_->setPageStep(std::max(1, bar.page - 1));
    vbar_->setValue(bar.position);
    vbar_->setEnabled(bar.enabled);
    vbar_->setVisible(bar.visible);
    settingBars_ = false;
}

void DisplayWidget::setHorizontalBar(const engine::HorizontalBar& bar) {
    settingBars_ = true;
    hbar_->setRange(0, std::max(0, bar.maximum - bar.page));
    hbar_->setPageStep(std::max(1, bar.page - 20));
    hbar_->setValue(bar.position);
    hbar_->setVisible(bar.visible);
    settingBars_ = false;
}

void DisplayWidget::setGeometry(const engine::ViewGeometry& geometry) {
    geometry_ = geometry;
    const platform::Rect& p = geometry.panel;
    panel_->QWidget::setGeometry(p.left, p.top, p.width(), p.height());
    vbar_->QWidget::setGeometry(p.right, p.top, verticalBarWidth(), p.height());
    hbar_->QWidget::setGeometry(p.left, p.bottom, p.width(), horizontalBarHeight());
    update();
}

void DisplayWidget::setCursor(engine::ViewCursor cursor) {
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (cursor) {
        case engine::ViewCursor::arrow:
            shape = Qt::ArrowCursor;
            break;
        case engine::ViewCursor::iBeam:
            shape = Qt::IBeamCursor;
            break;
        case engine::ViewCursor::hand:
            shape = Qt::PointingHandCursor;
            break;
        case engine::ViewCursor::busy:
            shape = Qt::WaitCursor;
            break;
        case engine::ViewCursor::pan:
            shape = Qt::SizeAllCursor;
            break;
        case engine::ViewCursor::panUp:
        case engine::ViewCursor::panDown:
            shape = Qt::SizeVerCursor;
            break;
    }
    panel_->setCursor(shape);
}

QTimer& DisplayWidget::timer(engine::ViewTimer which) {
    switch (which) {
        case engine::ViewTimer::linkLeave:
            return linkTimer_;
        case engine::ViewTimer::autoScroll:
            return autoScrollTimer_;
        case engine::ViewTimer::animation:
            return animationTimer_;
    }
    return linkTimer_;
}

void DisplayWidget::startTimer(engine::ViewTimer which, int milliseconds) {
    timer(which).start(milliseconds);
}

void DisplayWidget::stopTimer(engine::ViewTimer which) {
    timer(which).stop();
}

void DisplayWidget::post(std::function<void()> call) {
    // Queued on this widget: dropped when the widget goes first.
    QMetaObject::invokeMethod(
        this, [this, call = std::move(call)] { guarded(call); }, Qt::QueuedConnection);
}

engine::ViewPoint DisplayWidget::mousePosition() const {
    const QPoint at = panel_->mapFromGlobal(QCursor::pos());
    return {at.x(), at.y()};
}

int DisplayWidget::wheelScrollLines() const {
    return QApplication::wheelScrollLines();
}

int DisplayWidget::verticalBarWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int DisplayWidget::horizontalBarHeight() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void DisplayWidget::takeFocus() {
    setFocus(Qt::MouseFocusReason);
}

void DisplayWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (geometry_.borderDrawn) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void DisplayWidget::resizeEvent(QResizeEvent*) {
    guarded([&] { control_->SetSize(width(), height()); });
}

void DisplayWidget::keyPressEvent(QKeyEvent* event) {
    bool used = false;
    guarded([&] { used = control_->KeyDown(Key(event->key()), Shift(event->modifiers())); });
    if (!used) {
        QWidget::keyPressEvent(event);
    }
}

void DisplayWidget::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    guarded([&] { control_->MouseWheel(delta, Shift(event->modifiers())); });
    event->accept();
}

void DisplayWidget::focusInEvent(QFocusEvent*) {
    guarded([&] { control_->FocusChanged(true); });
}

void DisplayWidget::focusOutEvent(QFocusEvent*) {
    guarded([&] { control_->FocusChanged(false); });
}

bool DisplayWidget::focusNextPrevChild(bool next) {
    // Tab walks the page's links first; past the last one the focus moves on.
    bool used = false;
    guarded([&] {
        used = control_->KeyDown(engine::DisplayKey::tab, engine::ShiftState{!next, false, false});
    });
    return used || QWidget::focusNextPrevChild(next);
}

}  // namespace kelvor::app
