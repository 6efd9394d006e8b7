#include "CardPlace.h"

#include <QPainter>
#include <array>

#include "Artwork.h"
#include "Cards.h"

namespace vantorel {

namespace {

// What a screen reader says for a picture of the card list.
QString PictureName(int picture) {
    static constexpr std::array<const char*, RankCount + 1> Ranks = {
        "",      "Ace",   "Two",  "Three", "Four", "Five",  "Six",
        "Seven", "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    static constexpr std::array<const char*, SuitCount + 1> Suits = {"", "Diamonds", "Clubs",
                                                                     "Hearts", "Spades"};
    if (picture >= 1 && picture <= CardCount) {
        return QString("%1 of %2").arg(Ranks[RankOf(picture)], Suits[SuitOf(picture)]);
    }
    if (picture == RedBackPicture || picture == BlueBackPicture) return "card back";
    if (picture == WinPicture) return "win";
    return {};
}

}  // namespace

CardPlace::CardPlace(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CardPlace::SetPicture(int picture) {
    if (picture == picture_) return;
    picture_ = picture;
    setAccessibleName(PictureName(picture));
    update();
}

void CardPlace::paintEvent(QPaintEvent*) {
    if (picture_ == 0) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, art::CardPicture(picture_, size(), devicePixelRatioF()));
}

}  // namespace vantorel
