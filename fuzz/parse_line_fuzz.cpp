// One data line of arbitrary bytes: the streaming parser, fed whole and in three pieces, must give
// what the plain character-by-character reading gives; storing the line into a fresh store must
// keep the store's invariants.
#include "Production1.h"
#include "ReferenceLineParser.h"
#include "StoreInvariants.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace Production1;
using ArmalyxFuzz::Require;

void RequireSameLine(const ArmalyxFuzz::TReferenceLine& expected, const TParsedLine& parsed) {
    Require(parsed.Shape == expected.Shape, "the line's shape differs");
    Require(parsed.Name.View() == expected.Name, "the name differs");
    Require(parsed.Year == expected.Year, "the year differs");
    for (int month = YearMonths::First(); month <= YearMonths::Last(); ++month) {
        Require(Store().LineMonths[month] ==
                    expected.Months.at(static_cast<std::size_t>(month - 1)),
                "a month differs");
    }
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
    const ArmalyxFuzz::TReferenceLine expected = ArmalyxFuzz::ReferenceParse(line);
    RequireSameLine(expected, ParseDataLine(line));
    RequireSameLine(expected, ParseInPieces(line));

    InitializeStore();
    ApplyTotalDataLine(line);
    ApplyTankDataLine(line);
    ApplyTankDataLine(line);
    ComputeVehicleTotals();
    ComputeSummedProduction();
    ComputeLossRate();
    ComputeSpanTotals();
    ArmalyxFuzz::RequireStoreInvariants();
    Require(Store().VehicleCount <= 1, "one line named more than one vehicle");
    return 0;
}
