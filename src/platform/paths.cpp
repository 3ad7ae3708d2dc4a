// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace Paths {

QString installPrefix()
{
    const QString fromEnv = qEnvironmentVariable("VELMO_PREFIX");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    QDir bin(QCoreApplication::applicationDirPath());
    bin.cdUp();
    return bin.absolutePath();
}

QString reductionLibrary()
{
    return installPrefix() + QStringLiteral("/lib/velmo/RdctJPEG.so");
}
QString commentTool()
{
    return installPrefix() + QStringLiteral("/bin/quillet");
}
QString mainProgram()
{
    return installPrefix() + QStringLiteral("/bin/velmo");
}

QString settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velmo/Velmo.conf");
}

QString join(const QString &folder, const QString &name)
{
    return withSeparator(folder) + name;
}

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool isRegularFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    // The listing of the folder must show exactly this name (letter case kept).
    return QDir(info.absolutePath()).entryList(QDir::Files).contains(info.fileName());
}

bool canWriteInto(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString defaultBrowser()
{
    return QStringLiteral("/usr/bin/xdg-open");
}

QString defaultEditor()
{
    static const char *const editors[] = {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed",
                                          "featherpad",        "geany"};
    for (const char *editor : editors) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!found.isEmpty())
            return found;
    }
    return defaultBrowser();
}

QString defaultFtpClient()
{
    return QStringLiteral("/usr/bin/filezilla");
}

QString homeFolder()
{
    return QDir::homePath();
}

} // namespace Paths
