#include "images/gif_errors.h"

#include <array>

namespace kelvor::images {

namespace {

constexpr std::array<std::string_view, 28> kTexts = {
    "no error",
    "Invalid GIF Signature Code",
    "No Local or Global Color Table for Image",
    "Unknown Graphics Extension Type",
    "Unknown Graphics Operation Code",
    "Invalid Extension Block Size",
    "[special message]",
    "Invalid Extension Block Terminator",
    "Invalid Integer Size",
    "No GIF Terminator Found",
    "Extension Block Out-Of-Order With Image Data",
    "Invalid Image Descriptor Index",
    "Invalid LZW Code Size",
    "Invalid LZW Data Format",
    "LZW Code Overflow",
    "Value Out Of Range",
    "NIL Pointer assigned",
    "Invalid Color Table Size",
    "No Image Description",
    "Invalid Bitmap Image",
    "Invalid Color Table Index",
    "Invalid Interlace Pass",
    "Invalid Bitmap",
    "Too Many Colors In Bitmap",
    "Unexpected end of file",
    "Animated GIF too large",
    "Zero width or height",
    "next message",
};

std::string Message(std::string_view text) {
    std::string message = "GIF: ";
    message += text;
    return message;
}

}  // namespace

std::string_view GifErrorText(int code) {
    if (code < 0 || code >= static_cast<int>(kTexts.size()))
        return {};
    return kTexts[static_cast<std::size_t>(code)];
}

GifError::GifError(GifErrorCode code)
    : std::runtime_error(Message(GifErrorText(static_cast<int>(code)))), code_(code) {}

GifError::GifError(GifErrorCode code, std::string_view special)
    : std::runtime_error(Message(special)), code_(code) {}

}  // namespace kelvor::images
