// Export chart, Print and Export data on the "Graph" page with the sample data: the SVG and PDF
// hold the chart as vectors and text at the screen's layout, the PNG is the frame drawn at a
// device pixel ratio, the print path fills a page, and the CSV files read back as the window's
// numbers.
#include "TForm1Fixture.h"

#include "ChartExport.h"
#include "CsvReader.h"
#include "TComboBox.h"
#include "TExportOptionsDialog.h"
#include "TStringGrid.h"

#include "TCommandRun.h"
#include "TTempDirectory.h"
#include "TestFiles.h"

#include <Production1.h>
#include <TChart.h>
#include <TCustomSeries.h>

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QTabWidget>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>
#include <set>

using namespace Armalyx;

namespace {

namespace fs = std::filesystem;

// Columns (or rows) holding a run of at least kLongRun dark pixels: the axis lines, the wall's
// frame and the legend's box, but not the dotted grid, the curves or the text.
constexpr int kLongRun = 100;

bool IsDark(QRgb pixel) {
    return qGray(pixel) < 96;
}

std::set<int> LongLines(const QImage& image, Qt::Orientation orientation) {
    const bool vertical = orientation == Qt::Vertical;
    const int lines = vertical ? image.width() : image.height();
    const int length = vertical ? image.height() : image.width();
    std::set<int> found;
    for (int line = 0; line < lines; ++line) {
        int run = 0;
        for (int i = 0; i < length; ++i) {
            const QRgb pixel = vertical ? image.pixel(line, i) : image.pixel(i, line);
            run = IsDark(pixel) ? run + 1 : 0;
            if (run >= kLongRun) {
                found.insert(line);
                break;
            }
        }
    }
    return found;
}

// Whether every line of one set has a line of the other within a pixel.
bool WithinAPixel(const std::set<int>& some, const std::set<int>& others) {
    return std::all_of(some.begin(), some.end(), [&](int line) {
        return others.contains(line - 1) || others.contains(line) || others.contains(line + 1);
    });
}

// The long lines of a picture of the chart stand within a pixel of those of the screen's frame,
// both ways, in columns and in rows, where the screen has at least that many.
void ExpectTheScreensLongLines(const QImage& screen, const QImage& picture, std::size_t atLeast) {
    for (const auto orientation : {Qt::Vertical, Qt::Horizontal}) {
        SCOPED_TRACE(orientation == Qt::Vertical ? "columns" : "rows");
        const std::set<int> onScreen = LongLines(screen, orientation);
        const std::set<int> inPicture = LongLines(picture, orientation);
        EXPECT_GE(onScreen.size(), atLeast);
        EXPECT_TRUE(WithinAPixel(onScreen, inPicture));
        EXPECT_TRUE(WithinAPixel(inPicture, onScreen));
    }
}

struct TSvgContent {
    QString Width;
    QString Height;
    QString ViewBox;
    QStringList Texts;
    int Images = 0;
};

TSvgContent ReadSvg(const QByteArray& bytes) {
    TSvgContent content;
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (reader.name() == QLatin1String("svg")) {
            content.Width = reader.attributes().value(QLatin1String("width")).toString();
            content.Height = reader.attributes().value(QLatin1String("height")).toString();
            content.ViewBox = reader.attributes().value(QLatin1String("viewBox")).toString();
        } else if (reader.name() == QLatin1String("text")) {
            content.Texts.push_back(reader.readElementText().trimmed());
        } else if (reader.name() == QLatin1String("image")) {
            ++content.Images;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return content;
}

class TChartExportTest : public TForm1Fixture {
protected:
    void SetUp() override {
        TForm1Fixture::SetUp();
        PickSampleChart();
        Driver().PageControl1->setCurrentWidget(Driver().TabSheet2);
        QCoreApplication::processEvents();
    }

    TChart& Chart() { return *Driver().Chart1; }

    // The chart drawn as the screen draws it, at a device pixel ratio.
    QImage ScreenFrame(int ratio) {
        QImage frame(Chart().size() * ratio, QImage::Format_RGB32);
        frame.setDevicePixelRatio(ratio);
        frame.fill(Qt::white);
        Chart().Draw(&frame, TRect{0, 0, Chart().width(), Chart().height()});
        frame.setDevicePixelRatio(1);
        return frame;
    }

    fs::path Output(const char* name) const { return m_output.Path() / name; }

    // Writes a document into the output folder and gives its path for the poppler tools.
    fs::path Written(const char* name, const QByteArray& bytes) {
        const fs::path path = Output(name);
        EXPECT_TRUE(WriteFileBytes(path, bytes.toStdString()));
        return path;
    }

private:
    TTempDirectory m_output;
};

} // namespace

TEST_F(TChartExportTest, SvgHoldsTheChartAsTextAndOnePictureAtItsSize) {
    const struct {
        double widthCm;
        const char* width;
        const char* height;
    } cases[] = {
        {0, "178.065mm", "101.865mm"}, // 673 x 385 pixels at 96 dpi
        {12, "120mm", "68.6mm"},       // a chosen width, the proportions kept
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.width);
        const TSvgContent svg = ReadSvg(Armalyx::ChartExport::SvgDocument(Chart(), test.widthCm));
        EXPECT_EQ(svg.ViewBox, QStringLiteral("0 0 673 385"));
        EXPECT_EQ(svg.Width, QLatin1String(test.width));
        EXPECT_EQ(svg.Height, QLatin1String(test.height));
        EXPECT_EQ(svg.Images, 1) << "the background picture, once";
        for (const char* text :
             {"Total Available AFVs", "20,000", "10,000", "52", "T-34", "Total In service"}) {
            SCOPED_TRACE(text);
            EXPECT_TRUE(svg.Texts.contains(QLatin1String(text)))
                << svg.Texts.join('|').toStdString();
        }
        // The years below the months are one text, spaced out under their months.
        EXPECT_EQ(svg.Texts.filter(QStringLiteral("1942")).size(), 1);
    }
}

