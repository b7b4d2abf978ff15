// Legend layout on the recording surface (every character 6 pixels wide, lines 13 pixels high),
// for the main window's chart of 673 x 385 whose plot after the margins is (20, 15, 653, 370).

#include "ChartMath.h"
#include "ChartTestSupport.h"
#include "LegendException.h"
#include "TChart.h"
#include "TChartLegend.h"
#include "TChartSeries.h"
#include "TRecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr TRect kBounds{0, 0, 673, 385};
constexpr TRect kPlot{20, 15, 653, 370};
constexpr int kLine = TRecordingCanvas::kLineHeight;
constexpr int kChar = TRecordingCanvas::kCharWidth;

// The eight series of the program's chart in list order, with their first titles.
const QStringList kTitles = {"Total In service",
                             "Tanks",
                             "n/a",
                             "Losses",
                             "Production & Lend Lease",
                             "Total Soviet Production",
                             "Percentage @ 10000",
                             "Percentage @ 10000"};

class ChartLegendTest : public ::testing::Test {
protected:
    TChartSeries& AddSeries(const QString& title, const QString& name = {}) {
        auto series = std::make_unique<TChartSeries>();
        series->SetTitle(title);
        series->SetName(name);
        return m_chart.AddSeries(std::move(series));
    }
    void AddProgramSeries() {
        const QStringList names = {"Series1", "Series2", "Series7", "Series3",
                                   "Series5", "Series4", "Series6", "Series8"};
        for (int i = 0; i < kTitles.size(); ++i) {
            AddSeries(kTitles[i], names[i]);
        }
    }
    TRect Draw(TRect plot = kPlot) { return m_legend.DrawLegendOn(m_canvas, kBounds, plot); }
    QStringList RowTexts() const {
        QStringList texts;
        for (const TRecordedCall& call : m_canvas.Named(QStringLiteral("WriteText"))) {
            texts << call.Text;
        }
        return texts;
    }

    TChart m_chart;
    TChartLegend m_legend{m_chart};
    TRecordingCanvas m_canvas;
};

} // namespace

TEST_F(ChartLegendTest, ProgramChartLegendLayout) {
    AddProgramSeries();
    const TRect left = Draw();
    const int w = 23 * kChar; // "Production & Lend Lease"
    const int textX = 648 - w - 2;
    const int symbolWidth = 18; // Round((138 + 10) * 0.12) = Round(17.76)
    const int legendLeft = textX - symbolWidth - 4 - 4;
    EXPECT_EQ(m_legend.LegendRect(), (TRect{legendLeft, 38, 648, 38 + 8 * kLine + 2}));
    EXPECT_EQ(left, (TRect{20, 15, legendLeft - 19, 370}));
    EXPECT_EQ(RowTexts(), kTitles);
    const auto rows = m_canvas.Named(QStringLiteral("WriteText"));
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(rows[p].Args, (std::vector<int>{textX, 39 + p * kLine})) << p;
    }
    const auto shadow = m_canvas.Named(QStringLiteral("FillRectangle")).at(0);
    EXPECT_EQ(shadow.Args, (std::vector<int>{legendLeft + 3, 41, 648 + 4, 38 + 8 * kLine + 2 + 4}));
    EXPECT_EQ(shadow.Brush.Color(), clBlack);
    const auto box = m_canvas.Named(QStringLiteral("DrawRectangleR")).at(0);
    EXPECT_EQ(box.Args, (std::vector<int>{legendLeft - 1, 37, 649, 38 + 8 * kLine + 3}));
    EXPECT_EQ(box.Brush.Color(), clWhite);
    // Each row's symbol sits left of its text, in the series' colour.
    const auto symbols = m_canvas.Named(QStringLiteral("DrawRectangleR"));
    ASSERT_EQ(symbols.size(), 9u);
    EXPECT_EQ(symbols[1].Args,
              (std::vector<int>{textX - 4 - symbolWidth, 41, textX - 4, 39 + kLine - 2}));
    EXPECT_EQ(symbols[1].Brush.Color(), m_chart.Series(0).SeriesColor());
}

TEST_F(ChartLegendTest, EffectiveStyleFollowsTheNumberOfActiveSeries) {
    TChartSeries& first = AddSeries(QStringLiteral("Only"));
    first.AddPoint(1, 10, QString(), clUseSeriesColor);
    first.AddPoint(2, 1234.5, QStringLiteral("b"), clUseSeriesColor);
    Draw();
    EXPECT_EQ(m_legend.EffectiveStyle(), lsValues);
    EXPECT_EQ(RowTexts(), (QStringList{"10", "1,234.5 b"}));

    AddSeries(QStringLiteral("Second"));
    m_canvas.Clear();
    Draw();
    EXPECT_EQ(m_legend.EffectiveStyle(), lsSeries);
    EXPECT_EQ(RowTexts(), (QStringList{"Only", "Second"}));
}

