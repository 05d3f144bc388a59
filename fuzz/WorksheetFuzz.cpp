// Reading a worksheet: only the worksheet's own error escapes, and a sheet that is read
// saves and reads back cell for cell, with the same line ends.
#include "FuzzSupport.h"

#include "Worksheet.h"

#include <optional>

namespace {

using gridhost::Worksheet;

bool SameCells(Worksheet const& read, Worksheet const& back) {
    if (back.RowCount() != read.RowCount() || back.ColumnCount() != read.ColumnCount()) {
        return false;
    }
    for (unsigned column = 0; column < read.ColumnCount(); ++column) {
        if (back.ColumnName(column) != read.ColumnName(column)) {
            return false;
        }
        for (std::size_t row = 0; row < read.RowCount(); ++row) {
            if (back.Cell(row, column) != read.Cell(row, column)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    std::optional<Worksheet> read;
    try {
        read = Worksheet::Parse(fuzzsupport::Bytes(data, size), "fuzz.csv");
    } catch (gridhost::WorksheetError const&) {
        return 0;
    } catch (std::exception const& error) {
        fuzzsupport::Fail(std::string("an exception other than the worksheet's escaped: ") +
                          error.what());
    }
    std::string const saved = read->Format();
    std::optional<Worksheet> back;
    try {
        back = Worksheet::Parse(saved, "fuzz.csv");
    } catch (std::exception const& error) {
        fuzzsupport::Fail(std::string("a saved worksheet was refused: ") + error.what());
    }
    if (!SameCells(*read, *back)) {
        fuzzsupport::Fail("a saved worksheet did not read back cell for cell");
    }
    if (back->LineEnd() != read->LineEnd() || back->Format() != saved) {
        fuzzsupport::Fail("a saved worksheet did not save the same again");
    }
    return 0;
}
