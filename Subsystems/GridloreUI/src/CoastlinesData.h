// The coastline outline the library carries, embedded when it is built.
#pragma once

#include <span>

namespace gridui {

/// The outline's text (resources/coastlines.txt unless the build named another file);
/// empty when the build found none.
std::span<unsigned char const> CoastlinesData();

} // namespace gridui
