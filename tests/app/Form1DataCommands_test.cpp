// Working with one's own data: F5 reads the files again, Home brings the chart's view back, the
// context menus of chart and table, the chart's numbers on the clipboard, and the tooltip's
// wording.
#include "TForm1Fixture.h"
#include "TStatusLine.h"

#include "AvailabilityMaths.h"
#include "ChartDataText.h"
#include "ChartHoverText.h"
#include "TChartHover.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"

#include <Production1.h>
#include <TChart.h>
#include <TLineSeries.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QWheelEvent>

#include <cmath>
#include <limits>

namespace {

using Armalyx::ChartHoverText::TSeriesValue;

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

class TForm1DataCommands : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        QLocale::setDefault(kEnglish);
        WriteTotalData(FleetLines(1000, 10, 20, 5));
        WriteVehicles(2);
        ShowAndActivate();
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::system());
        TForm1Fixture::TearDown();
    }

    // Shows the "Graph" page and lets the chart draw a frame, which maps its axes.
    void ShowGraphPage() {
        Driver().PageControl1->setCurrentIndex(1);
        Driver().Chart1->repaint();
        QCoreApplication::processEvents();
    }

    QPoint PlotCentre() {
        const TRect plot = Driver().Chart1->ChartRect();
        return {(plot.Left + plot.Right) / 2, (plot.Top + plot.Bottom) / 2};
    }

    void TurnWheel(int steps) {
        const QPointF at(PlotCentre());
        QWheelEvent wheel(at, Driver().Chart1->mapToGlobal(at), QPoint(), QPoint(0, -120 * steps),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(Driver().Chart1, &wheel);
    }

    void PressWindowKey(QKeyCombination key) {
        QTest::keyClick(&Form(), key.key(), key.keyboardModifiers());
        QCoreApplication::processEvents();
    }

    QString HoverText(int month) {
        TChart& chart = *Driver().Chart1;
        const auto* hover = chart.findChild<TChartHover*>();
        return hover == nullptr ? QString()
                                : hover->ToolTipAt(QPoint(chart.BottomAxis().ValueToPixel(month),
                                                          PlotCentre().y()));
    }
};

QStringList ActionTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            texts.push_back(PlainText(*action));
        }
    }
    return texts;
}

