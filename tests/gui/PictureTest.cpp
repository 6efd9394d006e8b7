#include <gtest/gtest.h>

#include <QFontInfo>

#include "Artwork.h"
#include "CardPlace.h"
#include "ReferenceImage.h"
#include "TextShape.h"

namespace vantorel {
namespace {

using testing::MatchesReference;

// Every picture against its reviewed reference at a card place's size on the table, and a set
// with each suit, a court and the win card on a double-density screen. A card's reference is named
// by its number and by what a screen reader says of the place that shows it, so the name is
// checked against the reviewed picture too.
TEST(PictureTest, EveryPictureIsDrawnAsReviewed) {
    ASSERT_EQ("DejaVu Sans", QFontInfo(art::LetteringFont()).family().toStdString())
        << "the lettering's font is missing: fonts-dejavu-core";
    CardPlace place(nullptr);
    for (int n = 1; n <= 55; ++n) {
        place.SetPicture(n);
        const QString name = testing::CardReference(place);
        EXPECT_TRUE(MatchesReference(art::CardPicture(n, {113, 201}).toImage(), name));
        if (QList{10, 14, 34, 40, 50, 55}.contains(n)) {
            EXPECT_TRUE(MatchesReference(art::CardPicture(n, {113, 201}, 2).toImage(),
                                         QString(name).replace("cards/", "cards@2x/")));
        }
    }
    EXPECT_TRUE(MatchesReference(art::ProductLogo().toImage(), "logo"));
    EXPECT_TRUE(MatchesReference(art::ProductLogo(2).toImage(), "logo@2x"));
    const std::pair<const char*, QIcon> icons[] = {
        {"suits", art::WindowIcon()},
        {"information", art::IconBankIcon(art::InformationBalloon)},
        {"question", art::IconBankIcon(art::QuestionBalloon)}};
    for (const auto& [name, icon] : icons)
        for (const int side : {16, 32})
            EXPECT_TRUE(MatchesReference(icon.pixmap(side).toImage(),
                                         QString("%1-%2").arg(name).arg(side)));
    const QCursor hand = art::HandCursor();
    EXPECT_TRUE(MatchesReference(hand.pixmap().toImage(), "hand"));
    EXPECT_EQ(QPoint(12, 1), hand.hotSpot()) << "the pointer's hot spot is the finger's tip";
}

}  // namespace
}  // namespace vantorel
