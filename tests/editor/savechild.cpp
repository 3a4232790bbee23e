// Saves two large texts into one file, turn about, for ever; tells its parent
// on standard output just before each save so the parent can kill it there.
#include "platform/textfile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString texts[] = {QString(4 * 1024 * 1024, QLatin1Char('a')), QString(4 * 1024 * 1024, QLatin1Char('b'))};
    for (int turn = 0;; turn ^= 1) {
        std::fputs("saving\n", stdout);
        std::fflush(stdout);
        if (TextFile::writeText(path, texts[turn], TextEncoding()) != TextFile::Error::None)
            return 1;
    }
}