QAction* ActionNamed(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (PlainText(*action) == text) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

TEST(ChartHoverText, ValueLinesSpeakOfWholeCountsDeliveriesAndShares) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct TCase {
        TSeriesValue Value;
        QLocale Locale;
        const char* Line;
    };
    const TCase cases[] = {
        {{"Losses", 1234.4, clGray, TReadingKind::Count}, kEnglish, "Losses: 1,234"},
        {{"Losses", 1234.5, clGray, TReadingKind::Count}, kGerman, "Losses: 1.235"},
        {{"T-34", -0.4, clRed, TReadingKind::Count}, kEnglish, "T-34: 0"},
        {{"T-34", 12345678, clRed, TReadingKind::Count}, QLocale::c(), "T-34: 12,345,678"},
        {{"Lend Lease", 300, clRed, TReadingKind::Deliveries},
         kEnglish,
         "Lend Lease deliveries: 300"},
        {{"T-34 share", 11234, clBlue, TReadingKind::FleetShare}, kEnglish, "T-34 share: 12.3 %"},
        {{"T-34 share", 11234, clBlue, TReadingKind::FleetShare}, kGerman, "T-34 share: 12,3 %"},
        {{"Lend Lease share", 9999.99, clBlue, TReadingKind::FleetShare},
         kEnglish,
         "Lend Lease share: 0.0 %"},
        {{"Lend Lease share", 9000, clBlue, TReadingKind::FleetShare},
         kEnglish,
         "Lend Lease share: -10.0 %"},
        {{"T-34 share", 20000, clBlue, TReadingKind::FleetShare}, kEnglish, "T-34 share: 100.0 %"},
        {{"T-34 documented", 5000, clRed, TReadingKind::Documented, 4650},
         kEnglish,
         "T-34 documented: 5,000, estimate 4,650, \u22127 %"},
        {{"T-34 documented", 5000, clRed, TReadingKind::Documented, 5480},
         kGerman,
         "T-34 documented: 5.000, estimate 5.480, +10 %"},
        {{"T-34 documented", 5000, clRed, TReadingKind::Documented, 5010},
         kEnglish,
         "T-34 documented: 5,000, estimate 5,010, 0 %"},
        {{"T-34 documented", 0, clRed, TReadingKind::Documented, 12},
         kEnglish,
         "T-34 documented: 0, estimate 12"},
        {{"T-34 documented", 900, clRed, TReadingKind::Documented, std::nullopt},
         kEnglish,
         "T-34 documented: 900"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(Armalyx::ChartHoverText::ValueLine(c.Value, c.Locale), QString::fromUtf8(c.Line));
    }
    // Numbers no count can reach still give a text rather than undefined arithmetic.
    for (const double odd : {nan, 1e300, -std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(odd);
        EXPECT_FALSE(Armalyx::ChartHoverText::WholeNumberText(odd, kEnglish).isEmpty());
        EXPECT_FALSE(Armalyx::ChartHoverText::SharePercentText(odd, kEnglish).isEmpty());
    }
}

TEST(ChartHoverText, BlackSwatchKeepsAVisibleBorderOnADarkTooltip) {
    const QColor background(0x20, 0x20, 0x20);
    const QColor border(0xF0, 0xF0, 0xF0);
    QTextDocument document;
    document.setHtml(Armalyx::ChartHoverText::ToolTip(
        27, {{"Total In service", 1000, clBlack, TReadingKind::Count}}, kEnglish, border));
    QImage image(document.size().toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    document.drawContents(&painter);
    painter.end();
    // The text itself is drawn in the document's default black: the only light pixels are the
    // swatch's border, and the swatch's black fills the inside.
    int light = 0;
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel(image.pixel(x, y));
            light += pixel == border ? 1 : 0;
            black += pixel == Qt::black ? 1 : 0;
        }
    }
    EXPECT_GE(light, 4 * 8);
    EXPECT_GT(black, 0);
}

TEST(ChartDataText, RowsPerPlottedMonthWithSharesInPercentAndEmptyCellsForMissingPoints) {
    const std::vector<Armalyx::ChartDataText::TDataColumn> columns = {
        {"Total In service", TReadingKind::Count, {{6, 1000}, {8, 1200}}},
        {"T-34\tnew", TReadingKind::Count, {{5, 1}, {6, 2.25}, {7, 1e-7}, {8, -0.0}}},
        {"T-34 share", TReadingKind::FleetShare, {{6, 10225}, {7, 10000}}},
    };
    EXPECT_EQ(Armalyx::ChartDataText::TabSeparated(columns, 6, 9, kEnglish),
              QStringLiteral("Month\tTotal In service\tT-34 new\tT-34 share %\n"
                             "Jun 1941\t1000\t2.25\t2.25\n"
                             "Jul 1941\t\t0.0000001\t0\n"
                             "Aug 1941\t1200\t0\t\n"));
    // The locale's decimal point, never a group separator.
    EXPECT_EQ(Armalyx::ChartDataText::CellText(12345.5, TReadingKind::Count, kGerman),
              QStringLiteral("12345,5"));
    EXPECT_EQ(Armalyx::ChartDataText::CellText(11234.5, TReadingKind::FleetShare, kEnglish),
              QStringLiteral("12.345"));
    // Months outside 1..60 are never written; without columns only the header remains.
    EXPECT_EQ(Armalyx::ChartDataText::TabSeparated({{"x", TReadingKind::Count, {{0, 1}, {61, 1}}}},
                                                   -5, 99, kEnglish),
              QStringLiteral("Month\tx\n"));
    // For a reader the same rows are rounded as the tooltip rounds them.
    const auto reading =
        Armalyx::ChartDataText::Rows(columns, 6, 9, kEnglish, &Armalyx::ChartDataText::ReadingText);
    ASSERT_EQ(reading.size(), 4U);
    EXPECT_EQ(reading[1], QStringList({"Jun 1941", "1,000", "2", "2.3 %"}));
    EXPECT_EQ(reading[3], QStringList({"Aug 1941", "1,200", "0", ""}));
}

TEST_F(TForm1DataCommands, ReloadReadsChangedFilesAsTheFirstActivationDoes) {
    auto& store = Production1::Store();
    ClickRow(1);
    ClickRow(2);
    ASSERT_EQ(Driver().Edit1->text(), QStringLiteral("120"));
    Driver().RadioGroup1->ClickItem(1);
    store.StartMonthChoice = 3;

    WriteTotalData(FleetLines(2000, 30, 40, 7));
    WriteTankData([] {
        auto lines = SteadyVehicle("Panzer IV", 4);
        const auto more = SteadyVehicle("Tiger", 1);
        lines.insert(lines.end(), more.begin(), more.end());
        const auto third = SteadyVehicle("Panther", 2);
        lines.insert(lines.end(), third.begin(), third.end());
        return lines;
    }());
    PressWindowKey(Qt::Key_F5);
    ASSERT_TRUE(Errors().empty());

    // The table, the selection, the alternation and the fleet curves come from the new files.
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("Panzer IV"));
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 4), QStringLiteral("Lend Lease"));
    EXPECT_EQ(Driver().StringGrid1->Cells(1, 4), QStringLiteral(" 420"));
    EXPECT_EQ(store.SelectedVehicle, 1);
    EXPECT_EQ(store.CompareSlot, 0);
    ASSERT_GT(Driver().Series1->PointCount(), 0);
    EXPECT_EQ(Driver().Series1->YValueAt(0), 2000);
    // Neither picked vehicle is in the new files: nothing shown still describes the old files,
    // and the status line says which picks are gone. The selector's source stays in effect.
    EXPECT_TRUE(Driver().Label8->text().contains(
        QStringLiteral("No longer in the data files, so their curves are empty: v1, v2.")))
        << Driver().Label8->text().toStdString();
    for (const TLineSeries* pair :
         {Driver().Series2, Driver().Series6, Driver().Series7, Driver().Series8}) {
        EXPECT_EQ(pair->PointCount(), 0) << pair->Name().toStdString();
    }
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("Tanks"));
    EXPECT_EQ(Driver().Series7->Title(), QStringLiteral("n/a"));
    EXPECT_EQ(Driver().Edit1->text(), QStringLiteral("0"));
    EXPECT_FALSE(store.LendLeaseSelected);
    EXPECT_EQ(store.ProductionSource, 1);
    EXPECT_EQ(Driver().RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(Driver().Series5->YValueAt(0), Driver().Series4->YValueAt(0) + 7);
    // The span choices are the user's and stay.
    EXPECT_EQ(store.StartMonthChoice, 3);
    // The first pick after the reload goes into the first pair again.
    ClickRow(3);
    EXPECT_EQ(Driver().Series2->Title(), QStringLiteral("Panther"));
}

