#include "TForm1.h"

#include "AccessibleInterfaces.h"
#include "AvailabilityMaths.h"
#include "CueColors.h"
#include "DataStatusText.h"
#include "TChartHover.h"
#include "TChartMonthCursor.h"
#include "TChartNarrator.h"
#include "TComboBox.h"
#include "TDataFolderWatcher.h"
#include "TErrorShell.h"
#include "TRadioGroup.h"
#include "TStatusLine.h"
#include "TStringGrid.h"
#include "VehicleNameText.h"
#include "WindowPlacement.h"

#include <Production1.h>

#include <TChart.h>
#include <TLineSeries.h>

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

// The table always has room for this many vehicle rows, so the "Lend Lease" row always exists.
constexpr int kMinimumVehicleRows = 30;

Production1::TSpanChoices StoredSpanChoices() {
    return Production1::Store().SpanChoices();
}

} // namespace

TForm1::TForm1(QWidget* parent) : TForm1(QString(), parent) {}

TForm1::TForm1(QString dataDirectory, QWidget* parent)
    : QWidget(parent), m_dataDirectory(std::move(dataDirectory)),
      m_figureChoices(StoredSpanChoices()) {
    Armalyx::AccessibleInterfaces::Install();
    CreateWindowFrame();
    CreateSelectionPage();
    CreateGraphPage();
    m_homeView = Chart1->AxisRanges();
    const TAxisRange months = Chart1->BottomAxis().Range();
    m_firstHomeMonth = static_cast<int>(std::ceil(months.Minimum));
    m_lastHomeMonth = static_cast<int>(std::floor(months.Maximum));
    m_startTitleSeries2 = Series2->Title();
    m_startTitleSeries7 = Series7->Title();
    SetTabOrder();
    SetAccessibleNames();
    CreateShortcuts();
    ConnectHandlers();
    setAcceptDrops(true);
    m_chooseFolder = [](QWidget* parent, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("Open data folder"), start);
    };
    m_watcher = new TDataFolderWatcher(this);
    connect(m_watcher, &TDataFolderWatcher::FilesChanged, this, [this](const QStringList& names) {
        TErrorShell::Guard([this, &names] {
            ReloadKeepingWork(Armalyx::DataStatusText::ChangedFilesReason(names));
        });
    });
}

QString TForm1::DataFolder() const {
    return m_dataDirectory.isEmpty() ? QDir::currentPath() : QDir(m_dataDirectory).absolutePath();
}

void TForm1::ConnectHandlers() {
    // Every handler runs through the guard: an error is reported and the program goes on.
    const auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] { TErrorShell::Guard([this, handler] { (this->*handler)(); }); };
    };
    connect(StringGrid1, &TStringGrid::Click, this, guarded(&TForm1::StringGrid1Click));
    connect(StringGrid1, &TStringGrid::FixedRowClick, this,
            [this] { TErrorShell::Guard([this] { SelectRow(0); }); });
    connect(ComboBox1, &TComboBox::Change, this, guarded(&TForm1::ComboBox1Change));
    connect(ComboBox2, &TComboBox::Change, this, guarded(&TForm1::ComboBox2Change));
    connect(ComboBox3, &TComboBox::Change, this, guarded(&TForm1::ComboBox3Change));
    connect(ComboBox4, &TComboBox::Change, this, guarded(&TForm1::ComboBox4Change));
    connect(RadioGroup1, &TRadioGroup::Click, this, guarded(&TForm1::RadioGroup1Click));
    connect(DetailsButton, &QPushButton::clicked, this, guarded(&TForm1::ShowDataReport));
    // After the handlers, which record the new choice.
    for (TComboBox* selector : {ComboBox1, ComboBox2, ComboBox3, ComboBox4}) {
        connect(selector, &TComboBox::Change, this, &TForm1::ShowFiguresCue);
    }
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        RunFirstActivation();
    }
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(m_shown, true)) {
        return;
    }
    // Without a window manager nobody hands the new window the focus: ask for it, so that the
    // first activation comes in any case.
    QTimer::singleShot(0, this, [this] {
        if (!m_activated) {
            activateWindow();
        }
    });
}

