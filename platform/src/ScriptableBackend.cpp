#include "platform/ScriptableBackend.h"

#include "platform/Driver.h"
#include "platform/Error.h"

namespace platform::backend {

namespace {

[[noreturn]] void NobodyToAnswer(wchar_t const* what) {
    PLATFORM_ERROR(std::wstring(what) +
                   L" opened on a backend without windows and without a driver to answer it");
}

} // namespace

ScriptableBackend::ScriptableBackend(WindowClasses classes, std::unique_ptr<SettingsStore> settings)
    : m_classes(classes)
    , m_settings(std::move(settings)) {}

ScriptableBackend::~ScriptableBackend() = default;

std::unique_ptr<NativeDialog> ScriptableBackend::CreateDialog(DialogTemplate const& dialog,
                                                              DialogEvents& events,
                                                              NativeWindow* parent) {
    return m_classes.dialog(dialog, events, parent);
}

std::unique_ptr<NativeSheet> ScriptableBackend::CreateSheet(std::wstring const& caption,
                                                            SheetEvents& events,
                                                            NativeWindow* parent) {
    return m_classes.sheet(caption, events, parent);
}

std::unique_ptr<NativeToolTip> ScriptableBackend::CreateToolTip(NativeWindow& tool) {
    return m_classes.toolTip(tool);
}

int ScriptableBackend::MessageBox(NativeWindow* owner, std::wstring const& text,
                                  std::wstring const& caption, unsigned style) {
    if (Driver* driver = InstalledDriver()) {
        return driver->TakeMessageBoxAnswer(text, caption, style);
    }
    return ShowMessageBox(owner, text, caption, style);
}

std::optional<FileChoice> ScriptableBackend::ChooseFile(FileDialogRequest const& request) {
    if (Driver* driver = InstalledDriver()) {
        return driver->TakeFileChoice(request);
    }
    return ShowFileDialog(request);
}

ControlId ScriptableBackend::TrackPopupMenu(MenuPopupTemplate const& popup,
                                            std::vector<CmdUI> const& states, NativeWindow& owner,
                                            Point screen) {
    if (Driver* driver = InstalledDriver()) {
        return driver->TakeMenuChoice(popup, states, screen);
    }
    return ShowPopupMenu(popup, states, owner, screen);
}

void ScriptableBackend::BeginWaitCursor() {
    ++m_waitDepth;
    ++m_waitShown;
    ShowWaitCursor(true);
}

void ScriptableBackend::EndWaitCursor() {
    if (m_waitDepth == 0) {
        PLATFORM_ERROR(L"a wait cursor ended that never began");
    }
    --m_waitDepth;
    ShowWaitCursor(false);
}

int ScriptableBackend::ShowMessageBox(NativeWindow*, std::wstring const&, std::wstring const&,
                                      unsigned) {
    NobodyToAnswer(L"a message box");
}

std::optional<FileChoice> ScriptableBackend::ShowFileDialog(FileDialogRequest const&) {
    NobodyToAnswer(L"a file dialog");
}

ControlId ScriptableBackend::ShowPopupMenu(MenuPopupTemplate const&, std::vector<CmdUI> const&,
                                           NativeWindow&, Point) {
    NobodyToAnswer(L"a popup menu");
}

void ScriptableBackend::ShowWaitCursor(bool) {}

} // namespace platform::backend
