#include "TForm1.h"

#include "AccessibleInterfaces.h"
#include "AvailabilityMaths.h"
#include "ChangeSpeech.h"
#include "CueColors.h"
#include "DataFolderDrop.h"
#include "DataStatusText.h"
#include "StartFolder.h"
#include "TAnnouncer.h"
#include "TAvailabilityStudy.h"
#include "TChart1Curves.h"
#include "TChartReaders.h"
#include "TChartWindow.h"
#include "TComboBox.h"
#include "TDataFolderWatcher.h"
#include "TErrorShell.h"
#include "TRadioGroup.h"
#include "TRecentFolders.h"
#include "TStatusLine.h"
#include "TStringGrid.h"

#include <TChart.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

namespace {

// The table always has room for this many vehicle rows, so the "Lend Lease" row always exists.
constexpr int kMinimumVehicleRows = 30;

QString DroppedFolder(const QMimeData* data) {
    return data != nullptr && data->hasUrls() ? Armalyx::DataFolderDrop::FolderOfDrop(data->urls())
                                              : QString();
}

} // namespace

TForm1::TForm1(QWidget* parent) : TForm1(QString(), parent) {}

TForm1::TForm1(QString dataDirectory, QWidget* parent)
    : QWidget(parent),
      m_study(std::make_unique<Armalyx::TAvailabilityStudy>(std::move(dataDirectory))) {
    Armalyx::AccessibleInterfaces::Install();
    CreateWindowFrame();
    CreateSelectionPage();
    CreateGraphPage();
    SetTabOrder();
    SetAccessibleNames();
    CreateShortcuts();
    ConnectHandlers();
    ConnectStudy();
    Chart1->installEventFilter(this);
    setAcceptDrops(true);
    m_chooseFolder = [](QWidget* parent, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("Open data folder"), start);
    };
    m_chooseSaveFile = [](QWidget* parent, TSaveQuestion& question) {
        return QFileDialog::getSaveFileName(parent, question.Caption, question.Start,
                                            question.Filters.join(QStringLiteral(";;")),
                                            &question.Filter);
    };
}

// The readers go first, then the curves, then the study.
// The chart window goes first, while this window is whole; its chart, taken down with it, is no
// longer watched for gestures.
TForm1::~TForm1() {
    if (m_chartWindow != nullptr) {
        m_chartWindow->Chart().removeEventFilter(this);
        m_chartWindow.reset();
    }
}

QString TForm1::DataFolder() const {
    return m_study->DataFolder();
}

void TForm1::RememberFoldersIn(Armalyx::TRecentFolders& recentFolders, TStartNote note) {
    m_recentFolders = &recentFolders;
    if (note == TStartNote::ReopenedLastFolder) {
        m_startNote = Armalyx::StartFolder::ReopenedLine(DataFolder());
    }
    if (RecentMenu == nullptr) {
        CreateRecentMenu();
    }
}

void TForm1::ConnectHandlers() {
    // Every handler runs through the guard: an error is reported and the program goes on.
    const auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] { TErrorShell::Guard([this, handler] { (this->*handler)(); }); };
    };
    connect(StringGrid1, &TStringGrid::Click, this, guarded(&TForm1::StringGrid1Click));
    connect(StringGrid1, &TStringGrid::ToggleClick, this, guarded(&TForm1::StringGrid1CtrlClick));
    connect(StringGrid1, &TStringGrid::RangeClick, this, guarded(&TForm1::StringGrid1ShiftClick));
    connect(StringGrid1, &TStringGrid::FixedRowClick, this,
            [this] { TErrorShell::Guard([this] { m_study->PickRow(0); }); });
    connect(ComboBox1, &TComboBox::Change, this, guarded(&TForm1::ComboBox1Change));
    connect(ComboBox2, &TComboBox::Change, this, guarded(&TForm1::ComboBox2Change));
    connect(ComboBox3, &TComboBox::Change, this, guarded(&TForm1::ComboBox3Change));
    connect(ComboBox4, &TComboBox::Change, this, guarded(&TForm1::ComboBox4Change));
    connect(RadioGroup1, &TRadioGroup::Click, this, guarded(&TForm1::RadioGroup1Click));
    connect(DetailsButton, &QPushButton::clicked, this, guarded(&TForm1::ShowDataReport));
    connect(&m_study->Watcher(), &TDataFolderWatcher::FilesChanged, this,
            [this](const QStringList& names) {
                TErrorShell::Guard([this, &names] {
                    ReloadKeepingWork(Armalyx::DataStatusText::ChangedFilesReason(names));
                });
            });
}

