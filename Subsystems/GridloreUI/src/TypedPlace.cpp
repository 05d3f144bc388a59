#include "gridui/TypedPlace.h"

#include "shr/StringUtil.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <optional>
#include <vector>

namespace gridui {
namespace {

enum class TokenKind { Number, Degree, Minute, Second, Letter, Separator };

struct Token {
    TokenKind kind = TokenKind::Number;
    /// A number as typed, for messages.
    std::wstring text;
    double value = 0.0;
    bool negative = false;
    /// A number written with a decimal comma.
    bool decimalComma = false;
    /// Upper case.
    wchar_t letter = 0;
    /// Nothing but the previous token stands before it (no space).
    bool attached = false;
};

Token TokenOf(TokenKind kind) {
    Token token;
    token.kind = kind;
    return token;
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool IsSign(wchar_t c) {
    return c == L'-' || c == L'+' || c == L'\u2212';
}

std::optional<TokenKind> MarkOf(wchar_t c) {
    switch (c) {
    case L'\u00B0': // degree sign
    case L'\u00BA': // the ordinal sign many keyboards give for it
    case L'\u02DA': // ring above
        return TokenKind::Degree;
    case L'\'':
    case L'\u2032': // prime
    case L'\u2019': // right single quotation mark, as word processors turn '
    case L'\u00B4': // acute accent
        return TokenKind::Minute;
    case L'"':
    case L'\u2033': // double prime
    case L'\u201D': // right double quotation mark
        return TokenKind::Second;
    default:
        return std::nullopt;
    }
}

/// The letters that may stand in a place: hemispheres, and d m s after a number.
bool IsPlaceLetter(wchar_t upper) {
    return std::wstring_view(L"NSEWDM").find(upper) != std::wstring_view::npos;
}

class Lexer {
public:
    Lexer(std::wstring_view text, bool commaIsDecimal)
        : m_text(text)
        , m_commaIsDecimal(commaIsDecimal) {}

    /// The tokens, or nothing when the text holds a word or a sign no place has.
    std::optional<std::vector<Token>> Run() {
        while (m_at < m_text.size()) {
            wchar_t const c = m_text[m_at];
            if (std::iswspace(static_cast<wint_t>(c)) != 0) {
                m_spaced = true;
                ++m_at;
            } else if (StartsNumber()) {
                if (!ReadNumber()) {
                    return std::nullopt;
                }
            } else if (std::iswalpha(static_cast<wint_t>(c)) != 0) {
                if (!ReadLetters()) {
                    return std::nullopt;
                }
            } else if (c == L',' || c == L';') {
                Push(TokenOf(TokenKind::Separator));
                ++m_at;
            } else if (c == L'\'' && At(m_at + 1) == L'\'') {
                Push(TokenOf(TokenKind::Second));
                m_at += 2;
            } else if (std::optional<TokenKind> const mark = MarkOf(c)) {
                Push(TokenOf(*mark));
                ++m_at;
            } else {
                return std::nullopt;
            }
        }
        return std::move(m_tokens);
    }

private:
    wchar_t At(std::size_t index) const { return index < m_text.size() ? m_text[index] : L'\0'; }

    bool StartsFraction(std::size_t index) const {
        return (At(index) == L'.' || (m_commaIsDecimal && At(index) == L',')) &&
               IsDigit(At(index + 1));
    }

    bool StartsNumber() const {
        std::size_t const digits = IsSign(At(m_at)) ? m_at + 1 : m_at;
        return IsDigit(At(digits)) || (At(digits) == L'.' && IsDigit(At(digits + 1)));
    }

    bool ReadNumber() {
        Token token = TokenOf(TokenKind::Number);
        std::size_t const start = m_at;
        token.negative = At(m_at) == L'-' || At(m_at) == L'\u2212';
        if (IsSign(At(m_at))) {
            ++m_at;
        }
        std::string plain;
        while (IsDigit(At(m_at))) {
            plain += static_cast<char>(At(m_at++));
        }
        if (StartsFraction(m_at)) {
            token.decimalComma = At(m_at) == L',';
            plain += '.';
            ++m_at;
            while (IsDigit(At(m_at))) {
                plain += static_cast<char>(At(m_at++));
            }
        }
        // "1.2.3" is a version or a date, never a coordinate.
        if (At(m_at) == L'.') {
            return false;
        }
        token.value = std::strtod(plain.c_str(), nullptr);
        token.text = std::wstring(m_text.substr(start, m_at - start));
        Push(std::move(token));
        return true;
    }

    /// One mark or hemisphere letter, or a mark and a hemisphere ("12sN"): any other run
    /// of letters is a word.
    bool ReadLetters() {
        std::size_t end = m_at;
        while (std::iswalpha(static_cast<wint_t>(At(end))) != 0) {
            ++end;
        }
        std::wstring_view const run = m_text.substr(m_at, end - m_at);
        std::wstring upper;
        for (wchar_t const c : run) {
            upper += static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
        }
        bool const single = upper.size() == 1 && IsPlaceLetter(upper[0]);
        bool const markThenHemisphere =
            upper.size() == 2 &&
            std::wstring_view(L"DMS").find(upper[0]) != std::wstring_view::npos &&
            std::wstring_view(L"NSEW").find(upper[1]) != std::wstring_view::npos;
        if (!single && !markThenHemisphere) {
            return false;
        }
        for (std::size_t i = 0; i < upper.size(); ++i) {
            Token token = TokenOf(TokenKind::Letter);
            token.letter = upper[i];
            // Lower case keeps "s" for seconds apart from "S" for south.
            token.text = std::wstring(1, run[i]);
            Push(std::move(token));
        }
        m_at = end;
        return true;
    }

    void Push(Token token) {
        token.attached = !m_spaced && !m_tokens.empty();
        m_spaced = false;
        m_tokens.push_back(std::move(token));
    }

    std::wstring_view m_text;
    bool m_commaIsDecimal;
    std::size_t m_at = 0;
    bool m_spaced = false;
    std::vector<Token> m_tokens;
};

/// One coordinate as typed: degrees, then perhaps minutes and seconds.
struct Coordinate {
    std::array<Token, 3> parts;
    int count = 0;
    bool marked = false;
    /// 'N', 'S', 'E', 'W' or 0.
    wchar_t hemisphere = 0;
    /// The hemisphere letter came after the numbers, so a next number starts anew.
    bool hemisphereAfter = false;
};

struct Refusal {
    std::wstring status;
};

std::wstring const ExampleLine = L"type it as \"52.52 13.40\" or \"52\u00B031'N 13\u00B024'E\"";

Refusal Unreadable() {
    return {L"Not a place: " + ExampleLine};
}

/// Groups the tokens into coordinates; a refusal when they cannot be read as such.
class Grouper {
public:
    explicit Grouper(std::vector<Token> const& tokens)
        : m_tokens(tokens) {}

    std::optional<Refusal> Run() {
        for (m_at = 0; m_at < m_tokens.size(); ++m_at) {
            Token const& token = m_tokens[m_at];
            std::optional<Refusal> refusal;
            switch (token.kind) {
            case TokenKind::Number:
                refusal = AddNumber(token);
                break;
            case TokenKind::Letter:
                refusal = AddHemisphere(token.letter);
                break;
            case TokenKind::Separator:
                Finish();
                break;
            default:
                // A mark without its number.
                return Unreadable();
            }
            if (refusal) {
                return refusal;
            }
        }
        Finish();
        return std::nullopt;
    }

    std::vector<Coordinate> const& Coordinates() const { return m_done; }

private:
    /// The level the mark after the number gives it (0 degrees, 1 minutes, 2 seconds),
    /// consuming the mark; -1 when none follows.
    int TakeMark() {
        if (m_at + 1 >= m_tokens.size()) {
            return -1;
        }
        Token const& next = m_tokens[m_at + 1];
        int level = -1;
        if (next.kind == TokenKind::Degree ||
            (next.kind == TokenKind::Letter && next.letter == L'D')) {
            level = 0;
        } else if (next.kind == TokenKind::Minute ||
                   (next.kind == TokenKind::Letter && next.letter == L'M')) {
            level = 1;
        } else if (next.kind == TokenKind::Second ||
                   (next.kind == TokenKind::Letter && next.text == L"s" && next.attached &&
                    m_current.count == 2 && m_current.hemisphere == 0)) {
            level = 2;
        }
        if (level >= 0) {
            ++m_at;
        }
        return level;
    }

    std::optional<Refusal> AddNumber(Token const& number) {
        if (m_current.hemisphereAfter || m_current.count == 3) {
            Finish();
        }
        int const mark = TakeMark();
        int level = mark >= 0 ? mark : m_current.count;
        // A new degree value, or anything after the seconds, begins the next coordinate.
        if (level < m_current.count) {
            Finish();
            level = mark;
        }
        if (level != m_current.count) {
            return Unreadable();
        }
        m_current.parts[static_cast<std::size_t>(level)] = number;
        m_current.count = level + 1;
        m_current.marked = m_current.marked || mark >= 0;
        return std::nullopt;
    }

    std::optional<Refusal> AddHemisphere(wchar_t letter) {
        if (letter == L'D' || letter == L'M') {
            return Unreadable();
        }
        if (m_current.count > 0 && m_current.hemisphere == 0) {
            m_current.hemisphere = letter;
            m_current.hemisphereAfter = true;
            return std::nullopt;
        }
        Finish();
        m_current.hemisphere = letter;
        return std::nullopt;
    }

    void Finish() {
        if (m_current.count > 0) {
            m_done.push_back(m_current);
        }
        // A letter before numbers that never came is kept for them.
        wchar_t const waiting = m_current.count == 0 ? m_current.hemisphere : 0;
        m_current = Coordinate{};
        m_current.hemisphere = waiting;
    }

    std::vector<Token> const& m_tokens;
    std::size_t m_at = 0;
    Coordinate m_current;
    std::vector<Coordinate> m_done;
};

/// Numbers alone, with nothing between them: the first half is the latitude, the second
/// the longitude ("52.52 13.40", "52 31 13 24", "52 31 12 13 24 36").
std::optional<std::vector<Coordinate>> SplitBareNumbers(std::vector<Token> const& tokens) {
    for (Token const& token : tokens) {
        if (token.kind != TokenKind::Number) {
            return std::nullopt;
        }
    }
    std::size_t const half = tokens.size() / 2;
    if (tokens.size() % 2 != 0 || half > 3) {
        return std::nullopt;
    }
    std::vector<Coordinate> coordinates(2);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Coordinate& coordinate = coordinates[i / half];
        coordinate.parts[static_cast<std::size_t>(coordinate.count++)] = tokens[i];
    }
    return coordinates;
}

bool IsWhole(double value) {
    return value == std::floor(value);
}

/// The coordinate in degrees, or why it cannot be one.
std::optional<Refusal> ToDegrees(Coordinate const& coordinate, double& degrees) {
    Token const& first = coordinate.parts[0];
    if (first.negative && coordinate.hemisphere != 0) {
        return Refusal{L"Not a place: " + first.text + L" has both a sign and a hemisphere (" +
                       std::wstring(1, coordinate.hemisphere) + L")"};
    }
    degrees = std::fabs(first.value);
    double scale = 1.0;
    for (int i = 1; i < coordinate.count; ++i) {
        Token const& part = coordinate.parts[static_cast<std::size_t>(i)];
        Token const& before = coordinate.parts[static_cast<std::size_t>(i - 1)];
        wchar_t const* const unit = i == 1 ? L"minutes" : L"seconds";
        if (part.negative || part.text.starts_with(L'+') || part.value >= 60.0) {
            return Refusal{L"Not a place: " + std::wstring(unit) + L" run from 0 to 59, not " +
                           part.text};
        }
        if (!IsWhole(before.value)) {
            return Refusal{L"Not a place: " + before.text + L" has a fraction and is followed by " +
                           unit};
        }
        scale /= 60.0;
        degrees += part.value * scale;
    }
    if (first.negative || coordinate.hemisphere == L'S' || coordinate.hemisphere == L'W') {
        degrees = -degrees;
    }
    return std::nullopt;
}

bool IsLatitudeLetter(wchar_t hemisphere) {
    return hemisphere == L'N' || hemisphere == L'S';
}

std::wstring AsTyped(Coordinate const& coordinate) {
    std::wstring text;
    for (int i = 0; i < coordinate.count; ++i) {
        text += (i > 0 ? L" " : L"") + coordinate.parts[static_cast<std::size_t>(i)].text;
    }
    return text;
}

TypedPlace Refused(Refusal const& refusal) {
    TypedPlace place;
    place.kind = TypedPlace::Kind::Refused;
    place.status = refusal.status;
    return place;
}

TypedPlace FromCoordinates(std::vector<Coordinate> const& coordinates) {
    if (coordinates.size() != 2) {
        return Refused(Unreadable());
    }
    wchar_t const first = coordinates[0].hemisphere;
    wchar_t const second = coordinates[1].hemisphere;
    if (first != 0 && second != 0 && IsLatitudeLetter(first) == IsLatitudeLetter(second)) {
        return Refused({IsLatitudeLetter(first)
                            ? L"Not a place: both numbers are latitudes (N or S)"
                            : L"Not a place: both numbers are longitudes (E or W)"});
    }
    // The latitude comes first unless a letter says otherwise.
    bool const latitudeFirst =
        first != 0 ? IsLatitudeLetter(first) : (second == 0 || !IsLatitudeLetter(second));
    Coordinate const& latitude = coordinates[latitudeFirst ? 0 : 1];
    Coordinate const& longitude = coordinates[latitudeFirst ? 1 : 0];
    TypedPlace place;
    place.kind = TypedPlace::Kind::Place;
    if (std::optional<Refusal> const refusal = ToDegrees(latitude, place.point.latitude)) {
        return Refused(*refusal);
    }
    if (std::optional<Refusal> const refusal = ToDegrees(longitude, place.point.longitude)) {
        return Refused(*refusal);
    }
    if (std::fabs(place.point.latitude) > 90.0) {
        return Refused({L"Not a place: a latitude runs from -90 to 90, not " + AsTyped(latitude)});
    }
    if (std::fabs(place.point.longitude) > 180.0) {
        return Refused(
            {L"Not a place: a longitude runs from -180 to 180, not " + AsTyped(longitude)});
    }
    place.status = L"Systems for " + DescribePlace(place.point);
    return place;
}

TypedPlace ParseTokens(std::vector<Token> const& tokens) {
    std::size_t numbers = 0;
    bool degreeMarks = false;
    for (Token const& token : tokens) {
        numbers += token.kind == TokenKind::Number ? 1 : 0;
        degreeMarks = degreeMarks || token.kind == TokenKind::Degree;
    }
    // A code, a zone number, "33N": a single value is what the ordinary search is for.
    if (numbers == 0 || (numbers == 1 && !degreeMarks)) {
        return {};
    }
    if (std::optional<std::vector<Coordinate>> const bare = SplitBareNumbers(tokens)) {
        return FromCoordinates(*bare);
    }
    Grouper grouper(tokens);
    if (std::optional<Refusal> const refusal = grouper.Run()) {
        return Refused(*refusal);
    }
    return FromCoordinates(grouper.Coordinates());
}

bool HasDecimalComma(std::vector<Token> const& tokens) {
    for (Token const& token : tokens) {
        if (token.decimalComma) {
            return true;
        }
    }
    return false;
}

/// The text with its decimal commas made points, as the user should type it.
std::wstring WithDecimalPoints(std::wstring_view text) {
    std::wstring fixed(text);
    for (std::size_t i = 1; i + 1 < fixed.size(); ++i) {
        if (fixed[i] == L',' && IsDigit(fixed[i - 1]) && IsDigit(fixed[i + 1])) {
            fixed[i] = L'.';
        }
    }
    return fixed;
}

} // namespace

TypedPlace ParsePlace(std::wstring_view text) {
    std::optional<std::vector<Token>> const tokens = Lexer(text, true).Run();
    if (!tokens) {
        return {};
    }
    TypedPlace place = ParseTokens(*tokens);
    if (!HasDecimalComma(*tokens)) {
        return place;
    }
    if (place.kind != TypedPlace::Kind::None) {
        return Refused({L"Not a place: use a decimal point, as in \"" +
                        shr::Trim(WithDecimalPoints(text)) + L"\""});
    }
    // "52,13" read with a decimal comma is one number; read as a list it is a place.
    std::optional<std::vector<Token>> const listed = Lexer(text, false).Run();
    return listed ? ParseTokens(*listed) : TypedPlace{};
}

std::wstring DescribePlace(GeoPoint point) {
    return shr::ToString(L"%.2f\u00B0 ", std::fabs(point.latitude)) +
           (point.latitude < 0.0 ? L"S, " : L"N, ") +
           shr::ToString(L"%.2f\u00B0 ", std::fabs(point.longitude)) +
           (point.longitude < 0.0 ? L"W" : L"E");
}

} // namespace gridui
