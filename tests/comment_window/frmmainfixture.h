// SPDX-License-Identifier: GPL-3.0-or-later
// Quillet's window on real widgets, offscreen, with scripted services: the
// helpers and the per-test state shared by its tests.
#pragma once

#include "../album/recordingview.h"
#include "album/albumbuild.h"
#include "album/albumpage.h"
#include "album/albumsettings.h"
#include "comment_tool/quillettext.h"
#include "comment_window/frmmain.h"
#include "platform/fakes.h"
#include "platform/paths.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTest>
#include <QUrlQuery>

using Image = QPair<QString, QByteArray>; // name and comment

inline QByteArray albumPage(const QList<Image> &images)
{
    AlbumRow row;
    for (const auto &[name, comment] : images) {
        AlbumSlot slot;
        slot.name = name;
        slot.source = name;
        slot.height = QStringLiteral("100");
        slot.width = QStringLiteral("135");
        slot.size = 1234;
        slot.modified = QDateTime(QDate(2024, 5, 1), QTime(10, 0));
        slot.comment = comment;
        row.append(slot);
    }
    AlbumPageInfo info;
    info.updated = QDate(2024, 5, 2);
    return AlbumPage::page(DesignValues{}, info, {row});
}

// A drag as a browser sends it for an image of a local page: the image's
// percent-encoded file URL as uri-list and as plain text.
inline std::unique_ptr<QMimeData> browserDrag(const QString &path)
{
    const QByteArray url = QUrl::fromLocalFile(path).toEncoded();
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("text/uri-list"), url + "\r\n");
    data->setText(QString::fromLatin1(url));
    return data;
}

inline std::unique_ptr<QMimeData> textDrag(const QString &text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

inline const QDateTime LongAgo(QDate(2001, 1, 1), QTime(12, 0));

inline void makeOld(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.setFileTime(LongAgo, QFileDevice::FileModificationTime));
}

inline QDateTime modified(const QString &path)
{
    return QFileInfo(path).lastModified();
}

inline const QString Closes = QStringLiteral("closes");
inline const QString StaysOpen = QStringLiteral("stays open");

class FrmMainFixture
{
protected:
    void setUp();
    void tearDown();
    template <typename Control> Control *control(const char *name) const
    {
        return m_window->findChild<Control *>(QLatin1String(name));
    }
    QString photo(const QString &name, int width = 200, int height = 150) const;
    QString page(const QString &name, const QList<Image> &images) const;
    void openWindow();
    void drop(const QMimeData &data) { m_window->Image1_OLEDragDrop(&data); }
    void dropFile(const QString &path) { drop(*browserDrag(path)); }
    void writeBack(const QString &comment);
    // An album of p1.jpg … pN.jpg, two to a page, the folder Velmo last showed.
    QString makeAlbum(int photos);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(control<QPlainTextEdit>("txtComment"), Qt::Key(key), modifiers);
    }
    QString comment() const { return control<QPlainTextEdit>("txtComment")->toPlainText(); }
    QString message() const { return control<QLabel>("lblMes")->text(); }

    std::unique_ptr<TestHome> m_home;
    QString m_photos;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<frmMain> m_window;
};

inline void FrmMainFixture::setUp()
{
    m_home = std::make_unique<TestHome>();
    m_photos = m_home->folder(QStringLiteral("photos/My Photos/写真#1"));
    m_fakes = std::make_unique<FakeServices>();
    m_store = std::make_unique<SettingsStore>();
}

inline void FrmMainFixture::tearDown()
{
    m_window.reset();
    m_store.reset();
    m_fakes.reset();
    m_home.reset();
}

inline QString FrmMainFixture::photo(const QString &name, int width, int height) const
{
    const QString path = Paths::join(m_photos, name);
    if (!Fixture::makeJpeg(path, width, height))
        QTest::qFail("photo not made", __FILE__, __LINE__);
    return path;
}

inline QString FrmMainFixture::page(const QString &name, const QList<Image> &images) const
{
    const QString path = Paths::join(m_photos, name);
    if (!Fixture::writeFile(path, albumPage(images)))
        QTest::qFail("page not written", __FILE__, __LINE__);
    return path;
}

inline void FrmMainFixture::openWindow()
{
    m_window = std::make_unique<frmMain>(m_fakes->services(), *m_store);
    m_window->show();
}

inline void FrmMainFixture::writeBack(const QString &text)
{
    control<QPlainTextEdit>("txtComment")->setPlainText(text);
    QTest::mouseClick(control<QPushButton>("cmdEnter"), Qt::LeftButton);
}

inline QString FrmMainFixture::makeAlbum(int photos)
{
    for (int i = 1; i <= photos; ++i)
        photo(QStringLiteral("p%1.jpg").arg(i), 40, 30);
    m_store->write(Keys::PhotoPiece, QStringLiteral("2"));
    m_store->write(Keys::Path, m_photos);
    OptionsModel options(*m_store);
    options.load();
    RecordingView view;
    buildAlbum(albumOptions(m_photos, options, DesignValues{}), DesignValues{}, view, m_fakes->clock);
    return Paths::join(m_photos, QStringLiteral("Album001.html"));
}
