#pragma once
// The rows of the data report: every data line that the last load ignored or stored other than
// it was written, as the report window lists them and as its Copy puts them on the clipboard.

#include <TReadReport.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace Armalyx::DataReportText {

// The columns of a row, in the window's order.
enum class TColumn { File, Line, Reason, Text };
inline constexpr int kColumnCount = 4;

struct TRow {
    int FileOrder = 0; // 0 TotalData.txt, 1 TankData.txt, 2 StockData.txt: the order of reading
    QString File;
    std::int64_t Line = 0; // counted from 1, the header being line 1
    QString Reason;
    QString Text; // the line as written, control characters shown, an ellipsis when it was cut
};

// The column titles, which are also the Copy text's header row.
QStringList ColumnTitles();

// The lines of both reports, TotalData.txt's first, each file's in line order.
// A StockData.txt's lines follow when the folder had one.
std::vector<TRow> Rows(const Production1::TReadReport& totalData,
                       const Production1::TReadReport& tankData,
                       const Production1::TReadReport* stockData = nullptr);

// The order of rows sorted upwards by a column: by its cells (line numbers as numbers, the files
// as they are read, texts regardless of letter case), equal cells by file as read and line.
bool RowLess(const TRow& a, const TRow& b, TColumn column);

// How many lines the two reports hold in all, kept or not.
std::int64_t ReportedLines(const Production1::TReadReport& totalData,
                           const Production1::TReadReport& tankData,
                           const Production1::TReadReport* stockData = nullptr);

// The line under the table: how many lines were reported beyond those listed, or that there is
// nothing to list; empty when every reported line is listed.
QString NoteText(const Production1::TReadReport& totalData,
                 const Production1::TReadReport& tankData,
                 const Production1::TReadReport* stockData = nullptr);

// The rows as tab-separated text with the column titles as the first row, one line per row.
QString CopyText(const std::vector<TRow>& rows);

} // namespace Armalyx::DataReportText
