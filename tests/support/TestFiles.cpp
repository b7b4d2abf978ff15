#include "TestFiles.h"

#include <fstream>
#include <iterator>

namespace Armalyx {

std::string DataLine(const std::string& name, int year, const std::vector<long long>& values) {
    std::string line = name + "," + std::to_string(year) + ",";
    for (const long long value : values) {
        line += std::to_string(value) + ",";
    }
    for (std::size_t month = values.size(); month < 12; ++month) {
        line += "0,";
    }
    return line;
}

std::string DataLine(const std::string& name, int year, std::initializer_list<long long> values) {
    return DataLine(name, year, std::vector<long long>(values));
}

std::string DataFileText(const std::vector<std::string>& lines) {
    std::string text = std::string(kDataFileHeader) + "\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

void AppendByteRun(std::ostream& file, char byte, std::uintmax_t count) {
    const std::string block(std::size_t{1024} * 1024, byte);
    for (; count >= block.size(); count -= block.size()) {
        file.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    file.write(block.data(), static_cast<std::streamsize>(count));
}

} // namespace Armalyx
