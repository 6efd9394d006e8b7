#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

// Every picture the program shows is drawn here by our own code, at the size it is shown, so
// nothing is a stretched bitmap.
namespace vantorel::art {

// Picture n (1..55) of the card pictures: 1..52 the faces in card-number order (suit 1 diamonds,
// 2 clubs, 3 hearts, 4 spades; within a suit Ace, 2..10, Jack, Queen, King), 53 the red back,
// 54 the blue back, 55 a white card lettered "WIN". `size` is in device-independent pixels; the
// pixmap is rendered at size * devicePixelRatio and carries that ratio.
QPixmap CardPicture(int n, QSize size, qreal devicePixelRatio = 1.0);

// The natural size of a card picture, about 137 x 199 pixels.
QSize CardPictureSize();

// The main window's icon: a black spade, a red heart / a red diamond, a black club, 2 x 2.
QIcon WindowIcon();

// The two icons of the icon bank: 1 a white speech balloon with a blue "i", 2 the same with a
// blue question mark; 32 x 32 with a 16 x 16 form.
QIcon IconBankIcon(int n);
inline constexpr int InformationBalloon = 1;
inline constexpr int QuestionBalloon = 2;

// The product logo, 95 x 140 pixels at its natural size.
QPixmap ProductLogo(qreal devicePixelRatio = 1.0);

// The hand-shaped pointer of a web link, hot spot at (12, 1).
QCursor HandCursor();

}  // namespace vantorel::art
