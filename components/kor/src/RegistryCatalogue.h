// kor::RegistryCatalogue: the known lists read from the EPSG registry through PROJ.
#pragma once

#include "KnownSystemsCache.h"
#include "ProjRegistry.h"

#include "kor/KnownCatalogue.h"

#include <memory>
#include <optional>
#include <vector>

namespace kor {

/// Each list is read on first use and kept. A registry that cannot be opened gives
/// empty lists (and a log line) rather than failing every caller.
class RegistryCatalogue final : public KnownCatalogue {
public:
    static RegistryCatalogue& Instance();
    /// A catalogue that opens the registry anew for its own listings.
    explicit RegistryCatalogue(std::shared_ptr<ProjRegistry> registry);

    std::vector<KnownSystem> const& Systems() override;
    std::unique_ptr<CSDef> BuildSystem(std::size_t index) override;
    std::vector<KnownDatum> const& Datums() override;
    DatumDef BuildDatum(std::size_t index) override;
    std::vector<EllipsoidDef> const& Ellipsoids() override;
    std::vector<MeridianInfo> const& Meridians() override;
    std::vector<KnownLinearUnit> const& LinearUnits() override;

    /// The local systems every catalogue of ours offers besides the registry's.
    static std::vector<std::pair<std::wstring, double>> const& LocalSystems();

    /// Whether the systems are listed without reading the registry: read already, or
    /// held by the known-systems cache (which this reads).
    bool SystemsAtHand();

private:
    ProjRegistry& Registry();
    /// Takes the lists from the cache; false when it does not hold them.
    bool ReadCachedLists();
    /// The registry's systems and datums, read together on first use, from the cache when
    /// it holds them. `Systems()` takes the systems out.
    RegistryLists& Lists();

    std::shared_ptr<ProjRegistry> m_registry;

    std::optional<RegistryLists> m_lists;
    /// The cache is read once at most.
    bool m_cacheTried = false;
    std::optional<std::vector<KnownSystem>> m_systems;
    std::optional<std::vector<EllipsoidDef>> m_ellipsoids;
    std::optional<std::vector<MeridianInfo>> m_meridians;
    std::optional<std::vector<KnownLinearUnit>> m_units;
};

} // namespace kor
