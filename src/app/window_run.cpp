#include "app/window_run.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/main_form.h"
#include "app/posix_services.h"
#include "app/screen_document.h"
#include "platform/posix/stderr_user_interface.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_font_services.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_url_opener.h"
#include "platform/qt/qt_user_interface.h"

namespace kelvor::app {

namespace {

// Qt is given the program's name only: a file named like one of Qt's own options ("-style")
// must reach the program as its input, not be taken by Qt.
int qtArgc = 1;
char qtName[] = "kelvor";
char* qtArgv[] = {qtName, nullptr};

std::unique_ptr<engine::ViewDocument> MakeDocument() {
    return std::make_unique<ScreenDocument>(std::make_unique<platform::qt::QtFontServices>());
}

bool HasDisplay() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// The dialogs and the desktop's URL opener of a window on Qt, each shown over the window.
struct QtWindowParts {
    platform::qt::QtSaveDialog saveDialog;
    platform::qt::QtPrintDialog printDialog;
    // The display prints on the printer chosen in the print dialog.
    platform::qt::QtPrinter printer{printDialog.printer()};
    platform::qt::QtFontDialog fontDialog;
    platform::qt::QtUrlOpener urlOpener;
    platform::qt::QtClipboard clipboard;

    void ownedBy(QWidget* window) {
        saveDialog.setOwner(window);
        printDialog.setOwner(window);
        fontDialog.setOwner(window);
    }
};

QtMessageHandler qtMessages = nullptr;

// The offscreen platform warns at every window shown that it passes no size hints on, and Qt
// that a session without a runtime folder has none; a picture needs neither, and the lines
// would only puzzle whoever reads the program's output.
void WithoutOffscreenNoise(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    if (qtMessages != nullptr) {
        qtMessages(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.string();
}

}  // namespace

int RunWindow(const std::vector<std::string>& arguments,
              std::chrono::steady_clock::time_point start) {
    if (!HasDisplay()) {
        std::fputs("kelvor: no display to open the window on (see --headless, --screenshot)\n",
                   stderr);
        return 1;
    }
    QApplication application(qtArgc, qtArgv);
    QApplication::setApplicationName("Kelvor");
    QGuiApplication::setDesktopFileName("kelvor");

    PosixServices system(arguments);
    platform::qt::QtUserInterface ui;
    platform::Platform services{system.environment, system.files,    system.registry,
                                system.clock,       system.timeZone, ui};
    QtWindowParts parts;
    TForm1 form({services, parts.saveDialog, parts.printDialog, parts.fontDialog, parts.urlOpener,
                 &parts.clipboard},
                MakeDocument());
    form.HtmlDisplay1().control().SetPrinterDevice(&parts.printer);
    ui.setOwner(&form);
    parts.ownedBy(&form);
    form.measureFirstPaintFrom(start);
    form.show();
    return QApplication::exec();
}

int RunScreenshot(const std::string& picture, const std::vector<std::string>& arguments,
                  std::chrono::steady_clock::time_point start) {
    // No display is needed; one set up by the user's environment is still honoured.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qtMessages = qInstallMessageHandler(WithoutOffscreenNoise);
    QApplication application(qtArgc, qtArgv);

    PosixServices system(arguments);
    platform::StderrUserInterface ui;
    platform::Platform services{system.environment, system.files,    system.registry,
                                system.clock,       system.timeZone, ui};
    QtWindowParts parts;
    TForm1 form({services, parts.saveDialog, parts.printDialog, parts.fontDialog, parts.urlOpener,
                 &parts.clipboard},
                MakeDocument());
    form.HtmlDisplay1().control().SetPrinterDevice(&parts.printer);
    form.measureFirstPaintFrom(start);
    form.show();

    // The sequence starts from the window's activation or, failing that, once it is shown.
    QElapsedTimer waiting;
    waiting.start();
    while (!form.started() && waiting.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    form.startupOnce();
    // Calls the display deferred while loading the report.
    QApplication::processEvents();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = form.grab().toImage().save(&buffer, "PNG");
    // The user named the file, so it is written as the save command writes: even through a
    // link, never into a folder or a pipe without a reader.
    const std::unique_ptr<platform::OutputFile> file = system.files.createChosenFile(picture);
    bool written = encoded && file != nullptr;
    if (written) {
        written =
            file->write(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        written = file->close() && written;
    }
    if (!written) {
        std::fprintf(stderr, "kelvor: cannot write the picture %s\n", picture.c_str());
        return 1;
    }
    std::printf("%s\n", FullPath(picture).c_str());
    return form.completed() ? 0 : 1;
}

}  // namespace kelvor::app
