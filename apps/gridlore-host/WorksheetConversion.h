// gridhost::WorksheetConversion: converts a worksheet's coordinate columns row by row.
#pragma once

#include "Worksheet.h"

#include "gridlore/CoordinateSystem.h"
#include "kor/CoordinateTransform.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace gridhost {

/// How a worksheet conversion runs.
struct ConversionOptions {
    /// Leave points outside an area of use empty, as bad rows, rather than convert and
    /// flag them.
    bool strictAreas = false;
    /// The operation to use, by name; the best for the sheet's points when empty.
    std::wstring operation;
};

class WorksheetConversion {
public:
    /// A row that could not be converted: its index and why, in the user's words.
    struct BadRow {
        std::size_t row;
        std::wstring reason;
    };
    /// A row converted although it lies outside an area of use: its index, which area
    /// (index into `Report::areas`) and how far outside, in the user's words.
    struct FlaggedRow {
        std::size_t row;
        std::size_t area;
        std::wstring note;
    };
    /// An area of use and how many rows lie outside it.
    struct AreaCount {
        kor::CoordinateTransform::AreaOfUse area;
        std::size_t rows = 0;
    };
    struct Report {
        std::size_t converted = 0;
        std::vector<BadRow> bad;
        /// Converted (counted in `converted`) but outside an area of use.
        std::vector<FlaggedRow> flagged;
        std::vector<AreaCount> areas;
        /// The user stopped it; the rows after the last one reported are untouched.
        bool cancelled = false;
        /// The operation used and those that were offered, best first.
        kor::CoordinateTransform::Operation operation;
        std::vector<kor::CoordinateTransform::Operation> candidates;
        /// The operation asked for in the options, when it could not be used.
        std::wstring operationRefused;
    };
    using Options = ConversionOptions;
    /// Called every so many rows with the rows done and the total; false stops the run.
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;

    /// Throws kor::KORException naming the system when either cannot be converted.
    WorksheetConversion(Gridlore::CoordinateSystem const& source,
                        Gridlore::CoordinateSystem const& target, Options options = {});
    ~WorksheetConversion();
    WorksheetConversion(WorksheetConversion const&) = delete;
    WorksheetConversion& operator=(WorksheetConversion const&) = delete;

    /// The operations between the two systems for the points of the `source` columns,
    /// best first. Throws kor::KORException naming the systems when none can be used.
    std::vector<kor::CoordinateTransform::Operation> Operations(Worksheet const& sheet,
                                                                std::pair<int, int> source) const;

    /// Reads X and Y from the `source` columns of every row and writes the converted
    /// values into the `target` columns, both with the sheet's decimal mark, through the operation
    /// best for the rows' extent (or the one the options name). A row that cannot be converted gets
    /// empty target cells, never a made-up number, and is listed in the report; so does, with the
    /// strict option, one outside an area of use, which is otherwise converted and
    /// flagged. Target columns without a name are named after the target system. Throws
    /// kor::KORException naming the systems when no operation can be used.
    Report Run(Worksheet& sheet, std::pair<int, int> source, std::pair<int, int> target,
               Progress const& progress = {}) const;

    /// How many rows go between two calls of the progress function.
    static constexpr std::size_t ProgressStep = 4096;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

/// For the user: how many rows were converted (the first line), the operation and its
/// accuracy, a better one that needs a grid not installed, the rows outside each area of
/// use, and which rows could not be converted, with the first few reasons.
std::wstring Describe(WorksheetConversion::Report const& report, std::size_t rows);

/// One operation in a line: its name, accuracy and area, and the grids it lacks.
std::wstring Describe(kor::CoordinateTransform::Operation const& operation);

} // namespace gridhost
