// The chart without a mouse and without sight: the keyboard's month cursor, and what a screen
// reader is given and told through Qt's accessibility interfaces.
#include "ChartHoverText.h"
#include "MonthText.h"
#include "TAccessibleEventRecorder.h"
#include "TAnnouncer.h"
#include "TChartHover.h"
#include "TChartMonthCursor.h"
#include "TComboBox.h"
#include "TForm1Fixture.h"
#include "TRadioGroup.h"
#include "TStatusLine.h"
#include "TStringGrid.h"

#include <TChart.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace Armalyx;

namespace {

// Within this many pixels of the chart's edge the focus frame may change pixels.
constexpr int kFocusFrameBand = 3;

class TForm1ChartAccess : public TForm1Fixture {
protected:
    TChartMonthCursor& Cursor() { return *Driver().Chart1->findChild<TChartMonthCursor*>(); }
    QAccessibleInterface* ChartInterface() {
        return QAccessible::queryAccessibleInterface(Driver().Chart1);
    }

    // The "Graph" page, its chart painted once so that its axes are laid out.
    void ShowGraph() {
        Driver().PageControl1->setCurrentWidget(Driver().TabSheet2);
        Driver().Chart1->grab();
    }

    // Tab from the page's tab, as a keyboard user reaches the chart.
    void FocusChart() {
        ShowGraph();
        QTabBar* tabs = Driver().PageControl1->tabBar();
        tabs->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tabs, Qt::Key_Tab);
        ASSERT_TRUE(QTest::qWaitFor([this] { return Driver().Chart1->hasFocus(); }));
    }

    void PressOnChart(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Driver().Chart1, key, modifiers);
    }

    // The chart as it shows on screen, with the controls and what is drawn over it.
    QImage ChartPixels() { return Driver().Chart1->grab().toImage(); }
};

// The pixels in which two pictures of one size differ.
std::vector<QPoint> DifferingPixels(const QImage& left, const QImage& right) {
    std::vector<QPoint> points;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            if (left.pixel(x, y) != right.pixel(x, y)) {
                points.emplace_back(x, y);
            }
        }
    }
    return points;
}

bool InFocusFrameBand(const QPoint& point, const QSize& size) {
    return point.x() < kFocusFrameBand || point.y() < kFocusFrameBand ||
           point.x() >= size.width() - kFocusFrameBand ||
           point.y() >= size.height() - kFocusFrameBand;
}

} // namespace

TEST_F(TForm1ChartAccess, TheChartIsAChartNamedByItsTitleAndDescribedByItsCurves) {
    PickSampleChart();
    TForm1Driver& form = Driver();
    QAccessibleInterface* chart = ChartInterface();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Total Available AFVs"));
    const auto rows = form.ChartDataRows(QLocale());
    const QString picks = QStringLiteral("Picked: ") + form.StringGrid1->Cells(0, 3) +
                          QStringLiteral(" and ") + form.StringGrid1->Cells(0, 7) +
                          QLatin1Char('.');
    // What is heard on coming to the chart: the months shown and the picks, no more.
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("Months shown: ") + rows.at(1).front() + QStringLiteral(" to ") +
                  rows.back().front() + QStringLiteral(". ") + picks +
                  QStringLiteral(" S reads the summary."));
    const QString summary = chart->tableInterface()->summary()->text(QAccessible::Name);
    EXPECT_EQ(summary, form.ChartSummary());
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Months shown: ") + rows.at(1).front() +
                                   QStringLiteral(" to ") + rows.back().front() +
                                   QStringLiteral(". ")))
        << summary.toStdString();
    EXPECT_TRUE(summary.endsWith(picks)) << summary.toStdString();
    // Every curve of Copy data has its sentence.
    for (qsizetype column = 1; column < rows.front().size(); ++column) {
        const QString name = rows.front().at(column).chopped(
            rows.front().at(column).endsWith(QStringLiteral(" %")) ? 2 : 0);
        EXPECT_TRUE(summary.contains(QStringLiteral(". ") + name + QStringLiteral(": ")))
            << name.toStdString();
    }
    // The data-source selector lying on the chart stays its first child.
    ASSERT_GE(chart->childCount(), 1);
    EXPECT_EQ(chart->child(0)->object(), form.RadioGroup1);
}

