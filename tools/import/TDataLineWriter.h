#pragma once

#include "TCsvReader.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Armalyx::Import {

// Writes spreadsheet rows as lines of the program's data files: the name, the year and the twelve
// months of that year, each followed by a comma, and CR LF. A row is written only when the
// program will read back exactly what the spreadsheet holds; otherwise it is left out and the
// reasons are given, each starting "row N" or "row N, column X".
class TDataLineWriter final {
public:
    // The header line written first (the program always skips the first line).
    static constexpr std::string_view kHeader =
        "Vehicle,Year,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,";
    // What the program keeps of a name, and how many vehicle types it holds.
    static constexpr std::size_t kNameCapacity = 20;
    static constexpr std::size_t kMaxVehicles = 201;
    static constexpr std::size_t kMonths = 12;

    // The delimiter tells how numbers in the cells are written (see ConvertCellNumber).
    TDataLineWriter(std::ostream& output, char delimiter);

    void WriteHeader();
    // Writes the record as one data line, or gives why it cannot be written faithfully.
    std::vector<std::string> Write(const TCsvRecord& record);

private:
    struct TLine {
        std::string Name;
        std::int32_t Year = 0;
        std::vector<std::int32_t> Months;
    };

    // Adds the problems of the record's cells to the list and fills the line from them.
    void ReadName(const TCsvRecord& record, TLine& line, std::vector<std::string>& problems) const;
    void ReadYear(const TCsvRecord& record, TLine& line, std::vector<std::string>& problems) const;
    void ReadMonths(const TCsvRecord& record, TLine& line,
                    std::vector<std::string>& problems) const;
    // What the program would make of the line differently from the other rows: a second row for
    // the same name and year, or one vehicle more than it holds.
    std::string ClashWithEarlierRows(const TCsvRecord& record, const TLine& line) const;

    std::ostream& m_output;
    char m_delimiter;
    std::map<std::pair<std::string, std::int32_t>, std::size_t> m_rowOfNameAndYear;
    std::set<std::string> m_names;
};

} // namespace Armalyx::Import
