#include "OffscreenDesktop.h"

#include <cstdlib>

namespace Armalyx {

void UseOffscreenDesktop() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    unsetenv("QT_SCALE_FACTOR");
    unsetenv("QT_FONT_DPI");
    unsetenv("QT_SCREEN_SCALE_FACTORS");
    unsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
}

} // namespace Armalyx
