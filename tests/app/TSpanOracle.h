#pragma once
// The span figures the edit boxes must show, summed afresh from the production store's tables
// in the test's own way: exact 64-bit sums over the months the span covers, clamped to the
// signed 32-bit range at the end.

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// Item indices of the four span selectors as the user left them (-1 after typed text).
struct TSpanChoices {
    int StartMonth = 0;
    int StartYear = 0;
    int EndMonth = 11;
    int EndYear = 4;
};

// Texts of Edit1, Edit2 and Edit3 after a click on a table row (0 is the header row); none when
// such a click leaves the edit boxes alone (header, empty rows).
std::optional<QStringList> ExpectedSpanTexts(int row, const TSpanChoices& choices);
// The same after a Ctrl+ or Shift+click that left a group of these vehicle rows picked.
QStringList ExpectedGroupTexts(const std::vector<int>& rows, const TSpanChoices& choices);
