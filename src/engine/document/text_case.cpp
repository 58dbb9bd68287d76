#include "engine/document/text_case.h"

namespace kelvor::engine {

namespace {

bool InRange(char16_t c, char16_t first, char16_t last) {
    return c >= first && c <= last;
}

}  // namespace

char16_t UpperChar(char16_t c) {
    if (InRange(c, u'a', u'z'))
        return static_cast<char16_t>(c - 32);
    if (c < 0xE0)
        return c;
    if (InRange(c, 0xE0, 0xFE) && c != 0xF7)
        return static_cast<char16_t>(c - 32);
    if (c == 0xFF)
        return 0x178;
    // Latin Extended-A pairs capitals and small letters at even and odd codes, except the
    // stretches 0x139-0x148 and 0x179-0x17E, where the capital comes at the odd code.
    if (InRange(c, 0x100, 0x137) || InRange(c, 0x14A, 0x177))
        return (c & 1) ? static_cast<char16_t>(c - 1) : c;
    if (InRange(c, 0x139, 0x148) || InRange(c, 0x179, 0x17E))
        return (c & 1) ? c : static_cast<char16_t>(c - 1);
    if (InRange(c, 0x3B1, 0x3C9) && c != 0x3C2)
        return static_cast<char16_t>(c - 32);
    if (InRange(c, 0x430, 0x44F))
        return static_cast<char16_t>(c - 32);
    if (InRange(c, 0x450, 0x45F))
        return static_cast<char16_t>(c - 80);
    return c;
}

char16_t LowerChar(char16_t c) {
    if (InRange(c, u'A', u'Z'))
        return static_cast<char16_t>(c + 32);
    if (c < 0xC0)
        return c;
    if (InRange(c, 0xC0, 0xDE) && c != 0xD7)
        return static_cast<char16_t>(c + 32);
    if (c == 0x178)
        return 0xFF;
    if (InRange(c, 0x100, 0x137) || InRange(c, 0x14A, 0x177))
        return (c & 1) ? c : static_cast<char16_t>(c + 1);
    if (InRange(c, 0x139, 0x148) || InRange(c, 0x179, 0x17E))
        return (c & 1) ? static_cast<char16_t>(c + 1) : c;
    if (InRange(c, 0x391, 0x3A9) && c != 0x3A2)
        return static_cast<char16_t>(c + 32);
    if (InRange(c, 0x410, 0x42F))
        return static_cast<char16_t>(c + 32);
    if (InRange(c, 0x400, 0x40F))
        return static_cast<char16_t>(c + 80);
    return c;
}

}  // namespace kelvor::engine
