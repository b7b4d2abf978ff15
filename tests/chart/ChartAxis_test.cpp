// Axis mapping, label steps, label texts, the labels, ticks and grid of a drawn axis, the
// setters' checks and scrolling.
#include "AxisException.h"
#include "ChartMath.h"
#include "ChartTestSupport.h"

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace Armalyx::ChartTestSupport;

namespace {

Armalyx::ChartMath::TAxisScale Scale(double lo, double hi, int start, int end, bool horizontal) {
    Armalyx::ChartMath::TAxisScale scale;
    scale.WorkMinimum = lo;
    scale.WorkMaximum = hi;
    scale.PixelStart = start;
    scale.PixelEnd = end;
    scale.Horizontal = horizontal;
    return scale;
}

std::vector<QString> Texts(const std::vector<TRecordedCall>& calls) {
    std::vector<QString> texts;
    for (const auto& call : calls) {
        texts.push_back(call.Text);
    }
    return texts;
}

// Records a frame of the program's chart with one series and answers the recorded calls.
struct TAxisFrame : TRecordedChart {
    TAxisFrame() : TRecordedChart(ProgramChart()) { AddLine(clRed); }
};

class ChartAxis : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

} // namespace

TEST_F(ChartAxis, ValueToPixelMapsEndsAndOffRangeValuesWithoutClipping) {
    const auto bottom = Scale(6, 53, 68, 653, true);
    const auto left = Scale(-51, 20000, 15, 340, false);
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(bottom, 6), 68);
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(bottom, 53), 653);
    EXPECT_GT(Armalyx::ChartMath::ValueToPixel(bottom, 60), 653);
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(left, 20000), 15);
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(left, -51), 340);
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(left, 0), 339);
    // An offset reaching 2147483647 pixels maps to the centre, not to a clipped end.
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(bottom, 1e300), bottom.PixelCenter());
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(bottom, -1e300), bottom.PixelCenter());
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(bottom, NAN), bottom.PixelCenter());
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(Scale(6, 6, 68, 653, true), 100), 360);
    auto inverted = bottom;
    inverted.Inverted = true;
    EXPECT_EQ(Armalyx::ChartMath::ValueToPixel(inverted, 6), 653);
}

TEST_F(ChartAxis, DrawingMapsOverflowingValuesBeyondTheEdgeTheyExceed) {
    const auto bottom = Scale(6, 53, 68, 653, true);
    const auto left = Scale(-51, 20000, 15, 340, false);
    auto inverted = bottom;
    inverted.Inverted = true;
    const struct {
        const char* name;
        Armalyx::ChartMath::TAxisScale scale;
        double value;
        std::int32_t pixel;
    } cases[] = {
        {"right of the bottom axis", bottom, 1e300, 1000},
        {"left of the bottom axis", bottom, -1e300, -1000},
        {"above the left axis", left, 1e15, -1000},
        {"below the left axis", left, -1e15, 1000},
        {"left of an inverted axis", inverted, 1e300, -1000},
        {"infinitely high", left, INFINITY, -1000},
        {"not a number", left, NAN, INT32_MIN},
        // Values that fit keep their pixel, and a zero range its centre.
        {"in range", left, 0, 339},
        {"far but fitting", left, 1e9, Armalyx::ChartMath::ValueToPixel(left, 1e9)},
        {"zero range", Scale(6, 6, 68, 653, true), 1e300, 360},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Armalyx::ChartMath::ValueToPixelBeyondEdges(c.scale, c.value, 1000), c.pixel);
    }
}

TEST_F(ChartAxis, PixelToValueInvertsTheMappingAndIsZeroWithoutSpan) {
    const auto bottom = Scale(6, 53, 68, 653, true);
    const auto left = Scale(-51, 20000, 15, 340, false);
    EXPECT_DOUBLE_EQ(Armalyx::ChartMath::PixelToValue(bottom, 68), 6);
    EXPECT_DOUBLE_EQ(Armalyx::ChartMath::PixelToValue(bottom, 653), 53);
    EXPECT_DOUBLE_EQ(Armalyx::ChartMath::PixelToValue(left, 15), 20000);
    EXPECT_DOUBLE_EQ(Armalyx::ChartMath::PixelToValue(left, 340), -51);
    EXPECT_EQ(Armalyx::ChartMath::PixelToValue(Scale(0, 10, 5, 5, true), 7), 0);
}

TEST_F(ChartAxis, NextLabelStepRunsOneTwoFive) {
    const std::pair<double, double> cases[] = {{1, 2},     {2, 5},  {3, 5},   {5, 10}, {1000, 2000},
                                               {0.3, 0.5}, {7, 10}, {20, 50}, {0, 1},  {-4, 1}};
    for (const auto& [in, out] : cases) {
        SCOPED_TRACE(in);
        EXPECT_NEAR(Armalyx::ChartMath::NextLabelStep(in), out, 1e-12);
    }
}

