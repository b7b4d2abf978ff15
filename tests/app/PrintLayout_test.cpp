// The chart laid out for print: month labels as dates, the share axis's steps, and the figure a
// journal takes as PDF readers and rasterisers see it: its page size, dated labels, titles and
// percentage axis, no word under 7 points at a journal's column widths, the legend without empty
// pairs, and greyscale without a coloured pixel.
#include "TForm1Fixture.h"

#include "ChartExport.h"
#include "PrintLayout.h"
#include "TCommandRun.h"
#include "TTempDirectory.h"

#include <QImage>
#include <QRegularExpression>

#include <cmath>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Armalyx::TCommandRun;
using Armalyx::ChartExport::TChartLayout;
using Armalyx::ChartExport::TExportSize;

constexpr double kPointsPerCm = 72 / 2.54;
// A word's box in the PDF is 1.118 times its font size high (Liberation Sans, Arial's metrics):
// below this a word is set under 7 points.
constexpr double kSmallestWordBox = 7 * 1.11;

struct TWord {
    QString Text;
    double Width = 0;
    double Height = 0;
};

std::vector<TWord> Words(const fs::path& pdf) {
    const TCommandRun run = Armalyx::RunCommand("pdftotext -bbox " + Armalyx::Quoted(pdf) + " -");
    EXPECT_EQ(run.Status, 0) << run.Output;
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<TWord> words;
    auto matches = word.globalMatch(QString::fromStdString(run.Output));
    while (matches.hasNext()) {
        const auto match = matches.next();
        QString text = match.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back({text, match.captured(3).toDouble() - match.captured(1).toDouble(),
                         match.captured(4).toDouble() - match.captured(2).toDouble()});
    }
    return words;
}

QStringList Texts(const std::vector<TWord>& words) {
    QStringList texts;
    for (const TWord& word : words) {
        texts.push_back(word.Text);
    }
    return texts;
}

class TPrintLayout : public TForm1Fixture {
protected:
    fs::path Export(const char* name, const TExportSize& size) {
        const fs::path file = m_output.Path() / name;
        Driver().ExportChartTo(QString::fromStdString(file.string()), size);
        return file;
    }

    static TExportSize ForPrint(double widthCm, bool greyscale = false) {
        TExportSize size;
        size.Layout = TChartLayout::Print;
        size.WidthCm = widthCm;
        size.Greyscale = greyscale;
        return size;
    }

private:
    Armalyx::TTempDirectory m_output{"armalyx-print"};
};

} // namespace

TEST(PrintLayoutLabels, MonthsReadAsDatesAndYearsWhereMonthsWouldCrowd) {
    const struct {
        double Month;
        double Step;
        const char* Text;
    } cases[] = {
        {1, 6, "Jan 1941"}, {7, 6, "Jul 1941"}, {13, 6, "Jan 1942"}, {60, 6, "Dec 1945"},
        {13, 12, "1942"},   {25, 24, "1943"},   {0, 6, ""},          {61, 6, ""},
        {13.5, 6, ""},      {-1e300, 6, ""},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(Armalyx::PrintLayout::MonthLabel(test.Month, test.Step),
                  QString::fromLatin1(test.Text))
            << test.Month << " / " << test.Step;
    }
}

TEST(PrintLayoutLabels, TheShareAxisEndsAtALabelStepAboveTheLargestShare) {
    const struct {
        double Largest;
        double Step;
        double Top;
    } cases[] = {
        {57, 20, 60}, {9.9, 2, 10},    {100, 20, 100}, {41, 10, 50},
        {0, 0.2, 1},  {0.3, 0.2, 0.4}, {250, 20, 100},
    };
    for (const auto& test : cases) {
        EXPECT_DOUBLE_EQ(Armalyx::PrintLayout::ShareAxisStep(test.Largest), test.Step)
            << test.Largest;
        EXPECT_DOUBLE_EQ(Armalyx::PrintLayout::ShareAxisTop(test.Largest), test.Top)
            << test.Largest;
    }
    EXPECT_TRUE(
        std::isfinite(Armalyx::PrintLayout::ShareAxisTop(std::numeric_limits<double>::infinity())));
}

