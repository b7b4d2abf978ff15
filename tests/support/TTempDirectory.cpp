#include "TTempDirectory.h"

#include "TestFiles.h"

#include <system_error>

#include <unistd.h>

namespace Armalyx {

TTempDirectory::TTempDirectory(std::string_view prefix) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / std::string(prefix).append("-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) != nullptr) {
        m_path = pattern;
    }
}

TTempDirectory::~TTempDirectory() {
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}

void TTempDirectory::WriteFile(const std::string& name, std::string_view bytes) const {
    WriteFileBytes(m_path / name, bytes);
}

} // namespace Armalyx
