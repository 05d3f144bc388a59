// kor::KORDef: a referenced coordinate system: a datum and a projection (or none).
#pragma once

#include "kor/CSDef.h"
#include "kor/DatumDef.h"
#include "kor/Export.h"
#include "kor/ProjectionDef.h"

#include <memory>
#include <optional>

namespace kor {

class RegistrySystemParts;

/// Type 1. A geographic system has a projection of method 1 (or none at all, which
/// compares equal to method 1); a projected system has one of methods 3 to 31.
class KOR_EXPORT KORDef final : public CSDef {
public:
    KORDef() = default;
    /// Copies what it is given; any argument may be null.
    KORDef(DatumDef const* datum, ProjectionDef const* projection, WarpDef const* warp);
    /// The registry's system whose datum and projection `parts` reads when they are first
    /// asked for, with its code. Made by the model for a system the known list holds, so
    /// that naming one costs no registry read until its parts are used.
    KORDef(int code, std::shared_ptr<RegistrySystemParts const> parts);
    KORDef(KORDef const&) = default;
    KORDef& operator=(KORDef const&) = default;

    std::unique_ptr<CSDef> Clone() const override;
    int Type() const override { return TypeReferenced; }

    /// EPSG code of the system, 0 when it has none.
    int GetPOSC() const { return m_posc; }
    void SetPOSC(int code) { m_posc = code; }

    /// Null when absent.
    DatumDef const* GetDatum() const;
    /// Copies the datum passed; null removes it.
    void SetDatum(DatumDef const* datum);
    /// Null when absent.
    ProjectionDef const* GetProjection() const;
    void SetProjection(ProjectionDef const* projection);
    /// The code of the registry system whose datum and projection this definition holds as
    /// the registry gives them, read or not yet; 0 once they are set, or when it has none.
    int GetRegistryPartsCode() const;

    /// True when the projection is absent or of method 1.
    bool IsGeographic() const;
    /// The datum's ellipsoid, else the projection's, else null.
    EllipsoidDef const* GetEllipsoid() const;

    bool Check(std::wstring& reason) const override;
    /// The projection's linear unit; 0 for a geographic system.
    double GetLinearScale() const override;

protected:
    bool CompareContents(CSDef const& other, std::wstring* difference) const override;

private:
    /// Makes the registry's parts this definition's own, before one of them changes.
    void TakeRegistryParts();

    int m_posc = 0;
    std::optional<DatumDef> m_datum;
    std::optional<ProjectionDef> m_projection;
    /// Set while the parts are the registry's: they live there, shared by the copies.
    std::shared_ptr<RegistrySystemParts const> m_registryParts;
};

} // namespace kor
