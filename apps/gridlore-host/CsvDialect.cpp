#include "CsvDialect.h"

#include "CsvScanner.h"
#include "Worksheet.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace gridhost {

namespace {

// Enough rows to see a file's shape, few enough that a guess costs nothing on a big one.
constexpr std::size_t RecordsLooked = 200;

using Records = std::vector<std::vector<std::string>>;

Records FirstRecords(std::string_view text, char separator) {
    CsvScanner scanner(text, {}, separator);
    Records records(1);
    std::string field;
    try {
        while (records.size() <= RecordsLooked && scanner.NextField(field)) {
            records.back().push_back(field);
            if (scanner.RecordEnded()) {
                records.emplace_back();
            }
        }
    } catch (WorksheetError const&) {
        // A quote never closed is reported when the file is read; the rows before it
        // still tell its shape.
    }
    if (records.back().empty()) {
        records.pop_back();
    }
    return records;
}

// How many rows have as many cells as the first, when that is more than one.
std::size_t Agreement(Records const& records) {
    if (records.empty() || records.front().size() < 2) {
        return 0;
    }
    std::size_t const width = records.front().size();
    return static_cast<std::size_t>(
        std::count_if(records.begin(), records.end(),
                      [width](auto const& record) { return record.size() == width; }));
}

template <class Char> bool IsNumberText(std::basic_string_view<Char> cell, char decimalMark) {
    auto const blank = [](Char ch) { return ch == ' ' || ch == '\t'; };
    while (!cell.empty() && blank(cell.front())) {
        cell.remove_prefix(1);
    }
    while (!cell.empty() && blank(cell.back())) {
        cell.remove_suffix(1);
    }
    std::size_t at = 0;
    auto const digits = [&cell, &at] {
        std::size_t const start = at;
        while (at < cell.size() && cell[at] >= '0' && cell[at] <= '9') {
            ++at;
        }
        return at - start;
    };
    auto const sign = [&cell, &at] {
        if (at < cell.size() && (cell[at] == '+' || cell[at] == '-')) {
            ++at;
        }
    };
    sign();
    std::size_t mantissa = digits();
    if (at < cell.size() && cell[at] == static_cast<Char>(decimalMark)) {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (at < cell.size() && (cell[at] == 'e' || cell[at] == 'E')) {
        ++at;
        sign();
        if (digits() == 0) {
            return false;
        }
    }
    return at == cell.size();
}

// A cell that is a number only with `decimalMark` and has one.
bool UsesMark(std::string const& cell, char decimalMark) {
    return cell.find(decimalMark) != std::string::npos &&
           IsNumberText(std::string_view(cell), decimalMark);
}

char GuessDecimalMark(Records const& records) {
    std::size_t commas = 0;
    std::size_t points = 0;
    for (auto const& record : records) {
        for (std::string const& cell : record) {
            commas += UsesMark(cell, ',') ? 1 : 0;
            points += UsesMark(cell, '.') ? 1 : 0;
        }
    }
    return commas > points ? ',' : '.';
}

// The coordinate columns are those holding numbers in the second row (in the first when
// it is alone); a first row with numbers in all of them is data.
bool FirstRowIsData(Records const& records, char decimalMark) {
    if (records.empty()) {
        return false;
    }
    auto const number = [decimalMark](std::vector<std::string> const& record, std::size_t column) {
        return column < record.size() &&
               IsNumberText(std::string_view(record[column]), decimalMark);
    };
    std::vector<std::string> const& pattern = records.size() > 1 ? records[1] : records[0];
    bool any = false;
    for (std::size_t column = 0; column < pattern.size(); ++column) {
        if (number(pattern, column)) {
            any = true;
            if (!number(records[0], column)) {
                return false;
            }
        }
    }
    return any;
}

} // namespace

CsvDialect CsvDialect::Guess(std::string_view text) {
    CsvDialect dialect;
    Records best = FirstRecords(text, ',');
    std::size_t bestAgreement = Agreement(best);
    for (char const separator : {';', '\t'}) {
        Records records = FirstRecords(text, separator);
        std::size_t const agreement = Agreement(records);
        if (agreement > 0 && agreement >= bestAgreement) {
            dialect.separator = separator;
            bestAgreement = agreement;
            best = std::move(records);
        }
    }
    dialect.decimalMark = GuessDecimalMark(best);
    dialect.header = !FirstRowIsData(best, dialect.decimalMark);
    return dialect;
}

std::wstring CsvDialect::Describe() const {
    std::wstring const separated = separator == ';'    ? L"semicolon"
                                   : separator == '\t' ? L"tab"
                                                       : L"comma";
    return separated + L"-separated, decimal " + (decimalMark == ',' ? L"comma" : L"point") +
           (header ? L", header row" : L", no header");
}

CsvDialect CsvDialectChoice::Over(CsvDialect guess) const {
    guess.separator = separator.value_or(guess.separator);
    guess.decimalMark = decimalMark.value_or(guess.decimalMark);
    guess.header = header.value_or(guess.header);
    return guess;
}

bool IsNumberCell(std::wstring_view cell, char decimalMark) {
    return IsNumberText(cell, decimalMark);
}

std::optional<char> SeparatorNamed(std::string_view name) {
    for (auto const& [word, separator] : std::array<std::pair<std::string_view, char>, 3>{
             {{"comma", ','}, {"semicolon", ';'}, {"tab", '\t'}}}) {
        if (name == word || name == std::string_view(&separator, 1)) {
            return separator;
        }
    }
    return std::nullopt;
}

std::optional<char> DecimalMarkNamed(std::string_view name) {
    if (name == "point" || name == ".") {
        return '.';
    }
    if (name == "comma" || name == ",") {
        return ',';
    }
    return std::nullopt;
}

} // namespace gridhost
