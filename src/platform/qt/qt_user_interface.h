#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "platform/user_interface.h"

class QMessageBox;

namespace kelvor::platform::qt {

// The program's message boxes: modal, one OK button, over the program's window once it has one.
class QtUserInterface : public UserInterface {
  public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void messageBox(const std::string& caption, const std::string& text) override;

    // The box as messageBox shows it, not yet shown.
    std::unique_ptr<QMessageBox> makeBox(const std::string& caption, const std::string& text) const;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace kelvor::platform::qt
