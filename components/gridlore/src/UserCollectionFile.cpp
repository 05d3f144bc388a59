#include "gridlore/UserCollectionFile.h"

#include "kor/KORException.h"
#include "shr/FileProblem.h"
#include "shr/Utf8.h"

namespace Gridlore {
namespace {

/// The first of "name.damaged", "name.damaged.2", ... that does not exist, so that an
/// earlier damaged file is never replaced either.
std::filesystem::path AsidePath(std::filesystem::path const& path) {
    std::filesystem::path aside = path;
    aside += ".damaged";
    for (int number = 2; std::filesystem::exists(aside); ++number) {
        aside = path;
        aside += ".damaged." + std::to_string(number);
    }
    return aside;
}

} // namespace

std::wstring SetAsideFile::Explain(std::wstring const& what, std::wstring const& nextSave) const {
    std::wstring const shownPath = shr::FromUtf8(path.string());
    std::wstring text = L"The " + what + L" cannot be loaded: " + problem;
    if (problem.find(shownPath) == std::wstring::npos) {
        text += L" ('" + shownPath + L"')";
    }
    if (aside.empty()) {
        return text + L"\nIt could not be moved aside (" + moveFailure + L"), so " + nextSave +
               L" will replace it.";
    }
    return text + L"\nIt was kept as '" + shr::FromUtf8(aside.string()) + L"'; the " + what +
           L" start empty.";
}

CoordinateSystemCollection LoadUserCollection(std::filesystem::path const& path,
                                              std::optional<SetAsideFile>& damaged) {
    damaged.reset();
    try {
        return CoordinateSystemCollection::Load(shr::FromUtf8(path.string()));
    } catch (kor::KORException const& error) {
        SetAsideFile& file = damaged.emplace();
        file.path = path;
        file.problem = error.Message();
        std::error_code failed;
        std::filesystem::path const aside = AsidePath(path);
        std::filesystem::rename(path, aside, failed);
        if (failed) {
            file.moveFailure = shr::DescribeFileError(failed.value());
        } else {
            file.aside = aside;
        }
        return {};
    }
}

} // namespace Gridlore
