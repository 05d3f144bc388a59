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

/// The toolkit's dialog, of its own or a page of a QtSheet.
using QtDialog = backend::ToolkitDialog<QWidget>;
/// The toolkit's property sheet.
using QtSheet = backend::ToolkitSheet<QWidget>;

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

/// Every Qt-backed window; `Base` is the native interface it implements.
template <typename Base> using QtWindow = backend::ToolkitWindow<Base, QWidget>;

using QtControl = QtWindow<backend::NativeWindow>;

/// Raises `event` from `native` whenever `sender` emits `signal`; the connection ends
/// with the sender.
template <typename Native, typename Sender, typename Signal>
void RaiseOn(Sender* sender, Signal signal, Native& native, Event event) {
    QObject::connect(sender, signal, sender, [&native, event] { native.Raise(event); });
}

} // namespace platform::qt

// QtWindow.cpp makes the windows where the dialog they reach is whole.
PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_EXTERN_TOOLKIT_WINDOW, QWidget)
