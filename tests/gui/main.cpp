#include <gtest/gtest.h>

#include <QApplication>

// gtest discovery runs this binary outside ctest's environment, so the platform is chosen here.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("DISPLAY");  // so no desktop bus is started on the tests' behalf
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    // Tests close main windows; that must not end every event loop of the later tests.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
