// A StockData.txt in the data folder, seen through the real window: a type's estimate begins at
// its starting strength, the status line names the third file, and its doubtful lines reach the
// data report.
#include "ChartHoverText.h"
#include "MonthReadOut.h"
#include "TChart1Curves.h"
#include "TDataReportWindow.h"
#include "TForm1Fixture.h"
#include "TStatusLine.h"
#include "TestFiles.h"

#include <Production1.h>
#include <TLineSeries.h>

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

class TForm1Stock : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        WriteTotalData(FleetLines(1000, 10, 20, 5));
        WriteVehicles(2);
    }

    void WriteStockData(const std::vector<std::string>& lines) {
        const std::string text = Armalyx::DataFileText(lines);
        ASSERT_TRUE(Armalyx::WriteFileBytes(
            std::filesystem::path(DataDirectory().toStdString()) / "StockData.txt", text));
    }
};

// The estimate from a starting strength, worked out here month by month: half of each month's
// production before its losses, half after them; none of the month before's still to come.
std::vector<double> EstimateFrom(int firstMonth, double count, double monthly) {
    std::vector<double> values;
    double estimate = count;
    double previous = 0;
    for (int month = firstMonth; month <= 53; ++month) {
        estimate += monthly / 2;
        estimate -= estimate * Production1::Store().LossRate[month];
        estimate += previous / 2;
        previous = monthly;
        values.push_back(std::max(estimate, 0.0));
    }
    return values;
}

} // namespace

TEST_F(TForm1Stock, AStartingStrengthStartsTheEstimate) {
    const struct {
        const char* Name;
        int Year;
        int Month;
        int FirstMonth;
        double Count;
    } cases[] = {
        {"January 1941", 1941, 1, 1, 400},
        {"June 1941", 1941, 6, 6, 9000},
        {"a later month", 1943, 3, 27, 250},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        WriteStockData({"v1," + std::to_string(test.Year) + "," + std::to_string(test.Month) + "," +
                        std::to_string(static_cast<int>(test.Count)) + ","});
        if (!Driver().Activated()) {
            ShowAndActivate();
        } else {
            Driver().ReloadDataFiles();
        }
        ClickRow(1);
        const auto points = PointsOf(*Driver().Series2);
        ASSERT_FALSE(points.empty());
        EXPECT_EQ(points.front().first, test.FirstMonth);
        const std::vector<double> expected = EstimateFrom(test.FirstMonth, test.Count, 1);
        ASSERT_EQ(points.size(), expected.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].second, expected[i], 1e-9 * std::max(1.0, expected[i])) << i;
        }
        // The share curve begins with the estimate.
        EXPECT_EQ(PointsOf(*Driver().Series6).front().first, test.FirstMonth);
        EXPECT_TRUE(Driver().Label8->text().contains(QStringLiteral("StockData.txt (1 line)")))
            << Driver().Label8->text().toStdString();
    }
    // v2 has no line: it starts in January 1941 with none, as without the file.
    ClickRow(2);
    const double firstMonth = 2.0 / 2 * (1 - Production1::Store().LossRate[1]);
    EXPECT_EQ(PointsOf(*Driver().Series7).front(), std::make_pair(1.0, firstMonth));
}

TEST_F(TForm1Stock, DoubtfulLinesReachTheDataReport) {
    WriteStockData({"v1,1941,6,500,", "T-43,1942,1,10,", "v2,1941,13,5,"});
    ShowAndActivate();
    EXPECT_TRUE(Driver().DetailsButton->isVisible());
    EXPECT_TRUE(Driver().Label8->text().contains(QStringLiteral("StockData.txt")));
    Driver().ShowDataReport();
    ASSERT_NE(Driver().DataReport(), nullptr);
    const QString report = Driver().DataReport()->SelectedRowsText();
    EXPECT_TRUE(report.contains(QStringLiteral("StockData.txt\t3\t"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("no vehicle type \"T-43\" in TankData.txt")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("StockData.txt\t4\t"))) << report.toStdString();
}

TEST_F(TForm1Stock, DocumentedStrengthsStandBesideTheEstimate) {
    WriteStockData({"v1,1941,6,500,", "v1,1942,1,300,", "v1,1943,3,0,"});
    ShowAndActivate();
    ClickRow(1);
    const std::vector<QStringList> rows = Driver().ChartDataRows(QLocale::c());
    ASSERT_FALSE(rows.empty());
    const QStringList& header = rows.front();
    const qsizetype column = header.indexOf(QStringLiteral("v1 documented"));
    ASSERT_GE(column, 0) << header.join(QLatin1Char('|')).toStdString();
    const qsizetype estimate = header.indexOf(QStringLiteral("v1"));
    std::vector<std::pair<QString, QString>> documented;
    for (std::size_t row = 1; row < rows.size(); ++row) {
        if (!rows[row].at(column).isEmpty()) {
            documented.emplace_back(rows[row].at(0), rows[row].at(column));
        }
    }
    // The starting strength is where the estimate begins, not a documented strength beside it.
    EXPECT_EQ(documented,
              (std::vector<std::pair<QString, QString>>{{"Jan 1942", "300"}, {"Mar 1943", "0"}}));
    const auto jan1942 = std::find_if(rows.begin(), rows.end(), [](const QStringList& row) {
        return row.at(0) == QStringLiteral("Jan 1942");
    });
    ASSERT_NE(jan1942, rows.end());
    const double estimateThen = jan1942->at(estimate).toDouble();
    const QString percent = QString::number(std::abs(std::round((estimateThen - 300) / 3)));
    const auto values = Armalyx::MonthReadOut::ValuesAt(Driver().Curves().Readings(), 13);
    const auto line = std::find_if(values.begin(), values.end(), [](const auto& value) {
        return value.Name == QStringLiteral("v1 documented");
    });
    ASSERT_NE(line, values.end());
    const QString text = Armalyx::ChartHoverText::ValueLine(*line, QLocale(QLocale::English));
    EXPECT_TRUE(text.startsWith(QStringLiteral("v1 documented: 300, estimate ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(percent + QStringLiteral(" %"))) << text.toStdString();
    EXPECT_TRUE(Driver().ChartSummary().contains(QStringLiteral("v1 documented: 300 in Jan 1942")))
        << Driver().ChartSummary().toStdString();
}
