#include "TProductionTest.h"

#include <random>
#include <string>

using namespace Production1;

namespace {

// A file of random pieces of the line grammar (names, years in and out of range, values,
// separators, line ends), so that random files reach every branch of the reader.
std::string RandomFile(std::mt19937& random, std::size_t pieces) {
    static const std::string kPieces[] = {
        "T-34", "KV-1",   "A\x80\xff",   "ABCDEFGHIJKLMNOPQRSTUVWXY",
        "1941", "1942.5", "1945",        "1946",
        "12",   "-7",     "99999999999", ".",
        "-",    "1-2",    ",",           ",",
        ",",    ",,",     " ",           ";",
        "X",    "\t",     "\r\n",        "\r\n",
        "\r",   "\n"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
    std::string bytes;
    for (std::size_t i = 0; i < pieces; ++i) {
        bytes += kPieces[pick(random)];
    }
    return bytes;
}

} // namespace

using InvariantsTest = TProductionTest;

TEST_F(InvariantsTest, RandomFilesLoadIntoAConsistentStore) {
    std::mt19937 random(20261208);
    int vehiclesSeen = 0;
    for (int round = 0; round < 40; ++round) {
        directory.WriteFile(kTotalDataFileName, RandomFile(random, 2000));
        directory.WriteFile(kTankDataFileName, RandomFile(random, 8000));
        ASSERT_NO_THROW(LoadProductionData());
        vehiclesSeen += store.VehicleCount;
        ASSERT_GE(store.VehicleCount, 0);
        ASSERT_LE(store.VehicleCount, MaxVehicles);
        for (int slot = 1; slot <= MaxVehicles; ++slot) {
            const bool used = slot <= store.VehicleCount;
            EXPECT_EQ(store.VehicleNames[slot].IsEmpty(), !used) << slot;
            EXPECT_GE(store.VehicleTotals[slot], 0) << slot;
            for (int other = 1; used && other < slot; ++other) {
                EXPECT_FALSE(store.VehicleNames[other] == store.VehicleNames[slot]) << slot;
            }
        }
        for (int month : {1, 2, 3, 4, 54, 55, 56, 57, 58, 59, 60}) {
            SCOPED_TRACE(month);
            EXPECT_EQ(store.LossRate[month], 0.0);
        }
    }
    EXPECT_GT(vehiclesSeen, 40) << "the random files should reach the vehicle table";
}
