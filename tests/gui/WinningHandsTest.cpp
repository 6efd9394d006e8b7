#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <array>
#include <map>
#include <memory>

#include "WinningHands.h"

namespace vantorel {
namespace {

QString Text(const QWidget& window, const QString& name) {
    if (const auto* label = window.findChild<QLabel*>(name)) return label->text();
    if (const auto* box = window.findChild<QGroupBox*>(name)) return box->title();
    return "<no " + name + ">";
}

// The nine rows top to bottom: the hand code its count is kept under, hand, description, pay.
struct HandRow {
    int code;
    const char *name, *description, *pay;
};
constexpr std::array<HandRow, 9> Rows{{
    {9, "Royal Flush", "A,K,Q,J,10 of the same suit.", "1000"},
    {8, "Running Flush", "Five consecutive cards of the same suit.", "50"},
    {5, "Four of a Kind", "Four cards of the same value.", "25"},
    {4, "Full House", "Three cards of the same value and any pair.", "8"},
    {7, "Flush", "Five cards of the same suit.", "5"},
    {6, "Run", "Five consecutive cards of any suit.", "4"},
    {3, "Three of a Kind", "Three cards of the same value.", "3"},
    {2, "Two Pairs", "Two pairs.", "2"},
    {1, "Jacks or Better", "One pair J,Q,K,A.", "1"},
}};

// The lines that hold a value, top to bottom, each read left to right as the player reads it.
QList<QStringList> ReadRows(const QWidget& window) {
    std::map<int, std::map<int, const QLabel*>> lines;  // by top, then by left
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window)) lines[label->y()][label->x()] = label;
    QList<QStringList> rows;
    for (const auto& [top, line] : lines) {
        QStringList texts;
        for (const auto& [left, label] : line) texts << label->text();
        if (line.rbegin()->second->objectName().startsWith("WinVal_")) rows << texts;
    }
    return rows;
}

std::unique_ptr<WinningHands> Open(GameData& game, Flag showPayTable) {
    game.ShowPayTable = showPayTable;
    auto window = std::make_unique<WinningHands>(game, nullptr);
    window->show();
    return window;
}

TEST(WinningHandsTest, TrueShowsThePayTableAndAnythingElseTheStatistics) {
    GameData game;
    // More wins than hands played, and more than the count of hands won can hold: it stops there.
    game.HandStats = {0, 32767, 8, 7, 6, 5, 4, 3, 2, 1, 37};
    for (const Flag flag : {FlagTrue, FlagFalse, Flag{1}}) {
        const bool payTable = flag == FlagTrue;
        const auto window = Open(game, flag);
        EXPECT_EQ(payTable ? "Vantorel - Winning Hands" : "Vantorel - Game Statistics",
                  window->windowTitle());
        EXPECT_EQ(payTable ? "A list of winning hands, a short description and their values..."
                           : "Breakdown of Winning Hands.",
                  Text(*window, "WinHandFrame"));
        EXPECT_EQ(payTable ? "Value (*Bet Placed)" : "Frequency", Text(*window, "Value_Clmn"));
        QList<QStringList> rows;
        for (const HandRow& row : Rows)
            rows << QStringList{row.name, ":-", row.description, "=",
                                payTable ? row.pay : QString::number(game.HandStats[row.code])};
        EXPECT_EQ(rows, ReadRows(*window)) << flag;
        EXPECT_EQ(payTable, window->findChild<QGroupBox*>("HandsPlayed")->isHidden());
        if (!payTable) {
            EXPECT_EQ("Of  37 hands played...", Text(*window, "HandsPlayed"));
            EXPECT_EQ(" 32767", Text(*window, "Won"));
            EXPECT_EQ("-32766", Text(*window, "Lost"));
        }
    }
}

}  // namespace
}  // namespace vantorel
