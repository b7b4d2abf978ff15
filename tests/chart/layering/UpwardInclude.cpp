// Built only by the layering test, against the lowest chart layer alone: a file of that layer that
// includes a header of the panel layer must fail to compile, because the layers above are not
// visible from below.
#include "TChartGeometry.h"

#include "TChart.h"

int UpwardIncludeCheck() {
    return TRect{}.Width();
}
