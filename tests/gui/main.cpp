#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

// gtest discovery runs this binary outside ctest's environment, so the platform is chosen here.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("DISPLAY");  // so no desktop bus is started on the tests' behalf
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    // The windows are drawn as reviewed whatever this machine's desktop prefers.
    QApplication::setStyle("Fusion");
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    QApplication::setFont(font);
    // Tests close main windows; that must not end every event loop of the later tests.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
