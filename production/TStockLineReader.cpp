#include "TStockLineReader.h"

#include "DataFileReader.h"
#include "DisplayText.h"
#include "TProductionStore.h"

#include <cmath>
#include <utility>

namespace Production1 {

namespace {

constexpr int kMonthField = 1;
constexpr int kCountField = 2;

std::string QuotedName(const TParsedLine& line) {
    std::string text(1, '"');
    text += VisibleLineText(line.Name.View(), false);
    text += '"';
    return text;
}

bool YearInRange(double year) {
    const double whole = std::trunc(year);
    return whole >= kFirstYear && whole <= kLastYear;
}

} // namespace

TStockLineReader::TStockLineReader(const YearMonths& fields) : m_fields(fields) {}

void TStockLineReader::Read(std::int64_t lineNumber, const TParsedLine& line, const TLineEcho& echo,
                            std::int32_t source, TReadReport& report) {
    TStockLine stock;
    std::string reason;
    const TLineOutcome outcome = Check(line, stock, reason);
    report.Tally(outcome);
    if (outcome != TLineOutcome::Stored) {
        if (!reason.empty()) { // comments and empty lines have none
            report.AddProblem(LineProblem(lineNumber, echo, true, "ignored: " + reason));
        }
        return;
    }
    TProductionStore& store = Store();
    std::int64_t& earlierLine = LineOfCount(stock);
    const std::int32_t earlierCount = store.StockCounts[stock.Slot][stock.Month];
    const std::string doubts = Doubts(line, earlierLine, earlierCount);
    store.StockCounts[stock.Slot][stock.Month] = stock.Count;
    store.StockSources[stock.Slot][stock.Month] = source;
    earlierLine = lineNumber;
    if (!doubts.empty()) {
        report.AddProblem(LineProblem(lineNumber, echo, false, "stored with a doubt: " + doubts));
    }
}

TLineOutcome TStockLineReader::Check(const TParsedLine& line, TStockLine& stock,
                                     std::string& reason) const {
    TLineOutcome outcome = TLineOutcome::Stored;
    if (const auto unconverted = UnconvertedOutcome(line.Shape)) {
        outcome = *unconverted;
    } else if (!YearInRange(line.Year)) {
        outcome = TLineOutcome::YearOutOfRange;
    } else if (line.Name.IsEmpty()) {
        outcome = TLineOutcome::EmptyName;
    }
    if (outcome != TLineOutcome::Stored) {
        reason = m_account.IgnoredReason(line, outcome);
        return outcome;
    }
    stock.Slot = FindVehicle(line);
    if (stock.Slot == 0) {
        reason = "no vehicle type " + QuotedName(line) + " in " + kTankDataFileName;
        return TLineOutcome::UnknownName;
    }
    if (reason = MonthProblem(line); !reason.empty()) {
        return TLineOutcome::MonthOutOfRange;
    }
    if (reason = CountProblem(line); !reason.empty()) {
        return TLineOutcome::CountNotWhole;
    }
    stock.Month =
        (static_cast<int>(std::trunc(line.Year)) - kFirstYear) * 12 + m_fields[kMonthField];
    stock.Count = m_fields[kCountField];
    return TLineOutcome::Stored;
}

std::string TStockLineReader::MonthProblem(const TParsedLine& line) const {
    const TLineWriting& writing = line.Writing;
    if (writing.MonthFields < kMonthField) {
        return "no month after the year";
    }
    if (writing.FirstFailedMonth == kMonthField || writing.FirstInexactMonth == kMonthField) {
        return "the month is not a whole number from 1 to 12";
    }
    const std::int32_t month = m_fields[kMonthField];
    if (month < 1 || month > 12) {
        return "month " + std::to_string(month) + " is not one of 1 to 12";
    }
    return {};
}

std::string TStockLineReader::CountProblem(const TParsedLine& line) const {
    const TLineWriting& writing = line.Writing;
    if (writing.MonthFields < kCountField) {
        return "no count after the month";
    }
    if (writing.FirstFailedMonth == kCountField || writing.FirstInexactMonth == kCountField) {
        return "the count is not a whole number of 0 or more";
    }
    const std::int32_t count = m_fields[kCountField];
    if (count < 0) {
        return "count " + std::to_string(count) + " is not a whole number of 0 or more";
    }
    return {};
}

std::string TStockLineReader::Doubts(const TParsedLine& line, std::int64_t replacedLine,
                                     std::int32_t replacedCount) const {
    const TLineWriting& writing = line.Writing;
    std::string doubts;
    const auto add = [&doubts](const std::string& doubt) {
        if (!doubts.empty()) {
            doubts += "; ";
        }
        doubts += doubt;
    };
    if (writing.NameLength > TVehicleName::kCapacity) {
        add("name cut to " + std::to_string(TVehicleName::kCapacity) + " bytes");
    }
    if (writing.FirstMovedMonth != 0) {
        add("a field without a number between two separators, so the fields after it moved one "
            "place earlier");
    }
    if (writing.MonthFields > kCountField || writing.ExtraValues) {
        add("values after the count ignored");
    }
    if (replacedLine != 0) {
        add("a second line for " + QuotedName(line) + " and this month: replaces the count " +
            GroupedNumber(replacedCount) + " of line " + std::to_string(replacedLine));
    }
    return doubts;
}

int TStockLineReader::FindVehicle(const TParsedLine& line) {
    const VehicleNameTable& names = Store().VehicleNames;
    for (int slot = names.First(); slot <= names.Last(); ++slot) {
        if (names[slot].IsEmpty()) {
            return 0; // the named slots are 1..n, each new name appended
        }
        if (names[slot] == line.Name) {
            return slot;
        }
    }
    return 0;
}

std::int64_t& TStockLineReader::LineOfCount(const TStockLine& stock) {
    // Made at the first stored line, so that a load without the file allocates nothing for it.
    if (m_lines.empty()) {
        m_lines.assign(std::size_t{MaxVehicles} * kLastMonth, 0);
    }
    const auto position = static_cast<std::size_t>(stock.Slot - 1) * kLastMonth +
                          static_cast<std::size_t>(stock.Month - 1);
    return m_lines.at(position);
}

} // namespace Production1
