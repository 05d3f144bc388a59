#include "Worksheet.h"

#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <algorithm>

namespace gridhost {

namespace {

using Record = std::vector<std::string>;

// Splits the text into records of fields. A quoted field may hold commas, line ends and
// doubled quotes; a quote left open is an error at the line it opened on.
std::vector<Record> SplitRecords(std::string_view text, std::filesystem::path const& path) {
    std::vector<Record> records;
    Record record;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    std::size_t line = 1;
    std::size_t quoteLine = 0;
    auto endRecord = [&] {
        if (fieldStarted || !record.empty()) {
            record.push_back(std::move(field));
            records.push_back(std::move(record));
        }
        record.clear();
        field.clear();
        fieldStarted = false;
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        char const ch = text[at];
        if (quoted) {
            if (ch == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                field += '"';
                ++at;
            } else if (ch == '"') {
                quoted = false;
            } else {
                line += ch == '\n' ? 1 : 0;
                field += ch;
            }
            continue;
        }
        if (ch == '"') {
            quoted = true;
            quoteLine = line;
            fieldStarted = true;
        } else if (ch == ',') {
            record.push_back(std::move(field));
            field.clear();
            fieldStarted = true;
        } else if (ch == '\n') {
            endRecord();
            ++line;
        } else if (ch != '\r') {
            field += ch;
            fieldStarted = true;
        }
    }
    if (quoted) {
        throw WorksheetError(path.string() + ":" + std::to_string(quoteLine) +
                             ": a quoted cell is never closed");
    }
    endRecord();
    return records;
}

std::wstring Decode(std::string const& field, std::filesystem::path const& path,
                    std::size_t record) {
    if (!shr::IsValidUtf8(field)) {
        throw WorksheetError(path.string() + ": record " + std::to_string(record + 1) +
                             " is not UTF-8 text");
    }
    return shr::FromUtf8(field);
}

void AppendCell(std::string& out, std::wstring const& cell) {
    std::string const text = shr::ToUtf8(cell);
    bool const needsQuotes = text.find_first_of(",\"\r\n") != std::string::npos ||
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

void AppendRecord(std::string& out, std::vector<std::wstring> const& cells, unsigned columns) {
    for (unsigned column = 0; column < columns; ++column) {
        if (column > 0) {
            out += ',';
        }
        if (column < cells.size()) {
            AppendCell(out, cells[column]);
        }
    }
    out += '\n';
}

std::wstring const& EmptyCell() {
    static std::wstring const empty;
    return empty;
}

} // namespace

Worksheet Worksheet::Load(std::filesystem::path const& path) {
    std::string text;
    try {
        text = shr::ReadWholeFile(path);
    } catch (std::exception const& error) {
        throw WorksheetError(shr::ToUtf8(shr::UserMessage(error)));
    }
    return Parse(text, path);
}

Worksheet Worksheet::Parse(std::string_view text, std::filesystem::path const& path) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<Record> const records = SplitRecords(text, path);
    if (records.empty()) {
        throw WorksheetError(path.string() + ": the file is empty; its first line must name the "
                                             "columns");
    }
    Worksheet sheet;
    sheet.m_path = path;
    for (std::string const& name : records.front()) {
        sheet.m_names.push_back(Decode(name, path, 0));
    }
    sheet.m_rows.reserve(records.size() - 1);
    for (std::size_t index = 1; index < records.size(); ++index) {
        std::vector<std::wstring> row;
        row.reserve(records[index].size());
        for (std::string const& field : records[index]) {
            row.push_back(Decode(field, path, index));
        }
        sheet.Widen(static_cast<unsigned>(row.size()));
        sheet.m_rows.push_back(std::move(row));
    }
    return sheet;
}

void Worksheet::Save() const {
    shr::ReplaceFileAtomically(m_path, Format());
}

std::string Worksheet::Format() const {
    std::string out;
    AppendRecord(out, m_names, ColumnCount());
    for (auto const& row : m_rows) {
        AppendRecord(out, row, ColumnCount());
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
    m_names[column] = std::move(name);
}

void Worksheet::Widen(unsigned columns) {
    if (m_names.size() < columns) {
        m_names.resize(columns);
    }
}

} // namespace gridhost
