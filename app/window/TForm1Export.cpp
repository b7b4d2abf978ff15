// Getting the figures out of the window for publication: the chart as PNG, SVG or PDF, on paper,
// and the numbers as CSV files. Files are written only when the user chose them, and through
// TSaveTarget, so a failed export leaves an existing file as it was.

#include "TForm1.h"

#include "ChartExport.h"
#include "CsvText.h"
#include "TExportOptionsDialog.h"
#include "TSaveTarget.h"
#include "VehicleNameText.h"
#include "VehicleTableText.h"

#include <Production1.h>
#include <TChart.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <stdexcept>

namespace {

const QString kPngFilter = QStringLiteral("PNG picture (*.png)");
const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");
const QString kPdfFilter = QStringLiteral("PDF document (*.pdf)");
const QString kChartDataFilter = QStringLiteral("Chart numbers, CSV (*.csv)");
const QString kTableFilter = QStringLiteral("Vehicle table, CSV (*.csv)");

// The extension of the chosen filter, added when the typed name has none of its own.
QString WithSuffix(const QString& fileName, const QString& filter) {
    if (!QFileInfo(fileName).suffix().isEmpty()) {
        return fileName;
    }
    const qsizetype star = filter.lastIndexOf(QStringLiteral("*."));
    return fileName + filter.mid(star + 1).chopped(1);
}

std::vector<std::int32_t> MonthlyValues(const Production1::MonthSeries& series) {
    std::vector<std::int32_t> values;
    for (int month = Production1::kFirstMonth; month <= Production1::kLastMonth; ++month) {
        values.push_back(series[month]);
    }
    return values;
}

} // namespace

void TForm1::ExportChart() {
    QString filter = kPngFilter;
    const QString fileName = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export chart"), QString(),
        QStringList{kPngFilter, kSvgFilter, kPdfFilter}.join(QStringLiteral(";;")), &filter);
    if (fileName.isEmpty()) {
        return;
    }
    const QString target = WithSuffix(fileName, filter);
    const auto format = Armalyx::ChartExport::FormatOfFileName(target);
    if (!format) {
        ExportChartTo(target, {}); // names the formats it knows
        return;
    }
    const auto size = TExportOptionsDialog::Ask(
        *format, Armalyx::ChartExport::PrintedSizeCm(*Chart1, 0).width(), this);
    if (size) {
        ExportChartTo(target, *size);
    }
}

void TForm1::ExportChartTo(const QString& fileName, const Armalyx::ChartExport::TExportSize& size) {
    const auto format = Armalyx::ChartExport::FormatOfFileName(fileName);
    if (!format) {
        throw std::runtime_error(
            TSaveTarget::FailureText(fileName, QStringLiteral("the name must end in .png, .svg "
                                                              "or .pdf"))
                .toStdString());
    }
    const QByteArray bytes = Armalyx::ChartExport::Document(*Chart1, *format, size);
    if (bytes.isEmpty()) {
        throw std::runtime_error(
            TSaveTarget::FailureText(fileName, QStringLiteral("the chart could not be drawn"))
                .toStdString());
    }
    TSaveTarget::Write(fileName, bytes);
}

void TForm1::ExportData() {
    QString filter = kChartDataFilter;
    const QString fileName = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export data"), QString(),
        QStringList{kChartDataFilter, kTableFilter}.join(QStringLiteral(";;")), &filter);
    if (fileName.isEmpty()) {
        return;
    }
    const QString target = WithSuffix(fileName, filter);
    if (filter == kTableFilter) {
        ExportTableTo(target);
    } else {
        ExportChartDataTo(target);
    }
}

// A spreadsheet reads the numbers with a point as the decimal mark, whatever the desktop's locale.
void TForm1::ExportChartDataTo(const QString& fileName) const {
    TSaveTarget::Write(fileName, Armalyx::CsvText::Document(ChartDataRows(QLocale::c())));
}

void TForm1::ExportTableTo(const QString& fileName) const {
    TSaveTarget::Write(fileName, Armalyx::CsvText::Document(VehicleTableRows()));
}

std::vector<QStringList> TForm1::VehicleTableRows() const {
    using namespace Armalyx::VehicleTableText;
    const auto& store = Production1::Store();
    std::vector<TProductionRow> rows;
    const int vehicleCount = std::clamp(store.VehicleCount, 0, Production1::MaxVehicles);
    for (int slot = 1; slot <= vehicleCount; ++slot) {
        rows.push_back({Armalyx::VehicleNameText(store.VehicleNames[slot]),
                        MonthlyValues(store.VehicleProduction[slot]), TMonthsCounted::Positive});
    }
    rows.push_back(
        {QStringLiteral("Lend Lease"), MonthlyValues(store.LendLease), TMonthsCounted::Every});
    // The span the selectors show, counted as the span figures count it.
    return Rows(rows, Production1::MonthOfChoice(store.StartMonthChoice, store.StartYearChoice),
                Production1::MonthOfChoice(store.EndMonthChoice, store.EndYearChoice));
}

void TForm1::PrintChart() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Armalyx chart"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Print chart"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { Armalyx::ChartExport::Print(*Chart1, *target); });
    preview.exec();
}
