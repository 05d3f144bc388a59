#include "HeadlessToolBar.h"

namespace platform::headless {

void HeadlessToolBar::ShowLoaded(ToolBarTemplate const& bar) {
    m_buttonSize = bar.buttonSize;
    Size const size = FixedSize();
    m_rect = Rect::FromXYWH(m_rect.left, m_rect.top, size.width, size.height);
}

void HeadlessToolBar::SendCommand(ControlId command) {
    Message message;
    message.event = Event::Command;
    message.id = command;
    Raise(message);
}

Size HeadlessToolBar::FixedSize() const {
    // Each button gets a 7-pixel frame around its image, as common toolbars draw them.
    int const count = static_cast<int>(Buttons().size());
    return {count * (m_buttonSize.width + 7), m_buttonSize.height + 7};
}

} // namespace platform::headless
