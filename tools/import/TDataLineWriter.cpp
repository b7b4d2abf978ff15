#include "TDataLineWriter.h"

#include "CellNumber.h"

#include <algorithm>

namespace Armalyx::Import {

namespace {

constexpr std::size_t kNameColumn = 0;
constexpr std::size_t kYearColumn = 1;
constexpr std::size_t kFirstMonthColumn = 2;
constexpr std::int32_t kFirstYear = 1941;
constexpr std::int32_t kLastYear = 1945;

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// The cell's text for a message, in quotes; control characters show as "?" so that a cell
// cannot send commands to the terminal.
std::string Shown(std::string_view text) {
    std::string shown = "\"";
    for (const char c : text) {
        shown += IsControl(c) ? '?' : c;
    }
    return shown + "\"";
}

std::string Where(const TCsvRecord& record, std::size_t column) {
    return "row " + std::to_string(record.Row) + ", column " + ColumnName(column) + ": ";
}

std::string_view Cell(const TCsvRecord& record, std::size_t column) {
    return column < record.Cells.size() ? std::string_view(record.Cells[column])
                                        : std::string_view();
}

// Why the program would not read the name as written; empty when it would.
std::string NameProblem(std::string_view name) {
    if (name.empty()) {
        return "the name is empty";
    }
    if (std::any_of(name.begin(), name.end(), IsControl)) {
        return "the name " + Shown(name) +
               " holds a line break or another control character, which would break the line";
    }
    if (name.find(',') != std::string_view::npos) {
        return "the name " + Shown(name) + " holds a comma, where the program would end the name";
    }
    if (name.front() == ';' || name.front() == 'X' || name.front() == 'x') {
        return "the name " + Shown(name) + " starts with \"" + name.front() +
               "\", so the program would take the line for a comment";
    }
    if (name.size() > TDataLineWriter::kNameCapacity) {
        return "the name " + Shown(name) + " is " + std::to_string(name.size()) +
               " bytes long; the program keeps only " +
               std::to_string(TDataLineWriter::kNameCapacity);
    }
    return {};
}

// Why the cell is not a whole number the program can store; empty when it is one.
std::string NumberProblem(std::string_view cell, TCellProblem problem) {
    const std::string shown = Shown(TrimBlanks(cell));
    switch (problem) {
    case TCellProblem::None:
        return {};
    case TCellProblem::NotANumber:
        return shown + " is not a number";
    case TCellProblem::NotWhole:
        return shown + " is not a whole number, and the program stores whole numbers only";
    case TCellProblem::Ambiguous:
        return shown + " may group thousands or hold a decimal fraction; write it without grouping "
                       "marks";
    case TCellProblem::OutOfRange:
        return shown + " is outside the range the program stores (-2147483648 to 2147483647)";
    }
    return shown + " cannot be read";
}

} // namespace

TDataLineWriter::TDataLineWriter(std::ostream& output, char delimiter)
    : m_output(output), m_delimiter(delimiter) {}

void TDataLineWriter::WriteHeader() {
    m_output << kHeader << "\r\n";
}

std::vector<std::string> TDataLineWriter::Write(const TCsvRecord& record) {
    // Cells after a quoting fault are not what the spreadsheet meant: that fault alone is named.
    if (!record.QuotingProblem.empty()) {
        return {"row " + std::to_string(record.Row) + ", " + record.QuotingProblem};
    }
    std::vector<std::string> problems;
    TLine line;
    ReadName(record, line, problems);
    ReadYear(record, line, problems);
    ReadMonths(record, line, problems);
    if (problems.empty()) {
        if (std::string clash = ClashWithEarlierRows(record, line); !clash.empty()) {
            problems.push_back(std::move(clash));
        }
    }
    if (!problems.empty()) {
        return problems;
    }
    m_rowOfNameAndYear.emplace(std::make_pair(line.Name, line.Year), record.Row);
    m_names.insert(line.Name);
    m_output << line.Name << ',' << line.Year << ',';
    for (const std::int32_t value : line.Months) {
        m_output << value << ',';
    }
    m_output << "\r\n";
    return problems;
}

void TDataLineWriter::ReadName(const TCsvRecord& record, TLine& line,
                               std::vector<std::string>& problems) const {
    // Blanks around the name are the spreadsheet's layout, not part of the name; trimmed, a
    // name can no longer start with the blank that would make the line a comment.
    line.Name = TrimBlanks(Cell(record, kNameColumn));
    if (std::string problem = NameProblem(line.Name); !problem.empty()) {
        problems.push_back(Where(record, kNameColumn) + problem);
    }
}

void TDataLineWriter::ReadYear(const TCsvRecord& record, TLine& line,
                               std::vector<std::string>& problems) const {
    const std::string_view cell = Cell(record, kYearColumn);
    const TCellNumber year = ConvertCellNumber(cell, m_delimiter);
    std::string problem = NumberProblem(cell, year.Problem);
    if (problem.empty() && year.Empty) {
        problem = "there is no year";
    } else if (problem.empty() && (year.Value < kFirstYear || year.Value > kLastYear)) {
        problem = "the year " + std::to_string(year.Value) + " is not one of 1941 to 1945";
    }
    if (!problem.empty()) {
        problems.push_back(Where(record, kYearColumn) + problem);
    }
    line.Year = year.Value;
}

void TDataLineWriter::ReadMonths(const TCsvRecord& record, TLine& line,
                                 std::vector<std::string>& problems) const {
    for (std::size_t month = 0; month < kMonths; ++month) {
        const std::size_t column = kFirstMonthColumn + month;
        const std::string_view cell = Cell(record, column);
        const TCellNumber value = ConvertCellNumber(cell, m_delimiter);
        if (std::string problem = NumberProblem(cell, value.Problem); !problem.empty()) {
            problems.push_back(Where(record, column) + problem);
        }
        line.Months.push_back(value.Value);
    }
    for (std::size_t column = kFirstMonthColumn + kMonths; column < record.Cells.size(); ++column) {
        if (!TrimBlanks(record.Cells[column]).empty()) {
            problems.push_back(Where(record, column) + Shown(TrimBlanks(record.Cells[column])) +
                               " is past December; a row holds one year of twelve months");
            return;
        }
    }
}

std::string TDataLineWriter::ClashWithEarlierRows(const TCsvRecord& record,
                                                  const TLine& line) const {
    const auto earlier = m_rowOfNameAndYear.find(std::make_pair(line.Name, line.Year));
    if (earlier != m_rowOfNameAndYear.end()) {
        return "row " + std::to_string(record.Row) + ": " + Shown(line.Name) + " " +
               std::to_string(line.Year) + " is already in row " + std::to_string(earlier->second) +
               "; the program would keep only the later row's months";
    }
    if (!m_names.contains(line.Name) && m_names.size() >= kMaxVehicles) {
        return "row " + std::to_string(record.Row) + ": " + Shown(line.Name) +
               " would be vehicle type " + std::to_string(kMaxVehicles + 1) +
               "; the program holds " + std::to_string(kMaxVehicles);
    }
    return {};
}

} // namespace Armalyx::Import
