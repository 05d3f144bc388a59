// platform::backend::ScriptableBackend: what every backend does alike around its toolkit.
#pragma once

#include "platform/Backend.h"
#include "platform/Export.h"
#include "platform/SettingsStore.h"
#include "platform/ToolkitToolTip.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::backend {

/// A backend whose modal questions a Driver answers when one is installed: message boxes,
/// file dialogs and popup menus reach the toolkit only for a real user, and a backend
/// without boxes of its own (headless) refuses them. Wait cursors are counted, so that
/// one ended and never begun shows on every backend. The backend names its window classes,
/// its settings store and what its toolkit shows.
class PLATFORM_EXPORT ScriptableBackend : public Backend {
public:
    ~ScriptableBackend() override;

    std::unique_ptr<NativeDialog> CreateDialog(DialogTemplate const& dialog, DialogEvents& events,
                                               NativeWindow* parent) final;
    std::unique_ptr<NativeSheet> CreateSheet(std::wstring const& caption, SheetEvents& events,
                                             NativeWindow* parent) final;
    std::unique_ptr<NativeToolTip> CreateToolTip(NativeWindow& tool) final;
    int MessageBox(NativeWindow* owner, std::wstring const& text, std::wstring const& caption,
                   unsigned style) final;
    std::optional<FileChoice> ChooseFile(FileDialogRequest const& request) final;
    ControlId TrackPopupMenu(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                             NativeWindow& owner, Point screen) final;
    void BeginWaitCursor() final;
    void EndWaitCursor() final;
    void PrepareWaitCursor() final;
    SettingsStore& Settings() final { return *m_settings; }

    /// How many wait cursors are showing now, and how many were ever shown.
    int WaitCursorDepth() const { return m_waitDepth; }
    int WaitCursorsShown() const { return m_waitShown; }

protected:
    /// How a backend makes its windows from what the Create functions are given.
    struct WindowClasses {
        std::unique_ptr<NativeDialog> (*dialog)(DialogTemplate const&, DialogEvents&,
                                                NativeWindow*);
        std::unique_ptr<NativeSheet> (*sheet)(std::wstring const&, SheetEvents&, NativeWindow*);
    };

    /// What the toolkit shows a real user. A backend without a display leaves them null: it
    /// refuses the questions as internal errors, since nobody could answer, and shows no
    /// tooltips or cursors.
    struct Toolkit {
        int (*messageBox)(NativeWindow* owner, std::wstring const& text,
                          std::wstring const& caption, unsigned style) = nullptr;
        std::optional<FileChoice> (*fileDialog)(FileDialogRequest const& request) = nullptr;
        ControlId (*popupMenu)(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                               NativeWindow& owner, Point screen) = nullptr;
        /// A wait cursor begins (`on`) or ends; nested ones each come here.
        void (*waitCursor)(bool on) = nullptr;
        ToolkitToolTip::Show toolTip = nullptr;
        /// Loads what the toolkit loads at its first wait cursor; null when it loads nothing.
        void (*prepareWaitCursor)() = nullptr;
    };

    /// The toolkit whose `Shows` has the static functions MessageBox, FileDialog, PopupMenu,
    /// WaitCursor, ToolTip and, when it has any, PrepareWaitCursor, each what the Toolkit's
    /// member of that name says.
    template <typename Shows> static Toolkit ToolkitOf() {
        Toolkit toolkit{&Shows::MessageBox, &Shows::FileDialog, &Shows::PopupMenu,
                        &Shows::WaitCursor, &Shows::ToolTip};
        if constexpr (requires { Shows::PrepareWaitCursor(); }) {
            toolkit.prepareWaitCursor = &Shows::PrepareWaitCursor;
        }
        return toolkit;
    }

    /// Window classes whose constructors take what the Create functions take.
    template <typename Dialog, typename Sheet> static WindowClasses ClassesOf() {
        return {
            [](DialogTemplate const& dialog, DialogEvents& events,
               NativeWindow* parent) -> std::unique_ptr<NativeDialog> {
                return std::make_unique<Dialog>(dialog, events, parent);
            },
            [](std::wstring const& caption, SheetEvents& events,
               NativeWindow* parent) -> std::unique_ptr<NativeSheet> {
                return std::make_unique<Sheet>(caption, events, parent);
            },
        };
    }

    ScriptableBackend(WindowClasses classes, std::unique_ptr<SettingsStore> settings,
                      Toolkit toolkit);
    /// A backend without a display.
    ScriptableBackend(WindowClasses classes, std::unique_ptr<SettingsStore> settings);

private:
    void ShowWaitCursor(bool on) const;

    WindowClasses m_classes;
    Toolkit m_toolkit;
    std::unique_ptr<SettingsStore> m_settings;
    int m_waitDepth = 0;
    int m_waitShown = 0;
};

} // namespace platform::backend
