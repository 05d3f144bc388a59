// platform::Dialog: a modal dialog made from a template, with data exchange and routing.
#pragma once

#include "platform/Backend.h"
#include "platform/Export.h"
#include "platform/Window.h"

#include <chrono>
#include <map>
#include <memory>

namespace platform {

class Dialog;

/// Thrown by a data exchange that failed after telling the user; the dialog stays open.
struct UserException {};
[[noreturn]] PLATFORM_EXPORT void ThrowUserException();

/// One run of a dialog's DoDataExchange, loading the controls or saving from them.
class PLATFORM_EXPORT DataExchange final {
public:
    DataExchange(Dialog& dialog, bool saving)
        : m_dialog(dialog)
        , m_saving(saving) {}

    bool SaveAndValidate() const { return m_saving; }
    Dialog& GetDialog() const { return m_dialog; }
    /// Binds `control` to the dialog's control `id` (once; later calls do nothing).
    void Control(ControlId id, Window& control);

private:
    Dialog& m_dialog;
    bool m_saving;
};

inline void DDX_Control(DataExchange& exchange, ControlId id, Window& control) {
    exchange.Control(id, control);
}

/// A dialog class passes its template id; DoModal creates the native dialog, runs
/// OnInitDialog and routes events through GetMessageMap until EndDialog.
class PLATFORM_EXPORT Dialog : public Window, private backend::DialogEvents {
    friend class PropertySheet;

public:
    Dialog(int templateId, Window* parent);
    ~Dialog() override;

    int GetTemplateId() const { return m_templateId; }
    virtual int DoModal();
    void EndDialog(int result);
    /// Runs DoDataExchange; false when it threw UserException.
    bool UpdateData(bool save = true);

    /// The control with `id`; an id the template does not hold is an internal error.
    Window& GetDlgItem(ControlId id);
    bool HasDlgItem(ControlId id) const;
    std::wstring GetDlgItemText(ControlId id);
    void SetDlgItemText(ControlId id, std::wstring const& text);
    /// Queues a command as if control `from` sent it; it runs after the current handler.
    void PostCommand(ControlId command, ControlId from = 0);
    /// Raises Event::Timer with `id` once, `delay` from now, through the routing table; a
    /// timer `id` that runs starts over. Timers stop when the dialog ends.
    void SetTimer(ControlId id, std::chrono::milliseconds delay);
    /// Stops timer `id`; nothing when it does not run.
    void KillTimer(ControlId id);
    /// Dialog units of this dialog's font to pixels.
    Rect MapDialogRect(Rect units) const;
    void SetClientSize(Size size);
    /// Lets the user resize the dialog, not below its size at this call.
    void EnableResizing();
    /// Writes a PNG picture of the dialog; false when the backend cannot.
    bool SaveScreenshot(std::string const& path);

    MessageMap const& GetMessageMap() const override;
    backend::NativeDialog& NativeDialog() const;

    /// Routes an event as the native dialog would: the control's own table, the
    /// dialog's table, then the default handling (OK, Cancel, Enter).
    void RouteMessage(Message& message);

protected:
    /// Default: loads the controls through the data exchange; returns true.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& exchange);
    /// Default: saves through the data exchange and, if that succeeded, ends with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    /// Changes the template before the window is made from it, as when a host's option
    /// adds controls; the template keeps its id, by which scripts know the dialog.
    virtual void AdjustTemplate(DialogTemplate& dialog) const;

private:
    /// The template the window is made from: this dialog's, adjusted.
    DialogTemplate MakeTemplate() const;
    void OnNativeInit() override;
    void OnNativeMessage(Message& message) override;
    bool OnNativeKeyDown(ControlId id, int key) override;
    bool RouteToControl(Message& message);
    void DefaultHandling(Message& message);

    /// Takes `native` (made by the backend, or a sheet's page) as this dialog's window.
    void Open(backend::NativeDialog& native);
    /// Lets the window go: handles and bound controls first.
    void Close();

    int m_templateId;
    Window* m_parentWindow;
    std::unique_ptr<backend::NativeDialog> m_owned;
    backend::NativeDialog* m_native = nullptr;
    std::map<ControlId, std::unique_ptr<Window>> m_items;
};

} // namespace platform
