#include "TMonkeyData.h"

#include "TestFiles.h"

#include <QDir>

#include <array>
#include <vector>

using namespace Armalyx;

namespace {

constexpr int kFirstYear = 1941;
constexpr int kLastYear = 1945;

int Between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

template <typename T, std::size_t N>
const T& OneOf(std::mt19937& random, const std::array<T, N>& items) {
    return items.at(static_cast<std::size_t>(Between(random, 0, static_cast<int>(N) - 1)));
}

// How the numbers of a data set look.
enum class TNumberStyle { Ordinary, Huge };

std::string HugeNumber(std::mt19937& random) {
    static const std::array<std::string, 14> kNumbers = {"2147483647",
                                                         "-2147483648",
                                                         "2147483648",
                                                         "-2147483649",
                                                         "4294967295",
                                                         "99999999999999999999",
                                                         "123456789012.5",
                                                         "-0.5",
                                                         ".",
                                                         "-.",
                                                         "1-2",
                                                         "--3",
                                                         "1..2",
                                                         "1.7976931348623157"};
    if (Between(random, 0, 9) == 0) {
        return std::string(static_cast<std::size_t>(Between(random, 20, 400)), '9');
    }
    return OneOf(random, kNumbers);
}

std::string Number(std::mt19937& random, TNumberStyle style, int low, int high) {
    if (style == TNumberStyle::Huge && Between(random, 0, 2) != 0) {
        return HugeNumber(random);
    }
    return std::to_string(Between(random, low, high));
}

// A year as the files write it, now and then one the program does not know.
std::string Year(std::mt19937& random) {
    static const std::array<std::string, 5> kOddYears = {"1940", "1946", "0", "1942.7", "-1943"};
    if (Between(random, 0, 19) == 0) {
        return OneOf(random, kOddYears);
    }
    return std::to_string(Between(random, kFirstYear, kLastYear));
}

std::string DataLine(std::mt19937& random, const std::string& name, const std::string& year,
                     TNumberStyle style, int low, int high) {
    std::string line = name + "," + year + ",";
    for (int month = 0; month < 12; ++month) {
        line += Number(random, style, low, high) + ",";
    }
    return line;
}

std::vector<std::string> FleetLines(std::mt19937& random, TNumberStyle style) {
    std::vector<std::string> lines;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const std::string text = std::to_string(year);
        lines.push_back(DataLine(random, "Total", text, style, 0, 20000));
        lines.push_back(DataLine(random, "Loss", text, style, -50, 3000));
        lines.push_back(DataLine(random, "New", text, style, 0, 2000));
        lines.push_back(DataLine(random, "Lend Lease", text, style, -20, 500));
    }
    return lines;
}

// A vehicle name, now and then with bytes of the upper half of the character set.
std::string VehicleName(std::mt19937& random, int number) {
    std::string name = "T-" + std::to_string(number);
    if (Between(random, 0, 7) == 0) {
        name += static_cast<char>(Between(random, 0x80, 0xFF));
    }
    return name;
}

std::vector<std::string> VehicleLines(std::mt19937& random, int vehicles, TNumberStyle style) {
    std::vector<std::string> lines;
    for (int vehicle = 1; vehicle <= vehicles; ++vehicle) {
        const std::string name = VehicleName(random, vehicle);
        const int years = Between(random, 1, 5);
        for (int year = 0; year < years; ++year) {
            lines.push_back(DataLine(random, name, Year(random), style, -20, 600));
        }
    }
    return lines;
}

// Counts at the start of a month for some of the vehicles, and for names the tank data lacks;
// now and then a month, year or count out of range, or a type's second line for one month.
std::vector<std::string> StockLines(std::mt19937& random, int vehicles) {
    std::vector<std::string> lines;
    const int count = Between(random, 0, 12);
    for (int line = 0; line < count; ++line) {
        const std::string name = "T-" + std::to_string(Between(random, 1, vehicles + 2));
        const std::string year = std::to_string(Between(random, kFirstYear - 1, kLastYear));
        const std::string month = std::to_string(Between(random, 0, 13));
        const std::string number =
            Between(random, 0, 9) == 0 ? "x" : std::to_string(Between(random, -5, 20000));
        lines.push_back(name + "," + year + "," + month + "," + number + ",");
    }
    return lines;
}

