// One data line of arbitrary bytes: the streaming parser, fed whole and in three pieces, must give
// what the plain character-by-character reading gives, values and the way the line was written
// alike; storing the line into a fresh store must keep the store's invariants; and a line stored
// without a word in the account must have stored every value its author wrote.
#include "Production1.h"
#include "ReferenceLineParser.h"
#include "StoreInvariants.h"
#include "TLineAccount.h"
#include "TLineEcho.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace Production1;
using Armalyx::Fuzz::Require;

void RequireSameLine(const Armalyx::Fuzz::TReferenceLine& expected, const TParsedLine& parsed) {
    Require(parsed.Shape == expected.Shape, "the line's shape differs");
    Require(parsed.Name.View() == expected.Name, "the name differs");
    Require(parsed.Year == expected.Year, "the year differs");
    for (int month = YearMonths::First(); month <= YearMonths::Last(); ++month) {
        Require(Store().LineMonths[month] ==
                    expected.Months.at(static_cast<std::size_t>(month - 1)),
                "a month differs");
    }
    const TLineWriting& want = expected.Writing;
    const TLineWriting& got = parsed.Writing;
    Require(got.FirstChar == want.FirstChar && got.OnlyBlanks == want.OnlyBlanks,
            "the line's start differs");
    Require(got.QuotationMark == want.QuotationMark, "the quotation mark differs");
    Require(got.NameLength == want.NameLength && got.NameLastChar == want.NameLastChar,
            "the name as written differs");
    Require(got.YearConverted == want.YearConverted, "the year's conversion differs");
    Require(got.MonthFields == want.MonthFields, "the count of monthly fields differs");
    Require(got.FirstFailedMonth == want.FirstFailedMonth, "the first failed month differs");
    Require(got.FirstMovedMonth == want.FirstMovedMonth, "the first moved month differs");
    Require(got.ExtraValues == want.ExtraValues, "the values after December differ");
    Require(got.CrossedOutData == want.CrossedOutData, "the crossed-out data line differs");
}

// A line that the account passes over in silence is a comment, an empty line, or a line whose
// values are exactly the year and twelve months, each stored as written.
void RequireSilenceMeansStoredAsWritten(std::string_view line) {
    const TParsedLine parsed = ParseDataLine(line);
    const TLineOutcome outcome = StoreTotalDataLine(parsed);
    TLineAccount account(TDataFileKind::Fleet);
    TReadReport report;
    account.Record(2, parsed, outcome, TStoredPlace{}, TLineEcho{}, report);
    if (report.ProblemCount() != 0 || outcome != TLineOutcome::Stored) {
        return;
    }
    const std::vector<std::string> runs = Armalyx::Fuzz::NumberRuns(line);
    Require(runs.size() == 13, "a line stored in silence did not hold a year and twelve values");
    Require(std::all_of(runs.begin(), runs.end(), Armalyx::Fuzz::Converts),
            "a line stored in silence held a value that did not convert");
}

// The line in three pieces, split at places taken from its own first and last bytes.
TParsedLine ParseInPieces(std::string_view line) {
    const std::size_t size = line.size();
    std::size_t first = size == 0 ? 0 : static_cast<unsigned char>(line.front()) % (size + 1);
    std::size_t second = size == 0 ? 0 : static_cast<unsigned char>(line.back()) * 7 % (size + 1);
    if (first > second) {
        std::swap(first, second);
    }
    TLineParser parser(Store().LineMonths);
    parser.Begin();
    parser.Feed(line.substr(0, first));
    parser.Feed(line.substr(first, second - first));
    parser.Feed(line.substr(second));
    return parser.Finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const Armalyx::Fuzz::TReferenceLine expected = Armalyx::Fuzz::ReferenceParse(line);
    RequireSameLine(expected, ParseDataLine(line));
    RequireSameLine(expected, ParseInPieces(line));
    RequireSilenceMeansStoredAsWritten(line);

    InitializeStore();
    ApplyTotalDataLine(line);
    ApplyTankDataLine(line);
    ApplyTankDataLine(line);
    ComputeVehicleTotals();
    ComputeSummedProduction();
    ComputeLossRate();
    ComputeSpanTotals();
    Armalyx::Fuzz::RequireStoreInvariants();
    Require(Store().VehicleCount <= 1, "one line named more than one vehicle");
    return 0;
}