void TForm1::setVisible(bool visible) {
    if (visible && !std::exchange(m_placed, true)) {
        FitIntoScreen();
    }
    QWidget::setVisible(visible);
}

// The built-in position and size suit a screen of at least 966 x 645 pixels; on a smaller one
// the caption would lie off the screen.
void TForm1::FitIntoScreen() {
    QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (screen == nullptr) {
        screen = this->screen();
    }
    if (screen == nullptr) {
        return;
    }
    // A window's position is that of its frame; before the desktop has framed the window its
    // frame is taken to be the built-in one.
    const QRect client = geometry();
    QRect outer = frameGeometry();
    QMargins margins(client.left() - outer.left(), client.top() - outer.top(),
                     outer.right() - client.right(), outer.bottom() - client.bottom());
    if (margins.isNull()) {
        margins = Armalyx::WindowPlacement::kDesignedFrameMargins;
        outer = QRect(pos(), size().grownBy(margins));
    }
    const QRect fitted = Armalyx::WindowPlacement::FitIntoArea(outer, screen->availableGeometry());
    if (fitted != outer) {
        resize(fitted.size().shrunkBy(margins));
        move(fitted.topLeft());
    }
}

void TForm1::RunFirstActivation() {
    // Later activations (after a message box, after another program) reload nothing.
    if (std::exchange(m_activated, true)) {
        return;
    }
    TErrorShell::Guard([this] { FormActivate(); });
}

void TForm1::FormActivate() {
    FollowDataFolder();
    LoadDataFiles();
}

void TForm1::LoadDataFiles() {
    const QString directory = DataFolder();
    m_watcher->NoteFilesRead();
    try {
        Production1::LoadProductionData(QFile::encodeName(m_dataDirectory).toStdString());
    } catch (...) {
        // A read failure is reported by the error box; the line still tells what was read.
        ShowDataStatus(directory);
        throw;
    }
    ShowDataStatus(directory);
    FillVehicleTable();
    Production1::Store().CompareSlot = 0;
    PlotFleetCurves();
}

void TForm1::ForgetPicks() {
    Production1::Store().LendLeaseSelected = false;
    ClearVehicleCurves();
    for (QLineEdit* edit : {Edit1, Edit2, Edit3}) {
        edit->setText(QStringLiteral("0"));
    }
    m_figuresShown = false;
}

void TForm1::ReloadDataFiles() {
    ReloadKeepingWork(QStringLiteral("reload asked for"));
}

void TForm1::ClearVehicleCurves() {
    NoteChartChanged();
    for (TLineSeries* series : {Series2, Series6, Series7, Series8}) {
        series->ClearPoints();
    }
    Series2->SetTitle(m_startTitleSeries2);
    Series7->SetTitle(m_startTitleSeries7);
    m_firstPairHoldsLendLease = false;
    m_pairVehicles = {};
}

void TForm1::ShowDataStatus(const QString& directory) {
    const auto& store = Production1::Store();
    // A missing file may be there under a name that comes close; the folder is listed only then.
    QStringList folderNames;
    if (!store.TotalDataReport.Found() || !store.TankDataReport.Found()) {
        folderNames = QDir(directory).entryList(QDir::Files, QDir::Name);
    }
    Label8->SetStatusText(Armalyx::DataStatusText::StatusText(directory, store.TotalDataReport,
                                                              store.TankDataReport, folderNames));
    ShowDetailsButton();
    RefreshOpenDataReport();
    const std::pair<const char*, bool> files[] = {
        {Production1::kTotalDataFileName, store.TotalDataReport.Found()},
        {Production1::kTankDataFileName, store.TankDataReport.Found()},
    };
    for (std::size_t i = 0; i < m_dataFileFound.size(); ++i) {
        const auto& [fileName, found] = files[i];
        if (!found && m_dataFileFound[i]) {
            const QString path = Armalyx::DataStatusText::DataFilePath(directory, fileName);
            std::fprintf(
                stderr, "%s\n",
                Armalyx::DataStatusText::MissingFileMessage(path).toLocal8Bit().constData());
        }
        m_dataFileFound[i] = found;
    }
}

