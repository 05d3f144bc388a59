// gridhost::CsvScanner: walks comma-separated text field by field.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace gridhost {

/// Reads fields as spreadsheets write them: a quoted field may hold commas, doubled quotes
/// and line ends; outside quotes CR, LF and CR LF each end a record, and a line holding
/// nothing is no record at all. Every other byte belongs to a field.
class CsvScanner {
public:
    /// `path` names the text in errors; the text must outlive the scanner.
    CsvScanner(std::string_view text, std::filesystem::path path);

    /// Reads the next field into `field`; false when the text has no more. Throws
    /// WorksheetError at the line where a quote opened and never closed.
    bool NextField(std::string& field);
    /// True when the field just read was the last of its record.
    bool RecordEnded() const { return m_recordEnded; }
    /// The line (from 1) on which the record of the field just read starts.
    std::size_t RecordLine() const { return m_recordLine; }
    /// The first line end that ended a record, as the text wrote it; empty before one.
    std::string_view LineEnd() const { return m_lineEnd; }

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
    bool m_recordEnded = true;
};

} // namespace gridhost
