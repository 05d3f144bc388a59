#include "kor/ProjectionDef.h"

#include "NumberRules.h"
#include "ProjectionCatalogue.h"
#include "kor/ProjectionMethods.h"
#include "shr/NumberFormat.h"

#include <cmath>

namespace kor {

namespace {

std::wstring Quoted(int id) {
    return std::wstring(L"'") + ProjectionDef::ParameterName(id) + L"'";
}

} // namespace

ProjectionDef::ProjectionDef(ProjectionMethod method)
    : m_method(method) {
    SetDefaultParameters();
}

void ProjectionDef::SetDefaultParameters() {
    m_values.Clear();
    auto const* info = FindProjectionMethod(m_method);
    if (info == nullptr) {
        return;
    }
    for (int id : info->parameters) {
        if (id != Ellipsoid) {
            m_values.Set(id, ParameterDefault(m_method, id));
        }
    }
}

void ProjectionDef::Flush() {
    m_method = methods::NotSet;
    m_values.Clear();
    m_ellipsoid.reset();
    m_wellKnownNames.clear();
}

bool ProjectionDef::GetParameter(int id, double& value) const {
    return m_values.Get(id, value);
}

bool ProjectionDef::GetParameter(int id, int& value) const {
    return m_values.Get(id, value);
}

bool ProjectionDef::GetParameter(int id, bool& value) const {
    double number = 0.0;
    if (!GetParameter(id, number)) {
        return false;
    }
    value = number != 0.0;
    return true;
}

bool ProjectionDef::GetParameter(int id, EllipsoidDef& value) const {
    if (id != Ellipsoid || !m_ellipsoid) {
        return false;
    }
    value = *m_ellipsoid;
    return true;
}

void ProjectionDef::SetParameter(int id, double value) {
    if (id != Ellipsoid) {
        m_values.Set(id, value);
    }
}

void ProjectionDef::SetParameter(int id, int value) {
    SetParameter(id, static_cast<double>(value));
}

void ProjectionDef::SetParameter(int id, bool value) {
    SetParameter(id, value ? 1.0 : 0.0);
}

void ProjectionDef::SetParameter(int id, EllipsoidDef const& value) {
    if (id == Ellipsoid) {
        m_ellipsoid = value;
    }
}

void ProjectionDef::SetParameter(int id, ProjectionDef const& other) {
    if (id == Ellipsoid) {
        m_ellipsoid = other.m_ellipsoid;
        return;
    }
    double value = 0.0;
    if (other.m_values.Get(id, value)) {
        m_values.Set(id, value);
    } else {
        m_values.Erase(id);
    }
}

bool ProjectionDef::HasParameter(int id) const {
    return id == Ellipsoid ? m_ellipsoid.has_value() : m_values.Has(id);
}

bool ProjectionDef::UsesParameter(int id) const {
    auto const* info = FindProjectionMethod(m_method);
    if (info == nullptr) {
        return false;
    }
    for (int used : info->parameters) {
        if (used == id) {
            return true;
        }
    }
    return false;
}

EllipsoidDef const* ProjectionDef::GetEllipsoid() const {
    return m_ellipsoid ? &*m_ellipsoid : nullptr;
}

std::vector<std::pair<int, std::wstring>> ProjectionDef::GetWellKnownNames() const {
    return {m_wellKnownNames.begin(), m_wellKnownNames.end()};
}

void ProjectionDef::SetWellKnownName(int id, std::wstring const& name) {
    if (name.empty()) {
        m_wellKnownNames.erase(id);
    } else {
        m_wellKnownNames[id] = name;
    }
}

int ProjectionDef::CheckParameters(std::wstring& reason) const {
    auto const* info = FindProjectionMethod(m_method);
    if (info == nullptr) {
        reason = L"The projection method (" + std::to_wstring(m_method) +
                 L") is not one of the known methods.";
        return -1;
    }
    for (int id : info->parameters) {
        if (id == Ellipsoid) {
            // The ellipsoid comes from the datum when the system is put together, so a
            // projection on its own may lack it; one that is present must be valid.
            if (m_ellipsoid && !m_ellipsoid->CheckParameters(reason)) {
                return id;
            }
            continue;
        }
        double value = 0.0;
        if (!GetParameter(id, value)) {
            reason = L"The projection parameter " + Quoted(id) + L" is missing.";
            return id;
        }
        if (!std::isfinite(value)) {
            reason = L"The projection parameter " + Quoted(id) + L" must be a finite number.";
            return id;
        }
        auto const* parameter = FindProjectionParameter(id);
        switch (parameter->kind) {
        case ParameterKind::Latitude:
            if (std::fabs(value) > 90.0) {
                reason = L"The latitude " + Quoted(id) + L" must lie between -90° and 90° (it is " +
                         shr::FormatNumber(value) + L").";
                return id;
            }
            break;
        case ParameterKind::Longitude:
        case ParameterKind::Angle:
            if (std::fabs(value) > 360.0) {
                reason = L"The angle " + Quoted(id) + L" must lie between -360° and 360° (it is " +
                         shr::FormatNumber(value) + L").";
                return id;
            }
            break;
        case ParameterKind::Scale:
            if (value <= 0.0 || value > 10.0) {
                reason = L"The scale factor " + Quoted(id) +
                         L" must be positive and not above 10 (it is " + shr::FormatNumber(value) +
                         L").";
                return id;
            }
            break;
        case ParameterKind::Unit:
            if (value <= 0.0) {
                reason = L"The unit " + Quoted(id) + L" must be a positive number (it is " +
                         shr::FormatNumber(value) + L").";
                return id;
            }
            break;
        case ParameterKind::Length:
            if (std::fabs(value) > 1e10) {
                reason = L"The length " + Quoted(id) + L" is larger than any map (it is " +
                         shr::FormatNumber(value) + L" m).";
                return id;
            }
            break;
        case ParameterKind::Choice:
            if ((AxisOrderToName(static_cast<int>(value)) == nullptr) ||
                value != std::floor(value)) {
                reason = L"The axis order is not one of the known orders.";
                return id;
            }
            break;
        case ParameterKind::Ellipsoid:
            break;
        }
    }
    auto const* method = FindProjectionMethod(m_method);
    return method != nullptr && method->rule != nullptr ? method->rule(*this, reason) : 0;
}

bool ProjectionDef::Compare(ProjectionDef const& other, std::wstring* difference) const {
    // "Not set" and geographic both mean that nothing is projected.
    auto const normalised = [](ProjectionMethod method) {
        return method == methods::NotSet ? ProjectionMethod{methods::Geographic} : method;
    };
    if (normalised(m_method) != normalised(other.m_method)) {
        if (difference != nullptr) {
            *difference = L"projection method " + std::to_wstring(m_method) + L" against " +
                          std::to_wstring(other.m_method);
        }
        return false;
    }
    auto const* info = FindProjectionMethod(normalised(m_method));
    if (info == nullptr) {
        return m_values == other.m_values;
    }
    for (int id : info->parameters) {
        if (id == Ellipsoid) {
            if (m_ellipsoid && other.m_ellipsoid &&
                !m_ellipsoid->CompareParameters(*other.m_ellipsoid, difference)) {
                return false;
            }
            continue;
        }
        // A value never set means the method's default, so a projection made before a
        // parameter existed still equals one that holds the default.
        double mine = ParameterDefault(normalised(m_method), id);
        double theirs = mine;
        GetParameter(id, mine);
        other.GetParameter(id, theirs);
        auto const kind = FindProjectionParameter(id)->kind;
        bool const angular = kind == ParameterKind::Longitude || kind == ParameterKind::Angle;
        if (!(angular ? NearlyEqualAngle(mine, theirs) : NearlyEqual(mine, theirs))) {
            if (difference != nullptr) {
                *difference = L"projection parameter " + Quoted(id) + L": " +
                              shr::FormatNumber(mine) + L" against " + shr::FormatNumber(theirs);
            }
            return false;
        }
    }
    return true;
}

int ProjectionDef::NumParameters(ProjectionMethod method) {
    auto const* info = FindProjectionMethod(method);
    return info != nullptr ? static_cast<int>(info->parameters.size()) : 0;
}

int ProjectionDef::EnumParameter(ProjectionMethod method, int index) {
    auto const* info = FindProjectionMethod(method);
    if ((info == nullptr) || index < 0 || index >= static_cast<int>(info->parameters.size())) {
        return 0;
    }
    return info->parameters[index];
}

wchar_t const* ProjectionDef::ParameterName(int id) {
    auto const* info = FindProjectionParameter(id);
    return info != nullptr ? info->name : nullptr;
}

KORDataTypeID ProjectionDef::ParameterDataType(int id) {
    auto const* info = FindProjectionParameter(id);
    if (info == nullptr) {
        return KORDataTypeID{};
    }
    switch (info->kind) {
    case ParameterKind::Ellipsoid:
        return KORDataTypeEllipsoid;
    case ParameterKind::Choice:
        return KORDataTypeEnum;
    default:
        return KORDataTypeDouble;
    }
}

ProjectionDef::Measure ProjectionDef::ParameterMeasure(int id) {
    auto const* info = FindProjectionParameter(id);
    if (info == nullptr) {
        return Measure::Plain;
    }
    switch (info->kind) {
    case ParameterKind::Latitude:
    case ParameterKind::Longitude:
    case ParameterKind::Angle:
        return Measure::Degrees;
    case ParameterKind::Length:
        return Measure::LinearUnit;
    default:
        return Measure::Plain;
    }
}

double ProjectionDef::ParameterDefault(ProjectionMethod method, int id) {
    return ProjectionParameterDefault(method, id);
}

wchar_t const* ProjectionDef::MethodToName(ProjectionMethod method) {
    auto const* info = FindProjectionMethod(method);
    return info != nullptr ? info->name : nullptr;
}

ProjectionMethod ProjectionDef::NameToMethod(std::wstring const& name) {
    for (auto const& info : ProjectionMethods()) {
        if (EqualIgnoringCase(name, info.name)) {
            return info.method;
        }
    }
    return 0;
}

wchar_t const* ProjectionDef::AxisOrderToName(int order) {
    static wchar_t const* const names[] = {L"Easting, Northing",
                                           L"Northing, Easting",
                                           L"Westing, Southing",
                                           L"Northing, Westing",
                                           L"Southing, Westing",
                                           L"Westing, Northing",
                                           L"Easting, Southing",
                                           L"North polar: Easting, Northing",
                                           L"North polar: Northing, Easting",
                                           L"South polar: Easting, Northing",
                                           L"South polar: Northing, Easting"};
    return order >= AxisEastNorth && order <= AxisSouthPoleNorthEast ? names[order - 1] : nullptr;
}

double ProjectionDef::CentralLongitude() const {
    for (int id : {LongitudeOfNaturalOrigin, LongitudeOfOrigin, LongitudeOfProjectionCentre,
                   LongitudeOfFalseOrigin}) {
        double longitude = 0.0;
        if (UsesParameter(id) && GetParameter(id, longitude)) {
            return longitude;
        }
    }
    return 0.0;
}

int ProjectionDef::MethodToEPSGCode(ProjectionMethod method) {
    auto const* info = FindProjectionMethod(method);
    return info != nullptr ? info->epsgCode : 0;
}

ProjectionMethod ProjectionDef::EPSGCodeToMethod(int code) {
    if (code == 0) {
        return 0;
    }
    for (auto const& info : ProjectionMethods()) {
        if (info.epsgCode == code) {
            return info.method;
        }
    }
    return 0;
}

int ProjectionDef::ParameterToEPSGCode(int id) {
    auto const* info = FindProjectionParameter(id);
    return info != nullptr ? info->epsgCode : 0;
}

int ProjectionDef::EPSGCodeToParameter(int code) {
    if (code == 0) {
        return 0;
    }
    for (int id = Ellipsoid; id <= AxisOrder; ++id) {
        if (ParameterToEPSGCode(id) == code) {
            return id;
        }
    }
    return 0;
}

} // namespace kor
