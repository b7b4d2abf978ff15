#pragma once
// What a screen reader is told when the user changes the work and nothing else would say so: a
// pick ("T-34 picked, with KV-1."), a command done ("Chart copied."), a step taken back, figures
// gone out of date. A few words each, said once.

#include <QString>
#include <QStringList>

namespace Armalyx::ChangeSpeech {

// The picks before and after, as the study names them (lend-lease first, then the pairs):
// "T-34 picked.", "T-34 picked, with KV-1.", "KV-1 no longer picked.", "No vehicle picked.";
// empty when the names are the same.
QString PicksText(const QStringList& before, const QStringList& after);
// "Undone: pick of KV-1.", "Redone: zoom."; empty without a step.
QString UndoneText(const QString& stepLabel);
QString RedoneText(const QString& stepLabel);
// The figures went out of date: a span selector changed after they were computed.
QString FiguresOutOfDateText();
// The commands that change nothing on screen.
QString ChartCopiedText();
QString TableCopiedText();
// The chart's numbers, a row per month.
QString ChartDataCopiedText(int months);
QString ViewFittedText();
QString ViewResetText();

} // namespace Armalyx::ChangeSpeech