void TForm1::FillVehicleTable() {
    auto& store = Production1::Store();
    const int vehicleCount = store.VehicleCount;
    StringGrid1->SetRowCount(std::max(vehicleCount, kMinimumVehicleRows) + 2);
    StringGrid1->SetCells(0, 0, QStringLiteral("Vehicle Name"));
    StringGrid1->SetCells(1, 0, QStringLiteral("Total"));
    store.SelectedVehicle = 1;
    for (int row = 1; row <= vehicleCount; ++row) {
        StringGrid1->SetCells(0, row, Armalyx::VehicleNameText(store.VehicleNames[row]));
        StringGrid1->SetCells(1, row,
                              Armalyx::AvailabilityMaths::PlainInteger(store.VehicleTotals[row]));
    }
    std::vector<std::int32_t> lendLease;
    for (int month = 1; month <= Production1::kLastMonth; ++month) {
        lendLease.push_back(store.LendLease[month]);
    }
    const QString lendLeaseTotal = Armalyx::AvailabilityMaths::LendLeaseTotalText(lendLease);
    StringGrid1->SetCells(0, vehicleCount + 1, QStringLiteral("Lend Lease"));
    StringGrid1->SetCells(1, vehicleCount + 1, lendLeaseTotal);
    // Rows left from files read before would show another data set's vehicles and totals.
    for (int row = vehicleCount + 2; row < StringGrid1->RowCount(); ++row) {
        StringGrid1->SetCells(0, row, QString());
        StringGrid1->SetCells(1, row, QString());
    }
}

void TForm1::StringGrid1Click() {
    SelectRow(StringGrid1->Row());
}

void TForm1::SelectRow(int row) {
    auto& store = Production1::Store();
    store.LendLeaseSelected = false;
    if (row < 1) {
        return;
    }
    m_missedPicks.CurrentVehicle.clear();
    if (row == store.VehicleCount + 1) {
        PlotFleetCurves();
        PlotLendLease();
        store.LendLeaseSelected = true;
        ShowSpanFigures();
        return;
    }
    if (row > store.VehicleCount) {
        return;
    }
    store.SelectedVehicle = row;
    PlotFleetCurves();
    PlotVehicleEstimate();
    ShowSpanFigures();
}

void TForm1::ShowSpanFigures() {
    Production1::ComputeSpanTotals();
    const auto& store = Production1::Store();
    Edit1->setText(Armalyx::AvailabilityMaths::PlainInteger(store.SpanVehicleTotal));
    Edit2->setText(Armalyx::AvailabilityMaths::PlainInteger(store.SpanTotal));
    Edit3->setText(Armalyx::AvailabilityMaths::PlainInteger(store.SpanLosses));
    m_figureChoices = StoredSpanChoices();
    m_figuresShown = true;
    m_figuresOfLendLease = store.LendLeaseSelected;
    m_figuresVehicle = std::string(store.VehicleNames[store.SelectedVehicle].View());
    m_missedPicks.FiguresVehicle.clear();
    ShowFiguresCue();
}

bool TForm1::FiguresOutOfDate() const {
    return StoredSpanChoices() != m_figureChoices;
}

// The dimmed colour is worked out from the window's palette, which a new desktop palette reaches
// before the figures' own.
void TForm1::ShowFiguresCue() {
    QPalette figures;
    if (FiguresOutOfDate()) {
        const QPalette window = palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            figures.setColor(
                group, QPalette::Text,
                Armalyx::CueColors::DimmedTextColor(window.color(group, QPalette::Text),
                                                    window.color(group, QPalette::Base)));
        }
    }
    for (QLineEdit* figure : {Edit1, Edit2, Edit3}) {
        figure->setPalette(figures);
    }
}

void TForm1::ComboBox1Change() {
    Production1::Store().StartMonthChoice = ComboBox1->ItemIndex();
}

void TForm1::ComboBox2Change() {
    Production1::Store().EndMonthChoice = ComboBox2->ItemIndex();
}

void TForm1::ComboBox3Change() {
    Production1::Store().StartYearChoice = ComboBox3->ItemIndex();
}

void TForm1::ComboBox4Change() {
    Production1::Store().EndYearChoice = ComboBox4->ItemIndex();
}

void TForm1::RadioGroup1Click() {
    Production1::Store().ProductionSource = RadioGroup1->ItemIndex();
    PlotFleetCurves();
}
