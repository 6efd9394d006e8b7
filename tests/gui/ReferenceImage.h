#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "CardPlace.h"

// Pictures compared with reference images that a person has looked over, under tests/reference/.
// VANTOREL_UPDATE_REFERENCES=1 writes what is drawn as the new reference instead, for a deliberate
// change of the art (tools/update-references); look at every image it changes before committing.
namespace vantorel::testing {

// On an X screen the program's cards differ from these by one level of 255 at blended edges, and
// other processors may round a little more; a wrong letter or suit changes strokes by far more.
constexpr int ChannelTolerance = 8, PixelsAllowedOff = 0;

// The reference image `name`, laid over `ground` as a window shows it over its own colour.
inline QImage Reference(const QString& name, const QColor& ground = Qt::transparent) {
    QImage image(VANTOREL_REFERENCE_DIR "/" + name + ".png");
    image.convertTo(QImage::Format_ARGB32);
    if (ground.alpha() == 0 || image.isNull()) return image;
    QImage shown(image.size(), QImage::Format_ARGB32);
    shown.fill(ground);
    QPainter(&shown).drawImage(0, 0, image);
    return shown;
}

// The pixels of `drawn` off from `reference` (all where the sizes differ); `difference` shows them
// in red over a faint copy of the reference.
inline int PixelsOff(const QImage& drawn, const QImage& reference, QImage* difference = nullptr) {
    if (drawn.size() != reference.size()) return drawn.width() * drawn.height() + 1;
    int off = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb a = drawn.pixel(x, y), b = reference.pixel(x, y);
            const bool isOff =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))}) >
                ChannelTolerance;
            off += isOff ? 1 : 0;
            const int faint = 255 - (255 - qGray(b)) * qAlpha(b) / 1020;
            if (difference)
                difference->setPixel(x, y, isOff ? qRgb(255, 0, 0) : qRgb(faint, faint, faint));
        }
    }
    return off;
}

// On a mismatch the picture drawn and the difference go under the build's reference-failures/.
inline ::testing::AssertionResult MatchesReference(const QImage& image, const QString& name) {
    const QImage drawn = image.convertToFormat(QImage::Format_ARGB32);
    const QString file = VANTOREL_REFERENCE_DIR "/" + name + ".png";
    if (qEnvironmentVariableIntValue("VANTOREL_UPDATE_REFERENCES") == 1) {
        QDir().mkpath(QFileInfo(file).path());
        return drawn.save(file, "PNG", 0) ? ::testing::AssertionSuccess()
                                          : ::testing::AssertionFailure();
    }
    QImage difference = drawn;
    const int off = PixelsOff(drawn, Reference(name), &difference);
    if (off <= PixelsAllowedOff) return ::testing::AssertionSuccess();
    const QString failed =
        QCoreApplication::applicationDirPath() + "/../reference-failures/" + name;
    QDir().mkpath(QFileInfo(failed).path());
    drawn.save(failed + ".png");
    difference.save(failed + ".difference.png");
    return ::testing::AssertionFailure()
           << name.toStdString() << ": " << off
           << " pixels off; drawn and difference: " << failed.toStdString() << ".*";
}

// The reference of the card picture that a place shows: its number and what a screen reader says.
inline QString CardReference(const CardPlace& place) {
    return QString("cards/%1 %2")
        .arg(place.Picture(), 2, 10, QChar('0'))
        .arg(place.accessibleName());
}

}  // namespace vantorel::testing