TEST_F(TForm1DataCommands, ReloadOfAFileThatIsGoneEmptiesTheTableAndTheActivationStillRunsOnce) {
    ASSERT_TRUE(QFile::remove(DataDirectory() + QStringLiteral("/TankData.txt")));
    Driver().ReloadAction->trigger();
    EXPECT_EQ(Driver().StringGrid1->Cells(0, 1), QStringLiteral("Lend Lease"));
    EXPECT_EQ(Production1::Store().VehicleCount, 0);
    // The status line tells what the reload found.
    EXPECT_TRUE(Driver().Label8->text().contains(QStringLiteral("TankData.txt: not found")))
        << Driver().Label8->text().toStdString();
    // Another activation of the window loads nothing.
    WriteVehicles(2);
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&Form(), &activation);
    EXPECT_EQ(Production1::Store().VehicleCount, 0);
}

TEST_F(TForm1DataCommands, HomeOnTheGraphPageBringsTheConfiguredRangesBack) {
    ShowGraphPage();
    TChart& chart = *Driver().Chart1;
    const std::vector<TAxisRange> home = chart.AxisRanges();
    TurnWheel(3);
    QTest::mousePress(&chart, Qt::RightButton, {}, PlotCentre());
    QTest::mouseMove(&chart, PlotCentre() + QPoint(-40, 30));
    QTest::mouseRelease(&chart, Qt::RightButton, {}, PlotCentre() + QPoint(-40, 30));
    ASSERT_NE(chart.BottomAxis().Minimum(), 6);
    ASSERT_NE(chart.LeftAxis().Minimum(), -51);
    // A right-drag pans and opens no menu.
    EXPECT_FALSE(Driver().PopupMenu1->isVisible());

    PressWindowKey(Qt::Key_Home);
    EXPECT_EQ(chart.AxisRanges(), home);
    EXPECT_EQ(chart.LeftAxis().Minimum(), -51);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 20000);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 6);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 53);
}

