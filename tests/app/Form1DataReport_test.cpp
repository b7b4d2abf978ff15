// The data report from the window: the count and "Details…" below the status text, Ctrl+D and
// the context menus opening the one report window, and that window following each load.
#include "TForm1Fixture.h"
#include "TStatusLine.h"

#include "DataReportText.h"
#include "TDataReportWindow.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"
#include "TestFiles.h"

#include <Production1.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace Armalyx;

namespace {

class TForm1DataReport : public TForm1Fixture {
protected:
    // Ctrl+D where the keyboard focus rests on the page shown.
    void PressCtrlD(QWidget* focus) {
        focus->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }

    // The rows the report window lists, as "TankData.txt:3:line as written".
    QStringList ListedLines() {
        const TDataReportWindow* window = Driver().DataReport();
        if (window == nullptr) {
            return {};
        }
        const QAbstractItemModel& model = *window->Table->model();
        QStringList lines;
        for (int row = 0; row < model.rowCount(); ++row) {
            QStringList cells;
            for (const auto column :
                 {Armalyx::DataReportText::TColumn::File, Armalyx::DataReportText::TColumn::Line,
                  Armalyx::DataReportText::TColumn::Text}) {
                cells.push_back(model.index(row, static_cast<int>(column)).data().toString());
            }
            lines.push_back(cells.join(QLatin1Char(':')));
        }
        return lines;
    }

    void WriteTankLines(const std::vector<std::string>& lines) {
        ASSERT_TRUE(WriteFileBytes(QDir(DataDirectory()).filePath("TankData.txt").toStdString(),
                                   DataFileText(lines)));
    }
};

} // namespace

TEST_F(TForm1DataReport, CtrlDOnEitherPageOpensTheOneReportWindow) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    WriteVehicles(2);
    ShowAndActivate();
    EXPECT_TRUE(Driver().DetailsButton->isHidden()) << "nothing to show";
    EXPECT_EQ(Driver().DataReport(), nullptr);
    PressCtrlD(Driver().StringGrid1);
    TDataReportWindow* window = Driver().DataReport();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), &Form());
    EXPECT_EQ(window->Note->text(), QStringLiteral("Every data line was stored as written."));
    window->close();
    // As the desktop does when the report window closes.
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));

    // Lines put into the account are listed when the window is opened again, from the other page.
    Production1::Store().TankDataReport.AddProblem(
        {4, true, "ignored: too short", "short,1942,", false});
    Driver().PageControl1->setCurrentIndex(1);
    PressCtrlD(Driver().RadioGroup1->Button(0));
    EXPECT_EQ(Driver().DataReport(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ListedLines(), (QStringList{"TankData.txt:4:short,1942,"}));
    EXPECT_TRUE(window->Note->isHidden());
}

TEST_F(TForm1DataReport, ABadLineIsCountedListedAndGoneAfterF5OnceMended) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    const std::string good = DataLine("T-34", 1942, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    WriteTankLines({good, "short,1942,"});
    ShowAndActivate();
    const QString status = Driver().Label8->text();
    EXPECT_TRUE(status.endsWith(QStringLiteral("\n1 line needs a look."))) << status.toStdString();

    // "Details…" lies right below the status text, inside the status line's area.
    const QPushButton& details = *Driver().DetailsButton;
    ASSERT_TRUE(details.isVisible());
    EXPECT_EQ(details.text(), QStringLiteral("Details\u2026"));
    const QRect area = Driver().Label8->geometry();
    EXPECT_EQ(details.x(), area.x());
    EXPECT_GE(details.y(), area.y() + Driver().Label8->heightForWidth(area.width()));
    EXPECT_LE(details.geometry().bottom(), area.bottom());
    EXPECT_EQ(area, QRect(256, 168, 425, 209));

    QTest::mouseClick(Driver().DetailsButton, Qt::LeftButton);
    ASSERT_NE(Driver().DataReport(), nullptr);
    EXPECT_TRUE(Driver().DataReport()->isVisible());
    EXPECT_EQ(ListedLines(), (QStringList{"TankData.txt:3:short,1942,"}));

    // The window stays open over F5 in the main window and shows the mended files.
    WriteTankLines({good});
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    QTest::keyClick(&Form(), Qt::Key_F5);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Driver().DataReport()->isVisible());
    EXPECT_EQ(ListedLines(), QStringList());
    EXPECT_EQ(Driver().DataReport()->Note->text(),
              QStringLiteral("Every data line was stored as written."));
    EXPECT_TRUE(Driver().DetailsButton->isHidden());
    EXPECT_FALSE(Driver().Label8->text().contains(QStringLiteral("need")));
}
