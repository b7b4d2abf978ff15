#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace Armalyx {

// A fresh directory below the system's temporary directory, removed with everything in it when
// the object goes. Path() is empty when the directory could not be made.
class TTempDirectory final {
public:
    explicit TTempDirectory(std::string_view prefix = "armalyx");
    TTempDirectory(const TTempDirectory&) = delete;
    TTempDirectory& operator=(const TTempDirectory&) = delete;
    ~TTempDirectory();

    const std::filesystem::path& Path() const { return m_path; }

    // Writes the bytes exactly as given (no line-end translation) into a file of the directory.
    void WriteFile(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

} // namespace Armalyx
