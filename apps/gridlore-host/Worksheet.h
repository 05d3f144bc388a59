// gridhost::Worksheet: a table of text cells read from and saved to a CSV file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace gridhost {

/// A file that is not a worksheet; the message names the file and the line.
class WorksheetError : public std::runtime_error {
public:
    explicit WorksheetError(std::string const& message)
        : std::runtime_error(message) {}
};

/// The first line of the file names the columns; every further line is a row. Cells are
/// kept as text, so a save writes back exactly what was read unless a cell was set.
class Worksheet {
public:
    /// Reads comma-separated UTF-8 text (quotes as spreadsheets write them; a byte-order
    /// mark and CR LF line ends are accepted). Throws WorksheetError.
    static Worksheet Load(std::filesystem::path const& path);
    /// Reads `text` as if it were the file `path`.
    static Worksheet Parse(std::string_view text, std::filesystem::path const& path);

    /// Writes to the file it came from, replacing it atomically; throws shr::Exception
    /// naming the file when it cannot.
    void Save() const;
    /// The file's text: quotes only where a cell needs them, LF line ends.
    std::string Format() const;

    std::filesystem::path const& Path() const { return m_path; }
    unsigned ColumnCount() const { return static_cast<unsigned>(m_names.size()); }
    std::size_t RowCount() const { return m_rows.size(); }
    std::wstring const& ColumnName(unsigned column) const;
    /// Empty for a cell past the end of its row or of the sheet.
    std::wstring const& Cell(std::size_t row, unsigned column) const;
    /// Writes a cell of an existing row; a column past the last one adds columns.
    void SetCell(std::size_t row, unsigned column, std::wstring text);
    /// Names a column; a column past the last one adds columns.
    void SetColumnName(unsigned column, std::wstring name);

private:
    void Widen(unsigned columns);

    std::filesystem::path m_path;
    std::vector<std::wstring> m_names;
    std::vector<std::vector<std::wstring>> m_rows;
};

} // namespace gridhost
