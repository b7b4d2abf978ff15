// The converter's parts on their own: spreadsheet numbers read as whole numbers, and CSV records
// split into cells.
#include "CellNumber.h"
#include "SheetEncoding.h"
#include "TCsvReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Armalyx::Import::ColumnName;
using Armalyx::Import::ConvertCellNumber;
using Armalyx::Import::TCellProblem;
using Armalyx::Import::TCsvReader;
using Armalyx::Import::TCsvRecord;

namespace {

struct TNumberCase {
    const char* Cell;
    char Delimiter;
    TCellProblem Problem;
    std::int32_t Value;
};

} // namespace

TEST(ImportCellNumber, TakesOnlyNumbersWhoseWholeValueIsCertain) {
    const TNumberCase cases[] = {
        {"", ',', TCellProblem::None, 0},
        {"  ", ';', TCellProblem::None, 0},
        {"125", ',', TCellProblem::None, 125},
        {" -3 ", ',', TCellProblem::None, -3},
        {"+5", ',', TCellProblem::None, 5},
        {"007", ',', TCellProblem::None, 7},
        {"-0", ',', TCellProblem::None, 0},
        // A comma in a comma-separated file can only group thousands.
        {"1,250", ',', TCellProblem::None, 1250},
        {"1,250,000", ',', TCellProblem::None, 1250000},
        {"1,250.00", ',', TCellProblem::None, 1250},
        {"12,5", ',', TCellProblem::NotANumber, 0},
        {"1,2,3", ',', TCellProblem::NotANumber, 0},
        // Blanks, no-break spaces and apostrophes group thousands in any file.
        {"1 250", ';', TCellProblem::None, 1250},
        {"1\u00A0250", ',', TCellProblem::None, 1250},
        {"1\u202F250\u202F000", '\t', TCellProblem::None, 1250000},
        {"1'250", ',', TCellProblem::None, 1250},
        {"1\u2019250", ';', TCellProblem::None, 1250},
        {"12 34", ',', TCellProblem::NotANumber, 0},
        {"1 250'000", ',', TCellProblem::NotANumber, 0},
        {"1  250", ',', TCellProblem::NotANumber, 0},
        // Decimal marks: whole only with a fraction of zeros.
        {"12.0", ',', TCellProblem::None, 12},
        {"12.", ',', TCellProblem::None, 12},
        {"7,00", ';', TCellProblem::None, 7},
        {"1.250,00", ';', TCellProblem::None, 1250},
        {"1 250,0", '\t', TCellProblem::None, 1250},
        {"1250.000", ',', TCellProblem::None, 1250},
        {"12.5", ',', TCellProblem::NotWhole, 0},
        {"12,5", ';', TCellProblem::NotWhole, 0},
        {"-0.5", ',', TCellProblem::NotWhole, 0},
        {".5", ',', TCellProblem::NotWhole, 0},
        {"0.250", ';', TCellProblem::NotWhole, 0},
        {"1.250,5", ';', TCellProblem::NotWhole, 0},
        // One mark before exactly three digits reads two ways.
        {"1.250", ';', TCellProblem::Ambiguous, 0},
        {"1,250", ';', TCellProblem::Ambiguous, 0},
        {"1,250", '\t', TCellProblem::Ambiguous, 0},
        {"1.250", ',', TCellProblem::Ambiguous, 0},
        {"1.000", ',', TCellProblem::Ambiguous, 0},
        {"-12.000", ';', TCellProblem::Ambiguous, 0},
        {"1.250.000", ';', TCellProblem::None, 1250000},
        // Not numbers at all.
        {"abc", ',', TCellProblem::NotANumber, 0},
        {"-", ',', TCellProblem::NotANumber, 0},
        {".", ',', TCellProblem::NotANumber, 0},
        {"1e3", ',', TCellProblem::NotANumber, 0},
        {"12%", ',', TCellProblem::NotANumber, 0},
        {"(125)", ',', TCellProblem::NotANumber, 0},
        {"1-2", ',', TCellProblem::NotANumber, 0},
        {"--1", ',', TCellProblem::NotANumber, 0},
        // The signed 32-bit range, whatever the leading zeros.
        {"2147483647", ',', TCellProblem::None, 2147483647},
        {"-2147483648", ',', TCellProblem::None, -2147483647 - 1},
        {"0002147483647", ',', TCellProblem::None, 2147483647},
        {"2147483648", ',', TCellProblem::OutOfRange, 0},
        {"-2147483649", ',', TCellProblem::OutOfRange, 0},
        {"2,147,483,648", ',', TCellProblem::OutOfRange, 0},
        {"99999999999999999999999", ',', TCellProblem::OutOfRange, 0},
    };
    for (const TNumberCase& test : cases) {
        SCOPED_TRACE(std::string(test.Cell) + " with delimiter " + test.Delimiter);
        const Armalyx::Import::TCellNumber number = ConvertCellNumber(test.Cell, test.Delimiter);
        EXPECT_EQ(number.Problem, test.Problem);
        if (test.Problem == TCellProblem::None) {
            EXPECT_EQ(number.Value, test.Value);
        }
    }
}

