#include "FileReplacement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

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

bool WriteAndClose(TOwnedFile file, std::string_view bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    return std::fclose(file.release()) == 0 && written;
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
