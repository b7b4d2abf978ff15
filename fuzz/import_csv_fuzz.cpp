// A spreadsheet export of arbitrary bytes: the converter writes a header and one line per row it
// took, each perhaps after comment lines, and every line reads back through the program's own
// line parser as exactly the name, year and twelve values written (a comment line as a comment),
// with no line break or end-of-file mark inside it. Only the converter's own source lines read as
// source lines, never a note. A sheet refused whole writes nothing.
#include "CsvImport.h"
#include "Production1.h"
#include "StoreInvariants.h"
#include "TSourceComment.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace Production1;
using Armalyx::Fuzz::Require;

constexpr std::string_view kLineEnd = "\r\n";

std::vector<std::string_view> Lines(std::string_view file) {
    std::vector<std::string_view> lines;
    while (!file.empty()) {
        const std::size_t end = file.find(kLineEnd);
        Require(end != std::string_view::npos, "a line without CR LF");
        lines.push_back(file.substr(0, end));
        file.remove_prefix(end + kLineEnd.size());
    }
    return lines;
}

// The line as the converter would write what the parser read from it.
std::string Rewritten(const TParsedLine& parsed) {
    std::string line(parsed.Name.View());
    line += ',' + std::to_string(static_cast<int>(parsed.Year)) + ',';
    for (int month = YearMonths::First(); month <= YearMonths::Last(); ++month) {
        line += std::to_string(Store().LineMonths[month]) + ',';
    }
    return line;
}

// A comment line is a source line exactly when the converter wrote it as one.
void RequireSourceLineAsWritten(std::string_view line) {
    TSourceComment comment;
    comment.Begin();
    comment.Feed(line);
    const bool written = line == "; source:" || line.starts_with("; source: ");
    Require(comment.IsSourceLine() == written, "a note reads as a source line, or a source not");
    if (written) {
        const std::string_view text = line.substr(std::min<std::size_t>(line.size(), 10));
        Require(comment.Cut() || comment.Text() == text, "a source reads back as another text");
    }
}

void RequireReadsBack(std::string_view line) {
    Require(line.find_first_of("\r\n\x1A") == std::string_view::npos,
            "a line holds a line break or an end-of-file mark");
    const TParsedLine parsed = ParseDataLine(line);
    Require(parsed.Converted(), "a written line converts nothing");
    Require(parsed.Name.View() == line.substr(0, line.find(',')), "the name is read otherwise");
    Require(parsed.Year >= kFirstYear && parsed.Year <= kLastYear &&
                parsed.Year == static_cast<int>(parsed.Year),
            "the year is not one of 1941 to 1945");
    Require(Rewritten(parsed) == line, "the line reads back as other values");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::ostringstream output;
    const Armalyx::Import::TImportResult result = Armalyx::Import::ImportCsv(text, output);
    const std::string file = output.str();
    if (!result.Refusal.empty() || file.empty()) {
        Require(file.empty() && result.RowsWritten == 0, "a sheet refused wrote lines");
        return 0;
    }
    const std::vector<std::string_view> lines = Lines(file);
    Require(lines.front().starts_with("Vehicle,Year,"), "no header line");
    std::set<std::pair<std::string, int>> namesAndYears;
    std::set<std::string> names;
    std::size_t dataLines = 0;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        if (lines[index].starts_with("; ")) {
            Require(lines[index].find_first_of("\r\n\x1A") == std::string_view::npos,
                    "a comment line holds a line break or an end-of-file mark");
            Require(ParseDataLine(lines[index]).Shape != TLineShape::Converted,
                    "a comment line reads as data");
            RequireSourceLineAsWritten(lines[index]);
            continue;
        }
        ++dataLines;
        RequireReadsBack(lines[index]);
        const TParsedLine parsed = ParseDataLine(lines[index]);
        const std::string name(parsed.Name.View());
        Require(namesAndYears.emplace(name, static_cast<int>(parsed.Year)).second,
                "a name and year written twice");
        names.insert(name);
    }
    Require(dataLines == result.RowsWritten, "the count of rows written is wrong");
    Require(names.size() <= static_cast<std::size_t>(MaxVehicles), "more vehicles than slots");
    return 0;
}
