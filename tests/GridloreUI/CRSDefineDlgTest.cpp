#include "CRSDefineDlgImpl.h"
#include "DefineTest.h"
#include "DialogLayout.h"
#include "PropertyRows.h"

#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "platform/Dialog.h"
#include "platform/PropertyGrid.h"
#include "platform/TreeCtrl.h"
#include "shr/Utf8.h"

#include <algorithm>

using namespace definetest;
using platform::User;
using Lines = std::vector<std::wstring>;
namespace res = gridui::res;
using D = kor::DatumDef;
using P = kor::ProjectionDef;
using dialoglayout::ClientRect;

namespace {

class CRSDefineDlgTest : public DefineTest {};

Gridlore::CoordinateSystem Utm33() {
    return Gridlore::CoordinateSystem(kortest::Utm33North());
}

Gridlore::CoordinateSystem Wgs84() {
    return Gridlore::CoordinateSystem(kortest::Wgs84Geographic());
}

/// A geographic system on `datum`, named `name`, without a projection.
Gridlore::CoordinateSystem OnDatum(kor::DatumDef const& datum, std::wstring const& name) {
    kor::KORDef system(&datum, nullptr, nullptr);
    system.SetName(name);
    return Gridlore::CoordinateSystem(system);
}

std::wstring Number(double value) {
    return platform::PropertyGrid::FormatDouble(value);
}

std::wstring EllipsoidRow(wchar_t const* row) {
    return std::wstring(D::ParameterName(D::Ellipsoid)) + L"|" + row;
}

std::wstring const LongitudePath =
    std::wstring(L"Prime Meridian|") + D::ParameterName(D::PrimeMeridian);

} // namespace

TEST_F(CRSDefineDlgTest, a_geographic_start_shows_method_1_among_the_sorted_methods_and_the_datum) {
    Define(Wgs84(), [&](User& user) {
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::DefineName), L"WGS 84 (edited)");
        EXPECT_EQ(Rows(ProjectionList(user)), (Lines{L"Angular Units per Degree = 1"}));
        EXPECT_EQ(Items(DatumCombo(user)),
                  (Lines{L"<custom>", L"European Datum 1950", L"World Geodetic System 1984"}));
        EXPECT_EQ(Selected(DatumCombo(user)), L"World Geodetic System 1984");
        EXPECT_EQ(Rows(DatumList(user)), (Lines{
                                             L"Datum Method = No Datum Shift",
                                             L"Target Datum = WGS 84",
                                             L"Ellipsoid",
                                             L"  Name = WGS 84",
                                             L"  Semimajor Axis = 6378137",
                                             L"  Semiminor Axis = 6356752.3142452",
                                             L"  Inverse Flattening (1/f) = 298.257223563",
                                             L"Prime Meridian",
                                             L"  Name = Greenwich",
                                             L"  Prime Meridian Longitude = 0",
                                             L"MRE Type = None",
                                         }));
        // Method 1 and the named methods, sorted as the tree sorts, each with its number.
        platform::ComboBox& combo = ProjectionCombo(user);
        Lines expected{P::MethodToName(1)};
        for (int method = 3; method <= 31; ++method) {
            expected.push_back(P::MethodToName(method));
        }
        Lines items = Items(combo);
        EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), [](auto const& a, auto const& b) {
            return platform::TreeCtrl::CompareItemText(a, b) < 0;
        }));
        std::sort(items.begin(), items.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(items, expected);
        for (int index = 0; index < combo.GetCount(); ++index) {
            auto const method = static_cast<int>(combo.GetItemData(index));
            EXPECT_EQ(combo.GetLBText(index), P::MethodToName(method));
            EXPECT_NE(method, 0);
            EXPECT_NE(method, 2);
        }
        EXPECT_EQ(Selected(combo), P::MethodToName(1));
        user.Click(platform::IDCANCEL);
    });
    // Without a projection the list is empty, while the combo offers method 1.
    Define(OnDatum(kortest::Wgs84Datum(), L"Plain"), [&](User& user) {
        EXPECT_EQ(Selected(ProjectionCombo(user)), P::MethodToName(1));
        EXPECT_TRUE(Rows(ProjectionList(user)).empty());
        user.Click(platform::IDCANCEL);
    });
}

