// The estimate of a vehicle type with and without a starting strength, its documented strengths
// beside it, and the sums of a group of types, each checked against the recurrence written out
// here month by month.
#include "TProductionTest.h"

#include <optional>
#include <string>
#include <vector>

using namespace Production1;
using Armalyx::DataLine;

namespace {

// The recurrence as the help page tells it: half of a month's production enters before its
// losses, half after them with the half left from the month before; never below 0; once above 20,
// a month below 10 is shown and the next month starts from 0. It starts at the first month with
// the count given and nothing carried.
std::vector<std::optional<double>> Expected(const std::vector<double>& production,
                                            const std::vector<double>& lossRate, int firstMonth,
                                            double count) {
    std::vector<std::optional<double>> months(53);
    double running = count;
    double carried = 0.0;
    bool high = false;
    for (int month = firstMonth; month <= 53; ++month) {
        const double made = production[static_cast<std::size_t>(month - 1)];
        running = running + made / 2;
        running = running - running * lossRate[static_cast<std::size_t>(month - 1)];
        running = running + carried / 2;
        carried = made;
        running = running >= 0.0 ? running : 0.0;
        months[static_cast<std::size_t>(month - 1)] = running;
        high = high || running > 20.0;
        if (high && running < 10.0) {
            running = 0.0;
        }
    }
    return months;
}

std::vector<std::optional<double>> Shown(const TEstimateCurve& curve) {
    std::vector<std::optional<double>> months;
    for (int month = 1; month <= 53; ++month) {
        months.push_back(curve.At(month));
    }
    return months;
}

std::vector<double> AsDoubles(const MonthSeries& series) {
    return {series.begin(), series.end()};
}

std::vector<double> AsDoubles(const MonthValues& values) {
    return {values.begin(), values.end()};
}

// A fleet of 1,000 losing 50 a month, whose production is the types'; in August 1942 it loses 99
// of every 100, which sends a type over 20 back through the restart rule.
std::vector<std::string> FleetLines() {
    std::vector<std::string> lines;
    for (int year = 1941; year <= 1945; ++year) {
        lines.push_back(DataLine("Total", year, std::vector<long long>(12, 1000)));
        std::vector<long long> losses(12, 50);
        if (year == 1942) {
            losses[7] = 990;
        }
        lines.push_back(DataLine("Loss", year, losses));
    }
    return lines;
}

class EstimatesTest : public TProductionTest {
protected:
    void WriteData(const std::vector<std::string>& stockLines) const {
        WriteTotalData(FleetLines());
        WriteTankData({
            DataLine("T-34", 1941, {0, 0, 0, 0, 0, 30, 40, 50, 60, 70, 80, 90}),
            DataLine("T-34", 1942, {100, 110, 120}),
            DataLine("KV-1", 1941, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}),
            DataLine("T-60", 1942, {0, 0, 0, 0, 0, 0, 0, 0, 0, 200, 200, 200}),
        });
        WriteDataFile(kStockDataFileName, stockLines);
    }
};

} // namespace

TEST_F(EstimatesTest, EstimateBeginsAtTheStartingStrength) {
    struct TCase {
        const char* name;
        std::vector<std::string> stock;
        int slot;
        int firstMonth;
        double count;
    } const cases[] = {
        {"no line: from none in January 1941", {}, 1, 1, 0.0},
        {"January 1941", {"T-34,1941,1,1200,"}, 1, 1, 1200.0},
        {"June 1941", {"T-34,1941,6,900,"}, 1, 6, 900.0},
        {"a later month", {"KV-1,1943,3,25,"}, 2, 27, 25.0},
        {"July's second half is in August's count", {"T-34,1941,8,500,"}, 1, 8, 500.0},
        {"after the restart month of August 1942", {"KV-1,1942,9,0,"}, 2, 21, 0.0},
        {"a type with no production before its line", {"T-60,1942,10,4,"}, 3, 22, 4.0},
        {"later lines do not move it", {"T-34,1941,6,900,", "T-34,1943,1,50,"}, 1, 6, 900.0},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.name);
        WriteData(test.stock);
        LoadProductionData();
        const TEstimateCurve curve = VehicleEstimate(store, test.slot);
        EXPECT_EQ(curve.FirstMonth, test.firstMonth);
        EXPECT_EQ(Shown(curve), Expected(AsDoubles(store.VehicleProduction[test.slot]),
                                         AsDoubles(store.LossRate), test.firstMonth, test.count));
    }
}