TEST_F(TForm1DataCommands, HomeOnTheTablePageStaysTheTablesKey) {
    ShowGraphPage();
    TurnWheel(2);
    const double moved = Driver().Chart1->LeftAxis().Minimum();
    Driver().PageControl1->setCurrentIndex(0);
    Driver().StringGrid1->SetRow(3);
    PressKey(Qt::Key_Home);
    EXPECT_EQ(Driver().Chart1->LeftAxis().Minimum(), moved);
    EXPECT_FALSE(Driver().ResetViewAction->isEnabled());
}

TEST_F(TForm1DataCommands, CopyOnTheGraphPageGivesPictureAndNumbersAndCopyDataOnlyNumbers) {
    ClickRow(1);
    ClickRow(2);
    ShowGraphPage();
    PressWindowKey(QKeySequence(QKeySequence::Copy)[0]);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasImage());
    EXPECT_TRUE(copied->formats().contains(QStringLiteral("application/x-qt-image")));
    EXPECT_TRUE(copied->formats().contains(QStringLiteral("text/plain")));
    EXPECT_EQ(copied->text(), Driver().ChartDataText());

    QGuiApplication::clipboard()->clear();
    Driver().CopyDataAction->trigger();
    const QMimeData* text = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(text->hasImage());
    EXPECT_EQ(text->text(), Driver().ChartDataText());
}

TEST_F(TForm1DataCommands, ChartDataHoldsEveryVisibleSeriesPointPerPlottedMonth) {
    ClickRow(1);
    ClickRow(2);
    const QStringList lines = Driver().ChartDataText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 48); // June 1941 to May 1945
    EXPECT_EQ(lines.front(), QStringLiteral("Month\tTotal In service\tv1\tv2\tLosses\t"
                                            "Production & Lend Lease\tTotal Soviet Production\t"
                                            "v1 share %\tv2 share %"));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("Jun 1941\t")));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("May 1945\t")));
    const TLineSeries* const order[] = {Driver().Series1, Driver().Series2, Driver().Series7,
                                        Driver().Series3, Driver().Series5, Driver().Series4,
                                        Driver().Series6, Driver().Series8};
    for (int line = 1; line < lines.size(); ++line) {
        const int month = 5 + line;
        const QStringList cells = lines.at(line).split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 9) << month;
        for (int column = 0; column < 8; ++column) {
            const TLineSeries& series = *order[column];
            const auto value = Armalyx::ValueAtMonth(series, month);
            ASSERT_TRUE(value.has_value()) << series.Name().toStdString() << " " << month;
            const bool share = column >= 6;
            const double expected =
                share ? Armalyx::AvailabilityMaths::FleetSharePercent(*value) : *value;
            EXPECT_DOUBLE_EQ(cells.at(column + 1).toDouble(), expected)
                << series.Name().toStdString() << " " << month;
        }
    }
    // A lend-lease pick names the first pair's share after the deliveries.
    ClickRow(3);
    EXPECT_TRUE(Driver().ChartDataText().startsWith(
        QStringLiteral("Month\tTotal In service\tLend Lease\tv2\t")));
    EXPECT_TRUE(
        Driver().ChartDataText().contains(QStringLiteral("\tLend Lease share %\tv2 share %\n")));
    // A hidden curve leaves its column out.
    Driver().Series3->SetActive(false);
    EXPECT_FALSE(Driver().ChartDataText().contains(QStringLiteral("Losses")));
}

