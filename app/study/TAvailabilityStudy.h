#pragma once
// The study a user works on: the data folder and what was read from it, the picks (the vehicle
// or lend-lease pair of curves each table click fills, in alternation), the span choices with the
// three figures computed for them, and the work a reload keeps. It is the only part of the
// program that reads or writes the production data, and it tells its views what changed; the
// window only passes its handlers' calls on and shows what it is told.

#include "StudyCurves.h"
#include "TKeptWork.h"
#include "TStudyView.h"

#include <TProductionStore.h>

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TDataFolderWatcher;

namespace Armalyx {

class TAvailabilityStudy final : public QObject {
    Q_OBJECT

public:
    // What the window shows of the work that the study does not hold itself: the table's current
    // row (0 is the header row, or none), the chart's view and the data source the selector shows.
    struct TScreenWork {
        int CurrentRow = 0;
        TStudyView View;
        int ProductionSource = 0;
    };
    using TScreenReader = std::function<TScreenWork()>;

    // The three figures below the table: the picked vehicle's (or the lend-lease) production,
    // every vehicle's production and the losses within the span.
    struct TFigures {
        std::int64_t Vehicle = 0;
        std::int64_t Total = 0;
        std::int64_t Losses = 0;
    };

    // Everything a pick changes, so that Undo can put it back: both pairs, the turn, the figures
    // and the store's selection with its span totals.
    struct TPickState {
        std::array<std::vector<std::string>, 2> PairNames;
        std::array<std::vector<int>, 2> PairSlots;
        bool FirstPairHoldsLendLease = false;
        int LastPair = -1;
        int AnchorRow = 1;
        TFigures Figures;
        bool FiguresShown = false;
        bool FiguresOfLendLease = false;
        std::vector<std::string> FiguresVehicles;
        Production1::TSpanChoices FigureChoices;
        std::int32_t CompareSlot = 0;
        std::int32_t SelectedVehicle = 0;
        bool LendLeaseSelected = false;
        std::array<std::int32_t, 5> SpanTotals{};
        Production1::MonthSeries WorkSeries;

        // Whether the curves differ: the pairs, the turn, the lend-lease pick.
        bool SameCurves(const TPickState& other) const {
            return PairSlots == other.PairSlots &&
                   FirstPairHoldsLendLease == other.FirstPairHoldsLendLease &&
                   CompareSlot == other.CompareSlot;
        }
    };

    // Without a folder named the data files are read from the working directory.
    explicit TAvailabilityStudy(QString dataDirectory, QObject* parent = nullptr);
    ~TAvailabilityStudy() override;
    TAvailabilityStudy(const TAvailabilityStudy&) = delete;
    TAvailabilityStudy& operator=(const TAvailabilityStudy&) = delete;

    // The folder the data files are read from, as an absolute path (the working directory when
    // none was named; empty when even that cannot be told).
    QString DataFolder() const;
    // The follower of the data files; it says shortly after they change which did.
    TDataFolderWatcher& Watcher() const { return *m_watcher; }
    // How a reload learns what the window shows; without one it keeps no row and no view.
    void SetScreenReader(TScreenReader reader) { m_readScreen = std::move(reader); }

    // The first activation: follows the data folder and reads its files.
    void Open();
    // Names the folder the first activation is to read.
    void NameFolder(const QString& folder);
    // Another folder read and followed, starting fresh; the folder read already is read again
    // keeping the work.
    void OpenFolder(const QString& folder);
    // The data files read again, keeping the work: the vehicles picked before are picked again by
    // name into the same pairs, the current row follows its vehicle, the figures are computed
    // again and the chart's view stays. A vehicle that is gone leaves its pair empty, and comes
    // back at a later reload that finds it.
    void ReloadKeepingWork(const QString& reason);

    // A click on a table row (0 is the header row): a vehicle's estimate into the pair whose turn
    // it is, or the lend-lease deliveries into the first pair, and the figures for it.
    void PickRow(int row);
    // Ctrl+click: the row's vehicle joins the pick last made, or leaves it; the pick is then a
    // group of vehicles, summed, in the pair it had. Shift+click: the vehicles of the rows from
    // the last row clicked to this one join it. Without a vehicle pick to add to, a plain click.
    void TogglePickRow(int row);
    void AddRowsToPick(int row);
    // A span selector's new item; the figures stay as they are, out of date.
    void ChooseStartMonth(int index);
    void ChooseEndMonth(int index);
    void ChooseStartYear(int index);
    void ChooseEndYear(int index);
    // The data source of the fleet's production curve: 0 new production, 1 with lend-lease.
    void ChooseProductionSource(int index);
    int ProductionSource() const;

    // The picks as they are, and put back as they were (Undo and Redo).
    TPickState SavePicks() const;
    void RestorePicks(const TPickState& state);

