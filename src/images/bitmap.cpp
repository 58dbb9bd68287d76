#include "images/bitmap.h"

namespace kelvor::images {

Bitmap::Bitmap(int width, int height, Argb fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      hasTransparency_((fill >> 24) != 0xFF),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

}  // namespace kelvor::images
