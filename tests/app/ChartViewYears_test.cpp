// The years of the chart under views other than the configured one: the background picture's
// year bands stand over their months and the year captions under them, on the screen and in the
// exported PNG, the SVG as a real renderer draws it and the PDF as a real reader rasterises it.
#include "TForm1Fixture.h"

#include "ChartExport.h"

#include "TCommandRun.h"
#include "TTempDirectory.h"
#include "TestFiles.h"

#include <TChart.h>

#include <QCoreApplication>
#include <QImage>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

using namespace Armalyx;

namespace {

namespace fs = std::filesystem;

// Where the picture's year bands meet, in months, and the months the picture spans.
constexpr int kBandEdges[] = {12, 24, 36, 48};
constexpr double kPictureFirst = 6;
constexpr double kPictureLast = 53;
// The picture's band edges blur over a few of its columns: how far from an edge, in the
// picture's columns, its bands show their own colours.
constexpr double kEdgeBlurColumns = 2.5;
constexpr int kPictureColumns = 420;

bool IsPale(QRgb pixel) {
    return qRed(pixel) > 190 && qGreen(pixel) > 190 && qBlue(pixel) > 190;
}

int ColourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Whether the picture shows two different bands left and right of the column: true in most of
// the plot's rows that are clear of curves, grid dots and the big year digits.
bool BandsMeetAt(const QImage& image, int column, int beside, int top, int bottom) {
    int clear = 0;
    int meeting = 0;
    for (int y = top; y < bottom; ++y) {
        const QRgb left = image.pixel(column - beside, y);
        const QRgb right = image.pixel(column + beside, y);
        if (!IsPale(left) || !IsPale(right)) {
            continue;
        }
        ++clear;
        meeting += ColourDistance(left, right) > 20 ? 1 : 0;
    }
    return clear > 20 && meeting * 10 > clear * 8;
}

// Whether the column shows the wall rather than any of the picture's tinted bands: in nearly
// every row it is neutral (the edges of smoothed curves may tint a few).
bool ShowsNoPicture(const QImage& image, int column, int top, int bottom) {
    int tinted = 0;
    for (int y = top; y < bottom; ++y) {
        const QRgb pixel = image.pixel(column, y);
        const int chroma = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) -
                           std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
        tinted += IsPale(pixel) && chroma > 12 ? 1 : 0;
    }
    return tinted * 10 < bottom - top;
}

// The middles of the runs of dark columns in the rows top..bottom: one run a caption.
std::vector<int> TextRunMiddles(const QImage& image, int top, int bottom, int left, int right) {
    std::vector<int> middles;
    std::optional<int> start;
    int last = 0;
    for (int x = left; x < right; ++x) {
        bool dark = false;
        for (int y = top; y < bottom && !dark; ++y) {
            dark = qGray(image.pixel(x, y)) < 128;
        }
        if (!dark) {
            continue;
        }
        if (start && x - last > 5) {
            middles.push_back((*start + last) / 2);
            start.reset();
        }
        if (!start) {
            start = x;
        }
        last = x;
    }
    if (start) {
        middles.push_back((*start + last) / 2);
    }
    return middles;
}

struct TView {
    const char* Name;
    std::function<void(TForm1Driver&)> Show;
};

const TView kViews[] = {
    {"Fit to data", [](TForm1Driver& form) { form.FitToData(); }},
    {"months 18 to 37",
     [](TForm1Driver& form) {
         form.Chart1->BottomAxis().ShowFixedRange(18, 37);
         form.Chart1->LeftAxis().ShowFixedRange(0, 10000);
     }},
    {"months 30 to 70, counts up from 5,000",
     [](TForm1Driver& form) {
         form.Chart1->BottomAxis().ShowFixedRange(30, 70);
         form.Chart1->LeftAxis().ShowFixedRange(5000, 40000);
     }},
};

