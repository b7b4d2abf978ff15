#pragma once
// Drives the real window with random user events: clicks and drags on the table, arrow keys,
// picked and typed selector texts, radio clicks, page switches, wheel turns (with and without
// the zoom keys), drags and month-cursor keys on the chart, resizes, the window menu's commands
// (reload, fit to data, reset view, the menu itself) and data files saved again, or deleted and
// written anew, between events. It
// keeps its own record of what the user chose, so that the span figures the window must show can be
// worked out independently after every event.

#include "TForm1Driver.h"
#include "TSpanOracle.h"

#include <QByteArray>
#include <QMetaObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <random>
#include <string>
#include <vector>

class QWidget;
class TComboBox;
class TForm1;

class TMonkey final {
public:
    TMonkey(TForm1& form, std::uint32_t seed);
    ~TMonkey();
    TMonkey(const TMonkey&) = delete;
    TMonkey& operator=(const TMonkey&) = delete;

    // Runs one random event and says what it was.
    std::string Step();
    // Texts Edit1..Edit3 must show after the events so far.
    const QStringList& ExpectedEdits() const { return m_expectedEdits; }
    // Row clicks so far that gave the edit boxes new figures.
    int FigureClicks() const { return m_figureClicks; }

private:
    std::string ClickGrid();
    std::string DragGrid();
    std::string PressGridKey();
    std::string TurnGridWheel();
    std::string PickSelector();
    std::string TypeSelector();
    std::string ClickRadio();
    std::string SwitchPage();
    std::string TurnChartWheel();
    std::string DragOnChart();
    std::string MoveChartCursor();
    std::string Resize();
    std::string RunCommand();
    std::string SaveDataFileAgain();
    std::string DeleteAndCreate(const QString& path, const QByteArray& bytes);
    static int NamedItem(const TComboBox& box, const QString& text, bool months);

    // Shows a page by clicking its tab, as a user must before touching its controls.
    void ShowPage(int page);
    void RecordClick(int row);
    void RecordGroupClick(int row, bool range);
    // After a reload the figures are computed again for the same row and the current span.
    void RecordReload();
    int& ChoiceOf(int selector);
    int Between(int low, int high);
    QPoint PointIn(const QWidget& widget, int overshoot = 0);

    TForm1Driver m_form;
    std::mt19937 m_random;
    TSpanChoices m_choices;
    QStringList m_expectedEdits{"0", "0", "0"};
    int m_figureClicks = 0;
    int m_lastFigureRow = 0;
    // The vehicle rows of the pick last made, which a Ctrl+ or Shift+click grows; empty when that
    // pick is lend-lease or none. The figures are the group's while m_figuresOfGroup holds.
    std::vector<int> m_group;
    int m_anchorRow = 1;
    bool m_figuresOfGroup = false;
    // How many times the follower has read the files so far.
    int m_reads = 0;
    std::vector<QMetaObject::Connection> m_connections;
};
