#include "TMonkey.h"

#include "TComboBox.h"
#include "TDataFolderWatcher.h"
#include "TForm1.h"
#include "TRadioGroup.h"
#include "TStringGrid.h"

#include <Production1.h>
#include <TChart.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <functional>

using namespace Armalyx;

namespace {

constexpr int kSelectionPage = 0;
constexpr int kGraphPage = 1;

std::string Text(const QPoint& point) {
    return std::string("(")
        .append(std::to_string(point.x()))
        .append(",")
        .append(std::to_string(point.y()))
        .append(")");
}

Qt::KeyboardModifiers Modifiers(int choice) {
    static const std::array<Qt::KeyboardModifiers, 4> kModifiers = {
        Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
    return kModifiers.at(static_cast<std::size_t>(choice));
}

void SendWheel(QWidget& widget, const QPoint& position, int delta, Qt::KeyboardModifiers keys) {
    QWheelEvent wheel(QPointF(position), QPointF(widget.mapToGlobal(position)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, keys, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

} // namespace

TMonkey::TMonkey(TForm1& form, std::uint32_t seed) : m_form(form), m_random(seed) {
    TStringGrid* grid = m_form.StringGrid1;
    // Connected after the window's own handlers, so these run once the window has reacted.
    m_connections.push_back(QObject::connect(grid, &TStringGrid::Click, grid,
                                             [this, grid] { RecordClick(grid->Row()); }));
    m_connections.push_back(
        QObject::connect(grid, &TStringGrid::FixedRowClick, grid, [this] { RecordClick(0); }));
    m_connections.push_back(QObject::connect(grid, &TStringGrid::ToggleClick, grid, [this, grid] {
        RecordGroupClick(grid->Row(), false);
    }));
    m_connections.push_back(QObject::connect(grid, &TStringGrid::RangeClick, grid, [this, grid] {
        RecordGroupClick(grid->Row(), true);
    }));
    // The follower reads the files again whenever a save settles, between any two events.
    m_connections.push_back(
        QObject::connect(&m_form.DataWatcher(), &TDataFolderWatcher::FilesChanged, grid, [this] {
            ++m_reads;
            RecordReload();
        }));
}

TMonkey::~TMonkey() {
    for (const QMetaObject::Connection& connection : m_connections) {
        QObject::disconnect(connection);
    }
}

std::string TMonkey::Step() {
    using TEvent = std::string (TMonkey::*)();
    // Weighted towards what changes the figures: table clicks and selector choices.
    static const std::array<TEvent, 20> kEvents = {
        &TMonkey::ClickGrid,       &TMonkey::ClickGrid,        &TMonkey::ClickGrid,
        &TMonkey::DragGrid,        &TMonkey::PressGridKey,     &TMonkey::PressGridKey,
        &TMonkey::TurnGridWheel,   &TMonkey::PickSelector,     &TMonkey::PickSelector,
        &TMonkey::TypeSelector,    &TMonkey::ClickRadio,       &TMonkey::SwitchPage,
        &TMonkey::TurnChartWheel,  &TMonkey::DragOnChart,      &TMonkey::DragOnChart,
        &TMonkey::MoveChartCursor, &TMonkey::MoveChartCursor,  &TMonkey::Resize,
        &TMonkey::RunCommand,      &TMonkey::SaveDataFileAgain};
    const TEvent event =
        kEvents.at(static_cast<std::size_t>(Between(0, static_cast<int>(kEvents.size()) - 1)));
    return (this->*event)();
}

std::string TMonkey::ClickGrid() {
    ShowPage(kSelectionPage);
    TStringGrid& grid = *m_form.StringGrid1;
    if (Between(0, 7) == 0) {
        QWidget* header = grid.horizontalHeader()->viewport();
        const QPoint point = PointIn(*header);
        QTest::mouseClick(header, Qt::LeftButton, {}, point);
        return "header click at " + Text(point);
    }
    const QPoint point = PointIn(*grid.viewport());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Modifiers(Between(0, 3)), point);
    return "grid click at " + Text(point);
}

std::string TMonkey::DragGrid() {
    ShowPage(kSelectionPage);
    QWidget* viewport = m_form.StringGrid1->viewport();
    const QPoint from = PointIn(*viewport);
    QPoint to = from;
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    const int moves = Between(1, 4);
    for (int move = 0; move < moves; ++move) {
        to = PointIn(*viewport, 30);
        QTest::mouseMove(viewport, to);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    return "grid drag " + Text(from) + " to " + Text(to);
}

std::string TMonkey::PressGridKey() {
    ShowPage(kSelectionPage);
    static const std::array<Qt::Key, 8> kKeys = {Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left,
                                                 Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                                                 Qt::Key_Home,  Qt::Key_End};
    const Qt::Key key = kKeys.at(static_cast<std::size_t>(Between(0, 7)));
    const Qt::KeyboardModifiers modifiers = Modifiers(Between(0, 3));
    m_form.StringGrid1->setFocus();
    QTest::keyClick(m_form.StringGrid1, key, modifiers);
    return "grid key " + std::to_string(key) + " modifiers " + std::to_string(modifiers.toInt());
}

std::string TMonkey::TurnGridWheel() {
    ShowPage(kSelectionPage);
    QWidget* viewport = m_form.StringGrid1->viewport();
    const QPoint point = PointIn(*viewport);
    const int delta = Between(-3, 3) * 120;
    SendWheel(*viewport, point, delta, Qt::NoModifier);
    return "grid wheel " + std::to_string(delta);
}

int& TMonkey::ChoiceOf(int selector) {
    switch (selector) {
    case 1:
        return m_choices.StartMonth;
    case 2:
        return m_choices.EndMonth;
    case 3:
        return m_choices.StartYear;
    default:
        return m_choices.EndYear;
    }
}

std::string TMonkey::PickSelector() {
    ShowPage(kSelectionPage);
    const int selector = Between(1, 4);
    const std::array<TComboBox*, 4> boxes = {m_form.ComboBox1, m_form.ComboBox2, m_form.ComboBox3,
                                             m_form.ComboBox4};
    TComboBox& box = *boxes.at(static_cast<std::size_t>(selector - 1));
    const int index = Between(-1, box.count());
    box.PickItem(index);
    if (index >= 0 && index < box.count()) {
        ChoiceOf(selector) = index;
    }
    return "pick item " + std::to_string(index) + " of selector " + std::to_string(selector);
}

std::string TMonkey::TypeSelector() {
    ShowPage(kSelectionPage);
    static const std::array<const char*, 14> kTexts = {"Jan",    "Dec",   "1941", "1945",    "June",
                                                       "13",     "-1",    "",     "x9",      "1946",
                                                       " 1943 ", "march", "SEP",  "Septembe"};
    const int selector = Between(1, 4);
    const std::array<TComboBox*, 4> boxes = {m_form.ComboBox1, m_form.ComboBox2, m_form.ComboBox3,
                                             m_form.ComboBox4};
    QLineEdit* field = boxes.at(static_cast<std::size_t>(selector - 1))->lineEdit();
    const QString text = QString::fromLatin1(
        kTexts.at(static_cast<std::size_t>(Between(0, static_cast<int>(kTexts.size()) - 1))));
    const bool hadText = !field->text().isEmpty();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    // Clearing a text or typing one that names no item leaves no item selected; text that
    // names an item selects it.
    if (hadText || !text.isEmpty()) {
        ChoiceOf(selector) =
            NamedItem(*boxes.at(static_cast<std::size_t>(selector - 1)), text, selector <= 2);
    }
    return "type '" + text.toStdString() + "' into selector " + std::to_string(selector);
}

std::string TMonkey::ClickRadio() {
    ShowPage(kGraphPage);
    const int item = Between(0, 2);
    QRadioButton* button = m_form.RadioGroup1->Button(item);
    if (button == nullptr) {
        const QPoint point = PointIn(*m_form.RadioGroup1);
        QTest::mouseClick(m_form.RadioGroup1, Qt::LeftButton, {}, point);
        return "radio group frame click at " + Text(point);
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    return "radio click on item " + std::to_string(item);
}

std::string TMonkey::SwitchPage() {
    const int page = Between(0, 1);
    ShowPage(page);
    return "page " + std::to_string(page);
}

std::string TMonkey::TurnChartWheel() {
    ShowPage(kGraphPage);
    const QPoint point = PointIn(*m_form.Chart1);
    const int delta = Between(-4, 4) * 120 + Between(-1, 1) * Between(1, 60);
    SendWheel(*m_form.Chart1, point, delta, Modifiers(Between(0, 3)));
    return "chart wheel " + std::to_string(delta) + " at " + Text(point);
}

std::string TMonkey::DragOnChart() {
    ShowPage(kGraphPage);
    static const std::array<Qt::MouseButton, 4> kButtons = {Qt::RightButton, Qt::RightButton,
                                                            Qt::LeftButton, Qt::MiddleButton};
    const Qt::MouseButton button = kButtons.at(static_cast<std::size_t>(Between(0, 3)));
    TChart& chart = *m_form.Chart1;
    const QPoint from = PointIn(chart);
    QPoint to = from;
    QTest::mousePress(&chart, button, {}, from);
    const int moves = Between(1, 5);
    for (int move = 0; move < moves; ++move) {
        to = PointIn(chart, 200);
        QTest::mouseMove(&chart, to);
    }
    QTest::mouseRelease(&chart, button, {}, to);
    return "chart drag button " + std::to_string(button) + " " + Text(from) + " to " + Text(to);
}

// The keyboard's month cursor: the chart takes the focus as Tab gives it, then one of the
// cursor's keys, with Ctrl now and then.
std::string TMonkey::MoveChartCursor() {
    ShowPage(kGraphPage);
    static const std::array<Qt::Key, 6> kKeys = {Qt::Key_Left,     Qt::Key_Right,  Qt::Key_PageUp,
                                                 Qt::Key_PageDown, Qt::Key_Escape, Qt::Key_Right};
    TChart& chart = *m_form.Chart1;
    chart.setFocus(Qt::TabFocusReason);
    const Qt::Key key =
        kKeys.at(static_cast<std::size_t>(Between(0, static_cast<int>(kKeys.size()) - 1)));
    const bool control = Between(0, 3) == 0;
    QTest::keyClick(&chart, key, control ? Qt::ControlModifier : Qt::NoModifier);
    return std::string("chart cursor key ") + (control ? "Ctrl+" : "") +
           QKeySequence(key).toString().toStdString();
}

std::string TMonkey::Resize() {
    if (Between(0, 1) == 0) {
        const QSize size(Between(1, 1400), Between(1, 1000));
        m_form.Window.resize(size);
        return "window resize " + std::to_string(size.width()) + "x" +
               std::to_string(size.height());
    }
    // The chart itself, down to nothing and back to its own size now and then.
    const QSize size =
        Between(0, 3) == 0 ? QSize(673, 385) : QSize(Between(0, 1400), Between(0, 1000));
    m_form.Chart1->resize(size);
    return "chart resize " + std::to_string(size.width()) + "x" + std::to_string(size.height());
}

std::string TMonkey::RunCommand() {
    switch (Between(0, 4)) {
    case 0:
        m_form.ReloadAction->trigger();
        RecordReload();
        return "reload";
    case 1:
        m_form.OpenDataFolder(m_form.DataFolder());
        RecordReload();
        return "open the same folder";
    case 2:
        ShowPage(kGraphPage);
        QTest::keyClick(&m_form.Window, Qt::Key_0, Qt::ControlModifier);
        return "fit to data";
    case 3:
        ShowPage(kGraphPage);
        QTest::keyClick(&m_form.Window, Qt::Key_Home);
        return "reset view";
    default:
        QTest::keyClick(&m_form.Window, Qt::Key_F10);
        m_form.MainMenu->hide();
        return "window menu";
    }
}

// The same bytes saved again, in place or by renaming a copy over the file: the follower reads
// them again once the save settles, and nothing shown may change but the figures' span.
std::string TMonkey::SaveDataFileAgain() {
    const QString name =
        Between(0, 1) == 0 ? QStringLiteral("TankData.txt") : QStringLiteral("TotalData.txt");
    const QString path = m_form.DataFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "no " + name.toStdString() + " to save again";
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (Between(0, 7) == 0) {
        return DeleteAndCreate(path, bytes);
    }
    const bool renameOver = Between(0, 1) == 0;
    QFile copy(renameOver ? path + QStringLiteral(".new") : path);
    if (copy.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        copy.write(bytes);
        copy.close();
    }
    if (renameOver) {
        QFile::remove(path);
        QFile::rename(path + QStringLiteral(".new"), path);
    }
    return (renameOver ? "renamed over " : "saved again ") + name.toStdString();
}

// A script that writes the file anew, or a restore from a backup: the file is gone for one read,
// then back. Both reads are waited for, so that the next event meets the file as it was.
std::string TMonkey::DeleteAndCreate(const QString& path, const QByteArray& bytes) {
    constexpr int kPatience = 10000;
    const int reads = m_reads;
    QFile::remove(path);
    const bool readMissing = QTest::qWaitFor([this, reads] { return m_reads > reads; }, kPatience);
    const int missingReads = m_reads;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
        file.close();
    }
    const bool readBack =
        QTest::qWaitFor([this, missingReads] { return m_reads > missingReads; }, kPatience);
    return "deleted and created again " + QFileInfo(path).fileName().toStdString() +
           (readMissing && readBack ? "" : " (the follower did not read it twice)");
}

void TMonkey::ShowPage(int page) {
    QTabWidget& pages = *m_form.PageControl1;
    if (pages.currentIndex() == page) {
        return;
    }
    QTabBar& tabs = *pages.tabBar();
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(page).center());
    if (pages.currentIndex() != page) {
        // The tab bar may have been resized out of reach; the user would still get there.
        pages.setCurrentIndex(page);
    }
}

void TMonkey::RecordClick(int row) {
    const int vehicles = Production1::Store().VehicleCount;
    if (row >= 1 && row <= vehicles) {
        m_group = {row};
        m_anchorRow = row;
    } else if (row == vehicles + 1) {
        m_group.clear();
    }
    if (const auto texts = ExpectedSpanTexts(row, m_choices)) {
        m_expectedEdits = *texts;
        m_lastFigureRow = row;
        m_figuresOfGroup = false;
        ++m_figureClicks;
    }
}

// A Ctrl+click takes the row into the group or out of it, a Shift+click adds the rows from the
// last one clicked; without a vehicle pick to grow, either is a plain click.
void TMonkey::RecordGroupClick(int row, bool range) {
    const int vehicles = Production1::Store().VehicleCount;
    if (m_group.empty() || row < 1 || row > vehicles) {
        RecordClick(row);
        return;
    }
    if (range) {
        const int anchor = std::clamp(m_anchorRow, 1, vehicles);
        for (int member = std::min(anchor, row); member <= std::max(anchor, row); ++member) {
            if (std::find(m_group.begin(), m_group.end(), member) == m_group.end()) {
                m_group.push_back(member);
            }
        }
    } else {
        const auto member = std::find(m_group.begin(), m_group.end(), row);
        if (member == m_group.end()) {
            m_group.push_back(row);
        } else {
            m_group.erase(member);
        }
        m_anchorRow = row;
    }
    m_expectedEdits = ExpectedGroupTexts(m_group, m_choices);
    m_figuresOfGroup = true;
    ++m_figureClicks;
}

void TMonkey::RecordReload() {
    if (m_figureClicks == 0) {
        return;
    }
    if (m_figuresOfGroup) {
        m_expectedEdits = ExpectedGroupTexts(m_group, m_choices);
    } else if (const auto texts = ExpectedSpanTexts(m_lastFigureRow, m_choices)) {
        m_expectedEdits = *texts;
    }
}

// The item a typed text names, worked out apart from the selector: an item's text, or for the
// months the month's name written out, blanks around and case aside; -1 for none.
int TMonkey::NamedItem(const TComboBox& box, const QString& text, bool months) {
    static const QStringList kMonthNames = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
    const QString name = text.trimmed().toLower();
    for (int i = 0; i < box.count(); ++i) {
        if (name == box.itemText(i).toLower() ||
            (months && i < kMonthNames.size() && name == kMonthNames.at(i).toLower())) {
            return i;
        }
    }
    return -1;
}

int TMonkey::Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

QPoint TMonkey::PointIn(const QWidget& widget, int overshoot) {
    return QPoint(Between(-overshoot, std::max(widget.width() - 1, 0) + overshoot),
                  Between(-overshoot, std::max(widget.height() - 1, 0) + overshoot));
}
