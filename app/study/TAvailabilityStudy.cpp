#include "TAvailabilityStudy.h"

#include "AvailabilityMaths.h"
#include "DataStatusText.h"
#include "FigureSpeech.h"
#include "TDataFolderWatcher.h"
#include "VehicleNameText.h"
#include "VehicleTableText.h"

#include <MonthNames.h>
#include <Production1.h>

#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string_view>
#include <utility>

namespace Armalyx {

namespace {

Production1::TProductionStore& StudyStore() {
    return Production1::Store();
}

std::vector<std::int32_t> MonthlyValues(const Production1::MonthSeries& series) {
    std::vector<std::int32_t> values;
    for (int month = Production1::kFirstMonth; month <= Production1::kLastMonth; ++month) {
        values.push_back(series[month]);
    }
    return values;
}

QString NameText(const std::string& name) {
    return VehicleNameText(Production1::VehicleName(name));
}

// The fleet rows of "TotalData.txt" in their order: Total, Loss, New, Lend Lease.
constexpr int kLendLeaseFleetRow = 4;

// A source as the data file's bytes give it, shown as vehicle names are.
QString Text(std::string_view source) {
    return QString::fromStdString(Production1::BytesToUtf8(source));
}

// "1942: RGVA f. 38; 1943: ...": the years that have a source, each with its text, written as
// vehicle names are.
QString YearSources(const std::function<std::string_view(int year)>& sourceOf) {
    QStringList parts;
    for (int year = Production1::kFirstYear; year <= Production1::kLastYear; ++year) {
        const std::string_view source = sourceOf(year);
        if (!source.empty()) {
            parts.push_back(QStringLiteral("%1: %2").arg(year).arg(Text(source)));
        }
    }
    return parts.join(QStringLiteral("; "));
}

// A group's name: its members' names in the order they were picked, joined by " + ".
QString GroupName(const std::vector<std::string>& names) {
    QStringList texts;
    for (const std::string& name : names) {
        texts.push_back(NameText(name));
    }
    return texts.join(QStringLiteral(" + "));
}

} // namespace

TAvailabilityStudy::TAvailabilityStudy(QString dataDirectory, QObject* parent)
    : QObject(parent), m_dataDirectory(std::move(dataDirectory)),
      m_watcher(new TDataFolderWatcher(this)), m_figureChoices(StudyStore().SpanChoices()) {}

TAvailabilityStudy::~TAvailabilityStudy() = default;

QString TAvailabilityStudy::DataFolder() const {
    return m_dataDirectory.isEmpty() ? QDir::currentPath() : QDir(m_dataDirectory).absolutePath();
}

void TAvailabilityStudy::Open() {
    FollowDataFolder();
    Load();
}

void TAvailabilityStudy::NameFolder(const QString& folder) {
    m_dataDirectory = QDir(folder).absolutePath();
}

void TAvailabilityStudy::OpenFolder(const QString& folder) {
    const QString wanted = QDir(folder).absolutePath();
    if (QDir(wanted) == QDir(DataFolder())) {
        ReloadKeepingWork(QStringLiteral("folder opened again"));
        return;
    }
    const TScreenWork screen = Screen();
    m_dataDirectory = wanted;
    ForgetPicks();
    m_missedPicks = {};
    emit ViewReset();
    FollowDataFolder();
    Load();
    // The load starts from the first data source; the selector may show the other one.
    ChooseProductionSource(screen.ProductionSource);
}

void TAvailabilityStudy::ReloadKeepingWork(const QString& reason) {
    const TScreenWork screen = Screen();
    const TKeptWork work = KeptWork();
    // Cleared first, so that even a load that fails part-way leaves nothing of the old files.
    ForgetPicks();
    try {
        Load();
    } catch (...) {
        emit ReadAgain(reason, {});
        throw;
    }
    ChooseProductionSource(screen.ProductionSource);
    const QStringList lost = RestoreWork(work);
    emit ReadAgain(reason, lost);
}

void TAvailabilityStudy::FollowDataFolder() {
    m_watcher->Follow(DataFolder());
}

void TAvailabilityStudy::Load() {
    const QString directory = DataFolder();
    m_watcher->NoteFilesRead();
    try {
        Production1::LoadProductionData(QFile::encodeName(m_dataDirectory).toStdString());
    } catch (...) {
        // A read failure is reported by the error box; the status still tells what was read.
        NoteMissingFiles(directory);
        emit DataStatusChanged();
        throw;
    }
    NoteMissingFiles(directory);
    emit DataStatusChanged();
    auto& store = StudyStore();
    store.SelectedVehicle = 1;
    emit Loaded();
    store.CompareSlot = 0;
    emit PicksChanged();
}

void TAvailabilityStudy::NoteMissingFiles(const QString& directory) {
    const auto& store = StudyStore();
    const std::pair<const char*, bool> files[] = {
        {Production1::kTotalDataFileName, store.TotalDataReport.Found()},
        {Production1::kTankDataFileName, store.TankDataReport.Found()},
    };
    for (std::size_t i = 0; i < m_dataFileFound.size(); ++i) {
        const auto& [fileName, found] = files[i];
        if (!found && m_dataFileFound[i]) {
            const QString path = DataStatusText::DataFilePath(directory, fileName);
            std::fprintf(stderr, "%s\n",
                         DataStatusText::MissingFileMessage(path).toLocal8Bit().constData());
        }
        m_dataFileFound[i] = found;
    }
}

QString TAvailabilityStudy::StatusText() const {
    const auto& store = StudyStore();
    const QString directory = DataFolder();
    // A missing file may be there under a name that comes close; the folder is listed only then.
    QStringList folderNames;
    if (!store.TotalDataReport.Found() || !store.TankDataReport.Found()) {
        folderNames = QDir(directory).entryList(QDir::Files, QDir::Name);
    }
    return DataStatusText::StatusText(directory, store.TotalDataReport, store.TankDataReport,
                                      folderNames, StockDataReport());
}

void TAvailabilityStudy::ForgetPicks() {
    StudyStore().LendLeaseSelected = false;
    m_firstPairHoldsLendLease = false;
    m_pairs = {};
    m_lastPair = -1;
    m_figures = {};
    m_figuresShown = false;
    emit PicksChanged();
    emit FiguresChanged();
}

void TAvailabilityStudy::PickRow(int row) {
    auto& store = StudyStore();
    store.LendLeaseSelected = false;
    if (row < 1) {
        return;
    }
    m_missedPicks.CurrentVehicle.clear();
    if (row == store.VehicleCount + 1) {
        PickLendLease();
        store.LendLeaseSelected = true;
        emit PicksChanged();
        ComputeFigures({});
        return;
    }
    if (row > store.VehicleCount) {
        return;
    }
    m_anchorRow = row;
    store.SelectedVehicle = row;
    PickSelectedVehicle();
    emit PicksChanged();
    ComputeFigures({row});
}

void TAvailabilityStudy::TogglePickRow(int row) {
    if (!CanGrowPick(row)) {
        PickRow(row);
        return;
    }
    TPairPick& pick = m_pairs.at(static_cast<std::size_t>(m_lastPair));
    const auto member = std::find(pick.Slots.begin(), pick.Slots.end(), row);
    if (member == pick.Slots.end()) {
        pick.Names.push_back(StoredName(row));
        pick.Slots.push_back(row);
    } else {
        pick.Names.erase(pick.Names.begin() + (member - pick.Slots.begin()));
        pick.Slots.erase(member);
    }
    m_anchorRow = row;
    ShowGrownPick(row);
}

void TAvailabilityStudy::AddRowsToPick(int row) {
    if (!CanGrowPick(row)) {
        PickRow(row);
        return;
    }
    TPairPick& pick = m_pairs.at(static_cast<std::size_t>(m_lastPair));
    const int anchor = std::clamp(m_anchorRow, 1, VehicleCount());
    for (int slot = std::min(anchor, row); slot <= std::max(anchor, row); ++slot) {
        if (std::find(pick.Slots.begin(), pick.Slots.end(), slot) == pick.Slots.end()) {
            pick.Names.push_back(StoredName(slot));
            pick.Slots.push_back(slot);
        }
    }
    ShowGrownPick(row);
}

bool TAvailabilityStudy::CanGrowPick(int row) const {
    const bool vehicleRow = row >= 1 && row <= VehicleCount();
    const bool vehiclePick = m_lastPair >= 0 && !(m_lastPair == 0 && m_firstPairHoldsLendLease) &&
                             !m_pairs.at(static_cast<std::size_t>(m_lastPair)).Slots.empty();
    return vehicleRow && vehiclePick;
}

// The group's pair keeps its turn; the figures are those of the whole group.
void TAvailabilityStudy::ShowGrownPick(int row) {
    auto& store = StudyStore();
    store.LendLeaseSelected = false;
    m_missedPicks.CurrentVehicle.clear();
    m_missedPicks.PairVehicles.at(static_cast<std::size_t>(m_lastPair)).clear();
    const std::vector<int> members = m_pairs.at(static_cast<std::size_t>(m_lastPair)).Slots;
    // The row clicked, unless it just left the group: then the member that joined last.
    const bool member = std::find(members.begin(), members.end(), row) != members.end();
    store.SelectedVehicle = member || members.empty() ? row : members.back();
    if (members.empty()) {
        m_lastPair = -1;
    }
    emit PicksChanged();
    ComputeFigures(members);
}

void TAvailabilityStudy::PickSelectedVehicle() {
    auto& store = StudyStore();
    const int slot = store.CompareSlot;
    const auto pair = static_cast<std::size_t>(slot == 0 ? 0 : 1);
    if (slot == 0) {
        m_firstPairHoldsLendLease = false;
    }
    const int vehicle = store.SelectedVehicle;
    store.WorkSeries = store.VehicleProduction[vehicle];
    m_pairs.at(pair) = {{StoredName(vehicle)}, {vehicle}};
    m_lastPair = static_cast<int>(pair);
    m_missedPicks.PairVehicles.at(pair).clear();
    store.CompareSlot = slot + 1 > 1 ? 0 : slot + 1;
}

void TAvailabilityStudy::PickLendLease() {
    auto& store = StudyStore();
    store.WorkSeries = store.LendLease;
    m_firstPairHoldsLendLease = true;
    m_pairs[0] = {};
    m_lastPair = 0;
    m_missedPicks.PairVehicles[0].clear();
}

// A group's figure is the sum of its members' production in the span; the store is left as a
// click on the selected vehicle leaves it.
void TAvailabilityStudy::ComputeFigures(const std::vector<int>& members) {
    auto& store = StudyStore();
    const bool group = !store.LendLeaseSelected && members.size() != 1;
    Production1::ComputeSpanTotals();
    m_figures = {group ? Production1::GroupSpanProduction(store, members) : store.SpanVehicleTotal,
                 store.SpanTotal, store.SpanLosses};
    m_figureChoices = store.SpanChoices();
    m_figuresShown = true;
    m_figuresOfLendLease = store.LendLeaseSelected;
    m_figuresVehicles.clear();
    if (group) {
        for (const int member : members) {
            m_figuresVehicles.push_back(StoredName(member));
        }
    } else {
        m_figuresVehicles.push_back(StoredName(store.SelectedVehicle));
    }
    m_missedPicks.FiguresVehicles.clear();
    emit FiguresChanged();
}

std::array<QString, 3> TAvailabilityStudy::FiguresSpeech() const {
    if (!m_figuresShown) {
        return {};
    }
    using FigureSpeech::TFigure;
    const auto& choices = m_figureChoices;
    const QString span = FigureSpeech::SpanText(choices.StartMonth, choices.StartYear,
                                                choices.EndMonth, choices.EndYear);
    const QString vehicle =
        m_figuresOfLendLease ? QStringLiteral("Lend Lease") : GroupName(m_figuresVehicles);
    const bool outOfDate = FiguresOutOfDate();
    const QLocale locale;
    return {
        FigureSpeech::Text(
            TFigure{QStringLiteral("Production of ") + vehicle, span, m_figures.Vehicle, outOfDate},
            locale),
        FigureSpeech::Text(
            TFigure{QStringLiteral("Production of all vehicles"), span, m_figures.Total, outOfDate},
            locale),
        FigureSpeech::Text(TFigure{QStringLiteral("Losses"), span, m_figures.Losses, outOfDate},
                           locale),
    };
}

bool TAvailabilityStudy::FiguresOutOfDate() const {
    return StudyStore().SpanChoices() != m_figureChoices;
}

void TAvailabilityStudy::ChooseStartMonth(int index) {
    StudyStore().StartMonthChoice = index;
    emit SpanChoicesChanged();
}

void TAvailabilityStudy::ChooseEndMonth(int index) {
    StudyStore().EndMonthChoice = index;
    emit SpanChoicesChanged();
}

void TAvailabilityStudy::ChooseStartYear(int index) {
    StudyStore().StartYearChoice = index;
    emit SpanChoicesChanged();
}

void TAvailabilityStudy::ChooseEndYear(int index) {
    StudyStore().EndYearChoice = index;
    emit SpanChoicesChanged();
}

void TAvailabilityStudy::ChooseProductionSource(int index) {
    StudyStore().ProductionSource = index;
    emit PicksChanged();
}

int TAvailabilityStudy::ProductionSource() const {
    return StudyStore().ProductionSource;
}

TAvailabilityStudy::TPickState TAvailabilityStudy::SavePicks() const {
    const auto& store = StudyStore();
    TPickState state;
    for (std::size_t pair = 0; pair < m_pairs.size(); ++pair) {
        state.PairNames.at(pair) = m_pairs.at(pair).Names;
        state.PairSlots.at(pair) = m_pairs.at(pair).Slots;
    }
    state.FirstPairHoldsLendLease = m_firstPairHoldsLendLease;
    state.LastPair = m_lastPair;
    state.AnchorRow = m_anchorRow;
    state.Figures = m_figures;
    state.FiguresShown = m_figuresShown;
    state.FiguresOfLendLease = m_figuresOfLendLease;
    state.FiguresVehicles = m_figuresVehicles;
    state.FigureChoices = m_figureChoices;
    state.CompareSlot = store.CompareSlot;
    state.SelectedVehicle = store.SelectedVehicle;
    state.LendLeaseSelected = store.LendLeaseSelected;
    state.SpanTotals = {store.SpanStart, store.SpanEnd, store.SpanTotal, store.SpanVehicleTotal,
                        store.SpanLosses};
    state.WorkSeries = store.WorkSeries;
    return state;
}

void TAvailabilityStudy::RestorePicks(const TPickState& state) {
    auto& store = StudyStore();
    for (std::size_t pair = 0; pair < m_pairs.size(); ++pair) {
        m_pairs.at(pair) = {state.PairNames.at(pair), state.PairSlots.at(pair)};
    }
    m_firstPairHoldsLendLease = state.FirstPairHoldsLendLease;
    m_lastPair = state.LastPair;
    m_anchorRow = state.AnchorRow;
    m_figures = state.Figures;
    m_figuresShown = state.FiguresShown;
    m_figuresOfLendLease = state.FiguresOfLendLease;
    m_figuresVehicles = state.FiguresVehicles;
    m_figureChoices = state.FigureChoices;
    store.CompareSlot = state.CompareSlot;
    store.SelectedVehicle = state.SelectedVehicle;
    store.LendLeaseSelected = state.LendLeaseSelected;
    store.SpanStart = state.SpanTotals[0];
    store.SpanEnd = state.SpanTotals[1];
    store.SpanTotal = state.SpanTotals[2];
    store.SpanVehicleTotal = state.SpanTotals[3];
    store.SpanLosses = state.SpanTotals[4];
    store.WorkSeries = state.WorkSeries;
    emit PicksChanged();
    emit FiguresChanged();
}

int TAvailabilityStudy::VehicleCount() const {
    return StudyStore().VehicleCount;
}

QString TAvailabilityStudy::VehicleName(int slot) const {
    return VehicleNameText(StudyStore().VehicleNames[slot]);
}

QString TAvailabilityStudy::VehicleTotalText(int slot) const {
    return AvailabilityMaths::PlainInteger(StudyStore().VehicleTotals[slot]);
}

QString TAvailabilityStudy::LendLeaseTotalText() const {
    return AvailabilityMaths::LendLeaseTotalText(MonthlyValues(StudyStore().LendLease));
}

std::vector<QStringList> TAvailabilityStudy::VehicleTableRows() const {
    using namespace VehicleTableText;
    const auto& store = StudyStore();
    std::vector<TProductionRow> rows;
    const int vehicleCount = std::clamp(store.VehicleCount, 0, Production1::MaxVehicles);
    for (int slot = 1; slot <= vehicleCount; ++slot) {
        rows.push_back({VehicleNameText(store.VehicleNames[slot]),
                        MonthlyValues(store.VehicleProduction[slot]), TMonthsCounted::Positive,
                        VehicleSources(slot)});
    }
    rows.push_back({QStringLiteral("Lend Lease"), MonthlyValues(store.LendLease),
                    TMonthsCounted::Every, YearSources([&store](int year) {
                        return Production1::FleetYearSource(store, kLendLeaseFleetRow, year);
                    })});
    // The span the selectors show, counted as the span figures count it.
    return Rows(rows, Production1::MonthOfChoice(store.StartMonthChoice, store.StartYearChoice),
                Production1::MonthOfChoice(store.EndMonthChoice, store.EndYearChoice));
}

const Production1::TReadReport& TAvailabilityStudy::TotalDataReport() const {
    return StudyStore().TotalDataReport;
}

const Production1::TReadReport& TAvailabilityStudy::TankDataReport() const {
    return StudyStore().TankDataReport;
}

const Production1::TReadReport* TAvailabilityStudy::StockDataReport() const {
    const auto& report = StudyStore().StockDataReport;
    return report.Found() ? &report : nullptr;
}

StudyCurves::TFleetCurves TAvailabilityStudy::FleetCurves() const {
    const auto& store = StudyStore();
    return StudyCurves::Fleet(store, store.ProductionSource);
}

StudyCurves::TPairCurves TAvailabilityStudy::PairCurves(int pair) const {
    if (pair == 0 && m_firstPairHoldsLendLease) {
        return StudyCurves::LendLease(StudyStore());
    }
    const auto index = static_cast<std::size_t>(pair == 0 ? 0 : 1);
    if (m_pairs.at(index).Slots.empty()) {
        return {};
    }
    return StudyCurves::Vehicles(StudyStore(), m_pairs.at(index).Slots);
}

QStringList TAvailabilityStudy::PickedNames() const {
    QStringList names;
    if (m_firstPairHoldsLendLease) {
        names.push_back(QStringLiteral("Lend Lease"));
    }
    for (const TPairPick& pick : m_pairs) {
        if (!pick.Names.empty()) {
            names.push_back(GroupName(pick.Names));
        }
    }
    return names;
}

QString TAvailabilityStudy::VehicleSources(int slot) const {
    const auto& store = StudyStore();
    return YearSources(
        [&store, slot](int year) { return Production1::VehicleYearSource(store, slot, year); });
}

QStringList TAvailabilityStudy::FleetSources() const {
    const auto& store = StudyStore();
    static const std::array<const char*, 4> kRows = {"Total", "Loss", "New", "Lend Lease"};
    QStringList rows;
    for (int row = 1; row <= static_cast<int>(kRows.size()); ++row) {
        const QString sources = YearSources(
            [&store, row](int year) { return Production1::FleetYearSource(store, row, year); });
        if (!sources.isEmpty()) {
            rows.push_back(QLatin1String(kRows.at(static_cast<std::size_t>(row - 1))) +
                           QStringLiteral(": ") + sources);
        }
    }
    return rows;
}

QString TAvailabilityStudy::PairSource(int pair, int month) const {
    const auto& store = StudyStore();
    if (month < Production1::kFirstMonth || month > Production1::kLastMonth) {
        return {};
    }
    const int year = Production1::kFirstYear + (month - 1) / Production1::kMonthsPerYear;
    if (pair == 0 && m_firstPairHoldsLendLease) {
        return Text(Production1::FleetYearSource(store, kLendLeaseFleetRow, year));
    }
    const TPairPick& pick = m_pairs.at(pair == 0 ? 0 : 1);
    if (pick.Slots.size() == 1) {
        return Text(Production1::VehicleYearSource(store, pick.Slots.front(), year));
    }
    QStringList parts;
    for (std::size_t member = 0; member < pick.Slots.size(); ++member) {
        const QString source =
            Text(Production1::VehicleYearSource(store, pick.Slots.at(member), year));
        if (!source.isEmpty()) {
            parts.push_back(NameText(pick.Names.at(member)) + QStringLiteral(": ") + source);
        }
    }
    return parts.join(QStringLiteral("; "));
}

QString TAvailabilityStudy::DocumentedSource(int pair, int month) const {
    const TPairPick& pick = m_pairs.at(pair == 0 ? 0 : 1);
    if (pick.Slots.size() != 1 || (pair == 0 && m_firstPairHoldsLendLease)) {
        return {};
    }
    return Text(Production1::StockSource(StudyStore(), pick.Slots.front(), month));
}

std::vector<int> TAvailabilityStudy::GroupRows() const {
    if (m_lastPair < 0) {
        return {};
    }
    const std::vector<int>& members = m_pairs.at(static_cast<std::size_t>(m_lastPair)).Slots;
    return members.size() > 1 ? members : std::vector<int>{};
}

int TAvailabilityStudy::SlotOfVehicle(const std::string& name) const {
    const auto& store = StudyStore();
    if (name.empty()) {
        return 0;
    }
    for (int slot = 1; slot <= store.VehicleCount; ++slot) {
        if (store.VehicleNames[slot].View() == name) {
            return slot;
        }
    }
    return 0;
}

std::string TAvailabilityStudy::StoredName(int slot) const {
    return std::string(StudyStore().VehicleNames[slot].View());
}

TAvailabilityStudy::TScreenWork TAvailabilityStudy::Screen() const {
    return m_readScreen ? m_readScreen() : TScreenWork{};
}

TKeptWork TAvailabilityStudy::KeptWork() const {
    const auto& store = StudyStore();
    const TScreenWork screen = Screen();
    TKeptWork work;
    for (std::size_t pair = 0; pair < m_pairs.size(); ++pair) {
        work.PairVehicles.at(pair) = m_pairs.at(pair).Names;
    }
    work.LastPair = m_lastPair;
    work.FirstPairHoldsLendLease = m_firstPairHoldsLendLease;
    work.CompareSlot = store.CompareSlot;
    const int row = screen.CurrentRow;
    work.CurrentIsLendLease = row == store.VehicleCount + 1;
    if (row >= 1 && row <= store.VehicleCount) {
        work.CurrentVehicle = StoredName(row);
    }
    work.FiguresShown = m_figuresShown;
    work.FiguresOfLendLease = m_figuresOfLendLease;
    work.FiguresVehicles = m_figuresVehicles;
    work.View = screen.View;
    AddMissedPicks(work);
    return work;
}

void TAvailabilityStudy::AddMissedPicks(TKeptWork& work) const {
    for (std::size_t pair = 0; pair < work.PairVehicles.size(); ++pair) {
        const bool holdsLendLease = pair == 0 && work.FirstPairHoldsLendLease;
        if (holdsLendLease) {
            continue;
        }
        std::vector<std::string>& names = work.PairVehicles.at(pair);
        for (const std::string& missed : m_missedPicks.PairVehicles.at(pair)) {
            if (std::find(names.begin(), names.end(), missed) == names.end()) {
                names.push_back(missed);
            }
        }
    }
    if (work.CurrentVehicle.empty() && !work.CurrentIsLendLease) {
        work.CurrentVehicle = m_missedPicks.CurrentVehicle;
    }
    if (!work.FiguresShown && !m_missedPicks.FiguresVehicles.empty()) {
        work.FiguresShown = true;
        work.FiguresOfLendLease = false;
        work.FiguresVehicles = m_missedPicks.FiguresVehicles;
    }
}

QStringList TAvailabilityStudy::RestoreWork(const TKeptWork& work) {
    auto& store = StudyStore();
    m_missedPicks = {};
    QStringList lost;
    for (std::size_t pair = 0; pair < work.PairVehicles.size(); ++pair) {
        std::vector<int> found;
        std::vector<std::string> gone;
        for (const std::string& name : work.PairVehicles.at(pair)) {
            const int slot = SlotOfVehicle(name);
            if (slot == 0) {
                lost.push_back(NameText(name));
                gone.push_back(name);
            } else {
                found.push_back(slot);
            }
        }
        if (!found.empty()) {
            store.CompareSlot = static_cast<int>(pair);
            store.SelectedVehicle = found.front();
            PickSelectedVehicle();
            for (std::size_t member = 1; member < found.size(); ++member) {
                m_pairs.at(pair).Names.push_back(StoredName(found.at(member)));
                m_pairs.at(pair).Slots.push_back(found.at(member));
            }
        }
        m_missedPicks.PairVehicles.at(pair) = gone;
    }
    if (work.FirstPairHoldsLendLease) {
        PickLendLease();
    }
    store.CompareSlot = work.CompareSlot;
    // A group whose vehicles are gone for now grows again once they are back.
    m_lastPair = work.LastPair;
    emit PicksChanged();
    RestoreCurrentRow(work);
    RestoreFigures(work);
    emit ViewChanged(work.View);
    return lost;
}

void TAvailabilityStudy::RestoreCurrentRow(const TKeptWork& work) {
    const int row =
        work.CurrentIsLendLease ? VehicleCount() + 1 : SlotOfVehicle(work.CurrentVehicle);
    if (row >= 1) {
        m_anchorRow = row;
        emit CurrentRowChanged(row);
    } else if (!work.CurrentVehicle.empty()) {
        // The row it had now holds another vehicle, or nothing: no row is current until it is back.
        m_missedPicks.CurrentVehicle = work.CurrentVehicle;
        emit CurrentRowChanged(0);
    }
}

// The figures describe the same vehicle (or the lend-lease deliveries) as before, over the span
// the selectors show now; a vehicle that is gone leaves them at 0.
void TAvailabilityStudy::RestoreFigures(const TKeptWork& work) {
    auto& store = StudyStore();
    std::vector<int> found;
    for (const std::string& name : work.FiguresVehicles) {
        if (const int slot = SlotOfVehicle(name); slot != 0) {
            found.push_back(slot);
        }
    }
    store.SelectedVehicle = found.empty() ? 1 : found.front();
    if (work.FiguresShown && !work.FiguresOfLendLease && found.empty()) {
        m_missedPicks.FiguresVehicles = work.FiguresVehicles;
    }
    if (!work.FiguresShown || (!work.FiguresOfLendLease && found.empty())) {
        return;
    }
    store.LendLeaseSelected = work.FiguresOfLendLease;
    ComputeFigures(work.FiguresOfLendLease ? std::vector<int>{} : found);
}

} // namespace Armalyx
