#include "BrowserTest.h"
#include "PropertyRows.h"
#include "RecordingErrorSink.h"

#include "gridui/DefineUCSDlg.h"
#include "gridui/ResourceIds.h"
#include "kor/UCSDef.h"
#include "shr/Exception.h"

#include <gtest/gtest.h>

#include <limits>

using namespace browsertest;
using platform::User;
namespace res = gridui::res;

namespace {

Gridlore::CoordinateSystem Local(std::wstring const& name, double unitsPerMeter, double x,
                                 double y) {
    kor::UCSDef local(unitsPerMeter, x, y, nullptr);
    local.SetName(name);
    return Gridlore::CoordinateSystem(local);
}

kor::UCSDef const& Definition(Gridlore::CoordinateSystem const& system) {
    return dynamic_cast<kor::UCSDef const&>(*system.GetCSDef());
}

class LocalSystemDialog : public BrowserTest {
protected:
    /// Opens the dialog on `system`, plays `scene` and returns DoModal's result.
    int Run(Gridlore::CoordinateSystem const& system, platform::Scene const& scene) {
        m_dialog = std::make_unique<gridui::DefineUCSDlg>(system, m_recorder, nullptr);
        m_driver.OnDialog(res::LocalSystemDialog, scene);
        return m_dialog->DoModal();
    }

    static std::wstring Row(User& user, std::wstring const& path) {
        return propertyrows::Text(user, res::LocalGrid, path);
    }
    static std::wstring Units(User& user, std::wstring const& path) {
        return propertyrows::Units(user, res::LocalGrid, path);
    }
    static void Edit(User& user, std::wstring const& path, std::wstring const& text) {
        user.EditProperty(res::LocalGrid, path, text);
    }

    std::shared_ptr<RecordingErrorSink> const m_recorder = std::make_shared<RecordingErrorSink>();
    std::unique_ptr<gridui::DefineUCSDlg> m_dialog;
};

} // namespace

TEST_F(LocalSystemDialog, the_unit_is_named_and_the_offsets_are_shown_in_the_local_unit) {
    struct Case {
        double unitsPerMeter;
        wchar_t const* name;
        wchar_t const* shownScale;
        wchar_t const* x;
        wchar_t const* y;
        wchar_t const* offsetUnits;
    };
    // An unknown unit (0) leaves the origin in meters.
    Case const cases[] = {
        {1.0, L"metres", L"1", L"100", L"200", L"metres"},
        {0.5, L"<custom>", L"0.5", L"50", L"100", L"custom units"},
        {0.0, L"<unknown>", L"0", L"100", L"200", L"unknown units"},
        {1.0 / 0.3048, L"feet", L"3.2808398950131", L"328.08398950131", L"656.16797900262",
         L"feet"},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Run(Local(L"Site", c.unitsPerMeter, 100.0, 200.0), [&](User& user) {
            EXPECT_EQ(user.GetDialog().GetWindowText(), L"Define Unreferenced Coordinate System");
            EXPECT_EQ(Row(user, L"Linear Units|Name"), c.name);
            EXPECT_EQ(Row(user, L"Linear Units|Units per meter"), c.shownScale);
            EXPECT_EQ(Row(user, L"X Offset"), c.x);
            EXPECT_EQ(Row(user, L"Y Offset"), c.y);
            EXPECT_EQ(Units(user, L"X Offset"), c.offsetUnits);
            EXPECT_EQ(Units(user, L"Y Offset"), c.offsetUnits);
            EXPECT_EQ(Units(user, L"Linear Units|Units per meter"), L"");
            user.Click(platform::IDCANCEL);
        });
    }
    EXPECT_TRUE(m_recorder->reports.empty());
}

// The group itself is tested on its own; here that the dialog's grid is wired to it both
// ways, and that the offsets follow the unit.
TEST_F(LocalSystemDialog, offsets_typed_go_back_to_meters_through_the_scale_then_in_force) {
    // The offsets are read after the unit, so a unit changed in the same visit counts.
    ASSERT_EQ(Run(Local(L"Site", 0.5, 100.0, 200.0),
                  [](User& user) {
                      Edit(user, L"X Offset", L"25");
                      Edit(user, L"Linear Units|Name", L"feet");
                      EXPECT_EQ(Units(user, L"Y Offset"), L"feet");
                      Edit(user, L"Y Offset", L"3.2808398950131");
                      user.Click(platform::IDOK);
                  }),
              platform::IDOK);
    kor::UCSDef const& feet = Definition(*m_dialog->CurrentCoordinateSystem());
    EXPECT_DOUBLE_EQ(feet.GetLinearScale(), 1.0 / 0.3048);
    EXPECT_NEAR(feet.GetOrigin().x, 25 * 0.3048, 1e-9);
    EXPECT_NEAR(feet.GetOrigin().y, 1.0, 1e-9);

    ASSERT_EQ(Run(Local(L"Site", 0.5, 100.0, 200.0),
                  [](User& user) {
                      Edit(user, L"Linear Units|Units per meter", L"0");
                      EXPECT_EQ(Row(user, L"Linear Units|Name"), L"<unknown>");
                      EXPECT_EQ(Units(user, L"X Offset"), L"unknown units");
                      Edit(user, L"X Offset", L"7");
                      user.Click(platform::IDOK);
                  }),
              platform::IDOK);
    kor::UCSDef const& unknown = Definition(*m_dialog->CurrentCoordinateSystem());
    EXPECT_EQ(unknown.GetLinearScale(), 0.0);
    EXPECT_EQ(unknown.GetOrigin(), shr::Vec2d(7.0, 100.0));
}

