// korfile::NameIfNameless: every system read from a user's file or text gets a name.
#pragma once

#include "kor/CSDef.h"

#include <filesystem>
#include <string>

namespace korfile {

/// The name a text definition without one is given.
inline constexpr wchar_t const* UnnamedSystem = L"Unnamed system";

/// Gives `definition` the name `fallback` when its own holds nothing but white space and
/// category bars: such a system could not be listed or told apart.
void NameIfNameless(kor::CSDef& definition, std::wstring const& fallback);

/// The file's name without any of its extensions ("site.aux.xml" gives "site"); the
/// unnamed-system name when nothing is left.
std::wstring NameOfFile(std::filesystem::path const& path);

} // namespace korfile
