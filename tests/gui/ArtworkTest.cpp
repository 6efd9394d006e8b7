#include <gtest/gtest.h>

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
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

// The suit red and nothing near gold, skin or brown: strongly red, little green or blue.
bool IsRedInk(QColor c) {
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}
bool IsDarkInk(QColor c) {
    return c.red() < 70 && c.green() < 70 && c.blue() < 70 && c.alpha() > 200;
}

int CountPixels(const QImage& image, bool (*test)(QColor)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixelColor(x, y))) ++count;
        }
    }
    return count;
}

struct RatioCase {
    const char* name;
    qreal ratio;
    QSize deviceSize;
};

class CardPictureRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(CardPictureRatio, EveryPictureFillsTheDevicePixelsOfItsRatio) {
    const RatioCase& row = GetParam();
    for (int n = 1; n <= PictureCount; ++n) {
        SCOPED_TRACE(n);
        const QPixmap picture = CardPicture(n, TableCardSize, row.ratio);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(row.deviceSize, picture.size());
        EXPECT_EQ(row.ratio, picture.devicePixelRatio());
        const QImage image = picture.toImage();
        // The corners are rounded off, so the table shows through there; the middle is inked.
        EXPECT_EQ(0, image.pixelColor(0, 0).alpha());
        EXPECT_EQ(255, image.pixelColor(image.width() / 2, image.height() / 2).alpha());
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, CardPictureRatio,
                         ::testing::Values(RatioCase{"Standard", 1.0, QSize(113, 201)},
                                           RatioCase{"OneAndAHalf", 1.5, QSize(170, 302)},
                                           RatioCase{"Double", 2.0, QSize(226, 402)}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(CardPictureTest, NumbersOutsideTheListGiveNoPicture) {
    EXPECT_TRUE(CardPicture(0, TableCardSize).isNull());
    EXPECT_TRUE(CardPicture(PictureCount + 1, TableCardSize).isNull());
}

TEST(CardPictureTest, NaturalSizeIsThatOfTheCardPictures) {
    EXPECT_EQ(QSize(137, 199), CardPictureSize());
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
    // A pip or index alone covers well over this many pixels.
    constexpr int someInk = 100;
    for (int card = 1; card <= CardCount; ++card) {
        SCOPED_TRACE(card);
        const QImage image = CardImage(card);
        const int red = CountPixels(image, IsRedInk);
        const int dark = CountPixels(image, IsDarkInk);
        const int suit = SuitOf(card);
        if (suit == Suit::Diamonds || suit == Suit::Hearts) {
            EXPECT_GT(red, someInk);
        } else {
            EXPECT_EQ(0, red);
            EXPECT_GT(dark, someInk);
        }
    }
}

TEST(CardPictureTest, RepeatedRequestsShareOneRendering) {
    const QPixmap first = CardPicture(7, TableCardSize, 1.0);
    const QPixmap again = CardPicture(7, TableCardSize, 1.0);
    EXPECT_EQ(first.cacheKey(), again.cacheKey());
}

enum class Hue { Red, Blue };

struct BackCase {
    const char* name;
    int picture;
    Hue hue;
};

class CardBackHue : public ::testing::TestWithParam<BackCase> {};

TEST_P(CardBackHue, BackIsMostlyItsOwnColour) {
    const QImage image = CardImage(GetParam().picture);
    int reds = 0;
    int blues = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.hsvSaturation() < 100) continue;
            const int hue = c.hsvHue();
            if (hue < 20 || hue > 340) ++reds;
            if (hue > 200 && hue < 250) ++blues;
        }
    }
    const int pixels = image.width() * image.height();
    const int own = GetParam().hue == Hue::Red ? reds : blues;
    const int other = GetParam().hue == Hue::Red ? blues : reds;
    EXPECT_GT(own, pixels / 2);
    EXPECT_EQ(0, other);
}

INSTANTIATE_TEST_SUITE_P(Backs, CardBackHue,
                         ::testing::Values(BackCase{"Red", RedBackPicture, Hue::Red},
                                           BackCase{"Blue", BlueBackPicture, Hue::Blue}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

QList<QSize> Squares(std::initializer_list<int> sides) {
    QList<QSize> sizes;
    for (const int side : sides) sizes.append(QSize(side, side));
    return sizes;
}

TEST(IconTest, WindowIconComesInFourSizes) {
    EXPECT_EQ(Squares({16, 32, 48, 64}), WindowIcon().availableSizes());
}

TEST(IconTest, WindowIconHasBlackSpadeRedHeartRedDiamondBlackClub) {
    const QImage image = WindowIcon().pixmap(QSize(32, 32)).toImage();
    ASSERT_EQ(QSize(32, 32), image.size());
    EXPECT_TRUE(IsDarkInk(image.pixelColor(8, 8)));
    EXPECT_TRUE(IsRedInk(image.pixelColor(24, 8)));
    EXPECT_TRUE(IsRedInk(image.pixelColor(8, 24)));
    EXPECT_TRUE(IsDarkInk(image.pixelColor(24, 24)));
    // The ground between the symbols is transparent.
    EXPECT_EQ(0, image.pixelColor(16, 0).alpha());
}

TEST(IconTest, BalloonIconsCome32And16AndDiffer) {
    for (const int n : {1, 2}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Squares({16, 32}), IconBankIcon(n).availableSizes());
    }
    EXPECT_NE(IconBankIcon(1).pixmap(QSize(32, 32)).toImage(),
              IconBankIcon(2).pixmap(QSize(32, 32)).toImage());
    EXPECT_TRUE(IconBankIcon(3).isNull());
}

TEST(LogoTest, LogoIs95By140AtEachRatio) {
    const QPixmap standard = ProductLogo();
    EXPECT_EQ(QSize(95, 140), standard.size());
    const QPixmap sharp = ProductLogo(2.0);
    EXPECT_EQ(QSize(190, 280), sharp.size());
    EXPECT_EQ(2.0, sharp.devicePixelRatio());
}

TEST(CursorTest, HandPointsWithItsFingerTipAtTheHotSpot) {
    const QCursor hand = HandCursor();
    EXPECT_EQ(Qt::BitmapCursor, hand.shape());
    EXPECT_EQ(QPoint(12, 1), hand.hotSpot());
    const QImage image = hand.pixmap().toImage();
    ASSERT_EQ(QSize(32, 32), image.size());
    EXPECT_GT(image.pixelColor(12, 1).alpha(), 128);
    for (int x = 0; x < image.width(); ++x) EXPECT_EQ(0, image.pixelColor(x, 0).alpha()) << x;
}

}  // namespace
}  // namespace vantorel::art
