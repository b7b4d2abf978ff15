// Entry point of the widget and drawing tests: one off-screen QApplication for the whole run,
// with the scaling variables cleared so that pixel positions do not depend on the runner's desktop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    unsetenv("QT_SCALE_FACTOR");
    unsetenv("QT_FONT_DPI");
    unsetenv("QT_SCREEN_SCALE_FACTORS");
    unsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    QApplication application(argc, argv);
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("MS Serif", "Liberation Serif");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
