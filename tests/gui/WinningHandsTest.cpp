#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include "WinningHands.h"

namespace vantorel {
namespace {

// Only True (-1) shows the pay table; any other value, 1 too, shows the statistics, whose totals
// stop at the edges of the 16-bit range when more wins are counted than a count can hold. How each
// mode looks, every text in place, is the windows' reference images' to check.
TEST(WinningHandsTest, OnlyTrueShowsThePayTableAndTheTotalsStopAtTheEdges) {
    GameData game;
    game.HandStats = {0, 32767, 8, 7, 6, 5, 4, 3, 2, 1, 37};
    for (const Flag flag : {FlagTrue, FlagFalse, Flag{1}}) {
        game.ShowPayTable = flag;
        WinningHands window(game, nullptr);
        window.show();
        const auto text = [&window](const char* name) {
            return window.findChild<QLabel*>(name)->text();
        };
        const auto* totals = window.findChild<QGroupBox*>("HandsPlayed");
        EXPECT_EQ(flag == FlagTrue, totals->isHidden()) << flag;
        if (flag == FlagTrue) continue;
        EXPECT_EQ((QStringList{"Of  37 hands played...", " 32767", "-32766", "Frequency"}),
                  (QStringList{totals->title(), text("Won"), text("Lost"), text("Value_Clmn")}));
    }
}

}  // namespace
}  // namespace vantorel
