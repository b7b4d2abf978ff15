#include "TForm1Fixture.h"

#include "TStringGrid.h"
#include "TWindowInspection.h"
#include "TestFiles.h"

#include <Production1.h>
#include <TChart.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QTabWidget>
#include <QToolButton>

#include <string_view>

using namespace Armalyx;

namespace {

bool IsPngFile(const QString& fileName) {
    return ReadFileBytes(fileName.toStdString())
        .starts_with(std::string_view("\x89PNG\r\n\x1a\n", 8));
}

} // namespace

using TWindowInspectionTest = TForm1Fixture;

TEST_F(TWindowInspectionTest, ClicksRowsAfterSourceAndSpanAndReadsTheWindowBack) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    WriteVehicles(3);
    TWindowInspectionRequest request;
    request.Picks = {1, 2};
    request.Source = 1;
    request.SpanChoices = Production1::TSpanChoices{0, 2, 2, 2}; // January to March 1943
    request.SnapshotFile = QDir(DataDirectory()).filePath(QStringLiteral("graph.png"));
    const TWindowInspectionResult result = TWindowInspection::Run(request, DataDirectory());

    EXPECT_TRUE(result.Errors.isEmpty());
    ASSERT_EQ(result.Series.size(), 8U);
    const char* const order[] = {"Series1", "Series2", "Series7", "Series3",
                                 "Series5", "Series4", "Series6", "Series8"};
    for (std::size_t i = 0; i < result.Series.size(); ++i) {
        EXPECT_EQ(result.Series[i].Name, QString::fromLatin1(order[i]));
    }
    EXPECT_EQ(result.Series[1].Title, QStringLiteral("v1"));
    EXPECT_EQ(result.Series[2].Title, QStringLiteral("v2"));
    EXPECT_EQ(result.Series[2].Color, clBlue);
    // Source 1: summed production plus lend-lease.
    EXPECT_EQ(result.Series[4].Points.front(), std::make_pair(6.0, 11.0));
    EXPECT_EQ(result.Edits, QStringList({"6", "18", "30"}));
    ASSERT_EQ(result.Grid.size(), 32U);
    EXPECT_EQ(result.Grid[0], QStringList({"Vehicle Name", "Total"}));
    EXPECT_EQ(result.Grid[4], QStringList({"Lend Lease", " 300"}));
    ASSERT_TRUE(result.SnapshotSaved);
    const QImage snapshot(request.SnapshotFile);
    EXPECT_GE(snapshot.width(), 673);
    EXPECT_GE(snapshot.height(), 385);
}

TEST_F(TWindowInspectionTest, HeaderAndMissingRowsClickNothing) {
    WriteVehicles(1);
    TWindowInspectionRequest request;
    request.Picks = {0, 40, 1};
    const TWindowInspectionResult result = TWindowInspection::Run(request, DataDirectory());
    EXPECT_TRUE(result.Errors.isEmpty());
    EXPECT_EQ(result.Series[1].Title, QStringLiteral("v1"));
    EXPECT_EQ(result.Series[2].Title, QStringLiteral("n/a"));
    EXPECT_EQ(result.Edits, QStringList({"60", "60", "0"}));
    // Only the vehicle file is there, and the status line says so.
    EXPECT_TRUE(result.Status.contains(QStringLiteral("TotalData.txt: not found")))
        << result.Status.toStdString();
    EXPECT_TRUE(result.Status.contains(QStringLiteral("TankData.txt: 5 data lines read.")))
        << result.Status.toStdString();
}

