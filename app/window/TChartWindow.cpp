#include "TChartWindow.h"

#include "TAnnouncer.h"
#include "TAvailabilityStudy.h"
#include "TChart1Curves.h"
#include "TChartReaders.h"
#include "TChartViewLink.h"
#include "TContextClick.h"

#include <TChart.h>

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Armalyx {

namespace {

// The first size: room for a year's months to be told apart, within most screens.
constexpr QSize kFirstSize(1000, 640);
constexpr QSize kSmallestSize(400, 260);
// The margins around the chart as many pixels wide as at the main window's size (3 % of 673 and
// 4 % of 385 pixels): like the text, they keep their size, and the plot takes the room.
constexpr double kSideMargin = 20;
constexpr double kEndMargin = 15;
constexpr int kPercent = 100;

int MarginPercent(double pixels, int length) {
    return std::max(1, static_cast<int>(std::lround(pixels * kPercent / std::max(1, length))));
}

} // namespace

TChartWindow::TChartWindow(const TAvailabilityStudy& study, TChart1Curves& mainCurves,
                           QWidget* owner)
    : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(QStringLiteral("Armalyx chart"));
    setMinimumSize(kSmallestSize);
    m_chart = new TChart(this);
    m_chart->setObjectName(QStringLiteral("WindowChart"));
    m_chart->setFocusPolicy(Qt::StrongFocus);
    m_chart->setAccessibleName(mainCurves.Chart().accessibleName());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chart);
    // Tells a screen reader what the chart's commands did here (S reads the summary through it).
    new TAnnouncer(this);

    m_curves = std::make_unique<TChart1Curves>(*m_chart, study);
    // The year caption of the main window's chart is spaced by hand for its width; here each
    // year's caption stands centred under its months at any size.
    m_chart->BottomAxis().Title().SetCaption(QString());
    m_curves->Fill();
    connect(&study, &TAvailabilityStudy::PicksChanged, m_curves.get(), &TChart1Curves::Fill);
    m_readers = std::make_unique<TChartReaders>(*m_curves);
    m_viewLink = std::make_unique<TChartViewLink>(mainCurves, *m_curves);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("ChartWindowMenu"));
    // A right-drag pans the chart; only a right click without a drag opens the menu.
    auto* click = new TContextClick(*m_chart, TContextClick::TButtonEvents::PassOn);
    connect(click, &TContextClick::Requested, m_menu,
            [this](const QPoint& at) { m_menu->popup(at); });
    CreateOwnCommands();
    resize(kFirstSize.boundedTo(screen()->availableSize()));
}

TChartWindow::~TChartWindow() = default;

QAction* TChartWindow::AddKey(const QString& text, const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action);
    return action;
}

void TChartWindow::CreateOwnCommands() {
    m_resetView = AddKey(QStringLiteral("Reset &view"), {QKeySequence(Qt::Key_Home)});
    connect(m_resetView, &QAction::triggered, this, &TChartWindow::ResetViewAsked);
    m_fitToData = AddKey(QStringLiteral("&Fit to data"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(m_fitToData, &QAction::triggered, this, &TChartWindow::FitToDataAsked);
    m_fullScreen = AddKey(QStringLiteral("F&ull screen"), {QKeySequence(Qt::Key_F11)});
    m_fullScreen->setCheckable(true);
    connect(m_fullScreen, &QAction::triggered, this, &TChartWindow::ToggleFullScreen);
    // Only in full screen: otherwise Escape hides the month cursor.
    m_leaveFullScreen = AddKey(QStringLiteral("Leave full screen"), {QKeySequence(Qt::Key_Escape)});
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QAction::triggered, this, &TChartWindow::LeaveFullScreen);
    m_close = AddKey(QStringLiteral("&Close"), {QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

void TChartWindow::OfferCommands(const QList<QAction*>& commands) {
    m_menu->clear();
    for (QAction* command : commands) {
        if (command == nullptr) {
            m_menu->addSeparator();
            continue;
        }
        m_menu->addAction(command);
        addAction(command);
    }
    m_menu->addSeparator();
    m_menu->addActions({m_resetView, m_fitToData});
    m_menu->addSeparator();
    m_menu->addActions({m_fullScreen, m_close});
}

void TChartWindow::Open() {
    show();
    raise();
    activateWindow();
    m_chart->setFocus(Qt::OtherFocusReason);
}

void TChartWindow::ToggleFullScreen() {
    if (isFullScreen()) {
        LeaveFullScreen();
    } else {
        m_normalGeometry = geometry();
        showFullScreen();
    }
}

// Not every window manager gives the size before full screen back.
void TChartWindow::LeaveFullScreen() {
    if (isFullScreen()) {
        showNormal();
        setGeometry(m_normalGeometry);
    }
}

void TChartWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = m_chart->size();
    const int side = MarginPercent(kSideMargin, size.width());
    const int end = MarginPercent(kEndMargin, size.height());
    m_chart->SetMarginLeft(side);
    m_chart->SetMarginRight(side);
    m_chart->SetMarginTop(end);
    m_chart->SetMarginBottom(end);
}

void TChartWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    const auto type = event->type();
    if (type == QEvent::WindowStateChange) {
        m_fullScreen->setChecked(isFullScreen());
        m_leaveFullScreen->setEnabled(isFullScreen());
    } else if (type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange) {
        // A new desktop palette reaches the chart's system colours at its next frame.
        m_chart->Invalidate();
    }
}

// Hidden, not destroyed: it opens again at the size it had, out of full screen.
void TChartWindow::closeEvent(QCloseEvent* event) {
    LeaveFullScreen();
    QWidget::closeEvent(event);
}

} // namespace Armalyx