TEST_F(TChartExportTest, PdfHoldsSearchableTextEmbeddedFontsAndTheScreensLines) {
    const fs::path pdf = Written("chart.pdf", Armalyx::ChartExport::PdfDocument(Chart(), 0));
    const TCommandRun text = RunCommand("pdftotext " + Quoted(pdf) + " -");
    ASSERT_EQ(text.Status, 0) << text.Output;
    for (const char* label : {"Total Available AFVs", "20,000", "1943", "T-50"}) {
        EXPECT_NE(text.Output.find(label), std::string::npos) << label << "\n" << text.Output;
    }
    const TCommandRun fonts = RunCommand("pdffonts " + Quoted(pdf));
    ASSERT_EQ(fonts.Status, 0) << fonts.Output;
    // Below the two title lines, one line per font with "yes" in its "emb" column.
    std::istringstream lines(fonts.Output);
    std::string line;
    int fontLines = 0;
    for (int number = 0; std::getline(lines, line); ++number) {
        if (number >= 2 && !line.empty()) {
            ++fontLines;
            EXPECT_NE(line.find(" yes "), std::string::npos) << line;
        }
    }
    EXPECT_GE(fontLines, 1);
    const TCommandRun images = RunCommand("pdfimages -list " + Quoted(pdf));
    EXPECT_EQ(std::count(images.Output.begin(), images.Output.end(), '\n'), 3) << images.Output;
    EXPECT_NE(images.Output.find(" jpeg "), std::string::npos) << images.Output;

    const TCommandRun info = RunCommand("pdfinfo " + Quoted(pdf));
    EXPECT_NE(info.Output.find("Page size:       505 x 289 pts"), std::string::npos) << info.Output;
    const TCommandRun raster =
        RunCommand("pdftoppm -r 96 -png -singlefile " + Quoted(pdf) + " " + Quoted(Output("page")));
    ASSERT_EQ(raster.Status, 0) << raster.Output;
    const QImage page(QString::fromStdString(Output("page.png").string()));
    ASSERT_FALSE(page.isNull());
    const QImage screen = ScreenFrame(1);
    // The axis, the wall's frame and the legend's box.
    ExpectTheScreensLongLines(screen, page, 3);
}