TEST_F(ChartAxis, LabelStepGrowsOnlyWhenLabelsWouldCrowd) {
    struct TCase {
        int labelSize;
        int pixels;
        double increment;
        double range;
        double step;
    };
    const TCase cases[] = {
        {13, 250, 1000, 20051, 2000}, // 18 labels fit
        {13, 300, 1000, 20051, 1000}, // 21 labels fit
        {12, 611, 1, 47, 1},          // 47 labels fit
        {12, 585, 1, 47, 2},          {12, 117, 1, 47, 5},
        {12, 65, 1, 47, 10},          {12, 5, 1, 47, 1e-12}, // not even one label fits
        {0, 5, 0, 0.5, 0.5},                                 // no label size: one label
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.pixels);
        const int count = Armalyx::ChartMath::LabelCount(c.labelSize, 10, c.pixels);
        EXPECT_DOUBLE_EQ(Armalyx::ChartMath::LabelStepForCount(count, c.increment, c.range, 10),
                         c.step);
    }
    // Without separation the increment stands whatever the crowding.
    EXPECT_EQ(Armalyx::ChartMath::LabelStepForCount(Armalyx::ChartMath::LabelCount(13, 0, 50), 1,
                                                    20000, 0),
              1);
    // A range that cannot be labelled ends the search instead of looping.
    EXPECT_GT(Armalyx::ChartMath::LabelStepForCount(3, 1, INFINITY, 10), 0);
}

TEST_F(ChartAxis, LabelsUseTheLocaleGroupingWithUpToThreeDecimals) {
    const std::pair<double, const char*> cases[] = {
        {20000, "20,000"}, {1000, "1,000"},    {0, "0"},     {6, "6"},
        {-51, "-51"},      {1.23456, "1.235"}, {2.5, "2.5"}, {-0.0001, "0"}};
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(Armalyx::ChartMath::FormatAxisLabel(value), text);
    }
}

TEST_F(ChartAxis, LabelsFollowAChangeOfTheDefaultLocale) {
    EXPECT_EQ(Armalyx::ChartMath::FormatAxisLabel(20000.5), "20,000.5");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Armalyx::ChartMath::FormatAxisLabel(20000.5), "20.000,5");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(Armalyx::ChartMath::FormatAxisLabel(20000.5), "20,000.5");
}

TEST_F(ChartAxis, DrawnLeftAxisLabelsRunFromTheTopDownToZero) {
    TAxisFrame frame;
    frame.DrawFrame();
    std::vector<QString> expected;
    for (int v = 20000; v >= 0; v -= 1000) {
        expected.push_back(QLocale().toString(v));
    }
    std::vector<TRecordedCall> left;
    for (const auto& call : frame.Canvas->Named("WriteText3D")) {
        if (call.Alignment == (kTextAlignRight | kTextAlignTop)) {
            left.push_back(call);
        }
    }
    EXPECT_EQ(Texts(left), expected);
    // Below the title: the plot starts at 33; a one-line label is centred on its tick.
    EXPECT_EQ(left.front().Args, (std::vector<int>{62, 33 - 6, 0}));
    const auto& ticks = frame.Chart->LeftAxis().TickPositions();
    ASSERT_EQ(ticks.size(), 21u);
    EXPECT_EQ(ticks.front(), 33);
    EXPECT_EQ(ticks.back(), 339);
}

