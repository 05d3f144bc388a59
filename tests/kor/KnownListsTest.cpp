#include "KnownFixture.h"

#include "kor/DatumList.h"
#include "kor/EllipsoidList.h"
#include "kor/KORException.h"
#include "kor/LinearUnitList.h"
#include "kor/MeridianList.h"
#include "kor/SystemList.h"
#include "kor/UCSDef.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

/// Lists what the fixture lists and counts the definitions it is asked to build; the
/// system at position 1 cannot be built.
class CountingCatalogue final : public kor::KnownCatalogue {
public:
    std::vector<kor::KnownSystem> const& Systems() override { return m_inner->Systems(); }
    std::unique_ptr<kor::CSDef> BuildSystem(std::size_t index) override {
        ++builds;
        if (index == 1) {
            throw kor::KORException(L"broken on purpose");
        }
        return m_inner->BuildSystem(index);
    }
    std::vector<kor::KnownDatum> const& Datums() override { return m_inner->Datums(); }
    kor::DatumDef BuildDatum(std::size_t index) override {
        ++datumBuilds;
        return m_inner->BuildDatum(index);
    }
    std::vector<kor::EllipsoidDef> const& Ellipsoids() override { return m_inner->Ellipsoids(); }
    std::vector<kor::MeridianInfo> const& Meridians() override { return m_inner->Meridians(); }
    std::vector<kor::KnownLinearUnit> const& LinearUnits() override {
        return m_inner->LinearUnits();
    }

    int builds = 0;
    int datumBuilds = 0;

private:
    std::shared_ptr<kor::FixedCatalogue> m_inner = kortest::FixtureScope::MakeCatalogue();
};

} // namespace

TEST(SystemList, names_kinds_and_codes_cost_nothing_and_definitions_are_built_once) {
    auto const catalogue = std::make_shared<CountingCatalogue>();
    kortest::FixtureScope scope(catalogue);
    auto const& list = kor::KORKnownSystemsList;
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.First(), 0);
    EXPECT_EQ(list.Last(), 2);
    for (int position = list.First(); position <= list.Last(); ++position) {
        EXPECT_FALSE(list.EnumName(position).empty());
        EXPECT_GT(list.EnumType(position), 0);
    }
    EXPECT_EQ(list.EnumPOSC(1), 32633);
    EXPECT_EQ(list.EnumType(2), kor::CSDef::TypeLocal);
    EXPECT_TRUE(list.EnumName(3).empty());
    EXPECT_EQ(list.FindByPOSC(4326), 0);
    EXPECT_EQ(list.FindByPOSC(1), -1);
    EXPECT_EQ(catalogue->builds, 0);

    kor::CSDef const* first = list.Enum(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetName(), list.EnumName(0));
    EXPECT_EQ(list.Enum(0), first);
    EXPECT_EQ(catalogue->builds, 1);

    // A system that cannot be built gives null, and is not tried again.
    EXPECT_EQ(list.Enum(1), nullptr);
    EXPECT_EQ(list.Enum(1), nullptr);
    EXPECT_EQ(catalogue->builds, 2);
    EXPECT_EQ(list.Enum(-1), nullptr);
    EXPECT_EQ(list.Enum(99), nullptr);
}

TEST(SystemList, find_system_goes_by_code_then_by_name_and_can_verify_the_definition) {
    kortest::FixtureScope scope;
    auto const& list = kor::KORKnownSystemsList;
    kor::KORDef utm = kortest::Utm33North();
    utm.SetName(L"renamed");
    EXPECT_EQ(list.FindSystem(&utm, true, false), 1);
    kor::ProjectionDef shifted = *utm.GetProjection();
    shifted.SetParameter(kor::ProjectionDef::FalseNorthing, 10000000.0);
    utm.SetProjection(&shifted);
    EXPECT_EQ(list.FindSystem(&utm, false, false), 1);
    EXPECT_EQ(list.FindSystem(&utm, true, false), -1);

    kor::UCSDef local(1.0, 0.0, 0.0, nullptr);
    local.SetName(L"Local System (meters)");
    EXPECT_EQ(list.FindSystem(&local, true, false), 2);
    local.SetName(L"Unlisted");
    EXPECT_EQ(list.FindSystem(&local, true, false), -1);
    EXPECT_EQ(list.FindSystem(&local, true, true), 2);
    EXPECT_EQ(list.FindSystem(nullptr, true, true), -1);
}

TEST(SystemList, installing_another_catalogue_drops_what_was_cached) {
    {
        kortest::FixtureScope scope;
        ASSERT_NE(kor::KORKnownSystemsList.Enum(0), nullptr);
    }
    auto empty = std::make_shared<kor::FixedCatalogue>();
    kortest::FixtureScope scope(empty);
    EXPECT_EQ(kor::KORKnownSystemsList.Count(), 0);
    EXPECT_EQ(kor::KORKnownSystemsList.Enum(0), nullptr);
    EXPECT_EQ(kor::KORKnownDatumsList.Count(), 2);
}

