// kor::ParameterValues: the numbers of a definition's parameters, keyed by parameter id.
#pragma once

#include "kor/Export.h"

#include <map>

namespace kor {

/// Integers and flags are held as numbers too, so that any parameter can be read in
/// the type its caller expects.
class KOR_EXPORT ParameterValues {
public:
    /// False when the parameter is absent.
    bool Get(int id, double& value) const;
    /// The number rounded to the nearest integer; false when absent or not finite.
    bool Get(int id, int& value) const;
    bool Has(int id) const { return m_values.count(id) != 0; }
    void Set(int id, double value) { m_values[id] = value; }
    void Erase(int id) { m_values.erase(id); }
    void Clear() { m_values.clear(); }

    bool operator==(ParameterValues const&) const = default;

private:
    std::map<int, double> m_values;
};

} // namespace kor
