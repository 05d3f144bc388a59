#include "platform/ScriptableBackend.h"

#include "platform/Driver.h"
#include "platform/Error.h"

namespace platform::backend {

namespace {

[[noreturn]] void NobodyToAnswer(wchar_t const* what) {
    PLATFORM_ERROR(std::wstring(what) +
                   L" opened on a backend without windows and without a driver to answer it");
}

/// The toolkit's way to show `what`; an internal error on a backend that has none.
template <typename Show> Show Answerable(Show show, wchar_t const* what) {
    if (show == nullptr) {
        NobodyToAnswer(what);
    }
    return show;
}

} // namespace

ScriptableBackend::ScriptableBackend(WindowClasses classes, std::unique_ptr<SettingsStore> settings,
                                     Toolkit toolkit)
    : m_classes(classes)
    , m_toolkit(toolkit)
    , m_settings(std::move(settings)) {}

ScriptableBackend::ScriptableBackend(WindowClasses classes, std::unique_ptr<SettingsStore> settings)
    : ScriptableBackend(classes, std::move(settings), Toolkit{}) {}

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
    return std::make_unique<ToolkitToolTip>(tool, m_toolkit.toolTip);
}

int ScriptableBackend::MessageBox(NativeWindow* owner, std::wstring const& text,
                                  std::wstring const& caption, unsigned style) {
    if (Driver* driver = InstalledDriver()) {
        return driver->TakeMessageBoxAnswer(text, caption, style);
    }
    return Answerable(m_toolkit.messageBox, L"a message box")(owner, text, caption, style);
}

std::optional<FileChoice> ScriptableBackend::ChooseFile(FileDialogRequest const& request) {
    if (Driver* driver = InstalledDriver()) {
        return driver->TakeFileChoice(request);
    }
    return Answerable(m_toolkit.fileDialog, L"a file dialog")(request);
}

ControlId ScriptableBackend::TrackPopupMenu(MenuPopupTemplate const& popup,
                                            std::vector<CmdUI> const& states, NativeWindow& owner,
                                            Point screen) {
    if (Driver* driver = InstalledDriver()) {
        return driver->TakeMenuChoice(popup, states, screen);
    }
    return Answerable(m_toolkit.popupMenu, L"a popup menu")(popup, states, owner, screen);
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

void ScriptableBackend::PrepareWaitCursor() {
    if (m_toolkit.prepareWaitCursor != nullptr) {
        m_toolkit.prepareWaitCursor();
    }
}

void ScriptableBackend::ShowWaitCursor(bool on) const {
    if (m_toolkit.waitCursor != nullptr) {
        m_toolkit.waitCursor(on);
    }
}

} // namespace platform::backend