TEST_F(TForm1ChartAccess, TheChartsTableHoldsTheNumbersOfCopyData) {
    PickSampleChart();
    QAccessibleInterface* chart = ChartInterface();
    QAccessibleTableInterface* table = chart->tableInterface();
    ASSERT_NE(table, nullptr);
    const auto rows = Driver().ChartReadingRows(QLocale());
    ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()) - 1);
    // The same months and curves as Copy data, each number rounded for a reader.
    const auto exact = Driver().ChartDataRows(QLocale());
    ASSERT_EQ(exact.size(), rows.size());
    EXPECT_EQ(exact.front(), rows.front());
    ASSERT_EQ(table->columnCount(), static_cast<int>(rows.front().size()) - 1);
    EXPECT_GT(table->rowCount(), 12);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList& expected = rows.at(static_cast<std::size_t>(row) + 1);
        EXPECT_EQ(table->rowDescription(row), expected.front());
        for (int column = 0; column < table->columnCount(); ++column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name), expected.at(column + 1));
            EXPECT_EQ(cell->role(), QAccessible::Cell);
            EXPECT_EQ(cell->parent(), chart);
            EXPECT_EQ(chart->child(chart->indexOfChild(cell)), cell);
        }
    }
    for (int column = 0; column < table->columnCount(); ++column) {
        EXPECT_EQ(table->columnDescription(column), rows.front().at(column + 1));
        const auto headers = table->cellAt(0, column)->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(headers.size(), 1);
        EXPECT_EQ(headers.front()->text(QAccessible::Name), rows.front().at(column + 1));
        EXPECT_EQ(headers.front()->role(), QAccessible::ColumnHeader);
    }
    EXPECT_EQ(table->cellAt(-1, 0), nullptr);
    EXPECT_EQ(table->cellAt(table->rowCount(), 0), nullptr);
    EXPECT_EQ(table->cellAt(0, table->columnCount()), nullptr);
    // The data-source selector, the cells, one item per month, then the summary, which is also
    // the table's.
    EXPECT_EQ(chart->childCount(), 1 + table->rowCount() * (table->columnCount() + 1) + 1);
    QAccessibleInterface* summary = chart->child(chart->childCount() - 1);
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(table->summary(), summary);
    EXPECT_EQ(summary->parent(), chart);
    EXPECT_EQ(chart->indexOfChild(summary), chart->childCount() - 1);
    EXPECT_EQ(summary->role(), QAccessible::StaticText);
    EXPECT_EQ(summary->text(QAccessible::Name), Driver().ChartSummary());
}

