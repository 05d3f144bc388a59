#include "Worksheet.h"

#include "CsvScanner.h"

#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <algorithm>

namespace gridhost {

namespace {

using Record = std::vector<std::string>;

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

void CheckSize(std::uintmax_t bytes, std::filesystem::path const& path) {
    if (bytes > Worksheet::MaxBytes) {
        throw WorksheetError(path.string() + ": the file has " + std::to_string(bytes >> 20U) +
                             " MB; the host shows worksheets of at most " +
                             std::to_string(Worksheet::MaxBytes >> 20U) + " MB");
    }
}

// Counts the cells before any is kept, so a sheet beyond the limits is refused without
// first taking the memory it would need.
std::size_t CheckShape(std::string_view text, std::filesystem::path const& path) {
    CsvScanner scanner(text, path);
    std::string field;
    std::size_t records = 0;
    std::size_t cells = 0;
    std::size_t width = 0;
    while (scanner.NextField(field)) {
        ++cells;
        if (++width > Worksheet::MaxColumns) {
            throw WorksheetError(path.string() + ":" + std::to_string(scanner.RecordLine()) +
                                 ": the row has more than " +
                                 std::to_string(Worksheet::MaxColumns) +
                                 " cells; the host shows at most that many columns");
        }
        if (cells > Worksheet::MaxCells) {
            throw WorksheetError(path.string() + ":" + std::to_string(scanner.RecordLine()) +
                                 ": the worksheet has more than " +
                                 std::to_string(Worksheet::MaxCells) +
                                 " cells; the host shows at most that many");
        }
        if (scanner.RecordEnded()) {
            width = 0;
            ++records;
        }
    }
    return records;
}

std::wstring Decode(std::string const& field, std::filesystem::path const& path, std::size_t line) {
    if (!shr::IsValidUtf8(field)) {
        throw WorksheetError(path.string() + ":" + std::to_string(line) +
                             ": the line is not UTF-8 text");
    }
    return shr::FromUtf8(field);
}

void AppendCell(std::string& out, std::wstring const& cell) {
    std::string const text = shr::ToUtf8(cell);
    // A leading mark would be taken for the file's own and dropped when read.
    bool const needsQuotes = text.find_first_of(",\"\r\n") != std::string::npos ||
                             text.starts_with(ByteOrderMark) ||
                             (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes) {
        out += text;
        return;
    }
    out += '"';
    for (char ch : text) {
        out += ch;
        if (ch == '"') {
            out += '"';
        }
    }
    out += '"';
}

void AppendRecord(std::string& out, std::vector<std::wstring> const& cells) {
    // An unquoted lone empty cell would be a blank line, which reads as no row at all.
    if (cells.empty() || (cells.size() == 1 && cells.front().empty())) {
        out += "\"\"";
        return;
    }
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (column > 0) {
            out += ',';
        }
        AppendCell(out, cells[column]);
    }
}

std::wstring const& EmptyCell() {
    static std::wstring const empty;
    return empty;
}

} // namespace

Worksheet Worksheet::Load(std::filesystem::path const& path) {
    std::error_code unknown;
    std::uintmax_t const bytes = std::filesystem::file_size(path, unknown);
    if (!unknown) {
        CheckSize(bytes, path);
    }
    std::string text;
    try {
        text = shr::ReadWholeFile(path);
    } catch (std::exception const& error) {
        throw WorksheetError(shr::ToUtf8(shr::UserMessage(error)));
    }
    return Parse(text, path);
}

Worksheet Worksheet::Parse(std::string_view text, std::filesystem::path const& path) {
    CheckSize(text.size(), path);
    Worksheet sheet;
    sheet.m_path = path;
    sheet.m_byteOrderMark = text.starts_with(ByteOrderMark);
    if (sheet.m_byteOrderMark) {
        text.remove_prefix(ByteOrderMark.size());
    }
    std::size_t const records = CheckShape(text, path);
    if (records == 0) {
        throw WorksheetError(path.string() + ": the file is empty; its first line must name the "
                                             "columns");
    }
    sheet.m_rows.reserve(records - 1);

    CsvScanner scanner(text, path);
    std::string field;
    std::vector<std::wstring> record;
    bool header = true;
    while (scanner.NextField(field)) {
        record.push_back(Decode(field, path, scanner.RecordLine()));
        if (!scanner.RecordEnded()) {
            continue;
        }
        sheet.Widen(static_cast<unsigned>(record.size()));
        if (header) {
            sheet.m_names = std::move(record);
            header = false;
        } else {
            sheet.m_rows.push_back(std::move(record));
        }
        record.clear();
    }
    if (!scanner.LineEnd().empty()) {
        sheet.m_lineEnd = scanner.LineEnd();
    }
    sheet.m_finalLineEnd = text.ends_with('\n') || text.ends_with('\r');
    return sheet;
}

void Worksheet::Save() const {
    shr::ReplaceFileAtomically(m_path, Format());
}

std::string Worksheet::Format() const {
    std::string out(m_byteOrderMark ? ByteOrderMark : std::string_view());
    AppendRecord(out, m_names);
    for (auto const& row : m_rows) {
        out += m_lineEnd;
        AppendRecord(out, row);
    }
    if (m_finalLineEnd) {
        out += m_lineEnd;
    }
    return out;
}

std::wstring const& Worksheet::ColumnName(unsigned column) const {
    return column < m_names.size() ? m_names[column] : EmptyCell();
}

std::wstring const& Worksheet::Cell(std::size_t row, unsigned column) const {
    if (row >= m_rows.size() || column >= m_rows[row].size()) {
        return EmptyCell();
    }
    return m_rows[row][column];
}

void Worksheet::SetCell(std::size_t row, unsigned column, std::wstring text) {
    std::vector<std::wstring>& cells = m_rows.at(row);
    Widen(column + 1);
    if (cells.size() <= column) {
        cells.resize(column + 1);
    }
    cells[column] = std::move(text);
}

void Worksheet::SetColumnName(unsigned column, std::wstring name) {
    Widen(column + 1);
    if (m_names.size() <= column) {
        m_names.resize(column + 1);
    }
    m_names[column] = std::move(name);
}

void Worksheet::Widen(unsigned columns) {
    m_columns = std::max(m_columns, columns);
}

} // namespace gridhost
