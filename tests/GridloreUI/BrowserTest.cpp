#include "BrowserTest.h"

#include "gridlore/CFavoritesCollection.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/KORDef.h"
#include "kor/UCSDef.h"
#include "platform/Dialog.h"
#include "shr/Singleton.h"

namespace browsertest {

namespace {

/// A projected system on WGS 84 that only its central meridian tells apart.
kor::KORDef Projected(std::wstring const& name, double longitude, int code) {
    kor::DatumDef const datum = kortest::Wgs84Datum();
    kor::ProjectionDef projection(3);
    projection.SetParameter(kor::ProjectionDef::LongitudeOfNaturalOrigin, longitude);
    projection.SetParameter(kor::ProjectionDef::Ellipsoid, *datum.GetEllipsoid());
    kor::KORDef system(&datum, &projection, nullptr);
    system.SetName(name);
    system.SetPOSC(code);
    return system;
}

void AddOutline(platform::TreeCtrl const& tree, platform::TreeItem item, std::size_t depth,
                std::vector<std::wstring>& lines) {
    for (; item; item = tree.GetNextSiblingItem(item)) {
        platform::TreeItem const child = tree.GetChildItem(item);
        std::wstring const mark = !child ? L"  " : tree.IsExpanded(item) ? L"- " : L"+ ";
        lines.push_back(std::wstring(2 * depth, L' ') + mark + tree.GetItemText(item));
        AddOutline(tree, child, depth + 1, lines);
    }
}

} // namespace

std::shared_ptr<kor::FixedCatalogue> MakeCatalogue() {
    auto catalogue = kortest::FixtureScope::MakeCatalogue();
    catalogue->AddSystem(Projected(L"A|B|C", 1.0, 990001));
    catalogue->AddSystem(Projected(L"A|B|D", 2.0, 990002));
    catalogue->AddSystem(Projected(L"A|x", 3.0, 990003));
    catalogue->AddSystem(Projected(L"a|y", 4.0, 990004));
    kor::UCSDef harbour(3.28, 0.0, 0.0, nullptr);
    harbour.SetName(L"Site|Grids|Harbour grid");
    catalogue->AddSystem(harbour);
    return catalogue;
}

Gridlore::CoordinateSystem Wgs84() {
    return Gridlore::CoordinateSystem(kortest::Wgs84Geographic());
}

Gridlore::CoordinateSystem Utm33() {
    return Gridlore::CoordinateSystem(kortest::Utm33North());
}

Gridlore::CoordinateSystem LocalSystem(std::wstring const& name, double unitsPerMeter) {
    kor::UCSDef local(unitsPerMeter, 0.0, 0.0, nullptr);
    local.SetName(name);
    return Gridlore::CoordinateSystem(local);
}

Gridlore::CoordinateSystem SurveyGrid() {
    return LocalSystem(L"Survey grid", 2.0);
}

Gridlore::CoordinateSystemCollection
Systems(std::initializer_list<Gridlore::CoordinateSystem> list) {
    Gridlore::CoordinateSystemCollection systems;
    for (auto const& system : list) {
        systems.push_back(system);
    }
    return systems;
}

std::vector<std::wstring> Outline(platform::TreeCtrl const& tree) {
    std::vector<std::wstring> lines;
    AddOutline(tree, tree.GetRootItem(), 0, lines);
    return lines;
}

std::vector<std::wstring> Roots(platform::TreeCtrl const& tree) {
    std::vector<std::wstring> texts;
    for (platform::TreeItem item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item)) {
        texts.push_back(tree.GetItemText(item));
    }
    return texts;
}

std::wstring PathOf(platform::TreeCtrl const& tree, platform::TreeItem item) {
    std::wstring path;
    for (; item; item = tree.GetParentItem(item)) {
        path.insert(0, tree.GetItemText(item) + (path.empty() ? L"" : L"|"));
    }
    return path;
}

ImplHost::ImplHost(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
                   std::shared_ptr<shr::IError> const& errorSink,
                   Gridlore::CoordinateSystemCollection inUse)
    : CDialogEx(gridui::res::BrowserDialog, nullptr)
    , m_impl(current, favoritesPath, errorSink, std::move(inUse)) {}

