// Entry point of the widget and drawing tests: one off-screen QApplication for the whole run.
#include "OffscreenDesktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

using namespace Armalyx;

int main(int argc, char** argv) {
    UseOffscreenDesktop();
    QApplication application(argc, argv);
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("MS Serif", "Liberation Serif");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
