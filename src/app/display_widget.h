#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "engine/view/html_display.h"
#include "engine/view/view_document.h"
#include "engine/view/view_host.h"
#include "platform/file_system.h"

class QScrollBar;

namespace kelvor::app {

class DisplayPanel;
class FormWidgetFactory;

// The display control's window on Qt: the border, the paint panel and the two scroll bars
// that the control places, timers and deferred calls. All behaviour is the control's; this
// class only carries events in and requests out.
class DisplayWidget : public QWidget, public engine::ViewHost {
  public:
    DisplayWidget(std::unique_ptr<engine::ViewDocument> document, const platform::FileSystem& files,
                  QWidget* parent = nullptr);
    ~DisplayWidget() override;

    engine::THtmlDisplay& control() { return *control_; }
    QWidget& panel();

    // An error that ends the handling of an event (a followed link whose file is missing,
    // a paint without memory for its buffer) is told here; the window shows it.
    std::function<void(const std::string& message)> onError;
    // Called after each paint of the panel.
    std::function<void()> onPainted;

    // engine::ViewHost
    void invalidate(std::optional<platform::Rect> rect) override;
    void scrollContents(int dy) override;
    void setVerticalBar(const engine::VerticalBar& bar) override;
    void setHorizontalBar(const engine::HorizontalBar& bar) override;
    void setGeometry(const engine::ViewGeometry& geometry) override;
    void setPanelColour(engine::TColour colour) override { panelColour_ = colour; }
    void setCursor(engine::ViewCursor cursor) override;
    void startTimer(engine::ViewTimer timer, int milliseconds) override;
    void stopTimer(engine::ViewTimer timer) override;
    void post(std::function<void()> call) override;
    engine::ViewPoint mousePosition() const override;
    int wheelScrollLines() const override;
    int verticalBarWidth() const override;
    int horizontalBarHeight() const override;
    void takeFocus() override;

    // Runs an event's handling; an error it raises goes to onError.
    void guarded(const std::function<void()>& handling);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void placeBars();
    void verticalAction(int action);
    QTimer& timer(engine::ViewTimer which);

    DisplayPanel* panel_;
    QScrollBar* vbar_;
    QScrollBar* hbar_;
    QTimer linkTimer_;
    QTimer autoScrollTimer_;
    QTimer animationTimer_;
    engine::ViewGeometry geometry_;
    engine::TColour panelColour_ = 0;
    bool settingBars_ = false;
    // The widgets of the page's form controls; it outlives the control's document.
    std::unique_ptr<FormWidgetFactory> formWidgets_;
    // Last: the control stops the timers above when it goes.
    std::unique_ptr<engine::THtmlDisplay> control_;
};

}  // namespace kelvor::app