TEST_F(TPrintLayout, APdfAtAColumnWidthHasDatedMonthsAPercentAxisAndNoTinyText) {
    PickSampleChart();
    const struct {
        double WidthCm;
        const char* MonthWord;
    } widths[] = {{8.5, "1942"}, {12, "1943"}, {17.8, "Jul"}};
    for (const auto& test : widths) {
        SCOPED_TRACE(test.WidthCm);
        const fs::path pdf = Export("figure.pdf", ForPrint(test.WidthCm));
        const TCommandRun info = Armalyx::RunCommand("pdfinfo " + Armalyx::Quoted(pdf));
        static const QRegularExpression pageSize(
            QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"));
        const auto size = pageSize.match(QString::fromStdString(info.Output));
        ASSERT_TRUE(size.hasMatch()) << info.Output;
        EXPECT_NEAR(size.captured(1).toDouble(), test.WidthCm * kPointsPerCm, 1);
        EXPECT_NEAR(size.captured(2).toDouble(), test.WidthCm * 0.7 * kPointsPerCm, 1);
        const std::vector<TWord> words = Words(pdf);
        const QStringList texts = Texts(words);
        for (const char* expected :
             {"Month", "Vehicles", "service", "Share", "fleet", "(%)", "T-34", test.MonthWord}) {
            EXPECT_TRUE(texts.contains(QLatin1String(expected)))
                << expected << ": " << texts.join(' ').toStdString();
        }
        // No month numbers below the axis, nor the spaced year caption of the screen.
        EXPECT_FALSE(texts.contains(QStringLiteral("52")));
        // The background picture, once, at 300 pixels per printed inch or more.
        const TCommandRun images = Armalyx::RunCommand("pdfimages -list " + Armalyx::Quoted(pdf));
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        static const QRegularExpression imageLine(
            QStringLiteral(R"(^\s*1\s+\d+\s+image(?:\s+\S+){9}\s+(\d+)\s+(\d+))"),
            QRegularExpression::MultilineOption);
        const auto image = imageLine.match(QString::fromStdString(images.Output));
        ASSERT_TRUE(image.hasMatch()) << images.Output;
        EXPECT_EQ(QString::fromStdString(images.Output).count(QStringLiteral(" image ")), 1);
        EXPECT_GE(image.captured(1).toInt(), 300) << images.Output;
        EXPECT_GE(image.captured(2).toInt(), 300) << images.Output;
        for (const TWord& word : words) {
            if (word.Text.size() >= 3) {
                EXPECT_GE(std::min(word.Width, word.Height), kSmallestWordBox)
                    << word.Text.toStdString();
            }
        }
    }
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TPrintLayout, WithoutThePictureThePdfHoldsNoImage) {
    PickSampleChart();
    TExportSize size = ForPrint(12);
    size.Picture = false;
    const fs::path pdf = Export("bare.pdf", size);
    const TCommandRun images = Armalyx::RunCommand("pdfimages -list " + Armalyx::Quoted(pdf));
    EXPECT_EQ(QString::fromStdString(images.Output).count(QStringLiteral(" image ")), 0)
        << images.Output;
    EXPECT_TRUE(Errors().empty());
}

TEST(PrintLayoutLabels, ThePictureIsDrawnLargeEnoughForItsPartInView) {
    const struct {
        double PlotInches;
        double Months;
        int Scale;
    } cases[] = {
        {3, 47, 3}, // 1260 pixels over 3 inches: 420 per inch
        {7, 47, 5}, // 2100 over 7: 300
        {7, 12, 8}, // a year in view would need 20, held at the largest
        {0, 47, 1}, {3, 0, 1}, {std::numeric_limits<double>::infinity(), 47, 1},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(Armalyx::PrintLayout::PictureScale(test.PlotInches, test.Months, 47), test.Scale)
            << test.PlotInches << " / " << test.Months;
    }
}

TEST_F(TPrintLayout, TheLegendLeavesOutPairsWithNothingPicked) {
    CopySampleData();
    ShowAndActivate();
    const QStringList texts = Texts(Words(Export("empty.pdf", ForPrint(12))));
    EXPECT_FALSE(texts.contains(QStringLiteral("Tanks"))) << texts.join(' ').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("n/a")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Losses")));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TPrintLayout, GreyscaleHasNoColouredPixelInAnyFormat) {
    PickSampleChart();
    const QImage png(QString::fromStdString(Export("grey.png", ForPrint(8.5, true)).string()));
    ASSERT_FALSE(png.isNull());
    const fs::path pdf = Export("grey.pdf", ForPrint(8.5, true));
    const fs::path raster = pdf.parent_path() / "grey-page";
    const TCommandRun run = Armalyx::RunCommand(
        "pdftoppm -r 150 -png -singlefile " + Armalyx::Quoted(pdf) + " " + Armalyx::Quoted(raster));
    ASSERT_EQ(run.Status, 0) << run.Output;
    const QImage page(QString::fromStdString(raster.string() + ".png"));
    ASSERT_FALSE(page.isNull());
    for (const QImage* image : {&png, &page}) {
        int coloured = 0;
        for (int y = 0; y < image->height(); ++y) {
            for (int x = 0; x < image->width(); ++x) {
                const QColor pixel = image->pixelColor(x, y);
                // Anti-aliasing of the PDF rasteriser stays grey for grey ink on white.
                coloured += (std::abs(pixel.red() - pixel.green()) > 2 ||
                             std::abs(pixel.green() - pixel.blue()) > 2)
                                ? 1
                                : 0;
            }
        }
        EXPECT_EQ(coloured, 0);
    }
    // The same figure in colour has its curves' colours.
    const QImage colour(QString::fromStdString(Export("colour.png", ForPrint(8.5)).string()));
    EXPECT_NE(colour.convertToFormat(QImage::Format_Grayscale8).convertToFormat(colour.format()),
              colour);
    EXPECT_TRUE(Errors().empty());
}

namespace {

// The column and the row with the most dark pixels: a vertical axis line and the bottom one.
std::pair<int, int> AxisLines(const QImage& image) {
    std::vector<int> columns(static_cast<std::size_t>(image.width()));
    std::vector<int> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 96) {
                ++columns[static_cast<std::size_t>(x)];
                ++rows[static_cast<std::size_t>(y)];
            }
        }
    }
    const auto column = std::max_element(columns.begin(), columns.end()) - columns.begin();
    const auto row = std::max_element(rows.begin(), rows.end()) - rows.begin();
    return {static_cast<int>(column), static_cast<int>(row)};
}

} // namespace

