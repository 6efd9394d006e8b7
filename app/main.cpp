#include <QApplication>

#include "QtDelayer.h"
#include "Random.h"
#include "SdlSoundPlayer.h"
#include "Table.h"
#include "Version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.0.%3")
                                                .arg(vantorel::version::Major)
                                                .arg(vantorel::version::Minor)
                                                .arg(vantorel::version::Revision));
    vantorel::QtDelayer delayer;
    vantorel::SdlSoundPlayer sound;
    vantorel::ClockRandom random;
    vantorel::Table table(vantorel::TableServices{delayer, sound, random});
    table.show();
    return QApplication::exec();
}
