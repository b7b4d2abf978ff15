#include "TExportOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

#include <array>
#include <cmath>

namespace {
constexpr double kSmallestWidthCm = 2;
constexpr double kLargestWidthCm = 200;
constexpr double kLargestHeightCm = 200;
// The box shows tenths of a millimetre at most; a width the user did not change keeps the
// chart's exact size.
constexpr double kUnchangedWidthTolerance = 0.005;

using Armalyx::ChartExport::TChartLayout;

struct TWidthPreset {
    const char* Text;
    double WidthCm;
};
// The column widths journals ask figures for; the last entry leaves the width to the box.
constexpr std::array<TWidthPreset, 4> kPresets = {{
    {"Single column (8.5 cm)", 8.5},
    {"One and a half columns (12 cm)", 12},
    {"Double column (17.8 cm)", 17.8},
    {"Custom width", 0},
}};
constexpr int kCustomPreset = static_cast<int>(kPresets.size()) - 1;

int PresetOf(double widthCm) {
    for (int i = 0; i < kCustomPreset; ++i) {
        if (std::abs(kPresets.at(static_cast<std::size_t>(i)).WidthCm - widthCm) <
            kUnchangedWidthTolerance) {
            return i;
        }
    }
    return kCustomPreset;
}
} // namespace

TExportOptionsDialog::TExportOptionsDialog(Armalyx::ChartExport::TChartFormat format,
                                           double chartWidthCm, QWidget* parent,
                                           const Armalyx::ChartExport::TExportSize& last)
    : QDialog(parent), m_chartWidthCm(chartWidthCm) {
    setWindowTitle(QStringLiteral("Export chart"));
    auto* layout = new QFormLayout(this);
    LayoutBox = new QComboBox(this);
    LayoutBox->addItems({QStringLiteral("As on screen"), QStringLiteral("For print")});
    LayoutBox->setToolTip(QStringLiteral("For print: dated months, a percentage axis for the "
                                         "shares and text in points at the printed size"));
    layout->addRow(QStringLiteral("&Layout:"), LayoutBox);
    PresetBox = new QComboBox(this);
    for (const TWidthPreset& preset : kPresets) {
        PresetBox->addItem(QString::fromLatin1(preset.Text));
    }
    layout->addRow(QStringLiteral("&Column:"), PresetBox);
    WidthBox = new QDoubleSpinBox(this);
    WidthBox->setRange(kSmallestWidthCm, kLargestWidthCm);
    WidthBox->setDecimals(2);
    WidthBox->setSuffix(QStringLiteral(" cm"));
    WidthBox->setValue(chartWidthCm);
    WidthBox->setToolTip(QStringLiteral("The printed width; the height keeps the proportions"));
    layout->addRow(QStringLiteral("&Width:"), WidthBox);
    CreatePrintBoxes(last);
    ScaleBox = new QSpinBox(this);
    ScaleBox->setRange(Armalyx::ChartExport::kSmallestScale, Armalyx::ChartExport::kLargestScale);
    ScaleBox->setValue(last.Scale);
    ScaleBox->setSuffix(QStringLiteral("x"));
    ScaleBox->setToolTip(QStringLiteral("Pixels of the picture per pixel on the screen"));
    ScaleBox->setEnabled(format == Armalyx::ChartExport::TChartFormat::Png);
    layout->insertRow(1, QStringLiteral("&Scale (PNG):"), ScaleBox);
    layout->addRow(QString(), GreyscaleBox);
    layout->addRow(QString(), PictureBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
    LayoutBox->setCurrentIndex(last.Layout == TChartLayout::Print ? 1 : 0);
    if (last.Layout == TChartLayout::Print && last.WidthCm > 0) {
        WidthBox->setValue(last.WidthCm);
    }
    PresetBox->setCurrentIndex(PresetOf(WidthBox->value()));
    connect(PresetBox, &QComboBox::currentIndexChanged, this, &TExportOptionsDialog::ShowPreset);
    connect(WidthBox, &QDoubleSpinBox::valueChanged, this,
            [this](double width) { PresetBox->setCurrentIndex(PresetOf(width)); });
    connect(LayoutBox, &QComboBox::currentIndexChanged, this, &TExportOptionsDialog::ShowLayout);
    ShowLayout();
}

void TExportOptionsDialog::CreatePrintBoxes(const Armalyx::ChartExport::TExportSize& last) {
    HeightBox = new QDoubleSpinBox(this);
    HeightBox->setRange(0, kLargestHeightCm);
    HeightBox->setDecimals(2);
    HeightBox->setSuffix(QStringLiteral(" cm"));
    HeightBox->setSpecialValueText(QStringLiteral("By the chart's proportions"));
    HeightBox->setValue(last.HeightCm);
    static_cast<QFormLayout*>(layout())->addRow(QStringLiteral("&Height (print):"), HeightBox);
    GreyscaleBox = new QCheckBox(QStringLiteral("&Greyscale (print)"), this);
    GreyscaleBox->setToolTip(QStringLiteral("Every curve in a grey with its own dash pattern"));
    GreyscaleBox->setChecked(last.Greyscale);
    PictureBox = new QCheckBox(QStringLiteral("Background &picture (print)"), this);
    PictureBox->setToolTip(QStringLiteral("The year bands behind the plot, drawn at 300 pixels per "
                                          "printed inch"));
    PictureBox->setChecked(last.Picture);
}

void TExportOptionsDialog::ShowPreset() {
    const double width = kPresets.at(static_cast<std::size_t>(PresetBox->currentIndex())).WidthCm;
    if (width > 0) {
        WidthBox->setValue(width);
    }
}

void TExportOptionsDialog::ShowLayout() {
    HeightBox->setEnabled(ForPrint());
    GreyscaleBox->setEnabled(ForPrint());
    PictureBox->setEnabled(ForPrint());
}

bool TExportOptionsDialog::ForPrint() const {
    return LayoutBox->currentIndex() == 1;
}

Armalyx::ChartExport::TExportSize TExportOptionsDialog::ExportSize() const {
    Armalyx::ChartExport::TExportSize size;
    size.Scale = ScaleBox->value();
    if (ForPrint()) {
        size.Layout = TChartLayout::Print;
        size.WidthCm = WidthBox->value();
        size.HeightCm = HeightBox->value();
        size.Greyscale = GreyscaleBox->isChecked();
        size.Picture = PictureBox->isChecked();
        return size;
    }
    const bool changed = std::abs(WidthBox->value() - m_chartWidthCm) > kUnchangedWidthTolerance;
    size.WidthCm = changed ? WidthBox->value() : 0;
    return size;
}

std::optional<Armalyx::ChartExport::TExportSize>
TExportOptionsDialog::Ask(Armalyx::ChartExport::TChartFormat format, double chartWidthCm,
                          QWidget* parent, const Armalyx::ChartExport::TExportSize& last) {
    TExportOptionsDialog dialog(format, chartWidthCm, parent, last);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.ExportSize();
}
