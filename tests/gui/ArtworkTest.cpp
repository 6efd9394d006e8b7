#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <functional>
#include <vector>

#include "Artwork.h"

namespace vantorel::art {
namespace {

const QSize TableCardSize(113, 201);  // a card place on the table

using Ink = std::function<bool(QColor)>;
const Ink RedInk = [](QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; };
const Ink DarkInk = [](QColor c) {
    return c.red() < 70 && c.green() < 70 && c.blue() < 70 && c.alpha() > 200;
};

int CountPixels(const QImage& image, const Ink& ink) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += ink(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// Separate blots of ink: every pip, and each index's figure(s) and small suit sign.
int CountBlots(const QImage& image, const Ink& ink) {
    const int w = image.width(), h = image.height();
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    int blots = 0;
    for (int start = 0; start < w * h; ++start) {
        if (seen[start] || !ink(image.pixelColor(start % w, start / w))) continue;
        ++blots;
        for (std::vector<int> stack{start}; !stack.empty();) {
            const int at = stack.back(), x = at % w;
            stack.pop_back();
            if (seen[at] || !ink(image.pixelColor(x, at / w))) continue;
            seen[at] = 1;
            if (x > 0) stack.push_back(at - 1);
            if (x + 1 < w) stack.push_back(at + 1);
            if (at >= w) stack.push_back(at - w);
            if (at + w < w * h) stack.push_back(at + w);
        }
    }
    return blots;
}

// Red suits are inked red and black ones never; a number card shows as many pips as its rank.
TEST(CardPictureTest, EachFaceShowsItsSuitColourAndItsRank) {
    for (int card = 1; card <= 52; ++card) {
        const int rank = (card - 1) % 13 + 1;
        const bool red = (card - 1) / 13 == 0 || (card - 1) / 13 == 2;
        const QImage image = CardPicture(card, TableCardSize).toImage();
        const int redPixels = CountPixels(image, RedInk);
        EXPECT_TRUE(red ? redPixels > 100 : redPixels == 0) << card << ": " << redPixels;
        if (rank < 2 || rank > 10) continue;
        // Two corner indices, each one figure ("10": two) and one small suit sign.
        const int expected = rank + 2 * ((rank == 10 ? 2 : 1) + 1);
        EXPECT_EQ(expected, CountBlots(image, red ? RedInk : DarkInk)) << "picture " << card;
    }
}

// Every picture differs from the others and is drawn at the screen's device pixels; 53 is the red
// back and 54 the blue.
TEST(CardPictureTest, EveryPictureIsDistinctAndTheBacksAreRedThenBlue) {
    std::vector<QImage> images;
    for (int n = 1; n <= 55; ++n) {
        EXPECT_EQ(QSize(226, 402), CardPicture(n, TableCardSize, 2.0).size()) << n;
        images.push_back(CardPicture(n, TableCardSize).toImage());
        for (std::size_t other = 0; other + 1 < images.size(); ++other)
            EXPECT_NE(images[other], images.back()) << "pictures " << other + 1 << " and " << n;
    }
    const Ink red = [](QColor c) {
        return c.hsvSaturation() >= 100 && (c.hsvHue() < 20 || c.hsvHue() > 340);
    };
    const Ink blue = [](QColor c) {
        return c.hsvSaturation() >= 100 && c.hsvHue() > 200 && c.hsvHue() < 250;
    };
    const int half = TableCardSize.width() * TableCardSize.height() / 2;
    EXPECT_GT(CountPixels(images[52], red), half);
    EXPECT_EQ(0, CountPixels(images[52], blue));
    EXPECT_GT(CountPixels(images[53], blue), half);
    EXPECT_EQ(0, CountPixels(images[53], red));
}

}  // namespace
}  // namespace vantorel::art
