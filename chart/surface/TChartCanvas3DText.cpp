#include "TChartCanvas3D.h"

#include "TCanvasStateGuard.h"
#include "TPainterTransformGuard.h"

#include <QFontMetrics>
#include <QPainter>

// The surface's text output: measuring, placing by the alignment flags, rotated text.

namespace {
// Angles above a full turn count from zero again (450 is 90).
int NormalisedAngle(int angle) {
    return angle > 360 ? angle - 360 : angle;
}
} // namespace

int TChartCanvas3D::MeasureTextWidth(const QString& text) {
    return m_textLayouts.Layout(Font(), text).Width;
}

int TChartCanvas3D::MeasureTextHeight(const QString& text) {
    return m_textLayouts.Layout(Font(), text).Height;
}

// Text is placed by the alignment flags: the horizontal flag picks the left end, centre or right
// end of the text, the vertical flag its top, baseline or bottom.
void TChartCanvas3D::WriteText(int x, int y, const QString& text) {
    QPainter* painter = Painter();
    if (painter == nullptr || text.isEmpty()) {
        return;
    }
    const TTextLayout& layout = m_textLayouts.Layout(Font(), text);
    int left = x;
    switch (m_textAlign & kTextAlignHorizontalMask) {
    case kTextAlignRight:
        left = x - layout.Width;
        break;
    case kTextAlignCenter:
        left = x - layout.Width / 2;
        break;
    default:
        break;
    }
    int baseline = y + layout.Ascent;
    switch (m_textAlign & kTextAlignVerticalMask) {
    case kTextAlignBaseline:
        baseline = y;
        break;
    case kTextAlignBottom:
        baseline = y - layout.Descent;
        break;
    default:
        break;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (m_backMode == TBackMode::bmOpaque) {
        painter->fillRect(QRect(left, baseline - layout.Ascent, layout.Width, layout.Height),
                          Armalyx::ToQColor(m_backColor));
    }
    SelectFont(*painter, layout.Font);
    painter->setPen(Armalyx::ToQColor(Font().Color()));
    painter->setBackgroundMode(Qt::TransparentMode);
    if (m_rasterPath == TRasterPath::rpDirect && !m_vector &&
        painter->transform().type() == QTransform::TxNone) {
        painter->drawStaticText(QPoint(left, baseline - layout.Ascent), layout.Prepared);
    } else {
        painter->drawText(QPoint(left, baseline), text);
    }
}

void TChartCanvas3D::SelectFont(QPainter& painter, const QFont& font) {
    if (m_painterFontKnown && m_painterFont == font) {
        return;
    }
    painter.setFont(font);
    m_painterFont = font;
    m_painterFontKnown = true;
}

// The text is turned counter-clockwise about (x, y), which stays the point picked by the
// alignment flags. Its background is left as it is.
void TChartCanvas3D::WriteRotatedText(int x, int y, int angle, const QString& text) {
    Brush().SetStyle(TBrushStyle::bsClear);
    QPainter* painter = Painter();
    if (painter == nullptr) {
        return;
    }
    const Armalyx::TCanvasStateGuard state(*this);
    m_backMode = TBackMode::bmTransparent;
    const Armalyx::TPainterTransformGuard transform(*painter);
    painter->translate(x, y);
    painter->rotate(-NormalisedAngle(angle));
    WriteText(0, 0, text);
}
