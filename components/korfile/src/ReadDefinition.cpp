#include "korfile/ReadDefinition.h"

#include "SystemName.h"
#include "kor/Definitions.h"
#include "kor/KORException.h"
#include "korfile/IsReferenceFile.h"
#include "korfile/ReferenceFile.h"
#include "shr/FileProblem.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <cerrno>
#include <filesystem>

namespace korfile {
namespace {

std::unique_ptr<kor::CSDef> ReadFile(std::string const& input, std::wstring const& named) {
    std::vector<KORFileType> byContent;
    std::vector<KORFileType> byExtension;
    IsReferenceFile(input, byContent, byExtension);
    if (byContent.empty() && byExtension.empty()) {
        throw kor::KORException(named +
                                L": not a coordinate-reference file (.qrf2, .qrf, .prj, .wkt, "
                                L".aux.xml)");
    }
    KORFileType const type = byContent.empty() ? byExtension.front() : byContent.front();
    std::unique_ptr<kor::CSDef> definition = ReadReferenceFile(type, input, 0.0, 0.0);
    if (definition == nullptr) {
        throw kor::KORException(named + L": the file holds no coordinate system");
    }
    return definition;
}

/// A path that is there but no regular file, or that cannot be looked at, is meant as a
/// file; so is a name with a reference file's extension. None is read as a definition.
void ThrowWhenNotAFile(std::string const& input, std::wstring const& named) {
    std::error_code error;
    auto const type = std::filesystem::status(input, error).type();
    if (std::wstring const notAFile = shr::DescribeNotAFile(type); !notAFile.empty()) {
        throw kor::KORException(named + L": " + notAFile);
    }
    if (error.value() == ELOOP || error.value() == EACCES) {
        throw kor::KORException(named + L": cannot be read: " +
                                shr::DescribeFileError(error.value()));
    }
    if (std::filesystem::is_symlink(input, error)) {
        throw kor::KORException(named + L": is a link to a file that does not exist");
    }
    if (!FileTypesByExtension(input).empty()) {
        throw kor::KORException(named + L": no such file");
    }
}

} // namespace

std::unique_ptr<kor::CSDef> ReadDefinition(std::string const& input) {
    std::wstring const wide = shr::FromUtf8(input);
    std::wstring const named = L"'" + shr::Abbreviated(wide) + L"'";
    try {
        std::error_code error;
        if (std::filesystem::is_regular_file(input, error)) {
            return ReadFile(input, named);
        }
        ThrowWhenNotAFile(input, named);
        std::unique_ptr<kor::CSDef> definition = kor::CreateCSDefByDefinition(wide);
        if (definition == nullptr) {
            throw kor::KORException(named + L": no coordinate system given");
        }
        NameIfNameless(*definition, UnnamedSystem);
        return definition;
    } catch (kor::KORException const& error) {
        // Every message names what it was about, so a list of arguments shows which one;
        // a long input is named by its beginning.
        std::wstring const beginning = shr::Trim(wide).substr(0, 100);
        if (error.Message().find(beginning) != std::wstring::npos) {
            throw;
        }
        throw kor::KORException(named + L": " + error.Message());
    }
}

} // namespace korfile
