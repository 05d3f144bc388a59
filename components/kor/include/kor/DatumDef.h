// kor::DatumDef: a geodetic datum: its ellipsoid, prime meridian and shift to a target datum.
#pragma once

#include "kor/EllipsoidDef.h"
#include "kor/Export.h"
#include "kor/KORTypes.h"
#include "kor/ParameterValues.h"

#include <optional>
#include <string>

namespace kor {

/// A copyable value. The parameters a datum holds depend on its method (parameter 1):
/// every method has the method, the target, the ellipsoid, the prime meridian and the
/// MRE type; method 2 adds the three translations and method 3 also the rotations and
/// the scale difference (position-vector convention).
class KOR_EXPORT DatumDef {
public:
    enum Parameter : int {
        Method = 1,
        Target = 2,
        Ellipsoid = 3,
        PrimeMeridian = 4, ///< longitude of the prime meridian, degrees east of Greenwich
        DeltaX = 5,        ///< meters
        DeltaY = 6,
        DeltaZ = 7,
        RotationX = 8, ///< arc-seconds
        RotationY = 9,
        RotationZ = 10,
        ScaleDifference = 11, ///< parts per million
        MREType = 12,
    };
    enum Methods : int {
        MethodNone = 1,
        MethodGeocentricTranslation = 2,
        MethodSevenParameter = 3
    };
    /// Datums to which a shift may lead: 1 WGS 84, 2 ETRS89, 3 NAD83, 4 GDA94, 5 GDA2020.
    enum Targets : int {
        TargetWGS84 = 1,
        TargetETRS89 = 2,
        TargetNAD83 = 3,
        TargetGDA94 = 4,
        TargetGDA2020 = 5
    };

    /// A flushed datum: no name, no codes, method 1 towards WGS 84, no ellipsoid.
    DatumDef();

    /// Forgets the name, the identity codes and every parameter; the method becomes 1.
    void Flush();

    std::wstring const& GetName() const { return m_name; }
    void SetName(std::wstring const& name) { m_name = name; }
    DatumMethod GetMethod() const;

    /// False for a parameter the datum does not hold or of another type.
    bool GetParameter(int id, double& value) const;
    bool GetParameter(int id, int& value) const;
    bool GetParameter(int id, EllipsoidDef& value) const;
    void SetParameter(int id, double value);
    void SetParameter(int id, int value);
    void SetParameter(int id, EllipsoidDef const& value);
    /// Null when the datum has no ellipsoid.
    EllipsoidDef const* GetEllipsoid() const;

    /// 0 when every parameter of the method is present and sensible; otherwise the id
    /// of the first bad parameter, with a reason a user understands.
    int CheckParameters(std::wstring& reason) const;
    /// Same method, target, MRE type, ellipsoid and numbers (relative tolerance 1e-12);
    /// names and identity codes are ignored.
    bool CompareParameters(DatumDef const& other, std::wstring* difference = nullptr) const;

    /// EPSG datum code, 0 when the datum has none.
    int GetPOSCNumber() const { return m_poscNumber; }
    void SetPOSCNumber(int code) { m_poscNumber = code; }
    /// A short stable key such as "DATUM_WGS84" or "DATUM_EPSG_6230".
    std::wstring const& GetToken() const { return m_token; }
    void SetToken(std::wstring const& token) { m_token = token; }
    /// The name the authority gives the datum.
    std::wstring const& GetAuthorityGivenName() const { return m_authorityName; }
    void SetAuthorityGivenName(std::wstring const& name) { m_authorityName = name; }
    /// EPSG code of the geographic system on this datum, 0 when unknown.
    int GetGeographicCRSCodeNumber() const { return m_geographicCode; }
    void SetGeographicCRSCodeNumber(int code) { m_geographicCode = code; }

    static int NumParameters(DatumMethod method);
    /// The id of the method's parameter at `index`, 0 when out of range.
    static int EnumParameter(DatumMethod method, int index);
    static bool MethodUsesParameter(DatumMethod method, int id);
    static wchar_t const* ParameterName(int id);
    /// 0 for an unknown id.
    static KORDataTypeID ParameterDataType(int id);
    static double ParameterDefault(int id);
    /// Null for an unknown method; NameToMethod gives 0 for an unknown name.
    static wchar_t const* MethodToName(DatumMethod method);
    static DatumMethod NameToMethod(std::wstring const& name);
    static wchar_t const* TargetToName(int target);
    static int NameToTarget(std::wstring const& name);
    /// EPSG code of the target's geographic system, 0 for an unknown target.
    static int TargetToGeographicCode(int target);
    /// The EPSG code of the target's datum, or 0 for an unknown target.
    static int TargetToDatumCode(int target);
    static wchar_t const* MRETypeToName(int type);
    static int NameToMREType(std::wstring const& name);

private:
    std::wstring m_name;
    ParameterValues m_values;
    std::optional<EllipsoidDef> m_ellipsoid;
    int m_poscNumber = 0;
    std::wstring m_token;
    std::wstring m_authorityName;
    int m_geographicCode = 0;
};

} // namespace kor
