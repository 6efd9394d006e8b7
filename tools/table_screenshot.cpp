// Draws the table as a player sees it and writes it to a PNG:
//   table_screenshot <file.png> [startup|holding|blue|deck]
// "holding" deals a fixed hand (a pair of Jacks and three odd cards) and holds the Jacks, as in
// the middle of a round; "blue" starts a game with blue backs; "deck" draws the card-back dialog
// instead of the table.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstring>

#include "DeckColour.h"
#include "NullServices.h"
#include "Random.h"
#include "Table.h"

namespace {

// Plays back the numbers that deal a chosen hand.
class Script final : public vantorel::RandomSource {
  public:
    float Next() override { return numbers_[next_++ % numbers_.size()]; }
    void Reseed() override {}
    void Queue(int card) {
        numbers_.push_back((static_cast<float>(vantorel::SuitOf(card) - 1) + 0.5f) / 4.0f);
        numbers_.push_back((static_cast<float>(vantorel::RankOf(card) - 1) + 0.5f) / 13.0f);
    }

  private:
    std::vector<float> numbers_{0.6f};
    std::size_t next_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.png> [startup|holding|blue|deck]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    vantorel::NoDelay delayer;
    vantorel::NoSound sound;
    Script random;
    vantorel::Table table(vantorel::TableServices{delayer, sound, random});
    table.show();
    const auto mode = [&](const char* name) { return argc > 2 && std::strcmp(argv[2], name) == 0; };
    if (mode("deck")) {
        vantorel::DeckColour dialog(table.Data(), &table);
        dialog.show();
        QApplication::processEvents();
        return dialog.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    if (mode("blue")) {
        table.Data().RedDeck = vantorel::FlagFalse;
        QMetaObject::invokeMethod(table.findChild<QObject*>("Place_Bet"), "click");  // New Game
    }
    if (mode("holding")) {
        for (int card : {24, 50, 19, 4, 35}) random.Queue(card);
        QMetaObject::invokeMethod(table.findChild<QObject*>("Place_Bet"), "click");  // New Game
        QMetaObject::invokeMethod(table.findChild<QObject*>("Place_Bet"), "click");  // Deal
        QMetaObject::invokeMethod(table.findChild<QObject*>("HC_1"), "click");
        QMetaObject::invokeMethod(table.findChild<QObject*>("HC_2"), "click");
    }
    QApplication::processEvents();
    return table.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