TEST_F(ChartAxis, DrawnBottomAxisHasTicksMinorTicksAndDottedGrid) {
    TAxisFrame frame;
    frame.DrawFrame();
    const TChartAxis& bottom = frame.Chart->BottomAxis();
    const auto& ticks = bottom.TickPositions();
    ASSERT_EQ(ticks.size(), 24u); // 52, 50, ..., 6 at step 2
    EXPECT_EQ(ticks.back(), 68);
    EXPECT_EQ(bottom.AxisLinePos(), 340);

    std::vector<TRecordedCall> outer;
    std::vector<TRecordedCall> inner;
    std::vector<TRecordedCall> minor;
    for (const auto& call : frame.Canvas->Named("DrawVertLine3D")) {
        if (call.Args[1] == frame.Chart->ChartRect().Top) {
            continue; // the left axis line
        }
        (call.Args[2] == 343 ? outer : call.Args[2] == 339 ? inner : minor).push_back(call);
    }
    EXPECT_EQ(inner.size(), 24u); // zero-length inner ticks leave no pixel
    ASSERT_EQ(outer.size(), 24u);
    EXPECT_EQ(outer.front().Args, (std::vector<int>{ticks.front(), 341, 343, 0}));
    EXPECT_EQ(outer.front().Pen.Color(), clGray);
    // One minor tick halfway in each interval; the ones beyond 52 and 6 fall on or past the ends.
    ASSERT_EQ(minor.size(), 23u);
    EXPECT_EQ(minor.front().Args[0], 628); // between 50 (616) and 52 (641), half rounded to even
    for (const auto& call : minor) {
        EXPECT_EQ(call.Args[1], 341);
        EXPECT_EQ(call.Args[2], 345);
    }
    std::vector<TRecordedCall> grid = frame.Canvas->Named("DrawVertLine");
    ASSERT_EQ(grid.size(), 24u);
    EXPECT_EQ(grid.front().Args, (std::vector<int>{ticks.front(), 33, 340}));
    EXPECT_EQ(grid.front().Pen.Style(), TPenStyle::psDot);
    EXPECT_EQ(grid.front().BackMode, TBackMode::bmTransparent);
    const auto axisLine = frame.Canvas->Named("DrawHorizLine3D").front();
    EXPECT_EQ(axisLine.Args, (std::vector<int>{68, 653, 340, 0}));
    EXPECT_EQ(axisLine.Pen.Width(), 2);
}

TEST_F(ChartAxis, LabelAtAPositiveMinimumIsDrawnButNotAtANegativeOne) {
    TAxisFrame frame;
    frame.Chart->LeftAxis().SetMinimum(-1000);
    frame.DrawFrame();
    const auto texts = Texts(frame.Canvas->Named("WriteText3D"));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "6"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "0"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "-1,000"), texts.end());
}

TEST_F(ChartAxis, TickPositionsStopAtTheirCapacity) {
    TAxisFrame frame;
    TChartAxis& left = frame.Chart->LeftAxis();
    left.SetLabelsSeparation(0);
    left.SetIncrement(4);
    frame.DrawFrame();
    EXPECT_EQ(left.TickPositions().size(), TCustomChartAxis::kTickCapacity);
}

TEST_F(ChartAxis, SettersRejectBadValuesWithTheirMessagesAndKeepTheOldValue) {
    TRecordedChart recorded = ProgramChart();
    TChartAxis& axis = recorded.Chart->LeftAxis();
    auto message = [](auto&& call) {
        try {
            call();
        } catch (const AxisException& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { axis.SetIncrement(-1); }), "Axis increment must be >= 0");
    EXPECT_EQ(message([&] { axis.SetIncrement(NAN); }), "Axis increment must be >= 0");
    EXPECT_EQ(message([&] { axis.SetMinimum(30000); }), "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(message([&] { axis.SetMaximum(-100); }), "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(message([&] { axis.SetLabelsSeparation(-1); }),
              "Labels Separation % must be greater than 0");
    EXPECT_EQ(axis.Increment(), 1000);
    EXPECT_EQ(axis.Minimum(), -51);
    EXPECT_EQ(axis.Maximum(), 20000);
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.LabelsSeparation(), 0);

    recorded.Chart->BeginLoading();
    axis.SetMinimum(50000);
    axis.SetMaximum(60000);
    recorded.Chart->EndLoading();
    EXPECT_EQ(axis.Minimum(), 50000);
}

TEST_F(ChartAxis, AutomaticFlagsAreLinkedOutsideLoading) {
    TRecordedChart recorded = ProgramChart();
    TChartAxis& axis = recorded.Chart->TopAxis();
    axis.SetAutomaticMinimum(false);
    EXPECT_FALSE(axis.Automatic());
    axis.SetAutomaticMinimum(true);
    EXPECT_TRUE(axis.Automatic());
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
    recorded.Chart->BeginLoading();
    axis.SetAutomatic(true);
    recorded.Chart->EndLoading();
    EXPECT_FALSE(axis.AutomaticMaximum());
}

TEST_F(ChartAxis, WheelShiftsVerticalRangesByThreePercent) {
    TAxisFrame frame;
    TChart& chart = *frame.Chart;
    chart.ScrollVerticalAxes(1);
    EXPECT_NEAR(chart.LeftAxis().Minimum(), 550.53, 1e-9);
    EXPECT_NEAR(chart.LeftAxis().Maximum(), 20601.53, 1e-9);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 6);
    chart.ScrollVerticalAxes(-1);
    EXPECT_NEAR(chart.LeftAxis().Minimum(), 550.53 - 0.03 * 20051, 1e-9);
}

