// platform::backend::ToolkitServices: what a toolkit's library supplies its backend with.
#pragma once

#include "platform/IniFileSettings.h"
#include "platform/ToolkitBackend.h"
#include "platform/ToolkitSheet.h"

#include <memory>
#include <string>

namespace platform::backend {

/// How the backend of a toolkit whose windows are `Widget`s starts and what it shows a
/// real user. Each toolkit defines it in its backend's library, with the static functions
///   ConfigDirectory()             the user's config directory, where settings files go;
///   StartApplication, OwnerFor    as ToolkitBackend's of that name;
///   MessageBox, FileDialog, PopupMenu, WaitCursor, ToolTip, and PrepareWaitCursor when the
///                                 toolkit has one: what ScriptableBackend::ToolkitOf takes;
///   PrepareProcess(), optional    what the process needs once, before the first backend.
/// and then instantiates ToolkitBackend<Widget> there, whose members follow.
template <typename Widget> struct ToolkitServices;

template <typename Widget>
ToolkitBackend<Widget>::ToolkitBackend(std::wstring const& appName)
    : ScriptableBackend(ClassesOf<ToolkitDialog<Widget>, ToolkitSheet<Widget>>(),
                        std::make_unique<IniFileSettings>(
                            ToolkitServices<Widget>::ConfigDirectory() / appName / "settings.ini"),
                        ToolkitOf<ToolkitServices<Widget>>()) {
    if constexpr (requires { ToolkitServices<Widget>::PrepareProcess(); }) {
        ToolkitServices<Widget>::PrepareProcess();
    }
}

template <typename Widget> bool ToolkitBackend<Widget>::StartApplication(int& argc, char** argv) {
    return ToolkitServices<Widget>::StartApplication(argc, argv);
}

template <typename Widget> Widget* ToolkitBackend<Widget>::OwnerFor(NativeWindow* owner) {
    return ToolkitServices<Widget>::OwnerFor(owner);
}

} // namespace platform::backend
