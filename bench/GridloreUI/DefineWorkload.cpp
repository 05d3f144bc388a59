#include "DefineWorkload.h"

#include "CountingSink.h"
#include "Spread.h"
#include "gridlore/CoordinateSystem.h"
#include "gridui/CRSDefineDlg.h"
#include "gridui/ResourceIds.h"
#include "kor/DatumList.h"
#include "kor/Definitions.h"
#include "kor/EllipsoidList.h"
#include "platform/Driver.h"

#include <chrono>
#include <memory>

namespace definebench {

namespace {

namespace res = gridui::res;

Gridlore::CoordinateSystem Utm33() {
    // The known lists are read here, outside any timing, as a host has done long before.
    kor::KORKnownDatumsList.Count();
    kor::KORKnownEllipsoidsList.Count();
    return Gridlore::CoordinateSystem(*kor::CreateCSDefByDefinition(L"EPSG:32633"));
}

void Report(benchmark::State& state, benchsupport::CountingSink const& sink) {
    if (sink.reports != 0) {
        state.SkipWithError("the dialog reported an error");
    }
}

} // namespace

void Open(platform::Backend& backend, benchmark::State& state) {
    platform::BackendScope const installed(backend);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    auto const sink = std::make_shared<benchsupport::CountingSink>();
    Gridlore::CoordinateSystem const utm33 = Utm33();
    browserbench::Spread spread;
    for (auto _ : state) {
        auto const start = std::chrono::steady_clock::now();
        gridui::CRSDefineDlg dialog(utm33, sink, nullptr);
        // The scene starts once the dialog runs its own loop, shown and idle.
        driver.OnDialog(res::DefineDialog, [&](platform::User& user) {
            user.Idle();
            spread.AddSince(state, start);
            user.Close();
        });
        dialog.DoModal();
    }
    spread.Report(state);
    Report(state, *sink);
}

void RunOnUtm33(benchmark::State& state) {
    auto const sink = std::make_shared<benchsupport::CountingSink>();
    gridui::CRSDefineDlg dialog(Utm33(), sink, nullptr);
    dialog.DoModal();
    Report(state, *sink);
}

void RefillDatumList(platform::Backend& backend, benchmark::State& state) {
    platform::BackendScope const installed(backend);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    using D = kor::DatumDef;
    driver.OnDialog(res::DefineDialog, [&](platform::User& user) {
        bool seven = true;
        for (auto _ : state) {
            kor::DatumMethod const method = seven ? D::MethodSevenParameter : D::MethodNone;
            user.EditProperty(res::DefineDatumList, D::ParameterName(D::Method),
                              D::MethodToName(method));
            seven = !seven;
        }
        user.Close();
    });
    RunOnUtm33(state);
}

} // namespace definebench
