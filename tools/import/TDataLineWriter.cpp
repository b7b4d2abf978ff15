#include "TDataLineWriter.h"

#include "CellNumber.h"
#include "TLineAccount.h"
#include "TSourceComment.h"

#include <algorithm>
#include <numeric>

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

std::string RowStart(const TCsvRecord& record) {
    return "row " + std::to_string(record.Row) + ": ";
}

// A cell's text for a comment line: on one line, control characters (line breaks, tabs, the
// end-of-file mark) as blanks, and no blanks around it.
std::string CommentText(std::string_view cell) {
    std::string text(cell);
    std::replace_if(text.begin(), text.end(), IsControl, ' ');
    return std::string(TrimBlanks(text));
}

// Whether the program would take the note's comment line for a source line.
bool ReadsAsSourceLine(std::string_view note) {
    Production1::TSourceComment comment;
    comment.Begin();
    comment.Feed("; ");
    comment.Feed(note);
    return comment.IsSourceLine();
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
        return "the name " + QuotedCell(name) +
               " holds a line break or another control character, which would break the line";
    }
    if (name.find(',') != std::string_view::npos) {
        return "the name " + QuotedCell(name) +
               " holds a comma, where the program would end the name";
    }
    if (name.front() == ';' || name.front() == 'X' || name.front() == 'x') {
        return "the name " + QuotedCell(name) + " starts with \"" + name.front() +
               "\", so the program would take the line for a comment";
    }
    if (name.size() > TDataLineWriter::kNameCapacity) {
        return "the name " + QuotedCell(name) + " is " + std::to_string(name.size()) +
               " bytes long; the program keeps only " +
               std::to_string(TDataLineWriter::kNameCapacity);
    }
    return {};
}

// Why the cell is not a whole number the program can store; empty when it is one.
std::string NumberProblem(std::string_view cell, TCellProblem problem) {
    const std::string shown = QuotedCell(TrimBlanks(cell));
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

TRowResult TDataLineWriter::Write(const TCsvRecord& record, const TSheetColumns& columns) {
    // Cells after a quoting fault are not what the spreadsheet meant: that fault alone is named.
    if (!record.QuotingProblem.empty()) {
        return {false, {"row " + std::to_string(record.Row) + ", " + record.QuotingProblem}};
    }
    std::vector<std::string> problems;
    TLine line;
    ReadName(record, line, problems);
    ReadYear(record, line, problems);
    ReadMonths(record, line, problems);
    ReadExtraCells(record, columns, line, problems);
    if (problems.empty()) {
        if (std::string clash = ClashWithEarlierRows(record, line); !clash.empty()) {
            problems.push_back(std::move(clash));
        }
    }
    if (!problems.empty()) {
        return {false, std::move(problems)};
    }
    m_rowOfNameAndYear.emplace(std::make_pair(line.Name, line.Year), record.Row);
    m_names.insert(line.Name);
    WriteLine(line);
    return {true, std::move(line.Notes)};
}

void TDataLineWriter::WriteLine(const TLine& line) {
    // The reader passes over lines that start with ";" in silence, whatever their length.
    if (!line.Source.empty()) {
        m_output << "; source: " << line.Source << "\r\n";
    } else if (!m_source.empty()) {
        m_output << "; source:\r\n";
    }
    m_source = line.Source;
    for (const std::string& comment : line.Comments) {
        m_output << "; " << (ReadsAsSourceLine(comment) ? "note: " : "") << comment << "\r\n";
    }
    m_output << line.Name << ',' << line.Year << ',';
    for (const std::int32_t value : line.Months) {
        m_output << value << ',';
    }
    m_output << "\r\n";
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
        } else if (value.Empty) {
            line.Notes.push_back(RowStart(record) +
                                 Production1::MonthAbbreviation(static_cast<int>(month) + 1) +
                                 " is empty, written as 0");
        }
        line.Months.push_back(value.Value);
    }
}

void TDataLineWriter::ReadExtraCells(const TCsvRecord& record, const TSheetColumns& columns,
                                     TLine& line, std::vector<std::string>& problems) const {
    for (std::size_t column = kFirstMonthColumn + kMonths; column < record.Cells.size(); ++column) {
        const std::string_view cell = TrimBlanks(record.Cells[column]);
        if (cell.empty()) {
            continue;
        }
        switch (columns.Kind(column)) {
        case TExtraColumn::Unnamed:
            problems.push_back(Where(record, column) + QuotedCell(cell) +
                               " is past December; a row holds one year of twelve months");
            return;
        case TExtraColumn::Ignored:
            break;
        case TExtraColumn::Total:
            CheckTotal(record, column, line);
            break;
        case TExtraColumn::Source:
            AddSource(record, column, line);
            break;
        case TExtraColumn::Note:
            line.Comments.push_back(CommentText(cell));
            break;
        }
    }
}

void TDataLineWriter::AddSource(const TCsvRecord& record, std::size_t column, TLine& line) {
    const bool fitted = line.Source.size() <= Production1::TSourceComment::kCapacity;
    line.Source += line.Source.empty() ? "" : "; ";
    line.Source += CommentText(record.Cells[column]);
    if (fitted && line.Source.size() > Production1::TSourceComment::kCapacity) {
        line.Notes.push_back(Where(record, column) + "the source is " +
                             std::to_string(line.Source.size()) +
                             " bytes long; the program keeps only the first " +
                             std::to_string(Production1::TSourceComment::kCapacity));
    }
}

void TDataLineWriter::CheckTotal(const TCsvRecord& record, std::size_t column, TLine& line) const {
    const std::string_view cell = TrimBlanks(record.Cells[column]);
    const TCellNumber total = ConvertCellNumber(cell, m_delimiter);
    if (total.Problem != TCellProblem::None) {
        line.Notes.push_back(Where(record, column) + "the total " +
                             NumberProblem(cell, total.Problem) +
                             ", so the months were not checked against it");
        return;
    }
    const std::int64_t sum =
        std::accumulate(line.Months.begin(), line.Months.end(), std::int64_t{0});
    if (sum != total.Value) {
        line.Notes.push_back(Where(record, column) + "the total is " + std::to_string(total.Value) +
                             " but the twelve months add up to " + std::to_string(sum) +
                             "; the months are written as they stand");
    }
}

std::string TDataLineWriter::ClashWithEarlierRows(const TCsvRecord& record,
                                                  const TLine& line) const {
    const auto earlier = m_rowOfNameAndYear.find(std::make_pair(line.Name, line.Year));
    if (earlier != m_rowOfNameAndYear.end()) {
        return "row " + std::to_string(record.Row) + ": " + QuotedCell(line.Name) + " " +
               std::to_string(line.Year) + " is already in row " + std::to_string(earlier->second) +
               "; the program would keep only the later row's months";
    }
    if (!m_names.contains(line.Name) && m_names.size() >= kMaxVehicles) {
        return "row " + std::to_string(record.Row) + ": " + QuotedCell(line.Name) +
               " would be vehicle type " + std::to_string(kMaxVehicles + 1) +
               "; the program holds " + std::to_string(kMaxVehicles);
    }
    return {};
}

} // namespace Armalyx::Import
