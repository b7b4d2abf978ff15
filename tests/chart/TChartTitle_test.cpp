// Title placement and the room a title takes from the plot, on the recording surface (every
// character 6 pixels wide, lines 13 pixels high).

#include "TChart.h"
#include "TChartTitle.h"
#include "TRecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr TRect kPlot{20, 15, 653, 370};
constexpr int kLine = TRecordingCanvas::kLineHeight;
constexpr int kChar = TRecordingCanvas::kCharWidth;

class ChartTitleTest : public ::testing::Test {
protected:
    TRect Draw(const QStringList& lines, TTitlePlace place = TTitlePlace::tpTop) {
        m_title.SetText(lines);
        return m_title.DrawTitleOn(m_canvas, kPlot, place);
    }
    // Each written line as (x, y, text).
    std::vector<std::tuple<int, int, QString>> Lines() const {
        std::vector<std::tuple<int, int, QString>> lines;
        for (const TRecordedCall& call : m_canvas.Named(QStringLiteral("WriteText"))) {
            lines.emplace_back(call.Args.at(0), call.Args.at(1), call.Text);
        }
        return lines;
    }

    TChart m_chart;
    TChartTitle m_title{m_chart};
    TRecordingCanvas m_canvas;
};

} // namespace

TEST_F(ChartTitleTest, OneCentredLineTakesOneLineAndTheGap) {
    const QString text = QStringLiteral("Total Available AFVs");
    const TRect left = Draw({text});
    const int width = static_cast<int>(text.size()) * kChar;
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines()[0], std::make_tuple((20 + 653) / 2 - width / 2, 15, text));
    EXPECT_EQ(left, (TRect{20, 15 + kLine + 5, 653, 370}));
    EXPECT_TRUE(m_canvas.Named(QStringLiteral("DrawRectangle")).empty());
    const TRecordedCall call = m_canvas.Named(QStringLiteral("WriteText")).at(0);
    EXPECT_EQ(call.Font.Color(), clBlue);
    EXPECT_EQ(call.BackMode, TBackMode::bmTransparent);
}

TEST_F(ChartTitleTest, PlacementOfLinesAndRoomTaken) {
    const struct {
        const char* name;
        TTitlePlace place;
        TAlignment alignment;
        QStringList lines;
        std::vector<std::pair<int, int>> positions; // in drawing order
        TRect left;
    } cases[] = {
        {"two lines on top",
         TTitlePlace::tpTop,
         taCenter,
         {"AB", "CDEF"},
         {{336 - 6, 15}, {336 - 12, 15 + kLine}},
         {20, 15 + 2 * kLine + 5, 653, 370}},
        {"two foot lines",
         TTitlePlace::tpFoot,
         taCenter,
         {"AB", "CDEF"},
         {{336 - 12, 370 - kLine}, {336 - 6, 370 - 2 * kLine}},
         {20, 15, 653, 370 - 2 * kLine - 5}},
        {"left justified",
         TTitlePlace::tpTop,
         taLeftJustify,
         {"AB"},
         {{20 + kChar / 2, 15}},
         {20, 15 + kLine + 5, 653, 370}},
        {"right justified",
         TTitlePlace::tpTop,
         taRightJustify,
         {"AB"},
         {{653 - 2 * kChar - kChar / 2, 15}},
         {20, 15 + kLine + 5, 653, 370}},
        {"no lines", TTitlePlace::tpTop, taCenter, {}, {}, kPlot},
        {"no foot lines", TTitlePlace::tpFoot, taCenter, {}, {}, kPlot},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_canvas.Clear();
        m_title.SetAlignment(c.alignment);
        EXPECT_EQ(Draw(c.lines, c.place), c.left);
        const auto lines = Lines();
        ASSERT_EQ(lines.size(), c.positions.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(std::get<0>(lines[i]), c.positions[i].first) << i;
            EXPECT_EQ(std::get<1>(lines[i]), c.positions[i].second) << i;
        }
    }
}

TEST_F(ChartTitleTest, VisibleFrameBoxesTheWidestLineAndTakesItsWidth) {
    m_title.Frame().SetVisible(true);
    m_title.Frame().SetWidth(2);
    const TRect left = Draw({QStringLiteral("ABCDE")});
    const auto boxes = m_canvas.Named(QStringLiteral("DrawRectangle"));
    ASSERT_EQ(boxes.size(), 1u);
    const int maxW = 5 * kChar + kChar;
    EXPECT_EQ(boxes[0].Args,
              (std::vector<int>{336 - maxW / 2, 15, 336 + maxW / 2, 17 + kLine + 2}));
    EXPECT_EQ(boxes[0].Pen.Width(), 2);
    EXPECT_EQ(Lines().at(0), std::make_tuple(336 - 15, 17, QStringLiteral("ABCDE")));
    EXPECT_EQ(left.Top, 17 + kLine + 2 + 5);
}

TEST_F(ChartTitleTest, SolidBrushOfItsOwnColourFillsTheTitle) {
    m_title.Brush().SetColor(clYellow);
    const int before = m_chart.RepaintRequests();
    Draw({QStringLiteral("AB")});
    EXPECT_EQ(m_title.Color(), clYellow);
    EXPECT_GT(m_chart.RepaintRequests(), before);
    const auto boxes = m_canvas.Named(QStringLiteral("DrawRectangle"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Brush.Color(), clYellow);
    EXPECT_EQ(boxes[0].Brush.Style(), TBrushStyle::bsSolid);
    EXPECT_EQ(boxes[0].Pen.Style(), TPenStyle::psClear);
}

TEST_F(ChartTitleTest, SettersRepaintOnlyOnARealChange) {
    const int before = m_chart.RepaintRequests();
    m_title.SetVisible(true);
    m_title.SetAlignment(taCenter);
    m_title.Font().SetSize(8);
    m_title.SetText({});
    EXPECT_EQ(m_chart.RepaintRequests(), before);
    m_title.SetText({QStringLiteral("X")});
    m_title.Font().SetSize(10);
    m_title.Frame().SetVisible(true);
    EXPECT_EQ(m_chart.RepaintRequests(), before + 3);
}
