// gridhost::WorksheetPanel: the worksheet in a read-only grid, its bad rows marked.
#pragma once

#include "Worksheet.h"

#include <wx/grid.h>

#include <cstddef>
#include <set>

namespace gridhost {

class WorksheetTable;

class WorksheetPanel final : public wxGrid {
public:
    /// Shows `sheet`, which must outlive the panel.
    WorksheetPanel(wxWindow* parent, Worksheet const& sheet);

    /// Shows the sheet again after its cells changed; `bad` rows are marked, the first
    /// of them scrolled into view.
    void ShowConverted(std::set<std::size_t> const& bad);
    std::set<std::size_t> const& MarkedRows() const;

private:
    WorksheetTable* m_table;
};

} // namespace gridhost
