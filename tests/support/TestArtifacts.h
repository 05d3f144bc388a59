// TestArtifacts: where tests leave files for people to look at, such as screenshots.
#pragma once

#include <cstdlib>
#include <filesystem>

/// $GRIDLORE_TEST_OUTPUT (set by CTest), else test-artifacts in the working folder; made
/// if missing.
inline std::filesystem::path ArtifactFolder() {
    char const* folder = std::getenv("GRIDLORE_TEST_OUTPUT");
    std::filesystem::path path = folder != nullptr ? folder : "test-artifacts";
    std::filesystem::create_directories(path);
    return path;
}
