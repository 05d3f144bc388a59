#include "BrowserUnderTest.h"

#include "BackendUnderTest.h"
#include "TestArtifacts.h"

#include "gridlore/CFavoritesCollection.h"
#include "gridui/ResourceIds.h"
#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/UCSDef.h"
#include "platform/Dialog.h"
#include "shr/Singleton.h"

#include <filesystem>

namespace browsertest {

Gridlore::CoordinateSystem Registry(wchar_t const* code) {
    return Gridlore::CoordinateSystem(*kor::CreateCSDefByDefinition(code));
}

Gridlore::CoordinateSystem SurveyGrid() {
    kor::UCSDef survey(2.0, 100.0, 200.0, nullptr);
    survey.SetName(L"Harbour survey grid");
    return Gridlore::CoordinateSystem(survey);
}

int CodeOf(Gridlore::CoordinateSystem const& system) {
    auto const* referenced = dynamic_cast<kor::KORDef const*>(system.GetCSDef());
    return referenced != nullptr ? referenced->GetPOSC() : 0;
}

platform::TreeCtrl& Tree(platform::User& user) {
    return dynamic_cast<platform::TreeCtrl&>(user.GetDialog().GetDlgItem(gridui::res::Tree));
}

platform::TreeItem FindBelow(platform::TreeCtrl const& tree, platform::TreeItem item,
                             std::wstring const& text) {
    for (platform::TreeItem child = tree.GetChildItem(item); child;
         child = tree.GetNextSiblingItem(child)) {
        if (tree.GetItemText(child) == text) {
            return child;
        }
        if (platform::TreeItem const found = FindBelow(tree, child, text)) {
            return found;
        }
    }
    return {};
}

platform::TreeItem FindRoot(platform::TreeCtrl const& tree, std::wstring const& text) {
    for (platform::TreeItem root = tree.GetRootItem(); root; root = tree.GetNextSiblingItem(root)) {
        if (tree.GetItemText(root) == text) {
            return root;
        }
    }
    return {};
}

void Search(platform::User& user, std::wstring const& text) {
    user.Type(gridui::res::SearchBox, text);
    user.PressKey(gridui::res::SearchBox, platform::KeyReturn);
}

void SaveScreenshot(platform::User& user, std::string const& name) {
    std::filesystem::path const path = ArtifactFolder() / name;
    std::filesystem::remove(path);
    EXPECT_TRUE(user.GetDialog().SaveScreenshot(path.string())) << name;
    EXPECT_TRUE(std::filesystem::exists(path)) << name;
}

// The favourites are the process's: a test that adds one would show it to the next.
BrowserUnderTest::BrowserUnderTest()
    : m_backendScope(BackendUnderTest()) {
    shr::Singleton<Gridlore::CFavoritesCollection>::Instance().clear();
}

BrowserUnderTest::~BrowserUnderTest() {
    shr::Singleton<Gridlore::CFavoritesCollection>::Instance().clear();
}

} // namespace browsertest
