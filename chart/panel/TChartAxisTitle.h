#pragma once
// The caption of an axis with its font and angle.

#include "TChartFont.h"

#include <QString>

class TCustomChartAxis;

class TChartAxisTitle final {
public:
    TChartAxisTitle(TCustomChartAxis& axis, int angle);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    int Angle() const { return m_angle; }
    void SetAngle(int angle);
    TChartFont& Font() { return m_font; }
    const TChartFont& Font() const { return m_font; }
    void SetFont(const TChartFont& font);
    TCustomChartAxis& Axis() const { return m_axis; }

private:
    TCustomChartAxis& m_axis;
    QString m_caption;
    int m_angle;
    TChartFont m_font;
};