TEST_F(TWindowInspectionTest, SavesEachRequestedPageAsThePictureTheWindowShows) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    WriteVehicles(3);
    const QDir directory(DataDirectory());
    const QString good[] = {directory.filePath(QStringLiteral("table.png")),
                            directory.filePath(QStringLiteral("graph.png"))};
    const QString unwritable = directory.filePath(QStringLiteral("missing/page.png"));
    struct TCase {
        QString TableFile;
        QString GraphFile;
        bool TableSaved;
        bool GraphSaved;
    };
    const TCase cases[] = {
        {good[0], good[1], true, true},
        {unwritable, good[1], false, true},
        {good[0], unwritable, true, false},
        {good[0], QString(), true, false},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE((test.TableFile + " / " + test.GraphFile).toStdString());
        for (const QString& fileName : good) {
            QFile::remove(fileName);
        }
        TWindowInspectionRequest request;
        request.Picks = {2};
        request.TableSnapshotFile = test.TableFile;
        request.SnapshotFile = test.GraphFile;
        const TWindowInspectionResult result = TWindowInspection::Run(request, DataDirectory());
        EXPECT_EQ(result.TableSnapshotSaved, test.TableSaved);
        EXPECT_EQ(result.SnapshotSaved, test.GraphSaved);
        EXPECT_EQ(QFile::exists(good[0]), test.TableSaved);
        EXPECT_EQ(QFile::exists(good[1]), test.GraphSaved);
        EXPECT_FALSE(QFile::exists(unwritable));
        EXPECT_TRUE(result.Errors.isEmpty());
    }

    // The last run saved the "Tank Selection" page alone, in PNG format, at the page's size. Beside
    // the table (whose selection is drawn differently with and without the keyboard focus) it is
    // the page of a window after the same pick, figures included, pixel for pixel.
    ASSERT_TRUE(IsPngFile(good[0]));
    ShowAndActivate();
    ClickRow(2);
    const QImage saved = QImage(good[0], "PNG").convertToFormat(QImage::Format_RGB32);
    QWidget& page = *Driver().Tabsheet1;
    EXPECT_EQ(saved.size(), page.size());
    Driver().PageControl1->setCurrentWidget(&page);
    const QImage shown = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int besideTable = Driver().StringGrid1->geometry().right() + 1;
    const QRect controls(besideTable, 0, page.width() - besideTable, page.height());
    EXPECT_TRUE(saved.copy(controls) == shown.copy(controls));
}

TEST_F(TWindowInspectionTest, WindowSnapshotShowsTheWholeWindowWithItsMenuButton) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    WriteVehicles(3);
    const QDir directory(DataDirectory());
    TWindowInspectionRequest request;
    request.Picks = {2};
    request.WindowSnapshotFile = directory.filePath(QStringLiteral("window.png"));
    const TWindowInspectionResult result = TWindowInspection::Run(request, DataDirectory());
    ASSERT_TRUE(result.WindowSnapshotSaved) << result.WindowSnapshotError.toStdString();
    const QImage saved =
        QImage(request.WindowSnapshotFile, "PNG").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved.size(), Form().size());

    // The menu button in the picture is the button the window shows, where the window shows it.
    ShowAndActivate();
    const QWidget& button = *Driver().MenuButton;
    const QRect place(button.mapTo(&Form(), QPoint(0, 0)), button.size());
    const QImage shown = Form().grab(place).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(saved.copy(place) == shown);

    request.WindowSnapshotFile = directory.filePath(QStringLiteral("missing/window.png"));
    const TWindowInspectionResult failed = TWindowInspection::Run(request, DataDirectory());
    EXPECT_FALSE(failed.WindowSnapshotSaved);
    EXPECT_FALSE(failed.WindowSnapshotError.isEmpty());
}

TEST_F(TWindowInspectionTest, CursorSnapshotShowsTheGraphWithTheMonthCursor) {
    WriteTotalData(FleetLines(1000, 10, 20, 5));
    WriteVehicles(3);
    const QDir directory(DataDirectory());
    TWindowInspectionRequest request;
    request.Picks = {2};
    request.CursorSnapshotFile = directory.filePath(QStringLiteral("cursor.png"));
    request.CursorMonth = 20;
    const TWindowInspectionResult result = TWindowInspection::Run(request, DataDirectory());
    ASSERT_TRUE(result.CursorSnapshotSaved) << result.CursorSnapshotError.toStdString();
    EXPECT_TRUE(result.CursorReadOut.startsWith(QStringLiteral("Aug 1942\n")))
        << result.CursorReadOut.toStdString();
    EXPECT_TRUE(result.ChartSummary.endsWith(QStringLiteral("Picked: v2.")))
        << result.ChartSummary.toStdString();
    const QImage saved =
        QImage(request.CursorSnapshotFile, "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), Form().size());

    // The cursor's line stands where the window's chart puts month 20, in the highlight colour.
    ShowAndActivate();
    Driver().PageControl1->setCurrentWidget(Driver().TabSheet2);
    TChart& chart = *Driver().Chart1;
    chart.grab();
    const int y = (chart.ChartRect().Top + chart.ChartRect().Bottom) / 2;
    const QPoint line = chart.mapTo(&Form(), QPoint(chart.BottomAxis().ValueToPixel(20), y));
    EXPECT_EQ(QColor(saved.pixel(line)), chart.palette().color(QPalette::Highlight));

    request.CursorMonth = 0;
    EXPECT_TRUE(TWindowInspection::Run(request, DataDirectory())
                    .CursorReadOut.startsWith(QStringLiteral("Jun 1941\n")));
}