TEST_F(TPrintLayout, SvgAndPdfAsTheirReadersDrawThemPutTheAxesWhereThePngHasThem) {
    PickSampleChart();
    TExportSize size = ForPrint(12);
    size.Scale = 1;
    const QImage png(QString::fromStdString(Export("axes.png", size).string()));
    ASSERT_FALSE(png.isNull());
    const std::string width = std::to_string(png.width());
    const std::string height = std::to_string(png.height());
    const fs::path svg = Export("axes.svg", size);
    const fs::path pdf = Export("axes.pdf", size);
    const fs::path fromSvg = svg.parent_path() / "from-svg.png";
    const fs::path fromPdf = pdf.parent_path() / "from-pdf";
    for (const std::string& command :
         {"rsvg-convert -b white -w " + width + " -h " + height + " -o " +
              Armalyx::Quoted(fromSvg) + " " + Armalyx::Quoted(svg),
          "pdftoppm -png -singlefile -scale-to-x " + width + " -scale-to-y " + height + " " +
              Armalyx::Quoted(pdf) + " " + Armalyx::Quoted(fromPdf)}) {
        const TCommandRun run = Armalyx::RunCommand(command);
        ASSERT_EQ(run.Status, 0) << command << "\n" << run.Output;
    }
    const auto expected = AxisLines(png);
    // An axis line inside the figure (the left or the right one), and the bottom one.
    EXPECT_GT(expected.first, 10);
    EXPECT_LT(expected.first, png.width() - 10);
    EXPECT_GT(expected.second, png.height() / 2);
    for (const fs::path& file : {fromSvg, fs::path(fromPdf.string() + ".png")}) {
        SCOPED_TRACE(file.string());
        const QImage drawn(QString::fromStdString(file.string()));
        ASSERT_EQ(drawn.size(), png.size());
        const auto lines = AxisLines(drawn);
        EXPECT_NEAR(lines.first, expected.first, 1);
        EXPECT_NEAR(lines.second, expected.second, 1);
    }
    EXPECT_TRUE(Errors().empty());
}
