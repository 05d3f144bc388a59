// A host that lets a script choose a coordinate system in the browser, without windows:
// it starts on WGS 84, searches for a UTM zone, takes the first system found and prints it.
#include "gridlore/CoordinateSystem.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "platform/Driver.h"
#include "platform/headless/HeadlessBackend.h"
#include "shr/IError.h"
#include "shr/Utf8.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace {

// Everything the dialogs would tell a user goes to stderr.
class StderrSink final : public shr::IError {
public:
    void ShowMessage(std::wstring const& caption, std::wstring const& message) override {
        Print(caption, message);
    }
    bool AskQuestion(std::wstring const& caption, std::wstring const& message) override {
        Print(caption, message);
        return false;
    }
    void ReportError(std::wstring const& caption, std::wstring const& message,
                     std::wstring const& /*module*/, std::wstring const& /*file*/,
                     int /*line*/) override {
        Print(caption, message);
    }
    void ShowError(std::wstring const& caption, std::wstring const& message) override {
        Print(caption, message);
    }

private:
    static void Print(std::wstring const& caption, std::wstring const& message) {
        std::cerr << shr::ToUtf8(caption) << ": " << shr::ToUtf8(message) << '\n';
    }
};

} // namespace

int main() {
    platform::headless::HeadlessBackend backend;
    platform::BackendScope installed(backend);
    platform::Driver driver;
    platform::DriverScope driving(driver);

    auto const favorites = std::filesystem::temp_directory_path() / "minimal-host-favorites.qrf2";
    Gridlore::CoordinateSystem const start(L"EPSG:4326", true);
    gridui::CRSDialog dialog(start, favorites.wstring(), std::make_shared<StderrSink>(), nullptr,
                             {});
    driver.OnDialog(gridui::res::BrowserDialog, [](platform::User& user) {
        user.Type(gridui::res::SearchBox, L"UTM zone 33N");
        user.PressKey(gridui::res::SearchBox, platform::KeyReturn);
        user.Select(gridui::res::Tree, L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N");
        user.Click(platform::IDOK);
    });
    if (dialog.DoModal() != platform::IDOK) {
        std::cerr << "the browser was cancelled\n";
        return 1;
    }
    std::cout << shr::ToUtf8(dialog.CurrentCoordinateSystem().GetLeafName()) << '\n';
    return 0;
}
