#pragma once
// Spreadsheet cells read as whole numbers. A spreadsheet writes numbers the way its locale shows
// them: with grouping marks (1,250 or 1.250 or 1 250 or 1'250) and a decimal mark (. or ,). The
// data file holds only whole numbers, so a cell is taken only when its value is certain and whole.

#include <cstdint>
#include <string_view>

namespace Armalyx::Import {

enum class TCellProblem {
    None,
    // Not a number at all, or grouping marks where no grouping can be (1,2,3 or 12 34).
    NotANumber,
    // A decimal fraction such as 12.5: the data file would cut it to 12.
    NotWhole,
    // One mark followed by exactly three digits (1.250) may group thousands or start a fraction;
    // nothing in the cell tells which.
    Ambiguous,
    // Outside the signed 32-bit range the program stores.
    OutOfRange,
};

struct TCellNumber {
    TCellProblem Problem = TCellProblem::None;
    std::int32_t Value = 0;
    // True when the cell held nothing but blanks; its value is 0.
    bool Empty = false;
};

// The text without the blanks (spaces and tabs) around it.
std::string_view TrimBlanks(std::string_view text);

// Reads one cell as a whole number. In a comma-separated file a comma inside a number (which the
// spreadsheet had to quote) can only group thousands; with other delimiters a comma may be the
// decimal mark. Blanks, no-break spaces and apostrophes between digits group thousands.
TCellNumber ConvertCellNumber(std::string_view cell, char delimiter);

} // namespace Armalyx::Import
