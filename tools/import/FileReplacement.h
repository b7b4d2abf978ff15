#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace Armalyx::Import {

// Replaces the file with the bytes, whole or not at all: they are written to a new file beside it,
// which then takes its place in one step. When anything fails the file stays as it was, the new
// file is removed, and the error says what failed.
bool ReplaceFileWith(const std::filesystem::path& path, std::string_view bytes, std::string& error);

} // namespace Armalyx::Import
