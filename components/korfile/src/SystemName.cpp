#include "SystemName.h"

#include "shr/Utf8.h"

namespace korfile {

void NameIfNameless(kor::CSDef& definition, std::wstring const& fallback) {
    if (definition.GetName().find_first_not_of(L" \t\r\n|") == std::wstring::npos) {
        definition.SetName(fallback);
    }
}

std::wstring NameOfFile(std::filesystem::path const& path) {
    std::wstring const file = shr::FromUtf8(path.filename().string());
    std::wstring const name = file.substr(0, file.find(L'.'));
    return name.find_first_not_of(L" \t\r\n|") == std::wstring::npos ? UnnamedSystem : name;
}

} // namespace korfile
