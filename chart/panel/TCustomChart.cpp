#include "TCustomChart.h"

#include "BackImagePart.h"
#include "TChartCanvas.h"

namespace {
constexpr TColor kLeftWallColor = 0x0080FFFF;
} // namespace

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent), m_title(std::make_unique<TChartTitle>(*this)),
      m_foot(std::make_unique<TChartTitle>(*this)),
      m_backWall(std::make_unique<TChartWall>(*this, clUseSeriesColor)),
      m_leftWall(std::make_unique<TChartWall>(*this, kLeftWallColor)),
      m_legend(std::make_unique<TChartLegend>(*this)),
      m_bottomWall(std::make_unique<TChartWall>(*this, clWhite)) {
    m_backWall->Brush().SetStyle(TBrushStyle::bsClear);
}

TCustomChart::~TCustomChart() = default;

void TCustomChart::DrawBackImage(const TRect& bounds) {
    if (!m_backImageInside) {
        DrawPictureInRect(bounds);
    }
}

namespace {
// The surface brush and background for the back wall.
void PrepareWallBrush(TChartCanvas& canvas, const TChartWall& wall) {
    const TChartBrush& brush = wall.Brush();
    const bool solid = brush.Style() == TBrushStyle::bsSolid;
    if (wall.Color() == clUseSeriesColor && solid) {
        canvas.Brush() = TChartBrush(clWhite, TBrushStyle::bsClear);
    } else {
        TColor color = wall.Color();
        if (!solid && color == brush.Color()) {
            color = brush.Color() == clBlack ? clWhite : clBlack;
        }
        canvas.Brush() = TChartBrush(color, brush.Style());
    }
    if (solid) {
        canvas.SetBackMode(TBackMode::bmTransparent);
    } else {
        canvas.SetBackMode(TBackMode::bmOpaque);
        canvas.SetBackColor(brush.Color());
    }
}
} // namespace

void TCustomChart::DrawWalls() {
    TChartCanvas& canvas = Canvas();
    canvas.ApplyChartPen(m_backWall->Pen());
    PrepareWallBrush(canvas, *m_backWall);
    const TRect& rect = ChartRect();
    canvas.DrawRectangle(rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1);
    if (m_backImageInside) {
        TRect inside = rect;
        if (m_backWall->Pen().Visible()) {
            inside.Top += 1;
            inside.Bottom -= 1;
        }
        DrawInsidePicture(inside);
    }
}

void TCustomChart::DrawInsidePicture(const TRect& rect) {
    TChartGraphic* picture = BackImage().Graphic();
    if (!m_backImageAxisSpan || picture == nullptr || BackImageMode() != pbmStretch) {
        DrawPictureInRect(rect);
        return;
    }
    const auto part = Armalyx::BackImagePart::Place(BottomAxis().Scale(), rect,
                                                    *m_backImageAxisSpan, picture->Width());
    if (!part) {
        return;
    }
    if (part->Whole) {
        DrawPictureInRect(rect);
    } else {
        Canvas().StretchPicturePart(part->Target, *picture, part->SourceLeft, part->SourceRight);
    }
}

void TCustomChart::DrawTitlesAndLegend() {
    const bool withLegend = m_legend->Visible() && ActiveSeriesCount() > 0;
    // A vertical legend goes first, so the titles centre over what remains beside it.
    if (withLegend && m_legend->IsVertical()) {
        m_legend->DrawLegend();
    }
    if (m_title->Visible()) {
        m_title->DrawTitle(true);
    }
    if (m_foot->Visible()) {
        m_foot->DrawTitle(false);
    }
    if (withLegend && !m_legend->IsVertical()) {
        m_legend->DrawLegend();
    }
}
