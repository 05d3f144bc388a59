// Gridlore::CRSConvertWks: the settings of a worksheet coordinate conversion.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridlore/Export.h"
#include "shr/IError.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Gridlore {

/// The host derives from it to tie the settings to its worksheet. Columns are
/// 0-based; -1 means "not chosen". The members are written directly by the dialog.
class GRIDLORE_EXPORT CRSConvertWks {
public:
    virtual ~CRSConvertWks() = default;

    /// True when both column pairs are chosen, each pair names two different columns,
    /// no target column is a source column, and both systems are set.
    virtual bool Validate();
    /// The column of a label made by GetColumnLabels ("A", "B", ... "Z", "AA", ...;
    /// case and surrounding blanks ignored), or -1.
    virtual int ColumnFromLabel(std::wstring const& label);
    /// The labels of columns 0 to count - 1.
    virtual std::vector<std::wstring> GetColumnLabels(unsigned count);
    /// The label of one column: a far column costs no more than the first.
    static std::wstring ColumnLabel(unsigned column);
    /// The favourites file for the browser; never empty.
    virtual std::wstring GetFavoritesPath() = 0;
    /// The host's error sink; never null.
    virtual std::shared_ptr<shr::IError> GetErrorSink() = 0;
    /// The number of columns the worksheet uses.
    virtual unsigned GetColumnCount() = 0;

    std::pair<int, int> GetSourceCols() const { return m_sourceCols; }
    std::pair<int, int> GetDestCols() const { return m_destCols; }

    std::pair<int, int> m_sourceCols{-1, -1};
    std::pair<int, int> m_destCols{-1, -1};
    CoordinateSystem m_sourceCS;
    CoordinateSystem m_destCS;

protected:
    CRSConvertWks() = default;
    CRSConvertWks(CRSConvertWks const&) = default;
    CRSConvertWks& operator=(CRSConvertWks const&) = default;
};

} // namespace Gridlore
