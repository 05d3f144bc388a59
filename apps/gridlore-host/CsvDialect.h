// gridhost::CsvDialect: how a CSV file writes its rows, and a guess of it from the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gridhost {

/// Files come from spreadsheets set up for many countries: a semicolon file with decimal
/// commas is as common as a comma file with decimal points, and many have no header row.
struct CsvDialect {
    /// ',', ';' or '\t'.
    char separator = ',';
    /// '.' or ','.
    char decimalMark = '.';
    /// The first row names the columns; without one the columns go by their letters.
    bool header = true;

    /// The dialect the start of `text` shows: the separator that parts every row into as
    /// many cells as the first (ties go to tab, then semicolon: a comma may be a decimal
    /// comma), the decimal mark more numbers use, and a header unless the first row has
    /// numbers where the rows below it have them.
    static CsvDialect Guess(std::string_view text);

    /// For the user, e.g. "semicolon-separated, decimal comma, no header".
    std::wstring Describe() const;

    bool operator==(CsvDialect const&) const = default;
};

/// The choices a user made over the guess; what is unset is guessed.
struct CsvDialectChoice {
    std::optional<char> separator;
    std::optional<char> decimalMark;
    std::optional<bool> header;

    /// `guess` with the choices made put in.
    CsvDialect Over(CsvDialect guess) const;
};

/// True when `cell` (blanks around it aside) is a number written with `decimalMark`: an
/// optional sign, digits with at most one mark, an optional exponent.
bool IsNumberCell(std::wstring_view cell, char decimalMark);

/// The separator a user names: "comma", "semicolon", "tab" or the character itself.
std::optional<char> SeparatorNamed(std::string_view name);
/// The decimal mark a user names: "point", "comma" or the character itself.
std::optional<char> DecimalMarkNamed(std::string_view name);

} // namespace gridhost
