// Built only by the layering test: the study layer links Qt Core alone, so a file of it that
// includes a widget must fail to compile.
#include "ViewFit.h"

#include <QWidget>

int StudyWidgetCheck() {
    return 0;
}
