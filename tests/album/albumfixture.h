// SPDX-License-Identifier: GPL-3.0-or-later
// The album build on real folders: the helpers shared by its tests.
#pragma once

#include "album/albumbuild.h"
#include "album/albumpage.h"
#include "album/albumsettings.h"
#include "album/albumtexts.h"
#include "album/htmltext.h"
#include "album/pageformat.h"
#include "album/pagesetwriter.h"
#include "picturebytes.h"
#include "platform/fakes.h"
#include "platform/folderlock.h"
#include "recordingview.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <utime.h>

#include <csignal>
#include <ctime>

// One temporary home with a photo folder, its store, a window and the
// options of a first start.
struct Album
{
    TestHome home;
    QString folder = home.folder();
    SettingsStore store{home.configFile()};
    RecordingView view;
    FakeClock clock;
    DesignValues design;
    AlbumOptions options = albumOptions(folder, OptionsModel(store), design);

    AlbumBuildResult build() { return buildAlbum(options, design, view, clock); }
    QString path(const QString &name) const { return folder + '/' + name; }
    QByteArray page(int number) const { return Fixture::readFile(path(PageFormat::pageFileName(number))); }
    QStringList pages() const { return QDir(folder).entryList({"Album*.html"}, QDir::Files, QDir::Name); }
};

// A small JPEG, written once.
inline const QByteArray &smallJpeg()
{
    static const QByteArray bytes = [] {
        TestHome home;
        const QString path = home.folder() + "/small.jpg";
        Fixture::makeJpeg(path, 8, 8);
        return Fixture::readFile(path);
    }();
    return bytes;
}

// The image names of every page, rows split by "|", pages by "/":
// "01 02|03/04" for a page of two rows and a page of one.
inline QString layoutOf(const Album &album)
{
    static const QRegularExpression marker(QStringLiteral("<!S([^>]*)\\.jpg>"));
    const QByteArray rowSeparator = "<!" + QByteArray(49, '-') + ">\r\n";
    QStringList pages;
    for (const QString &name : album.pages()) {
        QStringList rows;
        const QString page = QString::fromUtf8(Fixture::readFile(album.path(name)));
        for (const QString &row : page.split(QString::fromUtf8(rowSeparator)).mid(1)) {
            QStringList names;
            for (const QRegularExpressionMatch &match : marker.globalMatch(row))
                names.append(match.captured(1));
            rows.append(names.join(' '));
        }
        pages.append(rows.join('|'));
    }
    return pages.join('/');
}

// What the comment tool leaves: the comment between the markers of the image.
inline QByteArray withComment(const QByteArray &page, const QString &image, const QByteArray &comment)
{
    const QByteArray start = HtmlText::startMarker(image).toUtf8();
    const qsizetype at = page.indexOf(start);
    return at < 0 ? page : QByteArray(page).insert(at + start.size(), comment);
}

inline QStringList hiddenFiles(const Album &album)
{
    return QDir(album.folder).entryList({".*"}, QDir::Hidden | QDir::Files | QDir::System, QDir::Name);
}

// Every album page of the folder with its bytes.
inline QMap<QString, QByteArray> pageSet(const Album &album)
{
    QMap<QString, QByteArray> pages;
    for (const QString &name : album.pages())
        pages.insert(name, Fixture::readFile(album.path(name)));
    return pages;
}

inline void setModified(const QString &path, const QDateTime &time)
{
    const utimbuf times{time_t(time.toSecsSinceEpoch()), time_t(time.toSecsSinceEpoch())};
    utime(QFile::encodeName(path).constData(), &times);
}

inline void setUpBuildTests()
{
    // Page dates are local time; the golden pages are in UTC.
    qputenv("TZ", "UTC");
    tzset();
    // New pages take the mode of any new file under this mask.
    ::umask(022);
}
