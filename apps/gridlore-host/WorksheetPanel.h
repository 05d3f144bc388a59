// gridhost::WorksheetPanel: the worksheet in a read-only grid, its bad and flagged rows marked.
#pragma once

#include "Worksheet.h"

#include <wx/grid.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string>

namespace gridhost {

class WorksheetTable;

/// The rows a conversion marked, each with why.
struct RowMarks {
    /// Left empty.
    std::map<std::size_t, std::wstring> bad;
    /// Converted, but outside an area of use.
    std::map<std::size_t, std::wstring> flagged;

    bool empty() const { return bad.empty() && flagged.empty(); }
};

class WorksheetPanel final : public wxGrid {
public:
    /// Shows `sheet`, which must outlive the panel.
    WorksheetPanel(wxWindow* parent, Worksheet const& sheet);

    /// Shows the sheet again after its cells changed: the marked rows are coloured, their
    /// reasons shown in a last column, and the first of them scrolled into view.
    void ShowConverted(RowMarks marks);
    RowMarks const& Marks() const;
    /// Puts the cursor on the first marked row below it, or on the first marked row
    /// after the last, and gives that row's number (from 1) and reason. Nothing when no
    /// row is marked.
    std::optional<std::wstring> NextMarkedRow();

private:
    WorksheetTable* m_table;
};

} // namespace gridhost
