#include "AreaMapWorkload.h"
#include "BrowserWorkload.h"
#include "CountingSink.h"

#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "gridui/BrowserOptions.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "platform/Dialog.h"
#include "platform/Driver.h"
#include "platform/TreeCtrl.h"

#include <filesystem>
#include <memory>

namespace browserbench {

void SelectInUse(platform::Backend& backend, ShownWatch& shown, benchmark::State& state,
                 bool areaMap) {
    namespace res = gridui::res;
    platform::BackendScope const installed(backend);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    auto const sink = std::make_shared<benchsupport::CountingSink>();
    Gridlore::CoordinateSystem const british(L"EPSG:27700", true);
    Gridlore::CoordinateSystemCollection inUse;
    inUse.push_back(british);
    inUse.push_back(Gridlore::CoordinateSystem(L"EPSG:3460", true));
    gridui::CRSDialog dialog(
        british,
        (std::filesystem::temp_directory_path() / "gridlore-bench-favourites.qrf2").wstring(), sink,
        nullptr, inUse);
    gridui::BrowserOptions options;
    options.showAreaMap = areaMap;
    dialog.SetOptions(options);
    driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        auto& tree = dynamic_cast<platform::TreeCtrl&>(user.GetDialog().GetDlgItem(res::Tree));
        platform::TreeItem const first = tree.GetChildItem(tree.GetRootItem());
        platform::TreeItem const second = tree.GetNextSiblingItem(first);
        TimeEach(
            state, shown, [&] { user.Select(res::Tree, first); },
            [&] { user.Select(res::Tree, second); });
        user.Close();
    });
    dialog.DoModal();
    if (sink->reports != 0) {
        state.SkipWithError("the browser reported an error");
    }
}

} // namespace browserbench