TEST_F(TChartExportTest, PngIsTheFrameDrawnAtItsScaleWithItsResolutionStated) {
    // A vector export before leaves nothing behind in the surface.
    Armalyx::ChartExport::PdfDocument(Chart(), 0);
    const struct {
        int scale;
        double widthCm;
        int dotsPerMetre;
    } cases[] = {
        {3, 0, 11339},  // 288 dpi: the chart's 17.8 cm
        {1, 0, 3780},   // 96 dpi
        {2, 10, 13460}, // 1346 pixels over 10 cm
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.scale);
        const QByteArray bytes = Armalyx::ChartExport::Document(
            Chart(), Armalyx::ChartExport::TChartFormat::Png, {test.scale, test.widthCm});
        QImage png;
        ASSERT_TRUE(png.loadFromData(bytes, "PNG"));
        EXPECT_EQ(png.size(), QSize(673, 385) * test.scale);
        EXPECT_EQ(png.dotsPerMeterX(), test.dotsPerMetre);
        EXPECT_EQ(png.dotsPerMeterY(), test.dotsPerMetre);
        EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), ScreenFrame(test.scale));
    }
}

TEST_F(TChartExportTest, VectorExportsLeaveTheScreensFrameAsItWas) {
    const QImage before = Driver().ChartImage();
    Chart().repaint();
    const QImage shown = Chart().grab().toImage();
    Armalyx::ChartExport::SvgDocument(Chart(), 0);
    Armalyx::ChartExport::PdfDocument(Chart(), 15);
    EXPECT_EQ(Driver().ChartImage(), before);
    Chart().repaint();
    EXPECT_EQ(Chart().grab().toImage(), shown);
}

TEST_F(TChartExportTest, PrintingFillsALandscapePageWithTheChart) {
    const fs::path pdf = Output("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    Armalyx::ChartExport::Print(Chart(), printer);
    const TCommandRun info = RunCommand("pdfinfo " + Quoted(pdf));
    ASSERT_EQ(info.Status, 0) << info.Output;
    EXPECT_NE(info.Output.find("Page size:       842 x 595 pts (A4)"), std::string::npos)
        << info.Output;
    const TCommandRun text = RunCommand("pdftotext " + Quoted(pdf) + " -");
    EXPECT_NE(text.Output.find("Total Available AFVs"), std::string::npos) << text.Output;
    // Fitted: the chart (its grey panel on the white paper) fills the printable area's width or
    // its height, centred, with its proportions kept.
    const TCommandRun raster = RunCommand("pdftoppm -r 96 -png -singlefile " + Quoted(pdf) + " " +
                                          Quoted(Output("printed")));
    ASSERT_EQ(raster.Status, 0) << raster.Output;
    const QImage page(QString::fromStdString(Output("printed.png").string()));
    QRect chart;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if ((page.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                chart |= QRect(x, y, 1, 1);
            }
        }
    }
    const QRect printable = printer.pageLayout().paintRectPixels(96);
    EXPECT_TRUE(std::abs(chart.width() - printable.width()) <= 2 ||
                std::abs(chart.height() - printable.height()) <= 2)
        << chart.width() << " x " << chart.height();
    EXPECT_NEAR(double(chart.width()) / chart.height(), 673.0 / 385.0, 0.01);
    EXPECT_NEAR(chart.center().x(), printable.center().x(), 2);
    EXPECT_NEAR(chart.center().y(), printable.center().y(), 2);
}

