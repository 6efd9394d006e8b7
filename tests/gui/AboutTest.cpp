#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "AboutPoker.h"
#include "QtSysInfoHost.h"
#include "RegistryWriter.h"
#include "VirtualTable.h"

namespace vantorel {
namespace {

using testing::AnswerModal;

std::string LinkColour(const QWidget& box) {
    const QLabel* link = box.findChild<QLabel*>("SiteLink");
    return link->palette().color(QPalette::WindowText).name().toStdString();
}

// An About box on screen: its link's target is recorded, its System Info button runs the launcher.
struct Fixture {
    Fixture() {
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    GameData data;
    std::vector<std::string> opened;
    AboutPoker box{data,
                   {[this](const std::string& target) { opened.push_back(target); },
                    [](QWidget& owner) {
                        QtSysInfoHost host(owner);
                        LaunchSystemInfo(host);
                    }},
                   nullptr};
};

TEST(AboutTest, LinkTurnsRedOnItAndBlueOnlyOverTheBareWindow) {
    Fixture f;
    // Places from the design: link (16, 248), notice (16, 184), OK (304, 192).
    const std::string blue = "#0000ff", red = "#ff0000";
    const std::tuple<const char*, QPoint, std::string> moves[] = {
        {"OntoTheLink", {20, 255}, red},      {"OverTheNotice", {20, 200}, red},
        {"OverTheOkButton", {320, 200}, red}, {"OverTheBareWindow", {120, 60}, blue},
        {"BackOntoTheLink", {30, 256}, red},  {"OverTheRule", {200, 168}, blue},
    };
    for (const auto& [name, at, colour] : moves) {
        QTest::mouseMove(&f.box, at);
        EXPECT_EQ(colour, LinkColour(f.box)) << name;
    }
    QTest::mouseClick(f.box.findChild<QLabel*>("SiteLink"), Qt::LeftButton);
    EXPECT_EQ(std::vector<std::string>{"http://vantorel.example/index.html?pkr"}, f.opened);
    EXPECT_TRUE(f.box.isVisible());
}

TEST(AboutTest, AltSShowsTheLauncherMessageOverTheBoxAndEnterThenCloses) {
    registry::DeleteKey("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    registry::DeleteKey("SOFTWARE\\Microsoft\\Shared Tools Location");
    Fixture f;
    const auto altS = [&] {
        QTest::keyClick(&f.box, Qt::Key_S, Qt::AltModifier);
        QTest::qWait(300);  // a shortcut's click lands a little later
    };
    EXPECT_TRUE(AnswerModal(altS, [&](QDialog& modal) {
        auto* message = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(nullptr, message);
        EXPECT_EQ("System Information Is Unavailable At This Time", message->text().toStdString());
        EXPECT_EQ("Vantorel", message->windowTitle().toStdString());
        EXPECT_EQ(&f.box, message->parentWidget());
        EXPECT_EQ(QMessageBox::NoIcon, message->icon());
        message->accept();
    }));
    EXPECT_TRUE(f.box.isVisible());
    EXPECT_FALSE(AnswerModal([&] { QTest::keyClick(f.box.focusWidget(), Qt::Key_Return); },
                             [](QDialog& modal) { modal.done(0); }))
        << "Enter pressed System Info";
    EXPECT_FALSE(f.box.isVisible()) << "Enter presses OK";
}

}  // namespace
}  // namespace vantorel
