#pragma once
// One of the three figures beside the span selectors: a read-only box showing a count. A screen
// reader hears it by what it counts, over which span, with the count whole ("Production of T-34,
// Jan 1941 to Dec 1945: 35,249"), and whether it is out of date.

#include <QLineEdit>
#include <QString>

class TFigureBox final : public QLineEdit {
    Q_OBJECT

public:
    explicit TFigureBox(QWidget* parent);

    // What a screen reader hears for the figure; empty leaves it the box's name and count.
    QString SpokenText() const { return m_spokenText; }
    // Tells a screen reader when the spoken text changes.
    void SetSpokenText(const QString& spoken);

private:
    QString m_spokenText;
};