TEST_F(TChartExportTest, ChartNumbersReadBackAsCopyDataWhateverTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const fs::path csv = Output("numbers.csv");
    Driver().ExportChartDataTo(QString::fromStdString(csv.string()));
    const QString copied = Driver().ChartDataText();
    QLocale::setDefault(previous);

    const auto rows = ReadCsv(QByteArray::fromStdString(ReadFileBytes(csv)));
    ASSERT_TRUE(rows.has_value());
    const QStringList copiedLines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rows->size(), static_cast<std::size_t>(copiedLines.size()));
    bool sawFraction = false;
    for (std::size_t r = 0; r < rows->size(); ++r) {
        const QStringList copiedCells = copiedLines[static_cast<qsizetype>(r)].split('\t');
        ASSERT_EQ((*rows)[r].size(), copiedCells.size()) << r;
        for (qsizetype c = 0; c < copiedCells.size(); ++c) {
            const QString cell = (*rows)[r][c];
            if (r == 0 || c == 0 || cell.isEmpty()) {
                EXPECT_EQ(cell, copiedCells[c]);
                continue;
            }
            bool csvNumber = false;
            bool copiedNumber = false;
            const double value = QLocale::c().toDouble(cell, &csvNumber);
            const double shown =
                QLocale(QLocale::German, QLocale::Germany).toDouble(copiedCells[c], &copiedNumber);
            EXPECT_TRUE(csvNumber && copiedNumber) << cell.toStdString();
            EXPECT_EQ(value, shown) << cell.toStdString();
            EXPECT_FALSE(cell.contains(',')) << "a point is the decimal mark";
            sawFraction = sawFraction || cell.contains('.');
        }
    }
    EXPECT_TRUE(sawFraction) << "the share columns have fractions";
}

TEST_F(TChartExportTest, VehicleTableReadsBackWithTheStoresProduction) {
    // The span March 1942 to February 1943.
    Driver().ComboBox1->PickItem(2);
    Driver().ComboBox3->PickItem(1);
    Driver().ComboBox2->PickItem(1);
    Driver().ComboBox4->PickItem(2);
    const fs::path csv = Output("table.csv");
    Driver().ExportTableTo(QString::fromStdString(csv.string()));
    const auto rows = ReadCsv(QByteArray::fromStdString(ReadFileBytes(csv)));
    ASSERT_TRUE(rows.has_value());
    const auto& store = Production1::Store();
    ASSERT_EQ(rows->size(), static_cast<std::size_t>(store.VehicleCount + 2));
    EXPECT_EQ(rows->front().back(), QStringLiteral("Span Mar 1942 to Feb 1943"));
    EXPECT_EQ(rows->back().front(), QStringLiteral("Lend Lease"));
    for (int slot = 1; slot <= store.VehicleCount; ++slot) {
        const QStringList& row = (*rows)[static_cast<std::size_t>(slot)];
        SCOPED_TRACE(row.front().toStdString());
        EXPECT_EQ(row.front(), Driver().StringGrid1->Cells(0, slot));
        EXPECT_EQ(row[6], Driver().StringGrid1->Cells(1, slot).trimmed());
        long long year1943 = 0;
        long long span = 0;
        for (int month = 1; month <= 60; ++month) {
            const long long value = std::max(0, store.VehicleProduction[slot][month]);
            year1943 += month >= 25 && month <= 36 ? value : 0;
            span += month >= 15 && month <= 26 ? value : 0;
        }
        EXPECT_EQ(row[3].toLongLong(), year1943);
        EXPECT_EQ(row[7].toLongLong(), span);
    }
}

TEST_F(TChartExportTest, ANameWithoutAKnownExtensionIsRefusedAndWritesNothing) {
    for (const char* name : {"chart.txt", "chart", "chart.svg.bak", "chart.jpeg"}) {
        SCOPED_TRACE(name);
        const fs::path target = Output(name);
        try {
            Driver().ExportChartTo(QString::fromStdString(target.string()), {});
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), "Could not write " + target.string() +
                                                     ": the name must end in .png, .svg or .pdf.");
        }
        EXPECT_FALSE(fs::exists(target));
    }
    for (const char* name : {"chart.PNG", "chart.Svg", "chart.pdf"}) {
        SCOPED_TRACE(name);
        Driver().ExportChartTo(QString::fromStdString(Output(name).string()), {});
        EXPECT_TRUE(fs::exists(Output(name)));
    }
}