TEST_F(TForm1DataCommands, ToolTipNamesSharesAfterTheirVehicleAndLendLeaseAsDeliveries) {
    ClickRow(1);
    ShowGraphPage();
    const QString vehicle = HoverText(27);
    EXPECT_TRUE(vehicle.contains(QStringLiteral("Total In service: 1,000")))
        << vehicle.toStdString();
    EXPECT_TRUE(vehicle.contains(QStringLiteral("v1 share: "))) << vehicle.toStdString();
    EXPECT_TRUE(vehicle.contains(QStringLiteral(" %"))) << vehicle.toStdString();
    EXPECT_FALSE(vehicle.contains(QStringLiteral("Percentage @ 10000")));
    ClickRow(3);
    ShowGraphPage();
    const QString lendLease = HoverText(27);
    EXPECT_TRUE(lendLease.contains(QStringLiteral("Lend Lease deliveries: 5")))
        << lendLease.toStdString();
    EXPECT_TRUE(lendLease.contains(QStringLiteral("Lend Lease share: ")))
        << lendLease.toStdString();
}

TEST_F(TForm1DataCommands, RightClickOnTheChartOffersItsMenuWithTheKeysShown) {
    ShowGraphPage();
    QMenu& menu = *Driver().PopupMenu1;
    QTest::mouseClick(Driver().Chart1, Qt::RightButton, {}, PlotCentre());
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    EXPECT_EQ(ActionTexts(menu),
              (QStringList{"Copy", "Copy data", "Reload data files", "Data report\u2026",
                           "Reset view", "Fit to data", "Export chart\u2026", "Print\u2026",
                           "Chart in its own window"}));
    const std::pair<const char*, QKeySequence> keys[] = {
        {"Copy", QKeySequence::Copy},
        {"Reload data files", QKeySequence(Qt::Key_F5)},
        {"Data report\u2026", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"Reset view", QKeySequence(Qt::Key_Home)},
        {"Export chart\u2026", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"Print\u2026", QKeySequence(Qt::CTRL | Qt::Key_P)},
    };
    for (const auto& [text, key] : keys) {
        SCOPED_TRACE(text);
        const QAction* action = ActionNamed(menu, QString::fromUtf8(text));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut(), key);
        EXPECT_TRUE(action->isShortcutVisibleInContextMenu());
    }
    EXPECT_TRUE(ActionNamed(menu, QStringLiteral("Reset view"))->isEnabled());
    // The menu's "Copy data" puts the numbers on the clipboard.
    ActionNamed(menu, QStringLiteral("Copy data"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Driver().ChartDataText());
}

TEST_F(TForm1DataCommands, RightClickOnTheTableOffersItsMenuAndLeavesTheCurrentRow) {
    ClickRow(2);
    const QString figure = Driver().Edit1->text();
    TStringGrid& grid = *Driver().StringGrid1;
    int clicks = 0;
    QObject::connect(&grid, &TStringGrid::Click, &grid, [&clicks] { ++clicks; });
    const QPoint cell = grid.visualRect(grid.model()->index(0, 0)).center();
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, cell);
    QTest::mousePress(grid.viewport(), Qt::RightButton, {}, cell);
    QTest::mouseMove(grid.viewport(), cell + QPoint(0, 40));
    QTest::mouseRelease(grid.viewport(), Qt::RightButton, {}, cell + QPoint(0, 40));
    QMenu& menu = *Driver().PopupMenu2;
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Driver().Edit1->text(), figure);
    EXPECT_EQ(ActionTexts(menu), (QStringList{"Copy", "Copy data", "Reload data files",
                                              "Data report\u2026", "Export data\u2026"}));
    // The table's "Copy" gives the table's text.
    ActionNamed(menu, QStringLiteral("Copy"))->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("Vehicle Name\tTotal\nv1\t60\n")));
}

TEST_F(TForm1DataCommands, MenuKeyOpensTheMenuOfTheTableAndOfTheChart) {
    Driver().StringGrid1->setFocus();
    QContextMenuEvent fromTable(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                Driver().StringGrid1->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(Driver().StringGrid1, &fromTable);
    EXPECT_TRUE(Driver().PopupMenu2->isVisible());
    Driver().PopupMenu2->hide();
    // On "Graph" the focus rests on the data-source selector lying on the chart.
    ShowGraphPage();
    QContextMenuEvent fromSelector(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                   Driver().RadioGroup1->Button(0)->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(Driver().RadioGroup1->Button(0), &fromSelector);
    EXPECT_TRUE(Driver().PopupMenu1->isVisible());
    Driver().PopupMenu1->hide();
}
