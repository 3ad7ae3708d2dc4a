// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmoalbum_command.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmo-album"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMO_VERSION));
    return runVelmoAlbum(QCoreApplication::arguments());
}
