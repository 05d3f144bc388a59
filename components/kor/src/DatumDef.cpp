#include "kor/DatumDef.h"

#include "NumberRules.h"
#include "kor/EpsgCodes.h"
#include "shr/NumberFormat.h"

#include <array>
#include <cmath>
#include <vector>

namespace kor {

namespace {

struct ParameterInfo {
    int id;
    wchar_t const* name;
    KORDataTypeID type;
    double defaultValue;
};

constexpr std::array<ParameterInfo, 12> Parameters{{
    {DatumDef::Method, L"Datum Method", KORDataTypeEnum, 1.0},
    {DatumDef::Target, L"Target Datum", KORDataTypeEnum, 1.0},
    {DatumDef::Ellipsoid, L"Ellipsoid", KORDataTypeEllipsoid, 0.0},
    {DatumDef::PrimeMeridian, L"Prime Meridian Longitude", KORDataTypeDouble, 0.0},
    {DatumDef::DeltaX, L"X Translation (m)", KORDataTypeDouble, 0.0},
    {DatumDef::DeltaY, L"Y Translation (m)", KORDataTypeDouble, 0.0},
    {DatumDef::DeltaZ, L"Z Translation (m)", KORDataTypeDouble, 0.0},
    {DatumDef::RotationX, L"X Rotation (arc-seconds)", KORDataTypeDouble, 0.0},
    {DatumDef::RotationY, L"Y Rotation (arc-seconds)", KORDataTypeDouble, 0.0},
    {DatumDef::RotationZ, L"Z Rotation (arc-seconds)", KORDataTypeDouble, 0.0},
    {DatumDef::ScaleDifference, L"Scale Difference (ppm)", KORDataTypeDouble, 0.0},
    {DatumDef::MREType, L"MRE Type", KORDataTypeEnum, 1.0},
}};

ParameterInfo const* FindParameter(int id) {
    for (auto const& info : Parameters) {
        if (info.id == id) {
            return &info;
        }
    }
    return nullptr;
}

std::vector<int> const& MethodParameters(DatumMethod method) {
    static std::vector<int> const none{DatumDef::Method, DatumDef::Target, DatumDef::Ellipsoid,
                                       DatumDef::PrimeMeridian, DatumDef::MREType};
    static std::vector<int> const translation{
        DatumDef::Method, DatumDef::Target, DatumDef::Ellipsoid, DatumDef::PrimeMeridian,
        DatumDef::DeltaX, DatumDef::DeltaY, DatumDef::DeltaZ,    DatumDef::MREType};
    static std::vector<int> const sevenParameter{
        DatumDef::Method,        DatumDef::Target,          DatumDef::Ellipsoid,
        DatumDef::PrimeMeridian, DatumDef::DeltaX,          DatumDef::DeltaY,
        DatumDef::DeltaZ,        DatumDef::RotationX,       DatumDef::RotationY,
        DatumDef::RotationZ,     DatumDef::ScaleDifference, DatumDef::MREType};
    static std::vector<int> const empty;
    switch (method) {
    case DatumDef::MethodNone:
        return none;
    case DatumDef::MethodGeocentricTranslation:
        return translation;
    case DatumDef::MethodSevenParameter:
        return sevenParameter;
    default:
        return empty;
    }
}

constexpr std::array<wchar_t const*, 3> MethodNames{
    L"No Datum Shift", L"Geocentric Translation (3 parameters)",
    L"Position Vector Transformation (7 parameters)"};
constexpr std::array<wchar_t const*, 5> TargetNames{L"WGS 84", L"ETRS89", L"NAD83", L"GDA94",
                                                    L"GDA2020"};
/// The registry's codes of each target: its geographic system and its datum, in the order
/// of the targets.
struct TargetCodes {
    int geographic;
    int datum;
};
constexpr std::array<TargetCodes, 5> TargetEpsgCodes{{{EPSG_4326, EPSG_6326},
                                                      {EPSG_4258, EPSG_6258},
                                                      {EPSG_4269, EPSG_6269},
                                                      {EPSG_4283, EPSG_6283},
                                                      {EPSG_7844, EPSG_1168}}};
static_assert(TargetEpsgCodes.size() == TargetNames.size());
constexpr std::array<wchar_t const*, 8> MRETypeNames{
    L"None",      L"Continental US", L"Canada",        L"Western Europe",
    L"Australia", L"Japan",          L"South America", L"Africa"};

template <std::size_t N>
wchar_t const* NameAt(std::array<wchar_t const*, N> const& names, int oneBased) {
    return oneBased >= 1 && oneBased <= static_cast<int>(N) ? names[oneBased - 1] : nullptr;
}

template <std::size_t N>
int IndexOfName(std::array<wchar_t const*, N> const& names, std::wstring const& name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (EqualIgnoringCase(name, names[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

} // namespace

DatumDef::DatumDef() {
    Flush();
}

void DatumDef::Flush() {
    m_name.clear();
    m_values.Clear();
    m_ellipsoid.reset();
    m_poscNumber = 0;
    m_token.clear();
    m_authorityName.clear();
    m_geographicCode = 0;
    for (int id : MethodParameters(MethodNone)) {
        if (id != Ellipsoid) {
            m_values.Set(id, ParameterDefault(id));
        }
    }
}

DatumMethod DatumDef::GetMethod() const {
    int method = 0;
    m_values.Get(Method, method);
    return method;
}

bool DatumDef::GetParameter(int id, double& value) const {
    return m_values.Get(id, value);
}

bool DatumDef::GetParameter(int id, int& value) const {
    return m_values.Get(id, value);
}

bool DatumDef::GetParameter(int id, EllipsoidDef& value) const {
    if (id != Ellipsoid || !m_ellipsoid) {
        return false;
    }
    value = *m_ellipsoid;
    return true;
}

void DatumDef::SetParameter(int id, double value) {
    m_values.Set(id, value);
    // A datum switched to a method with more parameters starts them at their defaults,
    // so that it can be shown and checked at once.
    if (id == Method) {
        for (int used : MethodParameters(GetMethod())) {
            if (used != Ellipsoid && !m_values.Has(used)) {
                m_values.Set(used, ParameterDefault(used));
            }
        }
    }
}

void DatumDef::SetParameter(int id, int value) {
    SetParameter(id, static_cast<double>(value));
}

void DatumDef::SetParameter(int id, EllipsoidDef const& value) {
    if (id == Ellipsoid) {
        m_ellipsoid = value;
    }
}

EllipsoidDef const* DatumDef::GetEllipsoid() const {
    return m_ellipsoid ? &*m_ellipsoid : nullptr;
}

int DatumDef::CheckParameters(std::wstring& reason) const {
    DatumMethod const method = GetMethod();
    if (MethodToName(method) == nullptr) {
        reason = L"The datum method is not one of the known methods.";
        return Method;
    }
    for (int id : MethodParameters(method)) {
        if (id == Ellipsoid) {
            if (!m_ellipsoid) {
                reason = L"The datum has no ellipsoid.";
                return Ellipsoid;
            }
            if (!m_ellipsoid->CheckParameters(reason)) {
                return Ellipsoid;
            }
            continue;
        }
        double value = 0.0;
        if (!GetParameter(id, value)) {
            reason = std::wstring(L"The datum parameter '") + ParameterName(id) + L"' is missing.";
            return id;
        }
        if (!std::isfinite(value)) {
            reason = std::wstring(L"The datum parameter '") + ParameterName(id) +
                     L"' must be a finite number.";
            return id;
        }
    }
    int target = 0;
    GetParameter(Target, target);
    if (TargetToName(target) == nullptr) {
        reason = L"The target datum is not one of the known targets.";
        return Target;
    }
    int mre = 0;
    GetParameter(MREType, mre);
    if (MRETypeToName(mre) == nullptr) {
        reason = L"The MRE type is not one of the known types.";
        return MREType;
    }
    double longitude = 0.0;
    GetParameter(PrimeMeridian, longitude);
    if (std::fabs(longitude) > 180.0) {
        reason = L"The longitude of the prime meridian must lie between -180° and 180° (it is " +
                 shr::FormatNumber(longitude) + L").";
        return PrimeMeridian;
    }
    // Shifts between real datums stay within a few kilometers, a few hundred
    // arc-seconds of rotation and a few hundred ppm of scale; larger numbers come from
    // a unit mix-up (radians for arc-seconds, a scale given as a factor).
    struct Limit {
        int first;
        int last;
        double limit;
        wchar_t const* what;
    };
    for (Limit const& range : {Limit{DeltaX, DeltaZ, 1e5, L"100 km"},
                               Limit{RotationX, RotationZ, 1e4, L"10,000 arc-seconds"},
                               Limit{ScaleDifference, ScaleDifference, 1e4, L"10,000 ppm"}}) {
        for (int id = range.first; id <= range.last; ++id) {
            double value = 0.0;
            if (MethodUsesParameter(method, id) && GetParameter(id, value) &&
                std::fabs(value) > range.limit) {
                reason = std::wstring(L"The datum parameter '") + ParameterName(id) +
                         L"' is larger than any real datum shift (" + range.what + L").";
                return id;
            }
        }
    }
    return 0;
}

bool DatumDef::CompareParameters(DatumDef const& other, std::wstring* difference) const {
    if (GetMethod() != other.GetMethod()) {
        if (difference != nullptr) {
            *difference = L"datum method differs";
        }
        return false;
    }
    for (int id : MethodParameters(GetMethod())) {
        if (id == Ellipsoid) {
            if (!m_ellipsoid || !other.m_ellipsoid) {
                if (m_ellipsoid.has_value() != other.m_ellipsoid.has_value()) {
                    if (difference != nullptr) {
                        *difference = L"only one datum has an ellipsoid";
                    }
                    return false;
                }
                continue;
            }
            if (!m_ellipsoid->CompareParameters(*other.m_ellipsoid, difference)) {
                return false;
            }
            continue;
        }
        double mine = 0.0;
        double theirs = 0.0;
        bool const hasMine = GetParameter(id, mine);
        bool const hasTheirs = other.GetParameter(id, theirs);
        if (hasMine != hasTheirs || (hasMine && !NearlyEqual(mine, theirs))) {
            if (difference != nullptr) {
                *difference = std::wstring(L"datum parameter '") + ParameterName(id) + L"': " +
                              (hasMine ? shr::FormatNumber(mine) : L"none") + L" against " +
                              (hasTheirs ? shr::FormatNumber(theirs) : L"none");
            }
            return false;
        }
    }
    return true;
}

int DatumDef::NumParameters(DatumMethod method) {
    return static_cast<int>(MethodParameters(method).size());
}

int DatumDef::EnumParameter(DatumMethod method, int index) {
    auto const& ids = MethodParameters(method);
    return index >= 0 && index < static_cast<int>(ids.size()) ? ids[index] : 0;
}

bool DatumDef::MethodUsesParameter(DatumMethod method, int id) {
    for (int used : MethodParameters(method)) {
        if (used == id) {
            return true;
        }
    }
    return false;
}

wchar_t const* DatumDef::ParameterName(int id) {
    auto const* info = FindParameter(id);
    return info != nullptr ? info->name : nullptr;
}

KORDataTypeID DatumDef::ParameterDataType(int id) {
    auto const* info = FindParameter(id);
    return info != nullptr ? info->type : KORDataTypeID{};
}

double DatumDef::ParameterDefault(int id) {
    auto const* info = FindParameter(id);
    return info != nullptr ? info->defaultValue : 0.0;
}

wchar_t const* DatumDef::MethodToName(DatumMethod method) {
    return NameAt(MethodNames, method);
}

DatumMethod DatumDef::NameToMethod(std::wstring const& name) {
    return IndexOfName(MethodNames, name);
}

wchar_t const* DatumDef::TargetToName(int target) {
    return NameAt(TargetNames, target);
}

int DatumDef::NameToTarget(std::wstring const& name) {
    return IndexOfName(TargetNames, name);
}

int DatumDef::TargetToGeographicCode(int target) {
    return target >= 1 && target <= static_cast<int>(TargetEpsgCodes.size())
               ? TargetEpsgCodes[target - 1].geographic
               : 0;
}

int DatumDef::TargetToDatumCode(int target) {
    return target >= 1 && target <= static_cast<int>(TargetEpsgCodes.size())
               ? TargetEpsgCodes[target - 1].datum
               : 0;
}

wchar_t const* DatumDef::MRETypeToName(int type) {
    return NameAt(MRETypeNames, type);
}

int DatumDef::NameToMREType(std::wstring const& name) {
    return IndexOfName(MRETypeNames, name);
}

} // namespace kor
