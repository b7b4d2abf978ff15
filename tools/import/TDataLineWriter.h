#pragma once

#include "TCsvReader.h"
#include "TSheetColumns.h"

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

// What became of one row: written or left out, and what the converter says about it, each message
// starting "row N" or "row N, column X".
struct TRowResult {
    bool Written = false;
    std::vector<std::string> Messages;
};

// Writes spreadsheet rows as lines of the program's data files: the name, the year and the twelve
// months of that year, each followed by a comma, and CR LF; a row's source and notes go on comment
// lines right above it. The program takes a source line for every data line below it up to the
// next one, so a row without a source after one with a source gets the line "; source:" that
// ends it, and a note that would read as a source line is written as "; note: TEXT". A row is
// written only when the program will read back exactly what the spreadsheet holds; otherwise it is
// left out and the reasons are given. A row written with an empty month, or whose total differs
// from its months, is named too.
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
    // Writes the record as one data line, or gives why it cannot be written faithfully; the
    // columns tell what the cells after December hold.
    TRowResult Write(const TCsvRecord& record, const TSheetColumns& columns);

private:
    struct TLine {
        std::string Name;
        std::int32_t Year = 0;
        std::vector<std::int32_t> Months;
        std::string Source;                // the Source cells, joined by "; "
        std::vector<std::string> Comments; // the note lines above it, without their "; "
        std::vector<std::string> Notes;    // on a row written as it stands
    };

    // Adds the problems of the record's cells to the list and fills the line from them.
    void ReadName(const TCsvRecord& record, TLine& line, std::vector<std::string>& problems) const;
    void ReadYear(const TCsvRecord& record, TLine& line, std::vector<std::string>& problems) const;
    void ReadMonths(const TCsvRecord& record, TLine& line,
                    std::vector<std::string>& problems) const;
    // The cells after December, by what their columns hold.
    void ReadExtraCells(const TCsvRecord& record, const TSheetColumns& columns, TLine& line,
                        std::vector<std::string>& problems) const;
    void CheckTotal(const TCsvRecord& record, std::size_t column, TLine& line) const;
    // Adds a Source cell to the row's source, naming a source longer than the program keeps.
    static void AddSource(const TCsvRecord& record, std::size_t column, TLine& line);
    void WriteLine(const TLine& line);
    // What the program would make of the line differently from the other rows: a second row for
    // the same name and year, or one vehicle more than it holds.
    std::string ClashWithEarlierRows(const TCsvRecord& record, const TLine& line) const;

    std::ostream& m_output;
    char m_delimiter;
    // The source the lines written so far leave in force for the next data line.
    std::string m_source;
    std::map<std::pair<std::string, std::int32_t>, std::size_t> m_rowOfNameAndYear;
    std::set<std::string> m_names;
};

} // namespace Armalyx::Import