TEST_F(ChartAxis, PanningMovesTheDataWithTheMouse) {
    TAxisFrame frame;
    frame.DrawFrame();
    TChart& chart = *frame.Chart;
    const double before = chart.BottomAxis().Minimum();
    chart.PanAxes({300, 100}, {300 + 585 / 47 * 2, 100});
    EXPECT_LT(chart.BottomAxis().Minimum(), before);
    EXPECT_FALSE(chart.BottomAxis().Automatic());
}

TEST_F(ChartAxis, AutomaticRangeFollowsTheDataAndVisiblePointersWidenIt) {
    TRecordedChart recorded = ProgramChart();
    TChart& chart = *recorded.Chart;
    chart.LeftAxis().SetAutomatic(true);
    auto& series = recorded.AddLine(clRed);
    series.AddPoint(10, 100, "", clUseSeriesColor);
    series.AddPoint(20, 300, "", clUseSeriesColor);
    recorded.DrawFrame();
    EXPECT_EQ(chart.LeftAxis().WorkMinimum(), 100);
    EXPECT_EQ(chart.LeftAxis().WorkMaximum(), 300);
    EXPECT_EQ(chart.BottomAxis().WorkMinimum(), 6); // fixed ends take no margins

    series.Pointer().SetVisible(true);
    recorded.DrawFrame();
    EXPECT_LT(chart.LeftAxis().WorkMinimum(), 100);
    EXPECT_GT(chart.LeftAxis().WorkMaximum(), 300);
    EXPECT_EQ(chart.LeftAxis().ValueToPixel(300), chart.ChartRect().Top + 5);
    EXPECT_EQ(chart.BottomAxis().WorkMinimum(), 6);
}

TEST_F(ChartAxis, WheelAndRightDragEventsScrollTheAxes) {
    TAxisFrame frame;
    TChart& chart = *frame.Chart;
    frame.Chart->Series(0).AddPoint(10, 10, "", clUseSeriesColor);
    frame.DrawFrame();
    const QPointF inside(300, 200);
    QWheelEvent down(inside, inside, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &down);
    EXPECT_NEAR(chart.LeftAxis().Minimum(), 550.53, 1e-9);

    const double bottomBefore = chart.BottomAxis().Minimum();
    QMouseEvent press(QEvent::MouseButtonPress, inside, inside, Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, inside + QPointF(25, 0), inside + QPointF(25, 0),
                     Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QMouseEvent outside(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                        Qt::RightButton, Qt::NoModifier);
    QMouseEvent back(QEvent::MouseMove, inside, inside, Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&chart, &press);
    QApplication::sendEvent(&chart, &move);
    const double afterDrag = chart.BottomAxis().Minimum();
    EXPECT_LT(afterDrag, bottomBefore);
    QApplication::sendEvent(&chart, &outside); // leaving the plot ends the drag
    QApplication::sendEvent(&chart, &back);
    EXPECT_EQ(chart.BottomAxis().Minimum(), afterDrag);
}

TEST_F(ChartAxis, SavedRangesComeBackAfterWheelTurnsAndDragsWhateverTheDistance) {
    TAxisFrame frame;
    frame.DrawFrame();
    TChart& chart = *frame.Chart;
    const std::vector<TAxisRange> home = chart.AxisRanges();
    ASSERT_EQ(home.size(), chart.AxisList().size());
    // Far enough down that the saved maximum lies below the current minimum, and far enough up
    // the other way: restoring one end before the other would trip the range check.
    for (const int steps : {40, -80}) {
        SCOPED_TRACE(steps);
        chart.ScrollVerticalAxes(steps);
        chart.PanAxes({300, 100}, {100, 150});
        ASSERT_NE(chart.AxisRanges(), home);
        const int requests = chart.RepaintRequests();
        chart.RestoreAxisRanges(home);
        EXPECT_EQ(chart.AxisRanges(), home);
        EXPECT_EQ(chart.LeftAxis().Minimum(), -51);
        EXPECT_EQ(chart.LeftAxis().Maximum(), 20000);
        EXPECT_EQ(chart.BottomAxis().Minimum(), 6);
        EXPECT_GT(chart.RepaintRequests(), requests);
    }
    // Restoring what is already there asks for no repaint; a list of another length is ignored.
    const int requests = chart.RepaintRequests();
    chart.RestoreAxisRanges(home);
    chart.RestoreAxisRanges({});
    EXPECT_EQ(chart.RepaintRequests(), requests);
    TAxisRange inverted = chart.LeftAxis().Range();
    std::swap(inverted.Minimum, inverted.Maximum);
    EXPECT_THROW(chart.LeftAxis().SetRange(inverted), AxisException);
    EXPECT_EQ(chart.AxisRanges(), home);
}
