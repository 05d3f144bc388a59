#include "KnownFixture.h"

#include "kor/UCSDef.h"

namespace kortest {

kor::DatumDef Wgs84Datum() {
    kor::DatumDef datum;
    datum.SetName(L"World Geodetic System 1984");
    datum.SetPOSCNumber(6326);
    datum.SetToken(L"DATUM_WGS84");
    datum.SetAuthorityGivenName(L"World Geodetic System 1984");
    datum.SetGeographicCRSCodeNumber(4326);
    datum.SetParameter(kor::DatumDef::Ellipsoid,
                       kor::EllipsoidDef(L"WGS 84", 6378137.0, 1.0 / 298.257223563, 7030));
    return datum;
}

kor::DatumDef ShiftedDatum() {
    kor::DatumDef datum;
    datum.SetName(L"European Datum 1950");
    datum.SetPOSCNumber(6230);
    datum.SetToken(L"DATUM_ED50");
    datum.SetGeographicCRSCodeNumber(4230);
    datum.SetParameter(kor::DatumDef::Ellipsoid,
                       kor::EllipsoidDef(L"International 1924", 6378388.0, 1.0 / 297.0, 7022));
    datum.SetParameter(kor::DatumDef::Method, kor::DatumDef::MethodGeocentricTranslation);
    datum.SetParameter(kor::DatumDef::DeltaX, -87.0);
    datum.SetParameter(kor::DatumDef::DeltaY, -98.0);
    datum.SetParameter(kor::DatumDef::DeltaZ, -121.0);
    return datum;
}

kor::KORDef Wgs84Geographic() {
    kor::DatumDef const datum = Wgs84Datum();
    kor::ProjectionDef projection(kor::ProjectionDef::GeographicMethod);
    projection.SetParameter(kor::ProjectionDef::Ellipsoid, *datum.GetEllipsoid());
    kor::KORDef system(&datum, &projection, nullptr);
    system.SetName(L"Geographic|World|WGS 84 [EPSG:4326]");
    system.SetPOSC(4326);
    return system;
}

kor::KORDef Utm33North() {
    kor::DatumDef const datum = Wgs84Datum();
    kor::ProjectionDef projection(3);
    projection.SetParameter(kor::ProjectionDef::LongitudeOfNaturalOrigin, 15.0);
    projection.SetParameter(kor::ProjectionDef::Ellipsoid, *datum.GetEllipsoid());
    kor::KORDef system(&datum, &projection, nullptr);
    system.SetName(L"Projected|UTM|WGS 84|WGS 84 / UTM zone 33N [EPSG:32633]");
    system.SetPOSC(32633);
    return system;
}

std::shared_ptr<kor::FixedCatalogue> FixtureScope::MakeCatalogue() {
    auto catalogue = std::make_shared<kor::FixedCatalogue>();
    catalogue->AddSystem(Wgs84Geographic(), L"World");
    catalogue->AddSystem(Utm33North(), L"World - N hemisphere - 12°E to 18°E");
    kor::UCSDef local(1.0, 0.0, 0.0, nullptr);
    local.SetName(L"Local System (meters)");
    catalogue->AddSystem(local);
    catalogue->AddDatum(Wgs84Datum());
    catalogue->AddDatum(ShiftedDatum());
    catalogue->AddEllipsoid(kor::EllipsoidDef(L"WGS 84", 6378137.0, 1.0 / 298.257223563, 7030));
    catalogue->AddEllipsoid(kor::EllipsoidDef(L"International 1924", 6378388.0, 1.0 / 297.0, 7022));
    catalogue->AddEllipsoid(kor::EllipsoidDef(L"Sphere", 6371000.0, 0.0, 7035));
    catalogue->AddMeridian(kor::MeridianInfo(L"Greenwich", 0.0, 8901));
    catalogue->AddMeridian(kor::MeridianInfo(L"Paris", 2.33722917, 8903));
    catalogue->AddLinearUnit({L"metre", L"metres", 1.0, 9001});
    catalogue->AddLinearUnit({L"foot", L"feet", 1.0 / 0.3048, 9002});
    catalogue->AddLinearUnit({L"US survey foot", L"US survey feet", 3937.0 / 1200.0, 9003});
    return catalogue;
}

FixtureScope::FixtureScope()
    : FixtureScope(MakeCatalogue()) {}

FixtureScope::FixtureScope(std::shared_ptr<kor::KnownCatalogue> catalogue) {
    kor::InstallKnownCatalogue(std::move(catalogue));
}

FixtureScope::~FixtureScope() {
    kor::InstallKnownCatalogue(nullptr);
}

} // namespace kortest
