// The Qt backend's native windows: Qt widgets behind the platform's native interfaces.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/ToolkitWindow.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <string>

namespace platform::qt {

class QtDialog;

inline QString ToQt(std::wstring const& text) {
    return QString::fromStdWString(text);
}

inline std::wstring FromQt(QString const& text) {
    return text.toStdWString();
}

/// The widget behind `native`, which must belong to this backend.
QWidget& WidgetOf(backend::NativeWindow& native);

/// Gives `widget` the focus as a dialog's keys would: a box's text comes selected, so
/// that typing replaces it, as on the other toolkits.
void FocusAsByKeyboard(QWidget& widget);

/// The state every Qt-backed window shares; `Base` is the native interface it implements.
template <typename Base> class QtWindow : public backend::ToolkitWindow<Base, QtDialog, QWidget> {
public:
    QtWindow(QtDialog* parent, ControlId id, QWidget* widget);

    std::wstring GetText() const override;
    void SetText(std::wstring const& text) override;
    bool IsEnabled() const override { return m_widget->isEnabled(); }
    void Enable(bool on) override { m_widget->setEnabled(on); }
    bool IsVisible() const override { return !m_widget->isHidden(); }
    void Show(bool on) override { m_widget->setVisible(on); }
    Rect GetClientRect() const override;
    void Move(Rect rect) override;
    void SetRedraw(bool on) override { m_widget->setUpdatesEnabled(on); }
    bool IsRedrawOn() const override { return m_widget->updatesEnabled(); }
    void SetFocus() override;
    bool HasFocus() const override;

    QWidget* Toolkit() const override { return m_widget; }

protected:
    Size WidgetSize() const override;
    Point PositionInDialog() const override;
    Point WidgetToScreen(Point point) const override;

    QWidget* m_widget;
};

using QtControl = QtWindow<backend::NativeWindow>;

/// Raises `event` from `native` whenever `sender` emits `signal`; the connection ends
/// with the sender.
template <typename Native, typename Sender, typename Signal>
void RaiseOn(Sender* sender, Signal signal, Native& native, Event event) {
    QObject::connect(sender, signal, sender, [&native, event] { native.Raise(event); });
}

} // namespace platform::qt

// QtWindow.cpp instantiates what the windows share where the dialog they reach is whole.
#define PLATFORM_DECLARE(Interface)                                                                \
    extern template class platform::backend::ToolkitWindow<platform::backend::Interface,           \
                                                           platform::qt::QtDialog, QWidget>;
PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_DECLARE)
#undef PLATFORM_DECLARE
