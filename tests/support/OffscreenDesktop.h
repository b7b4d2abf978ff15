#pragma once

namespace Armalyx {

// Prepares the environment for a QApplication on the off-screen display (unless another display
// was asked for), with the scaling variables cleared so that pixel positions do not depend on the
// runner's desktop. Call it before the application is made.
void UseOffscreenDesktop();

} // namespace Armalyx