// What the study says changed, shown where it belongs; the study asks what the window shows of
// the work when it reads again.
void TForm1::ConnectStudy() {
    using Armalyx::TAvailabilityStudy;
    TAvailabilityStudy* study = m_study.get();
    connect(study, &TAvailabilityStudy::DataStatusChanged, this, &TForm1::ShowDataStatus);
    connect(study, &TAvailabilityStudy::DataStatusChanged, this, &TForm1::NoteFolderRead);
    connect(study, &TAvailabilityStudy::Loaded, this, &TForm1::FillVehicleTable);
    // The steps of the files read before describe other vehicles.
    connect(study, &TAvailabilityStudy::Loaded, this, [this] {
        m_history.Clear();
        ShowUndoSteps();
    });
    connect(study, &TAvailabilityStudy::PicksChanged, m_curves.get(),
            &Armalyx::TChart1Curves::Fill);
    connect(study, &TAvailabilityStudy::PicksChanged, this,
            [this] { StringGrid1->SetMarkedRows(m_study->GroupRows()); });
    connect(study, &TAvailabilityStudy::FiguresChanged, this, &TForm1::ShowFigures);
    connect(study, &TAvailabilityStudy::SpanChoicesChanged, this, &TForm1::ShowFiguresCue);
    connect(study, &TAvailabilityStudy::CurrentRowChanged, this, &TForm1::ShowCurrentRow);
    connect(study, &TAvailabilityStudy::ViewChanged, this, &TForm1::ShowView);
    connect(study, &TAvailabilityStudy::ViewReset, m_curves.get(),
            &Armalyx::TChart1Curves::ResetView);
    connect(study, &TAvailabilityStudy::ReadAgain, this, &TForm1::AddReloadLines);
    m_study->SetScreenReader([this] {
        return TAvailabilityStudy::TScreenWork{StringGrid1->Row(), m_curves->View(),
                                               RadioGroup1->ItemIndex()};
    });
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

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    const auto type = event->type();
    if ((type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange) &&
        Chart1 != nullptr) {
        Chart1->Invalidate();
    }
    // The figures' own palette keeps them from hearing of a new desktop palette themselves.
    if (type == QEvent::PaletteChange && Edit1 != nullptr) {
        ShowFiguresCue();
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFolder(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString folder = DroppedFolder(event->mimeData());
    if (folder.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    TErrorShell::Guard([this, &folder] { OpenDataFolder(folder); });
}

void TForm1::RunFirstActivation() {
    // Later activations (after a message box, after another program) reload nothing.
    if (std::exchange(m_activated, true)) {
        return;
    }
    TErrorShell::Guard([this] { FormActivate(); });
}

void TForm1::FormActivate() {
    m_study->Open();
}

void TForm1::OpenDataFolder(const QString& folder) {
    if (!m_activated) {
        // The first activation reads it.
        m_study->NameFolder(folder);
        return;
    }
    m_study->OpenFolder(folder);
}

void TForm1::ChooseDataFolder() {
    const QString chosen = m_chooseFolder(this, DataFolder());
    if (!chosen.isEmpty()) {
        OpenDataFolder(chosen);
    }
}

void TForm1::ReloadDataFiles() {
    ReloadKeepingWork(QStringLiteral("reload asked for"));
}

void TForm1::ReloadKeepingWork(const QString& reason) {
    m_study->ReloadKeepingWork(reason);
}

void TForm1::StringGrid1Click() {
    PickByRow(&Armalyx::TAvailabilityStudy::PickRow);
}

void TForm1::StringGrid1CtrlClick() {
    PickByRow(&Armalyx::TAvailabilityStudy::TogglePickRow);
}

void TForm1::StringGrid1ShiftClick() {
    PickByRow(&Armalyx::TAvailabilityStudy::AddRowsToPick);
}

void TForm1::PickByRow(void (Armalyx::TAvailabilityStudy::*pick)(int)) {
    const auto before = m_study->SavePicks();
    const QStringList namesBefore = m_study->PickedNames();
    (m_study.get()->*pick)(StringGrid1->Row());
    RecordPick(StringGrid1->Cells(0, StringGrid1->Row()), before);
    Tell(Armalyx::ChangeSpeech::PicksText(namesBefore, m_study->PickedNames()));
}

void TForm1::Tell(const QString& text) {
    if (TAnnouncer* announcer = TAnnouncer::Of(CommandWindow())) {
        announcer->Announce(text);
    }
}

// A pick that changed the curves can be taken back, with its figures.
void TForm1::RecordPick(const QString& name,
                        const Armalyx::TAvailabilityStudy::TPickState& before) {
    const auto after = m_study->SavePicks();
    if (after.SameCurves(before)) {
        return;
    }
    m_history.Push({QStringLiteral("pick of ") + name,
                    [this, before] { m_study->RestorePicks(before); },
                    [this, after] { m_study->RestorePicks(after); }});
    ShowUndoSteps();
}

void TForm1::RecordView(const QString& label, const std::vector<Armalyx::TViewRange>& before,
                        const Armalyx::TChart1Curves& shown) {
    const auto after = shown.View();
    if (after == before) {
        return;
    }
    const auto redo = [this, after] { m_curves->ShowView(after); };
    if (!m_history.Extend(label, redo)) {
        m_history.Push({label, [this, before] { m_curves->ShowView(before); }, redo});
    }
    ShowUndoSteps();
}

void TForm1::Undo() {
    const QString step = m_history.UndoLabel();
    m_history.Undo();
    ShowUndoSteps();
    Tell(Armalyx::ChangeSpeech::UndoneText(step));
}

void TForm1::Redo() {
    const QString step = m_history.RedoLabel();
    m_history.Redo();
    ShowUndoSteps();
    Tell(Armalyx::ChangeSpeech::RedoneText(step));
}

void TForm1::ShowUndoSteps() {
    const QString undo = m_history.UndoLabel();
    const QString redo = m_history.RedoLabel();
    UndoAction->setText(undo.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undo);
    RedoAction->setText(redo.isEmpty() ? QStringLiteral("Redo (&Y)")
                                       : QStringLiteral("Redo ") + redo + QStringLiteral(" (&Y)"));
    UndoAction->setEnabled(m_history.CanUndo());
    RedoAction->setEnabled(m_history.CanRedo());
}

// A wheel turn or a right-drag on the chart changes its view: the view before it is kept, and
// the step recorded once the chart has moved. Turns in quick succession are one step.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const Armalyx::TChart1Curves* curves = CurvesOf(watched);
    if (curves == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    constexpr qint64 kWheelGestureMs = 800;
    const auto type = event->type();
    if (type == QEvent::Wheel) {
        const bool zoom = static_cast<QWheelEvent*>(event)->modifiers() != Qt::NoModifier;
        const QString label = zoom ? QStringLiteral("zoom") : QStringLiteral("scroll");
        const bool goesOn = m_lastWheel.isValid() && m_lastWheel.elapsed() < kWheelGestureMs &&
                            m_history.UndoLabel() == label && !m_history.CanRedo();
        const auto before = curves->View();
        m_lastWheel.start();
        QTimer::singleShot(0, this, [this, label, before, goesOn, curves] {
            if (goesOn) {
                const auto after = curves->View();
                m_history.Extend(label, [this, after] { m_curves->ShowView(after); });
                ShowUndoSteps();
            } else {
                RecordView(label, before, *curves);
            }
        });
    } else if (type == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        m_viewBefore = curves->View();
    } else if (type == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        const auto before = m_viewBefore;
        QTimer::singleShot(0, this, [this, before, curves] {
            RecordView(QStringLiteral("pan"), before, *curves);
        });
    }
    return QWidget::eventFilter(watched, event);
}

// The main window's chart and the chart window's have the same view; a gesture is read off the
// chart it was made on, since the other follows only once the gesture's event is done.
const Armalyx::TChart1Curves* TForm1::CurvesOf(const QObject* chart) const {
    if (chart == Chart1) {
        return m_curves.get();
    }
    if (m_chartWindow != nullptr && chart == &m_chartWindow->Chart()) {
        return &m_chartWindow->Curves();
    }
    return nullptr;
}

void TForm1::ComboBox1Change() {
    m_study->ChooseStartMonth(ComboBox1->ItemIndex());
}

void TForm1::ComboBox2Change() {
    m_study->ChooseEndMonth(ComboBox2->ItemIndex());
}

void TForm1::ComboBox3Change() {
    m_study->ChooseStartYear(ComboBox3->ItemIndex());
}

void TForm1::ComboBox4Change() {
    m_study->ChooseEndYear(ComboBox4->ItemIndex());
}

void TForm1::RadioGroup1Click() {
    const int before = m_study->ProductionSource();
    const int after = RadioGroup1->ItemIndex();
    m_study->ChooseProductionSource(after);
    if (before == after) {
        return;
    }
    const auto show = [this](int source) {
        RadioGroup1->SetItemIndex(source);
        m_study->ChooseProductionSource(source);
    };
    m_history.Push({QStringLiteral("data source"), [show, before] { show(before); },
                    [show, after] { show(after); }});
    ShowUndoSteps();
}

void TForm1::ShowDataStatus() {
    const QString note = std::exchange(m_startNote, QString());
    Label8->SetStatusText(note.isEmpty() ? m_study->StatusText()
                                         : note + QLatin1Char('\n') + m_study->StatusText());
    ShowDetailsButton();
    RefreshOpenDataReport();
}

// A folder without either file (a slip in the chooser, say) would push the study's folder down
// the list and be reopened at the next start.
void TForm1::NoteFolderRead() {
    if (m_recentFolders != nullptr &&
        (m_study->TotalDataReport().Found() || m_study->TankDataReport().Found())) {
        m_recentFolders->Remember(DataFolder());
    }
}

void TForm1::FillVehicleTable() {
    const int vehicleCount = m_study->VehicleCount();
    StringGrid1->SetRowCount(std::max(vehicleCount, kMinimumVehicleRows) + 2);
    StringGrid1->SetCells(0, 0, QStringLiteral("Vehicle Name"));
    StringGrid1->SetCells(1, 0, QStringLiteral("Total"));
    for (int row = 1; row <= vehicleCount; ++row) {
        StringGrid1->SetCells(0, row, m_study->VehicleName(row));
        StringGrid1->SetCells(1, row, m_study->VehicleTotalText(row));
        StringGrid1->SetToolTip(
            row, m_study->VehicleSources(row).replace(QStringLiteral("; "), QStringLiteral("\n")));
    }
    StringGrid1->SetCells(0, vehicleCount + 1, QStringLiteral("Lend Lease"));
    StringGrid1->SetToolTip(vehicleCount + 1, QString());
    StringGrid1->SetCells(1, vehicleCount + 1, m_study->LendLeaseTotalText());
    // Rows left from files read before would show another data set's vehicles and totals.
    for (int row = vehicleCount + 2; row < StringGrid1->RowCount(); ++row) {
        StringGrid1->SetCells(0, row, QString());
        StringGrid1->SetCells(1, row, QString());
        StringGrid1->SetToolTip(row, QString());
    }
}

void TForm1::ShowFigures() {
    using Armalyx::AvailabilityMaths::PlainInteger;
    const auto& figures = m_study->Figures();
    Edit1->setText(PlainInteger(figures.Vehicle));
    Edit2->setText(PlainInteger(figures.Total));
    Edit3->setText(PlainInteger(figures.Losses));
    ShowFiguresCue();
}

// The dimmed colour is worked out from the window's palette, which a new desktop palette reaches
// before the figures' own.
void TForm1::ShowFiguresCue() {
    QPalette figures;
    if (m_study->FiguresOutOfDate()) {
        const QPalette window = palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            figures.setColor(
                group, QPalette::Text,
                Armalyx::CueColors::DimmedTextColor(window.color(group, QPalette::Text),
                                                    window.color(group, QPalette::Base)));
        }
    }
    // Going out of date is told once, when it happens; a new pick computes them again.
    if (m_study->FiguresOutOfDate() && !m_toldFiguresOutOfDate) {
        Tell(Armalyx::ChangeSpeech::FiguresOutOfDateText());
    }
    m_toldFiguresOutOfDate = m_study->FiguresOutOfDate();
    const auto speech = m_study->FiguresSpeech();
    const std::array<TFigureBox*, 3> boxes{Edit1, Edit2, Edit3};
    for (std::size_t figure = 0; figure < boxes.size(); ++figure) {
        boxes[figure]->setPalette(figures);
        boxes[figure]->SetSpokenText(speech[figure]);
    }
}

void TForm1::ShowCurrentRow(int row) {
    if (row >= 1) {
        StringGrid1->SetRow(row);
    } else {
        // The row it had now holds another vehicle, or nothing: no row is current until it is back.
        StringGrid1->ClearRow();
    }
}

void TForm1::ShowView(const std::vector<Armalyx::TViewRange>& view) {
    m_curves->ShowView(view);
}

void TForm1::AddReloadLines(const QString& reason, const QStringList& lostPicks) {
    QString text = Label8->text() + QLatin1Char('\n') +
                   Armalyx::DataStatusText::ReadAgainLine(QTime::currentTime(), reason);
    if (!lostPicks.isEmpty()) {
        text += QLatin1Char('\n') + Armalyx::DataStatusText::LostPicksLine(lostPicks);
    }
    Label8->SetStatusText(text);
    QString told = Armalyx::DataStatusText::ReadAgainAnnouncement(reason);
    if (!lostPicks.isEmpty()) {
        told += QLatin1Char(' ') + Armalyx::DataStatusText::LostPicksLine(lostPicks);
    }
    m_announcer->Announce(told);
}
