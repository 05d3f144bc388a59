// ScratchDirectory: a fresh folder for one test's files, removed with everything in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

/// Made with mkdtemp, so tests running side by side never share a folder.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string name =
            (std::filesystem::temp_directory_path() / "gridlore-test-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("cannot create a scratch folder under " + name);
        m_path = name;
    }
    ScratchDirectory(ScratchDirectory const&) = delete;
    ScratchDirectory& operator=(ScratchDirectory const&) = delete;
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    std::filesystem::path const& Path() const { return m_path; }
    std::filesystem::path operator/(std::filesystem::path const& name) const {
        return m_path / name;
    }

private:
    std::filesystem::path m_path;
};