TEST_F(TForm1ChartAccess, CursorKeysWalkTheMonthsAndEveryMoveIsAnnounced) {
    ShowTwoVehicles();
    ClickRow(1);
    TAccessibleEventRecorder recorder;
    FocusChart();
    TForm1Driver& form = Driver();
    TChartMonthCursor& cursor = Cursor();
    const auto months = cursor.CurveMonths();
    ASSERT_TRUE(months.has_value());
    const int first = months->first;
    const int last = months->second;
    ASSERT_GT(last - first, 13);
    EXPECT_EQ(cursor.Month(), first);

    struct TKeyCase {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Month;
    };
    const TKeyCase cases[] = {
        {Qt::Key_Right, Qt::NoModifier, first + 1},  {Qt::Key_PageDown, Qt::NoModifier, first + 13},
        {Qt::Key_PageUp, Qt::NoModifier, first + 1}, {Qt::Key_Left, Qt::NoModifier, first},
        {Qt::Key_Left, Qt::NoModifier, first},       {Qt::Key_Right, Qt::ControlModifier, last},
        {Qt::Key_Right, Qt::NoModifier, last},       {Qt::Key_PageUp, Qt::NoModifier, last - 12},
        {Qt::Key_Left, Qt::ControlModifier, first},
    };
    QAccessibleInterface* chart = ChartInterface();
    TChartHover* hover = form.Chart1->findChild<TChartHover*>();
    for (const TKeyCase& keyCase : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &keyCase - cases);
        PressOnChart(keyCase.Key, keyCase.Modifiers);
        ASSERT_EQ(cursor.Month(), keyCase.Month);
        const QString readOut = cursor.ReadOut();
        EXPECT_TRUE(readOut.startsWith(MonthText::Caption(keyCase.Month) + QLatin1Char('\n')))
            << readOut.toStdString();
        EXPECT_EQ(chart->textInterface()->text(0, -1), readOut);
        const auto told = recorder.Of(form.Chart1, QAccessible::TextUpdated);
        ASSERT_FALSE(told.empty());
        EXPECT_EQ(told.back().Inserted, readOut);
        // A reader's focus goes to the month's item, named by the read-out in sentences, with
        // the ends of the curves' months said.
        if (&keyCase == cases || keyCase.Month != (&keyCase)[-1].Month) {
            const auto focused = recorder.Of(nullptr, QAccessible::Focus);
            ASSERT_FALSE(focused.empty());
            const QString spoken = focused.back().Name;
            EXPECT_TRUE(spoken.startsWith(MonthText::Caption(keyCase.Month) + QStringLiteral(". ")))
                << spoken.toStdString();
            EXPECT_FALSE(spoken.contains(QLatin1Char('\n')));
            EXPECT_EQ(spoken.endsWith(QStringLiteral(" First month.")), keyCase.Month == first);
            EXPECT_EQ(spoken.endsWith(QStringLiteral(" Last month.")), keyCase.Month == last);
        }
        // The read-out is the tooltip the mouse gets over the cursor's line (the last month's
        // line lies on the plot's right edge, the mouse finds it a pixel to the left).
        const int x = std::min(form.Chart1->BottomAxis().ValueToPixel(keyCase.Month),
                               form.Chart1->ChartRect().Right - 1);
        const int y = (form.Chart1->ChartRect().Top + form.Chart1->ChartRect().Bottom) / 2;
        const QString toolTip = hover->ToolTipAt(QPoint(x, y));
        for (const QString& line : readOut.split(QLatin1Char('\n'))) {
            EXPECT_TRUE(toolTip.contains(line.toHtmlEscaped())) << line.toStdString();
        }
    }
    // A key that leaves the month where it is tells nothing new.
    recorder.Clear();
    PressOnChart(Qt::Key_Left);
    EXPECT_TRUE(recorder.Of(form.Chart1, QAccessible::TextUpdated).empty());

    // Escape hides the cursor and keeps the focus; the next key shows it where it was.
    PressOnChart(Qt::Key_Right);
    PressOnChart(Qt::Key_Escape);
    EXPECT_FALSE(cursor.Month().has_value());
    EXPECT_TRUE(cursor.ReadOut().isEmpty());
    EXPECT_TRUE(form.Chart1->hasFocus());
    EXPECT_EQ(recorder.Of(form.Chart1, QAccessible::TextUpdated).back().Inserted, QString());
    PressOnChart(Qt::Key_Right);
    EXPECT_EQ(cursor.Month(), first + 1);

    // Leaving the chart hides it.
    form.PageControl1->tabBar()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(cursor.Month().has_value());
}

