// A small fixed catalogue for tests, so that they do not depend on the registry's version.
#pragma once

#include "kor/KORDef.h"
#include "kor/KnownCatalogue.h"

#include <memory>

namespace kortest {

/// WGS 84 with its ellipsoid and no shift, EPSG:6326, token DATUM_WGS84.
kor::DatumDef Wgs84Datum();
/// A datum on the international ellipsoid with a three-parameter shift to WGS 84.
kor::DatumDef ShiftedDatum();
/// "Geographic|World|WGS 84 [EPSG:4326]".
kor::KORDef Wgs84Geographic();
/// "Projected|UTM|WGS 84|WGS 84 / UTM zone 33N [EPSG:32633]".
kor::KORDef Utm33North();

/// Installs a catalogue with those systems, two datums, three ellipsoids, two
/// meridians, three units and one local system while it lives; the registry comes back
/// afterwards.
class FixtureScope {
public:
    FixtureScope();
    explicit FixtureScope(std::shared_ptr<kor::KnownCatalogue> catalogue);
    ~FixtureScope();
    FixtureScope(FixtureScope const&) = delete;
    FixtureScope& operator=(FixtureScope const&) = delete;

    static std::shared_ptr<kor::FixedCatalogue> MakeCatalogue();
};

} // namespace kortest
