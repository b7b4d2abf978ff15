// The CSV files of Export data: fields quoted exactly where a reader needs it, and the vehicle
// table's sums counted as the window counts them.
#include "CsvReader.h"
#include "CsvText.h"
#include "VehicleTableText.h"

#include <gtest/gtest.h>

#include <numeric>

TEST(CsvText, FieldsAreQuotedWhereAReaderNeedsIt) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"T-34", "T-34"},
        {"", ""},
        {"1234.5", "1234.5"},
        {"T-34 \"85\"", "\"T-34 \"\"85\"\"\""},
        {"a,b", "\"a,b\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\ronly", "\"cr\ronly\""},
        {" blank ", " blank "},
        {"Škoda T-21", "Škoda T-21"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.text);
        EXPECT_EQ(Armalyx::CsvText::Field(QString::fromUtf8(test.text)),
                  QString::fromUtf8(test.field));
    }
}

TEST(CsvText, DocumentsReadBackAsTheirRows) {
    const std::vector<QStringList> rows = {
        {"Vehicle", "1941", "Span Jan 1941 to Dec 1945"},
        {"T-34 \"85\"", "12", ""},
        {"a,b", "two\r\nlines", "Škoda"},
        {""},
    };
    const QByteArray bytes = Armalyx::CsvText::Document(rows);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
    const auto read = ReadCsv(bytes);
    ASSERT_TRUE(read.has_value()) << bytes.toStdString();
    EXPECT_EQ(*read, rows);
}

namespace {

std::vector<std::int32_t> Months(std::initializer_list<std::pair<int, std::int32_t>> values) {
    std::vector<std::int32_t> months(60, 0);
    for (const auto& [month, value] : values) {
        months[static_cast<std::size_t>(month - 1)] = value;
    }
    return months;
}

} // namespace

TEST(VehicleTableText, YearsTotalAndSpanCountTheMonthsAsTheWindowDoes) {
    using namespace Armalyx::VehicleTableText;
    const std::vector<TProductionRow> rows = {
        // A vehicle's negative months count nowhere, as in the table's total.
        {QStringLiteral("T-34"), Months({{1, 10}, {12, 5}, {13, -7}, {25, 3}, {60, 2}}),
         TMonthsCounted::Positive},
        // The deliveries count every month, as the "Lend Lease" row does.
        {QStringLiteral("Lend Lease"), Months({{1, 4}, {13, -1}, {14, 6}}), TMonthsCounted::Every},
        // A short list of months counts the months it has.
        {QStringLiteral("KV-1"), {1, 2, 3}, TMonthsCounted::Positive},
    };
    const struct {
        int first;
        int last;
        const char* title;
        QStringList spans;
    } spans[] = {
        {1, 60, "Span Jan 1941 to Dec 1945", {"20", "9", "6"}},
        {12, 13, "Span Dec 1941 to Jan 1942", {"5", "-1", "0"}},
        {-11, 1, "Span Jan 1941 to Jan 1941", {"10", "4", "1"}},
        {60, 75, "Span Dec 1945 to Dec 1945", {"2", "0", "0"}},
        {5, 4, "Span no months", {"0", "0", "0"}},
    };
    for (const auto& span : spans) {
        SCOPED_TRACE(span.title);
        const std::vector<QStringList> table = Rows(rows, span.first, span.last);
        ASSERT_EQ(table.size(), 4U);
        EXPECT_EQ(table[0], (QStringList{"Vehicle", "1941", "1942", "1943", "1944", "1945", "Total",
                                         span.title}));
        EXPECT_EQ(table[1], (QStringList{"T-34", "15", "0", "3", "0", "2", "20", span.spans[0]}));
        EXPECT_EQ(table[2],
                  (QStringList{"Lend Lease", "4", "5", "0", "0", "0", "9", span.spans[1]}));
        EXPECT_EQ(table[3], (QStringList{"KV-1", "6", "0", "0", "0", "0", "6", span.spans[2]}));
    }
}

TEST(VehicleTableText, SumsBeyondThe32BitRangeAreWrittenExactly) {
    using namespace Armalyx::VehicleTableText;
    const std::vector<TProductionRow> rows = {{QStringLiteral("Huge"),
                                               std::vector<std::int32_t>(60, 2'000'000'000),
                                               TMonthsCounted::Positive}};
    const std::vector<QStringList> table = Rows(rows, 1, 60);
    EXPECT_EQ(table[1][1], QStringLiteral("24000000000"));
    EXPECT_EQ(table[1][6], QStringLiteral("120000000000"));
}