bool ImplHost::OnInitDialog() {
    CDialogEx::OnInitDialog();
    return m_impl.OnInitDialog(*this);
}

void ImplHost::SafeDoDataExchange(platform::DataExchange& exchange) {
    m_impl.DoDataExchange(exchange);
}

BrowserTest::BrowserTest() {
    Favorites().clear();
}

BrowserTest::~BrowserTest() {
    Favorites().clear();
}

Gridlore::CoordinateSystem BrowserTest::Browse(Gridlore::CoordinateSystem const& current,
                                               Gridlore::CoordinateSystemCollection const& inUse,
                                               platform::Scene const& scene,
                                               platform::ControlId button) {
    gridui::CRSDialog dialog(current, m_favoritesPath, m_sink, nullptr, inUse, m_customPath);
    dialog.SetOptions(m_options);
    if (m_areaOfInterest) {
        dialog.SetAreaOfInterest(*m_areaOfInterest);
    }
    m_driver.OnDialog(gridui::res::BrowserDialog, [&](platform::User& user) {
        scene(user);
        user.Click(button);
    });
    EXPECT_EQ(dialog.DoModal(), button);
    return dialog.CurrentCoordinateSystem();
}

void BrowserTest::Search(platform::User& user, std::wstring const& text) {
    user.Type(gridui::res::SearchBox, text);
    user.PressKey(gridui::res::SearchBox, platform::KeyReturn);
}

std::vector<std::wstring> BrowserTest::Children(platform::User& user, std::wstring const& path) {
    platform::TreeCtrl const& tree = Tree(user);
    std::vector<std::wstring> texts;
    for (platform::TreeItem item = tree.GetChildItem(user.FindTreeItem(gridui::res::Tree, path));
         item; item = tree.GetNextSiblingItem(item)) {
        texts.push_back(tree.GetItemText(item));
    }
    return texts;
}

void BrowserTest::NameLocalSystem(std::wstring const& name) {
    m_driver.OnDialog(gridui::res::LocalSystemDialog, [name](platform::User& dialog) {
        dialog.Type(gridui::res::LocalNameEdit, name);
        dialog.Click(platform::IDOK);
    });
}

void BrowserTest::NameDefinedSystem(std::wstring const& name) {
    m_driver.OnDialog(gridui::res::DefineDialog, [name](platform::User& dialog) {
        dialog.Type(gridui::res::DefineName, name);
        dialog.Click(platform::IDOK);
    });
}

std::vector<std::wstring> BrowserTest::SavedNames(std::wstring const& path) {
    std::vector<std::wstring> names;
    for (auto const& system : Gridlore::CoordinateSystemCollection::Load(path)) {
        names.push_back(system.GetLeafName());
    }
    return names;
}

Gridlore::CoordinateSystemCollection& BrowserTest::Favorites() {
    return shr::Singleton<Gridlore::CFavoritesCollection>::Instance();
}

platform::TreeCtrl& BrowserTest::Tree(platform::User& user) {
    return dynamic_cast<platform::TreeCtrl&>(user.GetDialog().GetDlgItem(gridui::res::Tree));
}

std::wstring BrowserTest::SelectedPath(platform::User& user) {
    platform::TreeCtrl const& tree = Tree(user);
    return PathOf(tree, tree.GetSelectedItem());
}

bool BrowserTest::Enabled(platform::User& user, platform::ControlId id) {
    return user.GetDialog().GetDlgItem(id).IsWindowEnabled();
}

bool BrowserTest::Visible(platform::User& user, platform::ControlId id) {
    return user.GetDialog().GetDlgItem(id).IsWindowVisible();
}

std::wstring BrowserTest::Text(platform::User& user, platform::ControlId id) {
    return user.GetDialog().GetDlgItemText(id);
}

std::wstring BrowserTest::Status(platform::User& user) {
    return Visible(user, gridui::res::Status) ? Text(user, gridui::res::Status) : std::wstring();
}

} // namespace browsertest
