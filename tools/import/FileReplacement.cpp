#include "FileReplacement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace Armalyx::Import {

namespace {

constexpr int kNameTries = 100;

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TOwnedFile = std::unique_ptr<std::FILE, TFileCloser>;

// A new file beside the path, made for writing only if no file of its name existed.
TOwnedFile CreateBeside(const std::filesystem::path& path, std::filesystem::path& created) {
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        created = path;
        created += ".armalyx-import-" + std::to_string(attempt);
        // "x": fails when the name is taken, so that no other file is ever overwritten.
        if (std::FILE* file = std::fopen(created.string().c_str(), "wbx")) {
            return TOwnedFile(file);
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return nullptr;
}

// The bytes reach the disk before the new file takes the old one's place, so that a crash or a
// power cut leaves the old file or the whole new one, never an empty file under the old name.
bool WriteAndClose(TOwnedFile file, std::string_view bytes) {
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                   std::fflush(file.get()) == 0;
#if defined(__unix__) || defined(__APPLE__)
    written = written && fsync(fileno(file.get())) == 0;
#endif
    return std::fclose(file.release()) == 0 && written;
}

// The file that is replaced keeps who may read and write it.
void KeepPermissions(const std::filesystem::path& path, const std::filesystem::path& created) {
    std::error_code code;
    const std::filesystem::file_status old = std::filesystem::status(path, code);
    if (!code && std::filesystem::is_regular_file(old)) {
        std::filesystem::permissions(created, old.permissions(), code);
    }
}

} // namespace

bool ReplaceFileWith(const std::filesystem::path& path, std::string_view bytes,
                     std::string& error) {
    std::filesystem::path created;
    TOwnedFile file = CreateBeside(path, created);
    if (!file) {
        error = "cannot write beside " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    std::error_code code;
    KeepPermissions(path, created);
    if (!WriteAndClose(std::move(file), bytes)) {
        error = "cannot write " + created.string() + ": " + std::strerror(errno);
    } else if (std::filesystem::rename(created, path, code); code) {
        error = "cannot replace " + path.string() + ": " + code.message();
    } else {
        return true;
    }
    std::filesystem::remove(created, code);
    return false;
}

} // namespace Armalyx::Import