TEST_F(ChartLegendTest, HiddenAndUntitledSeriesRows) {
    AddSeries(QStringLiteral("A"));
    AddSeries(QStringLiteral("B")).SetActive(false);
    AddSeries(QStringLiteral("C")).SetShowInLegend(false);
    AddSeries(QString(), QStringLiteral("Series3"));
    AddSeries(QString());
    Draw();
    EXPECT_EQ(RowTexts(), (QStringList{"A", "Series3", "Series 2"}));
    EXPECT_EQ(m_legend.RowCount(), 3);
}

TEST_F(ChartLegendTest, LastValueRowsLabelTheSeriesTheirSymbolsStandFor) {
    AddSeries(QStringLiteral("off")).SetActive(false);
    AddSeries(QStringLiteral("A")).AddPoint(1, 5, QString(), clUseSeriesColor);
    TChartSeries& b = AddSeries(QStringLiteral("B"));
    b.AddPoint(1, 7, QString(), clUseSeriesColor);
    b.AddPoint(2, 9, QString(), clUseSeriesColor);
    m_legend.SetLegendStyle(lsLastValues);
    Draw();
    EXPECT_EQ(RowTexts(), (QStringList{"5", "9"}));
    const auto symbols = m_canvas.Named(QStringLiteral("DrawRectangleR"));
    ASSERT_EQ(symbols.size(), 3u);
    EXPECT_EQ(symbols[2].Brush.Color(), b.SeriesColor());
}

TEST_F(ChartLegendTest, DividingLinesSeparateRowsWithoutChangingTheSymbolPen) {
    AddSeries(QStringLiteral("A"));
    AddSeries(QStringLiteral("B"));
    AddSeries(QStringLiteral("C"));
    m_legend.DividingLines().SetVisible(true);
    m_legend.DividingLines().SetColor(clRed);
    Draw();
    const auto lines = m_canvas.Named(QStringLiteral("DrawHorizLine"));
    ASSERT_EQ(lines.size(), 2u);
    const TRect& rect = m_legend.LegendRect();
    EXPECT_EQ(lines[0].Args, (std::vector<int>{rect.Left, rect.Right, 39 + kLine}));
    EXPECT_EQ(lines[0].Pen.Color(), clRed);
    const auto symbols = m_canvas.Named(QStringLiteral("DrawRectangleR"));
    ASSERT_EQ(symbols.size(), 4u);
    EXPECT_EQ(symbols[3].Pen.Color(), clBlack);
}

TEST_F(ChartLegendTest, RowsThatDoNotFitAreLeftOut) {
    AddProgramSeries();
    // Room for three rows between the legend's top (38) and the plot's bottom, less the frame.
    const TRect plot{20, 15, 653, 38 + 3 * kLine + 2 + 5};
    Draw(plot);
    EXPECT_EQ(m_legend.RowCount(), 3);
    EXPECT_EQ(RowTexts(), kTitles.mid(0, 3));
    EXPECT_EQ(m_legend.LegendRect().Bottom, 38 + 3 * kLine + 2);

    m_canvas.Clear();
    const TRect tooLow{20, 15, 653, 38};
    EXPECT_EQ(Draw(tooLow), tooLow);
    EXPECT_TRUE(m_canvas.Calls.empty() || m_canvas.Named(QStringLiteral("WriteText")).empty());
}

TEST_F(ChartLegendTest, WithoutResizeThePlotStillLosesTheGap) {
    AddProgramSeries();
    m_legend.SetResizeChart(false);
    EXPECT_EQ(Draw(), (TRect{20, 15, 653 - 19, 370}));
    m_legend.SetHorizMargin(7);
    EXPECT_EQ(Draw(), (TRect{20, 15, 653 - 7, 370}));
}

TEST_F(ChartLegendTest, InvertedAndFirstValueChooseTheRows) {
    AddSeries(QStringLiteral("A"));
    AddSeries(QStringLiteral("B"));
    AddSeries(QStringLiteral("C"));
    m_legend.SetInverted(true);
    Draw();
    EXPECT_EQ(RowTexts(), (QStringList{"C", "B", "A"}));
    m_legend.SetInverted(false);
    m_legend.SetFirstValue(1);
    m_canvas.Clear();
    Draw();
    EXPECT_EQ(RowTexts(), (QStringList{"B", "C"}));
}

