#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/style/colours.h"
#include "engine/style/properties.h"
#include "platform/canvas.h"

namespace kelvor::engine {

// What the viewer hands to a new document's style list.
struct StyleDefaults {
    std::string fontName = "Times New Roman";
    std::string preFontName = "Courier New";
    double fontSize = 12;  // points
    TColour textColour = 0;
    TColour linkColour = 0xFF0000;  // blue, 0x00BBGGRR
    TColour visitedColour = 0x800080;
    TColour hoverColour = 0xFF0000;
    bool underlineLinks = true;
    int charset = platform::kDefaultCharset;
    int marginWidth = 10;
    int marginHeight = 5;
};

// The style rules of a document, by selector key.
class TStyleList {
  public:
    explicit TStyleList(platform::Canvas& canvas);

    // Clears the list and adds the built-in rules.
    void initialize(const StyleDefaults& defaults);

    // Sets a property (or a shorthand's parts) of the rule under `key` from a style-sheet value;
    // unknown properties are ignored.
    void addModifyProp(std::string_view key, std::string_view property, std::string_view value);
    // Sets one property of a rule to a value as it is.
    void setRuleValue(std::string_view key, int index, PropValue value);
    // Changes a built-in link colour: state is "link", "visited" or "hover".
    void setLinkColour(std::string_view state, TColour colour);

    const TProperties* find(std::string_view key) const;
    // The rules stored under `key` followed by a blank: the descendant and child rules of it.
    std::vector<std::pair<std::string_view, const TProperties*>> descendantRules(
        std::string_view key) const;
    int nextSequence() { return ++sequence_; }

    // The root properties ("default").
    const TProperties& defaults() const;
    double defaultFontSize() const { return defaults_.fontSize; }
    const StyleDefaults& settings() const { return defaults_; }
    platform::Canvas& canvas() const { return *canvas_; }
    TColour paletteFlag() const { return PaletteFlag(*canvas_); }
    std::size_t size() const { return rules_.size(); }

  private:
    TProperties& rule(std::string_view key);
    void addDefaults();

    platform::Canvas* canvas_;
    StyleDefaults defaults_;
    std::map<std::string, std::unique_ptr<TProperties>, std::less<>> rules_;
    int sequence_ = 0;
};

}  // namespace kelvor::engine
