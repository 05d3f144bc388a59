// gridui::DefineUCSDlgImpl: what the local-system dialog holds and does behind its public
// class: the grid of unit and offsets, and the checks of OK.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "shr/IError.h"
#include "shr/Vec2d.h"
#include "shrgui/CPropertyList.h"

#include <cstdint>
#include <memory>
#include <string>

namespace gridui {

class DefineUCSDlg;

class DefineUCSDlgImpl final {
public:
    DefineUCSDlgImpl(DefineUCSDlg& dialog, Gridlore::CoordinateSystem const& system,
                     std::shared_ptr<shr::IError> const& errorSink);

    /// The system built by a successful OK; empty until then.
    std::shared_ptr<Gridlore::CoordinateSystem> const& Built() const { return m_result; }
    Gridlore::CoordinateSystem const& Initial() const { return m_system; }

    /// A dialog opened on anything but a local system is an internal error.
    void CheckStartingSystem() const;
    /// Once the controls exist: the grid made and filled, the name shown. False when the
    /// grid could not be made.
    bool FillControls();
    void BindControls(platform::DataExchange& exchange);
    /// OK: reads the grid back, checks it and builds the result; false after telling the
    /// user what is wrong.
    bool BuildResult();

    long OnPropertyChanged(std::uint64_t controlId, std::int64_t property);
    void OnEnChangeName();

private:
    bool CreatePropertyList(int placeholderId, shrgui::CPropertyList& list, int listId);
    void UnreferencedToUI();
    bool UIToUnreferenced();
    void AddLinearUnitGroup(int dataId, wchar_t const* label, double unitsPerMeter);
    void ReportError(std::wstring const& message, int line) const;

    DefineUCSDlg& m_dialog;
    Gridlore::CoordinateSystem m_system;
    std::shared_ptr<Gridlore::CoordinateSystem> m_result;
    platform::Edit m_nameEdit;
    shrgui::CPropertyList m_propertyList;
    double m_unitsPerMeter = 1.0;
    shr::Vec2d m_origin;
    std::shared_ptr<shr::IError> m_errorSink;
};

} // namespace gridui
