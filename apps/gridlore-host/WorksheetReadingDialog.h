// gridhost::WorksheetReadingDialog: lets the user correct how a worksheet's file is read.
#pragma once

#include "CsvDialect.h"

#include <wx/dialog.h>

class wxRadioBox;

namespace gridhost {

/// The separator, decimal mark and header row, each a choice starting from how the file
/// was read. Reading the file again drops values converted and not saved, so the dialog
/// says so when there are any.
class WorksheetReadingDialog final : public wxDialog {
public:
    WorksheetReadingDialog(wxWindow* parent, CsvDialect const& current, bool unsavedChanges);

    /// The dialect as chosen.
    CsvDialect Chosen() const;

private:
    wxRadioBox* m_separator;
    wxRadioBox* m_decimalMark;
    wxRadioBox* m_header;
};

} // namespace gridhost
