#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <string>
#include <vector>

#include "AboutPoker.h"
#include "GameData.h"
#include "QtSysInfoHost.h"
#include "RegistryWriter.h"
#include "VirtualTable.h"

namespace vantorel {
namespace {

// An About box shown on screen, recording what it asks of the desktop.
struct Fixture {
    Fixture() {
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    QLabel& Label(const char* name) { return *box.findChild<QLabel*>(name); }
    std::string Text(const char* name) { return Label(name).text().toStdString(); }
    QPushButton& Button(const char* name) { return *box.findChild<QPushButton*>(name); }
    std::string LinkColour() {
        return Label("SiteLink").palette().color(QPalette::WindowText).name().toStdString();
    }

    GameData data = [] {
        GameData shared;
        shared.VersionDate = "(29/03/04)";
        return shared;
    }();
    std::vector<std::string> opened;
    int launches = 0;
    AboutPoker box{data,
                   {[this](const std::string& target) { opened.push_back(target); },
                    [this](QWidget&) { ++launches; }},
                   nullptr};
};

TEST(AboutTest, ShowsItsTextsAndTheLink) {
    Fixture f;
    EXPECT_EQ("About_Poker", f.box.objectName().toStdString());
    EXPECT_EQ("About Vantorel", f.box.windowTitle().toStdString());
    EXPECT_EQ("Vantorel", f.Text("lblTitle"));
    EXPECT_EQ("Version 1.12.1112 (29/03/04)", f.Text("lblVersion"));
    EXPECT_EQ("An easy to play Video Draw Poker game for Windows 9x/NT", f.Text("lblDescription"));
    QLabel& link = f.Label("SiteLink");
    EXPECT_EQ("Vantorel Home", f.Text("SiteLink"));
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ("#0000ff", f.LinkColour());
    EXPECT_EQ(QPoint(12, 1), link.cursor().hotSpot());
    EXPECT_EQ(QSize(95, 140), f.Label("InfoLogo").pixmap().deviceIndependentSize().toSize());
    EXPECT_EQ(QSize(411, 278), f.box.size());  // 6165 x 4170 twips
    if (const char* shot = std::getenv("ABOUT_SHOT")) f.box.grab().save(shot);
}

TEST(AboutTest, LinkTurnsRedOnItAndBlueOnlyOverTheBareWindow) {
    Fixture f;
    // Places worked out from the design: the link at (16, 248), the logo at (16, 16), the
    // disclaimer at (16, 184), the rule at y = 168, the gap between logo and texts at x = 120.
    const std::string blue = "#0000ff", red = "#ff0000";
    const struct {
        const char* name;
        QPoint at;
        std::string colour;
    } moves[] = {
        {"OntoTheLink", {20, 255}, red},        {"OverTheDisclaimer", {20, 200}, red},
        {"OverTheLogo", {50, 100}, red},        {"OverTheOkButton", {320, 200}, red},
        {"OverTheBareWindow", {120, 60}, blue}, {"BackOntoTheLink", {30, 256}, red},
        {"OverTheRule", {200, 168}, blue},      {"OntoTheLinkAgain", {40, 252}, red},
        {"OverTheTopLine", {200, 0}, blue},
    };
    for (const auto& move : moves) {
        QTest::mouseMove(&f.box, move.at);
        EXPECT_EQ(move.colour, f.LinkColour()) << move.name;
    }
    QTest::mouseMove(&f.box, {30, 256});
    QTest::mouseClick(&f.Label("SiteLink"), Qt::LeftButton);
    EXPECT_EQ(std::vector<std::string>{"http://vantorel.example/index.html?pkr"}, f.opened);
    EXPECT_EQ(red, f.LinkColour()) << "the pointer rests on the link after the click";
    EXPECT_TRUE(f.box.isVisible());
}

TEST(AboutTest, KeysPressTheButtons) {
    Fixture f;
    EXPECT_TRUE(f.Button("cmdOK").hasFocus());
    QTest::keyClick(&f.box, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(300);  // a shortcut's click lands a little later
    EXPECT_EQ(1, f.launches);
    QTest::keyClick(&f.box, Qt::Key_Tab);
    EXPECT_TRUE(f.Button("cmdSysInfo").hasFocus());
    QTest::keyClick(&f.box, Qt::Key_Return);
    EXPECT_EQ(2, f.launches);
    EXPECT_TRUE(f.box.isVisible());
    QTest::keyClick(&f.box, Qt::Key_Escape);
    EXPECT_FALSE(f.box.isVisible());

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
    QMessageBox* seen = nullptr;
    QString text, title;
    QTimer::singleShot(100, [&] {
        seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (seen == nullptr) return;
        text = seen->text();
        title = seen->windowTitle();
        EXPECT_EQ(&box, seen->parentWidget());
        EXPECT_EQ(QMessageBox::NoIcon, seen->icon());
        EXPECT_EQ(QMessageBox::Ok, seen->standardButtons());
        seen->button(QMessageBox::Ok)->click();
    });
    QTimer::singleShot(5000, [] {  // watchdog
        if (auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            modal->done(0);
        }
    });
    QTest::mouseClick(box.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    ASSERT_NE(nullptr, seen) << "no message box was shown";
    EXPECT_EQ("System Information Is Unavailable At This Time", text.toStdString());
    EXPECT_EQ("Vantorel", title.toStdString());
    EXPECT_TRUE(box.isVisible());
}

TEST(AboutTest, HelpMenuOpensTheBoxModallyWithTheTablesVersionDate) {
    testing::VirtualTable f;
    f.table.show();
    std::string title, version;
    bool modal = false;
    QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<AboutPoker*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        modal = true;
        title = box->windowTitle().toStdString();
        version = box->findChild<QLabel*>("lblVersion")->text().toStdString();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTimer::singleShot(5000, [] {  // watchdog
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->done(0);
    });
    f.Find<QAction>("Menus_Help_About")->trigger();
    EXPECT_TRUE(modal);
    EXPECT_EQ("About Vantorel", title);
    EXPECT_EQ("Version 1.12.1112 (29/03/04)", version);
    EXPECT_EQ(nullptr, QApplication::activeModalWidget());
}

}  // namespace
}  // namespace vantorel
