#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

// A fresh directory below the system's temporary directory, removed with everything in it when
// the object goes.
class TTempDirectory final {
public:
    TTempDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "armalyx-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    TTempDirectory(const TTempDirectory&) = delete;
    TTempDirectory& operator=(const TTempDirectory&) = delete;
    ~TTempDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::filesystem::path& Path() const { return m_path; }

    // Writes the bytes exactly as given (no line-end translation).
    void WriteFile(const std::string& name, std::string_view bytes) const {
        std::ofstream file(m_path / name, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path m_path;
};
