#pragma once
// The availability chart in a window of its own, which may be made as large as the screen: the
// same curves, picks, view and data source as the chart of the main window, with its own month
// cursor, tooltip and screen-reader text, laid out by the chart engine at the window's size
// (text keeps its size, the plot takes the room). The main window's commands that work on the
// chart work here too, on this chart; F11 toggles full screen, Escape leaves it, Ctrl+W closes
// the window. Closing hides it, so that it opens again as large as it was.

#include <QList>
#include <QRect>
#include <QWidget>

#include <memory>

class QAction;
class QMenu;
class TChart;

namespace Armalyx {

class TAvailabilityStudy;
class TChart1Curves;
class TChartReaders;
class TChartViewLink;

class TChartWindow final : public QWidget {
    Q_OBJECT

public:
    // A window of the owner's (it goes with it) that shows the study's curves in the view of the
    // main curves; the study and the main curves outlive it.
    TChartWindow(const TAvailabilityStudy& study, TChart1Curves& mainCurves, QWidget* owner);
    ~TChartWindow() override;
    TChartWindow(const TChartWindow&) = delete;
    TChartWindow& operator=(const TChartWindow&) = delete;

    TChart& Chart() const { return *m_chart; }
    TChart1Curves& Curves() const { return *m_curves; }
    // The main window's commands offered in the chart's context menu (nullptr: a separator);
    // their keys work here too.
    void OfferCommands(const QList<QAction*>& commands);
    // Shows the window (as large as it was when it closed), in front and with the keyboard.
    void Open();
    // F11 and Escape.
    void ToggleFullScreen();
    void LeaveFullScreen();

signals:
    // Home and Ctrl+0 here: the main window sets the view (both charts show it) and notes it for
    // Undo.
    void ResetViewAsked();
    void FitToDataAsked();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* AddKey(const QString& text, const QList<QKeySequence>& keys);
    void CreateOwnCommands();

    TChart* m_chart = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_resetView = nullptr;
    QAction* m_fitToData = nullptr;
    QAction* m_fullScreen = nullptr;
    QAction* m_leaveFullScreen = nullptr;
    QAction* m_close = nullptr;
    // Where the window was before it went full screen.
    QRect m_normalGeometry;
    // The curves read the study and draw into the chart; the readers read the curves, and the
    // link keeps their view the main curves' one. They go in that order, before the chart.
    std::unique_ptr<TChart1Curves> m_curves;
    std::unique_ptr<TChartReaders> m_readers;
    std::unique_ptr<TChartViewLink> m_viewLink;
};

} // namespace Armalyx
