#include "PlatformFile.h"

#include <cerrno>

#if ARMALYX_STANDARD_FILES
#include <filesystem>
#include <system_error>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Production1 {

#if ARMALYX_STANDARD_FILES

// The C library cannot ask an open stream what it is, so the kind of file is checked by name
// first; only regular files are opened at all.
TFileHandle OpenRegularFile(const char* fileName) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(fileName), error)) {
        return kNoFile;
    }
    return std::fopen(fileName, "rb");
}

// The C standard does not promise that a failed stream read sets errno; one that leaves none is
// reported as a device read failure.
TReadCount ReadFromFile(TFileHandle file, void* buffer, std::size_t count) {
    errno = 0;
    const std::size_t read = std::fread(buffer, 1, count, file);
    if (read == 0 && std::ferror(file) != 0) {
        if (errno == 0) {
            errno = EIO;
        }
        std::clearerr(file);
        return -1;
    }
    return static_cast<TReadCount>(read);
}

void CloseFile(TFileHandle file) noexcept {
    if (file != kNoFile) {
        std::fclose(file);
    }
}

#else

TFileHandle OpenRegularFile(const char* fileName) {
    // Non-blocking, so that opening a named pipe cannot hang; only regular files are read.
    const int descriptor = ::open(fileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return kNoFile;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return kNoFile;
    }
    return descriptor;
}

TReadCount ReadFromFile(TFileHandle file, void* buffer, std::size_t count) {
    return ::read(file, buffer, count);
}

void CloseFile(TFileHandle file) noexcept {
    if (file != kNoFile) {
        ::close(file);
    }
}

#endif

} // namespace Production1
