// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

// A temporary home for one test: settings, trash and data folders point into
// it, and a work folder for pictures is ready. The environment is restored
// when it goes.
class TestHome
{
public:
    TestHome();
    ~TestHome();

    QString path() const { return m_dir.path(); }
    QString configFile() const; // the settings store of this home
    // A folder below the home, created if needed.
    QString folder(const QString &name = QStringLiteral("photos")) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_saved[4];
};

// Files of this process cannot grow beyond limit bytes while it lives, as on
// a nearly full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit);
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
};

namespace Fixture {
// A JPEG of the given pixel size, one colour with a darker band so scaled
// copies differ from flat ones.
bool makeJpeg(const QString &path, int width, int height, const QColor &color = QColor(200, 40, 40));
// count pictures of the size in the folder, named by the pattern with their
// number in two digits ("%1.jpg": 01.jpg, 02.jpg, ...).
bool addImages(const QString &folder, int count, const QString &pattern = QStringLiteral("%1.jpg"),
               const QSize &size = QSize(8, 8));
// Any bytes.
bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
} // namespace Fixture
