#include "HeadlessWindow.h"
#include "HeadlessDialog.h"

#include "platform/Error.h"

namespace platform::headless {

Point DialogUnitsToPixels(Point units) {
    // Rounded to the nearest pixel, as the platform's own conversion does.
    auto const scale = [](int value, int numerator, int denominator) {
        int const scaled = value * numerator;
        return (scaled >= 0 ? scaled + denominator / 2 : scaled - denominator / 2) / denominator;
    };
    return {scale(units.x, 6, 4), scale(units.y, 13, 8)};
}

namespace {
/// In dialog units.
constexpr int ClosedComboHeight = 12;
} // namespace

template <typename Base>
HeadlessWindow<Base>::HeadlessWindow(HeadlessDialog* parent, ControlTemplate const& control)
    : m_parent(parent)
    , m_id(control.id)
    , m_kind(control.kind)
    , m_style(control.style)
    , m_text(control.text)
    , m_enabled((control.style & StyleDisabled) == 0)
    , m_visible((control.style & StyleHidden) == 0) {
    Point const topLeft = DialogUnitsToPixels({control.rect.left, control.rect.top});
    // A combo box's template height is its dropped-down list's; closed, the box is one
    // line of text high, as on the real platforms, and layouts measure the closed box.
    int const height =
        control.kind == ControlKind::ComboBox ? ClosedComboHeight : control.rect.bottom;
    Point const size = DialogUnitsToPixels({control.rect.right, height});
    m_rect = Rect::FromXYWH(topLeft.x, topLeft.y, size.x, size.y);
}

template <typename Base> backend::NativeWindow* HeadlessWindow<Base>::Parent() const {
    return m_parent;
}

template <typename Base> Point HeadlessWindow<Base>::ClientToScreen(Point point) const {
    if (m_parent == nullptr) {
        return {HeadlessDialog::ClientOrigin.x + point.x, HeadlessDialog::ClientOrigin.y + point.y};
    }
    return m_parent->ClientToScreen({m_rect.left + point.x, m_rect.top + point.y});
}

template <typename Base> Rect HeadlessWindow<Base>::GetWindowRect() const {
    Point const origin = ClientToScreen({0, 0});
    return Rect::FromXYWH(origin.x, origin.y, m_rect.Width(), m_rect.Height());
}

template <typename Base> void HeadlessWindow<Base>::SetFocus() {
    if (m_parent != nullptr) {
        m_parent->SetFocusTo(m_id);
    }
}

template <typename Base> bool HeadlessWindow<Base>::HasFocus() const {
    return m_parent != nullptr && m_parent->Focus() == m_id;
}

template <typename Base> void HeadlessWindow<Base>::Raise(Message& message) {
    if (m_parent == nullptr) {
        PLATFORM_ERROR(L"a headless window without a dialog raised an event");
    }
    if (message.window == nullptr) {
        message.window = this->Wrapper();
    }
    m_parent->Events().OnNativeMessage(message);
}

#define PLATFORM_INSTANTIATE(Interface) template class HeadlessWindow<backend::Interface>;
PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_INSTANTIATE)
#undef PLATFORM_INSTANTIATE

} // namespace platform::headless
