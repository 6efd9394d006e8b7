#include <QApplication>

#include "QtDelayer.h"
#include "Random.h"
#include "SdlSoundPlayer.h"
#include "Table.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantorel::QtDelayer delayer;
    vantorel::SdlSoundPlayer sound;
    vantorel::ClockRandom random;
    vantorel::Table table(vantorel::TableServices{delayer, sound, random},
                          QCoreApplication::applicationDirPath());
    table.show();
    return QApplication::exec();
}
