#pragma once

#include <QMainWindow>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "app/display_widget.h"
#include "app/engine_display.h"
#include "engine/view/view_document.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/mailto_transport.h"
#include "kelvor/main_window.h"
#include "kelvor/window_commands.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/url_opener.h"

class QAction;

namespace kelvor::app {

// What the window is built on: the system's services (message boxes included), its three
// dialogs, and the desktop that takes the reply's mailto URL.
struct FormServices {
    platform::Platform& platform;
    platform::SaveDialog& saveDialog;
    platform::PrintDialog& printDialog;
    platform::FontDialog& fontDialog;
    platform::UrlOpener& urlOpener;
    // Where "Copy" puts the selection; none copies nothing.
    platform::Clipboard* clipboard = nullptr;
};

// The program's one window: the display control filling the client area below the menu bar,
// the menu built from the core's table, and the window's events handed to the core's commands.
// The commands hold all of the logic; this class only builds and translates.
class TForm1 : public QMainWindow, public MainWindow {
  public:
    TForm1(FormServices services, std::unique_ptr<engine::ViewDocument> document,
           QWidget* parent = nullptr);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    DisplayWidget& HtmlDisplay1() { return *display_; }
    WindowCommands& commands() { return commands_; }
    KelvorState& state() { return state_; }
    const KelvorState& state() const { return state_; }
    // The menu item or menu-bar entry of this name, or null.
    QAction* menuAction(const std::string& name) const;

    // Runs the start-up sequence unless it has run already; it runs once per window.
    void startupOnce();
    bool started() const { return started_; }
    // Whether the sequence ran to its end.
    bool completed() const { return completed_; }

    // From then on, the first paint after start-up logs (traced) how long it took.
    void measureFirstPaintFrom(std::chrono::steady_clock::time_point start) { start_ = start; }

    // MainWindow
    void SetCaption(const std::string& caption) override;
    void Close() override;

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildMainMenu1();
    void SetDisplayProperties();
    void Painted();

    FormServices services_;
    DisplayWidget* display_;  // a child: Qt deletes it after the members below are gone
    EngineDisplay engineDisplay_;
    KelvorState state_;
    MailtoTransport mail_;
    WindowCommands commands_;
    bool started_ = false;
    bool completed_ = false;
    std::optional<std::chrono::steady_clock::time_point> start_;
};

}  // namespace kelvor::app
