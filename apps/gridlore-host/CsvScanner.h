// gridhost::CsvScanner: walks separated text field by field.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace gridhost {

/// Reads fields as spreadsheets write them: a quoted field may hold separators, doubled
/// quotes and line ends; outside quotes CR, LF and CR LF each end a record, and a line holding
/// nothing is no record at all. Every other byte belongs to a field.
class CsvScanner {
public:
    /// `path` names the text in errors; the text must outlive the scanner. `separator`
    /// parts the fields of a record: a comma, a semicolon or a tab.
    CsvScanner(std::string_view text, std::filesystem::path path, char separator = ',');

    /// Reads the next field into `field`; false when the text has no more. Throws
    /// WorksheetError at the line where a quote opened and never closed.
    bool NextField(std::string& field);
    /// True when the field just read was the last of its record.
    bool RecordEnded() const { return m_recordEnded; }
    /// The line (from 1) on which the record of the field just read starts.
    std::size_t RecordLine() const { return m_recordLine; }
    /// The first line end that ended a record, as the text wrote it; empty before one.
    std::string_view LineEnd() const { return m_lineEnd; }
    /// The bytes of the field just read as the text wrote them, quotes included.
    std::string_view RawField() const {
        return m_text.substr(m_fieldStart, m_fieldStop - m_fieldStart);
    }
    /// Where in the text the record of the field just read starts, and where it stops
    /// (before its line end); the stop is known once RecordEnded().
    std::size_t RecordStart() const { return m_recordStart; }
    std::size_t RecordStop() const { return m_fieldStop; }

private:
    void TakeQuoted(std::string& field);
    void SkipBlankLines();
    std::string_view ConsumeLineEnd();
    bool AtLineEnd() const;

    std::string_view m_text;
    std::filesystem::path m_path;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
    std::size_t m_recordLine = 1;
    std::string_view m_lineEnd;
    char m_separator;
    std::size_t m_recordStart = 0;
    std::size_t m_fieldStart = 0;
    std::size_t m_fieldStop = 0;
    bool m_recordEnded = true;
};

} // namespace gridhost
