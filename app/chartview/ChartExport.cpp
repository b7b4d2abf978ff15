#include "ChartExport.h"

#include "TSaveTarget.h"

#include <SvgSeriesGroups.h>
#include <TChart.h>

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Armalyx::ChartExport {

namespace {

constexpr double kInchesPerMetre = 100 / kCentimetresPerInch;
// An SVG with a chosen width is sized in tenths of a millimetre (254 dpi), so its width and height
// attributes are exact to a tenth of a millimetre.
constexpr int kSizedSvgDotsPerInch = 254;
constexpr int kPdfDotsPerInch = 1200;

QSize ChartSize(const TChart& chart) {
    return {std::max(1, chart.width()), std::max(1, chart.height())};
}

const QString kDocumentTitle = QStringLiteral("Armalyx chart");

} // namespace

std::optional<TChartFormat> FormatOfFileName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return TChartFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return TChartFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return TChartFormat::Pdf;
    }
    return std::nullopt;
}

QSizeF PrintedSizeCm(const TChart& chart, double widthCm) {
    const QSize pixels = ChartSize(chart);
    const double width =
        widthCm > 0 ? widthCm : pixels.width() / kChartDotsPerInch * kCentimetresPerInch;
    return {width, width * pixels.height() / pixels.width()};
}

QImage PngImage(TChart& chart, const TExportSize& size) {
    const int scale = std::clamp(size.Scale, kSmallestScale, kLargestScale);
    const QSize pixels = ChartSize(chart);
    QImage image(pixels * scale, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    chart.Draw(&image, TRect{0, 0, pixels.width(), pixels.height()});
    const double widthInches = PrintedSizeCm(chart, size.WidthCm).width() / kCentimetresPerInch;
    const int dotsPerMetre = qRound(image.width() / widthInches * kInchesPerMetre);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    // The file states its resolution; the picture itself has no ratio for others to apply.
    image.setDevicePixelRatio(1);
    return image;
}

QByteArray SvgDocument(TChart& chart, double widthCm) {
    const QSize pixels = ChartSize(chart);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(kDocumentTitle);
    // Drawing units are chart pixels; the width and height attributes give the printed size.
    generator.setViewBox(QRect(QPoint(0, 0), pixels));
    if (widthCm > 0) {
        const QSizeF cm = PrintedSizeCm(chart, widthCm);
        const double dotsPerCm = kSizedSvgDotsPerInch / kCentimetresPerInch;
        generator.setResolution(kSizedSvgDotsPerInch);
        generator.setSize(QSize(qRound(cm.width() * dotsPerCm), qRound(cm.height() * dotsPerCm)));
    } else {
        generator.setResolution(static_cast<int>(kChartDotsPerInch));
        generator.setSize(pixels);
    }
    chart.DrawVectors(&generator, QTransform());
    // The generator writes the document when its painter ends, within DrawVectors.
    return Armalyx::SvgSeriesGroups::GroupSeries(bytes);
}

QByteArray PdfDocument(TChart& chart, double widthCm) {
    const QSizeF cm = PrintedSizeCm(chart, widthCm);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(kDocumentTitle);
        writer.setCreator(QStringLiteral("Armalyx"));
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(
            QPageLayout(QPageSize(cm * kMillimetresPerCentimetre, QPageSize::Millimeter, QString(),
                                  QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        const double scale =
            cm.width() / kCentimetresPerInch * kPdfDotsPerInch / ChartSize(chart).width();
        chart.DrawVectors(&writer, QTransform::fromScale(scale, scale));
    }
    return bytes;
}

QByteArray Document(TChart& chart, TChartFormat format, const TExportSize& size) {
    switch (format) {
    case TChartFormat::Svg:
        return SvgDocument(chart, size.WidthCm);
    case TChartFormat::Pdf:
        return PdfDocument(chart, size.WidthCm);
    case TChartFormat::Png:
        break;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PngImage(chart, size).save(&buffer, "PNG");
    return bytes;
}

void Print(TChart& chart, QPrinter& printer) {
    const QSize pixels = ChartSize(chart);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / pixels.width(), page.height() / pixels.height());
    QTransform transform;
    transform.translate((page.width() - pixels.width() * scale) / 2,
                        (page.height() - pixels.height() * scale) / 2);
    transform.scale(scale, scale);
    chart.DrawVectors(&printer, transform);
}

void WriteFile(TChart& chart, const QString& fileName, const TExportSize& size) {
    const auto format = FormatOfFileName(fileName);
    if (!format) {
        throw std::runtime_error(
            TSaveTarget::FailureText(fileName, QStringLiteral("the name must end in .png, .svg "
                                                              "or .pdf"))
                .toStdString());
    }
    const QByteArray bytes = Document(chart, *format, size);
    if (bytes.isEmpty()) {
        throw std::runtime_error(
            TSaveTarget::FailureText(fileName, QStringLiteral("the chart could not be drawn"))
                .toStdString());
    }
    TSaveTarget::Write(fileName, bytes);
}

QImage ScreenImage(TChart& chart) {
    const qreal ratio = chart.devicePixelRatio();
    QImage image(qRound(chart.width() * ratio), qRound(chart.height() * ratio),
                 QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    chart.Draw(&image, TRect{0, 0, chart.width(), chart.height()});
    return image;
}

} // namespace Armalyx::ChartExport
