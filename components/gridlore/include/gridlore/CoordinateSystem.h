// Gridlore::CoordinateSystem: one coordinate system, a value that owns its definition.
#pragma once

#include "gridlore/Export.h"
#include "kor/CSDef.h"
#include "kor/DatumDef.h"
#include "kor/ProjectionDef.h"
#include "kor/WarpDef.h"

#include <memory>
#include <string>

namespace Gridlore {

class GRIDLORE_EXPORT CoordinateSystem {
public:
    /// An empty system: no definition.
    CoordinateSystem() = default;
    /// Keeps its own copy of `definition`.
    explicit CoordinateSystem(kor::CSDef const& definition);
    /// A referenced system named by a token: "GEOGCS_DATUM_<datum token>" gives the
    /// geographic system on the known datum with that token (for instance
    /// "GEOGCS_DATUM_WGS84"), "EPSG:n" the registry system. An unknown token throws
    /// KORException when `failIfUnknown`, and gives an empty system otherwise.
    CoordinateSystem(wchar_t const* token, bool failIfUnknown);

    CoordinateSystem(CoordinateSystem const& other);
    CoordinateSystem(CoordinateSystem&& other) noexcept = default;
    CoordinateSystem& operator=(CoordinateSystem const& other);
    CoordinateSystem& operator=(CoordinateSystem&& other) noexcept = default;
    virtual ~CoordinateSystem() = default;

    bool IsEmpty() const { return m_definition == nullptr; }
    /// Null when the system is empty.
    kor::CSDef const* GetCSDef() const { return m_definition.get(); }
    /// Null when absent (always for a local system).
    kor::DatumDef const* GetDatum() const;
    kor::ProjectionDef const* GetProjection() const;
    kor::WarpDef const* GetWarp() const;

    /// The full name, "|" category path included; empty for an empty system.
    std::wstring GetName() const;
    /// The name without its category path.
    std::wstring GetLeafName() const;
    /// A multi-line summary for people: name, code, kind, datum, ellipsoid, prime
    /// meridian, projection and parameters, units, area of use.
    std::wstring GetDescription() const;
    /// True for a local system (its definition is a kor::UCSDef).
    bool IsUnreferenced() const;

    /// Copies the warp onto the definition; null removes it. Ignored when empty.
    void SetWarp(kor::WarpDef const* warp);
    /// Replaces the full name ("|" path allowed). Ignored when empty.
    void SetCategorizedName(std::wstring const& name);

    /// Replaces a bare reference to a registry system (a referenced definition with an
    /// EPSG code but no datum) by the registry's full definition, keeping the name, the
    /// hints and the warp. False when there was nothing to replace.
    bool Dereference();
    /// Makes the parts agree: the projection's ellipsoid follows the datum's, and a
    /// datum whose parameters no longer match the known datum of its code loses its
    /// identity codes. With `thorough` the system's own EPSG code is also dropped when
    /// the registry's system of that code is not the same (this may read the registry).
    void Reconcile(bool thorough);

    /// Removes a trailing authority tag such as " [EPSG:32633]" in place.
    static void StripAuthorityTagSuffixFromName(std::wstring& name);

private:
    std::unique_ptr<kor::CSDef> m_definition;
};

} // namespace Gridlore
