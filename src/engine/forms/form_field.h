#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/document/form_control.h"
#include "engine/forms/platform_control.h"
#include "platform/font_services.h"

namespace kelvor::engine {

class TDocForm;
class TProperties;

// How a control looks on a printed page, where it has no window: a frame of its kind and the
// texts inside it (one per line), a mark for a checked box or button.
struct PrintedLook {
    enum class Frame { box, button, check, radio };
    Frame frame = Frame::box;
    std::vector<std::u16string> lines;
    bool marked = false;
    bool centred = false;  // a button's caption
};

// What a control was read with: the tag's attributes that every control keeps, as UTF-8.
struct FieldAttributes {
    std::string name;
    std::string value;
    std::string id;
    int codePage = 0;
    bool disabled = false;
    bool readOnly = false;
    int tabOrder = 0;
};

// A control of a form: its place in a line (TFormControlObj) plus what it submits, resets and
// shows. Every control has a form; its window comes from the form's factory, or it has none.
class TFormFieldObj : public TFormControlObj {
  public:
    // Takes the element's font and colours (and a style width or vertical-align) from its
    // properties.
    TFormFieldObj(TDocForm& form, const FieldAttributes& attributes, const TProperties& properties);
    ~TFormFieldObj() override;

    TDocForm& form() const { return *form_; }
    const std::string& name() const { return attributes_.name; }
    const std::string& value() const { return attributes_.value; }
    const std::string& id() const { return attributes_.id; }
    int codePage() const { return attributes_.codePage; }
    bool disabled() const { return attributes_.disabled; }
    bool readOnly() const { return attributes_.readOnly; }
    int tabOrder() const { return attributes_.tabOrder; }

    // Its window; none for hidden and image controls and where the form has no factory.
    FormPlatformControl* platformControl() const { return control_.get(); }

    const ControlLook& look() const { return look_; }

    // Back to the state read from the page.
    virtual void reset() = 0;
    // Submission line n ("name=value"); false when there is no line n. A line may be empty.
    virtual bool submitLine(int n, std::string& line) const = 0;
    // Told after its form was submitted.
    virtual void submitted() {}
    // What the history keeps of the control, and how it comes back.
    virtual std::string data() const { return {}; }
    virtual void setData(const std::string&) {}

    // How it prints (field_print.cpp draws it).
    virtual PrintedLook printedLook() const { return {}; }

    // TFormControlObj
    void paint(PaintContext& context, int x, int y) const override;
    int width() const override;
    int height() const override { return height_; }
    int percentWidth() const override { return percent_; }
    void setLaidOutWidth(int width) override;
    int verticalAlign() const override { return verticalAlign_; }

    // Puts the window where layout placed the control, less the scroll offsets; off-screen
    // (hidden) when it lies outside the panel of that size.
    void placeWindow(int offsetX, int offsetY, int panelWidth, int panelHeight);

  protected:
    // Makes the window (through the form's factory) and gives it the common settings.
    void createControl(PlatformControlKind kind);
    void setSize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    // The font's average character width and cell height, for sizes in characters and lines.
    int charWidth() const { return charWidth_; }
    int lineHeight() const { return lineHeight_; }
    int textWidth(const std::u16string& text) const;

    FieldAttributes attributes_;

  private:
    TDocForm* form_;
    std::unique_ptr<FormPlatformControl> control_;
    ControlLook look_;
    std::shared_ptr<const platform::Font> font_;  // measures captions and options
    int charWidth_ = 8;
    int lineHeight_ = 16;
    int width_ = 0;
    int height_ = 0;
    int percent_ = 0;
    int laidOutWidth_ = -1;
    int verticalAlign_ = 0;
};

// "name=text", the line every control submits.
std::string SubmissionLine(const std::string& name, const std::string& value);

}  // namespace kelvor::engine
