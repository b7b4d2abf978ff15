// The reader's short paths (whole numbers read eight characters at a time, the vehicle name index)
// must give exactly what the general paths give.
#include "TProductionTest.h"

#include "TVehicleIndex.h"
#include "TWholeNumber.h"

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace Production1;

namespace {

// What the general number field makes of the number characters that start the text, when a
// separator follows them; nothing when the text ends inside the field.
std::optional<double> GeneralValue(std::string_view text) {
    TNumberField field;
    for (const char c : text) {
        if (!IsNumberChar(c)) {
            return field.Convert();
        }
        field.Push(c);
    }
    return std::nullopt;
}

void ExpectShortPathAgrees(const std::string& text) {
    SCOPED_TRACE("field text \"" + text + "\"");
    const auto whole = ScanWholeNumber(text);
    if (!whole) {
        return; // left to the general path
    }
    const auto general = GeneralValue(text);
    ASSERT_TRUE(general.has_value());
    EXPECT_EQ(whole->Value(), *general);
    EXPECT_EQ(whole->ToInt32(), TruncateToInt32(*general));
    EXPECT_FALSE(IsNumberChar(text[whole->Length]));
}

std::string RandomField(std::mt19937& random) {
    static const std::string kCharacters = "0123456789012345678901234567890123456789-.,; x";
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, kCharacters.size() - 1);
    std::string text;
    for (std::size_t i = length(random); i > 0; --i) {
        text += kCharacters[pick(random)];
    }
    return text;
}

} // namespace

TEST(WholeNumberScanTest, TakesPlainWholeNumbersAndLeavesTheRestToTheGeneralPath) {
    struct TCase {
        std::string text;
        std::optional<double> value;
        std::size_t length;
    };
    const TCase cases[] = {
        {"7,", 7, 1},
        {"-7,", -7, 2},
        {"-0,", -0.0, 2},
        {"1234567,tail", 1234567, 7},
        {"12345678,tail", 12345678, 8},
        {"123456789,tail", 123456789, 9},
        {"123456789012345,", 123456789012345, 15},
        {"1234567890123456,", std::nullopt, 0},
        {"0000000000000000012,", std::nullopt, 0},
        {"2147483648,", 2147483648.0, 10},
        {"12.5,", std::nullopt, 0},
        {"12-5,", std::nullopt, 0},
        {"-,", std::nullopt, 0},
        {"--1,", std::nullopt, 0},
        {",", std::nullopt, 0},
        {"123", std::nullopt, 0},
        {"12345678", std::nullopt, 0},
        {"", std::nullopt, 0},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.text);
        const auto whole = ScanWholeNumber(test.text);
        ASSERT_EQ(whole.has_value(), test.value.has_value());
        if (whole) {
            EXPECT_EQ(whole->Value(), *test.value);
            EXPECT_EQ(std::signbit(whole->Value()), std::signbit(*test.value));
            EXPECT_EQ(whole->Length, test.length);
        }
        ExpectShortPathAgrees(test.text);
    }
    EXPECT_EQ(ScanWholeNumber("2147483648,")->ToInt32(), 2147483647);
    EXPECT_EQ(ScanWholeNumber("-2147483648,")->ToInt32(), -2147483647 - 1);
    EXPECT_EQ(ScanWholeNumber("-2147483649,")->ToInt32(), -2147483647 - 1);
}

TEST(WholeNumberScanTest, AgreesWithTheGeneralNumberFieldOnRandomFields) {
    std::mt19937 random(6);
    for (int round = 0; round < 200000; ++round) {
        ExpectShortPathAgrees(RandomField(random));
        if (HasFatalFailure()) {
            return;
        }
    }
}

using LineSplitTest = TProductionTest;

TEST_F(LineSplitTest, LinesFedInTwoPiecesAtEverySplitParseAsAWhole) {
    const std::string lines[] = {
        "Total,1942,100,,110 120;130,-,150,160,170,180,190,200,210,",
        "Vehicle type 12,1943,12345678,-123456789,1.5,7.,.5,123456789012345678,9,",
        "T-34,1942,1-2,--1,1..2,1.2.3,-,5,6,7,8,9,10,11,12,13,14,",
        ";comment,1941,1,2,3,4,5,6,7,",
        "Total,1941,1,2,3,4,",
    };
    for (const std::string& line : lines) {
        const TParsedLine whole = ParseDataLine(line);
        const std::vector<int> wholeMonths = Months(store.LineMonths);
        for (std::size_t split = 0; split <= line.size(); ++split) {
            SCOPED_TRACE(line + " split at " + std::to_string(split));
            TLineParser parser(store.LineMonths);
            parser.Begin();
            parser.Feed(std::string_view(line).substr(0, split));
            parser.Feed(std::string_view(line).substr(split));
            const TParsedLine pieces = parser.Finish();
            EXPECT_EQ(pieces.Shape, whole.Shape);
            EXPECT_EQ(pieces.Name, whole.Name);
            EXPECT_EQ(pieces.Year, whole.Year);
            EXPECT_EQ(Months(store.LineMonths), wholeMonths);
        }
    }
}

using VehicleIndexTest = TProductionTest;

TEST_F(VehicleIndexTest, FindsTheSlotsTheSlotBySlotScanFinds) {
    struct TCase {
        const char* what;
        std::vector<std::string> names; // "" leaves a slot free
        std::vector<std::string> lookups;
    };
    std::vector<std::string> fullTable;
    for (int slot = 1; slot <= MaxVehicles; ++slot) {
        fullTable.push_back(std::string(1, 'V').append(std::to_string(slot)));
    }
    const TCase cases[] = {
        {"empty table", {}, {"T-34", "KV-1", "T-34", "", "KV-1", "T-60"}},
        {"used slots", {"A", "B", "C"}, {"C", "A", "D", "D", "B", "E"}},
        {"a free slot between used ones", {"A", "", "B", "C"}, {"B", "D", "B", "C", "E", "A"}},
        {"a name held twice", {"A", "B", "A", "", "B"}, {"A", "B", "C", "B", "D"}},
        {"full table", fullTable, {"V201", "V1", "V202", "", "V100"}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.what);
        const auto setNames = [&test](VehicleNameTable& names) {
            names.Fill(VehicleName());
            for (std::size_t i = 0; i < test.names.size(); ++i) {
                names[static_cast<int>(i) + 1] = VehicleName(test.names[i]);
            }
        };
        std::vector<int> scanned;
        setNames(store.VehicleNames);
        for (const std::string& name : test.lookups) {
            scanned.push_back(FindOrAddVehicle(VehicleName(name)));
        }
        const VehicleNameTable scannedNames = store.VehicleNames;

        std::vector<int> indexed;
        setNames(store.VehicleNames);
        TVehicleIndex index(store.VehicleNames);
        for (const std::string& name : test.lookups) {
            indexed.push_back(index.FindOrAdd(VehicleName(name)));
        }
        EXPECT_EQ(indexed, scanned);
        EXPECT_TRUE(store.VehicleNames == scannedNames);
    }
}
