#include "app/form_widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>

namespace kelvor::app {

namespace {

using engine::FormKey;
using engine::PlatformControlKind;

QString ToQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string FromQString(const QString& text) {
    return text.toStdU16String();
}

// An engine colour as Qt's, when it is a plain RGB value (not a system colour or none).
std::optional<QColor> ColourOf(engine::TColour colour) {
    if (colour == engine::kNoColour || colour >= engine::kSystemColourBase)
        return std::nullopt;
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

FormKey KeyOf(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return FormKey::enter;
        case Qt::Key_Left:
            return FormKey::left;
        case Qt::Key_Up:
            return FormKey::up;
        case Qt::Key_Right:
            return FormKey::right;
        case Qt::Key_Down:
            return FormKey::down;
        default:
            return FormKey::other;
    }
}

// One control's widget. The widget belongs to the panel too, so it is held by a guarded pointer:
// whichever goes first, nothing is deleted twice.
class WidgetControl : public QObject, public engine::FormPlatformControl {
  public:
    WidgetControl(PlatformControlKind kind, QWidget& panel) {
        switch (kind) {
            case PlatformControlKind::edit:
            case PlatformControlKind::password: {
                auto* edit = new QLineEdit(&panel);
                if (kind == PlatformControlKind::password)
                    edit->setEchoMode(QLineEdit::Password);
                widget_ = edit;
                break;
            }
            case PlatformControlKind::pushButton:
                widget_ = new QPushButton(&panel);
                break;
            case PlatformControlKind::radioButton: {
                auto* radio = new QRadioButton(&panel);
                // Groups are the form's (by name), not Qt's (by parent).
                radio->setAutoExclusive(false);
                widget_ = radio;
                break;
            }
            case PlatformControlKind::checkBox:
                widget_ = new QCheckBox(&panel);
                break;
            case PlatformControlKind::listBox:
                widget_ = new QListWidget(&panel);
                break;
            case PlatformControlKind::comboBox:
                widget_ = new QComboBox(&panel);
                break;
            case PlatformControlKind::memo:
                widget_ = new QPlainTextEdit(&panel);
                break;
        }
        widget_->hide();
        widget_->installEventFilter(this);
        if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) {
            QObject::connect(button, &QAbstractButton::clicked, this, [this] {
                if (clicked)
                    clicked();
            });
        }
    }

    ~WidgetControl() override { delete widget_.data(); }

