// gridhost::HostConvertWks: the host's worksheet-conversion settings, tied to its worksheet.
#pragma once

#include "Worksheet.h"

#include "gridlore/CRSConvertWks.h"

#include <optional>

namespace gridhost {

/// Columns are offered as "A: name" (the letter alone past the sheet's columns); a
/// label is read by the letters before its colon.
class HostConvertWks final : public Gridlore::CRSConvertWks {
public:
    HostConvertWks(Worksheet const& sheet, std::wstring favoritesPath,
                   std::shared_ptr<shr::IError> errorSink);

    /// Tells the user through the error sink what is wrong, if anything.
    bool Validate() override;
    int ColumnFromLabel(std::wstring const& label) override;
    std::vector<std::wstring> GetColumnLabels(unsigned count) override;
    std::wstring GetFavoritesPath() override { return m_favoritesPath; }
    std::shared_ptr<shr::IError> GetErrorSink() override { return m_errorSink; }
    unsigned GetColumnCount() override { return m_sheet.ColumnCount(); }

    /// Why the settings cannot be used, in the user's words; none when they can.
    std::optional<std::wstring> Problem();
    /// The spreadsheet letter of `column`, as the model letters them.
    std::wstring Letter(int column);

private:
    Worksheet const& m_sheet;
    std::wstring m_favoritesPath;
    std::shared_ptr<shr::IError> m_errorSink;
};

} // namespace gridhost
