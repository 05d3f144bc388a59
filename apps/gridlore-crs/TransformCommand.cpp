#include "TransformCommand.h"

#include "CommandInput.h"
#include "CrsCommands.h"

#include "CsvDialect.h"
#include "HostConvertWks.h"
#include "Worksheet.h"
#include "WorksheetColumns.h"
#include "WorksheetConversion.h"

#include "gridlore/CoordinateSystem.h"
#include "kor/KORException.h"
#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <utility>

namespace crstool {
namespace {

using gridhost::Worksheet;

struct TransformArguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> files;
};

TransformArguments Read(std::vector<std::string> const& arguments) {
    static constexpr char const* Known[] = {"--from",   "--to",        "--columns",
                                            "--into",   "--separator", "--decimal-mark",
                                            "--header", "--operation", "--outside-area"};
    TransformArguments read;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        std::string const& argument = arguments[at];
        if (!argument.starts_with("--")) {
            read.files.push_back(argument);
            continue;
        }
        std::size_t const equals = argument.find('=');
        std::string const name = argument.substr(0, equals);
        if (std::find(std::begin(Known), std::end(Known), name) == std::end(Known)) {
            throw UsageError{"transform: unknown option '" + Echo(name) + "'"};
        }
        if (equals != std::string::npos) {
            read.options[name] = argument.substr(equals + 1);
        } else if (at + 1 < arguments.size()) {
            read.options[name] = arguments[++at];
        } else {
            throw UsageError{"transform: " + name + " needs a value"};
        }
    }
    if (read.files.empty() || read.files.size() > 2) {
        throw UsageError{"transform takes IN.csv and at most OUT.csv"};
    }
    for (char const* required : {"--from", "--to"}) {
        if (!read.options.contains(required)) {
            throw UsageError{std::string("transform needs ") + required + " SYSTEM"};
        }
    }
    return read;
}

std::optional<std::string> Option(TransformArguments const& arguments, std::string const& name) {
    auto const found = arguments.options.find(name);
    return found == arguments.options.end() ? std::nullopt : std::optional(found->second);
}

gridhost::CsvDialectChoice DialectChoice(TransformArguments const& arguments) {
    gridhost::CsvDialectChoice choice;
    if (auto const separator = Option(arguments, "--separator")) {
        choice.separator = gridhost::SeparatorNamed(*separator);
        if (!choice.separator) {
            throw UsageError{"--separator '" + Echo(*separator) + "': use comma, semicolon or tab"};
        }
    }
    if (auto const mark = Option(arguments, "--decimal-mark")) {
        choice.decimalMark = gridhost::DecimalMarkNamed(*mark);
        if (!choice.decimalMark) {
            throw UsageError{"--decimal-mark '" + Echo(*mark) + "': use point or comma"};
        }
    }
    if (auto const header = Option(arguments, "--header")) {
        if (*header != "yes" && *header != "no") {
            throw UsageError{"--header '" + Echo(*header) + "': use yes or no"};
        }
        choice.header = *header == "yes";
    }
    return choice;
}

// A bare number is an EPSG code, as users write them.
Gridlore::CoordinateSystem System(std::string const& option, std::string const& text) {
    bool const code = !text.empty() && std::all_of(text.begin(), text.end(),
                                                   [](char ch) { return ch >= '0' && ch <= '9'; });
    try {
        return Gridlore::CoordinateSystem(*LoadDefinition(code ? "EPSG:" + text : text));
    } catch (BadInput const& error) {
        throw BadInput{option + " '" + Echo(text) + "': " + error.message};
    }
}

std::pair<std::string, std::string> ColumnPair(std::string const& option, std::string const& text) {
    std::size_t const comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos ||
        comma == 0 || comma + 1 == text.size()) {
        throw UsageError{option + " '" + Echo(text) + "': give two columns, as in X,Y"};
    }
    return {text.substr(0, comma), text.substr(comma + 1)};
}

// A column given by letter, when `text` is letters and names a column below `limit`.
std::optional<int> Lettered(gridhost::HostConvertWks& settings, std::wstring const& text,
                            unsigned limit) {
    int const column = settings.ColumnFromLabel(text);
    return column >= 0 && static_cast<unsigned>(column) < limit ? std::optional(column)
                                                                : std::nullopt;
}

// A source column is one the file has, by name or by letter.
int SourceColumn(Worksheet const& sheet, gridhost::HostConvertWks& settings,
                 std::string const& file, std::string const& text) {
    std::wstring const wide = shr::FromUtf8(text);
    std::optional<int> column = gridhost::ColumnNamed(sheet, {wide});
    if (!column) {
        column = Lettered(settings, wide, sheet.ColumnCount());
    }
    if (!column) {
        throw BadInput{"--columns: '" + Echo(file) + "' has no column named '" + Echo(text) + "'"};
    }
    return *column;
}

