// The window's menu at the right end of the tab strip: every command with its key and an access
// key of its own; F10 opens it; the help and about entries. And the chart's zoom: Ctrl and Shift
// with the wheel, Fit to data, Home.
#include "TForm1Fixture.h"

#include "TEstimateHelpWindow.h"

#include <TChart.h>
#include <TLineSeries.h>

#include <QAction>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWheelEvent>

#include <set>

namespace {

class TForm1Menu : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        // Vehicles in service up to 35,400, beyond the configured 20,000.
        auto fleet = FleetLines(1000, 10, 20, 5);
        fleet.front().Months[11] = 35400;
        WriteTotalData(fleet);
        WriteVehicles(2);
        ShowAndActivate();
    }

    void ShowGraphPage() {
        Driver().PageControl1->setCurrentIndex(1);
        Driver().Chart1->grab();
    }

    void TurnWheel(int notches, Qt::KeyboardModifiers modifiers, QPoint at) {
        TChart& chart = *Driver().Chart1;
        QWheelEvent wheel(QPointF(at), QPointF(chart.mapToGlobal(at)), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(&chart, &wheel);
    }
};

} // namespace

TEST_F(TForm1Menu, TheMenuHoldsEveryCommandWithItsKeyAndAnAccessKey) {
    QMenu& menu = *Driver().MainMenu;
    const struct {
        const char* Text;
        QKeySequence Key;
    } entries[] = {
        {"Open data folder\u2026", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Reload data files", QKeySequence(Qt::Key_F5)},
        {"Data report\u2026", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"Undo", QKeySequence::Undo},
        {"Redo (Y)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"Export chart\u2026", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"Export data\u2026", QKeySequence()},
        {"Print\u2026", QKeySequence::Print},
        {"Copy", QKeySequence::Copy},
        {"Copy data", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"Reset view", QKeySequence(Qt::Key_Home)},
        {"Fit to data", QKeySequence(Qt::CTRL | Qt::Key_0)},
        {"Chart in its own window", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)},
        {"How the estimate is computed", QKeySequence(Qt::Key_F1)},
        {"About Armalyx", QKeySequence()},
    };
    std::vector<const QAction*> actions;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            actions.push_back(action);
        }
    }
    ASSERT_EQ(actions.size(), std::size(entries));
    std::set<QChar> accessKeys;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        SCOPED_TRACE(entries[i].Text);
        EXPECT_EQ(PlainText(*actions[i]), QString::fromUtf8(entries[i].Text));
        EXPECT_EQ(actions[i]->shortcut(), entries[i].Key);
        const QString text = actions[i]->text();
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        ASSERT_GE(mark, 0);
        EXPECT_TRUE(accessKeys.insert(text.at(mark + 1).toLower()).second) << "access key taken";
    }
    EXPECT_EQ(menu.objectName(), QStringLiteral("MainMenu"));
}

TEST_F(TForm1Menu, TheButtonSitsAtTheRightEndOfTheTabStripAndF10OpensTheMenu) {
    QToolButton* button = Form().findChild<QToolButton*>(QStringLiteral("MenuButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), QStringLiteral("Menu"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Menu"));
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(Driver().PageControl1->cornerWidget(Qt::TopRightCorner), button);
    const QTabBar& tabs = *Driver().PageControl1->tabBar();
    EXPECT_LE(button->height(), tabs.height());
    const QRect inTabWidget(button->mapTo(Driver().PageControl1, QPoint()), button->size());
    EXPECT_LT(inTabWidget.right(), Driver().PageControl1->width());
    EXPECT_GT(inTabWidget.left(), tabs.tabRect(tabs.count() - 1).right());

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(Driver().MainMenu->isVisible());
    Driver().MainMenu->hide();
    QTest::keyClick(&Form(), Qt::Key_F10);
    EXPECT_TRUE(Driver().MainMenu->isVisible());
    Driver().MainMenu->hide();
}

TEST_F(TForm1Menu, HelpShowsTheEstimateTextAndAboutNamesVersionLicenceAndFolder) {
    Driver().EstimateHelpAction->trigger();
    auto* help = Form().findChild<TEstimateHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->Text->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("How the estimate is computed")));
    EXPECT_TRUE(text.contains(QStringLiteral("loss rate"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("starting strength in \"StockData.txt\"")))
        << text.toStdString();
    help->close();

    const QString about = Driver().AboutText();
    EXPECT_TRUE(about.contains(QStringLiteral("Armalyx 2.1")));
    EXPECT_TRUE(about.contains(QStringLiteral("MIT")));
    EXPECT_TRUE(about.contains(DataDirectory().toHtmlEscaped()));
}

TEST_F(TForm1Menu, FitToDataShowsEveryPointAndHomeBringsTheConfiguredRangesBack) {
    ShowGraphPage();
    TChart& chart = *Driver().Chart1;
    const std::vector<TAxisRange> home = chart.AxisRanges();
    ASSERT_EQ(chart.LeftAxis().Maximum(), 20000);
    const QString data = Driver().ChartDataText();
    QTest::keyClick(&Form(), Qt::Key_0, Qt::ControlModifier);
    // Rounded outward to the axis' label step of 1,000.
    EXPECT_EQ(chart.LeftAxis().Maximum(), 36000);
    EXPECT_LE(chart.LeftAxis().Minimum(), 0);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 1);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 53);
    EXPECT_EQ(Driver().ChartDataText(), data);
    QTest::keyClick(&Form(), Qt::Key_Home);
    EXPECT_EQ(chart.AxisRanges(), home);
}

TEST_F(TForm1Menu, CtrlWheelZoomsTheValuesAndShiftWheelTheMonthsAboutTheMouse) {
    ShowGraphPage();
    TChart& chart = *Driver().Chart1;
    const QPoint at(chart.BottomAxis().ValueToPixel(20), chart.LeftAxis().ValueToPixel(8000));
    const double month = chart.BottomAxis().PixelToValue(at.x());
    const double value = chart.LeftAxis().PixelToValue(at.y());
    const double valueSpan = chart.LeftAxis().Maximum() - chart.LeftAxis().Minimum();
    const double monthSpan = chart.BottomAxis().Maximum() - chart.BottomAxis().Minimum();
    const QString data = Driver().ChartDataText();

    TurnWheel(1, Qt::ControlModifier, at);
    EXPECT_LT(chart.LeftAxis().Maximum() - chart.LeftAxis().Minimum(), valueSpan);
    EXPECT_DOUBLE_EQ(chart.BottomAxis().Maximum() - chart.BottomAxis().Minimum(), monthSpan);
    chart.grab();
    EXPECT_NEAR(chart.LeftAxis().PixelToValue(at.y()), value, valueSpan / 100);

    TurnWheel(-2, Qt::ShiftModifier, at);
    EXPECT_GT(chart.BottomAxis().Maximum() - chart.BottomAxis().Minimum(), monthSpan);
    chart.grab();
    EXPECT_NEAR(chart.BottomAxis().PixelToValue(at.x()), month, monthSpan / 100);
    EXPECT_EQ(Driver().ChartDataText(), data);
}

// The sample data's vehicles in service reach 35,400, beyond the configured 20,000.
using TForm1SampleFit = TForm1Fixture;

TEST_F(TForm1SampleFit, FitToDataShowsTheWholeSampleFleet) {
    CopySampleData();
    ShowAndActivate();
    Driver().PageControl1->setCurrentIndex(1);
    Driver().FitToData();
    EXPECT_EQ(Driver().Chart1->LeftAxis().Minimum(), 0);
    EXPECT_EQ(Driver().Chart1->LeftAxis().Maximum(), 36000);
}
