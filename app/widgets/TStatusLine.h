#pragma once
// The data status line: what the last load made of the data files, in a few lines of plain
// text. A screen reader finds it as the window's status bar, reads its whole text and is told
// when it changes.

#include <QLabel>

class TStatusLine final : public QLabel {
    Q_OBJECT

public:
    explicit TStatusLine(QWidget* parent);

    // Shows the text and tells a screen reader what changed.
    void SetStatusText(const QString& text);
};
