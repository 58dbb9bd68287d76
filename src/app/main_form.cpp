#include "app/main_form.h"

#include <QAction>
#include <QEvent>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimer>
#include <exception>
#include <string>

#include "kelvor/io_error.h"
#include "kelvor/main_window_layout.h"
#include "kelvor/trace_log.h"
#include "platform/qt/qt_text.h"

namespace kelvor::app {

namespace {

// A caption shown as written: "&" would otherwise mark the next letter as the shortcut.
QString MenuText(const std::string& caption) {
    QString text = platform::qt::ToQString(caption);
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    return text;
}

}  // namespace

TForm1::TForm1(FormServices services, std::unique_ptr<engine::ViewDocument> document,
               QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      display_(new DisplayWidget(std::move(document), services.platform.files, this)),
      engineDisplay_(display_->control()),
      state_(services.platform, engineDisplay_),
      mail_(state_, services.urlOpener),
      commands_(state_,
                {*this, services.saveDialog, services.printDialog, services.fontDialog, mail_}) {
    setObjectName("Form1");
    display_->setObjectName("HtmlDisplay1");
    setCentralWidget(display_);
    // The frame is the desktop's; these are the window's own place and size inside it.
    move(kForm1Geometry.left, kForm1Geometry.top);
    resize(kForm1Geometry.width, kForm1Geometry.height);
    SetDisplayProperties();
    BuildMainMenu1();
}

TForm1::~TForm1() {
    // The control may still report to the window while Qt takes the children down.
    display_->onError = nullptr;
    display_->onPainted = nullptr;
    display_->control().OnLinkClick = nullptr;
}

void TForm1::SetDisplayProperties() {
    engine::THtmlDisplay& control = display_->control();
    control.SetBorderStyle(engine::TDisplayBorderStyle::dbFocused);
    control.SetHistoryMaxCount(0);
    control.SetDefFontName("Times New Roman");
    control.SetDefPreFontName("Courier New");
    control.SetNoSelect(false);
    control.SetClipboard(services_.clipboard);
    control.PrintMarginLeft = 2.0;
    control.PrintMarginRight = 2.0;
    control.PrintMarginTop = 2.0;
    control.PrintMarginBottom = 2.0;
    control.SetPrintScale(1.0);
    control.OnLinkClick = [this](const std::string& src, bool& handled) {
        commands_.myhotspot(src, handled);
    };
    // An error that ends the control's own handling of an event gets the window's report.
    display_->onError = [this](const std::string& message) {
        state_.platform.ui.messageBox(kDefaultErrorCaption, message);
    };
    display_->onPainted = [this] { Painted(); };
}

void TForm1::BuildMainMenu1() {
    for (const Menu& menu : MainMenu1()) {
        if (menu.items.empty()) {
            // A menu-bar entry of its own: a click on it runs its command.
            QAction* entry = menuBar()->addAction(MenuText(menu.caption));
            entry->setObjectName(QString::fromStdString(menu.name));
            connect(entry, &QAction::triggered, this,
                    [this, command = menu.command] { commands_.Run(command); });
            continue;
        }
        QMenu* list = menuBar()->addMenu(MenuText(menu.caption));
        list->setObjectName(QString::fromStdString(menu.name));
        list->menuAction()->setObjectName(QString::fromStdString(menu.name));
        for (const MenuItem& item : menu.items) {
            QAction* action = list->addAction(MenuText(item.caption));
            action->setObjectName(QString::fromStdString(item.name));
            action->setVisible(item.visible);
            action->setEnabled(item.enabled);
            if (item.isDefault) {
                list->setDefaultAction(action);
                QFont bold = action->font();
                bold.setBold(true);
                action->setFont(bold);
            }
            connect(action, &QAction::triggered, this,
                    [this, command = item.command] { commands_.Run(command); });
        }
    }
}

QAction* TForm1::menuAction(const std::string& name) const {
    const QString wanted = QString::fromStdString(name);
    for (QAction* entry : menuBar()->actions()) {
        if (entry->objectName() == wanted) {
            return entry;
        }
        if (QMenu* list = entry->menu()) {
            for (QAction* action : list->actions()) {
                if (action->objectName() == wanted) {
                    return action;
                }
            }
        }
    }
    return nullptr;
}

void TForm1::startupOnce() {
    if (started_) {
        return;
    }
    // Set first: the sequence's message boxes change the activation, which must not start it
    // again.
    started_ = true;
    completed_ = commands_.startup();
}

// The sequence runs on the window's first activation. Desktops that do not hand the focus to a
// new window still get it once the window is shown.
void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        startupOnce();
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!started_) {
        QTimer::singleShot(0, this, [this] { startupOnce(); });
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QRect outer = frameGeometry();
    commands_.myresize(outer.width(), outer.height());
}

void TForm1::SetCaption(const std::string& caption) {
    setWindowTitle(platform::qt::ToQString(caption));
}

void TForm1::Close() {
    close();
}

void TForm1::Painted() {
    if (!start_ || !started_) {
        return;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - *start_);
    start_.reset();
    try {
        LogTraced(state_, "First paint after ", std::to_string(elapsed.count()) + " ms");
    } catch (const std::exception&) {
        // A log that cannot be written loses the line; the paint goes on.
    }
}

}  // namespace kelvor::app