TEST(DatumList, placeholders_come_first_and_datums_are_found_by_name_code_and_token) {
    auto const catalogue = std::make_shared<CountingCatalogue>();
    kortest::FixtureScope scope(catalogue);
    auto const& datums = kor::KORKnownDatumsList;
    EXPECT_EQ(datums.First(), 2);
    EXPECT_EQ(datums.Last(), 3);
    EXPECT_STREQ(datums.EnumName(0), L"<unknown>");
    EXPECT_STREQ(datums.EnumName(1), L"<custom>");
    EXPECT_EQ(datums.Enum(0), nullptr);
    EXPECT_EQ(datums.Enum(1), nullptr);
    EXPECT_EQ(datums.FindByName(L"<custom>"), 1);
    EXPECT_EQ(datums.FindByName(L"European Datum 1950"), 3);
    EXPECT_EQ(datums.FindByName(L"european datum 1950"), -1);
    EXPECT_EQ(datums.FindByPOSCNumber(6230), 3);
    EXPECT_EQ(datums.FindByPOSCNumber(1, nullptr, -7), -7);
    EXPECT_EQ(catalogue->datumBuilds, 0);

    kor::DatumDef copy;
    EXPECT_EQ(datums.FindByPOSCNumber(6230, &copy), 3);
    EXPECT_EQ(copy.GetMethod(), kor::DatumDef::MethodGeocentricTranslation);
    EXPECT_EQ(datums.FindByToken(L"DATUM_WGS84"), 2);
    EXPECT_EQ(datums.FindByToken(L"DATUM_EPSG_6230"), 3);
    EXPECT_EQ(datums.FindByToken(L"DATUM_ED50"), 3);
    EXPECT_EQ(datums.FindByToken(L"DATUM_NOPE"), -1);
    EXPECT_EQ(datums.FindByToken(L""), -1);
    EXPECT_EQ(datums.EnumPOSCNumber(2), 6326);
}

TEST(EllipsoidAndMeridianLists, lookups_and_placeholders) {
    kortest::FixtureScope scope;
    auto const& ellipsoids = kor::KORKnownEllipsoidsList;
    EXPECT_EQ(ellipsoids.First(), 2);
    EXPECT_EQ(ellipsoids.Count(), 5);
    EXPECT_STREQ(ellipsoids.EnumName(1), L"<custom>");
    kor::EllipsoidDef ellipsoid;
    EXPECT_FALSE(ellipsoids.Enum(1, ellipsoid));
    int const international = ellipsoids.FindByName(L"International 1924", &ellipsoid);
    EXPECT_EQ(international, 3);
    EXPECT_EQ(ellipsoid.GetMajorRadius(), 6378388.0);
    EXPECT_EQ(ellipsoids.FindByPOSCNumber(7035), 4);
    EXPECT_EQ(ellipsoids.FindByName(L"Bessel"), -1);

    auto const& meridians = kor::KORKnownMeridiansList;
    EXPECT_EQ(meridians.FindByLongitude(2.33722917), 1);
    EXPECT_EQ(meridians.FindByLongitude(2.3372), -1);
    EXPECT_EQ(meridians.FindByLongitude(2.3372, 0.001), 1);
    kor::MeridianInfo meridian;
    ASSERT_TRUE(meridians.Enum(meridians.FindByName(L"Paris"), meridian));
    EXPECT_EQ(meridian.GetPOSCNumber(), 8903);
    EXPECT_FALSE(meridians.Enum(5, meridian));
}

TEST(LinearUnitList, units_are_found_by_either_name_and_by_divider_within_the_tolerance) {
    kortest::FixtureScope scope;
    auto const& units = kor::KORKnownLinearUnitsList;
    EXPECT_EQ(units.FindByName(L"US survey feet"), 2);
    EXPECT_EQ(units.FindByName(L"Foot"), 1);
    EXPECT_EQ(units.FindByName(L"cubit"), -1);
    EXPECT_EQ(units.FindByDivider(3.2808, 0.0001), 2);
    EXPECT_EQ(units.FindByDivider(3.28084, 0.0001), 1);
    EXPECT_EQ(units.FindByDivider(3.2808333333, 1e-9), 2);
    EXPECT_EQ(units.FindByDivider(0.0, 0.0001), -1);
    EXPECT_EQ(units.FindByDivider(std::numeric_limits<double>::quiet_NaN(), 1.0), -1);
    EXPECT_STREQ(units.EnumNamePlural(0), L"metres");
    EXPECT_EQ(units.EnumDivider(99), 0.0);
    EXPECT_EQ(units.EnumName(-1), nullptr);
}
