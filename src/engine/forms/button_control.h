#pragma once

#include <string>

#include "engine/forms/form_field.h"

namespace kelvor::engine {

class TEditFormControlObj;

// A push button: submit, reset, a plain button, or the browse button of a file edit.
class TButtonFormControlObj : public TFormFieldObj {
  public:
    enum class Role { submit, reset, button, browse };

    TButtonFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                          const TProperties& properties, Role role,
                          TEditFormControlObj* browsed = nullptr);

    Role role() const { return role_; }
    const std::u16string& caption() const { return caption_; }
    // What a press does.
    void press();

    void reset() override {}
    // Buttons give no lines of their own: the pressed submit button's line is added by the
    // submission it starts.
    bool submitLine(int, std::string&) const override { return false; }
    PrintedLook printedLook() const override {
        return {PrintedLook::Frame::button, {caption_}, false, true};
    }

  private:
    Role role_;
    std::u16string caption_;
    TEditFormControlObj* browsed_;
};

}  // namespace kelvor::engine
