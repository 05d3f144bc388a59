// The headless backend's native windows: plain state, events raised to the dialog.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"

#include <string>

namespace platform::headless {

class HeadlessDialog;

/// Converts dialog units with the fixed font: 4 units are 6 pixels across, 8 are 13 down.
Point DialogUnitsToPixels(Point units);

/// The state every headless window has; `Base` is the native interface it implements.
template <typename Base> class HeadlessWindow : public Base {
public:
    HeadlessWindow(HeadlessDialog* parent, ControlTemplate const& control);

    ControlId Id() const override { return m_id; }
    backend::NativeWindow* Parent() const override;
    std::wstring GetText() const override { return m_text; }
    void SetText(std::wstring const& text) override { m_text = text; }
    bool IsEnabled() const override { return m_enabled; }
    void Enable(bool on) override { m_enabled = on; }
    bool IsVisible() const override { return m_visible; }
    void Show(bool on) override { m_visible = on; }
    Rect GetWindowRect() const override;
    Rect GetClientRect() const override { return {0, 0, m_rect.Width(), m_rect.Height()}; }
    Point ClientToScreen(Point point) const override;
    void Move(Rect rect) override { m_rect = rect; }
    void SetRedraw(bool on) override { m_redraw = on; }
    bool IsRedrawOn() const override { return m_redraw; }
    void SetFocus() override;
    bool HasFocus() const override;

    ControlKind Kind() const { return m_kind; }
    unsigned Style() const { return m_style; }
    /// Sends `message` from this window to its dialog.
    void Raise(Message& message);

protected:
    HeadlessDialog* m_parent;
    ControlId m_id;
    ControlKind m_kind;
    unsigned m_style;
    std::wstring m_text;
    /// In the parent's client coordinates.
    Rect m_rect;
    bool m_enabled;
    bool m_visible;
    bool m_redraw = true;
};

using HeadlessControl = HeadlessWindow<backend::NativeWindow>;

} // namespace platform::headless
