// What the fuzz targets share: a scratch file per process and the checks every reader
// must pass on what it accepts.
#pragma once

#include "kor/CSDef.h"
#include "kor/KORException.h"
#include "korfile/KORFileType.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

namespace fuzzsupport {

/// Stops the run with `what` as the finding; a check that fails is a fault like a crash.
[[noreturn]] void Fail(std::string const& what);

/// The input as bytes.
std::string_view Bytes(std::uint8_t const* data, std::size_t size);

/// A file named `name` in a folder of this process's own, holding `content`.
std::filesystem::path ScratchFile(std::string const& name, std::string_view content);

/// A definition that passes its check is saved as QRF2 and must read back equal, name
/// included; one that fails its check must be refused by the writer.
void CheckSavesAndReadsBack(kor::CSDef const& definition);

/// Reads the input as a file of `type` named `name`; what it accepts must pass
/// CheckSavesAndReadsBack.
void ReadAndCheck(korfile::KORFileType type, std::string const& name, std::string_view content);

/// Runs `action`; the model's own error is the only failure allowed, anything else
/// escaping is a finding.
template <typename Action> void ExpectOnlyModelErrors(Action&& action) {
    try {
        action();
    } catch (kor::KORException const&) {
        // Bad input, reported as it should be.
    } catch (std::exception const& error) {
        Fail(std::string("an exception other than the model's escaped: ") + error.what());
    }
}

} // namespace fuzzsupport
