#pragma once

#include <cstdint>

namespace kelvor::engine {

// A measured stretch of a section's text, the unit of line breaking: a word with the spaces
// after it, all in one font run, or one mark (object, control, BR). A line may end after a
// piece whose `breakAfter` is set, never inside one. Measured once per section and kept, so
// laying out at another width measures nothing again.
struct TextPiece {
    enum class Kind : std::uint8_t { word, object, control, breakMark };
    int start = 0;        // first character
    int length = 0;       // characters, trailing spaces included
    int wordLength = 0;   // characters before the trailing spaces
    int width = 0;        // of the word (an object's or control's room)
    int spaceWidth = 0;   // of the trailing spaces
    int hyphenWidth = 0;  // of "-" in the run's font, when the piece ends at a soft hyphen
    int run = 0;          // index of its font run
    int object = -1;      // index of its object or control
    Kind kind = Kind::word;
    bool breakAfter = false;
    int spaceCount = 0;  // trailing spaces that count as spaces (for justification)
};

}  // namespace kelvor::engine
