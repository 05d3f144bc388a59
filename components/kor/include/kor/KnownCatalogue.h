// kor::KnownCatalogue: where the known lists come from: the EPSG registry or a fixed set.
#pragma once

#include "kor/CSDef.h"
#include "kor/DatumDef.h"
#include "kor/EllipsoidDef.h"
#include "kor/Export.h"
#include "kor/MeridianInfo.h"

#include <cstddef>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace kor {

/// What a known system costs nothing to list: its name, kind, code and area of use.
struct KOR_EXPORT KnownSystem {
    /// Categorised name with the authority tag, such as "Projected|UTM|WGS 84|WGS 84 /
    /// UTM zone 33N [EPSG:32633]", in UTF-8 as the area and the aliases: held wide, the
    /// thousands of names cost four bytes a character at every start.
    std::string name;
    int type = CSDef::TypeReferenced;
    /// EPSG code, 0 for a local system.
    int code = 0;
    /// A start reads thousands of these and shows none, so they are decoded where they
    /// are shown or searched.
    std::string areaName;
    /// Other names the registry gives the system (its own and other agencies' spellings).
    std::vector<std::string> aliases;
    /// Bounds of the area of use in degrees; NaN when unknown.
    double west = std::numeric_limits<double>::quiet_NaN();
    double south = std::numeric_limits<double>::quiet_NaN();
    double east = std::numeric_limits<double>::quiet_NaN();
    double north = std::numeric_limits<double>::quiet_NaN();
};

/// A datum as listed: enough to show and find it before its parameters are read.
struct KOR_EXPORT KnownDatum {
    std::wstring name;
    int code = 0;
};

struct KOR_EXPORT KnownLinearUnit {
    std::wstring name;
    std::wstring plural;
    /// Units per meter.
    double divider = 1.0;
    int code = 0;
};

/// The source of the known lists. Listing is cheap; Build... makes the full value of
/// one entry and may be slow. Every operation may throw KORException.
class KOR_EXPORT KnownCatalogue {
public:
    virtual ~KnownCatalogue() = default;

    virtual std::vector<KnownSystem> const& Systems() = 0;
    virtual std::unique_ptr<CSDef> BuildSystem(std::size_t index) = 0;
    virtual std::vector<KnownDatum> const& Datums() = 0;
    virtual DatumDef BuildDatum(std::size_t index) = 0;
    virtual std::vector<EllipsoidDef> const& Ellipsoids() = 0;
    virtual std::vector<MeridianInfo> const& Meridians() = 0;
    virtual std::vector<KnownLinearUnit> const& LinearUnits() = 0;

protected:
    KnownCatalogue() = default;
    KnownCatalogue(KnownCatalogue const&) = default;
    KnownCatalogue& operator=(KnownCatalogue const&) = default;
};

/// A catalogue whose every entry is given up front, for tests and for hosts that offer
/// a chosen set of systems instead of the whole registry.
class KOR_EXPORT FixedCatalogue final : public KnownCatalogue {
public:
    /// Lists the definition under its own name; the code is its POSC for a KORDef. The area
    /// and the aliases are kept in UTF-8.
    void AddSystem(CSDef const& definition, std::wstring const& areaName = {},
                   std::vector<std::wstring> const& aliases = {});
    void AddDatum(DatumDef const& datum);
    void AddEllipsoid(EllipsoidDef const& ellipsoid) { m_ellipsoids.push_back(ellipsoid); }
    void AddMeridian(MeridianInfo const& meridian) { m_meridians.push_back(meridian); }
    void AddLinearUnit(KnownLinearUnit const& unit) { m_units.push_back(unit); }

    std::vector<KnownSystem> const& Systems() override { return m_systems; }
    std::unique_ptr<CSDef> BuildSystem(std::size_t index) override;
    std::vector<KnownDatum> const& Datums() override { return m_datumEntries; }
    DatumDef BuildDatum(std::size_t index) override;
    std::vector<EllipsoidDef> const& Ellipsoids() override { return m_ellipsoids; }
    std::vector<MeridianInfo> const& Meridians() override { return m_meridians; }
    std::vector<KnownLinearUnit> const& LinearUnits() override { return m_units; }

private:
    std::vector<KnownSystem> m_systems;
    std::vector<std::shared_ptr<CSDef const>> m_definitions;
    std::vector<KnownDatum> m_datumEntries;
    std::vector<DatumDef> m_datums;
    std::vector<EllipsoidDef> m_ellipsoids;
    std::vector<MeridianInfo> m_meridians;
    std::vector<KnownLinearUnit> m_units;
};

/// Makes every known list draw from `catalogue` and drops what they had cached; null
/// returns them to the EPSG registry. The registry is opened on first use only.
KOR_EXPORT void InstallKnownCatalogue(std::shared_ptr<KnownCatalogue> catalogue);
/// The catalogue in use (the registry unless another was installed).
KOR_EXPORT KnownCatalogue& CurrentKnownCatalogue();
/// A catalogue over a freshly opened registry, independent of the shared one: for a
/// host that wants the lists read again, and for measuring a cold start.
KOR_EXPORT std::shared_ptr<KnownCatalogue> OpenRegistryCatalogue();
/// Changes each time a catalogue is installed, so caches can tell they are stale.
KOR_EXPORT unsigned KnownCatalogueGeneration();

} // namespace kor
