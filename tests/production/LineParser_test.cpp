#include "TProductionTest.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace Production1;

namespace {

constexpr int kMax = std::numeric_limits<std::int32_t>::max();
constexpr int kMin = std::numeric_limits<std::int32_t>::min();

struct TParseCase {
    const char* what;
    std::string line;
    TLineShape shape;
    std::string name;
    double year;
    std::vector<int> months;
};

std::vector<int> Twelve(std::vector<int> leading) {
    leading.resize(12, 0);
    return leading;
}

} // namespace

using LineParserTest = TProductionTest;

TEST_F(LineParserTest, ParsesNameYearAndTwelveMonths) {
    const TParseCase cases[] = {
        {"all twelve values",
         "Loss,1943,5,6,7,8,9,10,11,12,13,14,15,16,",
         TLineShape::Converted,
         "Loss",
         1943,
         {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"a number ending the line is taken",
         "Loss,1943,5,6,7,8,9,10,11,12,13,14,15,16",
         TLineShape::Converted,
         "Loss",
         1943,
         {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"a decimal number ending the line is taken",
         "Loss,1943,5,6,7,8,9,10,11,12,13,14,15,16.9",
         TLineShape::Converted,
         "Loss",
         1943,
         {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"a year ending the line is taken",
         "Loss,,,,,,,,,,,,,1943",
         TLineShape::Converted,
         "Loss",
         1943,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"separators of every kind, a failed field keeps its month",
         "Total,1942,100,,110 120;130,-,150,160,170,180,190,200,210,",
         TLineShape::Converted,
         "Total",
         1942,
         {100, 110, 120, 130, 0, 150, 160, 170, 180, 190, 200, 210}},
        {"blank and digit belong to the name",
         "Model 7,1944,12,15,0,0,0,0,0,0,0,0,0,4,",
         TLineShape::Converted,
         "Model 7",
         1944,
         {12, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4}},
        {"19 characters are too short", "Total,1941,1,2,3,4,", TLineShape::TooShort, "", 0,
         Twelve({})},
        {"20 characters are enough", "Total,1941,1,2,3,4, ", TLineShape::Converted, "Total", 1941,
         Twelve({1, 2, 3, 4})},
        {"semicolon starts a comment", ";Total,1941,1,2,3,4,5,6,", TLineShape::CommentOrBlankStart,
         "", 0, Twelve({})},
        {"blank start", " Total,1941,1,2,3,4,5,6,", TLineShape::CommentOrBlankStart, "", 0,
         Twelve({})},
        {"X start", "XTotal,1941,1,2,3,4,5,6,", TLineShape::CommentOrBlankStart, "", 0, Twelve({})},
        {"x start", "xTotal,1941,1,2,3,4,5,6,", TLineShape::CommentOrBlankStart, "", 0, Twelve({})},
        {"year only", "Total,1941,         ", TLineShape::Converted, "Total", 1941, Twelve({})},
        {"extra values ignored",
         "T-60,1942,1,2,3,4,5,6,7,8,9,10,11,12,13,14,",
         TLineShape::Converted,
         "T-60",
         1942,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"thousands separator makes two fields", "T-34,1942,1,000,7,8,9,", TLineShape::Converted,
         "T-34", 1942, Twelve({1, 0, 7, 8, 9})},
        {"exponent and plus sign", "T-34,1942,1e3,+5,6,          ", TLineShape::Converted, "T-34",
         1942, Twelve({1, 3, 5, 6})},
        {"fractions truncate toward zero", "T-34,1942.7,12.9,-0.5,-3.9,7.,.5,.,-.,",
         TLineShape::Converted, "T-34", 1942.7, Twelve({12, 0, -3, 7, 0, 0, 0})},
        {"syntax errors fail but keep their month", "T-34,1942,1-2,--1,1..2,1.2.3,-,5,",
         TLineShape::Converted, "T-34", 1942, Twelve({0, 0, 0, 0, 0, 5})},
        {"values beyond 32 bits saturate",
         "T-34,1942,99999999999,-99999999999,2147483647,-2147483648,2147483648,",
         TLineShape::Converted, "T-34", 1942, Twelve({kMax, kMin, kMax, kMin, kMax})},
        {"name cut to 20 characters", "ABCDEFGHIJKLMNOPQRSTUVWXYZ,1941,1,", TLineShape::Converted,
         "ABCDEFGHIJKLMNOPQRST", 1941, Twelve({1})},
        {"no comma is all name", "Total 1941 1 2 3 4 5 6 7", TLineShape::NoComma,
         "Total 1941 1 2 3 4 5", 0, Twelve({})},
        {"nothing converted", "Total,-,-,-,-,-,-,-,-,", TLineShape::NothingConverted, "Total", 0,
         Twelve({})},
        {"failed year stays 0", "Total,19-41,1,2,3,          ", TLineShape::Converted, "Total", 0,
         Twelve({1, 2, 3})},
        {"empty name", ",1941,1,2,3,4,5,6,7,8,", TLineShape::Converted, "", 1941,
         Twelve({1, 2, 3, 4, 5, 6, 7, 8})},
        {"line feed is an ordinary character", "T\n34,1943,1,2,3,4,5,6,", TLineShape::Converted,
         "T\n34", 1943, Twelve({1, 2, 3, 4, 5, 6})},
    };
    for (const TParseCase& test : cases) {
        SCOPED_TRACE(test.what);
        const TParsedLine parsed = ParseDataLine(test.line);
        EXPECT_EQ(parsed.Shape, test.shape);
        EXPECT_EQ(parsed.Converted(), test.shape == TLineShape::Converted);
        EXPECT_EQ(parsed.Name.View(), test.name);
        EXPECT_DOUBLE_EQ(parsed.Year, test.year);
        EXPECT_EQ(Months(store.LineMonths), test.months);
    }
}

TEST_F(LineParserTest, LineFedInPiecesParsesAsAWhole) {
    const std::string line = "Total,1942,100,,110 120;130,-,150,160,170,180,190,200,210,";
    TLineParser parser(store.LineMonths);
    parser.Begin();
    for (const char c : line) {
        parser.Feed(std::string_view(&c, 1));
    }
    const TParsedLine parsed = parser.Finish();
    EXPECT_TRUE(parsed.Converted());
    EXPECT_EQ(Months(store.LineMonths),
              (std::vector<int>{100, 110, 120, 130, 0, 150, 160, 170, 180, 190, 200, 210}));
}

TEST_F(LineParserTest, NumberFieldOfAMillionDigitsTakesItsValue) {
    std::string line = "T-34,1942,1.";
    line += std::string(1000000, '9');
    line +=
        ",0000000000000000000000000000000000000000000000000000000000000000000000000000000000007,";
    line += std::string(1000000, '8') + ",";
    const TParsedLine parsed = ParseDataLine(line);
    EXPECT_TRUE(parsed.Converted());
    EXPECT_EQ(Months(store.LineMonths), Twelve({2, 7, kMax})) << "1.999.. rounds to the double 2";
}

TEST(NumberCharTest, OnlyHyphenPointAndDigitsAreNumberCharacters) {
    const std::string numberChars = "-.0123456789";
    for (int c = 0; c < 256; ++c) {
        const char character = static_cast<char>(c);
        EXPECT_EQ(IsNumberChar(character), numberChars.find(character) != std::string::npos) << c;
    }
}
