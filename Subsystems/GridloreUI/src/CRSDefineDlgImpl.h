// gridui::CRSDefineDlgImpl: what the define dialog holds and does behind its public class:
// the two property lists, the working projection and datum, and the panels' rules.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "kor/DatumDef.h"
#include "kor/KORTypes.h"
#include "kor/ProjectionDef.h"
#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "shr/IError.h"
#include "shrgui/CPropertyList.h"

#include <cstdint>
#include <memory>

namespace gridui {

class CRSDefineDlg;

class CRSDefineDlgImpl final {
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

    /// `errorSink` must not be null, since it is used unchecked.
    CRSDefineDlgImpl(CRSDefineDlg& dialog, Gridlore::CoordinateSystem const& current,
                     std::shared_ptr<shr::IError> const& errorSink);

    /// The system built by a successful OK; empty until then.
    std::shared_ptr<Gridlore::CoordinateSystem> const& Built() const { return m_result; }
    Gridlore::CoordinateSystem const& Initial() const { return m_initial; }

    // Start-up, in the dialog's order: the working copies before the controls exist, the
    // lists once they do, then the controls filled from the working copies.
    void StartWorkingCopies();
    bool CreatePropertyLists();
    void FillControls();
    void BindControls(platform::DataExchange& exchange);
    /// OK: reads both panels back, checks them and builds the result; false after telling
    /// the user what is wrong.
    bool BuildResult();

    void OnEnChangeName();
    long OnPropertyChanged(std::uint64_t listId, std::int64_t property);
    void OnSelchangeProjection();
    void OnSelchangeDatum();

private:
    // Frame and validation.
    bool CreatePropertyList(int placeholderId, shrgui::CPropertyList& list, int listId);
    void SynchronizeInitialCS();
    void SynchronizeInitialName();

    // Projection panel.
    void CollectProjections(platform::ComboBox& combo);
    void SynchronizeInitialProjection();
    void ProjectionToUI();
    bool UIToProjection();
    void OnProjectionPropertyChanged(shrgui::CProperty const& property);
    void AddLinearUnitProperty(int id, wchar_t const* name, double divider);

    // Datum panel.
    void CollectDatums(platform::ComboBox& combo);
    void SynchronizeInitialDatum();
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

    CRSDefineDlg& m_dialog;
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
