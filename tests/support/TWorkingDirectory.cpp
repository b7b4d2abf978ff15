#include "TWorkingDirectory.h"

#include <system_error>

namespace Armalyx {

TWorkingDirectory::TWorkingDirectory(const std::filesystem::path& directory)
    : m_previous(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
}

TWorkingDirectory::~TWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
}

} // namespace Armalyx