// Header line first; each line ended by one of the given line ends, the last one maybe not.
std::string FileText(std::mt19937& random, const std::vector<std::string>& lines,
                     const std::vector<std::string>& lineEnds) {
    std::string text(kDataFileHeader);
    for (const std::string& line : lines) {
        text += lineEnds.at(
            static_cast<std::size_t>(Between(random, 0, static_cast<int>(lineEnds.size()) - 1)));
        text += line;
    }
    if (Between(random, 0, 1) == 0) {
        text += lineEnds.front();
    }
    return text;
}

std::string RandomBytes(std::mt19937& random) {
    // Mostly the characters the reader cares about, so that some lines get through.
    static const std::string kLikely = ",,,0123456789-.\r\n \x1a";
    std::string bytes(static_cast<std::size_t>(Between(random, 0, 6000)), '\0');
    for (char& byte : bytes) {
        byte = Between(random, 0, 3) == 0 ? static_cast<char>(Between(random, 0, 255))
                                          : kLikely.at(static_cast<std::size_t>(Between(
                                                random, 0, static_cast<int>(kLikely.size()) - 1)));
    }
    return bytes;
}

void WriteFile(const QString& directory, const char* name, const std::string& bytes) {
    WriteFileBytes(QDir(directory).filePath(QString::fromLatin1(name)).toStdString(), bytes);
}

struct TFileTexts {
    std::string TotalData;
    std::string TankData;
    // Empty: the folder has no StockData.txt.
    std::string StockData;
};

TFileTexts StructuredTexts(std::mt19937& random, int vehicles, TNumberStyle style,
                           const std::vector<std::string>& lineEnds) {
    TFileTexts texts;
    texts.TotalData = FileText(random, FleetLines(random, style), lineEnds);
    texts.TankData = FileText(random, VehicleLines(random, vehicles, style), lineEnds);
    if (Between(random, 0, 1) == 0) {
        texts.StockData = FileText(random, StockLines(random, vehicles), lineEnds);
    }
    return texts;
}

TFileTexts Texts(TMonkeyDataKind kind, std::mt19937& random) {
    const std::vector<std::string> crlf = {"\r\n"};
    switch (kind) {
    case TMonkeyDataKind::None:
    case TMonkeyDataKind::Empty:
        return {};
    case TMonkeyDataKind::Ordinary:
        return StructuredTexts(random, Between(random, 1, 40), TNumberStyle::Ordinary, crlf);
    case TMonkeyDataKind::HugeNumbers:
        return StructuredTexts(random, Between(random, 1, 40), TNumberStyle::Huge, crlf);
    case TMonkeyDataKind::ManyVehicles:
        return StructuredTexts(random, Between(random, 201, 260), TNumberStyle::Ordinary, crlf);
    case TMonkeyDataKind::RandomBytes:
        return {RandomBytes(random), RandomBytes(random), RandomBytes(random)};
    case TMonkeyDataKind::MixedLineEnds:
        return StructuredTexts(random, Between(random, 1, 40), TNumberStyle::Ordinary,
                               {"\r\n", "\r", "\n", "\n\r", "\r\r\n"});
    }
    return {};
}

} // namespace

std::string MonkeyDataKindName(TMonkeyDataKind kind) {
    switch (kind) {
    case TMonkeyDataKind::None:
        return "None";
    case TMonkeyDataKind::Empty:
        return "Empty";
    case TMonkeyDataKind::Ordinary:
        return "Ordinary";
    case TMonkeyDataKind::HugeNumbers:
        return "HugeNumbers";
    case TMonkeyDataKind::ManyVehicles:
        return "ManyVehicles";
    case TMonkeyDataKind::RandomBytes:
        return "RandomBytes";
    case TMonkeyDataKind::MixedLineEnds:
        return "MixedLineEnds";
    }
    return "Unknown";
}

void WriteMonkeyData(TMonkeyDataKind kind, const QString& directory, std::mt19937& random) {
    if (kind == TMonkeyDataKind::None) {
        return;
    }
    const TFileTexts texts = Texts(kind, random);
    WriteFile(directory, "TotalData.txt", texts.TotalData);
    WriteFile(directory, "TankData.txt", texts.TankData);
    if (!texts.StockData.empty()) {
        WriteFile(directory, "StockData.txt", texts.StockData);
    }
}
