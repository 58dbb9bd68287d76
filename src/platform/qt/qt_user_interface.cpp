#include "platform/qt/qt_user_interface.h"

#include <QMessageBox>

#include "platform/qt/qt_text.h"

namespace kelvor::platform::qt {

std::unique_ptr<QMessageBox> QtUserInterface::makeBox(const std::string& caption,
                                                      const std::string& text) const {
    auto box = std::make_unique<QMessageBox>(owner_.data());
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowTitle(ToQString(caption));
    // Plain text: a file name or an error text must never be read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(ToQString(text));
    box->setStandardButtons(QMessageBox::Ok);
    return box;
}

void QtUserInterface::messageBox(const std::string& caption, const std::string& text) {
    makeBox(caption, text)->exec();
}

}  // namespace kelvor::platform::qt
