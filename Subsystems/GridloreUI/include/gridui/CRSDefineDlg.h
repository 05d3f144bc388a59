// gridui::CRSDefineDlg: the dialog that defines a referenced coordinate system, a name, a
// projection and a datum edited in two property lists and checked on OK.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridui/Export.h"
#include "kor/DatumDef.h"
#include "kor/KORTypes.h"
#include "kor/ProjectionDef.h"
#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "shr/IError.h"
#include "shrgui/CDialogResize.h"
#include "shrgui/CPropertyList.h"

#include <cstdint>
#include <memory>

namespace gridui {

class GRIDUI_EXPORT CRSDefineDlg : public shrgui::CDialogResize {
public:
    /// Data numbers of the rows that are not parameters; a parameter row carries its id,
    /// which stays below these.
    enum PropertyData : std::uint64_t {
        EllipsoidNameData = 1000,
        SemimajorAxisData = 1001,
        SemiminorAxisData = 1002,
        InverseFlatteningData = 1003,
        LinearUnitsData = 1004,
        LinearUnitNameData = 1005,
        PrimeMeridianData = 1006,
        PrimeMeridianNameData = 1007,
    };

    /// Starts from `current`; `errorSink` must not be null, since it is used unchecked.
    CRSDefineDlg(Gridlore::CoordinateSystem const& current,
                 std::shared_ptr<shr::IError> const& errorSink, platform::Window* parent);
    ~CRSDefineDlg() override;
    CRSDefineDlg(CRSDefineDlg const&) = delete;
    CRSDefineDlg& operator=(CRSDefineDlg const&) = delete;

    /// The system built by a successful OK; empty after Cancel or before OK succeeded.
    std::shared_ptr<Gridlore::CoordinateSystem> CurrentCoordinateSystem() const;

    platform::MessageMap const& GetMessageMap() const override;
    shrgui::ResizeMapEntry const* GetDlgResizeMap() const override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    // Frame and validation.
    void OnEnChangeName();
    long OnPropertyChanged(std::uint64_t listId, std::int64_t property);
    bool CreatePropertyList(int placeholderId, shrgui::CPropertyList& list, int listId);
    void SynchronizeInitialCS();
    void SynchronizeInitialName();

    // Projection panel.
    void CollectProjections(platform::ComboBox& combo);
    void SynchronizeInitialProjection();
    void OnSelchangeProjection();
    void ProjectionToUI();
    bool UIToProjection();
    void OnProjectionPropertyChanged(shrgui::CProperty const& property);
    void AddLinearUnitProperty(int id, wchar_t const* name, double divider);

    // Datum panel.
    void CollectDatums(platform::ComboBox& combo);
    void SynchronizeInitialDatum();
    void OnSelchangeDatum();
    void DatumToUI();
    bool UIToDatum();
    void OnDatumPropertyChanged(shrgui::CProperty const& property);
    void OnEllipsoidPropertyChanged(shrgui::CPropertyList const& list,
                                    shrgui::CProperty const& property);

    // Parameters of either definition, by data type; false after telling the user.
    template <typename Def>
    static bool ParameterToUI(Def const& def, int id, kor::KORDataTypeID dataType,
                              shrgui::CPropertyList& list, shr::IError& sink);
    template <typename Def>
    static bool UIToParameter(shrgui::CPropertyList& list, shrgui::CProperty& property, Def& def,
                              int id, kor::KORDataTypeID dataType, shr::IError& sink);

    Gridlore::CoordinateSystem m_initial;
    std::shared_ptr<Gridlore::CoordinateSystem> m_result;
    platform::Edit m_name;
    platform::ComboBox m_projectionCombo;
    platform::ComboBox m_datumCombo;
    shrgui::CPropertyList m_projectionList;
    shrgui::CPropertyList m_datumList;
    kor::ProjectionDef m_projection;
    kor::DatumDef m_datum;
    std::shared_ptr<shr::IError> m_error;
};

} // namespace gridui
