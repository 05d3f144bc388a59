#include "kor/ParameterValues.h"

#include <cmath>

namespace kor {

bool ParameterValues::Get(int id, double& value) const {
    auto const found = m_values.find(id);
    if (found == m_values.end()) {
        return false;
    }
    value = found->second;
    return true;
}

bool ParameterValues::Get(int id, int& value) const {
    double number = 0.0;
    if (!Get(id, number) || !std::isfinite(number)) {
        return false;
    }
    value = static_cast<int>(std::lround(number));
    return true;
}

} // namespace kor
