#include <gtest/gtest.h>

#include <QApplication>

// The GUI tests drive real widgets; the offscreen platform needs no display. gtest discovery runs
// this binary outside ctest's environment, so the platform is chosen here, before QApplication.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The test command runs an X display for the window-manager tests; these never use it, and
    // without one no desktop bus is started on their behalf.
    qunsetenv("DISPLAY");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    // Tests close main windows; that must not end every event loop of the later tests.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
