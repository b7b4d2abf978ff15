// Ctrl+C and the chart's tooltip: the table's rows as tab-separated text, the chart as a picture,
// the month and the series values under the mouse; and the desktop palette reaching the window.
#include "MonthText.h"
#include "TForm1Fixture.h"

#include "ChartHoverText.h"
#include "TChartHover.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"
#include "TableText.h"

#include <ChartMath.h>
#include <TChart.h>
#include <TLineSeries.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

class TForm1Clipboard : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        ShowTwoVehicles();
        QGuiApplication::clipboard()->clear();
    }

    void PressCopy(QWidget* focus) {
        focus->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    }

    // Shows the "Graph" page and lets the chart draw a frame, which maps its axes.
    void ShowGraphPage() {
        Driver().PageControl1->setCurrentIndex(1);
        Driver().Chart1->repaint();
        QCoreApplication::processEvents();
    }
};

// Swaps the application's palette for a dark one for as long as it lives.
class TDarkPalette final {
public:
    TDarkPalette() : m_previous(QApplication::palette()) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x20, 0x22, 0x24));
        dark.setColor(QPalette::Button, QColor(0x30, 0x32, 0x34));
        dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
        dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
        dark.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
        dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
    }
    ~TDarkPalette() {
        QApplication::setPalette(m_previous);
        QCoreApplication::processEvents();
    }
    TDarkPalette(const TDarkPalette&) = delete;
    TDarkPalette& operator=(const TDarkPalette&) = delete;

private:
    QPalette m_previous;
};

} // namespace

TEST(TableText, RowsAreTabSeparatedLinesWithoutEmptyRowsOrStrayTabs) {
    EXPECT_EQ(Armalyx::TableText::TabSeparatedRows({}), QString());
    EXPECT_EQ(Armalyx::TableText::TabSeparatedRows(
                  {{"Vehicle Name", "Total"}, {"T-34", "60"}, {"", ""}, {"Lend Lease", " 300"}}),
              QStringLiteral("Vehicle Name\tTotal\nT-34\t60\nLend Lease\t 300\n"));
    EXPECT_EQ(Armalyx::TableText::TabSeparatedRows({{"A\tB\r\nC", ""}}),
              QStringLiteral("A B  C\t\n"));
}

TEST(ChartHoverText, MonthsAreNamedAndFoundWithinTheAxisRange) {
    const std::pair<int, const char*> captions[] = {
        {1, "Jan 1941"}, {12, "Dec 1941"}, {13, "Jan 1942"}, {27, "Mar 1943"}, {60, "Dec 1945"}};
    for (const auto& [month, caption] : captions) {
        SCOPED_TRACE(month);
        EXPECT_EQ(Armalyx::MonthText::Caption(month), QString::fromLatin1(caption));
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, std::optional<int>> positions[] = {
        {5.49, std::nullopt},
        {5.5, 6},
        {26.6, 27},
        {53.49, 53},
        {53.5, std::nullopt},
        {nan, std::nullopt},
        {1e300, std::nullopt},
    };
    for (const auto& [value, month] : positions) {
        SCOPED_TRACE(value);
        EXPECT_EQ(Armalyx::ChartHoverText::MonthAt(value, 6, 53), month);
    }
    EXPECT_EQ(Armalyx::ChartHoverText::MonthAt(30, nan, 53), std::nullopt);
}

TEST(ChartHoverText, ToolTipListsEachSeriesWithItsValueAndEscapesTitles) {
    const QString text = Armalyx::ChartHoverText::ToolTip(
        27,
        {{QStringLiteral("<b>T-34</b> & co"), 1250.5, clRed, TReadingKind::Count, std::nullopt}},
        QLocale(QLocale::English), Qt::white);
    EXPECT_TRUE(text.contains(QStringLiteral("<b>Mar 1943</b>")));
    EXPECT_TRUE(text.contains(QStringLiteral("&lt;b&gt;T-34&lt;/b&gt; &amp; co: 1,251")));
    EXPECT_TRUE(text.contains(QStringLiteral("background-color:#ff0000")));
}

TEST_F(TForm1Clipboard, CopyOnTheTableGivesItsRowsAsTabSeparatedText) {
    PressCopy(Driver().StringGrid1);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Vehicle Name\tTotal\nv1\t60\nv2\t120\nLend Lease\t 300\n"));
}

TEST_F(TForm1Clipboard, CopyInAnEditBoxKeepsCopyingItsOwnText) {
    Driver().Edit2->setText(QStringLiteral("4711"));
    Driver().Edit2->selectAll();
    PressCopy(Driver().Edit2);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("4711"));
}

