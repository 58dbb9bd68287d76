#include "platform/qt/qt_dialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>

#include "platform/qt/qt_text.h"

namespace kelvor::platform::qt {

std::unique_ptr<QFileDialog> QtSaveDialog::makeDialog(const SaveDialogRequest& request) const {
    auto dialog = std::make_unique<QFileDialog>(owner_.data(), ToQString(request.title));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // The copy replaces a file of the chosen name without a question.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setDefaultSuffix(ToQString(request.defaultExtension));
    dialog->setDirectory(FromFileName(request.initialFolder));
    dialog->selectFile(FromFileName(request.fileName));
    return dialog;
}

std::optional<std::string> QtSaveDialog::Execute(const SaveDialogRequest& request) {
    const std::unique_ptr<QFileDialog> dialog = makeDialog(request);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToFileName(dialog->selectedFiles().constFirst());
}

bool QtPrintDialog::Execute() {
    QPrintDialog dialog(&printer_, owner_.data());
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<QFontDialog> QtFontDialog::makeDialog(const FontChoice& initial) const {
    QFont font(ToQString(initial.name));
    if (initial.size > 0) {
        font.setPointSize(initial.size);
    }
    return std::make_unique<QFontDialog>(font, owner_.data());
}

FontChoice QtFontDialog::Chosen(const FontChoice& initial, const QFont& shown,
                                const QFont& selected) {
    FontChoice chosen = initial;
    if (selected.family() != shown.family()) {
        const QByteArray name = selected.family().toUtf8();
        chosen.name.assign(name.constData(), static_cast<std::size_t>(name.size()));
    }
    // A font sized in pixels has no point size to give.
    if (selected.pointSize() > 0 && selected.pointSize() != shown.pointSize()) {
        chosen.size = selected.pointSize();
    }
    return chosen;
}

std::optional<FontChoice> QtFontDialog::Execute(const FontChoice& initial) {
    const std::unique_ptr<QFontDialog> dialog = makeDialog(initial);
    const QFont shown = dialog->currentFont();
    if (dialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Chosen(initial, shown, dialog->selectedFont());
}

}  // namespace kelvor::platform::qt
