// The chart in a window of its own: opened by Ctrl+Shift+G, the same curves and view as the main
// window's chart, laid out at its own size, full screen and closing, Undo of its gestures,
// exports at its size, and the same text for a screen reader.
#include "TForm1Fixture.h"

#include "ChartExport.h"
#include "TChart1Curves.h"
#include "TChartNarrator.h"
#include "TChartWindow.h"

#include <TChart.h>
#include <TLineSeries.h>

#include "TRadioGroup.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

namespace {

class TForm1ChartWindow : public TForm1Fixture {
protected:
    Armalyx::TChartWindow& OpenChartWindow() {
        QTest::keyClick(&Form(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        Armalyx::TChartWindow* window = Driver().ChartWindow();
        EXPECT_NE(window, nullptr);
        // The off-screen display may hand the activation back to the main window, whose events
        // are still on their way.
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return *window;
    }

    static void WaitUntilShown(QWidget& window) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }

    static void ZoomIn(TChart& chart) {
        const QPointF at(chart.width() / 2.0, chart.height() / 2.0);
        QWheelEvent wheel(at, chart.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ShiftModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&chart, &wheel);
        QCoreApplication::processEvents();
    }

    // Each series' title and points, in chart order.
    static std::vector<std::pair<QString, std::vector<std::pair<double, double>>>>
    Curves(const TChart& chart) {
        std::vector<std::pair<QString, std::vector<std::pair<double, double>>>> curves;
        for (const auto& series : chart.SeriesList()) {
            curves.emplace_back(series->Title(), PointsOf(*series));
        }
        return curves;
    }
};

} // namespace

TEST_F(TForm1ChartWindow, ShowsTheSameCurvesAndFollowsEveryPick) {
    PickSampleChart();
    Armalyx::TChartWindow& window = OpenChartWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Armalyx chart"));
    EXPECT_TRUE(window.isWindow());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Curves(window.Chart()), Curves(*Driver().Chart1));
    ClickRow(2);
    ClickRowWith(Qt::LeftButton, 5, Qt::ControlModifier);
    Driver().RadioGroup1->ClickItem(1);
    EXPECT_EQ(Curves(window.Chart()), Curves(*Driver().Chart1));
    // Asked again, the same window comes to the front.
    Driver().ChartWindowAction()->trigger();
    EXPECT_EQ(Driver().ChartWindow(), &window);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1ChartWindow, TheChartTakesTheRoomOfTheWindow) {
    PickSampleChart();
    Armalyx::TChartWindow& window = OpenChartWindow();
    window.resize(1200, 800);
    WaitUntilShown(window);
    ASSERT_EQ(window.Chart().size(), QSize(1200, 800));
    const TRect plot = window.Chart().ChartRect();
    EXPECT_GT(plot.Width(), 900);
    EXPECT_GT(plot.Height(), 600);
    // The main window's chart keeps its layout.
    EXPECT_EQ(Driver().Chart1->size(), QSize(673, 385));
    // At the smallest size the plot keeps room beside the legend.
    window.resize(window.minimumSize());
    QCoreApplication::processEvents();
    window.Chart().repaint();
    EXPECT_GT(window.Chart().ChartRect().Width(), window.width() / 3);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1ChartWindow, BothChartsShowOneViewAndUndoTakesItsGesturesBack) {
    PickSampleChart();
    Armalyx::TChartWindow& window = OpenChartWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto home = Driver().Curves().View();
    ZoomIn(window.Chart());
    const auto zoomed = window.Curves().View();
    EXPECT_NE(zoomed, home);
    EXPECT_EQ(Driver().Curves().View(), zoomed);
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    const auto fitted = window.Curves().View();
    EXPECT_NE(fitted, zoomed);
    EXPECT_EQ(Driver().Curves().View(), fitted);
    EXPECT_EQ(PlainText(*Driver().UndoAction), QStringLiteral("Undo fit to data"));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.Curves().View(), zoomed);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.Curves().View(), home);
    EXPECT_EQ(Driver().Curves().View(), home);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Driver().Curves().View(), zoomed);
    // Home there, and a zoom in the main window, reach the other chart.
    QTest::keyClick(&window, Qt::Key_Home);
    EXPECT_EQ(Driver().Curves().View(), home);
    ZoomIn(*Driver().Chart1);
    EXPECT_NE(Driver().Curves().View(), home);
    EXPECT_EQ(window.Curves().View(), Driver().Curves().View());
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1ChartWindow, GoesFullScreenAndClosesKeepingItsSize) {
    PickSampleChart();
    Armalyx::TChartWindow& window = OpenChartWindow();
    window.resize(900, 700);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F11);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window.size() == window.screen()->size(); }))
        << window.width() << " x " << window.height();
    EXPECT_EQ(window.Chart().size(), window.size());
    QTest::keyClick(&window.Chart(), Qt::Key_Escape);
    EXPECT_FALSE(window.isFullScreen());
    QTest::keyClick(&window, Qt::Key_F11);
    QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isFullScreen());
    Driver().ChartWindowAction()->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(900, 700));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1ChartWindow, CopyTakesTheChartAtTheWindowsSize) {
    PickSampleChart();
    Armalyx::TChartWindow& window = OpenChartWindow();
    window.resize(1000, 500);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(1000, 500));
    EXPECT_EQ(data->text(), Driver().ChartDataText());
    EXPECT_EQ(Armalyx::ChartExport::PrintedSizeCm(window.Chart(), 0).toSize(),
              QSizeF(1000 * 2.54 / 96, 500 * 2.54 / 96).toSize());
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TForm1ChartWindow, AScreenReaderHearsWhatTheMainChartSays) {
    PickSampleChart();
    Armalyx::TChartWindow& window = OpenChartWindow();
    QAccessibleInterface* main = QAccessible::queryAccessibleInterface(Driver().Chart1);
    QAccessibleInterface* own = QAccessible::queryAccessibleInterface(&window.Chart());
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->text(QAccessible::Name), main->text(QAccessible::Name));
    EXPECT_EQ(own->role(), main->role());
    const TChartNarrator* narrator = TChartNarrator::Of(&window.Chart());
    ASSERT_NE(narrator, nullptr);
    EXPECT_EQ(narrator->Summary(), Driver().ChartSummary());
    EXPECT_EQ(narrator->Rows(), Driver().ChartReadingRows(QLocale()));
    EXPECT_TRUE(Errors().empty());
}
