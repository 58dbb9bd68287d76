#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/style/colours.h"

namespace kelvor::engine {

// The kinds of window a form control shows itself in.
enum class PlatformControlKind {
    edit,
    password,
    pushButton,
    radioButton,
    checkBox,
    listBox,
    comboBox,
    memo
};

// Keys that a control passes to its form before the window handles them.
enum class FormKey { enter, left, up, right, down, other };

// The font and colours a control is drawn in: its element's.
struct ControlLook {
    std::string fontName;
    int fontHeight = 0;  // pixels, negative for the character height as font requests take it
    bool bold = false;
    bool italic = false;
    TColour text = kNoColour;        // kNoColour: the system's
    TColour background = kNoColour;  // kNoColour: the system's
};

// A control's own window, toolkit-free. The model keeps what was read from the page and asks
// the window for what the user changed. Texts are UTF-16; a memo's lines are separated by "\n".
class FormPlatformControl {
  public:
    virtual ~FormPlatformControl() = default;

    // Edit and memo text; a button's caption.
    virtual void setText(const std::u16string& text) = 0;
    virtual std::u16string text() const = 0;
    virtual void setMaxLength(int characters) = 0;  // 0: no limit
    // Check boxes and radio buttons.
    virtual void setChecked(bool checked) = 0;
    virtual bool checked() const = 0;
    // List boxes and drop-down lists.
    virtual void setItems(const std::vector<std::u16string>& items) = 0;
    virtual void setItemSelected(int index, bool selected) = 0;
    virtual bool itemSelected(int index) const = 0;
    virtual void setCurrentItem(int index) = 0;  // -1: none
    virtual int currentItem() const = 0;
    virtual void setMultiSelect(bool multiple) = 0;
    // Memos: wrap long lines at the window's edge.
    virtual void setWordWrap(bool wrap) = 0;

    virtual void setEnabled(bool enabled) = 0;
    virtual void setReadOnly(bool readOnly) = 0;
    virtual void setTabStop(bool stop) = 0;
    virtual void setLook(const ControlLook& look) = 0;
    // Place and size in the display's panel; shown or kept off-screen.
    virtual void setBounds(int x, int y, int width, int height) = 0;
    virtual void setShown(bool shown) = 0;
    // Tab goes from this window to `next` (a window of the same factory).
    virtual void setTabSuccessor(FormPlatformControl& /*next*/) {}

    // What the window tells the model. `clicked`: a button was pressed or a check box or radio
    // button was clicked. `key`: a key before the window handles it; true when the form used it.
    std::function<void()> clicked;
    std::function<bool(FormKey key)> key;
    // The window took the keyboard focus (the viewer brings it into view).
    std::function<void()> focused;
};

// Makes the windows of a document's controls: the display's widgets on screen, fakes in tests.
class FormControlFactory {
  public:
    virtual ~FormControlFactory() = default;
    virtual std::unique_ptr<FormPlatformControl> create(PlatformControlKind kind) = 0;
};

}  // namespace kelvor::engine
