#pragma once

#include <string>
#include <string_view>

#include "engine/forms/form_field.h"

namespace kelvor::engine {

// A SIZE of an edit box in characters: 15 when not given; a value holding "," or " " counts by
// the number before the first separator, 20 when that is no number.
int EditSizeCharacters(bool given, std::string_view text, int numericValue);

// A single-line edit (INPUT of type text, password, file, or of a type not known).
class TEditFormControlObj : public TFormFieldObj {
  public:
    TEditFormControlObj(TDocForm& form, const FieldAttributes& attributes,
                        const TProperties& properties, bool password, int sizeCharacters,
                        int maxLength);

    std::u16string text() const;
    void setText(const std::u16string& text);
    // The text the page gave (a file edit starts empty).
    void setInitialText(const std::u16string& text);

    void reset() override;
    bool submitLine(int n, std::string& line) const override;
    std::string data() const override;
    void setData(const std::string& data) override;
    PrintedLook printedLook() const override;

  private:
    std::u16string initial_;
    bool password_;
};

}  // namespace kelvor::engine