    void setText(const std::u16string& text) override {
        const QString value = ToQString(text);
        if (auto* edit = qobject_cast<QLineEdit*>(widget_.data()))
            edit->setText(value);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget_.data()))
            memo->setPlainText(value);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget_.data()))
            button->setText(value);
    }
    std::u16string text() const override {
        if (auto* edit = qobject_cast<QLineEdit*>(widget_.data()))
            return FromQString(edit->text());
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget_.data()))
            return FromQString(memo->toPlainText());
        if (auto* button = qobject_cast<QAbstractButton*>(widget_.data()))
            return FromQString(button->text());
        return {};
    }
    void setMaxLength(int characters) override {
        if (auto* edit = qobject_cast<QLineEdit*>(widget_.data()))
            edit->setMaxLength(characters > 0 ? characters : 32767);
    }
    void setChecked(bool checked) override {
        if (auto* button = qobject_cast<QAbstractButton*>(widget_.data()))
            button->setChecked(checked);
    }
    bool checked() const override {
        auto* button = qobject_cast<QAbstractButton*>(widget_.data());
        return button != nullptr && button->isChecked();
    }
    void setItems(const std::vector<std::u16string>& items) override {
        QStringList list;
        for (const std::u16string& item : items)
            list << ToQString(item);
        if (auto* box = qobject_cast<QListWidget*>(widget_.data())) {
            box->clear();
            box->addItems(list);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) {
            combo->clear();
            combo->addItems(list);
        }
    }
    void setItemSelected(int index, bool selected) override {
        if (auto* box = qobject_cast<QListWidget*>(widget_.data())) {
            if (QListWidgetItem* item = box->item(index))
                item->setSelected(selected);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) {
            if (selected)
                combo->setCurrentIndex(index);
        }
    }
    bool itemSelected(int index) const override {
        if (auto* box = qobject_cast<QListWidget*>(widget_.data())) {
            QListWidgetItem* item = box->item(index);
            return item != nullptr && item->isSelected();
        }
        return currentItem() == index;
    }
    void setCurrentItem(int index) override {
        if (auto* box = qobject_cast<QListWidget*>(widget_.data())) {
            if (index < 0) {
                box->clearSelection();
                box->setCurrentRow(-1);
            } else {
                box->setCurrentRow(index);
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(widget_.data())) {
            combo->setCurrentIndex(index);
        }
    }
    int currentItem() const override {
        if (auto* box = qobject_cast<QListWidget*>(widget_.data())) {
            // A single list's choice is its selected row: the current row of a list whose
            // selection was cleared is no choice.
            const QList<QListWidgetItem*> selected = box->selectedItems();
            return selected.isEmpty() ? -1 : box->row(selected.front());
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget_.data()))
            return combo->currentIndex();
        return -1;
    }
    void setMultiSelect(bool multiple) override {
        if (auto* box = qobject_cast<QListWidget*>(widget_.data()))
            box->setSelectionMode(multiple ? QAbstractItemView::MultiSelection
                                           : QAbstractItemView::SingleSelection);
    }
    void setWordWrap(bool wrap) override {
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget_.data()))
            memo->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    }
    void setEnabled(bool enabled) override {
        if (widget_)
            widget_->setEnabled(enabled);
    }
    void setReadOnly(bool readOnly) override {
        if (auto* edit = qobject_cast<QLineEdit*>(widget_.data()))
            edit->setReadOnly(readOnly);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget_.data()))
            memo->setReadOnly(readOnly);
    }
    void setTabStop(bool stop) override {
        if (widget_)
            widget_->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    void setLook(const engine::ControlLook& look) override {
        if (!widget_)
            return;
        QFont font(QString::fromStdString(look.fontName));
        if (look.fontHeight != 0)
            font.setPixelSize(std::abs(look.fontHeight));
        font.setBold(look.bold);
        font.setItalic(look.italic);
        widget_->setFont(font);
        QPalette palette = widget_->palette();
        if (const std::optional<QColor> text = ColourOf(look.text)) {
            palette.setColor(QPalette::Text, *text);
            palette.setColor(QPalette::ButtonText, *text);
            palette.setColor(QPalette::WindowText, *text);
        }
        if (const std::optional<QColor> ground = ColourOf(look.background))
            palette.setColor(QPalette::Base, *ground);
        widget_->setPalette(palette);
    }
    void setBounds(int x, int y, int width, int height) override {
        if (widget_)
            widget_->setGeometry(x, y, width, height);
    }
    void setShown(bool shown) override {
        if (widget_)
            widget_->setVisible(shown);
    }

    void setTabSuccessor(engine::FormPlatformControl& next) override {
        auto* successor = dynamic_cast<WidgetControl*>(&next);
        if (widget_ && successor != nullptr && successor->widget() != nullptr)
            QWidget::setTabOrder(widget_.data(), successor->widget());
    }

    QWidget* widget() const { return widget_.data(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_.data() && event->type() == QEvent::FocusIn && focused)
            focused();
        if (watched == widget_.data() && event->type() == QEvent::KeyPress && key) {
            const FormKey pressed = KeyOf(static_cast<QKeyEvent*>(event)->key());
            // Only what the form acts on is taken: the rest is the widget's own.
            if (pressed != FormKey::other && key(pressed))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QWidget> widget_;
};

}  // namespace

std::unique_ptr<engine::FormPlatformControl> FormWidgetFactory::create(
    engine::PlatformControlKind kind) {
    if (!panel_)
        return nullptr;
    return std::make_unique<WidgetControl>(kind, *panel_);
}

}  // namespace kelvor::app