TEST_F(TForm1ChartAccess, TheWindowsKeysKeepTheirMeaningOnTheChart) {
    ShowTwoVehicles();
    FocusChart();
    QSignalSpy reset(Driver().ResetViewAction, &QAction::triggered);
    QSignalSpy copy(Driver().CopyAction, &QAction::triggered);
    PressOnChart(Qt::Key_Home);
    PressOnChart(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(copy.count(), 1);
    EXPECT_TRUE(Cursor().Month().has_value());
}

TEST_F(TForm1ChartAccess, AClickOnThePlotPutsTheCursorOnTheMonthClicked) {
    ShowTwoVehicles();
    ShowGraph();
    TChart& chart = *Driver().Chart1;
    const QPoint point(chart.BottomAxis().ValueToPixel(20),
                       (chart.ChartRect().Top + chart.ChartRect().Bottom) / 2);
    // The right button pans and opens the menu: it places nothing.
    QTest::mousePress(&chart, Qt::RightButton, {}, point);
    QTest::mouseRelease(&chart, Qt::RightButton, {}, point + QPoint(0, 20));
    EXPECT_FALSE(Cursor().Month().has_value());
    QTest::mouseClick(&chart, Qt::LeftButton, {}, point);
    EXPECT_TRUE(chart.hasFocus());
    EXPECT_EQ(Cursor().Month(), 20);
}

TEST_F(TForm1ChartAccess, OnlyTheFocusFrameAndTheCursorChangeTheChartsPixels) {
    ShowTwoVehicles();
    ClickRow(2);
    ShowGraph();
    const QImage unfocused = ChartPixels();
    FocusChart();
    const QImage withCursor = ChartPixels();
    PressOnChart(Qt::Key_Escape);
    const QImage frameOnly = ChartPixels();
    Driver().PageControl1->tabBar()->setFocus(Qt::TabFocusReason);
    const QImage unfocusedAgain = ChartPixels();
    ASSERT_EQ(unfocused.size(), withCursor.size());

    EXPECT_EQ(unfocused, unfocusedAgain);
    const std::vector<QPoint> frame = DifferingPixels(unfocused, frameOnly);
    EXPECT_FALSE(frame.empty());
    for (const QPoint& point : frame) {
        ASSERT_TRUE(InFocusFrameBand(point, unfocused.size())) << point.x() << "," << point.y();
    }
    // Beside the frame: the line over the plot, and the read-out box beside it.
    TChart& chart = *Driver().Chart1;
    const int lineX = chart.BottomAxis().ValueToPixel(Cursor().CurveMonths()->first);
    const TRect& plot = chart.ChartRect();
    int lineRows = 0;
    for (const QPoint& point : DifferingPixels(unfocused, withCursor)) {
        if (InFocusFrameBand(point, unfocused.size())) {
            continue;
        }
        if (point.x() == lineX) {
            ++lineRows;
            continue;
        }
        EXPECT_TRUE(point.x() >= plot.Left && point.x() < plot.Right && point.y() >= plot.Top &&
                    point.y() < plot.Bottom)
            << point.x() << "," << point.y();
    }
    EXPECT_GT(lineRows, (plot.Bottom - plot.Top) / 2);
}

TEST_F(TForm1ChartAccess, TheNewSummaryIsAnnouncedOnceAfterAPickASourceChangeAndAReload) {
    ShowTwoVehicles();
    TForm1Driver& form = Driver();
    TAccessibleEventRecorder recorder;
    // The summary's changes, told as changes of its child's name.
    const auto summaryChanges = [&recorder] {
        int changes = 0;
        for (const auto& record : recorder.Of(nullptr, QAccessible::NameChanged)) {
            changes += record.Name.startsWith(QStringLiteral("Months shown")) ? 1 : 0;
        }
        return changes;
    };
    const auto summary = [this] {
        return ChartInterface()->tableInterface()->summary()->text(QAccessible::Name);
    };
    ClickRow(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.Of(form.Chart1, QAccessible::DescriptionChanged).size(), 1U);
    EXPECT_EQ(summaryChanges(), 1);
    EXPECT_FALSE(recorder.Of(form.Chart1, QAccessible::TableModelChanged).empty());
    EXPECT_TRUE(summary().endsWith(QStringLiteral("Picked: v1.")));
    EXPECT_TRUE(ChartInterface()->text(QAccessible::Description).contains(QStringLiteral("v1")));
    auto* announcer = form.Window.findChild<TAnnouncer*>();
    ASSERT_NE(announcer, nullptr);
    EXPECT_EQ(announcer->Message(), QStringLiteral("v1 picked."));

    // The brief names no source: only the summary changes.
    recorder.Clear();
    ShowGraph();
    QTest::mouseClick(form.RadioGroup1->Button(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.Of(form.Chart1, QAccessible::DescriptionChanged).size(), 0U);
    EXPECT_EQ(summaryChanges(), 1);

    recorder.Clear();
    WriteTotalData(FleetLines(2000, 10, 20, 5));
    form.ReloadAction->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(summaryChanges(), 1);
    EXPECT_TRUE(summary().contains(QStringLiteral("2,000")));
    // The status line tells its new text.
    const auto status = recorder.Of(form.Label8, QAccessible::TextUpdated);
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back().Inserted, form.Label8->text());
    EXPECT_TRUE(form.Label8->text().contains(QStringLiteral("Read again at")));
    // The reload and its reason are told once, as a notification that appears.
    EXPECT_EQ(recorder.Of(announcer, QAccessible::ObjectShow).size(), 1U);
    QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(announcer);
    EXPECT_EQ(notification->role(), QAccessible::Notification);
    EXPECT_EQ(notification->text(QAccessible::Name),
              QStringLiteral("Read again: reload asked for."));
    EXPECT_TRUE(announcer->size().isEmpty());
}

TEST_F(TForm1ChartAccess, SReadsTheSummaryAndCommandsThatShowNothingSayWhatTheyDid) {
    ShowTwoVehicles();
    TForm1Driver& form = Driver();
    ClickRow(1);
    FocusChart();
    auto* announcer = form.Window.findChild<TAnnouncer*>();
    ASSERT_NE(announcer, nullptr);
    TAccessibleEventRecorder recorder;
    PressOnChart(Qt::Key_S);
    EXPECT_EQ(announcer->Message(), form.ChartSummary());
    EXPECT_EQ(recorder.Of(announcer, QAccessible::ObjectShow).size(), 1U);
    const auto months = static_cast<int>(form.ChartDataRows(QLocale()).size()) - 1;
    const struct {
        QAction* Command;
        QString Told;
    } cases[] = {
        {form.FitToDataAction, QStringLiteral("View fitted to the data.")},
        {form.UndoAction, QStringLiteral("Undone: fit to data.")},
        {form.RedoAction, QStringLiteral("Redone: fit to data.")},
        {form.ResetViewAction, QStringLiteral("View reset.")},
        {form.CopyAction, QStringLiteral("Chart copied, as a picture and as numbers.")},
        {form.CopyDataAction, QStringLiteral("Chart data copied: %1 months.").arg(months)},
    };
    for (const auto& test : cases) {
        test.Command->trigger();
        EXPECT_EQ(announcer->Message(), test.Told) << test.Told.toStdString();
    }
}

TEST_F(TForm1ChartAccess, MenuEntriesGiveTheirShortcutsAndLieInTheMenuThatShowsThem) {
    TForm1Driver& form = Driver();
    form.MenuAction->trigger();
    auto* menu = form.Window.findChild<QMenu*>(QStringLiteral("MainMenu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    // F10 makes the first entry current, so that a reader speaks it.
    EXPECT_EQ(menu->activeAction(), form.OpenFolderAction);
    const struct {
        QAction* Entry;
        const char* Name;
        const char* Binding;
    } cases[] = {
        {form.OpenFolderAction, "Open data folder\u2026", ";;Ctrl+O"},
        {form.ReloadAction, "Reload data files", ";;F5"},
        {form.ExportDataAction, "Export data\u2026", ""},
    };
    QAccessibleInterface* menuAccess = QAccessible::queryAccessibleInterface(menu);
    for (const auto& test : cases) {
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(test.Entry);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->text(QAccessible::Name), QString::fromUtf8(test.Name));
        EXPECT_EQ(entry->role(), QAccessible::MenuItem);
        EXPECT_EQ(entry->parent(), menuAccess);
        EXPECT_GE(menuAccess->indexOfChild(entry), 0);
        QAccessibleActionInterface* action = entry->actionInterface();
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->keyBindingsForAction(action->pressAction()).join(QLatin1Char(';')),
                  QString::fromUtf8(test.Binding));
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(form.OpenFolderAction)->state().focused);
    menu->close();
}

TEST_F(TForm1ChartAccess, TheWindowsStatusBarReadsTheStatusLineOnEveryPage) {
    ShowTwoVehicles();
    TForm1Driver& form = Driver();
    ShowGraph();
    ASSERT_FALSE(form.Label8->isVisible());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form.Window);
    QAccessibleInterface* status = window->child(window->childCount() - 1);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(status->parent(), window);
    EXPECT_EQ(window->indexOfChild(status), window->childCount() - 1);
    EXPECT_EQ(status->text(QAccessible::Name), form.Label8->text());
    ASSERT_NE(status->textInterface(), nullptr);
    EXPECT_EQ(status->textInterface()->text(0, -1), form.Label8->text());
    EXPECT_FALSE(status->state().invisible);
}