// The group itself is tested on its own; here only that the projection list is wired to it
// and that the rows' units follow it.
TEST_F(CRSDefineDlgTest, rows_name_their_unit_and_lengths_follow_the_picked_linear_unit) {
    Gridlore::CoordinateSystem const britishGrid(*kor::CreateCSDefByDefinition(L"EPSG:27700"));
    Define(britishGrid, [&](User& user) {
        auto units = [&](platform::ControlId list, std::wstring const& path) {
            return propertyrows::Units(user, list, path);
        };
        EXPECT_EQ(units(res::DefineProjectionList, L"False easting"), L"metres");
        EXPECT_EQ(units(res::DefineProjectionList, L"Latitude of natural origin"), L"degrees");
        EXPECT_EQ(units(res::DefineProjectionList, L"Scale factor at natural origin"), L"");
        EXPECT_EQ(units(res::DefineDatumList, EllipsoidRow(L"Semimajor Axis")), L"metres");
        user.EditProperty(res::DefineProjectionList, L"Linear Units|Name", L"feet");
        EXPECT_EQ(Shown(ProjectionList(user), P::LinearUnit), Number(1.0 / 0.3048));
        EXPECT_EQ(units(res::DefineProjectionList, L"False easting"), L"feet");
        EXPECT_EQ(units(res::DefineProjectionList, L"Latitude of natural origin"), L"degrees");
        user.EditProperty(res::DefineProjectionList, L"Linear Units|Units per Meter", L"2");
        EXPECT_EQ(Shown(ProjectionList(user), gridui::CRSDefineDlgImpl::LinearUnitNameData),
                  L"<custom>");
        user.Click(platform::IDOK);
    });
    ASSERT_TRUE(m_result);
    EXPECT_EQ(m_result->GetCSDef()->GetLinearScale(), 2.0);
}

TEST_F(CRSDefineDlgTest, another_method_shows_its_own_defaults_and_drops_typed_values) {
    Define(Utm33(), [&](User& user) {
        shrgui::CPropertyList& list = ProjectionList(user);
        user.EditProperty(res::DefineProjectionList, L"False easting", L"123");
        user.Pick(res::DefineProjectionCombo, std::wstring(P::MethodToName(6)));
        EXPECT_EQ(Shown(list, P::LatitudeOfFirstStandardParallel),
                  Number(P::ParameterDefault(6, P::LatitudeOfFirstStandardParallel)));
        EXPECT_EQ(list.FindItemByData(P::FalseEasting), nullptr);
        user.Pick(res::DefineProjectionCombo, L"Transverse Mercator");
        EXPECT_EQ(Shown(list, P::FalseEasting), Number(P::ParameterDefault(3, P::FalseEasting)));
        EXPECT_EQ(Shown(list, P::LongitudeOfNaturalOrigin),
                  Number(P::ParameterDefault(3, P::LongitudeOfNaturalOrigin)));
        user.Click(platform::IDOK);
    });
    ASSERT_TRUE(m_result);
    EXPECT_EQ(m_result->GetProjection()->GetMethod(), 3);
}

TEST_F(CRSDefineDlgTest, values_out_of_range_are_refused_with_their_row_selected_until_mended) {
    Define(Utm33(), [&](User& user) {
        shrgui::CPropertyList& projection = ProjectionList(user);
        user.EditProperty(res::DefineProjectionList, L"Latitude of natural origin", L"95");
        // Wherever the selection was left, the refused row is the one selected.
        projection.SetCurSel(nullptr);
        user.Click(platform::IDOK);
        ASSERT_EQ(m_sink->reports.size(), 1U);
        RecordingErrorSink::Report const& report = m_sink->reports[0];
        EXPECT_EQ(report.kind, RecordingErrorSink::Kind::Report);
        EXPECT_EQ(report.caption, L"");
        EXPECT_EQ(report.module, L"GridloreUI");
        EXPECT_NE(report.message.find(L"Latitude of natural origin"), std::wstring::npos);
        EXPECT_EQ(projection.GetCurSel(), projection.FindItemByData(P::LatitudeOfNaturalOrigin));
        // The typed value stays for the user to mend.
        EXPECT_EQ(Shown(projection, P::LatitudeOfNaturalOrigin), L"95");
        user.EditProperty(res::DefineProjectionList, L"Latitude of natural origin", L"0");

        shrgui::CPropertyList& datum = DatumList(user);
        user.EditProperty(res::DefineDatumList, EllipsoidRow(L"Inverse Flattening (1/f)"), L"0.5");
        datum.SetCurSel(nullptr);
        user.Click(platform::IDOK);
        EXPECT_EQ(m_sink->reports.back().message,
                  L"Inverse flattening must be 0.0 (for sphere) or > 1.0 (for ellipsoid)");
        EXPECT_EQ(datum.GetCurSel(),
                  datum.FindItemByData(gridui::CRSDefineDlgImpl::InverseFlatteningData));
        user.EditProperty(res::DefineDatumList, EllipsoidRow(L"Inverse Flattening (1/f)"), L"300");
        user.Click(platform::IDOK);
    });
    ASSERT_TRUE(m_result);
    EXPECT_EQ(m_sink->reports.size(), 2U);
    EXPECT_DOUBLE_EQ(m_result->GetDatum()->GetEllipsoid()->GetFlattening(), 1.0 / 300.0);
    EXPECT_EQ(m_result->GetDatum()->GetEllipsoid()->GetName(), std::wstring(L"<custom>"));
    // The projection takes the datum's ellipsoid.
    EXPECT_DOUBLE_EQ(m_result->GetProjection()->GetEllipsoid()->GetFlattening(), 1.0 / 300.0);
}

