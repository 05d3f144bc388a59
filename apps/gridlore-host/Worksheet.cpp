#include "Worksheet.h"

#include "CsvScanner.h"

#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <algorithm>

namespace gridhost {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// The warning about rows that do not line up names this many by number.
constexpr std::size_t RaggedRowsListed = 10;

void CheckSize(std::uintmax_t bytes, std::filesystem::path const& path) {
    if (bytes > Worksheet::MaxBytes) {
        throw WorksheetError(path.string() + ": the file has " + std::to_string(bytes >> 20U) +
                             " MB; the host shows worksheets of at most " +
                             std::to_string(Worksheet::MaxBytes >> 20U) + " MB");
    }
}

// Counts the cells before any is kept, so a sheet beyond the limits is refused without
// first taking the memory it would need.
std::size_t CheckShape(CsvScanner scanner, std::filesystem::path const& path) {
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

void AppendCell(std::string& out, std::wstring const& cell, char separator, bool quoteAll) {
    std::string const text = shr::ToUtf8(cell);
    char const special[] = {separator, '"', '\r', '\n', '\0'};
    // A leading mark would be taken for the file's own and dropped when read.
    bool const needsQuotes = quoteAll || text.find_first_of(special) != std::string::npos ||
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

std::wstring const& EmptyCell() {
    static std::wstring const empty;
    return empty;
}

} // namespace

Worksheet Worksheet::Load(std::filesystem::path const& path, CsvDialectChoice const& choice) {
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
    return Parse(text, path, choice);
}

Worksheet Worksheet::Parse(std::string_view text, std::filesystem::path const& path,
                           CsvDialectChoice const& choice) {
    CheckSize(text.size(), path);
    Worksheet sheet;
    sheet.m_path = path;
    sheet.m_text = text;
    std::size_t const body = text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
    sheet.m_dialect = choice.Over(CsvDialect::Guess(text.substr(body)));
    std::string_view const cells = std::string_view(sheet.m_text).substr(body);
    std::size_t const records =
        CheckShape(CsvScanner(cells, path, sheet.m_dialect.separator), path);
    if (records == 0) {
        throw WorksheetError(path.string() + ": the file is empty; its first line must name the "
                                             "columns");
    }
    sheet.m_rows.reserve(records);
    sheet.m_spans.reserve(records);

    CsvScanner scanner(cells, path, sheet.m_dialect.separator);
    std::string field;
    std::vector<std::wstring> record;
    bool header = sheet.m_dialect.header;
    bool first = true;
    bool quoted = true;
    std::size_t width = 0;
    while (scanner.NextField(field)) {
        record.push_back(Decode(field, path, scanner.RecordLine()));
        quoted = quoted && scanner.RawField().starts_with('"');
        if (!scanner.RecordEnded()) {
            continue;
        }
        sheet.Widen(static_cast<unsigned>(record.size()));
        // Spans count from the start of the file, byte-order mark included.
        Span const span{body + scanner.RecordStart(), body + scanner.RecordStop()};
        if (first) {
            width = record.size();
            sheet.m_quoteAll = quoted;
            first = false;
        } else if (record.size() != width) {
            sheet.m_ragged.push_back({sheet.m_rows.size(), record.size(), scanner.RecordLine()});
        }
        if (header) {
            sheet.m_names = std::move(record);
            sheet.m_headerSpan = span;
            header = false;
        } else {
            sheet.m_rows.push_back(std::move(record));
            sheet.m_spans.push_back(span);
        }
        record.clear();
    }
    sheet.m_rowSet.assign(sheet.m_rows.size(), false);
    if (!scanner.LineEnd().empty()) {
        sheet.m_lineEnd = scanner.LineEnd();
    }
    return sheet;
}

void Worksheet::Save() const {
    shr::ReplaceFileAtomically(m_path, Format());
}

// A row that was set keeps the bytes of each cell that still holds what the file had.
void Worksheet::AppendRecord(std::string& out, Span span,
                             std::vector<std::wstring> const& cells) const {
    // An unquoted lone empty cell would be a blank line, which reads as no row at all.
    if (cells.empty() || (cells.size() == 1 && cells.front().empty())) {
        out += "\"\"";
        return;
    }
    std::vector<std::pair<std::wstring, std::string_view>> written;
    CsvScanner scanner(std::string_view(m_text).substr(span.start, span.stop - span.start), m_path,
                       m_dialect.separator);
    std::string field;
    while (scanner.NextField(field)) {
        written.emplace_back(shr::FromUtf8(field), scanner.RawField());
    }
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (column > 0) {
            out += m_dialect.separator;
        }
        if (column < written.size() && written[column].first == cells[column]) {
            out += written[column].second;
        } else {
            AppendCell(out, cells[column], m_dialect.separator, m_quoteAll);
        }
    }
}

bool Worksheet::HasChanges() const {
    return m_headerSet || std::find(m_rowSet.begin(), m_rowSet.end(), true) != m_rowSet.end();
}

std::string Worksheet::Format() const {
    if (!HasChanges()) {
        return m_text;
    }
    std::string out;
    out.reserve(m_text.size() + m_text.size() / 4);
    std::size_t at = 0;
    auto const append = [&](Span span, std::vector<std::wstring> const& cells, bool set) {
        out.append(m_text, at, span.start - at);
        if (set) {
            AppendRecord(out, span, cells);
        } else {
            out.append(m_text, span.start, span.stop - span.start);
        }
        at = span.stop;
    };
    if (m_dialect.header) {
        append(m_headerSpan, m_names, m_headerSet);
    }
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        append(m_spans[row], m_rows[row], m_rowSet[row]);
    }
    out.append(m_text, at);
    return out;
}

std::wstring Worksheet::RaggedRowsWarning() const {
    if (m_ragged.empty()) {
        return {};
    }
    std::size_t const width = m_dialect.header ? m_names.size() : m_rows.front().size();
    std::wstring text =
        std::to_wstring(m_ragged.size()) + (m_ragged.size() == 1 ? L" row has" : L" rows have") +
        L" more or fewer cells than the " + (m_dialect.header ? L"header" : L"first row") + L" (" +
        std::to_wstring(width) + L"); their cells stay in the columns they are in:";
    for (std::size_t index = 0; index < m_ragged.size() && index < RaggedRowsListed; ++index) {
        RaggedRow const& ragged = m_ragged[index];
        text += std::wstring(index == 0 ? L" row " : L", row ") + std::to_wstring(ragged.row + 1) +
                L" (line " + std::to_wstring(ragged.line) + L") has " +
                std::to_wstring(ragged.cells);
    }
    if (m_ragged.size() > RaggedRowsListed) {
        text += L" and " + std::to_wstring(m_ragged.size() - RaggedRowsListed) + L" more";
    }
    return text;
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
    m_rowSet[row] = true;
}

void Worksheet::SetColumnName(unsigned column, std::wstring name) {
    Widen(column + 1);
    if (m_names.size() <= column) {
        m_names.resize(column + 1);
    }
    m_names[column] = std::move(name);
    m_headerSet = true;
}

void Worksheet::Widen(unsigned columns) {
    m_columns = std::max(m_columns, columns);
}

} // namespace gridhost
