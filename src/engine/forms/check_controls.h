#pragma once

#include <string>
#include <vector>

#include "engine/forms/form_field.h"

namespace kelvor::engine {

// A check box: submits its value while checked.
class TCheckBoxFormControlObj : public TFormFieldObj {
  public:
    TCheckBoxFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                            const TProperties& properties, bool checked,
                            PlatformControlKind window = PlatformControlKind::checkBox);
    bool checked() const;
    void setChecked(bool checked);
    Kind kind() const override { return Kind::checkbox; }

    void reset() override { setChecked(initial_); }
    bool submitLine(int n, std::string& line) const override;
    std::string data() const override { return checked() ? "1" : "0"; }
    void setData(const std::string& data) override { setChecked(data == "1"); }
    PrintedLook printedLook() const override {
        return {PrintedLook::Frame::check, {}, checked(), false};
    }

  private:
    bool initial_;
};

// A radio button. Its group: the radio buttons of its form whose names are equal without regard
// to case; one checked button unchecks the others and is the group's only tab stop.
class TRadioButtonFormControlObj : public TCheckBoxFormControlObj {
  public:
    TRadioButtonFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                               const TProperties& properties, bool checked);
    Kind kind() const override { return Kind::radio; }

    // Checks this button and unchecks the rest of its group.
    void check();
    // The arrow keys move the check along the group, stopping at its ends.
    bool key(FormKey key);
    std::vector<TRadioButtonFormControlObj*> group() const;

    void reset() override;
    void setData(const std::string& data) override;
    PrintedLook printedLook() const override {
        return {PrintedLook::Frame::radio, {}, checked(), false};
    }

  private:
    // The checked button of the group is its tab stop (the first one when none is checked).
    void updateTabStops() const;
};

}  // namespace kelvor::engine
