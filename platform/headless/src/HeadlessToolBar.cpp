#include "HeadlessToolBar.h"

#include "platform/Error.h"

#include <algorithm>

namespace platform::headless {

void HeadlessToolBar::Load(ToolBarTemplate const& bar, std::vector<std::wstring> const& tooltips) {
    m_buttons.clear();
    m_buttonSize = bar.buttonSize;
    for (std::size_t i = 0; i < bar.buttons.size(); ++i) {
        if (bar.buttons[i] != 0) {
            bool const checkable = std::find(bar.checkButtons.begin(), bar.checkButtons.end(),
                                             bar.buttons[i]) != bar.checkButtons.end();
            m_buttons.push_back(
                {bar.buttons[i], true, i < tooltips.size() ? tooltips[i] : L"", checkable});
        }
    }
    Size const size = FixedSize();
    m_rect = Rect::FromXYWH(m_rect.left, m_rect.top, size.width, size.height);
}

HeadlessToolBar::Button const& HeadlessToolBar::Find(ControlId command) const {
    auto const found = std::find_if(m_buttons.begin(), m_buttons.end(),
                                    [command](Button const& b) { return b.command == command; });
    if (found == m_buttons.end()) {
        PLATFORM_ERROR(L"toolbar " + std::to_wstring(m_id) + L" has no button " +
                       std::to_wstring(command));
    }
    return *found;
}

std::vector<ControlId> HeadlessToolBar::Buttons() const {
    std::vector<ControlId> commands;
    for (Button const& button : m_buttons) {
        commands.push_back(button.command);
    }
    return commands;
}

void HeadlessToolBar::EnableButton(ControlId command, bool on) {
    const_cast<Button&>(Find(command)).enabled = on;
}

bool HeadlessToolBar::IsButtonEnabled(ControlId command) const {
    return Find(command).enabled;
}

std::wstring HeadlessToolBar::ButtonToolTip(ControlId command) const {
    return Find(command).tooltip;
}

void HeadlessToolBar::CheckButton(ControlId command, bool on) {
    auto& button = const_cast<Button&>(Find(command));
    if (!button.checkable) {
        PLATFORM_ERROR(L"the toolbar button " + std::to_wstring(command) + L" is no check button");
    }
    button.checked = on;
}

bool HeadlessToolBar::IsButtonChecked(ControlId command) const {
    return Find(command).checked;
}

void HeadlessToolBar::Press(ControlId command) {
    auto& button = const_cast<Button&>(Find(command));
    button.checked = button.checkable && !button.checked;
}

Size HeadlessToolBar::FixedSize() const {
    // Each button gets a 7-pixel frame around its image, as common toolbars draw them.
    int const count = static_cast<int>(m_buttons.size());
    return {count * (m_buttonSize.width + 7), m_buttonSize.height + 7};
}

} // namespace platform::headless
