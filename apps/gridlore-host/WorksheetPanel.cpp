#include "WorksheetPanel.h"

#include "CellPreview.h"

#include <algorithm>

namespace gridhost {

/// Reads the cells straight from the worksheet, so a long sheet costs no copy.
class WorksheetTable final : public wxGridTableBase {
public:
    explicit WorksheetTable(Worksheet const& sheet)
        : m_sheet(sheet)
        , m_rows(static_cast<int>(sheet.RowCount()))
        , m_columns(static_cast<int>(sheet.ColumnCount())) {
        m_bad = new wxGridCellAttr;
        m_bad->SetBackgroundColour(wxColour(255, 214, 214));
        m_flagged = new wxGridCellAttr;
        m_flagged->SetBackgroundColour(wxColour(255, 236, 179));
    }
    ~WorksheetTable() override {
        m_bad->DecRef();
        m_flagged->DecRef();
    }
    WorksheetTable(WorksheetTable const&) = delete;
    WorksheetTable& operator=(WorksheetTable const&) = delete;

    int GetNumberRows() override { return m_rows; }
    // The reasons stand in a column of their own past the sheet's, never in the sheet.
    int GetNumberCols() override { return m_columns + (m_marks.empty() ? 0 : 1); }
    wxString GetValue(int row, int column) override {
        if (column == m_columns) {
            return CellPreview(Reason(static_cast<std::size_t>(row)));
        }
        return CellPreview(
            m_sheet.Cell(static_cast<std::size_t>(row), static_cast<unsigned>(column)));
    }
    // The grid is for looking; the sheet changes only by conversion.
    void SetValue(int, int, wxString const&) override {}
    wxString GetColLabelValue(int column) override {
        if (column == m_columns) {
            return "Conversion note";
        }
        wxString label = wxGridTableBase::GetColLabelValue(column);
        std::wstring const& name = m_sheet.ColumnName(static_cast<unsigned>(column));
        return name.empty() ? label : label + ": " + wxString(CellPreview(name));
    }
    wxGridCellAttr* GetAttr(int row, int, wxGridCellAttr::wxAttrKind) override {
        auto const index = static_cast<std::size_t>(row);
        wxGridCellAttr* attribute = m_marks.bad.contains(index)       ? m_bad
                                    : m_marks.flagged.contains(index) ? m_flagged
                                                                      : nullptr;
        if (attribute != nullptr) {
            attribute->IncRef();
        }
        return attribute;
    }

    // Tells the grid of columns the conversion added, and of the reasons' column.
    void Update(RowMarks marks) {
        int const before = GetNumberCols();
        m_marks = std::move(marks);
        m_columns = static_cast<int>(m_sheet.ColumnCount());
        int const after = GetNumberCols();
        if (GetView() == nullptr || after == before) {
            return;
        }
        wxGridTableMessage changed =
            after > before
                ? wxGridTableMessage(this, wxGRIDTABLE_NOTIFY_COLS_APPENDED, after - before)
                : wxGridTableMessage(this, wxGRIDTABLE_NOTIFY_COLS_DELETED, after, before - after);
        GetView()->ProcessTableMessage(changed);
    }
    RowMarks const& Marks() const { return m_marks; }

    std::wstring const& Reason(std::size_t row) const {
        static std::wstring const none;
        for (auto const* reasons : {&m_marks.bad, &m_marks.flagged}) {
            if (auto const found = reasons->find(row); found != reasons->end()) {
                return found->second;
            }
        }
        return none;
    }

private:
    Worksheet const& m_sheet;
    int m_rows;
    int m_columns;
    RowMarks m_marks;
    wxGridCellAttr* m_bad;
    wxGridCellAttr* m_flagged;
};

WorksheetPanel::WorksheetPanel(wxWindow* parent, Worksheet const& sheet)
    : wxGrid(parent, wxID_ANY)
    , m_table(new WorksheetTable(sheet)) {
    SetTable(m_table, true);
    EnableEditing(false);
    SetDefaultColSize(FromDIP(130));
    SetRowLabelSize(FromDIP(50));
}

namespace {

// The first row of `marks` after `row` (any row when `row` is negative), if any.
std::optional<std::size_t> MarkedAfter(RowMarks const& marks, int row) {
    std::optional<std::size_t> next;
    for (auto const* rows : {&marks.bad, &marks.flagged}) {
        auto const found =
            row < 0 ? rows->begin() : rows->upper_bound(static_cast<std::size_t>(row));
        if (found != rows->end() && (!next || found->first < *next)) {
            next = found->first;
        }
    }
    return next;
}

} // namespace

void WorksheetPanel::ShowConverted(RowMarks marks) {
    m_table->Update(std::move(marks));
    if (std::optional<std::size_t> const first = MarkedAfter(Marks(), -1)) {
        MakeCellVisible(static_cast<int>(*first), 0);
    }
    ForceRefresh();
}

RowMarks const& WorksheetPanel::Marks() const {
    return m_table->Marks();
}

std::optional<std::wstring> WorksheetPanel::NextMarkedRow() {
    std::optional<std::size_t> row = MarkedAfter(Marks(), GetGridCursorRow());
    if (!row) {
        row = MarkedAfter(Marks(), -1);
    }
    if (!row) {
        return std::nullopt;
    }
    GoToCell(static_cast<int>(*row), std::max(GetGridCursorCol(), 0));
    return L"Row " + std::to_wstring(*row + 1) + L": " + m_table->Reason(*row);
}

} // namespace gridhost
