#include "platform/Resources.h"

#include "shr/Exception.h"

#include <gtest/gtest.h>

TEST(Resources, lookups_prefer_the_current_module_then_registration_order) {
    platform::ResourceModule host(L"host");
    platform::ResourceModule library(L"library");
    host.AddString(5, L"host five");
    library.AddString(5, L"library five");
    library.AddString(6, L"library six");
    library.AddMenu({32259, {{L"", {{32275, L"&Add to Favorites"}}}}});
    library.AddToolBar({32260, {16, 16}, {32288, 32289}, {}});

    platform::RegisterModule(host);
    platform::RegisterModule(library);
    platform::RegisterModule(host);
    EXPECT_EQ(platform::LoadString(5), L"host five");
    EXPECT_EQ(platform::LoadString(6), L"library six");
    platform::SetResourceHandle(&library);
    EXPECT_EQ(platform::LoadString(5), L"library five");
    EXPECT_EQ(platform::FindMenu(32259).popups.at(0).items.at(0).command, 32275);
    EXPECT_EQ(platform::FindToolBar(32260).buttons.size(), 2U);

    platform::UnregisterModule(library);
    EXPECT_EQ(platform::GetResourceHandle(), nullptr);
    EXPECT_EQ(platform::TryLoadString(6), nullptr);
    EXPECT_THROW(platform::LoadString(6), shr::Exception);
    EXPECT_THROW(platform::FindMenu(32259), shr::Exception);
    EXPECT_THROW(platform::SetResourceHandle(&library), shr::Exception);
    platform::UnregisterModule(host);
    EXPECT_THROW(platform::LoadString(5), shr::Exception);
}

TEST(Resources, a_template_may_hold_many_unaddressed_labels_but_each_id_once) {
    platform::ResourceModule module(L"m");
    platform::DialogTemplate dialog;
    dialog.id = 1;
    dialog.controls = {{-1, platform::ControlKind::Static, L"X:", {}, 0},
                       {-1, platform::ControlKind::Static, L"Y:", {}, 0},
                       {32324, platform::ControlKind::ComboBox, L"", {}, 0}};
    EXPECT_NO_THROW(module.AddDialog(dialog));
    EXPECT_EQ(module.FindDialog(1)->controls.size(), 3U);
    dialog.controls.push_back({32324, platform::ControlKind::Edit, L"", {}, 0});
    try {
        module.AddDialog(dialog);
        ADD_FAILURE() << "a template naming a control twice was accepted";
    } catch (shr::Exception const& error) {
        EXPECT_EQ(error.module, L"platform");
        EXPECT_NE(error.message.find(L"names control 32324 twice"), std::wstring::npos);
    }
}
