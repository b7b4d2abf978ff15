#pragma once

#include "TLineAccount.h"
#include "TLineEcho.h"
#include "TParsedLine.h"
#include "TReadReport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Production1 {

// Stores the data lines of "StockData.txt", each "Name,Year,Month,Count," (Count vehicles of the
// type in service at the start of that month), into the store's StockCounts, and tells in plain
// words which lines it ignored or stored with a doubt. Names are those of "TankData.txt", which is
// read before this file.
class TStockLineReader final {
public:
    // The parsed lines' fields (month and count are its first two "months") are read from fields.
    explicit TStockLineReader(const YearMonths& fields);

    // Stores the line when it gives a count, tallies what became of it and reports it when a
    // person needs to look at it; source is the number of the source over the line.
    void Read(std::int64_t lineNumber, const TParsedLine& line, const TLineEcho& echo,
              std::int32_t source, TReadReport& report);

private:
    struct TStockLine {
        int Slot = 0;
        int Month = 0; // 1..60
        std::int32_t Count = 0;
    };

    // What the line comes to, with the reason when it is not stored.
    TLineOutcome Check(const TParsedLine& line, TStockLine& stock, std::string& reason) const;
    std::string MonthProblem(const TParsedLine& line) const;
    std::string CountProblem(const TParsedLine& line) const;
    // What a stored line was not written as; empty when it was stored as written.
    std::string Doubts(const TParsedLine& line, std::int64_t replacedLine,
                       std::int32_t replacedCount) const;
    static int FindVehicle(const TParsedLine& line);
    std::int64_t& LineOfCount(const TStockLine& stock);

    const YearMonths& m_fields;
    TLineAccount m_account{TDataFileKind::Vehicles};
    // Per vehicle slot and month, the line that gave its count; 0 for none.
    std::vector<std::int64_t> m_lines;
};

} // namespace Production1
