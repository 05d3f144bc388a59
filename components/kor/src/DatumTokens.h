// kor datum tokens: the short keys that name datums, and the EPSG codes behind them.
#pragma once

#include <string>
#include <string_view>

namespace kor {

/// "DATUM_WGS84" and a few other familiar keys for the most used datums,
/// "DATUM_EPSG_<code>" for every other registry datum; empty for code 0.
std::wstring DatumTokenFromCode(int code);
/// The EPSG datum code a token names, 0 when it names none.
int DatumCodeFromToken(std::wstring_view token);

} // namespace kor
