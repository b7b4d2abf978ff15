// The window on today's desktops: fitted into a screen too small for its built-in place, the
// classic focus frame on the table's current cell, and a chart title readable under a dark theme.
#include "TForm1Fixture.h"

#include "TComboBox.h"
#include "TStringGrid.h"
#include "WindowPlacement.h"

#include <TChart.h>
#include <TChartColors.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTabWidget>

TEST(WindowPlacement, AWindowThatDoesNotFitIsMovedAndIfNeedBeShrunkIntoTheArea) {
    const QRect designed(228, 147, 738, 498);
    struct TCase {
        const char* Name;
        QRect Frame;
        QRect Area;
        QRect Expected;
    };
    const TCase cases[] = {
        {"fits: unchanged", designed, QRect(0, 0, 1920, 1080), designed},
        // 1280 x 1024 at a scale factor of 2, with a 24-pixel panel along the top.
        {"scale factor 2 on 1280 x 1024", designed, QRect(0, 24, 640, 488), QRect(0, 24, 640, 488)},
        {"too low and too far right", designed, QRect(0, 0, 800, 600), QRect(62, 102, 738, 498)},
        {"above and left of the area", QRect(-50, -10, 738, 498), QRect(0, 0, 1024, 768),
         QRect(0, 0, 738, 498)},
        {"a second screen on the right", QRect(1500, 147, 738, 498), QRect(1280, 0, 1024, 768),
         QRect(1500, 147, 738, 498)},
        {"past the second screen's right edge", QRect(1700, 147, 738, 498),
         QRect(1280, 0, 1024, 768), QRect(1566, 147, 738, 498)},
        {"no area known", designed, QRect(), designed},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Armalyx::WindowPlacement::FitIntoArea(c.Frame, c.Area), c.Expected);
    }
}

using TForm1Desktop = TForm1Fixture;

TEST_F(TForm1Desktop, TheShownWindowLiesInsideItsScreensAvailableArea) {
    ShowAndActivate();
    const QRect area = Form().screen()->availableGeometry();
    // The off-screen display is 800 x 600, smaller than the built-in place needs.
    ASSERT_FALSE(area.contains(QRect(228, 147, 738, 498)));
    // The window's position is that of its frame.
    const QRect frame(Form().pos(),
                      Form().size().grownBy(Armalyx::WindowPlacement::kDesignedFrameMargins));
    EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y();
    // Only moved, since the window fits in its built-in size.
    EXPECT_EQ(Form().size(), QSize(730, 471));
}

TEST_F(TForm1Desktop, TheTableDrawsADottedFocusFrameOnItsCurrentCellWhileFocused) {
    WriteVehicles(3);
    ShowAndActivate();
    ClickRow(2);
    TStringGrid& grid = *Driver().StringGrid1;
    const QRect cell = grid.visualRect(grid.currentIndex());
    const auto leftEdge = [&grid, &cell] {
        const QImage image = grid.viewport()->grab().toImage();
        std::vector<QRgb> pixels;
        for (int y = cell.top() + 2; y < cell.bottom() - 2; ++y) {
            pixels.push_back(image.pixel(cell.left(), y));
        }
        return pixels;
    };
    grid.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(grid.hasFocus());
    const std::vector<QRgb> focused = leftEdge();
    // Dots and gaps alternate along the edge.
    for (std::size_t i = 1; i < focused.size(); ++i) {
        EXPECT_NE(focused[i], focused[i - 1]) << i;
    }
    Driver().ComboBox1->setFocus(Qt::TabFocusReason);
    ASSERT_FALSE(grid.hasFocus());
    const std::vector<QRgb> unfocused = leftEdge();
    for (std::size_t i = 1; i < unfocused.size(); ++i) {
        EXPECT_EQ(unfocused[i], unfocused[0]) << i;
    }
}

TEST(ReadableTextColor, DarkTextOnADarkPanelIsLightenedKeepingItsHue) {
    const QPalette previous = QApplication::palette();
    QPalette dark = previous;
    dark.setColor(QPalette::Button, QColor(0x30, 0x32, 0x34));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    QApplication::setPalette(dark);
    const TColor blueOnDark = Armalyx::ReadableTextColor(clBlue, clBtnFace);
    const TColor blackOnDark = Armalyx::ReadableTextColor(clBlack, clBtnFace);
    const TColor yellowOnDark = Armalyx::ReadableTextColor(clYellow, clBtnFace);
    const TColor blueOnWhite = Armalyx::ReadableTextColor(clBlue, clWhite);
    QApplication::setPalette(previous);
    const TColor blueOnLight = Armalyx::ReadableTextColor(clBlue, clBtnFace);

    const QColor lightened = Armalyx::ToQColor(blueOnDark);
    EXPECT_EQ(lightened.hslHue(), QColor(Qt::blue).hslHue());
    EXPECT_GE(qGray(lightened.rgb()), 150);
    EXPECT_LT(qGray(lightened.rgb()), 160);
    EXPECT_EQ(blackOnDark, clWindowText);
    EXPECT_EQ(yellowOnDark, clYellow);
    EXPECT_EQ(blueOnWhite, clBlue);
    EXPECT_EQ(blueOnLight, clBlue);
}

TEST_F(TForm1Desktop, UnderADarkThemeTheChartTitleIsALighterBlue) {
    ShowAndActivate();
    // How many pixels above the plot are blue, and the brightest of them.
    const auto titleBlue = [this] {
        Driver().PageControl1->setCurrentIndex(1);
        const QImage chart = Driver().ChartImage();
        const TRect plot = Driver().Chart1->ChartRect();
        int blue = 0;
        int brightest = 0;
        for (int y = 3; y < plot.Top - 2; ++y) {
            for (int x = plot.Left; x < plot.Right; ++x) {
                const QColor pixel(chart.pixel(x, y));
                if (pixel.hslHue() == 240 && pixel.hslSaturation() > 100) {
                    ++blue;
                    brightest = std::max(brightest, qGray(pixel.rgb()));
                }
            }
        }
        return std::make_pair(blue, brightest);
    };
    EXPECT_GT(titleBlue().first, 20);

    const QPalette previous = QApplication::palette();
    QPalette dark = previous;
    dark.setColor(QPalette::Button, QColor(0x30, 0x32, 0x34));
    dark.setColor(QPalette::Window, QColor(0x20, 0x22, 0x24));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    QApplication::setPalette(dark);
    const auto [blue, brightest] = titleBlue();
    QApplication::setPalette(previous);
    EXPECT_GT(blue, 20);
    // Pure blue on the dark panel would stay below 60.
    EXPECT_GE(brightest, 120);
}
