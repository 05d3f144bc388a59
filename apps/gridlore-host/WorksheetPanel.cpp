#include "WorksheetPanel.h"

#include "CellPreview.h"

namespace gridhost {

/// Reads the cells straight from the worksheet, so a long sheet costs no copy.
class WorksheetTable final : public wxGridTableBase {
public:
    explicit WorksheetTable(Worksheet const& sheet)
        : m_sheet(sheet)
        , m_rows(static_cast<int>(sheet.RowCount()))
        , m_columns(static_cast<int>(sheet.ColumnCount())) {
        m_marked = new wxGridCellAttr;
        m_marked->SetBackgroundColour(wxColour(255, 214, 214));
    }
    ~WorksheetTable() override { m_marked->DecRef(); }
    WorksheetTable(WorksheetTable const&) = delete;
    WorksheetTable& operator=(WorksheetTable const&) = delete;

    int GetNumberRows() override { return m_rows; }
    int GetNumberCols() override { return m_columns; }
    wxString GetValue(int row, int column) override {
        return CellPreview(
            m_sheet.Cell(static_cast<std::size_t>(row), static_cast<unsigned>(column)));
    }
    // The grid is for looking; the sheet changes only by conversion.
    void SetValue(int, int, wxString const&) override {}
    wxString GetColLabelValue(int column) override {
        wxString label = wxGridTableBase::GetColLabelValue(column);
        std::wstring const& name = m_sheet.ColumnName(static_cast<unsigned>(column));
        return name.empty() ? label : label + ": " + wxString(CellPreview(name));
    }
    wxGridCellAttr* GetAttr(int row, int, wxGridCellAttr::wxAttrKind) override {
        if (!m_bad.contains(static_cast<std::size_t>(row))) {
            return nullptr;
        }
        m_marked->IncRef();
        return m_marked;
    }

    // Tells the grid of columns the conversion added.
    void Update(std::set<std::size_t> bad) {
        m_bad = std::move(bad);
        int const columns = static_cast<int>(m_sheet.ColumnCount());
        if (columns > m_columns && GetView() != nullptr) {
            wxGridTableMessage appended(this, wxGRIDTABLE_NOTIFY_COLS_APPENDED,
                                        columns - m_columns);
            m_columns = columns;
            GetView()->ProcessTableMessage(appended);
        }
    }
    std::set<std::size_t> const& Bad() const { return m_bad; }

private:
    Worksheet const& m_sheet;
    int m_rows;
    int m_columns;
    std::set<std::size_t> m_bad;
    wxGridCellAttr* m_marked;
};

WorksheetPanel::WorksheetPanel(wxWindow* parent, Worksheet const& sheet)
    : wxGrid(parent, wxID_ANY)
    , m_table(new WorksheetTable(sheet)) {
    SetTable(m_table, true);
    EnableEditing(false);
    SetDefaultColSize(FromDIP(130));
    SetRowLabelSize(FromDIP(50));
}

void WorksheetPanel::ShowConverted(std::set<std::size_t> const& bad) {
    m_table->Update(bad);
    if (!bad.empty()) {
        MakeCellVisible(static_cast<int>(*bad.begin()), 0);
    }
    ForceRefresh();
}

std::set<std::size_t> const& WorksheetPanel::MarkedRows() const {
    return m_table->Bad();
}

} // namespace gridhost
