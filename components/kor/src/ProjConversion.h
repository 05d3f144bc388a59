// kor::ProjConversion: our definitions to PROJ's objects and back.
#pragma once

#include "kor/CSDef.h"
#include "kor/DatumDef.h"

#include <proj/crs.hpp>

#include <memory>

namespace kor {

/// Both directions throw KORException saying what cannot be represented.
class ProjConversion {
public:
    /// A geographic or projected system (or the horizontal part of a compound one) as
    /// a KORDef. A bound system's shift becomes the datum's shift. With
    /// `registryShift`, a datum without a shift takes the registry's shift to WGS 84.
    static std::unique_ptr<CSDef> FromProj(osgeo::proj::crs::CRSNNPtr const& input,
                                           bool registryShift);

    /// The PROJ system for a referenced definition; with `withShift` a datum shift
    /// makes it a bound system whose hub is the shift's target.
    static osgeo::proj::crs::CRSNNPtr ToProj(CSDef const& definition, bool withShift);

    /// A datum read from the registry: ellipsoid, prime meridian, identity, and the
    /// registry's shift to WGS 84 where it has one.
    static DatumDef RegistryDatum(int datumCode, int geographicCode);
};

} // namespace kor
