// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmoalbum_command.h"

#include <QCoreApplication>

#define VELMO_STRINGIFY(x) #x
#define VELMO_VERSION_TEXT(a, b, c) VELMO_STRINGIFY(a) "." VELMO_STRINGIFY(b) "." VELMO_STRINGIFY(c)

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmo-album"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral(VELMO_VERSION_TEXT(VELMO_VERSION_MAJOR, VELMO_VERSION_MINOR, VELMO_VERSION_PATCH)));
    return runVelmoAlbum(QCoreApplication::arguments());
}
