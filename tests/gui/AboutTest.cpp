#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "AboutPoker.h"
#include "QtSysInfoHost.h"
#include "RegistryWriter.h"
#include "VirtualTable.h"

namespace vantorel {
namespace {

std::string Text(const QWidget& box, const char* label) {
    return box.findChild<QLabel*>(label)->text().toStdString();
}
std::string LinkColour(const QWidget& box) {
    return box.findChild<QLabel*>("SiteLink")
        ->palette()
        .color(QPalette::WindowText)
        .name()
        .toStdString();
}

// Runs `answer` on the modal window that `open` brings up; a watchdog closes it if the answer
// never comes, so the test fails instead of hanging.
void AnswerModal(const std::function<void()>& open, const std::function<void(QWidget&)>& answer) {
    bool answered = false;
    QTimer::singleShot(100, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answered = true;
            answer(*modal);
        }
    });
    QTimer::singleShot(5000, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(0);
    });
    open();
    EXPECT_TRUE(answered) << "no modal window came up";
}

// An About box on screen, recording what it asks of the desktop.
struct Fixture {
    Fixture() {
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    GameData data;
    std::vector<std::string> opened;
    int launches = 0;
    AboutPoker box{data,
                   {[this](const std::string& target) { opened.push_back(target); },
                    [this](QWidget&) { ++launches; }},
                   nullptr};
};

TEST(AboutTest, HelpMenuOpensTheBoxWithItsTexts) {
    testing::VirtualTable f;
    f.table.show();
    std::vector<std::string> seen;
    AnswerModal([&] { f.Find<QAction>("Menus_Help_About").trigger(); },
                [&](QWidget& box) {
                    const QLabel& link = *box.findChild<QLabel*>("SiteLink");
                    seen = {box.objectName().toStdString(),
                            box.windowTitle().toStdString(),
                            Text(box, "lblTitle"),
                            Text(box, "lblVersion"),
                            Text(box, "lblDescription"),
                            Text(box, "SiteLink"),
                            LinkColour(box),
                            link.font().underline() ? "underlined" : "plain"};
                    EXPECT_EQ(QPoint(12, 1), link.cursor().hotSpot());
                    EXPECT_EQ(QSize(411, 278), box.size());  // 6165 x 4170 twips
                    QTest::keyClick(&box, Qt::Key_Escape);
                });
    const std::vector<std::string> expected{
        "About_Poker",
        "About Vantorel",
        "Vantorel",
        "Version 1.12.1112 (29/03/04)",
        "An easy to play Video Draw Poker game for Windows 9x/NT",
        "Vantorel Home",
        "#0000ff",
        "underlined"};
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(nullptr, QApplication::activeModalWidget()) << "Escape closes the box";
}

TEST(AboutTest, LinkTurnsRedOnItAndBlueOnlyOverTheBareWindow) {
    Fixture f;
    // Places worked out from the design: the link at (16, 248), the logo at (16, 16), the
    // notice at (16, 184), OK at (304, 192), the rule at y = 168, the top line at y = 0 and a gap
    // between the logo and the texts at x = 120.
    const std::string blue = "#0000ff", red = "#ff0000";
    const struct {
        const char* name;
        QPoint at;
        std::string colour;
    } moves[] = {
        {"OntoTheLink", {20, 255}, red},        {"OverTheNotice", {20, 200}, red},
        {"OverTheLogo", {50, 100}, red},        {"OverTheOkButton", {320, 200}, red},
        {"OverTheBareWindow", {120, 60}, blue}, {"BackOntoTheLink", {30, 256}, red},
        {"OverTheRule", {200, 168}, blue},      {"OntoTheLinkAgain", {40, 252}, red},
        {"OverTheTopLine", {200, 0}, blue},     {"RestingOnTheLink", {30, 256}, red},
    };
    for (const auto& move : moves) {
        QTest::mouseMove(&f.box, move.at);
        EXPECT_EQ(move.colour, LinkColour(f.box)) << move.name;
    }
    QTest::mouseClick(f.box.findChild<QLabel*>("SiteLink"), Qt::LeftButton);
    EXPECT_EQ(std::vector<std::string>{"http://vantorel.example/index.html?pkr"}, f.opened);
    EXPECT_EQ(red, LinkColour(f.box)) << "the pointer rests on the link after the click";
    EXPECT_TRUE(f.box.isVisible());
}

TEST(AboutTest, KeysPressTheButtons) {
    Fixture f;
    QTest::keyClick(&f.box, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(300);  // a shortcut's click lands a little later
    EXPECT_EQ(1, f.launches);
    QTest::keyClick(&f.box, Qt::Key_Tab);  // from OK, which has the focus, to System Info
    QTest::keyClick(&f.box, Qt::Key_Return);
    EXPECT_EQ(2, f.launches);
    EXPECT_TRUE(f.box.isVisible());

    Fixture g;
    QTest::keyClick(&g.box, Qt::Key_Return);
    EXPECT_FALSE(g.box.isVisible());
    EXPECT_EQ(0, g.launches);
}

TEST(AboutTest, UnavailableMessageIsModalOverTheBoxWhichStaysOpen) {
    for (const char* key : {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                            "SOFTWARE\\Microsoft\\Shared Tools Location"}) {
        registry::DeleteKey(registry::LocalMachine, key);
    }
    GameData data;
    AboutPoker box(data,
                   {nullptr,
                    [](QWidget& owner) {
                        QtSysInfoHost host(owner);
                        LaunchSystemInfo(host);
                    }},
                   nullptr);
    box.show();
    std::vector<std::string> seen;
    AnswerModal(
        [&] { QTest::mouseClick(box.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton); },
        [&](QWidget& modal) {
            auto* message = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(nullptr, message);
            EXPECT_EQ(&box, message->parentWidget());
            EXPECT_EQ(QMessageBox::NoIcon, message->icon());
            EXPECT_EQ(QMessageBox::Ok, message->standardButtons());
            seen = {message->text().toStdString(), message->windowTitle().toStdString()};
            message->button(QMessageBox::Ok)->click();
        });
    EXPECT_EQ(
        (std::vector<std::string>{"System Information Is Unavailable At This Time", "Vantorel"}),
        seen);
    EXPECT_TRUE(box.isVisible());
}

}  // namespace
}  // namespace vantorel
