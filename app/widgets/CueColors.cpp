#include "CueColors.h"

namespace Armalyx::CueColors {
namespace {

const QColor kAmber(0xFF, 0xAA, 0x00);
constexpr int kTypedTintPercent = 35;
constexpr int kDimmedPercent = 50;

int MixChannel(int from, int to, int percent) {
    return from + (to - from) * percent / 100;
}

// The colour percent of the way from one colour to another.
QColor Mix(const QColor& from, const QColor& to, int percent) {
    return QColor(MixChannel(from.red(), to.red(), percent),
                  MixChannel(from.green(), to.green(), percent),
                  MixChannel(from.blue(), to.blue(), percent));
}

} // namespace

QColor TypedFieldColor(const QColor& base) {
    return Mix(base, kAmber, kTypedTintPercent);
}

QColor DimmedTextColor(const QColor& text, const QColor& base) {
    return Mix(text, base, kDimmedPercent);
}

} // namespace Armalyx::CueColors
