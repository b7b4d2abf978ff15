#pragma once
// The small dialog after the file is chosen in Export chart: the scale of a PNG picture (1x to
// 4x) and the printed width in centimetres, which scales everything alike.

#include "ChartExport.h"

#include <QDialog>

#include <optional>

class QDoubleSpinBox;
class QSpinBox;

class TExportOptionsDialog final : public QDialog {
    Q_OBJECT

public:
    // The width box starts at the chart's own printed width (its size at 96 dpi).
    TExportOptionsDialog(Armalyx::ChartExport::TChartFormat format, double chartWidthCm,
                         QWidget* parent = nullptr);

    Armalyx::ChartExport::TExportSize ExportSize() const;

    // Shows the dialog; nothing when the user cancels.
    static std::optional<Armalyx::ChartExport::TExportSize>
    Ask(Armalyx::ChartExport::TChartFormat format, double chartWidthCm, QWidget* parent);

    QSpinBox* ScaleBox = nullptr;
    QDoubleSpinBox* WidthBox = nullptr;

private:
    double m_chartWidthCm;
};
