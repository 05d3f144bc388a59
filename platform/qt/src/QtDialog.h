#pragma once

#include "ModalRun.h"
#include "QtWindow.h"
#include "platform/ToolkitDialog.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QContextMenuEvent;

namespace platform::qt {

class QtSheet;
class QtOneShot;
class QtDialog final : public backend::ToolkitDialog<QtWindow<backend::NativeDialog>, QtOneShot> {
public:
    /// A dialog of its own, owned by `owner`, or without one by the modal dialog on top.
    QtDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
             backend::NativeWindow* owner);
    /// A page of `sheet`, placed in its tabs.
    QtDialog(DialogTemplate const& dialog, backend::DialogEvents& events, QtSheet& sheet);
    ~QtDialog() override;

    Rect GetWindowRect() const override;
    Point DialogUnitsToPixels(Point units) const override;
    void SetClientSize(Size size) override;
    void SetResizable(Size minimum) override;
    bool SaveScreenshot(std::string const& path) override;
    void PrepareClose() override;

    /// The widget the controls live in: the dialog, or the page's widget.
    QWidget& Container() const { return *m_widget; }
    /// Routes the container's new size.
    void RouteSize();
    /// Routes a context menu asked of a control's own area; false when it belongs to
    /// something inside the control.
    bool OfferContextMenu(QWidget* target, QContextMenuEvent const& event);
    /// The id of the control that is or holds `widget`; 0 for none.
    ControlId ControlAt(QWidget* widget) const;

private:
    class EventHook;

    QtDialog(DialogTemplate const& dialog, backend::DialogEvents& events, RunWindow* window);
    void CallLater(std::function<void()> action) override;
    void CreateControls(DialogTemplate const& dialog);
    backend::NativeWindow& CreateControl(ControlTemplate const& control, Rect pixels) override;

    /// The dialog's own window; gone already when its owner took it along.
    QPointer<RunWindow> m_ownWindow;
    std::unique_ptr<EventHook> m_hook;
    bool m_idleDue = true;
};

} // namespace platform::qt
