// shrgui::CDialogEx: the dialog base whose data exchange goes through SafeDoDataExchange.
#pragma once

#include "platform/Dialog.h"
#include "shrgui/Export.h"

namespace shrgui {

class SHRGUI_EXPORT CDialogEx : public platform::Dialog {
public:
    /// The two flags are kept for callers that pass them; they change nothing here.
    CDialogEx(int templateId, platform::Window* parent, bool flag1 = true, bool flag2 = false);

protected:
    /// Runs the data exchange (loading the controls); returns true.
    bool OnInitDialog() override;
    /// The hook derived dialogs override to bind and exchange their controls.
    virtual void SafeDoDataExchange(platform::DataExchange& exchange);

private:
    void DoDataExchange(platform::DataExchange& exchange) final;
};

} // namespace shrgui
