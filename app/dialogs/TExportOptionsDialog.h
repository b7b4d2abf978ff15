#pragma once
// The small dialog after the file is chosen in Export chart: the layout ("As on screen", or "For
// print", laid out at the printed size with its text in points), the scale of a PNG picture (1x to
// 4x), the printed width in centimetres (a journal's column widths offered), which scales an
// on-screen chart alike, and for print the height and greyscale.

#include "ChartExport.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

class TExportOptionsDialog final : public QDialog {
    Q_OBJECT

public:
    // The width box starts at the chart's own printed width (its size at 96 dpi); the layout,
    // the scale, and for print the width, height and greyscale start as last chosen.
    TExportOptionsDialog(Armalyx::ChartExport::TChartFormat format, double chartWidthCm,
                         QWidget* parent = nullptr,
                         const Armalyx::ChartExport::TExportSize& last = {});

    Armalyx::ChartExport::TExportSize ExportSize() const;

    // Shows the dialog; nothing when the user cancels.
    static std::optional<Armalyx::ChartExport::TExportSize>
    Ask(Armalyx::ChartExport::TChartFormat format, double chartWidthCm, QWidget* parent,
        const Armalyx::ChartExport::TExportSize& last = {});

    QComboBox* LayoutBox = nullptr;
    QComboBox* PresetBox = nullptr;
    QSpinBox* ScaleBox = nullptr;
    QDoubleSpinBox* WidthBox = nullptr;
    QDoubleSpinBox* HeightBox = nullptr;
    QCheckBox* GreyscaleBox = nullptr;
    QCheckBox* PictureBox = nullptr;

private:
    void CreatePrintBoxes(const Armalyx::ChartExport::TExportSize& last);
    void ShowPreset();
    void ShowLayout();
    bool ForPrint() const;

    double m_chartWidthCm;
};
