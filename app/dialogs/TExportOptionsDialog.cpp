#include "TExportOptionsDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

#include <cmath>

namespace {
constexpr double kSmallestWidthCm = 2;
constexpr double kLargestWidthCm = 200;
// The box shows tenths of a millimetre at most; a width the user did not change keeps the
// chart's exact size.
constexpr double kUnchangedWidthTolerance = 0.005;
} // namespace

TExportOptionsDialog::TExportOptionsDialog(Armalyx::ChartExport::TChartFormat format,
                                           double chartWidthCm, QWidget* parent)
    : QDialog(parent), m_chartWidthCm(chartWidthCm) {
    setWindowTitle(QStringLiteral("Export chart"));
    auto* layout = new QFormLayout(this);
    ScaleBox = new QSpinBox(this);
    ScaleBox->setRange(Armalyx::ChartExport::kSmallestScale, Armalyx::ChartExport::kLargestScale);
    ScaleBox->setValue(Armalyx::ChartExport::kDefaultScale);
    ScaleBox->setSuffix(QStringLiteral("x"));
    ScaleBox->setToolTip(QStringLiteral("Pixels of the picture per pixel on the screen"));
    ScaleBox->setEnabled(format == Armalyx::ChartExport::TChartFormat::Png);
    layout->addRow(QStringLiteral("&Scale (PNG):"), ScaleBox);
    WidthBox = new QDoubleSpinBox(this);
    WidthBox->setRange(kSmallestWidthCm, kLargestWidthCm);
    WidthBox->setDecimals(2);
    WidthBox->setSuffix(QStringLiteral(" cm"));
    WidthBox->setValue(chartWidthCm);
    WidthBox->setToolTip(QStringLiteral("The printed width; the height keeps the proportions"));
    layout->addRow(QStringLiteral("&Width:"), WidthBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

Armalyx::ChartExport::TExportSize TExportOptionsDialog::ExportSize() const {
    Armalyx::ChartExport::TExportSize size;
    size.Scale = ScaleBox->value();
    const bool changed = std::abs(WidthBox->value() - m_chartWidthCm) > kUnchangedWidthTolerance;
    size.WidthCm = changed ? WidthBox->value() : 0;
    return size;
}

std::optional<Armalyx::ChartExport::TExportSize>
TExportOptionsDialog::Ask(Armalyx::ChartExport::TChartFormat format, double chartWidthCm,
                          QWidget* parent) {
    TExportOptionsDialog dialog(format, chartWidthCm, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.ExportSize();
}
