// gridui::CRSDefineDlg: the dialog that defines a referenced coordinate system, a name, a
// projection and a datum edited in two property lists and checked on OK.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridui/Export.h"
#include "shr/IError.h"
#include "shrgui/CDialogResize.h"

#include <memory>

namespace gridui {

class CRSDefineDlgImpl;

/// "Define Coordinate System": opened on a system, it lets the user name a new one and edit
/// its projection method with its parameters and its datum with its ellipsoid. OK checks
/// them and, when they hold, builds the new system (with the hint that a user defined it)
/// and closes; otherwise it tells the error sink what is wrong and stays open.
class GRIDUI_EXPORT CRSDefineDlg : public shrgui::CDialogResize {
public:
    /// Starts from `current`; bad input goes to `errorSink`, which must not be null.
    /// `parent` may be null (the dialog then belongs to the dialog on top, if any), or a
    /// host's own window (platform::wx::HostWindow).
    CRSDefineDlg(Gridlore::CoordinateSystem const& current,
                 std::shared_ptr<shr::IError> const& errorSink, platform::Window* parent);
    ~CRSDefineDlg() override;
    CRSDefineDlg(CRSDefineDlg const&) = delete;
    CRSDefineDlg& operator=(CRSDefineDlg const&) = delete;

    /// The system built by a successful OK; empty after Cancel or before OK succeeded.
    std::shared_ptr<Gridlore::CoordinateSystem> CurrentCoordinateSystem() const;
    /// The system the user defined, once DoModal returned IDOK; until then the system the
    /// dialog started from.
    Gridlore::CoordinateSystem const& Result() const;

    /// The dialog's routing table (the library's own).
    platform::MessageMap const& GetMessageMap() const override;
    /// How the controls follow the dialog's size (the library's own).
    shrgui::ResizeMapEntry const* GetDlgResizeMap() const override;

protected:
    /// Fills the controls from the starting system.
    bool OnInitDialog() override;
    /// Checks the input and builds the result; closes only when both hold.
    void OnOK() override;
    /// Binds the name box and the two combo boxes.
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    std::unique_ptr<CRSDefineDlgImpl> m_impl;
};

} // namespace gridui
