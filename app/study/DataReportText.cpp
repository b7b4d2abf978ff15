#include "DataReportText.h"

#include "TableText.h"

#include <DataFileReader.h>
#include <DisplayText.h>

#include <algorithm>
#include <cstddef>

namespace Armalyx::DataReportText {
namespace {

using Production1::TReadReport;

// Reasons are UTF-8 and may quote what the file holds; control characters are shown as
// pictures so that a row stays one line.
QString VisibleText(const std::string& text, bool cut) {
    return QString::fromStdString(Production1::VisibleLineText(text, cut));
}

void AddRows(std::vector<TRow>& rows, int fileOrder, const char* fileName,
             const TReadReport& report) {
    const auto first = static_cast<std::ptrdiff_t>(rows.size());
    for (const Production1::TLineProblem& problem : report.Problems()) {
        rows.push_back({fileOrder, QLatin1String(fileName), problem.Line,
                        VisibleText(problem.Message, false),
                        VisibleText(problem.Text, problem.TextCut)});
    }
    // The reader keeps its account in line order; the list does not rely on it.
    std::stable_sort(rows.begin() + first, rows.end(),
                     [](const TRow& a, const TRow& b) { return RowLess(a, b, TColumn::File); });
}

std::int64_t UnlistedLines(const TReadReport& report) {
    const auto listed = static_cast<std::int64_t>(report.Problems().size());
    return report.ProblemCount() > listed ? report.ProblemCount() - listed : 0;
}

} // namespace

QStringList ColumnTitles() {
    return {QStringLiteral("File"), QStringLiteral("Line"), QStringLiteral("Reason"),
            QStringLiteral("Line as written")};
}

std::vector<TRow> Rows(const TReadReport& totalData, const TReadReport& tankData,
                       const TReadReport* stockData) {
    std::vector<TRow> rows;
    rows.reserve(totalData.Problems().size() + tankData.Problems().size());
    AddRows(rows, 0, Production1::kTotalDataFileName, totalData);
    AddRows(rows, 1, Production1::kTankDataFileName, tankData);
    if (stockData != nullptr) {
        AddRows(rows, 2, Production1::kStockDataFileName, *stockData);
    }
    return rows;
}

bool RowLess(const TRow& a, const TRow& b, TColumn column) {
    int order = 0;
    switch (column) {
    case TColumn::File:
        break;
    case TColumn::Line:
        order = a.Line < b.Line ? -1 : (b.Line < a.Line ? 1 : 0);
        break;
    case TColumn::Reason:
        order = a.Reason.compare(b.Reason, Qt::CaseInsensitive);
        break;
    case TColumn::Text:
        order = a.Text.compare(b.Text, Qt::CaseInsensitive);
        break;
    }
    if (order != 0) {
        return order < 0;
    }
    return a.FileOrder != b.FileOrder ? a.FileOrder < b.FileOrder : a.Line < b.Line;
}

std::int64_t ReportedLines(const TReadReport& totalData, const TReadReport& tankData,
                           const TReadReport* stockData) {
    return totalData.ProblemCount() + tankData.ProblemCount() +
           (stockData != nullptr ? stockData->ProblemCount() : 0);
}

QString NoteText(const TReadReport& totalData, const TReadReport& tankData,
                 const TReadReport* stockData) {
    if (ReportedLines(totalData, tankData, stockData) == 0) {
        return QStringLiteral("Every data line was stored as written.");
    }
    const std::int64_t unlisted = UnlistedLines(totalData) + UnlistedLines(tankData) +
                                  (stockData != nullptr ? UnlistedLines(*stockData) : 0);
    if (unlisted == 0) {
        return QString();
    }
    return QStringLiteral("%1 more %2 reported but not listed: the list keeps the first %3 of "
                          "each file.")
        .arg(unlisted)
        .arg(QLatin1String(unlisted == 1 ? "line was" : "lines were"))
        .arg(TReadReport::kKeptProblems);
}

QString CopyText(const std::vector<TRow>& rows) {
    std::vector<QStringList> table{ColumnTitles()};
    table.reserve(rows.size() + 1);
    for (const TRow& row : rows) {
        table.push_back({row.File, QString::number(row.Line), row.Reason, row.Text});
    }
    return Armalyx::TableText::TabSeparatedRows(table);
}

} // namespace Armalyx::DataReportText
