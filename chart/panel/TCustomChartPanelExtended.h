#pragma once
// Adds the background picture mode and the mouse zoom and panning switches to the panel.

#include "TChartPicture.h"
#include "TCustomChartPanel.h"

enum class TBackImageMode { pbmStretch, pbmTile, pbmCenter };
enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
using enum TBackImageMode;
using enum TPanningMode;

class TCustomChartPanelExtended : public TCustomChartPanel {
    Q_OBJECT

public:
    explicit TCustomChartPanelExtended(QWidget* parent = nullptr);
    ~TCustomChartPanelExtended() override;

    // The background picture, loaded by the program from its stored block.
    TChartPicture& BackImage() { return m_backImage; }
    TBackImageMode BackImageMode() const { return m_backImageMode; }
    void SetBackImageMode(TBackImageMode mode) { Set(m_backImageMode, mode); }
    bool AllowZoom() const { return m_allowZoom; }
    void SetAllowZoom(bool allow) { Set(m_allowZoom, allow); }
    TPanningMode AllowPanning() const { return m_allowPanning; }
    void SetAllowPanning(TPanningMode mode) { Set(m_allowPanning, mode); }

protected:
    // The background picture over the whole panel.
    void DrawBackImage(const TRect& bounds) override { DrawPictureInRect(bounds); }
    // Draws the background picture into the rectangle by BackImageMode; nothing when empty.
    void DrawPictureInRect(const TRect& rect);

private:
    TChartPicture m_backImage;
    TBackImageMode m_backImageMode = pbmStretch;
    bool m_allowZoom = true;
    TPanningMode m_allowPanning = pmBoth;
};