TEST_F(CRSDefineDlgTest, a_datum_the_list_does_not_know_starts_on_custom_keeping_its_ellipsoid) {
    kor::DatumDef datum = kortest::Wgs84Datum();
    datum.SetParameter(D::Ellipsoid,
                       kor::EllipsoidDef(L"Bessel 1841", 6377397.155, 1 / 299.1528128));
    for (std::wstring const name : {L"Harbour datum", L"<custom>", L"<unknown>", L""}) {
        SCOPED_TRACE(shr::ToUtf8(name));
        datum.SetName(name);
        Define(OnDatum(datum, L"Harbour"), [&](User& user) {
            EXPECT_EQ(Selected(DatumCombo(user)), L"<custom>");
            // An ellipsoid the list does not know either is offered as its own.
            shrgui::CProperty const* ellipsoid =
                DatumList(user).FindItemByData(gridui::CRSDefineDlgImpl::EllipsoidNameData);
            ASSERT_NE(ellipsoid, nullptr);
            EXPECT_EQ(ellipsoid->FormatValue(), L"Bessel 1841");
            EXPECT_EQ(ellipsoid->GetOptions(), (Lines{L"<custom>", L"WGS 84", L"International 1924",
                                                      L"Sphere", L"Bessel 1841"}));
            user.Click(platform::IDOK);
        });
        ASSERT_TRUE(m_result);
        EXPECT_EQ(m_result->GetDatum()->GetEllipsoid()->GetName(), std::wstring(L"Bessel 1841"));
    }
}

TEST_F(CRSDefineDlgTest, picking_a_datum_by_typing_its_start_replaces_its_values_and_codes) {
    Define(Utm33(), [&](User& user) {
        user.Type(res::DefineDatumCombo, L"european");
        EXPECT_EQ(Selected(DatumCombo(user)), L"European Datum 1950");
        shrgui::CPropertyList& list = DatumList(user);
        EXPECT_EQ(Shown(list, D::Method), D::MethodToName(D::MethodGeocentricTranslation));
        EXPECT_EQ(Shown(list, D::DeltaX), L"-87");
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::EllipsoidNameData), L"International 1924");
        user.Click(platform::IDOK);
    });
    ASSERT_TRUE(m_result);
    kor::DatumDef const& datum = *m_result->GetDatum();
    EXPECT_EQ(datum.GetName(), L"European Datum 1950");
    EXPECT_EQ(datum.GetPOSCNumber(), 6230);
    EXPECT_EQ(datum.GetToken(), L"DATUM_ED50");
    EXPECT_TRUE(datum.CompareParameters(kortest::ShiftedDatum()));
}

TEST_F(CRSDefineDlgTest, any_datum_edit_turns_the_combo_to_custom_and_a_real_change_drops_codes) {
    for (std::wstring const& path :
         {std::wstring(D::ParameterName(D::Target)), std::wstring(L"Prime Meridian|Name"),
          LongitudePath, EllipsoidRow(L"Semimajor Axis")}) {
        SCOPED_TRACE(shr::ToUtf8(path));
        Define(Utm33(), [&](User& user) {
            std::wstring const value = path == LongitudePath     ? L"3"
                                       : path.ends_with(L"Axis") ? L"6378000"
                                       : path.ends_with(L"Name") ? L"Paris"
                                                                 : L"ETRS89";
            user.EditProperty(res::DefineDatumList, path, value);
            EXPECT_EQ(Selected(DatumCombo(user)), L"<custom>");
            user.Click(platform::IDOK);
        });
        ASSERT_TRUE(m_result);
        EXPECT_EQ(m_result->GetDatum()->GetName(), L"");
        EXPECT_EQ(m_result->GetDatum()->GetPOSCNumber(), 0);
        EXPECT_EQ(m_result->GetDatum()->GetToken(), L"");
        EXPECT_EQ(m_result->GetDatum()->GetGeographicCRSCodeNumber(), 0);
    }
}

