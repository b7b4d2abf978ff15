#include "TCustomChartPanelExtended.h"

#include "TChartCanvas.h"

TCustomChartPanelExtended::TCustomChartPanelExtended(QWidget* parent) : TCustomChartPanel(parent) {
    // A picture loaded or cleared after a frame was drawn shows at the next paint.
    m_backImage.SetOnChange([this] { Invalidate(); });
}

TCustomChartPanelExtended::~TCustomChartPanelExtended() = default;

void TCustomChartPanelExtended::DrawPictureInRect(const TRect& rect) {
    TChartGraphic* picture = m_backImage.Graphic();
    if (picture == nullptr) {
        return;
    }
    TChartCanvas& canvas = Canvas();
    if (m_backImageMode == pbmStretch) {
        canvas.StretchPicture(rect, *picture);
        return;
    }
    const int pictureWidth = picture->Width();
    const int pictureHeight = picture->Height();
    if (pictureWidth < 1 || pictureHeight < 1) {
        return;
    }
    canvas.ClipToRect(rect);
    if (m_backImageMode == pbmTile) {
        for (int y = rect.Top; y < rect.Bottom; y += pictureHeight) {
            for (int x = rect.Left; x < rect.Right; x += pictureWidth) {
                canvas.DrawPicture(x, y, *picture);
            }
        }
    } else {
        canvas.FillRectangle(rect);
        canvas.DrawPicture(rect.Left + (rect.Width() - pictureWidth) / 2,
                           rect.Top + (rect.Height() - pictureHeight) / 2, *picture);
    }
    canvas.RemoveClip();
}
