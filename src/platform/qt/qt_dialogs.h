#pragma once

#include <QPointer>
#include <QPrinter>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "platform/dialogs.h"

class QFileDialog;
class QFontDialog;

namespace kelvor::platform::qt {

// The standard dialogs on Qt, each shown over the program's window once it has one. Execute
// shows the dialog modally; make... builds it as Execute shows it, for a look without a user.

class QtSaveDialog : public SaveDialog {
  public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    std::optional<std::string> Execute(const SaveDialogRequest& request) override;
    std::unique_ptr<QFileDialog> makeDialog(const SaveDialogRequest& request) const;

  private:
    QPointer<QWidget> owner_;
};

// The printer the user confirms stays here for the run; the display's printing uses it.
class QtPrintDialog : public PrintDialog {
  public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    bool Execute() override;
    QPrinter& printer() { return printer_; }

  private:
    QPointer<QWidget> owner_;
    QPrinter printer_{QPrinter::HighResolution};
};

class QtFontDialog : public FontDialog {
  public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    std::optional<FontChoice> Execute(const FontChoice& initial) override;
    std::unique_ptr<QFontDialog> makeDialog(const FontChoice& initial) const;
    // What a confirmed dialog means: a name or size the user left as the dialog first showed
    // it is the initial one. The dialog shows a family it does not know as one it does, and
    // an unchanged OK must not switch the display to that family.
    static FontChoice Chosen(const FontChoice& initial, const QFont& shown, const QFont& selected);

  private:
    QPointer<QWidget> owner_;
};

}  // namespace kelvor::platform::qt
