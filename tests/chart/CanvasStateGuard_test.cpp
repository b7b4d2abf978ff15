#include "TCanvasPixelFixture.h"
#include "TCanvasStateGuard.h"
#include "TChartCanvas3D.h"
#include "TPainterTransformGuard.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <functional>
#include <ostream>
#include <stdexcept>

namespace {

// The pieces of the surface's state that the guard keeps.
struct TCanvasState {
    TColor PenColor;
    int PenWidth;
    TPenStyle PenStyle;
    TPenMode PenMode;
    bool PenVisible;
    TColor BrushColor;
    TBrushStyle BrushStyle;
    TBackMode BackMode;
    TColor BackColor;

    bool operator==(const TCanvasState&) const = default;
};

void PrintTo(const TCanvasState& s, std::ostream* out) {
    *out << "pen " << std::hex << s.PenColor << std::dec << " w" << s.PenWidth << " style "
         << static_cast<int>(s.PenStyle) << " mode " << static_cast<int>(s.PenMode)
         << (s.PenVisible ? " shown" : " hidden") << ", brush " << std::hex << s.BrushColor
         << std::dec << " style " << static_cast<int>(s.BrushStyle) << ", back "
         << (s.BackMode == TBackMode::bmOpaque ? "opaque " : "transparent ") << std::hex
         << s.BackColor << std::dec;
}

TCanvasState StateOf(const TChartCanvas& canvas) {
    return {canvas.Pen().Color(),   canvas.Pen().Width(),   canvas.Pen().Style(),
            canvas.Pen().Mode(),    canvas.Pen().Visible(), canvas.Brush().Color(),
            canvas.Brush().Style(), canvas.GetBackMode(),   canvas.GetBackColor()};
}

void SetKnownState(TChartCanvas& canvas) {
    canvas.Pen() = TChartPen(clBlue, 1, TPenStyle::psSolid, true);
    canvas.Brush() = TChartBrush(clYellow, TBrushStyle::bsClear);
    canvas.SetBackMode(TBackMode::bmOpaque);
    canvas.SetBackColor(clGreen);
}

enum class TScopeExit { Normal, Exception };

// Runs the change inside a guarded scope left the given way; answers the state seen inside.
TCanvasState ChangeInGuardedScope(TChartCanvas& canvas,
                                  const std::function<void(TChartCanvas&)>& change,
                                  TScopeExit exit) {
    TCanvasState inside{};
    try {
        const Armalyx::TCanvasStateGuard guard(canvas);
        change(canvas);
        inside = StateOf(canvas);
        if (exit == TScopeExit::Exception) {
            throw std::runtime_error("drawing failed");
        }
    } catch (const std::runtime_error&) {
    }
    return inside;
}

} // namespace

TEST(CanvasStateGuard, RestoresEachPieceOfStateHoweverTheScopeEnds) {
    struct TCase {
        const char* Name;
        std::function<void(TChartCanvas&)> Change;
    };
    const TCase cases[] = {
        {"pen colour", [](TChartCanvas& c) { c.Pen().SetColor(clRed); }},
        {"pen width", [](TChartCanvas& c) { c.Pen().SetWidth(4); }},
        {"pen style", [](TChartCanvas& c) { c.Pen().SetStyle(TPenStyle::psDot); }},
        {"pen mode", [](TChartCanvas& c) { c.Pen().SetMode(TPenMode::pmXor); }},
        {"pen hidden", [](TChartCanvas& c) { c.Pen().SetVisible(false); }},
        {"brush colour", [](TChartCanvas& c) { c.Brush().SetColor(clRed); }},
        {"brush style", [](TChartCanvas& c) { c.Brush().SetStyle(TBrushStyle::bsSolid); }},
        {"background mode", [](TChartCanvas& c) { c.SetBackMode(TBackMode::bmTransparent); }},
        {"background colour", [](TChartCanvas& c) { c.SetBackColor(clRed); }},
        {"pen replaced",
         [](TChartCanvas& c) { c.Pen() = TChartPen(clRed, 3, TPenStyle::psDash, true); }},
    };
    for (const TScopeExit exit : {TScopeExit::Normal, TScopeExit::Exception}) {
        for (const TCase& c : cases) {
            SCOPED_TRACE(std::string(c.Name) +
                         (exit == TScopeExit::Normal ? ", normal end" : ", exception"));
            TChartCanvas3D canvas;
            SetKnownState(canvas);
            const TCanvasState before = StateOf(canvas);
            const TCanvasState inside = ChangeInGuardedScope(canvas, c.Change, exit);
            EXPECT_NE(inside, before) << "the case changes nothing, so it proves nothing";
            EXPECT_EQ(StateOf(canvas), before);
        }
    }
}

TEST(CanvasStateGuard, PainterTransformIsBackAfterAScopeLeftByAnException) {
    QImage image(20, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.translate(3, 4);
    const QTransform before = painter.worldTransform();
    try {
        const Armalyx::TPainterTransformGuard guard(painter);
        painter.rotate(90);
        painter.scale(2, 2);
        throw std::runtime_error("drawing failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(painter.worldTransform(), before);
}

using SurfaceStateKept = TCanvasPixelFixture;

// The surface's own operations borrow the pen or the background for a moment: the state the
// chart set before them is the state after them.
TEST_F(SurfaceStateKept, OperationsThatBorrowTheStateLeaveItAsTheyFoundIt) {
    struct TCase {
        const char* Name;
        std::function<void(TChartCanvas3D&)> Draw;
    };
    const TCase cases[] = {
        {"bevel frame",
         [](TChartCanvas3D& c) {
             c.DrawFrame3D(TRect{2, 2, 20, 20}, clRed, clGreen, 2);
         }},
        {"wide outline",
         [](TChartCanvas3D& c) {
             c.Pen().SetWidth(3);
             c.DrawRectangle(5, 5, 25, 20);
             c.Pen().SetWidth(1);
         }},
        {"rotated text", [](TChartCanvas3D& c) { c.WriteRotatedText(20, 20, 90, "Tons"); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset(40, 30);
        SetKnownState(Canvas());
        const TCanvasState before = StateOf(Canvas());
        c.Draw(Canvas());
        EXPECT_EQ(StateOf(Canvas()), before);
    }
}

// A rotated text turns the painter about its point; the next operation is drawn unturned.
TEST_F(SurfaceStateKept, FillAfterRotatedTextLandsWhereItIsAsked) {
    Canvas().WriteRotatedText(30, 25, 90, "W");
    const QImage withText = Image().copy();
    Canvas().Brush() = TChartBrush(clBlack, TBrushStyle::bsSolid);
    Canvas().FillRectangle(TRect{2, 2, 4, 4});
    for (int y = 0; y < Image().height(); ++y) {
        for (int x = 0; x < Image().width(); ++x) {
            const bool inFill = x >= 2 && x < 4 && y >= 2 && y < 4;
            if (inFill) {
                EXPECT_EQ(Pixel(x, y), kBlack) << x << "," << y;
            } else {
                EXPECT_EQ(Pixel(x, y), withText.pixel(x, y) & 0xFFFFFF) << x << "," << y;
            }
        }
    }
}
