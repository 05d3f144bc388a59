#include "shr/NumberFormat.h"

#include "shr/StringUtil.h"

namespace shr {

std::wstring FormatNumber(double value) {
    return ToString(NumberFormat, value);
}

} // namespace shr
