// Draws every picture of the program onto one sheet, for looking the artwork over by eye:
//   contact_sheet OUTPUT.png [DEVICE_PIXEL_RATIO]
// The 55 card pictures at the table's size, then the icons, the logo and the link's pointer.

#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "Artwork.h"
#include "Cards.h"

namespace {

constexpr int Columns = 13;
constexpr int Gap = 10;
const QSize TableCardSize(113, 201);
constexpr int ExtrasHeight = 215;
constexpr int CursorZoom = 4;
const QColor SheetFelt(20, 100, 60);

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: contact_sheet OUTPUT.png [DEVICE_PIXEL_RATIO]\n");
        return EXIT_FAILURE;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const qreal ratio = argc > 2 ? std::atof(argv[2]) : 1.0;

    const int rows = (vantorel::PictureCount + Columns - 1) / Columns;
    const QSize cell = TableCardSize + QSize(Gap, Gap);
    QImage sheet(
        QSize(Columns * cell.width() + Gap, rows * cell.height() + Gap + ExtrasHeight) * ratio,
        QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(SheetFelt);
    QPainter painter(&sheet);

    for (int n = 1; n <= vantorel::PictureCount; ++n) {
        const int index = n - 1;
        const QPoint at(Gap + (index % Columns) * cell.width(),
                        Gap + (index / Columns) * cell.height());
        painter.drawPixmap(at, vantorel::art::CardPicture(n, TableCardSize, ratio));
    }

    QPoint at(Gap, Gap + rows * cell.height());
    const QIcon window = vantorel::art::WindowIcon();
    for (const QSize& size : window.availableSizes()) {
        painter.drawPixmap(at, window.pixmap(size));
        at.rx() += size.width() + Gap;
    }
    for (int n = 1; n <= 2; ++n) {
        const QIcon balloon = vantorel::art::IconBankIcon(n);
        for (const QSize& size : balloon.availableSizes()) {
            painter.drawPixmap(at, balloon.pixmap(size));
            at.rx() += size.width() + Gap;
        }
    }
    painter.drawPixmap(at, vantorel::art::ProductLogo(ratio));
    at.rx() += 95 + Gap;
    const QCursor hand = vantorel::art::HandCursor();
    const QPixmap pointer = hand.pixmap();
    painter.drawPixmap(at, pointer);
    at.rx() += pointer.width() + Gap;
    painter.drawPixmap(QRect(at, pointer.size() * CursorZoom), pointer);
    at.rx() += pointer.width() * CursorZoom + Gap;
    painter.drawPixmap(at, vantorel::art::CardPicture(vantorel::Rank::King,
                                                      vantorel::art::CardPictureSize(), ratio));
    painter.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
