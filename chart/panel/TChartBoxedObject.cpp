#include "TChartBoxedObject.h"

TChartBoxedObject::TChartBoxedObject(TCustomChart& chart, TColor fontColor, TColor boxColor,
                                     const TChartPen& frame)
    : TChartFontObject(chart, fontColor), m_color(boxColor), m_frame(frame) {
    m_brush.SetOnChange([this] { RequestRepaint(); });
    m_frame.SetOnChange([this] { RequestRepaint(); });
}
