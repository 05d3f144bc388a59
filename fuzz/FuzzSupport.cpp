#include "FuzzSupport.h"

#include "korfile/ReferenceFile.h"
#include "shr/AtomicFileCalls.h"
#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace fuzzsupport {
namespace {

std::filesystem::path const& ScratchFolder() {
    static std::filesystem::path const folder = [] {
        std::filesystem::path made = std::filesystem::temp_directory_path() /
                                     ("gridlore-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(made);
        // Removed at exit so that long runs do not fill the temporary folder.
        static struct Remover {
            std::filesystem::path path;
            ~Remover() {
                std::error_code ignored;
                std::filesystem::remove_all(path, ignored);
            }
        } remover{made};
        return made;
    }();
    return folder;
}

} // namespace

void Fail(std::string const& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

std::string_view Bytes(std::uint8_t const* data, std::size_t size) {
    return {reinterpret_cast<char const*>(data), size};
}

std::filesystem::path ScratchFile(std::string const& name, std::string_view content) {
    std::filesystem::path const path = ScratchFolder() / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!file.flush())
        Fail("cannot write the scratch file " + path.string());
    return path;
}

void CheckSavesAndReadsBack(kor::CSDef const& definition) {
    std::filesystem::path const path = ScratchFolder() / "saved.qrf2";
    std::wstring reason;
    if (!definition.Check(reason)) {
        try {
            korfile::WriteReferenceFile(definition, korfile::QRF2, path, 0.0, 0.0, true);
        } catch (kor::KORException const&) {
            return;
        }
        Fail("a definition that fails its check was saved: " + shr::ToUtf8(reason));
    }
    std::unique_ptr<kor::CSDef> back;
    try {
        korfile::WriteReferenceFile(definition, korfile::QRF2, path, 0.0, 0.0, true);
        back = korfile::ReadReferenceFile(korfile::QRF2, path, 0.0, 0.0);
    } catch (kor::KORException const& error) {
        Fail("a valid definition did not save and read back: " + shr::ToUtf8(error.Message()));
    }
    std::wstring difference;
    if (back == nullptr || !back->Compare(definition, false, &difference) ||
        back->GetHints() != definition.GetHints())
        Fail("QRF2 did not read back equal: " + shr::ToUtf8(difference));
}

void ReadAndCheck(korfile::KORFileType type, std::string const& name, std::string_view content) {
    std::filesystem::path const path = ScratchFile(name, content);
    ExpectOnlyModelErrors([&] {
        if (auto const definition = korfile::ReadReferenceFile(type, path, 0.0, 0.0))
            CheckSavesAndReadsBack(*definition);
    });
}

} // namespace fuzzsupport

// Diagnostics would fill the user's log during a long run, and flushing each scratch
// file to disk would take most of the time.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    shr::ProcessLogger.SetSink([](int, std::wstring const&) {});
    shr::AtomicFileCalls calls = shr::CurrentAtomicFileCalls();
    calls.fsync = [](int) { return 0; };
    static shr::ScopedAtomicFileCalls const noFlush(calls);
    return 0;
}