class TChartViewYearsTest : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        PickSampleChart();
        Driver().PageControl1->setCurrentWidget(Driver().TabSheet2);
        QCoreApplication::processEvents();
    }

    TChart& Chart() { return *Driver().Chart1; }

    // The chart as the screen draws it (Copy's picture), which also lays out its axes for the
    // checks.
    QImage ScreenFrame() { return Driver().ChartImage().convertToFormat(QImage::Format_RGB32); }

    // The chart exported in a format and turned back into pixels by the program a reader uses.
    std::optional<QImage> Rendered(ChartExport::TChartFormat format) {
        const QByteArray bytes = ChartExport::Document(Chart(), format, {1, 0});
        if (format == ChartExport::TChartFormat::Png) {
            QImage png;
            png.loadFromData(bytes, "PNG");
            return png.convertToFormat(QImage::Format_RGB32);
        }
        const bool svg = format == ChartExport::TChartFormat::Svg;
        const fs::path document = m_output.Path() / (svg ? "chart.svg" : "chart.pdf");
        const fs::path raster = m_output.Path() / "chart.png";
        EXPECT_TRUE(WriteFileBytes(document, bytes.toStdString()));
        const std::string command =
            svg ? "rsvg-convert -f png -b white -o " + Quoted(raster) + " " + Quoted(document)
                : "pdftoppm -r 96 -png -singlefile " + Quoted(document) + " " +
                      Quoted(m_output.Path() / "chart");
        const TCommandRun run = RunCommand(command);
        if (run.Status != 0) {
            ADD_FAILURE() << command << "\n" << run.Output;
            return std::nullopt;
        }
        return QImage(QString::fromStdString(raster.string()))
            .convertToFormat(QImage::Format_RGB32);
    }

    // The picture's band edges at the pixels of their months, and nothing of it beside the
    // months it spans.
    void ExpectBandsAtTheirMonths(const QImage& image) {
        const TChartAxis& bottom = Chart().BottomAxis();
        const TRect& plot = Chart().ChartRect();
        const int top = plot.Top + 2;
        const int below = plot.Bottom - 2;
        const double columnWidth =
            (bottom.ValueToPixel(kPictureLast) - bottom.ValueToPixel(kPictureFirst)) /
            static_cast<double>(kPictureColumns);
        const int beside = std::max(3, static_cast<int>(std::ceil(kEdgeBlurColumns * columnWidth)));
        for (const int month : kBandEdges) {
            if (month <= bottom.WorkMinimum() || month >= bottom.WorkMaximum()) {
                continue;
            }
            SCOPED_TRACE(month);
            const int edge = bottom.ValueToPixel(month);
            EXPECT_TRUE(BandsMeetAt(image, edge, beside, top, below)) << "column " << edge;
            // Halfway to the next month the picture shows one band on both sides.
            const int inside = bottom.ValueToPixel(month + 0.5);
            if (inside - edge > 3 * beside) {
                EXPECT_FALSE(BandsMeetAt(image, inside, beside, top, below)) << "column " << inside;
            }
        }
        for (const double month : {kPictureFirst - 1, kPictureLast + 1}) {
            const int column = bottom.ValueToPixel(month);
            if (column > plot.Left + 1 && column < plot.Right - 1) {
                SCOPED_TRACE(month);
                EXPECT_TRUE(ShowsNoPicture(image, column, top, below));
            }
        }
    }

    // One caption under each year with months in view, its middle among that year's months.
    void ExpectYearCaptionsInTheirYears(const QImage& image) {
        const TChartAxis& bottom = Chart().BottomAxis();
        const int top = bottom.TitlePos();
        const std::vector<int> middles =
            TextRunMiddles(image, top, std::min(top + 14, image.height()),
                           Chart().ChartRect().Left - 20, Chart().ChartRect().Right + 20);
        std::vector<std::pair<int, int>> years;
        for (int first = 0; first < 60; first += 12) {
            const double from = std::max<double>(first, bottom.WorkMinimum());
            const double to = std::min<double>(first + 12, bottom.WorkMaximum());
            if (to > from) {
                years.emplace_back(bottom.ValueToPixel(from), bottom.ValueToPixel(to));
            }
        }
        ASSERT_EQ(middles.size(), years.size());
        for (std::size_t i = 0; i < years.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_GE(middles[i], years[i].first);
            EXPECT_LE(middles[i], years[i].second);
        }
    }

private:
    TTempDirectory m_output;
};

} // namespace

TEST_F(TChartViewYearsTest, YearsStandAtTheirMonthsUnderEveryViewAndInEveryFormat) {
    const struct {
        ChartExport::TChartFormat Format;
        const char* Name;
    } formats[] = {
        {ChartExport::TChartFormat::Png, "PNG"},
        {ChartExport::TChartFormat::Svg, "SVG through rsvg-convert"},
        {ChartExport::TChartFormat::Pdf, "PDF through pdftoppm"},
    };
    for (const TView& view : kViews) {
        SCOPED_TRACE(view.Name);
        view.Show(Driver());
        const QImage screen = ScreenFrame();
        ExpectBandsAtTheirMonths(screen);
        ExpectYearCaptionsInTheirYears(screen);
        for (const auto& format : formats) {
            SCOPED_TRACE(format.Name);
            const std::optional<QImage> image = Rendered(format.Format);
            ASSERT_TRUE(image);
            // Renderers round the printed size up to whole pixels.
            ASSERT_LE(std::abs(image->width() - screen.width()), 1);
            ASSERT_LE(std::abs(image->height() - screen.height()), 1);
            ExpectBandsAtTheirMonths(*image);
            ExpectYearCaptionsInTheirYears(*image);
        }
        Driver().ResetView();
    }
}

TEST_F(TChartViewYearsTest, TheConfiguredViewKeepsItsSpacedCaptionAndWholePicture) {
    const QImage before = ScreenFrame();
    Driver().FitToData();
    ScreenFrame();
    Driver().ResetView();
    EXPECT_EQ(ScreenFrame(), before);
    EXPECT_FALSE(Chart().BottomAxis().Title().ShowsBands(6, 53));
    EXPECT_TRUE(Chart().BottomAxis().Title().ShowsBands(1, 53));
}
