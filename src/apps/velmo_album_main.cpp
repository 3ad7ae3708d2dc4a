// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmoalbum_command.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmo-album"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMO_VERSION));
    // A damaged photo is named once, with the reason, in velmo-album's own
    // words; the JPEG reader's warnings about its bytes would only repeat it.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg.warning=false"));
    return runVelmoAlbum(QCoreApplication::arguments());
}