TEST(ImportCsvReader, NamesColumnsAsSpreadsheetsDo) {
    EXPECT_EQ(ColumnName(0), "A");
    EXPECT_EQ(ColumnName(25), "Z");
    EXPECT_EQ(ColumnName(26), "AA");
    EXPECT_EQ(ColumnName(27), "AB");
    EXPECT_EQ(ColumnName(701), "ZZ");
    EXPECT_EQ(ColumnName(702), "AAA");
}

namespace {

using TCells = std::vector<std::string>;

struct TReaderCase {
    const char* Name;
    std::string Text;
    char Delimiter;
    std::vector<TCells> Records;
    // The row number of each record, when not 1, 2, 3, ...
    std::vector<std::size_t> Rows = {};
};

std::vector<TCsvRecord> ReadAll(TCsvReader& reader) {
    std::vector<TCsvRecord> records;
    for (TCsvRecord record; reader.Next(record);) {
        records.push_back(record);
    }
    return records;
}

} // namespace

TEST(ImportCsvReader, SplitsRecordsOfEveryDelimiterLineEndAndQuoting) {
    const TReaderCase cases[] = {
        {"comma, LF", "a,b\nc,d\n", ',', {{"a", "b"}, {"c", "d"}}},
        {"semicolon, CR LF", "a;b;c,d\r\ne;f\r\n", ';', {{"a", "b", "c,d"}, {"e", "f"}}},
        {"tab, lone CR", "a\tb c\rd\te", '\t', {{"a", "b c"}, {"d", "e"}}},
        {"mixed line ends", "a\rb\r\nc\nd", ',', {{"a"}, {"b"}, {"c"}, {"d"}}},
        {"byte-order mark", "\uFEFFa;b\n", ';', {{"a", "b"}}},
        {"one column", "a\nb\n", ',', {{"a"}, {"b"}}},
        {"delimiters in quotes do not count", "\"a;b;c\",d\n", ',', {{"a;b;c", "d"}}},
        {"doubled quotes", "\"KV \"\"1\"\"\",x\n", ',', {{"KV \"1\"", "x"}}},
        {"line breaks in quotes", "\"a\r\nb\",c\nd\n", ',', {{"a\r\nb", "c"}, {"d"}}, {1, 2}},
        {"blanks around quotes", " \"1,250\" ,x\n", ',', {{"1,250", "x"}}},
        {"a quote inside a field is text", "ab\"c,d\n", ',', {{"ab\"c", "d"}}},
        {"empty fields and rows", ",,\n\n,\n", ',', {{"", "", ""}, {""}, {"", ""}}},
        {"no final line end", "a,b", ',', {{"a", "b"}}},
        {"empty text", "", ',', {}},
        {"a tie keeps the comma", "a,b;c\n", ',', {{"a", "b;c"}}},
    };
    for (const TReaderCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TCsvReader reader(test.Text);
        EXPECT_EQ(reader.Delimiter(), test.Delimiter);
        const std::vector<TCsvRecord> records = ReadAll(reader);
        ASSERT_EQ(records.size(), test.Records.size());
        for (std::size_t index = 0; index < records.size(); ++index) {
            EXPECT_EQ(records[index].Cells, test.Records[index]);
            EXPECT_EQ(records[index].Row, test.Rows.empty() ? index + 1 : test.Rows[index]);
            EXPECT_EQ(records[index].QuotingProblem, "");
        }
    }
}

TEST(ImportCsvReader, NamesBrokenQuotingWithItsColumn) {
    const struct {
        const char* Text;
        std::size_t Row;
        const char* Problem;
    } cases[] = {
        {"a,b\nc,\"d\n", 2, "column B: the quote is not closed before the end of the file"},
        {"a,\"b\"c,d\n", 1, "column B: text follows the closing quote"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Text);
        TCsvReader reader(test.Text);
        const std::vector<TCsvRecord> records = ReadAll(reader);
        ASSERT_EQ(records.size(), test.Row);
        EXPECT_EQ(records.back().QuotingProblem, test.Problem);
    }
}

TEST(ImportSheetEncoding, Windows1251BytesBecomeTheirCyrillicLetters) {
    EXPECT_EQ(Armalyx::Import::Windows1251ToUtf8("\xD2-34 \xC0\xFF \xA8\xB8 \xB9"
                                                 "5 \x98 A"),
              "\u0422-34 \u0410\u044F \u0401\u0451 \u21165 \uFFFD A");
}
