#pragma once
// The colours of the window's visual cues, derived from the desktop's palette so that they read
// under light and dark themes alike.

#include <QColor>

namespace Armalyx::CueColors {

// The field of a selector that holds typed text instead of a picked item: its background tinted
// amber.
QColor TypedFieldColor(const QColor& base);
// Text shown dimmed: halfway between the text colour and the background.
QColor DimmedTextColor(const QColor& text, const QColor& base);

} // namespace Armalyx::CueColors
