// gridhost::Worksheet: a table of text cells read from and saved to a CSV file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace gridhost {

/// A file that is not a worksheet; the message names the file and the line.
class WorksheetError : public std::runtime_error {
public:
    explicit WorksheetError(std::string const& message)
        : std::runtime_error(message) {}
};

/// The first line of the file names the columns; every further line is a row. Cells are
/// kept as text and each row keeps its own length, so a save writes back exactly what was
/// read unless a cell was set.
class Worksheet {
public:
    /// The most columns a sheet may have: the conversion dialog lists every one of them four
    /// times, which takes seconds at this width.
    static constexpr unsigned MaxColumns = 1024;
    /// The most cells (header included) and bytes a sheet may have: each cell is held as
    /// text of its own, and the grid keeps every row within reach.
    static constexpr std::size_t MaxCells = 10'000'000;
    static constexpr std::uintmax_t MaxBytes = 128U << 20U;

    /// Reads comma-separated UTF-8 text (quotes as spreadsheets write them; a byte-order
    /// mark and CR, LF or CR LF line ends). Throws WorksheetError, also for a sheet beyond
    /// the limits above.
    static Worksheet Load(std::filesystem::path const& path);
    /// Reads `text` as if it were the file `path`.
    static Worksheet Parse(std::string_view text, std::filesystem::path const& path);

    /// Writes to the file it came from, replacing it atomically; throws shr::Exception
    /// naming the file when it cannot.
    void Save() const;
    /// The file's text: quotes only where a cell needs them; the line ends, byte-order mark
    /// and final line end as the file had them.
    std::string Format() const;

    std::filesystem::path const& Path() const { return m_path; }
    /// The length of the longest row or of the header.
    unsigned ColumnCount() const { return m_columns; }
    /// "\r\n", "\r" or "\n": the first line end of the file, LF when it had none.
    std::string const& LineEnd() const { return m_lineEnd; }
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
    unsigned m_columns = 0;
    std::string m_lineEnd = "\n";
    bool m_byteOrderMark = false;
    bool m_finalLineEnd = true;
};

} // namespace gridhost
