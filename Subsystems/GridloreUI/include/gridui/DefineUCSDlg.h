// gridui::DefineUCSDlg: defines an unreferenced local system: its name, linear unit and
// origin offset.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridui/Export.h"
#include "shr/IError.h"
#include "shrgui/CDialogEx.h"

#include <memory>

namespace gridui {

class DefineUCSDlgImpl;

/// "Define Unreferenced Coordinate System": a name, the linear unit (units per meter) and
/// the X/Y offset of the origin, shown in that unit. OK checks them and builds a new local
/// system; bad input is reported to the error sink and the dialog stays open.
class GRIDUI_EXPORT DefineUCSDlg : public shrgui::CDialogEx {
public:
    /// Opens on `system`, which must be an unreferenced system (checked when the dialog
    /// starts). Bad input is reported to `errorSink`, which must not be null. `parent` may
    /// be null, or a host's own window (platform::wx::HostWindow).
    DefineUCSDlg(Gridlore::CoordinateSystem const& system,
                 std::shared_ptr<shr::IError> const& errorSink, platform::Window* parent);
    ~DefineUCSDlg() override;
    DefineUCSDlg(DefineUCSDlg const&) = delete;
    DefineUCSDlg& operator=(DefineUCSDlg const&) = delete;

    /// The system built by a successful OK, named as typed; empty otherwise.
    std::shared_ptr<Gridlore::CoordinateSystem> CurrentCoordinateSystem() const;
    /// The system the user defined, once DoModal returned IDOK; until then the system the
    /// dialog started from.
    Gridlore::CoordinateSystem const& Result() const;

    /// The dialog's routing table (the library's own).
    platform::MessageMap const& GetMessageMap() const override;

protected:
    /// Checks the starting system and fills the controls from it.
    bool OnInitDialog() override;
    /// Checks the input and builds the result; closes only when both hold.
    void OnOK() override;
    /// Binds the name box.
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    std::unique_ptr<DefineUCSDlgImpl> m_impl;
};

} // namespace gridui
