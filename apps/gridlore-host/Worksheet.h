// gridhost::Worksheet: a table of text cells read from and saved to a CSV file.
#pragma once

#include "CsvDialect.h"

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

/// The first line of the file names the columns unless the file has no header; every
/// further line is a row. Cells are kept as text and each row keeps its own length, and a
/// save writes every row that was not set byte for byte as the file had it.
class Worksheet {
public:
    /// The most columns a sheet may have: the conversion dialog lists every one of them four
    /// times, which takes seconds at this width.
    static constexpr unsigned MaxColumns = 1024;
    /// The most cells (header included) and bytes a sheet may have: each cell is held as
    /// text of its own, and the grid keeps every row within reach.
    static constexpr std::size_t MaxCells = 10'000'000;
    static constexpr std::uintmax_t MaxBytes = 128U << 20U;

    /// A row whose number of cells differs from the header's (the first row's in a file
    /// without one).
    struct RaggedRow {
        std::size_t row;
        std::size_t cells;
        std::size_t line;
    };

    /// Reads separated UTF-8 text (quotes as spreadsheets write them; a byte-order mark
    /// and CR, LF or CR LF line ends) in the dialect the text shows, save what `choice`
    /// sets. Throws WorksheetError, also for a sheet beyond the limits above.
    static Worksheet Load(std::filesystem::path const& path, CsvDialectChoice const& choice = {});
    /// Reads `text` as if it were the file `path`.
    static Worksheet Parse(std::string_view text, std::filesystem::path const& path,
                           CsvDialectChoice const& choice = {});

    /// Writes to the file it came from, replacing it atomically; throws shr::Exception
    /// naming the file when it cannot.
    void Save() const;
    /// The file's text: the file's own bytes for every row not set; in a row that was,
    /// the cells not set as the file wrote them and the others with its separator, quoted
    /// where they need it (every one when the file quotes every cell of its first row).
    std::string Format() const;

    /// True when a cell or a column name was set since the file was read.
    bool HasChanges() const;
    /// The separator, decimal mark and header the sheet was read with.
    CsvDialect const& Dialect() const { return m_dialect; }
    std::vector<RaggedRow> const& RaggedRows() const { return m_ragged; }
    /// Names the rows whose cells do not line up with the header, the first few by number,
    /// on one line; empty when all do.
    std::wstring RaggedRowsWarning() const;

    std::filesystem::path const& Path() const { return m_path; }
    /// The length of the longest row or of the header.
    unsigned ColumnCount() const { return m_columns; }
    /// "\r\n", "\r" or "\n": the first line end of the file that ends a row, LF when it had
    /// none.
    std::string const& LineEnd() const { return m_lineEnd; }
    std::size_t RowCount() const { return m_rows.size(); }
    /// Empty for a column without a name, and for every column of a file without a header
    /// until one is set (names set there are shown, never written).
    std::wstring const& ColumnName(unsigned column) const;
    /// Empty for a cell past the end of its row or of the sheet.
    std::wstring const& Cell(std::size_t row, unsigned column) const;
    /// Writes a cell of an existing row; a column past the last one adds columns.
    void SetCell(std::size_t row, unsigned column, std::wstring text);
    /// Names a column; a column past the last one adds columns.
    void SetColumnName(unsigned column, std::wstring name);

private:
    /// Where a record lies in the file's text, line end excluded.
    struct Span {
        std::size_t start;
        std::size_t stop;
    };

    void Widen(unsigned columns);
    void AppendRecord(std::string& out, Span span, std::vector<std::wstring> const& cells) const;

    std::filesystem::path m_path;
    std::string m_text;
    CsvDialect m_dialect;
    bool m_quoteAll = false;
    std::vector<std::wstring> m_names;
    Span m_headerSpan{0, 0};
    bool m_headerSet = false;
    std::vector<std::vector<std::wstring>> m_rows;
    std::vector<Span> m_spans;
    std::vector<bool> m_rowSet;
    std::vector<RaggedRow> m_ragged;
    unsigned m_columns = 0;
    std::string m_lineEnd = "\n";
};

} // namespace gridhost
