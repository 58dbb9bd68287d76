#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/forms/form_field.h"

namespace kelvor::engine {

// How a text area wraps and what it submits. WRAP "off": no wrapping; "hard" or "physical": the
// line-wise mode, where the lines as the area shows them (wrapped at COLS characters) are
// submitted joined with CR LF; anything else (none, "soft", "virtual"): wrapped on the screen
// only, and the text is submitted with its own line ends as CR LF.
enum class TextAreaWrap { off, soft, lineWise };
TextAreaWrap TextAreaWrapFrom(bool given, std::string_view text);

// A multi-line memo.
class TTextAreaFormControlObj : public TFormFieldObj {
  public:
    TTextAreaFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                            const TProperties& properties, std::vector<std::u16string> lines,
                            int cols, int rows, TextAreaWrap wrap);

    TextAreaWrap wrap() const { return wrap_; }
    int cols() const { return cols_; }
    std::u16string text() const;

    void reset() override;
    bool submitLine(int n, std::string& line) const override;
    std::string data() const override;
    void setData(const std::string& data) override;
    PrintedLook printedLook() const override;

  private:
    std::u16string initial_;
    int cols_;
    TextAreaWrap wrap_;
};

}  // namespace kelvor::engine
