#pragma once

namespace kelvor::engine {

// Characters with a meaning of their own in a section's text.
inline constexpr char16_t kControlMark = 2;  // the place of a visible form control
inline constexpr char16_t kObjectMark = 4;   // the place of an image or panel
inline constexpr char16_t kBreakMark = 8;    // a BR
inline constexpr char16_t kSpace = 32;
inline constexpr char16_t kNoBreakSpace = 160;
inline constexpr char16_t kSoftHyphen = 0xAD;

// The break class of each character of a section: may a line end after it?
inline constexpr char kBreakOrdinary = 'y';
inline constexpr char kBreakNever = 'n';       // inside NOBR and in preformatted text
inline constexpr char kBreakAllowed = 'a';     // WBR after it
inline constexpr char kBreakSoftHyphen = 's';  // a soft hyphen after it: shows "-" when broken

}  // namespace kelvor::engine
