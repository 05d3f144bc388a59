#include "HostTour.h"

#include "HostMainWindow.h"

#include "gridui/ResourceIds.h"
#include "platform/Dialog.h"
#include "platform/Driver.h"
#include "platform/qt/Screenshot.h"

#include <cstdio>
#include <stdexcept>

namespace {

namespace res = gridui::res;

void Search(platform::User& user, std::wstring const& text) {
    user.Type(res::SearchBox, text);
    user.PressKey(res::SearchBox, platform::KeyReturn);
}

} // namespace

HostTour::HostTour(HostMainWindow& window, std::filesystem::path folder)
    : m_window(window)
    , m_folder(std::move(folder)) {}

Gridlore::CoordinateSystem HostTour::Run() {
    std::filesystem::create_directories(m_folder);
    SnapWindow("main-window");
    Accept(&HostMainWindow::ChooseSystem, res::BrowserDialog,
           [this](platform::User& user) { PlayBrowser(user); });
    SnapWindow("main-window-with-choice");
    Gridlore::CoordinateSystem chosen = m_window.Current();
    Accept(&HostMainWindow::DefineSystem, res::DefineDialog, [this](platform::User& user) {
        SnapDialog(user, "define-dialog");
        user.Click(platform::IDOK);
    });
    Accept(&HostMainWindow::DefineLocalSystem, res::LocalSystemDialog,
           [this](platform::User& user) {
               SnapDialog(user, "local-system-dialog");
               user.Click(platform::IDOK);
           });
    SnapWindow("main-window-with-local-system");
    return chosen;
}

void HostTour::Accept(bool (HostMainWindow::*command)(), int dialogId, Scene const& scene) {
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    driver.OnDialog(dialogId, scene);
    if (!(m_window.*command)()) {
        throw std::runtime_error("a dialog of the tour did not close with OK");
    }
}

void HostTour::PlayBrowser(platform::User& user) {
    SnapDialog(user, "browser-opened");
    Search(user, L"4326");
    SnapDialog(user, "search-4326");
    Search(user, L"UTM zone 33");
    user.Select(res::Tree, L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N");
    SnapDialog(user, "search-utm-zone-33");
    user.Click(platform::IDOK);
}

void HostTour::SnapDialog(platform::User& user, std::string const& step) {
    std::filesystem::path const path = NextShot(step);
    if (!user.GetDialog().SaveScreenshot(path.string())) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void HostTour::SnapWindow(std::string const& step) {
    std::filesystem::path const path = NextShot(step);
    if (!platform::qt::SaveScreenshot(m_window, path.string())) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::filesystem::path HostTour::NextShot(std::string const& step) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d-", ++m_shots);
    return m_folder / (number + step + ".png");
}
