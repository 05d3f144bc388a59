#include "gridlore/CRSConvertWks.h"

#include "shr/StringUtil.h"

#include <climits>
#include <cwctype>

namespace Gridlore {

bool CRSConvertWks::Validate() {
    auto const chosen = [](std::pair<int, int> columns) {
        return columns.first >= 0 && columns.second >= 0 && columns.first != columns.second;
    };
    if (!chosen(m_sourceCols) || !chosen(m_destCols)) {
        return false;
    }
    for (int target : {m_destCols.first, m_destCols.second}) {
        if (target == m_sourceCols.first || target == m_sourceCols.second) {
            return false;
        }
    }
    return !m_sourceCS.IsEmpty() && !m_destCS.IsEmpty();
}

int CRSConvertWks::ColumnFromLabel(std::wstring const& label) {
    std::wstring const text = shr::Trim(label);
    if (text.empty()) {
        return -1;
    }
    // Columns are lettered as in a spreadsheet: A..Z, then AA, AB, ... (bijective base 26).
    long long column = 0;
    for (wchar_t ch : text) {
        wchar_t const upper = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
        if (upper < L'A' || upper > L'Z') {
            return -1;
        }
        column = column * 26 + (upper - L'A' + 1);
        if (column > INT_MAX) {
            return -1;
        }
    }
    return static_cast<int>(column - 1);
}

std::vector<std::wstring> CRSConvertWks::GetColumnLabels(unsigned count) {
    std::vector<std::wstring> labels;
    labels.reserve(count);
    for (unsigned column = 0; column < count; ++column) {
        labels.push_back(ColumnLabel(column));
    }
    return labels;
}

std::wstring CRSConvertWks::ColumnLabel(unsigned column) {
    std::wstring label;
    for (unsigned long long rest = column + 1ULL; rest > 0; rest = (rest - 1) / 26) {
        label.insert(label.begin(), static_cast<wchar_t>(L'A' + (rest - 1) % 26));
    }
    return label;
}

} // namespace Gridlore
