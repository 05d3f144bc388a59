#include "CsvScanner.h"

#include "Worksheet.h"

#include <algorithm>
#include <utility>

namespace gridhost {

CsvScanner::CsvScanner(std::string_view text, std::filesystem::path path, char separator)
    : m_text(text)
    , m_path(std::move(path))
    , m_separator(separator) {}

bool CsvScanner::AtLineEnd() const {
    return m_at < m_text.size() && (m_text[m_at] == '\r' || m_text[m_at] == '\n');
}

// Consumes one line end, a CR LF pair being one.
std::string_view CsvScanner::ConsumeLineEnd() {
    std::string_view const end =
        m_text.substr(m_at, m_text.substr(m_at).starts_with("\r\n") ? 2 : 1);
    m_at += end.size();
    ++m_line;
    return end;
}

void CsvScanner::SkipBlankLines() {
    while (AtLineEnd()) {
        ConsumeLineEnd();
    }
}

// Takes a quoted field's text up to its closing quote; doubled quotes are one quote.
void CsvScanner::TakeQuoted(std::string& field) {
    std::size_t const opened = m_line;
    ++m_at;
    for (;;) {
        std::size_t const quote = m_text.find('"', m_at);
        if (quote == std::string_view::npos) {
            throw WorksheetError(m_path.string() + ":" + std::to_string(opened) +
                                 ": a quoted cell is never closed");
        }
        // A line end inside quotes is the cell's own, byte for byte; it still counts as a
        // line for the messages.
        std::string_view const text = m_text.substr(m_at, quote - m_at);
        for (std::size_t at = text.find_first_of("\r\n"); at != std::string_view::npos;
             at = text.find_first_of("\r\n", at + 1)) {
            m_line += text.substr(at).starts_with("\r\n") ? 0 : 1;
        }
        field += text;
        m_at = quote + 1;
        if (m_at == m_text.size() || m_text[m_at] != '"') {
            return;
        }
        field += '"';
        ++m_at;
    }
}

bool CsvScanner::NextField(std::string& field) {
    field.clear();
    if (m_recordEnded) {
        SkipBlankLines();
        if (m_at == m_text.size()) {
            return false;
        }
        m_recordLine = m_line;
        m_recordStart = m_at;
    }
    m_fieldStart = m_at;
    char const stops[] = {m_separator, '"', '\r', '\n', '\0'};
    for (;;) {
        std::size_t const stop = std::min(m_text.find_first_of(stops, m_at), m_text.size());
        field += m_text.substr(m_at, stop - m_at);
        m_at = stop;
        m_fieldStop = m_at;
        if (m_at == m_text.size()) {
            m_recordEnded = true;
            return true;
        }
        if (m_text[m_at] == '"') {
            TakeQuoted(field);
        } else if (m_text[m_at] == m_separator) {
            ++m_at;
            m_recordEnded = false;
            return true;
        } else {
            // Only a line end that ends a record is written again, so only such a one
            // is the text's own.
            std::string_view const end = ConsumeLineEnd();
            m_lineEnd = m_lineEnd.empty() ? end : m_lineEnd;
            m_recordEnded = true;
            return true;
        }
    }
}

} // namespace gridhost
