// Source comments in the data files, seen through the real window: a vehicle row's tooltip gives
// each year's source, and the vehicle table's CSV gains a "Sources" column only when a line had
// one.
#include "ChartHoverText.h"
#include "CsvReader.h"
#include "MonthReadOut.h"
#include "TChart1Curves.h"
#include "TForm1Fixture.h"
#include "TStringGrid.h"
#include "TestFiles.h"

#include <QFile>
#include <QTableWidgetItem>

namespace {

class TForm1Sources : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        WriteTotalData(FleetLines(1000, 10, 20, 5));
    }

    void WriteTankText(const std::vector<std::string>& lines) {
        const std::string text = Armalyx::DataFileText(lines);
        ASSERT_TRUE(Armalyx::WriteFileBytes(
            std::filesystem::path(DataDirectory().toStdString()) / "TankData.txt", text));
    }

    std::vector<QStringList> ExportedTable() {
        const QString file = DataDirectory() + QStringLiteral("/table.csv");
        Driver().ExportTableTo(file);
        QFile csv(file);
        EXPECT_TRUE(csv.open(QIODevice::ReadOnly));
        return ReadCsv(csv.readAll()).value_or(std::vector<QStringList>{});
    }
};

std::string Line(const std::string& name, int year) {
    return Armalyx::DataLine(name, year, std::vector<long long>(12, 1));
}

} // namespace

TEST_F(TForm1Sources, EachYearShowsTheSourceAboveItsLine) {
    WriteTankText({"; source: RGVA f. 38 op. 11355 d. 12", Line("T-34", 1942), Line("KV-1", 1942),
                   ";Source : GABTU report", Line("T-34", 1943), "; source:", Line("T-34", 1944),
                   Line("KV-1", 1943)});
    ShowAndActivate();
    const QTableWidgetItem* t34 = Driver().StringGrid1->item(0, 0);
    ASSERT_NE(t34, nullptr);
    EXPECT_EQ(t34->toolTip(),
              QStringLiteral("1942: RGVA f. 38 op. 11355 d. 12\n1943: GABTU report"));
    EXPECT_EQ(Driver().StringGrid1->item(1, 0)->toolTip(),
              QStringLiteral("1942: RGVA f. 38 op. 11355 d. 12"));
    const std::vector<QStringList> rows = ExportedTable();
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_EQ(rows[0].back(), QStringLiteral("Sources"));
    EXPECT_EQ(rows[1].back(),
              QStringLiteral("1942: RGVA f. 38 op. 11355 d. 12; 1943: GABTU report"));
    EXPECT_EQ(rows[3].back(), QString()); // Lend Lease
}

TEST_F(TForm1Sources, WithoutSourcesTheTableIsAsBefore) {
    WriteTankText({"; a comment", Line("T-34", 1942)});
    ShowAndActivate();
    EXPECT_TRUE(Driver().StringGrid1->item(0, 0)->toolTip().isEmpty());
    const std::vector<QStringList> rows = ExportedTable();
    ASSERT_FALSE(rows.empty());
    EXPECT_NE(rows[0].back(), QStringLiteral("Sources"));
}

TEST_F(TForm1Sources, TheReadOutGivesThePickedTypesSourceOfTheMonthsYear) {
    WriteTankText({"; source: RGVA f. 38", Line("T-34", 1942), Line("KV-1", 1942),
                   "; source:", Line("T-34", 1943), "; source: GABTU", Line("KV-1", 1943)});
    ShowAndActivate();
    ClickRow(1);
    ClickRowWith(Qt::LeftButton, 2, Qt::ControlModifier);
    const struct {
        int Month;
        QString Source; // empty: no source line
    } cases[] = {
        {13, "T-34: RGVA f. 38; KV-1: RGVA f. 38"},
        {25, "KV-1: GABTU"},
        {40, ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Month);
        const auto values =
            Armalyx::MonthReadOut::ValuesAt(Driver().Curves().Readings(), test.Month);
        const QString text =
            Armalyx::ChartHoverText::PlainText(test.Month, values, QLocale(QLocale::English));
        if (test.Source.isEmpty()) {
            EXPECT_FALSE(text.contains(QStringLiteral("source:"))) << text.toStdString();
        } else {
            EXPECT_TRUE(text.contains(QStringLiteral("T-34 + KV-1: ")));
            EXPECT_TRUE(
                text.contains(QStringLiteral("\n  source: ") + test.Source + QLatin1Char('\n')))
                << text.toStdString();
        }
    }
}

TEST_F(TForm1Sources, TheAboutBoxGivesTheFleetRowsSources) {
    std::string total = std::string(Armalyx::kDataFileHeader) + "\r\n; source: Zaloga 1984\r\n";
    for (int year = 1941; year <= 1945; ++year) {
        for (const char* row : {"Total", "Loss", "New", "Lend Lease"}) {
            total += Line(row, year) + "\r\n";
        }
        if (year == 1942) {
            total += "; source:\r\n";
        }
    }
    ASSERT_TRUE(Armalyx::WriteFileBytes(
        std::filesystem::path(DataDirectory().toStdString()) / "TotalData.txt", total));
    WriteTankText({Line("T-34", 1942)});
    ShowAndActivate();
    const QString about = Driver().AboutText();
    EXPECT_TRUE(about.contains(QStringLiteral(
        "<br>Total: 1941: Zaloga 1984; 1942: Zaloga 1984<br>Loss: 1941: Zaloga 1984; 1942:")))
        << about.toStdString();
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    Driver().ReloadDataFiles();
    EXPECT_FALSE(Driver().AboutText().contains(QStringLiteral("Sources")));
}
