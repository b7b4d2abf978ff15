// The program entry: one application, one window, the event loop until the window closes.

#include "TApplication.h"
#include "TForm1.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    TForm1 Form1;
    Form1.show();
    return TApplication::exec();
}
