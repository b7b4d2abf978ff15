#pragma once

#include <filesystem>

namespace Armalyx {

// Makes the given directory the working directory for the object's lifetime, then goes back to
// the one before.
class TWorkingDirectory final {
public:
    explicit TWorkingDirectory(const std::filesystem::path& directory);
    TWorkingDirectory(const TWorkingDirectory&) = delete;
    TWorkingDirectory& operator=(const TWorkingDirectory&) = delete;
    ~TWorkingDirectory();

private:
    std::filesystem::path m_previous;
};

} // namespace Armalyx
