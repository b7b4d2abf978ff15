#pragma once
// Measuring label and title texts of several lines (lines are separated by carriage returns).

#include <QString>
#include <QStringList>

class TChartCanvas;

namespace Armalyx::AxisText {
QStringList Lines(const QString& text);
// The widest line's width in the surface's current font.
int Width(TChartCanvas& canvas, const QString& text);
} // namespace Armalyx::AxisText
