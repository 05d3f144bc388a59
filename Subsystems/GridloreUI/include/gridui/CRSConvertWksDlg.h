// gridui::CRSConvertWksDlg: chooses the columns and systems of a worksheet conversion,
// written into the host's settings.
#pragma once

#include "gridlore/CRSConvertWks.h"
#include "gridui/BrowserOptions.h"
#include "platform/ComboBox.h"
#include "shr/IError.h"
#include "shrgui/CDialogEx.h"

#include <string>

namespace gridui {

class CRSConvertWksDlg : public shrgui::CDialogEx {
public:
    /// Reads and writes `wks` in place; both references must outlive the dialog. A system
    /// picked with a "..." button is written at once, even if the dialog is then cancelled;
    /// the columns are written on OK, which closes only when `wks.Validate()` agrees.
    CRSConvertWksDlg(Gridlore::CRSConvertWks& wks, shr::IError& errorSink,
                     platform::Window* parent);
    ~CRSConvertWksDlg() override;
    CRSConvertWksDlg(CRSConvertWksDlg const&) = delete;
    CRSConvertWksDlg& operator=(CRSConvertWksDlg const&) = delete;

    /// The custom systems' file and the options of the browser a "..." button opens, as
    /// the host's own browser has them; call before DoModal. Without a file, the custom
    /// systems last only while that browser is open.
    void SetBrowserChoices(std::wstring customSystemsPath, BrowserOptions const& options);

    platform::MessageMap const& GetMessageMap() const override;

protected:
    bool OnInitDialog() override;
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    void OnChangeSrcCS();
    void OnChangeDstCS();
    /// Opens the browser on `system` and, on OK, writes the choice and shows its name.
    void ChangeSystem(Gridlore::CoordinateSystem& system, int editId);
    /// The column named in the combo box, or tells the user and ends the data exchange.
    int ColumnFromComboBox(int controlId);

    Gridlore::CRSConvertWks& m_wks;
    shr::IError& m_errorSink;
    std::wstring m_customSystemsPath;
    BrowserOptions m_browserOptions;
    platform::ComboBox m_srcXCombo;
    platform::ComboBox m_srcYCombo;
    platform::ComboBox m_dstXCombo;
    platform::ComboBox m_dstYCombo;
};

} // namespace gridui
