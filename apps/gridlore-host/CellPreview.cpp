#include "CellPreview.h"

namespace gridhost {

std::wstring CellPreview(std::wstring_view cell, std::size_t length) {
    if (cell.size() <= length) {
        return std::wstring(cell);
    }
    return std::wstring(cell.substr(0, length)) + L"\u2026";
}

} // namespace gridhost
