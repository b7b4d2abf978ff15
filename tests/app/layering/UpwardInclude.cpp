// Built only by the layering test, against the program's lowest layer alone: a study file that
// includes the window's header must fail to compile, because the layers above are not visible
// from below.
#include "ViewFit.h"

#include "TForm1.h"

int UpwardIncludeCheck() {
    return 0;
}
