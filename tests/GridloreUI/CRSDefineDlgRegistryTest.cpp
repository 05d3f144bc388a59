#include "DefineTest.h"

#include "kor/SystemList.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>

namespace {

std::wstring MethodOf(kor::CSDef const& definition) {
    auto const* system = dynamic_cast<kor::KORDef const*>(&definition);
    kor::ProjectionDef const* projection = system != nullptr ? system->GetProjection() : nullptr;
    if (projection == nullptr) {
        return L"(no projection)";
    }
    wchar_t const* name = kor::ProjectionDef::MethodToName(projection->GetMethod());
    return name != nullptr ? name : L"(method " + std::to_wstring(projection->GetMethod()) + L")";
}

} // namespace

// Opening the dialog on a registry system and pressing OK must give the same system back.
TEST(CRSDefineDlgRegistry, at_least_99_percent_of_registry_systems_come_back_unchanged_from_ok) {
    platform::headless::HeadlessBackend backend;
    platform::BackendScope installed(backend);
    platform::Driver driver;
    platform::DriverScope driving(driver);
    auto const sink = std::make_shared<RecordingErrorSink>();
    std::map<std::wstring, std::vector<std::wstring>> missesByMethod;
    int tested = 0;
    int passed = 0;
    auto const& systems = kor::KORKnownSystemsList;
    for (int index = systems.First(); index <= systems.Last(); ++index) {
        if (systems.EnumType(index) != kor::CSDef::TypeReferenced) {
            continue;
        }
        kor::CSDef const* registry = systems.Enum(index);
        if (registry == nullptr) {
            continue;
        }
        ++tested;
        sink->reports.clear();
        gridui::CRSDefineDlg dialog(Gridlore::CoordinateSystem(*registry), sink, nullptr);
        driver.OnDialog(gridui::res::DefineDialog, [&](platform::User& user) {
            user.Click(platform::IDOK);
            // A refused OK has told the sink and left the dialog open.
            if (!sink->reports.empty()) {
                user.Click(platform::IDCANCEL);
            }
        });
        dialog.DoModal();
        std::wstring difference;
        std::shared_ptr<Gridlore::CoordinateSystem> const result = dialog.CurrentCoordinateSystem();
        if (result == nullptr) {
            difference =
                L"refused: " + (sink->reports.empty() ? L"" : sink->reports.front().message);
        } else if (result->GetCSDef()->Compare(*registry, true, &difference)) {
            ++passed;
            continue;
        }
        missesByMethod[MethodOf(*registry)].push_back(
            L"EPSG:" + std::to_wstring(systems.EnumPOSC(index)) + L" " + registry->GetName() +
            L": " + difference);
    }
    ASSERT_GT(tested, 0);
    double const share = 100.0 * passed / tested;
    std::cout << "Define dialog round trip: " << passed << " of " << tested
              << " systems equivalent (" << share << "%)\n";
    for (auto const& [method, misses] : missesByMethod) {
        std::cout << "  " << shr::ToUtf8(method) << ": " << misses.size() << " missed\n";
        for (std::wstring const& miss : misses) {
            std::cout << "    " << shr::ToUtf8(miss) << "\n";
        }
    }
    EXPECT_GE(share, 99.0);
}