TEST_F(TChartExportTest, CopyOnTheGraphPageAlsoOffersTheChartAsSvg) {
    QGuiApplication::clipboard()->clear();
    Driver().CopyToClipboard();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_TRUE(data->hasText());
    ASSERT_TRUE(data->hasFormat(QStringLiteral("image/svg+xml")));
    const TSvgContent svg = ReadSvg(data->data(QStringLiteral("image/svg+xml")));
    EXPECT_EQ(svg.ViewBox, QStringLiteral("0 0 673 385"));
    EXPECT_TRUE(svg.Texts.contains(QStringLiteral("Total Available AFVs")));
}

TEST(ExportOptionsDialog, OffersTheScaleForPngOnlyAndAWidthOnlyWhenChanged) {
    const struct {
        Armalyx::ChartExport::TChartFormat format;
        bool scaleOffered;
    } formats[] = {{Armalyx::ChartExport::TChartFormat::Png, true},
                   {Armalyx::ChartExport::TChartFormat::Svg, false},
                   {Armalyx::ChartExport::TChartFormat::Pdf, false}};
    const double chartWidthCm = 673 / 96.0 * 2.54;
    for (const auto& test : formats) {
        SCOPED_TRACE(static_cast<int>(test.format));
        TExportOptionsDialog dialog(test.format, chartWidthCm);
        EXPECT_EQ(dialog.ScaleBox->isEnabled(), test.scaleOffered);
        EXPECT_EQ(dialog.ExportSize().Scale, 3);
        EXPECT_EQ(dialog.ExportSize().WidthCm, 0) << "the chart's own size, exactly";
        dialog.ScaleBox->setValue(4);
        dialog.WidthBox->setValue(12.5);
        EXPECT_EQ(dialog.ExportSize().Scale, 4);
        EXPECT_EQ(dialog.ExportSize().WidthCm, 12.5);
    }
}

TEST_F(TChartExportTest, PrintPreviewDrawsTheChartOnOnePage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewWidget preview(&printer);
    int requests = 0;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                     [&](QPrinter* target) {
                         ++requests;
                         Armalyx::ChartExport::Print(Chart(), *target);
                     });
    preview.updatePreview();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(preview.pageCount(), 1);
    EXPECT_TRUE(Errors().empty());
}

