// kor::WarpDef: an affine warp applied to a system's coordinates after the projection.
#pragma once

#include "kor/Export.h"

#include <string>

namespace kor {

/// x' = A0 + A1·x + A2·y, y' = B0 + B1·x + B2·y. The default warp is the identity.
class KOR_EXPORT WarpDef {
public:
    enum Parameter : int { A0 = 1, A1 = 2, A2 = 3, B0 = 4, B1 = 5, B2 = 6 };

    WarpDef() = default;

    bool GetParameter(int id, double& value) const;
    bool SetParameter(int id, double value);

    bool IsIdentity() const;
    /// 0 when every coefficient is finite and the linear part can be inverted,
    /// otherwise the id of the first bad coefficient with a reason.
    int CheckParameters(std::wstring& reason) const;
    bool Compare(WarpDef const& other, std::wstring* difference = nullptr) const;

    static int NumParameters() { return 6; }
    static wchar_t const* ParameterName(int id);

private:
    double m_coefficients[6] = {0.0, 1.0, 0.0, 0.0, 0.0, 1.0};
};

} // namespace kor
