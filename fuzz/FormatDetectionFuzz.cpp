// Telling a file's format from its content: never more than the model's error, the same
// answer for the bytes and for the file, and the format found reads as that format.
#include "FuzzSupport.h"

#include "korfile/IsReferenceFile.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    std::string_view const content = fuzzsupport::Bytes(data, size);
    std::optional<korfile::KORFileType> detected;
    fuzzsupport::ExpectOnlyModelErrors(
        [&] { detected = korfile::DetectFileTypeByContent(content); });
    std::filesystem::path const path = fuzzsupport::ScratchFile("unnamed", content);
    fuzzsupport::ExpectOnlyModelErrors([&] {
        std::vector<korfile::KORFileType> byContent;
        std::vector<korfile::KORFileType> byExtension;
        korfile::IsReferenceFile(path, byContent, byExtension);
        if (byContent.size() > 1 || byContent.empty() != !detected ||
            (detected && byContent.front() != *detected) || !byExtension.empty())
            fuzzsupport::Fail("the file and its bytes were told apart differently");
    });
    if (detected)
        fuzzsupport::ReadAndCheck(*detected, "unnamed", content);
    return 0;
}