TEST_F(EstimatesTest, RestartRuleCountsFromTheStartingStrength) {
    // August 1942 loses 99 of every 100, and KV-1 makes nothing in 1942.
    struct TCase {
        const char* name;
        const char* stock;
        bool restarts;
    } const cases[] = {
        {"over 20 in July, below 10 in August: September starts from 0", "KV-1,1942,7,30,", true},
        {"30 at the start of August is not yet a month over 20", "KV-1,1942,8,30,", false},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.name);
        WriteData({test.stock});
        LoadProductionData();
        const TEstimateCurve curve = VehicleEstimate(store, 2);
        ASSERT_TRUE(curve.At(20) && curve.At(21));
        EXPECT_LT(*curve.At(20), 10.0);
        EXPECT_EQ(*curve.At(21) == 0.0, test.restarts) << *curve.At(21);
    }
}

TEST_F(EstimatesTest, StartingStrengthAfterTheLastEstimateMonthLeavesNoMonths) {
    WriteData({"KV-1,1945,6,100,"});
    LoadProductionData();
    const TEstimateCurve curve = VehicleEstimate(store, 2);
    EXPECT_EQ(curve.FirstMonth, 54);
    for (int month = 1; month <= 60; ++month) {
        EXPECT_FALSE(curve.At(month)) << month;
    }
}

TEST_F(EstimatesTest, DocumentedStrengthsStandBesideTheEstimateOfTheirMonth) {
    WriteData({"T-34,1941,6,900,", "T-34,1942,1,700,", "T-34,1943,3,650,", "T-34,1945,7,400,"});
    LoadProductionData();
    const TEstimateCurve curve = VehicleEstimate(store, 1);
    const auto expected =
        Expected(AsDoubles(store.VehicleProduction[1]), AsDoubles(store.LossRate), 6, 900.0);
    const std::vector<TStockPoint> documented = DocumentedStrengths(store, 1);
    ASSERT_EQ(documented, (std::vector<TStockPoint>{{13, 700}, {27, 650}, {55, 400}}));
    EXPECT_EQ(curve.At(13), expected[12]);
    EXPECT_EQ(curve.At(27), expected[26]);
    EXPECT_FALSE(curve.At(55)) << "July 1945 has no estimate to stand beside";
}

TEST_F(EstimatesTest, GroupSumsItsMembersFromTheLatestFirstMonth) {
    WriteData({"T-34,1941,6,900,", "KV-1,1941,1,40,", "T-60,1942,3,0,"});
    LoadProductionData();
    const auto member = [this](int slot, int firstMonth, double count) {
        return Expected(AsDoubles(store.VehicleProduction[slot]), AsDoubles(store.LossRate),
                        firstMonth, count);
    };
    const auto t34 = member(1, 6, 900.0);
    const auto kv1 = member(2, 1, 40.0);
    const auto t60 = member(3, 15, 0.0);
    struct TCase {
        const char* name;
        std::vector<int> slots;
        int firstMonth;
        std::vector<const std::vector<std::optional<double>>*> members;
        std::int32_t spanProduction;
    } const cases[] = {
        {"two types", {1, 2}, 6, {&t34, &kv1}, 420 + 330 + 60},
        {"three types", {2, 3, 1}, 15, {&kv1, &t60, &t34}, 60 + 600 + 420 + 330},
        {"a slot named twice counts once", {2, 2}, 1, {&kv1}, 60},
        {"a free slot is left out", {2, 9}, 1, {&kv1}, 60},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.name);
        const TEstimateCurve group = GroupEstimate(store, test.slots);
        EXPECT_EQ(group.FirstMonth, test.firstMonth);
        for (int month = 1; month <= 53; ++month) {
            const auto index = static_cast<std::size_t>(month - 1);
            if (month < test.firstMonth) {
                EXPECT_FALSE(group.At(month)) << month;
                continue;
            }
            double sum = 0.0;
            for (const auto* values : test.members) {
                sum += (*values)[index].value();
            }
            EXPECT_EQ(group.At(month), sum) << month;
        }
        EXPECT_EQ(GroupSpanProduction(store, test.slots), test.spanProduction);
    }
}

TEST_F(EstimatesTest, GroupSpanProductionFollowsTheSelectors) {
    WriteData({});
    LoadProductionData();
    store.SetSpanChoices({5, 0, 1, 1}); // June 1941 to February 1942
    EXPECT_EQ(GroupSpanProduction(store, {1, 2}), 420 + 210 + 35);
    store.SetSpanChoices({1, 1, 5, 0}); // reversed
    EXPECT_EQ(GroupSpanProduction(store, {1, 2}), 0);
    store.SetSpanChoices({0, -1, 11, 7}); // reaching outside the data's months
    EXPECT_EQ(GroupSpanProduction(store, {1, 2}), 750 + 60);
}
