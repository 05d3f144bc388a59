// kor EPSG codes: every registry code our own code names, each once, and its spelling.
#pragma once

#include <string>

namespace kor {

// The registry's codes read as the objects they stand for, so a reader need not know the
// numbers by heart and a code is changed in one place. Registry systems and datums take
// PROJ's style of naming them by code; units and ellipsoids by their own names.

// Geographic systems.
inline constexpr int EPSG_4326 = 4326; ///< WGS 84
inline constexpr int EPSG_4258 = 4258; ///< ETRS89
inline constexpr int EPSG_4269 = 4269; ///< NAD83
inline constexpr int EPSG_4283 = 4283; ///< GDA94
inline constexpr int EPSG_7844 = 7844; ///< GDA2020

// Projected systems.
inline constexpr int EPSG_3857 = 3857;   ///< WGS 84 / Pseudo-Mercator
inline constexpr int EPSG_27700 = 27700; ///< OSGB36 / British National Grid
inline constexpr int EPSG_32633 = 32633; ///< WGS 84 / UTM zone 33N

// Geodetic datums.
inline constexpr int EPSG_6326 = 6326; ///< World Geodetic System 1984
inline constexpr int EPSG_6258 = 6258; ///< European Terrestrial Reference System 1989
inline constexpr int EPSG_6269 = 6269; ///< North American Datum 1983
inline constexpr int EPSG_6267 = 6267; ///< North American Datum 1927
inline constexpr int EPSG_6230 = 6230; ///< European Datum 1950
inline constexpr int EPSG_6283 = 6283; ///< Geocentric Datum of Australia 1994
inline constexpr int EPSG_1168 = 1168; ///< Geocentric Datum of Australia 2020

// Projection methods that PROJ's constants leave out.
inline constexpr int EPSG_9826 = 9826; ///< Lambert Conic Conformal (West Orientated)
inline constexpr int EPSG_9830 = 9830; ///< Polar Stereographic (variant C)

// Ellipsoids and units.
inline constexpr int CLARKE_1866 = 7008;
inline constexpr int METRE = 9001;

/// The definition text of the registry's `code` ("EPSG:4326"), the spelling the
/// registry reads best.
inline std::wstring EpsgDefinition(int code) {
    return L"EPSG:" + std::to_wstring(code);
}

} // namespace kor