    // What was read.
    int VehicleCount() const;
    QString VehicleName(int slot) const;
    QString VehicleTotalText(int slot) const;
    QString LendLeaseTotalText() const;
    // The sources of the vehicle's years, "1942: RGVA f. 38 op. 11355 d. 12; 1943: ..."; empty
    // when its lines had none.
    QString VehicleSources(int slot) const;
    // "Total: 1941: ...; 1942: ..." for each fleet row of "TotalData.txt" whose lines had a source.
    QStringList FleetSources() const;
    // The vehicle table for a spreadsheet: names, yearly production, total and the span's.
    std::vector<QStringList> VehicleTableRows() const;
    const Production1::TReadReport& TotalDataReport() const;
    const Production1::TReadReport& TankDataReport() const;
    // The optional StockData.txt's account, when the folder has the file; null otherwise.
    const Production1::TReadReport* StockDataReport() const;
    // What the last load made of the data files, for the status line.
    QString StatusText() const;

    // What is picked.
    StudyCurves::TFleetCurves FleetCurves() const;
    // Pair 0 or 1.
    StudyCurves::TPairCurves PairCurves(int pair) const;
    bool FirstPairHoldsLendLease() const { return m_firstPairHoldsLendLease; }
    // The vehicles (or "Lend Lease") the two pairs show, lend-lease first, then in pair order.
    QStringList PickedNames() const;
    // The rows of the group last picked, while it has more than one vehicle.
    std::vector<int> GroupRows() const;
    const TFigures& Figures() const { return m_figures; }
    // Where a pair's figure of a month comes from: its vehicle's source for the month's year
    // (each member's, "KV-1: ...; KV-1S: ...", for a group), the lend-lease row's; and where a
    // documented strength of the month comes from. Empty without source comments.
    QString PairSource(int pair, int month) const;
    QString DocumentedSource(int pair, int month) const;
    // Whether a span selector has changed since the figures were computed.
    bool FiguresOutOfDate() const;
    // What a screen reader hears for each figure (vehicle, total, losses); empty until a pick
    // computed them.
    std::array<QString, 3> FiguresSpeech() const;

signals:
    // A load ended, whole or not: the status line and the data report have news.
    void DataStatusChanged();
    // A load read the files whole: the table has new rows.
    void Loaded();
    // The curves to draw changed: a pick, a data source, a load.
    void PicksChanged();
    // The figures were computed, or cleared by a load.
    void FiguresChanged();
    // A span selector's choice changed: the figures may be out of date.
    void SpanChoicesChanged();
    // A reload moved the table's current row to its vehicle's new row, or to none (0).
    void CurrentRowChanged(int row);
    // A reload brings the chart's view back; another folder starts from the configured one.
    void ViewChanged(const Armalyx::TStudyView& view);
    void ViewReset();
    // A reload has ended: why it read again, and the picks whose vehicles are gone.
    void ReadAgain(const QString& reason, const QStringList& lostPicks);

private:
    void Load();
    void FollowDataFolder();
    void NoteMissingFiles(const QString& directory);
    // Empties what described the previous files: vehicle curves, lend-lease pick, figures.
    void ForgetPicks();
    // The store's selected vehicle into the pair whose turn it is, and the turn moves on.
    void PickSelectedVehicle();
    void PickLendLease();
    bool CanGrowPick(int row) const;
    void ShowGrownPick(int row);
    // The figures for these vehicles' production (none: the lend-lease deliveries).
    void ComputeFigures(const std::vector<int>& members);

    // The slot holding the vehicle of this stored name, 0 when no slot does.
    int SlotOfVehicle(const std::string& name) const;
    std::string StoredName(int slot) const;
    // What the window shows now, with what earlier reloads could not bring back filled in.
    TKeptWork KeptWork() const;
    void AddMissedPicks(TKeptWork& work) const;
    // Picks the kept vehicles again; returns the names of those that are gone.
    QStringList RestoreWork(const TKeptWork& work);
    void RestoreCurrentRow(const TKeptWork& work);
    void RestoreFigures(const TKeptWork& work);
    TScreenWork Screen() const;

    QString m_dataDirectory;
    TDataFolderWatcher* m_watcher = nullptr;
    TScreenReader m_readScreen;
    // The vehicles each pair of curves shows, by stored name and slot: one for a plain pick, the
    // members of a group in the order they joined; none while a pair is empty.
    struct TPairPick {
        std::vector<std::string> Names;
        std::vector<int> Slots;
    };
    std::array<TPairPick, 2> m_pairs;
    // The pair the last pick went into, which a Ctrl+click adds to; -1 for none.
    int m_lastPair = -1;
    // The row a Shift+click counts from: the last one clicked.
    int m_anchorRow = 1;
    // Whether the first pair shows lend-lease deliveries rather than a vehicle's estimate.
    bool m_firstPairHoldsLendLease = false;
    TMissedPicks m_missedPicks;
    // Whether the three figures describe a pick, rather than reading 0 since the last load, and
    // which: the lend-lease deliveries or the vehicle of this stored name.
    TFigures m_figures;
    bool m_figuresShown = false;
    bool m_figuresOfLendLease = false;
    std::vector<std::string> m_figuresVehicles;
    // The span choices the figures were computed with, or that the store held at the start.
    Production1::TSpanChoices m_figureChoices;
    // Whether each data file (TotalData.txt, TankData.txt) was found at the previous load, so that
    // a missing file is named on standard error once, not at every load.
    std::array<bool, 2> m_dataFileFound{true, true};
};

} // namespace Armalyx
