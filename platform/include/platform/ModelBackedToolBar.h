// platform::backend::ModelBackedToolBar: a toolbar's buttons and their states, the same on
// every backend.
#pragma once

#include "platform/Backend.h"
#include "platform/Error.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace platform::backend {

/// A backend's toolbar (`Window`, which implements NativeToolBar) that keeps its buttons'
/// states itself, so that every backend answers and checks them alike; the backend shows
/// what changes and sends a clicked button's command the way its toolkit does.
template <typename Window> class ModelBackedToolBar : public Window {
public:
    using Window::Window;

    void Load(ToolBarTemplate const& bar, std::vector<std::wstring> const& tooltips) final {
        m_buttons.clear();
        for (std::size_t i = 0; i < bar.buttons.size(); ++i) {
            ControlId const command = bar.buttons[i];
            if (command == 0) {
                continue;
            }
            bool const checkable = std::find(bar.checkButtons.begin(), bar.checkButtons.end(),
                                             command) != bar.checkButtons.end();
            m_buttons.push_back({command, i < tooltips.size() ? tooltips[i] : L"", checkable});
        }
        ShowLoaded(bar);
    }

    std::vector<ControlId> Buttons() const final {
        std::vector<ControlId> commands;
        for (Button const& button : m_buttons) {
            commands.push_back(button.command);
        }
        return commands;
    }

    void EnableButton(ControlId command, bool on) final {
        Find(command).enabled = on;
        ShowEnabled(command, on);
    }

    bool IsButtonEnabled(ControlId command) const final { return Find(command).enabled; }
    std::wstring ButtonToolTip(ControlId command) const final { return Find(command).tooltip; }

    void CheckButton(ControlId command, bool on) final {
        Button& button = Find(command);
        if (!button.checkable) {
            PLATFORM_ERROR(L"the toolbar button " + std::to_wstring(command) +
                           L" is no check button");
        }
        // Showing a button in the state it has would still redraw it, at every idle.
        if (button.checked != on) {
            button.checked = on;
            ShowChecked(command, on);
        }
    }

    bool IsButtonChecked(ControlId command) const final { return Find(command).checked; }

    void Click(ControlId command) final {
        Button const& button = Find(command);
        if (!button.enabled) {
            PLATFORM_ERROR(L"the toolbar button " + std::to_wstring(command) + L" is disabled");
        }
        if (button.checkable) {
            CheckButton(command, !button.checked);
        }
        SendCommand(command);
    }

protected:
    /// The buttons of `bar` are loaded; separators are the template's zero commands.
    virtual void ShowLoaded(ToolBarTemplate const& bar) = 0;
    virtual void ShowEnabled(ControlId, bool) {}
    virtual void ShowChecked(ControlId, bool) {}
    /// Sends a clicked button's command to the dialog, as the toolkit does.
    virtual void SendCommand(ControlId command) = 0;
    bool IsCheckButton(ControlId command) const { return Find(command).checkable; }
    /// The toolkit flipped a check button itself, on a real user's click.
    void FlippedByToolkit(ControlId command, bool on) { Find(command).checked = on; }

private:
    struct Button {
        ControlId command = 0;
        std::wstring tooltip;
        bool checkable = false;
        bool enabled = true;
        bool checked = false;
    };

    Button& Find(ControlId command) {
        auto const found =
            std::find_if(m_buttons.begin(), m_buttons.end(),
                         [command](Button const& b) { return b.command == command; });
        if (found == m_buttons.end()) {
            PLATFORM_ERROR(L"toolbar " + std::to_wstring(this->Id()) + L" has no button " +
                           std::to_wstring(command));
        }
        return *found;
    }

    Button const& Find(ControlId command) const {
        return const_cast<ModelBackedToolBar*>(this)->Find(command);
    }

    std::vector<Button> m_buttons;
};

} // namespace platform::backend
