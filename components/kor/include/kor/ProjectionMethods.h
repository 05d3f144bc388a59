// kor::methods: the projection methods the model knows, by name.
#pragma once

#include "kor/KORTypes.h"

namespace kor::methods {

/// The numbers are those of stored definitions and must never change; 2 is unused.
enum Method : ProjectionMethod {
    NotSet = 0,
    Geographic = 1,
    TransverseMercator = 3,
    TransverseMercatorSouthOrientated = 4,
    LambertConic1SP = 5,
    LambertConic2SP = 6,
    LambertConic2SPMichigan = 7,
    LambertConic2SPBelgium = 8,
    LambertConicWestOrientated = 9,
    AlbersEqualArea = 10,
    CassiniSoldner = 11,
    HyperbolicCassiniSoldner = 12,
    ObliqueStereographic = 13,
    PolarStereographicA = 14,
    PolarStereographicB = 15,
    PolarStereographicC = 16,
    HotineObliqueMercatorA = 17,
    HotineObliqueMercatorB = 18,
    MercatorA = 19,
    MercatorB = 20,
    PseudoMercator = 21,
    LambertAzimuthalEqualArea = 22,
    Krovak = 23,
    KrovakNorthOrientated = 24,
    AmericanPolyconic = 25,
    EquidistantCylindrical = 26,
    EqualEarth = 27,
    ColombiaUrban = 28,
    LambertAzimuthalEqualAreaSpherical = 29,
    LambertCylindricalEqualArea = 30,
    NewZealandMapGrid = 31,
};

} // namespace kor::methods
