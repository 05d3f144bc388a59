// DefineTest: the define dialog on a small fixed catalogue, played on the headless backend.
#pragma once

#include "../kor/KnownFixture.h"
#include "RecordingErrorSink.h"

#include "gridlore/CoordinateSystem.h"
#include "gridui/CRSDefineDlg.h"
#include "gridui/ResourceIds.h"
#include "platform/ComboBox.h"
#include "platform/Driver.h"
#include "platform/headless/HeadlessBackend.h"
#include "shrgui/CPropertyList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace definetest {

/// The rows of a list, depth first: two spaces a level, then "name = shown value"
/// ("name" alone for a group).
std::vector<std::wstring> Rows(shrgui::CPropertyList const& list);
/// The texts of a combo's items, in order.
std::vector<std::wstring> Items(platform::ComboBox const& combo);
/// The selected item's text; empty when nothing is selected.
std::wstring Selected(platform::ComboBox const& combo);

class DefineTest : public ::testing::Test {
protected:
    /// Opens the dialog on `initial`, plays `scene` and returns DoModal's result; the
    /// result system is in `m_result`.
    int Define(Gridlore::CoordinateSystem const& initial, platform::Scene const& scene);

    static shrgui::CPropertyList& ProjectionList(platform::User& user);
    static shrgui::CPropertyList& DatumList(platform::User& user);
    static platform::ComboBox& ProjectionCombo(platform::User& user);
    static platform::ComboBox& DatumCombo(platform::User& user);
    /// The shown value of the row carrying `data`; a missing row fails the test.
    static std::wstring Shown(shrgui::CPropertyList const& list, std::uint64_t data);

    kortest::FixtureScope m_catalogue;
    platform::headless::HeadlessBackend m_backend;
    platform::BackendScope m_backendScope{m_backend};
    platform::Driver m_driver;
    platform::DriverScope m_driverScope{m_driver};
    std::shared_ptr<RecordingErrorSink> const m_sink = std::make_shared<RecordingErrorSink>();
    std::shared_ptr<Gridlore::CoordinateSystem> m_result;
};

} // namespace definetest
