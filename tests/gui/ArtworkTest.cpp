#include <gtest/gtest.h>

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <functional>
#include <utility>
#include <vector>

#include "Artwork.h"
#include "Cards.h"

namespace vantorel::art {
namespace {

// The size of a card place on the table.
const QSize TableCardSize(113, 201);

QImage CardImage(int n) {
    return CardPicture(n, TableCardSize).toImage();
}

int CountPixels(const QImage& image, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += test(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

TEST(CardPictureTest, EveryPictureFillsTheDevicePixelsOfItsRatio) {
    for (const auto& [ratio, deviceSize] :
         {std::pair{1.0, QSize(113, 201)}, {1.5, QSize(170, 302)}, {2.0, QSize(226, 402)}}) {
        for (int n = 1; n <= PictureCount; ++n) {
            SCOPED_TRACE(testing::Message() << "picture " << n << " at " << ratio);
            const QPixmap picture = CardPicture(n, TableCardSize, ratio);
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(deviceSize.width(), picture.width());
            EXPECT_EQ(deviceSize.height(), picture.height());
            EXPECT_EQ(ratio, picture.devicePixelRatio());
            const QImage image = picture.toImage();
            // The corners are rounded off, so the table shows through there; the middle is inked.
            EXPECT_EQ(0, image.pixelColor(0, 0).alpha());
            EXPECT_EQ(255, image.pixelColor(image.width() / 2, image.height() / 2).alpha());
        }
    }
    EXPECT_TRUE(CardPicture(0, TableCardSize).isNull());
    EXPECT_TRUE(CardPicture(PictureCount + 1, TableCardSize).isNull());
}

TEST(CardPictureTest, AllPicturesAreDifferent) {
    std::vector<QImage> images;
    for (int n = 1; n <= PictureCount; ++n) images.push_back(CardImage(n));
    std::vector<std::pair<int, int>> alike;
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (std::size_t j = i + 1; j < images.size(); ++j) {
            if (images[i] == images[j]) alike.emplace_back(i + 1, j + 1);
        }
    }
    EXPECT_EQ((std::vector<std::pair<int, int>>{}), alike);
}

TEST(CardPictureTest, RedSuitsAreInkedRedAndBlackSuitsNever) {
    // The suit red and nothing near gold, skin or brown: strongly red, little green or blue.
    const auto redInk = [](QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; };
    const auto darkInk = [](QColor c) {
        return c.red() < 70 && c.green() < 70 && c.blue() < 70 && c.alpha() > 200;
    };
    constexpr int someInk = 100;  // a pip or index alone covers well over this many pixels
    for (int card = 1; card <= CardCount; ++card) {
        SCOPED_TRACE(card);
        const QImage image = CardImage(card);
        if (SuitOf(card) == Suit::Diamonds || SuitOf(card) == Suit::Hearts) {
            EXPECT_GT(CountPixels(image, redInk), someInk);
        } else {
            EXPECT_EQ(0, CountPixels(image, redInk));
            EXPECT_GT(CountPixels(image, darkInk), someInk);
        }
    }
}

TEST(CardPictureTest, EachBackIsMostlyItsOwnHueAndNeverTheOther) {
    const auto red = [](QColor c) {
        return c.hsvSaturation() >= 100 && (c.hsvHue() < 20 || c.hsvHue() > 340);
    };
    const auto blue = [](QColor c) {
        return c.hsvSaturation() >= 100 && c.hsvHue() > 200 && c.hsvHue() < 250;
    };
    const QImage redBack = CardImage(RedBackPicture);
    const QImage blueBack = CardImage(BlueBackPicture);
    const int half = redBack.width() * redBack.height() / 2;
    EXPECT_GT(CountPixels(redBack, red), half);
    EXPECT_EQ(0, CountPixels(redBack, blue));
    EXPECT_GT(CountPixels(blueBack, blue), half);
    EXPECT_EQ(0, CountPixels(blueBack, red));
}

TEST(IconTest, IconsComeInTheirSizesAndTheBalloonsDiffer) {
    const auto squares = [](std::initializer_list<int> sides) {
        QList<QSize> sizes;
        for (const int side : sides) sizes.append(QSize(side, side));
        return sizes;
    };
    EXPECT_EQ(squares({16, 32, 48, 64}), WindowIcon().availableSizes());
    EXPECT_EQ(squares({16, 32}), IconBankIcon(1).availableSizes());
    EXPECT_EQ(squares({16, 32}), IconBankIcon(2).availableSizes());
    EXPECT_TRUE(IconBankIcon(3).isNull());
    EXPECT_NE(IconBankIcon(1).pixmap(QSize(32, 32)).toImage(),
              IconBankIcon(2).pixmap(QSize(32, 32)).toImage());
}

TEST(LogoTest, LogoIs95By140AtEachRatio) {
    EXPECT_EQ(QSize(95, 140), ProductLogo().size());
    const QPixmap sharp = ProductLogo(2.0);
    EXPECT_EQ(QSize(190, 280), sharp.size());
    EXPECT_EQ(2.0, sharp.devicePixelRatio());
}

TEST(CursorTest, HandPointsWithItsFingerTipAtTheHotSpot) {
    const QCursor hand = HandCursor();
    EXPECT_EQ(QPoint(12, 1), hand.hotSpot());
    const QImage image = hand.pixmap().toImage();
    ASSERT_EQ(QSize(32, 32), image.size());
    // The hot spot is inked and nothing is above it, so it is the very tip of the finger.
    EXPECT_GT(image.pixelColor(12, 1).alpha(), 128);
    EXPECT_EQ(0, CountPixels(image.copy(0, 0, 32, 1), [](QColor c) { return c.alpha() > 0; }));
}

}  // namespace
}  // namespace vantorel::art
