// gridhost::WorksheetConversion: converts a worksheet's coordinate columns row by row.
#pragma once

#include "Worksheet.h"

#include "gridlore/CoordinateSystem.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace gridhost {

class WorksheetConversion {
public:
    /// A row that could not be converted: its index and why, in the user's words.
    struct BadRow {
        std::size_t row;
        std::wstring reason;
    };
    struct Report {
        std::size_t converted = 0;
        std::vector<BadRow> bad;
        /// The user stopped it; the rows after the last one reported are untouched.
        bool cancelled = false;
    };
    /// Called every so many rows with the rows done and the total; false stops the run.
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;

    /// Throws kor::KORException naming the system when either cannot be converted.
    WorksheetConversion(Gridlore::CoordinateSystem const& source,
                        Gridlore::CoordinateSystem const& target);
    ~WorksheetConversion();
    WorksheetConversion(WorksheetConversion const&) = delete;
    WorksheetConversion& operator=(WorksheetConversion const&) = delete;

    /// Reads X and Y from the `source` columns of every row and writes the converted
    /// values into the `target` columns. A row that cannot be converted gets empty target
    /// cells, never a made-up number, and is listed in the report. Target columns without
    /// a name are named after the target system.
    Report Run(Worksheet& sheet, std::pair<int, int> source, std::pair<int, int> target,
               Progress const& progress = {}) const;

    /// How many rows go between two calls of the progress function.
    static constexpr std::size_t ProgressStep = 4096;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

/// One line for the user: how many rows were converted and which could not be, with the
/// first few reasons.
std::wstring Describe(WorksheetConversion::Report const& report, std::size_t rows);

} // namespace gridhost
