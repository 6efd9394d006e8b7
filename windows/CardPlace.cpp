#include "CardPlace.h"

#include <QPainter>

#include "Artwork.h"

namespace vantorel {

CardPlace::CardPlace(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CardPlace::SetPicture(int picture) {
    if (picture == picture_) return;
    picture_ = picture;
    update();
}

void CardPlace::paintEvent(QPaintEvent*) {
    if (picture_ == 0) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, art::CardPicture(picture_, size(), devicePixelRatioF()));
}

}  // namespace vantorel