TEST_F(CRSDefineDlgTest, a_projected_start_shows_its_parameters_and_ok_keeps_the_datum_s_codes) {
    Define(Utm33(), [&](User& user) {
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::DefineName),
                  L"WGS 84 / UTM zone 33N (edited)");
        EXPECT_EQ(Selected(ProjectionCombo(user)), L"Transverse Mercator");
        EXPECT_EQ(Rows(ProjectionList(user)), (Lines{
                                                  L"Latitude of natural origin = 0",
                                                  L"Longitude of natural origin = 15",
                                                  L"Scale factor at natural origin = 0.9996",
                                                  L"False easting = 500000",
                                                  L"False northing = 0",
                                                  L"Linear Units",
                                                  L"  Name = metres",
                                                  L"  Units per Meter = 1",
                                                  L"Axis Order = 1",
                                                  L"Angular Units per Degree = 1",
                                              }));
        // Grown, the lists take the height and stay inside their boxes.
        platform::Rect const datums = ClientRect(user, res::DefineDatumList);
        platform::Rect const client = user.GetDialog().GetClientRect();
        user.Resize({client.Width() + 200, client.Height() + 300});
        EXPECT_GT(ClientRect(user, res::DefineDatumList).Height(), datums.Height() + 100);
        auto const inside = [&](platform::ControlId control, platform::ControlId box) {
            return dialoglayout::Inside(ClientRect(user, control), ClientRect(user, box));
        };
        EXPECT_TRUE(inside(res::DefineProjectionList, res::DefineProjectionGroup));
        EXPECT_TRUE(inside(res::DefineDatumList, res::DefineDatumGroup));
        EXPECT_TRUE(inside(res::DefineDatumCombo, res::DefineDatumGroup));
        user.Click(platform::IDOK);
    });
    ASSERT_TRUE(m_result);
    kor::DatumDef const& datum = *m_result->GetDatum();
    EXPECT_EQ(datum.GetName(), L"World Geodetic System 1984");
    EXPECT_EQ(datum.GetPOSCNumber(), 6326);
    EXPECT_EQ(datum.GetToken(), L"DATUM_WGS84");
    EXPECT_EQ(datum.GetAuthorityGivenName(), L"World Geodetic System 1984");
    EXPECT_EQ(datum.GetGeographicCRSCodeNumber(), 4326);
    EXPECT_EQ(m_result->GetName(), L"WGS 84 / UTM zone 33N (edited)");
    EXPECT_TRUE(m_result->GetCSDef()->HasHint(kor::CSHintUserDefined));
    EXPECT_EQ(m_result->GetWarp(), nullptr);
    std::wstring difference;
    EXPECT_TRUE(m_result->GetCSDef()->Compare(kortest::Utm33North(), true, &difference))
        << shr::ToUtf8(difference);

    // A method picked and put back leaves the parameters as they were: the codes stay,
    // though the datum is the user's own now.
    Define(Utm33(), [&](User& user) {
        user.EditProperty(res::DefineDatumList, D::ParameterName(D::Method),
                          D::MethodToName(D::MethodGeocentricTranslation));
        user.EditProperty(res::DefineDatumList, D::ParameterName(D::Method),
                          D::MethodToName(D::MethodNone));
        user.Type(res::DefineName, L"Mine");
        user.Click(platform::IDOK);
    });
    ASSERT_TRUE(m_result);
    EXPECT_EQ(m_result->GetName(), L"Mine");
    EXPECT_EQ(m_result->GetDatum()->GetName(), L"");
    EXPECT_EQ(m_result->GetDatum()->GetPOSCNumber(), 6326);
}

