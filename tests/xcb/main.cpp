#include <gtest/gtest.h>

#include <QApplication>

// The X platform opens a desktop bus connection that its library keeps to the end of the program.
// The leak checker is told here rather than by the environment, so listing the tests at build
// time, outside the test runner, passes too.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

// These tests measure what a window manager does to the windows, so they run on a real X display
// (the test command starts one, with openbox). Without a display they start on the offscreen
// platform and skip, saying why.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb;offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