namespace {

// What an SVG holds for one series: the group's id and title, its polylines and paths, and
// whether they are stroked with a dash pattern.
struct TSvgSeriesGroup {
    QString Id;
    QString Title;
    int Strokes = 0;
    bool Dashed = false;
};

std::vector<TSvgSeriesGroup> SeriesGroups(const QByteArray& bytes) {
    std::vector<TSvgSeriesGroup> groups;
    QXmlStreamReader reader(bytes);
    int seriesDepth = -1;
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            seriesDepth = --depth == seriesDepth ? -1 : seriesDepth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        ++depth;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString id = attributes.value(QLatin1String("id")).toString();
        if (reader.name() == QLatin1String("g") && id.startsWith(QLatin1String("series-"))) {
            EXPECT_EQ(seriesDepth, -1) << "series groups do not nest";
            seriesDepth = depth - 1;
            groups.push_back({id, {}, 0, false});
        } else if (seriesDepth >= 0 && reader.name() == QLatin1String("title")) {
            groups.back().Title = reader.readElementText();
            --depth;
        } else if (seriesDepth >= 0 && reader.name() == QLatin1String("g")) {
            groups.back().Dashed =
                groups.back().Dashed || attributes.hasAttribute(QLatin1String("stroke-dasharray"));
        } else if (seriesDepth >= 0 && (reader.name() == QLatin1String("polyline") ||
                                        reader.name() == QLatin1String("path"))) {
            ++groups.back().Strokes;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return groups;
}

// The document without its series groups: the chart as it is without its curves.
QByteArray WithoutSeriesGroups(QByteArray bytes) {
    const QByteArray open = QByteArrayLiteral("<g id=\"series-");
    for (qsizetype start = bytes.indexOf(open); start >= 0; start = bytes.indexOf(open)) {
        qsizetype at = start + 1;
        for (int depth = 1; depth > 0 && at > 0;) {
            const qsizetype nextOpen = bytes.indexOf("<g ", at);
            const qsizetype nextClose = bytes.indexOf("</g>", at);
            if (nextClose < 0) {
                ADD_FAILURE() << "a series group is not closed";
                return bytes;
            }
            depth += nextOpen >= 0 && nextOpen < nextClose ? 1 : -1;
            at = (nextOpen >= 0 && nextOpen < nextClose ? nextOpen : nextClose) + 3;
        }
        bytes.remove(start, at + 1 - start);
    }
    return bytes;
}

// The pixels the screen lets a curve draw on: the plot without the wall's frame and the row above
// the bottom axis.
QRect CurvePixels(const TChart& chart) {
    const TRect rect = chart.ChartRect();
    return QRect(QPoint(rect.Left + 1, rect.Top + 1), QPoint(rect.Right - 1, rect.Bottom - 2));
}

// The pieces of a curve that the screen shows, found by walking along it in small steps and
// looking where each step lands: how many times it enters the curves' pixels. A null point breaks
// the curve.
int PiecesShown(TChart& chart, const TChartSeries& series) {
    constexpr int kSteps = 400;
    const QRect shown = CurvePixels(chart);
    int pieces = 0;
    bool wasShown = false;
    for (std::int32_t i = 1; i < series.PointCount(); ++i) {
        if (series.IsNull(i - 1) || series.IsNull(i)) {
            wasShown = false;
            continue;
        }
        for (int step = 0; step <= kSteps; ++step) {
            const double t = static_cast<double>(step) / kSteps;
            const double x0 = series.XValueAt(i - 1);
            const double y0 = series.YValueAt(i - 1);
            const QPoint pixel(chart.BottomAxis().ValueToPixel(x0 + t * (series.XValueAt(i) - x0)),
                               chart.LeftAxis().ValueToPixel(y0 + t * (series.YValueAt(i) - y0)));
            const bool isShown = shown.contains(pixel);
            pieces += isShown && !wasShown ? 1 : 0;
            wasShown = isShown;
        }
    }
    return pieces;
}

struct TChartView {
    const char* Name;
    std::optional<TAxisRange> Bottom;
    std::optional<TAxisRange> Left;
};

TAxisRange FixedRange(double minimum, double maximum) {
    return {false, false, false, minimum, maximum};
}

const TChartView kViews[] = {
    {"the configured view", std::nullopt, std::nullopt},
    {"months 18 to 37, up to 10,000 vehicles", FixedRange(18, 37), FixedRange(0, 10000)},
    // The losses of 1944 rise above the plot and come back into it.
    {"months 18 to 37, up to 3,000 vehicles", FixedRange(18, 37), FixedRange(0, 3000)},
};

bool RsvgConvertMissing() {
    return RunCommand("command -v rsvg-convert").Status != 0;
}

} // namespace

// rsvg-convert (librsvg, as in GNOME and many drawing programs) draws the SVG export: the curves
// stay inside the plot where the screen clips them, and the axes and the wall's frame stand where
// the PNG export has them.
TEST_F(TChartExportTest, SvgInARealRendererClipsTheCurvesToThePlotAsThePngDoes) {
    if (RsvgConvertMissing()) {
        GTEST_SKIP() << "rsvg-convert (Debian librsvg2-bin) is not installed";
    }
    for (const TChartView& view : kViews) {
        SCOPED_TRACE(view.Name);
        if (view.Bottom) {
            Chart().BottomAxis().SetRange(*view.Bottom);
            Chart().LeftAxis().SetRange(*view.Left);
        }
        const QByteArray svg = Armalyx::ChartExport::SvgDocument(Chart(), 0);
        QImage png;
        ASSERT_TRUE(png.loadFromData(Armalyx::ChartExport::Document(
                                         Chart(), Armalyx::ChartExport::TChartFormat::Png, {1, 0}),
                                     "PNG"));
        const QRect plot = CurvePixels(Chart());
        const auto render = [&](const char* name, const QByteArray& bytes) {
            const fs::path file = Written(name, bytes);
            const fs::path picture = Output("rendered.png");
            const TCommandRun run = RunCommand("rsvg-convert -f png -w 673 -h 385 -o " +
                                               Quoted(picture) + " " + Quoted(file));
            EXPECT_EQ(run.Status, 0) << run.Output;
            return QImage(QString::fromStdString(picture.string()))
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage drawn = render("chart.svg", svg);
        const QImage bare = render("bare.svg", WithoutSeriesGroups(svg));
        ASSERT_EQ(drawn.size(), png.size());
        ASSERT_EQ(bare.size(), png.size());
        int curvePixelsOutside = 0;
        int curvePixelsInside = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixel(x, y) != bare.pixel(x, y)) {
                    ++(plot.contains(x, y) ? curvePixelsInside : curvePixelsOutside);
                }
            }
        }
        EXPECT_EQ(curvePixelsOutside, 0);
        EXPECT_GT(curvePixelsInside, 500) << "the curves are drawn";
        // The axis and the wall's frame; zoomed in, the last month's dotted grid line can lie on
        // the frame's right edge.
        ExpectTheScreensLongLines(png.convertToFormat(QImage::Format_RGB32), drawn, 2);
    }
}

