#pragma once

#include <string>
#include <vector>

#include "engine/forms/form_field.h"

namespace kelvor::engine {

// One OPTION: its text as shown, the value it submits and whether the page selected it.
struct TOptionObj {
    std::u16string text;
    std::string value;  // UTF-8: VALUE, or the text when the option has none
    bool selected = false;
};

// The options of a SELECT, in page order.
class TOptionList {
  public:
    void add(TOptionObj option) { options_.push_back(std::move(option)); }
    int count() const { return static_cast<int>(options_.size()); }
    const TOptionObj& at(int index) const { return options_[static_cast<std::size_t>(index)]; }
    const std::string& value(int index) const { return at(index).value; }
    std::vector<std::u16string> texts() const;
    // The last option the page selected, -1 when none.
    int lastSelected() const;

  private:
    std::vector<TOptionObj> options_;
};

// What both kinds of list share: the options and their window.
class TListFormControlObj : public TFormFieldObj {
  public:
    TListFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                        const TProperties& properties, TOptionList options,
                        PlatformControlKind window, bool multiple);
    const TOptionList& options() const { return options_; }
    std::string data() const override;
    void setData(const std::string& data) override;

  protected:
    // The widest option's text.
    int widestOption() const;
    TOptionList options_;
};

// A list box (MULTIPLE, or SIZE above 1): rows of options, one or many selected.
class TListBoxFormControlObj : public TListFormControlObj {
  public:
    TListBoxFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                           const TProperties& properties, TOptionList options, bool multiple,
                           int rows);
    bool multiple() const { return multiple_; }
    void reset() override;
    bool submitLine(int n, std::string& line) const override;
    PrintedLook printedLook() const override;

  private:
    bool multiple_;
};

// A drop-down list: one option shown, one chosen.
class TComboFormControlObj : public TListFormControlObj {
  public:
    TComboFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                         const TProperties& properties, TOptionList options);
    void reset() override;
    bool submitLine(int n, std::string& line) const override;
    PrintedLook printedLook() const override;
};

}  // namespace kelvor::engine
