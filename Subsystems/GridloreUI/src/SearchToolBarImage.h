// The search toolbar's image strip, a PNG embedded in the library when it is built.
#pragma once

#include <span>

namespace gridui {

/// The PNG bytes of the image strip: one 16 by 16 image per button of the search toolbar.
std::span<unsigned char const> SearchToolBarImage();

} // namespace gridui
