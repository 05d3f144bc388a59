#include "shr/Utf8.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

namespace shr {
namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsScalarValue(char32_t cp) {
    return cp < 0xD800 || (cp > 0xDFFF && cp <= 0x10FFFF);
}

char32_t EncodableOrReplacement(wchar_t ch) {
    auto const cp = static_cast<char32_t>(ch);
    return IsScalarValue(cp) ? cp : Replacement;
}

std::size_t EncodedLength(char32_t cp) {
    if (cp < 0x80) {
        return 1;
    }
    if (cp < 0x800) {
        return 2;
    }
    return cp < 0x10000 ? 3 : 4;
}

/// Writes `cp` (a scalar value) at `out`, which has room for it; returns the end.
char* Encode(char32_t cp, char* out) {
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (cp >> 18));
        *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

/// Decodes the sequence starting at `pos`, advancing `pos` past it; nothing when it is
/// malformed, in which case `pos` has moved past the first byte only.
std::optional<char32_t> Decode(std::string_view bytes, std::size_t& pos) {
    auto const lead = static_cast<std::uint8_t>(bytes[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    std::size_t next = pos;
    for (int i = 0; i < length; ++i, ++next) {
        if (next >= bytes.size()) {
            return std::nullopt;
        }
        auto const byte = static_cast<std::uint8_t>(bytes[next]);
        if ((byte & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (byte & 0x3F);
    }
    if (cp < minimum || !IsScalarValue(cp)) {
        return std::nullopt;
    }
    pos = next;
    return cp;
}

constexpr std::size_t AsciiChunk = 8;

/// Whether the AsciiChunk bytes from `pos` are there and all ASCII.
bool IsAsciiChunk(std::string_view bytes, std::size_t pos) {
    constexpr std::uint64_t HighBits = 0x8080808080808080U;
    static_assert(sizeof HighBits == AsciiChunk);
    if (pos + AsciiChunk > bytes.size()) {
        return false;
    }
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, bytes.data() + pos, AsciiChunk);
    return (chunk & HighBits) == 0;
}

} // namespace

std::string ToUtf8(std::wstring_view text) {
    // Measured first and written in place: the registry's names are written out at every
    // first start, and a byte appended at a time cost more than reading them.
    std::size_t length = 0;
    for (wchar_t const ch : text) {
        length += ch < 0x80 ? 1 : EncodedLength(EncodableOrReplacement(ch));
    }
    std::string out(length, '\0');
    char* end = out.data();
    for (wchar_t const ch : text) {
        if (ch < 0x80) {
            *end++ = static_cast<char>(ch);
        } else {
            end = Encode(EncodableOrReplacement(ch), end);
        }
    }
    return out;
}

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring out;
    FromUtf8(bytes, out);
    return out;
}

std::wstring_view FromUtf8(std::string_view bytes, std::wstring& scratch) {
    // A character takes at least one byte: the text is sized once and cut to fit.
    scratch.resize(bytes.size());
    wchar_t* const start = scratch.data();
    wchar_t* end = start;
    for (std::size_t pos = 0; pos < bytes.size();) {
        // Most text is ASCII (a cold start decodes half a megabyte of registry names), so
        // eight bytes are tested at once and, all ASCII, widened together.
        if (IsAsciiChunk(bytes, pos)) {
            for (std::size_t i = 0; i < AsciiChunk; ++i) {
                end[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[pos + i]));
            }
            end += AsciiChunk;
            pos += AsciiChunk;
            continue;
        }
        if (auto const byte = static_cast<unsigned char>(bytes[pos]); byte < 0x80) {
            *end++ = static_cast<wchar_t>(byte);
            ++pos;
            continue;
        }
        *end++ = static_cast<wchar_t>(Decode(bytes, pos).value_or(Replacement));
    }
    scratch.resize(static_cast<std::size_t>(end - start));
    return scratch;
}

std::size_t DecodedLength(std::string_view bytes) {
    std::size_t length = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        // Names are nearly all ASCII: a run of it is counted eight bytes at a time.
        if (IsAsciiChunk(bytes, pos)) {
            pos += AsciiChunk;
            length += AsciiChunk;
            continue;
        }
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
        } else {
            // Well formed or not, what Decode passes is one character: a malformed sequence
            // becomes one replacement, as FromUtf8 makes it.
            static_cast<void>(Decode(bytes, pos));
        }
        ++length;
    }
    return length;
}

bool IsAscii(std::string_view bytes) {
    std::size_t pos = 0;
    while (IsAsciiChunk(bytes, pos)) {
        pos += AsciiChunk;
    }
    return std::ranges::all_of(bytes.substr(pos),
                               [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (!Decode(bytes, pos)) {
            return false;
        }
    }
    return true;
}

} // namespace shr
