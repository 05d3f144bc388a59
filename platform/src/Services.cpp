#include "platform/Backend.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "platform/WaitCursor.h"
#include "platform/Window.h"

namespace platform {

int MessageBox(Window* owner, std::wstring const& text, std::wstring const& caption,
               unsigned style) {
    backend::NativeWindow* native =
        owner != nullptr && owner->HasWindow() ? &owner->Native() : nullptr;
    return CurrentBackend().MessageBox(native, text, caption, style);
}

std::optional<FileChoice> ChooseFile(FileDialogRequest const& request) {
    return CurrentBackend().ChooseFile(request);
}

WaitCursor::WaitCursor() {
    CurrentBackend().BeginWaitCursor();
}

WaitCursor::~WaitCursor() {
    CurrentBackend().EndWaitCursor();
}

void WaitCursor::Prepare() {
    CurrentBackend().PrepareWaitCursor();
}

SettingsStore& Settings() {
    return CurrentBackend().Settings();
}

} // namespace platform