TEST_F(TForm1Clipboard, CopyOnTheGraphPageGivesTheChartAsAPicture) {
    ClickRow(1);
    ShowGraphPage();
    PressCopy(Driver().RadioGroup1->Button(0));
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), Driver().Chart1->size());
    // The picture is the chart alone: the data-source selector lying on it is left out.
    const QImage drawn = Driver().ChartImage().convertToFormat(copied.format());
    EXPECT_EQ(copied, drawn);
    const QImage window = Driver().Chart1->grab().toImage().convertToFormat(copied.format());
    const QPoint selector = Driver().RadioGroup1->geometry().center();
    EXPECT_NE(copied.pixel(selector), window.pixel(selector));
}

TEST_F(TForm1Clipboard, ToolTipOverThePlotNamesTheMonthAndEveryVisibleSeriesValue) {
    ClickRow(1);
    ShowGraphPage();
    TChart& chart = *Driver().Chart1;
    const auto* hover = chart.findChild<TChartHover*>();
    ASSERT_NE(hover, nullptr);
    const int y = (chart.ChartRect().Top + chart.ChartRect().Bottom) / 2;
    const QString text = hover->ToolTipAt(QPoint(chart.BottomAxis().ValueToPixel(27), y));
    EXPECT_TRUE(text.contains(QStringLiteral("<b>Mar 1943</b>"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Total In service: ") +
                              Armalyx::ChartMath::FormatAxisLabel(1000)));
    EXPECT_TRUE(
        text.contains(QStringLiteral("Losses: ") + Armalyx::ChartMath::FormatAxisLabel(10)));
    EXPECT_TRUE(text.contains(QStringLiteral("v1: ")));
    // Series without points (the second pair) say nothing.
    EXPECT_FALSE(text.contains(QStringLiteral("n/a")));
    // Hidden series say nothing either.
    Driver().Series1->SetActive(false);
    EXPECT_FALSE(hover->ToolTipAt(QPoint(chart.BottomAxis().ValueToPixel(27), y))
                     .contains(QStringLiteral("Total In service")));
    // Outside the plot there is no tooltip.
    EXPECT_EQ(hover->ToolTipAt(QPoint(chart.ChartRect().Left - 2, y)), QString());
    EXPECT_EQ(hover->ToolTipAt(QPoint(chart.BottomAxis().ValueToPixel(27), 1)), QString());
}

TEST_F(TForm1Clipboard, DarkDesktopPaletteReachesTheWindowAndTheChartPanel) {
    ShowGraphPage();
    const int requestsBefore = Driver().Chart1->RepaintRequests();
    const TDarkPalette dark;
    EXPECT_GT(Driver().Chart1->RepaintRequests(), requestsBefore);
    EXPECT_EQ(Form().palette().color(QPalette::Window), QColor(0x20, 0x22, 0x24));
    EXPECT_EQ(Driver().Label1->palette().color(QPalette::WindowText), QColor(0xEE, 0xEE, 0xEE));
    // The panel's button-face colour shows just inside its bevel.
    const QImage chart = Driver().ChartImage();
    EXPECT_EQ(QColor(chart.pixel(2, chart.height() / 2)), QColor(0x30, 0x32, 0x34));
    // The value labels left of the plot are written in the theme's light text colour.
    const TRect plot = Driver().Chart1->ChartRect();
    int light = 0;
    int black = 0;
    for (int y = plot.Top; y < plot.Bottom; ++y) {
        for (int x = 2; x < plot.Left - 6; ++x) {
            const int lightness = QColor(chart.pixel(x, y)).lightness();
            light += lightness > 0xC0 ? 1 : 0;
            black += lightness < 0x20 ? 1 : 0;
        }
    }
    EXPECT_GT(light, 100);
    EXPECT_EQ(black, 0);
}