TEST_F(CRSDefineDlgTest, linked_rows_of_the_ellipsoid_and_the_meridian_keep_each_other_consistent) {
    Define(Utm33(), [&](User& user) {
        shrgui::CPropertyList& list = DatumList(user);
        auto const edit = [&](wchar_t const* row, wchar_t const* text) {
            user.EditProperty(res::DefineDatumList, EllipsoidRow(row), text);
        };
        auto const inverse = [&] {
            return Shown(list, gridui::CRSDefineDlgImpl::InverseFlatteningData);
        };
        edit(L"Semimajor Axis", L"100");
        edit(L"Semiminor Axis", L"99");
        EXPECT_EQ(inverse(), L"100");
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::EllipsoidNameData), L"<custom>");
        edit(L"Semiminor Axis", L"100");
        EXPECT_EQ(inverse(), L"0");
        edit(L"Semiminor Axis", L"101");
        EXPECT_EQ(inverse(), L"0");

        edit(L"Inverse Flattening (1/f)", L"100");
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::SemiminorAxisData), L"99");
        edit(L"Inverse Flattening (1/f)", L"1");
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::SemiminorAxisData), L"100");

        edit(L"Name", L"International 1924");
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::EllipsoidNameData), L"International 1924");
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::SemimajorAxisData), L"6378388");
        EXPECT_EQ(inverse(), L"297");
        edit(L"Name", L"Sphere");
        EXPECT_EQ(inverse(), L"0");
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::SemiminorAxisData), L"6371000");

        // So do the meridian's name and longitude.
        user.EditProperty(res::DefineDatumList, L"Prime Meridian|Name", L"Paris");
        EXPECT_EQ(Shown(list, D::PrimeMeridian), L"2.33722917");
        user.EditProperty(res::DefineDatumList, L"Prime Meridian|Name", L"<custom>");
        EXPECT_EQ(Shown(list, D::PrimeMeridian), L"2.33722917");
        user.EditProperty(res::DefineDatumList, LongitudePath, L"0");
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::PrimeMeridianNameData), L"<custom>");
        user.Click(platform::IDCANCEL);
    });
}

TEST_F(CRSDefineDlgTest, picking_a_datum_method_redraws_the_list_for_it) {
    Define(Utm33(), [&](User& user) {
        user.EditProperty(res::DefineDatumList, EllipsoidRow(L"Semimajor Axis"), L"6378000");
        user.EditProperty(res::DefineDatumList, D::ParameterName(D::Method),
                          D::MethodToName(D::MethodSevenParameter));
        shrgui::CPropertyList& list = DatumList(user);
        EXPECT_EQ(Selected(DatumCombo(user)), L"<custom>");
        EXPECT_EQ(Shown(list, D::RotationZ), L"0");
        EXPECT_EQ(Shown(list, D::ScaleDifference), L"0");
        // Drawn from the working datum: a value typed before and not read back is gone.
        EXPECT_EQ(Shown(list, gridui::CRSDefineDlgImpl::SemimajorAxisData), L"6378137");
        // The method selector offers the three methods once each.
        EXPECT_EQ(list.FindItemByData(D::Method)->GetOptions().size(), 3U);
        user.Click(platform::IDCANCEL);
    });
}

TEST_F(CRSDefineDlgTest, the_name_starts_edited_once_and_ok_needs_one) {
    Define(OnDatum(kortest::Wgs84Datum(), L"Grids|Site (edited) [EPSG:1234]"), [&](User& user) {
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::DefineName), L"Site (edited)");
        user.Type(res::DefineName, L"");
        EXPECT_FALSE(user.GetDialog().GetDlgItem(platform::IDOK).IsWindowEnabled());
        user.Type(res::DefineName, L"S");
        EXPECT_TRUE(user.GetDialog().GetDlgItem(platform::IDOK).IsWindowEnabled());
        user.Click(platform::IDCANCEL);
    });
    EXPECT_FALSE(m_result);
    Define(Gridlore::CoordinateSystem(), [&](User& user) {
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::DefineName), L"");
        EXPECT_FALSE(user.GetDialog().GetDlgItem(platform::IDOK).IsWindowEnabled());
        EXPECT_EQ(Selected(DatumCombo(user)), L"<custom>");
        user.Click(platform::IDCANCEL);
    });
}

TEST_F(CRSDefineDlgTest, a_system_that_fails_as_a_whole_is_reported_and_nothing_built) {
    // A datum without a name has no place in the combo, so it is never read back; the
    // whole system's check is then the first to meet its missing ellipsoid.
    auto catalogue = kortest::FixtureScope::MakeCatalogue();
    kor::DatumDef unnamed;
    unnamed.SetParameter(D::Target, 1);
    catalogue->AddDatum(unnamed);
    kortest::FixtureScope const scope(catalogue);
    int const result = Define(OnDatum(unnamed, L"Nameless"), [](User& user) {
        user.Click(platform::IDOK);
        user.Click(platform::IDCANCEL);
    });
    EXPECT_EQ(result, platform::IDCANCEL);
    EXPECT_EQ(m_sink->Messages(),
              (Lines{L"Coordinate system validation failed.\r\nThe datum has no ellipsoid."}));
    EXPECT_FALSE(m_result);
}
