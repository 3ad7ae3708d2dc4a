// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <csignal>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>

static const char *const HomeVariables[4] = {"XDG_CONFIG_HOME", "HOME", "XDG_DATA_HOME", "VELMO_PREFIX"};

TestHome::TestHome()
{
    for (int i = 0; i < 4; ++i)
        m_saved[i] = qgetenv(HomeVariables[i]);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder(QStringLiteral("config"))));
    qputenv("HOME", QFile::encodeName(folder(QStringLiteral("home"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder(QStringLiteral("home/.local/share"))));
    // No optional pieces unless a test installs them into its own prefix.
    qputenv("VELMO_PREFIX", QFile::encodeName(folder(QStringLiteral("prefix"))));
}

TestHome::~TestHome()
{
    for (int i = 0; i < 4; ++i) {
        if (m_saved[i].isNull())
            qunsetenv(HomeVariables[i]);
        else
            qputenv(HomeVariables[i], m_saved[i]);
    }
}

QString TestHome::configFile() const
{
    return path() + QStringLiteral("/config/Velmo/Velmo.conf");
}

QString TestHome::folder(const QString &name) const
{
    const QString full = path() + QLatin1Char('/') + name;
    QDir().mkpath(full);
    return full;
}

namespace Fixture {

bool makeJpeg(const QString &path, int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QPainter painter(&image);
    painter.fillRect(0, height / 3, width, qMax(1, height / 3), color.darker(200));
    painter.end();
    return image.save(path, "JPG", 85);
}

bool addImages(const QString &folder, int count, const QString &pattern, const QSize &size)
{
    // One picture per size, copied: making 1,500 of them stays quick.
    static QMap<QPair<int, int>, QByteArray> made;
    QByteArray &bytes = made[{size.width(), size.height()}];
    if (bytes.isEmpty()) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture.jpg"));
        if (!makeJpeg(path, size.width(), size.height()))
            return false;
        bytes = readFile(path);
    }
    for (int i = 1; i <= count; ++i) {
        if (!writeFile(folder + QLatin1Char('/') + pattern.arg(i, 2, 10, QLatin1Char('0')), bytes))
            return false;
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace Fixture

FileSizeLimit::FileSizeLimit(rlim_t limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    const rlimit limited{limit, m_saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);
}