// Each curve is one group named after its series, holding one stroke for every piece of the curve
// inside the plot; the dotted curve keeps its dots.
TEST_F(TChartExportTest, SvgHoldsEachCurveAsOneStrokePerPieceInAGroupNamedAfterItsSeries) {
    for (const TChartView& view : kViews) {
        SCOPED_TRACE(view.Name);
        if (view.Bottom) {
            Chart().BottomAxis().SetRange(*view.Bottom);
            Chart().LeftAxis().SetRange(*view.Left);
        }
        const std::vector<TSvgSeriesGroup> groups =
            SeriesGroups(Armalyx::ChartExport::SvgDocument(Chart(), 0));
        std::set<QString> ids;
        int position = 0;
        int dashedCurves = 0;
        for (const auto& series : Chart().SeriesList()) {
            ++position;
            SCOPED_TRACE(series->Title().toStdString());
            const int runs = series->Active() ? PiecesShown(Chart(), *series) : 0;
            const QString id = QStringLiteral("series-%1").arg(position);
            const auto group = std::find_if(groups.begin(), groups.end(),
                                            [&](const TSvgSeriesGroup& g) { return g.Id == id; });
            if (runs == 0) {
                EXPECT_EQ(group, groups.end()) << "no curve in view, no group";
                continue;
            }
            ASSERT_NE(group, groups.end());
            EXPECT_EQ(group->Title, series->Title());
            EXPECT_EQ(group->Strokes, runs);
            const auto* line = dynamic_cast<const TCustomSeries*>(series.get());
            ASSERT_NE(line, nullptr);
            EXPECT_EQ(group->Dashed, line->LinePen().Style() == TPenStyle::psDot);
            dashedCurves += group->Dashed ? 1 : 0;
            EXPECT_TRUE(ids.insert(group->Id).second);
        }
        EXPECT_EQ(ids.size(), groups.size());
        EXPECT_EQ(dashedCurves, 1) << "the dotted production curve";
    }
}
