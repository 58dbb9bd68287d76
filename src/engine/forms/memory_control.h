#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/forms/platform_control.h"

namespace kelvor::engine {

// A control window that is only memory: what the model sets, it gives back. Controls use it when
// the document has no window factory (a page laid out for printing, the fuzz targets), and tests
// drive it as the user's side of a control.
class MemoryControl : public FormPlatformControl {
  public:
    explicit MemoryControl(PlatformControlKind kind) : kind(kind) {}

    void setText(const std::u16string& value) override {
        text_ = maxLength > 0 && value.size() > static_cast<std::size_t>(maxLength)
                    ? value.substr(0, static_cast<std::size_t>(maxLength))
                    : value;
    }
    std::u16string text() const override { return text_; }
    void setMaxLength(int characters) override { maxLength = characters; }
    void setChecked(bool value) override { checked_ = value; }
    bool checked() const override { return checked_; }
    void setItems(const std::vector<std::u16string>& value) override {
        items = value;
        selected_.clear();
        current_ = -1;
    }
    void setItemSelected(int index, bool value) override {
        if (index < 0 || index >= static_cast<int>(items.size()))
            return;
        if (!value) {
            selected_.erase(index);
            return;
        }
        if (!multiSelect)
            selected_.clear();
        selected_.insert(index);
    }
    bool itemSelected(int index) const override { return selected_.count(index) != 0; }
    void setCurrentItem(int index) override {
        current_ = index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
        if (!multiSelect) {
            selected_.clear();
            if (current_ >= 0)
                selected_.insert(current_);
        }
    }
    int currentItem() const override { return current_; }
    void setMultiSelect(bool multiple) override { multiSelect = multiple; }
    void setWordWrap(bool wrap) override { wordWrap = wrap; }
    void setEnabled(bool value) override { enabled = value; }
    void setReadOnly(bool value) override { readOnly = value; }
    void setTabStop(bool stop) override { tabStop = stop; }
    void setLook(const ControlLook& value) override { look = value; }
    void setBounds(int x, int y, int width, int height) override {
        left = x;
        top = y;
        this->width = width;
        this->height = height;
    }
    void setShown(bool value) override { shown = value; }

    // The user's side: a click, and typing into the window.
    void click() {
        if (kind == PlatformControlKind::checkBox)
            checked_ = !checked_;
        if (clicked)
            clicked();
    }
    bool press(FormKey pressed) { return key ? key(pressed) : false; }
    void type(const std::u16string& value) { setText(text_ + value); }

    PlatformControlKind kind;
    int maxLength = 0;
    std::vector<std::u16string> items;
    bool multiSelect = false;
    bool wordWrap = true;
    bool enabled = true;
    bool readOnly = false;
    bool tabStop = true;
    bool shown = false;
    ControlLook look;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

  private:
    std::u16string text_;
    bool checked_ = false;
    std::set<int> selected_;
    int current_ = -1;
};

}  // namespace kelvor::engine
