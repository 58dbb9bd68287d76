#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvor::images {

// The GIF reader's error numbers. Their texts are GifErrorText's.
enum class GifErrorCode {
    noError = 0,
    invalidSignature = 1,
    noColourTable = 2,
    unknownExtensionType = 3,
    unknownOperationCode = 4,
    invalidExtensionBlockSize = 5,
    specialMessage = 6,
    invalidExtensionBlockTerminator = 7,
    invalidIntegerSize = 8,
    noTerminator = 9,
    extensionOutOfOrder = 10,
    invalidImageDescriptorIndex = 11,
    invalidLzwCodeSize = 12,
    invalidLzwDataFormat = 13,
    lzwCodeOverflow = 14,
    valueOutOfRange = 15,
    nilPointer = 16,
    invalidColourTableSize = 17,
    noImageDescription = 18,
    invalidBitmapImage = 19,
    invalidColourTableIndex = 20,
    invalidInterlacePass = 21,
    invalidBitmap = 22,
    tooManyColours = 23,
    unexpectedEndOfFile = 24,
    animationTooLarge = 25,
    zeroWidthOrHeight = 26,
    nextMessage = 27,
};

// The text of an error number; empty for a number outside 0..27.
std::string_view GifErrorText(int code);

// An error of the GIF reader: what() is "GIF: " and the code's text, or for specialMessage the
// text the raiser gave.
class GifError : public std::runtime_error {
  public:
    explicit GifError(GifErrorCode code);
    GifError(GifErrorCode code, std::string_view special);

    GifErrorCode code() const { return code_; }
    int number() const { return static_cast<int>(code_); }
    // A fatal error ends the load even when frames were read already (the picture could never
    // be kept whole, whatever followed).
    bool fatal() const { return fatal_; }
    GifError& makeFatal() {
        fatal_ = true;
        return *this;
    }

  private:
    GifErrorCode code_;
    bool fatal_ = false;
};

}  // namespace kelvor::images
