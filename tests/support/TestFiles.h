#pragma once
// Reading and writing the files the tests, benchmarks and fuzz targets work with, among them the
// program's two data files: a header line, then one line per name and year with the twelve
// monthly values, each followed by a comma, and every line ended by CR LF.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace Armalyx {

// The header line the program's data files start with (its line end not included).
inline constexpr std::string_view kDataFileHeader =
    "Name,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,";

// A data line: name, year and twelve values (missing ones 0), each followed by a comma; no line
// end.
std::string DataLine(const std::string& name, int year, const std::vector<long long>& values);
std::string DataLine(const std::string& name, int year, std::initializer_list<long long> values);

// A whole data file: the header line, then the given lines, each ended by CR LF.
std::string DataFileText(const std::vector<std::string>& lines);

// The file's bytes exactly as stored; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

// Writes the bytes exactly as given, replacing the file; false when they could not be written.
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Appends count copies of the byte, a megabyte at a time, for files too large to build in memory.
void AppendByteRun(std::ostream& file, char byte, std::uintmax_t count);

} // namespace Armalyx
