#include "TreeFill.h"

#include "Shared/RedrawScope.h"
#include "platform/Dialog.h"
#include "platform/Driver.h"
#include "platform/Resources.h"
#include "platform/TreeCtrl.h"

#include <string>

namespace treefill {

namespace {

constexpr int TemplateId = 700;
constexpr int TreeId = 701;
constexpr int Folders = 300;
constexpr int SystemsPerFolder = 20;

class TreeDialog final : public platform::Dialog {
public:
    TreeDialog()
        : platform::Dialog(TemplateId, nullptr) {}
    platform::TreeCtrl tree;

protected:
    void DoDataExchange(platform::DataExchange& exchange) override {
        platform::DDX_Control(exchange, TreeId, tree);
    }
};

void Fill(platform::TreeCtrl& tree) {
    tree.SetRedraw(false);
    shared::RedrawScope const redraw(&tree);
    tree.DeleteAllItems();
    std::uintptr_t data = 0;
    // Folders arrive out of order, as the categories of a registry do.
    for (int f = 0; f < Folders; ++f) {
        int const folder = (f * 7919) % Folders;
        platform::TreeItem const node =
            tree.InsertItem(L"Folder " + std::to_wstring(folder), {}, platform::InsertAfter::Sort);
        tree.SetItemData(node, data++);
        for (int s = 0; s < SystemsPerFolder; ++s) {
            int const system = (s * 13) % SystemsPerFolder;
            platform::TreeItem const item = tree.InsertItem(L"System " + std::to_wstring(folder) +
                                                                L"-" + std::to_wstring(system),
                                                            node, platform::InsertAfter::Sort);
            tree.SetItemData(item, data++);
        }
    }
    for (platform::TreeItem root = tree.GetRootItem(); root; root = tree.GetNextSiblingItem(root)) {
        tree.Expand(root);
    }
}

} // namespace

void Run(platform::Backend& backend, benchmark::State& state) {
    platform::BackendScope const installed(backend);
    platform::ResourceModule module(L"bench");
    platform::DialogTemplate dialog;
    dialog.id = TemplateId;
    dialog.size = {220, 260};
    dialog.controls = {{TreeId,
                        platform::ControlKind::TreeView,
                        L"",
                        {6, 6, 208, 248},
                        platform::TreeHasButtons | platform::TreeLinesAtRoot}};
    module.AddDialog(dialog);
    platform::RegisterModule(module);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    TreeDialog treeDialog;
    driver.OnDialog(TemplateId, [&](platform::User& user) {
        for (auto _ : state) {
            Fill(treeDialog.tree);
        }
        state.counters["items"] = static_cast<double>(treeDialog.tree.GetCount());
        user.Close();
    });
    treeDialog.DoModal();
    platform::UnregisterModule(module);
}

} // namespace treefill
