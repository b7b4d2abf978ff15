#include "AvailabilityMaths.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace Armalyx::AvailabilityMaths;

namespace {

std::vector<double> Months(double value) {
    return std::vector<double>(60, value);
}

double At(const std::vector<double>& values, int month) {
    return values.at(static_cast<std::size_t>(month - 1));
}

} // namespace

TEST(VehicleEstimate, FollowsTheHalfBeforeHalfAfterRecurrence) {
    std::vector<double> production = Months(0);
    std::vector<double> lossRate = Months(0);
    production[0] = 100; // month 1
    production[1] = 40;  // month 2
    lossRate[1] = 0.25;
    const std::vector<double> estimate = VehicleEstimate(production, lossRate);
    ASSERT_EQ(estimate.size(), 53U);
    EXPECT_DOUBLE_EQ(At(estimate, 1), 50.0);
    // (50 + 20) * 0.75 + 100 / 2
    EXPECT_DOUBLE_EQ(At(estimate, 2), 102.5);
    EXPECT_DOUBLE_EQ(At(estimate, 3), 122.5);
}

TEST(VehicleEstimate, NoProductionStaysFlatAtZero) {
    const std::vector<double> estimate = VehicleEstimate(Months(0), Months(0.1));
    for (const double value : estimate) {
        EXPECT_EQ(value, 0.0);
    }
}

TEST(VehicleEstimate, NeverGoesBelowZero) {
    const std::vector<double> estimate = VehicleEstimate(Months(-10), Months(0));
    for (const double value : estimate) {
        EXPECT_EQ(value, 0.0);
    }
}

TEST(VehicleEstimate, ResetAfterHavingBeenHighIsStrictAtBothLevels) {
    // Production P in month 1 only: month 1 shows P/2, month 2 shows P, month 3 shows
    // P * (1 - r3); month 4 shows what month 3 left (0 after a reset).
    struct TCase {
        const char* What;
        double Production;
        double LossRate3;
        double Month3;
        double Month4;
    };
    const TCase cases[] = {
        {"above 20 then below 10 resets", 36.0, 0.75, 9.0, 0.0},
        {"above 20 then exactly 10 keeps", 40.0, 0.75, 10.0, 10.0},
        {"exactly 20 never arms the reset", 20.0, 0.5625, 8.75, 8.75},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        std::vector<double> production = Months(0);
        std::vector<double> lossRate = Months(0);
        production[0] = c.Production;
        lossRate[2] = c.LossRate3;
        const std::vector<double> estimate = VehicleEstimate(production, lossRate);
        EXPECT_EQ(At(estimate, 2), c.Production);
        EXPECT_EQ(At(estimate, 3), c.Month3);
        EXPECT_EQ(At(estimate, 4), c.Month4);
    }
}

TEST(LendLeaseEstimate, HasNoFloorAndNoReset) {
    std::vector<double> deliveries = Months(0);
    deliveries[0] = 60;
    deliveries[1] = -100;
    const std::vector<double> estimate = LendLeaseEstimate(deliveries, Months(0));
    ASSERT_EQ(estimate.size(), 53U);
    EXPECT_DOUBLE_EQ(At(estimate, 1), 30.0);
    EXPECT_DOUBLE_EQ(At(estimate, 2), 10.0);  // 30 - 50 + 30
    EXPECT_DOUBLE_EQ(At(estimate, 3), -40.0); // 10 - 50
}

TEST(FleetSharePosition, MapsSharesOntoTheCountAxisAndSkipsAnEmptyFleet) {
    EXPECT_DOUBLE_EQ(*FleetSharePosition(0.0, 500), 10000.0);
    EXPECT_DOUBLE_EQ(*FleetSharePosition(250.0, 500), 15000.0);
    EXPECT_DOUBLE_EQ(*FleetSharePosition(500.0, 500), 20000.0);
    EXPECT_DOUBLE_EQ(*FleetSharePosition(100.0, -1000), 9000.0);
    EXPECT_FALSE(FleetSharePosition(100.0, 0).has_value());
    EXPECT_FALSE(FleetSharePosition(0.0, 0).has_value());
}

TEST(TableFormats, LendLeaseTotalIsRightAlignedInFourCharacters) {
    struct TCase {
        std::vector<std::int32_t> Monthly;
        const char* Text;
    };
    const TCase cases[] = {
        {{}, "   0"},
        {{75}, "  75"},
        {{40, 35}, "  75"},
        {{-5}, "  -5"},
        {{1000, 234}, "1234"},
        {{123456}, "123456"},
        {{2147483647, 2147483647}, "4294967294"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases << ": " << c.Text);
        EXPECT_EQ(LendLeaseTotalText(c.Monthly), QString::fromLatin1(c.Text));
    }
}

TEST(TableFormats, PlainIntegersHaveNoPaddingOrSeparators) {
    EXPECT_EQ(PlainInteger(0), QStringLiteral("0"));
    EXPECT_EQ(PlainInteger(-42), QStringLiteral("-42"));
    EXPECT_EQ(PlainInteger(1234567), QStringLiteral("1234567"));
}
