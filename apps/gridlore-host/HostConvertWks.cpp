#include "HostConvertWks.h"

#include "CellPreview.h"

namespace gridhost {

HostConvertWks::HostConvertWks(Worksheet const& sheet, std::wstring favoritesPath,
                               std::shared_ptr<shr::IError> errorSink)
    : m_sheet(sheet)
    , m_favoritesPath(std::move(favoritesPath))
    , m_errorSink(std::move(errorSink)) {}

bool HostConvertWks::Validate() {
    std::optional<std::wstring> const problem = Problem();
    if (problem) {
        m_errorSink->ShowError(L"Worksheet Conversion", *problem);
    }
    return !problem;
}

std::optional<std::wstring> HostConvertWks::Problem() {
    auto const [sourceX, sourceY] = m_sourceCols;
    auto const [targetX, targetY] = m_destCols;
    if (sourceX < 0 || sourceY < 0 || targetX < 0 || targetY < 0) {
        return L"Choose the source and the target X and Y columns.";
    }
    if (sourceX == sourceY) {
        return L"The source X and Y are both column " + Letter(sourceX) + L".";
    }
    if (targetX == targetY) {
        return L"The target X and Y are both column " + Letter(targetX) + L".";
    }
    for (int const target : {targetX, targetY}) {
        if (target == sourceX || target == sourceY) {
            return L"Column " + Letter(target) +
                   L" is a source column; the target columns must be others, so the source "
                   L"coordinates are kept.";
        }
    }
    for (int const source : {sourceX, sourceY}) {
        if (static_cast<unsigned>(source) >= m_sheet.ColumnCount()) {
            return L"Source column " + Letter(source) +
                   L" is beyond the worksheet, whose last "
                   L"column is " +
                   Letter(static_cast<int>(m_sheet.ColumnCount()) - 1) + L".";
        }
    }
    if (m_sourceCS.IsEmpty() || m_destCS.IsEmpty()) {
        return L"Choose the source and the target coordinate systems.";
    }
    return std::nullopt;
}

int HostConvertWks::ColumnFromLabel(std::wstring const& label) {
    return CRSConvertWks::ColumnFromLabel(label.substr(0, label.find(L':')));
}

std::vector<std::wstring> HostConvertWks::GetColumnLabels(unsigned count) {
    std::vector<std::wstring> labels = CRSConvertWks::GetColumnLabels(count);
    for (unsigned column = 0; column < labels.size() && column < m_sheet.ColumnCount(); ++column) {
        if (!m_sheet.ColumnName(column).empty()) {
            labels[column] += L": " + CellPreview(m_sheet.ColumnName(column));
        }
    }
    return labels;
}

std::wstring HostConvertWks::Letter(int column) {
    if (column < 0) {
        return L"?";
    }
    return ColumnLabel(static_cast<unsigned>(column));
}

} // namespace gridhost