// A target column is one named so, else a new one after the last; a file without a
// header has no names, so there a letter says which.
int TargetColumn(Worksheet& sheet, gridhost::HostConvertWks& settings, std::string const& text) {
    std::wstring const wide = shr::FromUtf8(text);
    if (std::optional<int> const named = gridhost::ColumnNamed(sheet, {wide})) {
        return *named;
    }
    if (!sheet.Dialect().header) {
        if (std::optional<int> const lettered = Lettered(settings, wide, Worksheet::MaxColumns)) {
            return *lettered;
        }
        throw BadInput{"--into '" + Echo(text) +
                       "': the file has no header, so give a column "
                       "letter up to " +
                       shr::ToUtf8(settings.Letter(Worksheet::MaxColumns - 1))};
    }
    auto const column = sheet.ColumnCount();
    sheet.SetColumnName(column, wide);
    return static_cast<int>(column);
}

void Write(Worksheet const& sheet, std::optional<std::string> const& output, std::ostream& out) {
    if (!output) {
        out << sheet.Format();
        return;
    }
    try {
        shr::ReplaceFileAtomically(*output, sheet.Format());
    } catch (std::exception const& error) {
        throw BadInput{shr::ToUtf8(shr::UserMessage(error))};
    }
}

// Every line of a message of the host's, as one of this program's.
void Tell(std::ostream& err, std::wstring const& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t const end = std::min(text.find(L'\n', start), text.size());
        err << "gridlore-crs: " << shr::ToUtf8(text.substr(start, end - start)) << '\n';
        start = end + 1;
    }
}

bool StrictAreas(TransformArguments const& arguments) {
    auto const rule = Option(arguments, "--outside-area");
    if (!rule || *rule == "convert") {
        return false;
    }
    if (*rule == "empty") {
        return true;
    }
    throw UsageError{"--outside-area '" + Echo(*rule) + "': use convert or empty"};
}

} // namespace

int Transform(std::vector<std::string> const& arguments, std::ostream& out, std::ostream& err) {
    TransformArguments const read = Read(arguments);
    gridhost::CsvDialectChoice const choice = DialectChoice(read);
    std::string const& input = read.files.front();
    std::optional<std::string> const output =
        read.files.size() > 1 ? std::optional(read.files[1]) : std::nullopt;
    std::optional<std::pair<std::string, std::string>> sourceNames;
    std::optional<std::pair<std::string, std::string>> targetNames;
    if (auto const columns = Option(read, "--columns")) {
        sourceNames = ColumnPair("--columns", *columns);
    }
    if (auto const into = Option(read, "--into")) {
        targetNames = ColumnPair("--into", *into);
    }
    Gridlore::CoordinateSystem const source = System("--from", read.options.at("--from"));
    Gridlore::CoordinateSystem const target = System("--to", read.options.at("--to"));

    Worksheet sheet = [&input, &choice] {
        try {
            return Worksheet::Load(input, choice);
        } catch (gridhost::WorksheetError const& error) {
            throw BadInput{error.what()};
        }
    }();
    Tell(err, shr::FromUtf8(input) + L": read as " + sheet.Dialect().Describe());
    if (!sheet.RaggedRows().empty()) {
        Tell(err, shr::FromUtf8(input) + L": " + sheet.RaggedRowsWarning());
    }

    gridhost::HostConvertWks settings(sheet, L"", nullptr);
    gridhost::ColumnGuess const guess = gridhost::GuessColumns(sheet);
    settings.m_sourceCols = guess.source;
    settings.m_destCols = guess.target;
    if (sourceNames) {
        settings.m_sourceCols = {SourceColumn(sheet, settings, input, sourceNames->first),
                                 SourceColumn(sheet, settings, input, sourceNames->second)};
    }
    if (targetNames) {
        settings.m_destCols = {TargetColumn(sheet, settings, targetNames->first),
                               TargetColumn(sheet, settings, targetNames->second)};
    }
    settings.m_sourceCS = source;
    settings.m_destCS = target;
    if (std::optional<std::wstring> const problem = settings.Problem()) {
        throw BadInput{Echo(input) + ": " + shr::ToUtf8(*problem)};
    }

    gridhost::ConversionOptions options;
    options.strictAreas = StrictAreas(read);
    if (auto const operation = Option(read, "--operation")) {
        options.operation = shr::FromUtf8(*operation);
    }
    auto const cannotConvert = [&read](kor::KORException const& error) {
        return BadInput{"the file cannot be converted from '" + Echo(read.options.at("--from")) +
                        "' to '" + Echo(read.options.at("--to")) +
                        "': " + shr::ToUtf8(error.Message())};
    };
    gridhost::WorksheetConversion::Report report;
    try {
        gridhost::WorksheetConversion const conversion(source, target, options);
        report = conversion.Run(sheet, settings.GetSourceCols(), settings.GetDestCols());
    } catch (kor::KORException const& error) {
        throw cannotConvert(error);
    }
    Tell(err, gridhost::Describe(report, sheet.RowCount()));
    Write(sheet, output, out);
    // A script must notice rows that were converted from beyond a system's area too.
    return report.bad.empty() && report.flagged.empty() ? ExitSuccess : ExitBadInput;
}

} // namespace crstool
