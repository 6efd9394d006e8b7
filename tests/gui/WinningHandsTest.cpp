#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include "WinningHands.h"

namespace vantorel {
namespace {

// Only True, -1 exactly, shows the pay table: 1 shows the statistics, whose totals stop at the
// edges of the 16-bit range when more wins are counted than a count can hold. How each mode looks
// is the reference images' to check.
TEST(WinningHandsTest, AnythingButTrueShowsTheStatisticsWhoseTotalsStopAtTheEdges) {
    GameData game;
    game.HandStats = {0, 32767, 8, 7, 6, 5, 4, 3, 2, 1, 37};
    game.ShowPayTable = 1;
    const WinningHands window(game, nullptr);
    const auto text = [&window](const char* name) {
        return window.findChild<QLabel*>(name)->text();
    };
    EXPECT_EQ(
        (QStringList{"Vantorel - Game Statistics", "Of  37 hands played...", " 32767", "-32766"}),
        (QStringList{window.windowTitle(), window.findChild<QGroupBox*>("HandsPlayed")->title(),
                     text("Won"), text("Lost")}));
}

}  // namespace
}  // namespace vantorel
