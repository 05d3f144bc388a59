#include "Tour.h"

#include "HostFrame.h"
#include "WorksheetController.h"
#include "gridui/ResourceIds.h"
#include "kor/Definitions.h"
#include "kor/EpsgCodes.h"
#include "kor/KORException.h"
#include "kor/LinearUnitList.h"
#include "kor/ProjectionDef.h"
#include "korfile/ReferenceFile.h"
#include "platform/Dialog.h"
#include "platform/Driver.h"
#include "platform/ToolBar.h"
#include "platform/TreeCtrl.h"
#include "shr/Utf8.h"
#include "shrgui/CPropertyList.h"

#include <cstdio>
#include <stdexcept>

namespace gridhost {
namespace {

namespace res = gridui::res;

struct Leaf {
    platform::TreeItem item;
    int depth = -1;
};

/// The deepest item without children whose text holds `text`, the first in the tree's
/// order among equals. The search files its results under category folders whose names
/// vary with the registry, deeper than the document's own copy under its root folder,
/// so the tour looks for a result rather than for a path.
Leaf FindResult(platform::TreeCtrl const& tree, platform::TreeItem parent, int depth,
                std::wstring const& text) {
    Leaf best;
    for (platform::TreeItem item = parent ? tree.GetChildItem(parent) : tree.GetRootItem(); item;
         item = tree.GetNextSiblingItem(item)) {
        Leaf found;
        if (tree.GetChildItem(item)) {
            found = FindResult(tree, item, depth + 1, text);
        } else if (tree.GetItemText(item).find(text) != std::wstring::npos) {
            found = {item, depth};
        }
        if (found.depth > best.depth) {
            best = found;
        }
    }
    return best;
}

/// The first of `first` and its next siblings whose text is `text`; null when none.
platform::TreeItem FindSibling(platform::TreeCtrl const& tree, platform::TreeItem first,
                               std::wstring const& text) {
    platform::TreeItem item = first;
    while (item && tree.GetItemText(item) != text) {
        item = tree.GetNextSiblingItem(item);
    }
    return item;
}

/// Selects the search result whose name holds `text`; throws, saying what `search` was,
/// when there is none.
void SelectResult(platform::User& user, std::wstring const& text, std::string const& search) {
    auto* tree = dynamic_cast<platform::TreeCtrl*>(&user.GetDialog().GetDlgItem(res::Tree));
    if (tree == nullptr) {
        throw std::runtime_error("the browser's tree is not a tree control");
    }
    platform::TreeItem const found = FindResult(*tree, {}, 0, text).item;
    if (!found) {
        throw std::runtime_error(search + " found no " + shr::ToUtf8(text) + " system");
    }
    tree->EnsureVisible(found);
    user.Select(res::Tree, found);
}

// The worksheet's points set the browser's area: the steps that look for systems meant for
// elsewhere first show them all.
void ShowAllSystems(platform::User& user) {
    auto& bar =
        dynamic_cast<platform::ToolBar&>(user.GetDialog().GetDlgItem(platform::ToolBarWindowId));
    if (bar.IsButtonChecked(res::OnlyForArea)) {
        user.ClickToolButton(platform::ToolBarWindowId, res::OnlyForArea);
    }
}

// The browser's tree, which several steps walk.
platform::TreeCtrl const& BrowserTree(platform::User& user) {
    return dynamic_cast<platform::TreeCtrl const&>(user.GetDialog().GetDlgItem(res::Tree));
}

} // namespace

Tour::Tour(HostFrame& frame, std::filesystem::path folder)
    : m_frame(frame)
    , m_folder(std::move(folder)) {}

Gridlore::CoordinateSystem Tour::Run() {
    std::filesystem::create_directories(m_folder);
    // A .prj carries no code: the document's copy of the British grid must still be
    // known as EPSG:27700.
    std::filesystem::path const prj = m_folder / "british-national-grid.prj";
    korfile::WriteReferenceFile(*kor::CreateCSDefByDefinition(kor::EpsgDefinition(kor::EPSG_27700)),
                                korfile::WKT, prj, 0, 0, false);
    m_frame.UseSystem(HostDocument::ReadSystem(prj.string()));
    SnapFrame("main-window");
    Accept(&HostFrame::ChooseInDialog, [this](platform::User& user) { PlayBrowser(user); });
    SnapFrame("main-window-with-choice");
    Accept(&HostFrame::ChooseInPropertySheet,
           [this](platform::User& user) { PlayPropertySheet(user); });
    Gridlore::CoordinateSystem chosen = m_frame.Document().Current();
    DefineSystems();
    PlayWorksheetSteps();
    // The commands change only the browser, the favourites and the files: cancelled,
    // they leave the document as it was.
    try {
        PlayDialogs(&HostFrame::ChooseInDialog, {{res::BrowserDialog, [this](platform::User& user) {
                                                      PlayBrowserCommands(user);
                                                  }}});
    } catch (kor::KORException const& error) {
        // The favourites could not be saved; the host tells the user and goes on.
        m_failures.push_back(error.Message());
    }
    PlayDialogs(&HostFrame::ChooseInDialog,
                {{res::BrowserDialog, [this](platform::User& user) { PlayKeptCellEdit(user); }}});
    PlayDialogs(&HostFrame::ChooseInDialog, {{res::BrowserDialog, [this](platform::User& user) {
                                                  PlayCustomSystemsKept(user);
                                              }}});
    PlayDialogs(&HostFrame::ChooseInDialog,
                {{res::BrowserDialog, [this](platform::User& user) { PlayPlaces(user); }}});
    PlayDialogs(&HostFrame::ChooseInDialog,
                {{res::BrowserDialog, [this](platform::User& user) { PlayTypedSearch(user); }}});
    return chosen;
}

void Tour::Accept(bool (HostFrame::*command)(), Scene const& scene) {
    AcceptDialogs(command, {{res::BrowserDialog, scene}});
}

void Tour::AcceptDialogs(bool (HostFrame::*command)(),
                         std::vector<std::pair<int, Scene>> const& scenes) {
    if (!PlayDialogs(command, scenes)) {
        throw std::runtime_error("a dialog of the tour did not close with OK");
    }
}

bool Tour::PlayDialogs(bool (HostFrame::*command)(),
                       std::vector<std::pair<int, Scene>> const& scenes) {
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    for (auto const& [dialog, scene] : scenes) {
        driver.OnDialog(dialog, scene);
    }
    bool const accepted = (m_frame.*command)();
    for (platform::Driver::ShownMessageBox const& box : driver.MessageBoxes()) {
        // A question is a step the scene answers; what the session was told is kept.
        if ((box.style & 0xF) != platform::MB_YESNO) {
            m_messageBoxes.push_back(box.caption + L": " + box.text);
        }
    }
    return accepted;
}

void Tour::PlayBrowser(platform::User& user) {
    SnapDialog(user, "browser-opened");
    ShowAllSystems(user);
    user.Type(res::SearchBox, L"4326");
    user.PressKey(res::SearchBox, platform::KeyReturn);
    SnapDialog(user, "search-4326");
    ShowPrjInUse(user);
    ShowAreasOfUse(user);
    user.Type(res::SearchBox, L"UTM zone 33");
    user.PressKey(res::SearchBox, platform::KeyReturn);
    SnapDialog(user, "search-utm-zone-33");

    SelectResult(user, L"UTM zone 33N", "searching 'UTM zone 33'");
    SnapDialog(user, "utm-zone-33n-selected");
    user.Click(platform::IDOK);
}

void Tour::ShowPrjInUse(platform::User& user) {
    user.Type(res::SearchBox, L"27700");
    user.PressKey(res::SearchBox, platform::KeyReturn);
    auto const& tree = BrowserTree(user);
    platform::TreeItem const inUse = FindSibling(tree, tree.GetRootItem(), L"Currently in use");
    if (!inUse || !tree.GetChildItem(inUse)) {
        throw std::runtime_error("searching '27700' did not find the .prj in use");
    }
    user.Select(res::Tree, tree.GetChildItem(inUse));
    if (user.GetDialog()
            .GetDlgItemText(res::Description)
            .find(kor::EpsgDefinition(kor::EPSG_27700)) == std::wstring::npos) {
        throw std::runtime_error("the .prj in use is described without its code");
    }
    SnapDialog(user, "prj-27700-in-use");
}

void Tour::ShowAreasOfUse(platform::User& user) {
    if (!user.GetDialog().HasDlgItem(res::AreaMap)) {
        throw std::runtime_error("the browser shows no area-of-use map");
    }
    struct Step {
        wchar_t const* code;
        wchar_t const* name;
        char const* shot;
    };
    for (Step const& step : {Step{L"27700", L"British National Grid", "area-map-27700"},
                             Step{L"3460", L"Fiji Map Grid", "area-map-3460-antimeridian"}}) {
        user.Type(res::SearchBox, step.code);
        user.PressKey(res::SearchBox, platform::KeyReturn);
        SelectResult(user, step.name, "searching '" + shr::ToUtf8(step.code) + "'");
        SnapDialog(user, step.shot);
    }
}

void Tour::PlayPropertySheet(platform::User& user) {
    SnapDialog(user, "property-sheet");
    user.Click(platform::IDOK);
}

void Tour::PlayBrowserCommands(platform::User& user) {
    auto const& tree = BrowserTree(user);
    platform::TreeItem const favorites = FindSibling(tree, tree.GetRootItem(), L"Favorites");
    for (platform::TreeItem item = favorites ? tree.GetChildItem(favorites) : platform::TreeItem{};
         item; item = tree.GetNextSiblingItem(item)) {
        m_favoritesAtStart.push_back(tree.GetItemText(item));
    }
    platform::Driver& driver = *platform::InstalledDriver();

    ShowAllSystems(user);
    user.Type(res::SearchBox, L"32633");
    user.PressKey(res::SearchBox, platform::KeyReturn);
    driver.OnDialog(res::LocalSystemDialog, [this](platform::User& local) {
        local.Type(res::LocalNameEdit, L"Tour local system");
        SnapDialog(local, "new-local-system-named");
        local.Click(platform::IDOK);
    });
    user.Click(res::NewLocal);
    SnapDialog(user, "new-local-system-in-custom");

    SelectResult(user, L"UTM zone 33N", "searching '32633'");
    driver.OnDialog(res::DefineDialog, [this](platform::User& define) {
        define.Type(res::DefineName, L"Tour modified UTM zone 33N");
        SnapDialog(define, "modify-predefined");
        define.Click(platform::IDOK);
    });
    user.Click(res::Modify);
    SnapDialog(user, "modified-into-custom");

    driver.ChooseFile((m_folder / "british-national-grid.prj").wstring(), 3);
    user.Click(res::LoadFromFile);
    SnapDialog(user, "prj-loaded");

    std::filesystem::path const saved = m_folder / "saved-system.qrf2";
    driver.ChooseFile(saved.wstring(), 0);
    user.Click(res::SaveToFile);
    if (!std::filesystem::exists(saved)) {
        throw std::runtime_error("saving the current system wrote no " + saved.string());
    }
    SnapDialog(user, "saved-as-qrf2");

    // Last, since a favourites file that cannot be written ends the session.
    SelectResult(user, L"UTM zone 33N", "searching '32633'");
    user.Click(res::AddToFavorites);
    SnapDialog(user, "favourite-added");
    user.Click(platform::IDCANCEL);
}

void Tour::PlayKeptCellEdit(platform::User& user) {
    ShowAllSystems(user);
    user.Type(res::SearchBox, L"27700");
    user.PressKey(res::SearchBox, platform::KeyReturn);
    SelectResult(user, L"British National Grid", "searching '27700'");
    std::wstring const falseEasting =
        kor::ProjectionDef::ParameterName(kor::ProjectionDef::FalseEasting);
    platform::InstalledDriver()->OnDialog(res::DefineDialog, [&](platform::User& define) {
        define.ClickProperty(res::DefineProjectionList, falseEasting);
        define.Type(res::DefineProjectionList, L"400100");
        // The first Enter ends the cell's edit; the dialog must still be open to show it.
        define.PressKey(res::DefineProjectionList, platform::KeyReturn);
        auto const& list = dynamic_cast<shrgui::CPropertyList const&>(
            define.GetDialog().GetDlgItem(res::DefineProjectionList));
        shrgui::CProperty const* cell = list.FindItemByData(kor::ProjectionDef::FalseEasting, true);
        if (cell == nullptr || cell->FormatValue() != L"400100") {
            throw std::runtime_error("Enter did not keep the false easting typed");
        }
        SnapDialog(define, "modify-cell-kept-after-enter");
        define.PressKey(res::DefineProjectionList, platform::KeyReturn);
    });
    user.Click(res::Modify);
    auto const& tree = BrowserTree(user);
    m_editedName = tree.GetItemText(tree.GetSelectedItem());
    if (user.GetDialog().GetDlgItemText(res::Description).find(L"400100") == std::wstring::npos) {
        throw std::runtime_error("the modified British grid lost its false easting");
    }
    SnapDialog(user, "modified-false-easting-kept");
    user.Click(platform::IDCANCEL);
}

void Tour::PlayCustomSystemsKept(platform::User& user) {
    auto const& tree = BrowserTree(user);
    platform::TreeItem const custom = FindSibling(tree, tree.GetRootItem(), L"Custom");
    auto const find = [&](std::wstring const& name) {
        return FindSibling(tree, custom ? tree.GetChildItem(custom) : platform::TreeItem{}, name);
    };
    // Made in the last browser, which was cancelled: a new one still offers them.
    std::wstring loaded =
        Gridlore::CoordinateSystem(
            *korfile::ReadReferenceFile(korfile::WKT, m_folder / "british-national-grid.prj", 0, 0))
            .GetLeafName();
    // The tree shows a name without its authority tag.
    if (loaded.ends_with(L"]") && loaded.rfind(L" [") != std::wstring::npos) {
        loaded.erase(loaded.rfind(L" ["));
    }
    std::vector<std::wstring> const made{L"Tour local system", L"Tour modified UTM zone 33N",
                                         loaded, m_editedName};
    for (std::wstring const& name : made) {
        if (!find(name)) {
            // Their file could not be written (the host told the user): nothing to show.
            m_failures.push_back(L"the custom system '" + name + L"' was not kept");
            user.Click(platform::IDCANCEL);
            return;
        }
    }
    user.Select(res::Tree, find(made[0]));
    SnapDialog(user, "custom-systems-kept");

    // Deleted, once confirmed, from the context menu and with the Delete key.
    platform::Driver& driver = *platform::InstalledDriver();
    driver.ChooseMenuItem(res::DeleteCustom);
    driver.AnswerMessageBox(platform::IDYES);
    user.RightClickItem(res::Tree, find(made[0]));
    for (std::size_t i = 1; i < made.size(); ++i) {
        user.Select(res::Tree, find(made[i]));
        driver.AnswerMessageBox(platform::IDYES);
        user.PressKey(res::Tree, platform::KeyDelete);
    }
    SnapDialog(user, "custom-systems-deleted");
    user.Click(platform::IDCANCEL);
}

void Tour::PlayTypedSearch(platform::User& user) {
    ShowAllSystems(user);
    auto const& tree = BrowserTree(user);
    // No Enter: the search runs when the typist's pause does, which the user lets run out.
    user.Type(res::SearchBox, L"4326");
    user.RunTimers();
    if (!FindResult(tree, {}, 0, L"WGS 84").item || tree.GetCount() > 20) {
        throw std::runtime_error("typing '4326' without Enter did not search");
    }
    SnapDialog(user, "search-typed-without-enter");

    user.Type(res::SearchBox, L"Atlantis");
    user.RunTimers();
    platform::TreeItem const line = tree.GetRootItem();
    if (!line || tree.GetNextSiblingItem(line) ||
        !tree.GetItemText(line).starts_with(L"No system matches \"Atlantis\".")) {
        throw std::runtime_error("a search that found nothing did not say so");
    }
    SnapDialog(user, "search-found-nothing");
    user.Click(platform::IDCANCEL);
}

void Tour::DefineSystems() {
    AcceptDialogs(&HostFrame::DefineCoordinateSystem,
                  {{res::DefineDialog, [this](platform::User& user) {
                        SnapDialog(user, "define-projected");
                        user.Pick(res::DefineProjectionCombo,
                                  std::wstring(kor::ProjectionDef::MethodToName(
                                      kor::ProjectionDef::GeographicMethod)));
                        user.Type(res::DefineName, L"Tour geographic system");
                        user.Click(platform::IDOK);
                    }}});
    SnapFrame("main-window-with-defined-system");
    PlayDialogs(&HostFrame::DefineCoordinateSystem,
                {{res::DefineDialog, [this](platform::User& user) {
                      SnapDialog(user, "define-geographic");
                      user.Click(platform::IDCANCEL);
                  }}});
}

void Tour::PlayWorksheetSteps() {
    if (m_frame.CurrentWorksheet() != nullptr) {
        AcceptDialogs(
            &HostFrame::ConvertWorksheet,
            {{res::ConvertWksDialog,
              [this](platform::User& user) { PlayWorksheetConversion(user); }},
             {res::BrowserDialog, [this](platform::User& user) { PlayTargetSystem(user); }}});
        // The summary below the sheet names the operation; the cursor goes to the first
        // marked row, whose reason the status bar tells.
        m_frame.NextMarkedRow();
        SnapFrame("worksheet-converted");
    }
    AcceptDialogs(
        &HostFrame::DefineLocalSystem,
        {{res::LocalSystemDialog, [this](platform::User& user) { PlayLocalSystem(user); }}});
    SnapFrame("main-window-with-local-system");
}

void Tour::PlayWorksheetConversion(platform::User& user) {
    SnapDialog(user, "worksheet-conversion-opened");
    user.Click(res::DstCSButton);
    SnapDialog(user, "worksheet-conversion-filled");
    user.Click(platform::IDOK);
}

void Tour::PlayTargetSystem(platform::User& user) {
    ShowAllSystems(user);
    user.Type(res::SearchBox, L"32633");
    user.PressKey(res::SearchBox, platform::KeyReturn);
    SelectResult(user, L"UTM zone 33N", "searching '32633'");
    SnapDialog(user, "worksheet-target-system");
    user.Click(platform::IDOK);
}

void Tour::PlayLocalSystem(platform::User& user) {
    SnapDialog(user, "local-system-opened");
    int const foot = kor::KORKnownLinearUnitsList.FindByDivider(1.0 / 0.3048, 1e-9);
    if (foot < 0) {
        throw std::runtime_error("the registry has no international foot");
    }
    user.EditProperty(res::LocalGrid, L"Linear Units|Name",
                      kor::KORKnownLinearUnitsList.EnumNamePlural(foot));
    user.Type(res::LocalNameEdit, L"Bridge site grid");
    SnapDialog(user, "local-system-in-feet");
    user.Click(platform::IDOK);
}

void Tour::PlayPlaces(platform::User& user) {
    // Opened with the worksheet's area: only the systems meant for all its points show.
    SnapDialog(user, "only-systems-for-the-worksheet-area");
    ShowAllSystems(user);
    user.Type(res::SearchBox, L"52.52 13.40");
    user.PressKey(res::SearchBox, platform::KeyReturn);
    if (user.GetDialog().GetDlgItemText(res::Status) !=
        L"Systems for 52.52\u00B0 N, 13.40\u00B0 E") {
        throw std::runtime_error("searching '52.52 13.40' was not read as a place");
    }
    SnapDialog(user, "systems-for-a-place");
    user.Click(platform::IDCANCEL);
}

void Tour::Snap(std::string const& name, std::function<bool(std::string const&)> const& save) {
    char number[8];
    std::snprintf(number, sizeof number, "%02zu-", m_screenshots.size() + 1);
    std::filesystem::path const path = m_folder / (number + name + ".png");
    if (!save(path.string())) {
        throw std::runtime_error("cannot write the screenshot " + path.string());
    }
    m_screenshots.push_back(path);
}

void Tour::SnapFrame(std::string const& name) {
    Snap(name, [this](std::string const& path) { return m_frame.SaveScreenshot(path); });
}

void Tour::SnapDialog(platform::User& user, std::string const& name) {
    Snap(name, [&user](std::string const& path) { return user.GetDialog().SaveScreenshot(path); });
}

} // namespace gridhost
