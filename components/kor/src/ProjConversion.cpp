#include "ProjConversion.h"

#include "DatumTokens.h"
#include "ProjRegistry.h"
#include "ProjectionCatalogue.h"

#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/LinearUnitList.h"
#include "kor/MeridianList.h"
#include "kor/ProjectionMethods.h"

#include "shr/Utf8.h"

#include <proj/coordinateoperation.hpp>
#include <proj/coordinatesystem.hpp>
#include <proj/datum.hpp>
#include <proj/metadata.hpp>
#include <proj/util.hpp>
#include <proj_constants.h>

#include <array>
#include <cmath>
#include <map>
#include <optional>

namespace kor {

namespace common = osgeo::proj::common;
namespace crs = osgeo::proj::crs;
namespace cs = osgeo::proj::cs;
namespace datum = osgeo::proj::datum;
namespace io = osgeo::proj::io;
namespace metadata = osgeo::proj::metadata;
namespace operation = osgeo::proj::operation;
namespace util = osgeo::proj::util;

namespace {

util::PropertyMap Properties(std::string const& name, int epsgCode = 0) {
    util::PropertyMap properties;
    properties.set(common::IdentifiedObject::NAME_KEY, name);
    if (epsgCode > 0) {
        properties.set(metadata::Identifier::CODESPACE_KEY, "EPSG");
        properties.set(metadata::Identifier::CODE_KEY, epsgCode);
    }
    return properties;
}

/// The datum, or the ensemble that stands for it (WGS 84 and ETRS89 are ensembles).
common::IdentifiedObject const& DatumObject(crs::GeodeticCRS const& geodetic) {
    if (auto const& frame = geodetic.datum()) {
        return *frame;
    }
    return *geodetic.datumEnsemble();
}

// ----- datum shifts ---------------------------------------------------------------

struct Shift {
    DatumMethod method = DatumDef::MethodNone;
    int target = DatumDef::TargetWGS84;
    std::array<double, 7> values{};
};

int TargetOf(crs::CRS const& hub) {
    int code = hub.getEPSGCode();
    if (auto const* geodetic = dynamic_cast<crs::GeodeticCRS const*>(&hub);
        (geodetic != nullptr) && code == 0) {
        code = DatumObject(*geodetic).getEPSGCode();
    }
    for (int target = 1; DatumDef::TargetToName(target) != nullptr; ++target) {
        if (code == DatumDef::TargetToGeographicCode(target) ||
            code == DatumDef::TargetToDatumCode(target)) {
            return target;
        }
    }
    return 0;
}

std::optional<Shift> ShiftOf(operation::Transformation const& transformation, crs::CRS const& hub) {
    Shift shift;
    bool negateRotations = false;
    switch (transformation.method()->getEPSGCode()) {
    case EPSG_CODE_METHOD_GEOCENTRIC_TRANSLATION_GEOGRAPHIC_2D:
    case EPSG_CODE_METHOD_GEOCENTRIC_TRANSLATION_GEOCENTRIC:
        shift.method = DatumDef::MethodGeocentricTranslation;
        break;
    case EPSG_CODE_METHOD_POSITION_VECTOR_GEOGRAPHIC_2D:
    case EPSG_CODE_METHOD_POSITION_VECTOR_GEOCENTRIC:
        shift.method = DatumDef::MethodSevenParameter;
        break;
    case EPSG_CODE_METHOD_COORDINATE_FRAME_GEOGRAPHIC_2D:
    case EPSG_CODE_METHOD_COORDINATE_FRAME_GEOCENTRIC:
        // The coordinate-frame convention turns the rotations the other way.
        shift.method = DatumDef::MethodSevenParameter;
        negateRotations = true;
        break;
    default:
        return std::nullopt;
    }
    shift.target = TargetOf(hub);
    if (shift.target == 0) {
        return std::nullopt;
    }
    static constexpr std::array<int, 7> Codes{
        EPSG_CODE_PARAMETER_X_AXIS_TRANSLATION, EPSG_CODE_PARAMETER_Y_AXIS_TRANSLATION,
        EPSG_CODE_PARAMETER_Z_AXIS_TRANSLATION, EPSG_CODE_PARAMETER_X_AXIS_ROTATION,
        EPSG_CODE_PARAMETER_Y_AXIS_ROTATION,    EPSG_CODE_PARAMETER_Z_AXIS_ROTATION,
        EPSG_CODE_PARAMETER_SCALE_DIFFERENCE};
    int const count = shift.method == DatumDef::MethodGeocentricTranslation ? 3 : 7;
    for (int i = 0; i < count; ++i) {
        auto const& value = transformation.parameterValue(std::string(), Codes[i]);
        if (!value || value->type() != operation::ParameterValue::Type::MEASURE) {
            return std::nullopt;
        }
        auto const& measure = value->value();
        if (i < 3) {
            shift.values[i] = measure.getSIValue();
        } else if (i < 6) {
            shift.values[i] = measure.convertToUnit(common::UnitOfMeasure::ARC_SECOND) *
                              (negateRotations ? -1.0 : 1.0);
        } else {
            // Written as a factor (1.0000002263) the difference keeps only about ten
            // digits; rounding to 1e-9 ppm gives back the number that was written.
            shift.values[i] =
                std::round(measure.convertToUnit(common::UnitOfMeasure::PARTS_PER_MILLION) * 1e9) /
                1e9;
        }
    }
    return shift;
}

double ExtentArea(operation::CoordinateOperation const& candidate) {
    for (auto const& domain : candidate.domains()) {
        auto const& extent = domain->domainOfValidity();
        if (!extent) {
            continue;
        }
        for (auto const& element : extent->geographicElements()) {
            auto const* box = dynamic_cast<metadata::GeographicBoundingBox const*>(element.get());
            if (box == nullptr) {
                continue;
            }
            double width = box->eastBoundLongitude() - box->westBoundLongitude();
            if (width < 0) {
                width += 360.0;
            }
            return width * (box->northBoundLatitude() - box->southBoundLatitude());
        }
    }
    return 0.0;
}

/// The registry's Helmert shift from a geographic system to WGS 84 that covers the
/// widest area: the one meant for general use rather than a local refinement.
std::optional<Shift> RegistryShift(int geographicCode) {
    static std::map<int, std::optional<Shift>> cache;
    int const wgs84 = DatumDef::TargetToGeographicCode(DatumDef::TargetWGS84);
    if (geographicCode <= 0 || geographicCode == wgs84) {
        return std::nullopt;
    }
    if (auto const found = cache.find(geographicCode); found != cache.end()) {
        return found->second;
    }
    std::optional<Shift> best;
    try {
        auto const factory = ProjRegistry::Instance().Epsg();
        double bestArea = -1.0;
        for (auto const& candidate : factory->createFromCoordinateReferenceSystemCodes(
                 "EPSG", std::to_string(geographicCode), "EPSG", std::to_string(wgs84), false,
                 false, true, true)) {
            auto const* transformation =
                dynamic_cast<operation::Transformation const*>(candidate.get());
            if (transformation == nullptr) {
                continue;
            }
            auto shift = ShiftOf(*transformation, *crs::GeographicCRS::EPSG_4326);
            double const area = ExtentArea(*candidate);
            if (shift && area > bestArea) {
                best = shift;
                bestArea = area;
            }
        }
    } catch (std::exception const&) {
        // A system without a usable path to WGS 84 simply has no shift.
        best.reset();
    }
    cache.emplace(geographicCode, best);
    return best;
}

void ApplyShift(DatumDef& datum, Shift const& shift) {
    datum.SetParameter(DatumDef::Method, shift.method);
    datum.SetParameter(DatumDef::Target, shift.target);
    int id = DatumDef::DeltaX;
    for (double value : shift.values) {
        if (DatumDef::MethodUsesParameter(shift.method, id)) {
            datum.SetParameter(id, value);
        }
        ++id;
    }
}

// ----- from PROJ -----------------------------------------------------------------

DatumDef DatumOf(crs::GeodeticCRS const& geodetic, int geographicCode) {
    DatumDef result;
    auto const& frame = DatumObject(geodetic);
    result.SetName(shr::FromUtf8(frame.nameStr()));
    int const code = frame.getEPSGCode();
    if (code > 0) {
        result.SetPOSCNumber(code);
        result.SetAuthorityGivenName(result.GetName());
        result.SetToken(DatumTokenFromCode(code));
    }
    result.SetGeographicCRSCodeNumber(geographicCode);
    auto const& ellipsoid = geodetic.ellipsoid();
    double const inverse = ellipsoid->isSphere() ? 0.0 : ellipsoid->computedInverseFlattening();
    result.SetParameter(DatumDef::Ellipsoid, EllipsoidDef(shr::FromUtf8(ellipsoid->nameStr()),
                                                          ellipsoid->semiMajorAxis().getSIValue(),
                                                          inverse > 0.0 ? 1.0 / inverse : 0.0,
                                                          ellipsoid->getEPSGCode()));
    result.SetParameter(
        DatumDef::PrimeMeridian,
        geodetic.primeMeridian()->longitude().convertToUnit(common::UnitOfMeasure::DEGREE));
    return result;
}

/// Degrees in (-180, 180].
double NormalisedLongitude(double degrees) {
    double const reduced = std::remainder(degrees, 360.0);
    return reduced <= -180.0 ? reduced + 360.0 : reduced;
}

bool SameLongitude(double a, double b) {
    return std::fabs(NormalisedLongitude(a - b)) < 1e-7;
}

int PolarAxisOrder(cs::CoordinateSystem const& system) {
    auto const& axes = system.axisList();
    std::string const direction = axes[0]->direction().toString();
    if (!axes[0]->meridian() || !axes[1]->meridian() ||
        direction != axes[1]->direction().toString()) {
        return 0;
    }
    bool const northPole = direction == "south";
    if (!northPole && direction != "north") {
        return 0;
    }
    double const first =
        axes[0]->meridian()->longitude().convertToUnit(common::UnitOfMeasure::DEGREE);
    double const second =
        axes[1]->meridian()->longitude().convertToUnit(common::UnitOfMeasure::DEGREE);
    // The registry reckons the axes' meridians from the central longitude; a .prj has no
    // axes at all and PROJ gives it the Greenwich-based polar axes. Only the quarter turn
    // between the two axes is information, so that is what identifies the order.
    double const quarterTurn = northPole ? 90.0 : -90.0;
    if (SameLongitude(second - first, quarterTurn)) {
        return northPole ? ProjectionDef::AxisNorthPoleEastNorth
                         : ProjectionDef::AxisSouthPoleEastNorth;
    }
    if (SameLongitude(first - second, quarterTurn)) {
        return northPole ? ProjectionDef::AxisNorthPoleNorthEast
                         : ProjectionDef::AxisSouthPoleNorthEast;
    }
    return 0;
}

int AxisOrderOf(cs::CoordinateSystem const& system) {
    auto const& axes = system.axisList();
    if (axes.size() != 2) {
        return 0;
    }
    if (axes[0]->meridian() || axes[1]->meridian()) {
        return PolarAxisOrder(system);
    }
    std::string const pair =
        axes[0]->direction().toString() + "," + axes[1]->direction().toString();
    static std::map<std::string, int> const orders{
        {"east,north", ProjectionDef::AxisEastNorth}, {"north,east", ProjectionDef::AxisNorthEast},
        {"west,south", ProjectionDef::AxisWestSouth}, {"north,west", ProjectionDef::AxisNorthWest},
        {"south,west", ProjectionDef::AxisSouthWest}, {"west,north", ProjectionDef::AxisWestNorth},
        {"east,south", ProjectionDef::AxisEastSouth}};
    auto const found = orders.find(pair);
    return found == orders.end() ? 0 : found->second;
}

ProjectionMethod MethodOf(operation::OperationMethod const& method) {
    if (auto const byCode = ProjectionDef::EPSGCodeToMethod(method.getEPSGCode()); byCode != 0) {
        return byCode;
    }
    // Methods read from text without codes are known by their EPSG names.
    ProjectionMethod const byName = ProjectionDef::NameToMethod(shr::FromUtf8(method.nameStr()));
    return byName == ProjectionDef::GeographicMethod ? 0 : byName;
}

/// The value in `unit`, untouched when it is already in that unit, so that 15° read
/// from the registry stays exactly 15 rather than passing through radians.
double InUnit(common::Measure const& measure, common::UnitOfMeasure const& unit) {
    if (measure.unit() == unit) {
        return measure.value();
    }
    return measure.convertToUnit(unit);
}

/// Units per degree of a geographic system's coordinates: 1 for degrees.
double AngularUnitOf(crs::GeodeticCRS const& geodetic) {
    auto const& unit = geodetic.coordinateSystem()->axisList()[0]->unit();
    if (unit == common::UnitOfMeasure::DEGREE) {
        return 1.0;
    }
    double const toRadians = unit.conversionToSI();
    if (!(toRadians > 0.0) || unit.type() != common::UnitOfMeasure::Type::ANGULAR) {
        throw KORException(L"The angular unit '" + shr::FromUtf8(unit.name()) +
                           L"' has no known size.");
    }
    return common::UnitOfMeasure::DEGREE.conversionToSI() / toRadians;
}

common::UnitOfMeasure AngularUnit(double unitsPerDegree) {
    if (unitsPerDegree == 1.0) {
        return common::UnitOfMeasure::DEGREE;
    }
    if (std::fabs(unitsPerDegree - 400.0 / 360.0) < 1e-12) {
        return common::UnitOfMeasure::GRAD;
    }
    return common::UnitOfMeasure("unknown",
                                 common::UnitOfMeasure::DEGREE.conversionToSI() / unitsPerDegree,
                                 common::UnitOfMeasure::Type::ANGULAR);
}

ProjectionDef ProjectionFromProj(crs::ProjectedCRS const& projected,
                                 EllipsoidDef const& ellipsoid) {
    auto const& conversion = projected.derivingConversion();
    ProjectionMethod const method = MethodOf(*conversion->method());
    if (method == methods::NotSet) {
        throw KORException(L"The projection method '" +
                           shr::FromUtf8(conversion->method()->nameStr()) + L"' is not supported.");
    }
    ProjectionDef projection;
    projection.SetMethod(method);
    for (int id : FindProjectionMethod(method)->parameters) {
        auto const* info = FindProjectionParameter(id);
        if (info->epsgCode == 0) {
            continue;
        }
        auto const& value = conversion->parameterValue(shr::ToUtf8(info->name), info->epsgCode);
        if (!value || value->type() != operation::ParameterValue::Type::MEASURE) {
            throw KORException(std::wstring(L"The projection parameter '") + info->name +
                               L"' is missing.");
        }
        auto const& measure = value->value();
        switch (info->kind) {
        case ParameterKind::Latitude:
        case ParameterKind::Longitude:
        case ParameterKind::Angle:
            projection.SetParameter(id, InUnit(measure, common::UnitOfMeasure::DEGREE));
            break;
        case ParameterKind::Length:
            projection.SetParameter(id, InUnit(measure, common::UnitOfMeasure::METRE));
            break;
        default:
            projection.SetParameter(id, InUnit(measure, common::UnitOfMeasure::SCALE_UNITY));
            break;
        }
    }
    int const order = AxisOrderOf(*projected.coordinateSystem());
    if (order == 0) {
        throw KORException(L"The axes of '" + shr::FromUtf8(projected.nameStr()) +
                           L"' are not supported (only plain easting, northing, westing and "
                           L"southing axes are).");
    }
    projection.SetParameter(ProjectionDef::AxisOrder, order);
    double const toMeters = projected.coordinateSystem()->axisList()[0]->unit().conversionToSI();
    if (!(toMeters > 0.0)) {
        throw KORException(L"The linear unit of '" + shr::FromUtf8(projected.nameStr()) +
                           L"' has no known length.");
    }
    projection.SetParameter(ProjectionDef::LinearUnit, 1.0 / toMeters);
    projection.SetParameter(ProjectionDef::Ellipsoid, ellipsoid);
    return projection;
}

crs::CRSPtr Unwrap(crs::CRSPtr current, std::optional<Shift>& shift) {
    for (int depth = 0; depth < 4 && current; ++depth) {
        if (auto const* bound = dynamic_cast<crs::BoundCRS const*>(current.get())) {
            shift = ShiftOf(*bound->transformation(), *bound->hubCRS());
            current = bound->baseCRS().as_nullable();
        } else if (auto const* compound = dynamic_cast<crs::CompoundCRS const*>(current.get())) {
            auto const& parts = compound->componentReferenceSystems();
            if (parts.empty()) {
                return nullptr;
            }
            current = parts.front().as_nullable();
        } else {
            return current;
        }
    }
    return current;
}

// ----- to PROJ -------------------------------------------------------------------

std::string PlainName(std::wstring const& name) {
    std::wstring const plain = PlainLeafName(name);
    return shr::ToUtf8(plain.empty() ? std::wstring(L"unnamed") : plain);
}

datum::EllipsoidNNPtr MakeEllipsoid(EllipsoidDef const& ellipsoid) {
    auto const properties =
        Properties(ellipsoid.GetName() != nullptr ? shr::ToUtf8(ellipsoid.GetName()) : "unknown",
                   ellipsoid.GetPOSCNumber());
    if (ellipsoid.GetFlattening() <= 0.0) {
        return datum::Ellipsoid::createSphere(properties,
                                              common::Length(ellipsoid.GetMajorRadius()));
    }
    return datum::Ellipsoid::createFlattenedSphere(properties,
                                                   common::Length(ellipsoid.GetMajorRadius()),
                                                   common::Scale(1.0 / ellipsoid.GetFlattening()));
}

datum::PrimeMeridianNNPtr MakePrimeMeridian(double longitude) {
    if (longitude == 0.0) {
        return datum::PrimeMeridian::GREENWICH;
    }
    MeridianInfo meridian;
    int const known = KORKnownMeridiansList.FindByLongitude(longitude, 1e-9);
    if (known >= 0) {
        KORKnownMeridiansList.Enum(known, meridian);
    }
    return datum::PrimeMeridian::create(
        Properties(known >= 0 ? shr::ToUtf8(meridian.GetName()) : "unknown",
                   meridian.GetPOSCNumber()),
        common::Angle(longitude));
}

std::string GeographicName(DatumDef const& datum) {
    if (int const code = datum.GetGeographicCRSCodeNumber(); code > 0) {
        try {
            return ProjRegistry::Instance()
                .Epsg()
                ->createGeographicCRS(std::to_string(code))
                ->nameStr();
        } catch (std::exception const&) {
            // An unknown code only costs the base system its registry name.
        }
    }
    return "Unknown based on " +
           shr::ToUtf8(datum.GetName().empty() ? L"unknown datum" : datum.GetName());
}

common::UnitOfMeasure LinearUnit(double unitsPerMeter) {
    if (unitsPerMeter == 1.0) {
        return common::UnitOfMeasure::METRE;
    }
    int const known = KORKnownLinearUnitsList.FindByDivider(unitsPerMeter, 1e-12 * unitsPerMeter);
    int const code = known >= 0 ? KORKnownLinearUnitsList.EnumPOSCNumber(known) : 0;
    if (code > 0) {
        // The registry's own factor, so that the unit matches the registry's exactly
        // rather than through the reciprocal of a reciprocal.
        try {
            return *ProjRegistry::Instance().Epsg()->createUnitOfMeasure(std::to_string(code));
        } catch (std::exception const&) {
            // Fall through to a unit made from the divider.
        }
    }
    return common::UnitOfMeasure(known >= 0 ? shr::ToUtf8(KORKnownLinearUnitsList.EnumName(known))
                                            : "unknown",
                                 1.0 / unitsPerMeter, common::UnitOfMeasure::Type::LINEAR);
}

cs::CartesianCSNNPtr MakeCartesian(int order, common::UnitOfMeasure const& unit,
                                   double centralLongitude) {
    struct Axis {
        char const* name;
        char const* abbreviation;
        cs::AxisDirection const* direction;
        /// Degrees from the central longitude for a polar axis; NaN for a plain one.
        double meridian;
    };
    double const plain = std::nan("");
    Axis const east{"Easting", "E", &cs::AxisDirection::EAST, plain};
    Axis const north{"Northing", "N", &cs::AxisDirection::NORTH, plain};
    Axis const west{"Westing", "W", &cs::AxisDirection::WEST, plain};
    Axis const south{"Southing", "S", &cs::AxisDirection::SOUTH, plain};
    Axis const northPoleEast{"Easting", "E", &cs::AxisDirection::SOUTH, 90.0};
    Axis const northPoleNorth{"Northing", "N", &cs::AxisDirection::SOUTH, 180.0};
    Axis const southPoleEast{"Easting", "E", &cs::AxisDirection::NORTH, 90.0};
    Axis const southPoleNorth{"Northing", "N", &cs::AxisDirection::NORTH, 0.0};
    std::array<std::pair<Axis, Axis>, 11> const pairs{{{east, north},
                                                       {north, east},
                                                       {west, south},
                                                       {north, west},
                                                       {south, west},
                                                       {west, north},
                                                       {east, south},
                                                       {northPoleEast, northPoleNorth},
                                                       {northPoleNorth, northPoleEast},
                                                       {southPoleEast, southPoleNorth},
                                                       {southPoleNorth, southPoleEast}}};
    auto const make = [&](Axis const& axis) {
        cs::MeridianPtr meridian;
        if (!std::isnan(axis.meridian)) {
            meridian = cs::Meridian::create(
                           common::Angle(NormalisedLongitude(centralLongitude + axis.meridian)))
                           .as_nullable();
        }
        return cs::CoordinateSystemAxis::create(Properties(axis.name), axis.abbreviation,
                                                *axis.direction, unit, meridian);
    };
    auto const& pair = pairs[static_cast<std::size_t>(order - 1)];
    return cs::CartesianCS::create(util::PropertyMap(), make(pair.first), make(pair.second));
}

operation::ConversionNNPtr MakeConversion(ProjectionDef const& projection,
                                          std::string const& name) {
    auto const* method = FindProjectionMethod(projection.GetMethod());
    std::vector<operation::OperationParameterNNPtr> parameters;
    std::vector<operation::ParameterValueNNPtr> values;
    for (int id : method->parameters) {
        auto const* info = FindProjectionParameter(id);
        if (info->epsgCode == 0) {
            continue;
        }
        double value = 0.0;
        projection.GetParameter(id, value);
        parameters.push_back(operation::OperationParameter::create(
            Properties(shr::ToUtf8(info->name), info->epsgCode)));
        switch (info->kind) {
        case ParameterKind::Latitude:
        case ParameterKind::Longitude:
        case ParameterKind::Angle:
            values.push_back(operation::ParameterValue::create(common::Angle(value)));
            break;
        case ParameterKind::Length:
            values.push_back(operation::ParameterValue::create(common::Length(value)));
            break;
        default:
            values.push_back(operation::ParameterValue::create(common::Scale(value)));
            break;
        }
    }
    return operation::Conversion::create(
        Properties(name), Properties(shr::ToUtf8(method->epsgName), method->epsgCode), parameters,
        values);
}

crs::CRSNNPtr WithShift(crs::CRSNNPtr const& system, crs::GeographicCRSNNPtr const& base,
                        DatumDef const& datum) {
    DatumMethod const method = datum.GetMethod();
    if (method != DatumDef::MethodGeocentricTranslation &&
        method != DatumDef::MethodSevenParameter) {
        return system;
    }
    int target = 0;
    datum.GetParameter(DatumDef::Target, target);
    crs::CRSNNPtr hub = crs::GeographicCRS::EPSG_4326;
    if (target != DatumDef::TargetWGS84) {
        hub = ProjRegistry::Instance().Epsg()->createGeographicCRS(
            std::to_string(DatumDef::TargetToGeographicCode(target)));
    }
    std::array<double, 7> v{};
    for (int id = DatumDef::DeltaX; id <= DatumDef::ScaleDifference; ++id) {
        datum.GetParameter(id, v[static_cast<std::size_t>(id - DatumDef::DeltaX)]);
    }
    auto const properties = Properties(base->nameStr() + " to " + hub->nameStr());
    auto const transformation =
        method == DatumDef::MethodGeocentricTranslation
            ? operation::Transformation::createGeocentricTranslations(properties, base, hub, v[0],
                                                                      v[1], v[2], {})
            : operation::Transformation::createPositionVector(properties, base, hub, v[0], v[1],
                                                              v[2], v[3], v[4], v[5], v[6], {});
    return crs::BoundCRS::create(system, hub, transformation);
}

} // namespace

std::unique_ptr<CSDef> ProjConversion::FromProj(crs::CRSNNPtr const& input, bool registryShift) {
    std::optional<Shift> shift;
    crs::CRSPtr const current = Unwrap(input.as_nullable(), shift);
    auto const* geographic = dynamic_cast<crs::GeographicCRS const*>(current.get());
    auto const* projected = dynamic_cast<crs::ProjectedCRS const*>(current.get());
    if ((geographic == nullptr) && (projected == nullptr)) {
        throw KORException(L"'" + shr::FromUtf8(input->nameStr()) +
                           L"' is neither a geographic nor a projected coordinate system.");
    }
    crs::GeodeticCRS const* geodetic = geographic;
    if (projected != nullptr) {
        geodetic = projected->baseCRS().get();
        if (dynamic_cast<crs::GeographicCRS const*>(geodetic) == nullptr) {
            throw KORException(L"The base of '" + shr::FromUtf8(projected->nameStr()) +
                               L"' is not a geographic system.");
        }
    }
    int const geographicCode = geodetic->getEPSGCode();
    DatumDef datum = DatumOf(*geodetic, geographicCode);
    if (!shift && registryShift) {
        shift = RegistryShift(geographicCode);
    }
    if (shift) {
        ApplyShift(datum, *shift);
    }

    auto definition = std::make_unique<KORDef>();
    int code = input->getEPSGCode();
    if (code == 0) {
        code = current->getEPSGCode();
    }
    definition->SetPOSC(code);
    std::wstring name = shr::FromUtf8(current->nameStr());
    if (code > 0) {
        name += L" [EPSG:" + std::to_wstring(code) + L"]";
    }
    definition->SetName(name);
    definition->SetDatum(&datum);
    ProjectionDef projection(ProjectionDef::GeographicMethod);
    if (projected != nullptr) {
        projection = ProjectionFromProj(*projected, *datum.GetEllipsoid());
    } else {
        projection.SetParameter(ProjectionDef::Ellipsoid, *datum.GetEllipsoid());
    }
    projection.SetParameter(ProjectionDef::AngularUnit, AngularUnitOf(*geodetic));
    definition->SetProjection(&projection);
    return definition;
}

crs::CRSNNPtr ProjConversion::ToProj(CSDef const& definition, bool withShift) {
    auto const* referenced = dynamic_cast<KORDef const*>(&definition);
    if (referenced == nullptr) {
        throw KORException(L"The local system '" + definition.GetName() +
                           L"' is not tied to the earth, so it has no registry equivalent.");
    }
    std::wstring reason;
    if (!referenced->Check(reason)) {
        throw KORException(L"The coordinate system '" + definition.GetName() + L"' is not valid: " +
                           reason);
    }
    try {
        DatumDef const& datumDef = *referenced->GetDatum();
        auto const frame = datum::GeodeticReferenceFrame::create(
            Properties(datumDef.GetName().empty() ? "unknown" : shr::ToUtf8(datumDef.GetName()),
                       datumDef.GetPOSCNumber()),
            MakeEllipsoid(*datumDef.GetEllipsoid()), util::optional<std::string>(),
            MakePrimeMeridian([&] {
                double longitude = 0.0;
                datumDef.GetParameter(DatumDef::PrimeMeridian, longitude);
                return longitude;
            }()));
        double unitsPerDegree = 1.0;
        if (auto const* projection = referenced->GetProjection()) {
            projection->GetParameter(ProjectionDef::AngularUnit, unitsPerDegree);
        }
        auto const ellipsoidal =
            cs::EllipsoidalCS::createLatitudeLongitude(AngularUnit(unitsPerDegree));
        std::string const name = PlainName(definition.GetName());
        if (referenced->IsGeographic()) {
            auto const geographic = crs::GeographicCRS::create(
                Properties(name, referenced->GetPOSC()), frame, ellipsoidal);
            return withShift ? WithShift(geographic, geographic, datumDef) : geographic;
        }
        auto const base = crs::GeographicCRS::create(
            Properties(GeographicName(datumDef), datumDef.GetGeographicCRSCodeNumber()), frame,
            ellipsoidal);
        ProjectionDef const& projection = *referenced->GetProjection();
        int order = ProjectionDef::AxisEastNorth;
        projection.GetParameter(ProjectionDef::AxisOrder, order);
        crs::CRSNNPtr const projected = crs::ProjectedCRS::create(
            Properties(name, referenced->GetPOSC()), base, MakeConversion(projection, name),
            MakeCartesian(order, LinearUnit(referenced->GetLinearScale()),
                          projection.CentralLongitude()));
        return withShift ? WithShift(projected, base, datumDef) : projected;
    } catch (KORException const&) {
        throw;
    } catch (std::exception const& error) {
        throw KORException(L"The coordinate system '" + definition.GetName() +
                           L"' cannot be expressed in PROJ: " + shr::FromUtf8(error.what()));
    }
}

DatumDef ProjConversion::RegistryDatum(int datumCode, int geographicCode) {
    try {
        // The geographic system carries the datum or the ensemble that stands for it,
        // with its ellipsoid and prime meridian, whichever the registry holds.
        auto const geodetic =
            ProjRegistry::Instance().Epsg()->createGeodeticCRS(std::to_string(geographicCode));
        DatumDef datum = DatumOf(*geodetic, geographicCode);
        if (datum.GetPOSCNumber() != datumCode) {
            throw KORException(L"the geographic system EPSG:" + std::to_wstring(geographicCode) +
                               L" is not on that datum");
        }
        if (auto const shift = RegistryShift(geographicCode)) {
            ApplyShift(datum, *shift);
        }
        return datum;
    } catch (KORException const&) {
        throw;
    } catch (std::exception const& error) {
        throw KORException(L"The datum EPSG:" + std::to_wstring(datumCode) + L" cannot be read: " +
                           shr::FromUtf8(error.what()));
    }
}

} // namespace kor