TEST_F(LocalSystemDialog, what_the_grid_or_the_model_refuses_is_reported_and_can_be_mended) {
    int const result = Run(Local(L"Site", 2.0, 10.0, 20.0), [this](User& user) {
        Edit(user, L"Linear Units|Units per meter", L"-1");
        Edit(user, L"X Offset", L"1000");
        user.Click(platform::IDOK);
        ASSERT_EQ(m_recorder->reports.size(), 1U);
        RecordingErrorSink::Report const& report = m_recorder->reports[0];
        EXPECT_EQ(report.kind, RecordingErrorSink::Kind::Report);
        EXPECT_EQ(report.caption, L"");
        EXPECT_EQ(report.message, L"'Units per meter' must be greater than or equal to 0.0");
        EXPECT_EQ(report.module, L"GridloreUI");
        EXPECT_TRUE(
            propertyrows::IsSelected(user, res::LocalGrid, L"Linear Units|Units per meter"));
        Edit(user, L"Linear Units|Units per meter", L"4");

        // The model's own check gives its reason after the dialog's words.
        Edit(user, L"Y Offset", L"inf");
        user.Click(platform::IDOK);
        ASSERT_EQ(m_recorder->reports.size(), 2U);
        std::wstring const& message = m_recorder->reports[1].message;
        std::wstring const lead = L"Coordinate system validation failed.\r\n";
        EXPECT_EQ(message.substr(0, lead.size()), lead);
        EXPECT_GT(message.size(), lead.size()) << "the model's reason is missing";
        Edit(user, L"Y Offset", L"40");
        user.Click(platform::IDOK);
    });
    ASSERT_EQ(result, platform::IDOK);
    kor::UCSDef const& mended = Definition(*m_dialog->CurrentCoordinateSystem());
    EXPECT_EQ(mended.GetLinearScale(), 4.0);
    EXPECT_EQ(mended.GetOrigin(), shr::Vec2d(250.0, 10.0));
}

TEST_F(LocalSystemDialog, the_name_starts_edited_once_and_ok_follows_an_empty_name) {
    struct Case {
        wchar_t const* leaf;
        wchar_t const* shown;
    };
    Case const cases[] = {
        // How the name is marked is the display-name rule's own test; here, that the leaf
        // of a categorised name goes through it.
        {L"Site|Harbour grid [EPSG:5800]", L"Harbour grid (edited)"},
        {L"", L""},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.shown);
        Run(Local(c.leaf, 1.0, 0.0, 0.0), [&](User& user) {
            EXPECT_EQ(user.GetDialog().GetDlgItemText(res::LocalNameEdit), c.shown);
            EXPECT_EQ(Enabled(user, platform::IDOK), *c.shown != L'\0');
            user.Type(res::LocalNameEdit, L"");
            EXPECT_FALSE(Enabled(user, platform::IDOK));
            // Enter does not get past a disabled OK either.
            user.PressKey(res::LocalNameEdit, platform::KeyReturn);
            user.Type(res::LocalNameEdit, L"x");
            EXPECT_TRUE(Enabled(user, platform::IDOK));
            user.Click(platform::IDCANCEL);
        });
    }
    EXPECT_TRUE(m_recorder->reports.empty());
}

TEST_F(LocalSystemDialog, ok_gives_a_new_local_system_named_as_typed_and_cancel_gives_none) {
    kor::WarpDef warp;
    warp.SetParameter(kor::WarpDef::B0, 7.0);
    Gridlore::CoordinateSystem warped = Local(L"Site", 2.0, 10.0, 20.0);
    warped.SetWarp(&warp);

    ASSERT_EQ(Run(warped,
                  [](User& user) {
                      user.Type(res::LocalNameEdit, L"Bridge [survey]");
                      user.Click(platform::IDOK);
                  }),
              platform::IDOK);
    std::shared_ptr<Gridlore::CoordinateSystem> const result = m_dialog->CurrentCoordinateSystem();
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->IsUnreferenced());
    EXPECT_EQ(result->GetCSDef()->GetName(), L"Bridge [survey]");
    EXPECT_EQ(result->GetWarp(), nullptr);
    EXPECT_EQ(Definition(*result).GetLinearScale(), 2.0);
    EXPECT_EQ(Definition(*result).GetOrigin(), shr::Vec2d(10.0, 20.0));
    EXPECT_EQ(&m_dialog->Result(), result.get());

    EXPECT_EQ(Run(warped, [](User& user) { user.Click(platform::IDCANCEL); }), platform::IDCANCEL);
    EXPECT_EQ(m_dialog->CurrentCoordinateSystem(), nullptr);
    // Read after Cancel, the result is the system the host passed, warp and all.
    EXPECT_EQ(m_dialog->Result().GetName(), warped.GetName());
    EXPECT_NE(m_dialog->Result().GetWarp(), nullptr);
    EXPECT_TRUE(m_recorder->reports.empty());
}

TEST_F(LocalSystemDialog, opening_on_anything_but_a_sound_local_system_is_an_internal_error) {
    for (Gridlore::CoordinateSystem const& system :
         {Utm33(), Gridlore::CoordinateSystem(), Local(L"Site", -1.0, 0.0, 0.0),
          Local(L"Site", std::numeric_limits<double>::quiet_NaN(), 0.0, 0.0)}) {
        gridui::DefineUCSDlg dialog(system, m_recorder, nullptr);
        m_driver.OnDialog(res::LocalSystemDialog, [](User& user) {
            ADD_FAILURE() << "the dialog opened";
            user.Click(platform::IDCANCEL);
        });
        EXPECT_THROW(dialog.DoModal(), shr::Exception);
        EXPECT_EQ(dialog.CurrentCoordinateSystem(), nullptr);
    }
}
