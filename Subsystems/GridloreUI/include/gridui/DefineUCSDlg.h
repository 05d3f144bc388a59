// gridui::DefineUCSDlg: defines an unreferenced local system: its name, linear unit and
// origin offset.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridui/Export.h"
#include "platform/Controls.h"
#include "shr/IError.h"
#include "shr/Vec2d.h"
#include "shrgui/CDialogEx.h"
#include "shrgui/CPropertyList.h"

#include <cstdint>
#include <memory>

namespace gridui {

class GRIDUI_EXPORT DefineUCSDlg : public shrgui::CDialogEx {
public:
    /// Opens on `system`, which must be an unreferenced system (checked when the dialog
    /// starts). Bad input is reported to `errorSink` and the dialog stays open.
    DefineUCSDlg(Gridlore::CoordinateSystem const& system,
                 std::shared_ptr<shr::IError> const& errorSink, platform::Window* parent);
    ~DefineUCSDlg() override;
    DefineUCSDlg(DefineUCSDlg const&) = delete;
    DefineUCSDlg& operator=(DefineUCSDlg const&) = delete;

    /// The system built by a successful OK, named as typed; empty otherwise.
    std::shared_ptr<Gridlore::CoordinateSystem> CurrentCoordinateSystem() const;

    platform::MessageMap const& GetMessageMap() const override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    long OnPropertyChanged(std::uint64_t controlId, std::int64_t property);
    void OnEnChangeName();

    bool CreatePropertyList(int placeholderId, shrgui::CPropertyList& list, int listId);
    void UnreferencedToUI();
    bool UIToUnreferenced();
    void AddLinearUnitGroup(int dataId, wchar_t const* label, double unitsPerMeter);
    void ReportError(std::wstring const& message, int line) const;

    Gridlore::CoordinateSystem m_system;
    std::shared_ptr<Gridlore::CoordinateSystem> m_result;
    platform::Edit m_nameEdit;
    shrgui::CPropertyList m_propertyList;
    double m_unitsPerMeter = 1.0;
    shr::Vec2d m_origin;
    std::shared_ptr<shr::IError> m_errorSink;
};

} // namespace gridui