TEST_F(ChartLegendTest, LeftLegendMovesThePlotsLeftEdge) {
    AddSeries(QStringLiteral("AB"));
    AddSeries(QStringLiteral("CD"));
    m_legend.SetAlignment(laLeft);
    const TRect left = Draw();
    const int symbolWidth = 3; // Round((12 + 10) * 0.12) = Round(2.64)
    EXPECT_EQ(m_legend.LegendRect().Left, 22);
    EXPECT_EQ(m_legend.LegendRect().Right, 22 + 4 + symbolWidth + 4 + 12 + 2);
    EXPECT_EQ(left.Left, m_legend.LegendRect().Right + 19);
}

TEST_F(ChartLegendTest, ValidatingSettersRejectWithTheirMessages) {
    const struct {
        const char* name;
        std::function<void()> set;
        std::function<int()> get;
        int kept;
        const char* message;
    } cases[] = {
        {"top pos high", [&] { m_legend.SetTopPos(101); }, [&] { return m_legend.TopPos(); }, 10,
         "Top Legend Position must be between 0 and 100 %"},
        {"top pos low", [&] { m_legend.SetTopPos(-1); }, [&] { return m_legend.TopPos(); }, 10,
         "Top Legend Position must be between 0 and 100 %"},
        {"first value", [&] { m_legend.SetFirstValue(-1); }, [&] { return m_legend.FirstValue(); },
         0, "First Legend Value must be > 0"},
        {"colour width high", [&] { m_legend.SetColorWidth(101); },
         [&] { return m_legend.ColorWidth(); }, 12,
         "Legend Color Width must be between 0 and 100 %"},
        {"colour width low", [&] { m_legend.SetColorWidth(-1); },
         [&] { return m_legend.ColorWidth(); }, 12,
         "Legend Color Width must be between 0 and 100 %"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.set();
            ADD_FAILURE() << "no exception";
        } catch (const LegendException& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(c.get(), c.kept);
    }
    m_legend.SetTopPos(100);
    m_legend.SetTopPos(0);
    m_legend.SetColorWidth(0);
    m_legend.SetColorWidth(100);
    m_legend.SetFirstValue(0);
    EXPECT_EQ(m_legend.TopPos(), 0);
    EXPECT_EQ(m_legend.ColorWidth(), 100);
}

TEST_F(ChartLegendTest, HorizontalLegendAtTheTopTakesItsHeight) {
    AddSeries(QStringLiteral("AB"));
    AddSeries(QStringLiteral("CD"));
    m_legend.SetAlignment(laTop);
    const TRect left = Draw();
    EXPECT_EQ(m_legend.ColumnCount(), 2);
    EXPECT_EQ(m_legend.RowCount(), 1);
    EXPECT_EQ(m_legend.LegendRect().Top, 17);
    EXPECT_EQ(m_legend.LegendRect().Bottom, 17 + kLine + 2);
    EXPECT_EQ(left.Top, 17 + kLine + 2 + 3 + Armalyx::ChartMath::MulDiv(4, 355, 100));
    const auto rows = m_canvas.Named(QStringLiteral("WriteText"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Args.at(1), rows[1].Args.at(1));
    EXPECT_EQ(rows[1].Args.at(0) - rows[0].Args.at(0), 16 + m_legend.SymbolWidth() + 4);
}

TEST(ChartLegendInFrame, VerticalLegendComesBeforeTheTitleWhichCentresBesideIt) {
    Armalyx::ChartTestSupport::TRecordedChart recorded = Armalyx::ChartTestSupport::ProgramChart();
    TChart& chart = *recorded.Chart;
    for (const QString& title : kTitles) {
        chart.AddSeries(std::make_unique<TChartSeries>()).SetTitle(title);
    }
    chart.Title().SetText({QStringLiteral("Total Available AFVs")});
    recorded.DrawFrame();
    const TRect& legend = chart.Legend().LegendRect();
    EXPECT_EQ(legend.Top, 38);
    EXPECT_EQ(legend.Right, 648);
    const auto texts = recorded.Canvas->Named(QStringLiteral("WriteText"));
    ASSERT_GE(texts.size(), 9u);
    EXPECT_EQ(texts[0].Text, kTitles[0]);
    EXPECT_EQ(texts[0].Args.at(1), 39);
    const TRecordedCall& title = texts[8];
    EXPECT_EQ(title.Text, QStringLiteral("Total Available AFVs"));
    const int plotRight = legend.Left - 19;
    EXPECT_EQ(title.Args, (std::vector<int>{(20 + plotRight) / 2 - 60, 15}));
    EXPECT_EQ(chart.ChartRect().Top, 15 + kLine + 5);
    EXPECT_EQ(chart.ChartRect().Right, plotRight);
}
