#include <gtest/gtest.h>

#include <QApplication>

// On the X display the test command starts, with openbox; without one, offscreen, to skip.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("DISPLAY").isEmpty() ? "offscreen" : "xcb;offscreen");
    QApplication app(argc, argv);
    qunsetenv("QT_QPA_PLATFORM");  // the programs that the tests start choose as a desktop's do
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
