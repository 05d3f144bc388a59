// gridhost::CellPreview: the start of a cell, short enough to show at once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gridhost {

/// How much of a cell the grid shows; a wider column shows no more than this anyway.
constexpr std::size_t CellPreviewLength = 256;

/// `cell` itself when it has at most `length` characters, else its first `length`
/// characters and an ellipsis. Windows measure every character they are given, so a huge
/// cell shown whole would stall them.
std::wstring CellPreview(std::wstring_view cell, std::size_t length = CellPreviewLength);

} // namespace gridhost