TEST_F(TForm1ChartAccess, SelectorsFiguresAndTheStatusLineTellTheirNamesAndValues) {
    ShowTwoVehicles();
    TForm1Driver& form = Driver();
    QAccessibleInterface* startMonth = QAccessible::queryAccessibleInterface(form.ComboBox1);
    EXPECT_EQ(startMonth->role(), QAccessible::ComboBox);
    EXPECT_EQ(startMonth->text(QAccessible::Name), QStringLiteral("Start month"));
    EXPECT_EQ(startMonth->text(QAccessible::Value), QStringLiteral("Jan"));
    ASSERT_NE(startMonth->textInterface(), nullptr);
    form.ComboBox1->PickItem(2);
    EXPECT_EQ(startMonth->textInterface()->text(0, -1), QStringLiteral("Mar"));
    EXPECT_EQ(startMonth->textInterface()->text(1, 2), QStringLiteral("a"));
    EXPECT_EQ(startMonth->textInterface()->text(2, 99), QStringLiteral("r"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.ComboBox4)->text(QAccessible::Name),
              QStringLiteral("End year"));

    // A combo box's visible label is no label relation, which a reader would take for its name.
    for (const auto& [other, relation] : startMonth->relations()) {
        EXPECT_FALSE(relation.testFlag(QAccessible::Label))
            << other->text(QAccessible::Name).toStdString();
    }

    // The figures are named with what they count, the span and the whole count, read-only and
    // with nothing selected; the label beside them is their description.
    QAccessibleInterface* figure = QAccessible::queryAccessibleInterface(form.Edit1);
    EXPECT_EQ(figure->text(QAccessible::Name), QStringLiteral("Production of the picked vehicle"));
    ClickRow(1);
    const auto count = [](const QLineEdit* box) {
        return QLocale().toString(box->text().toLongLong());
    };
    const struct {
        QLineEdit* Box;
        QString Name;
        QString Description;
    } figures[] = {
        {form.Edit1, QStringLiteral("Production of v1, Mar 1941 to Dec 1945: ") + count(form.Edit1),
         QStringLiteral("Tank")},
        {form.Edit2,
         QStringLiteral("Production of all vehicles, Mar 1941 to Dec 1945: ") + count(form.Edit2),
         QStringLiteral("Total")},
        {form.Edit3, QStringLiteral("Losses, Mar 1941 to Dec 1945: ") + count(form.Edit3),
         QStringLiteral("Losses")},
    };
    for (const auto& test : figures) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(test.Box);
        EXPECT_EQ(box->text(QAccessible::Name), test.Name);
        EXPECT_EQ(box->text(QAccessible::Description), test.Description);
        EXPECT_EQ(box->text(QAccessible::Value), test.Box->text());
        EXPECT_TRUE(box->state().readOnly);
        test.Box->setFocus(Qt::TabFocusReason);
        ASSERT_NE(box->textInterface(), nullptr);
        EXPECT_EQ(box->textInterface()->selectionCount(), 0);
        EXPECT_EQ(box->textInterface()->text(0, -1), test.Box->text());
        EXPECT_TRUE(box->relations(QAccessible::Label).isEmpty());
    }
    form.ComboBox2->PickItem(5);
    EXPECT_TRUE(figure->text(QAccessible::Name).endsWith(QStringLiteral(", out of date")))
        << figure->text(QAccessible::Name).toStdString();

    // The window is a frame, where a reader looks for its title and its status bar.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&form.Window)->role(), QAccessible::Window);

    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(form.Label8);
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(status->text(QAccessible::Name), QStringLiteral("Data files"));
    ASSERT_NE(status->textInterface(), nullptr);
    EXPECT_FALSE(form.Label8->text().isEmpty());
    EXPECT_EQ(status->textInterface()->text(0, -1), form.Label8->text());
    EXPECT_EQ(status->text(QAccessible::Value), form.Label8->text());
}

TEST_F(TForm1ChartAccess, TabReachesTheChartBeforeTheDataSourceSelector) {
    ShowTwoVehicles();
    ShowGraph();
    TForm1Driver& form = Driver();
    form.PageControl1->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.Chart1);
    EXPECT_TRUE(Cursor().Month().has_value());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form.RadioGroup1->isAncestorOf(QApplication::focusWidget()));
    EXPECT_FALSE(Cursor().Month().has_value());
}

// Leaving the table's page by a click on the "Graph" tab passes the focus to the chart; the
// cursor then waits for a cursor key rather than covering the chart unasked.
TEST_F(TForm1ChartAccess, FocusPassedOnByAPageSwitchWaitsForACursorKey) {
    ShowTwoVehicles();
    ClickRow(1);
    ShowGraph();
    ASSERT_TRUE(Driver().Chart1->hasFocus());
    EXPECT_FALSE(Cursor().Month().has_value());
    PressOnChart(Qt::Key_Right);
    EXPECT_EQ(Cursor().Month(), Cursor().CurveMonths()->first);
}
