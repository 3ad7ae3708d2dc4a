// SPDX-License-Identifier: GPL-3.0-or-later
#include "../album/recordingview.h"
#include "album/albumbuild.h"
#include "album/albumpage.h"
#include "comment_tool/quillettext.h"
#include "comment_window/frmmain.h"
#include "platform/fakes.h"
#include "platform/paths.h"
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

namespace {

using Image = QPair<QString, QByteArray>; // name and comment

QByteArray albumPage(const QList<Image> &images)
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
std::unique_ptr<QMimeData> browserDrag(const QString &path)
{
    const QByteArray url = QUrl::fromLocalFile(path).toEncoded();
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("text/uri-list"), url + "\r\n");
    data->setText(QString::fromLatin1(url));
    return data;
}

std::unique_ptr<QMimeData> textDrag(const QString &text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

const QDateTime LongAgo(QDate(2001, 1, 1), QTime(12, 0));

void makeOld(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.setFileTime(LongAgo, QFileDevice::FileModificationTime));
}

QDateTime modified(const QString &path)
{
    return QFileInfo(path).lastModified();
}

const QString Closes = QStringLiteral("closes");
const QString StaysOpen = QStringLiteral("stays open");

} // namespace

class tst_FrmMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsNextToVelmo_data();
    void startsNextToVelmo();
    void dropFindsCommentInEscapedPath();
    void droppedThumbnailStandsForPhoto();
    void dropFailures_data();
    void dropFailures();
    void dropWithoutSlashEndsSilently();
    void pageWithoutEndMarkerFails5();
    void blockOnTwoPagesTargetsTheLastAndWritesNothing();
    void dropFromAnotherAlbumClearsTarget();
    void writeBackReplacesOnlyTheComment_data();
    void writeBackReplacesOnlyTheComment();
    void shiftJisPageRoundTrip();
    void dropKeepsPageBytes();
    void writeBackBeforeAnyDropFails75();
    void writeBackLeavesChangedPageAlone();
    void previewShowsFittedPicture();
    void sizeToggleAndDropCollapse();
    void dropEventOnlyOnPreviewArea();
    void startsVelmo_data();
    void startsVelmo();
    void linksAndAboutBox();
    void commentOnBuiltAlbum();
    void keysMoveThroughTheAlbum();
    void ctrlEnterWritesAndGoesOn();
    void leavingAnEditedCommentAsks_data();
    void leavingAnEditedCommentAsks();

private:
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

void tst_FrmMain::init()
{
    m_home = std::make_unique<TestHome>();
    m_photos = m_home->folder(QStringLiteral("photos/My Photos/写真#1"));
    m_fakes = std::make_unique<FakeServices>();
    m_store = std::make_unique<SettingsStore>();
}

void tst_FrmMain::cleanup()
{
    m_window.reset();
    m_store.reset();
    m_fakes.reset();
    m_home.reset();
}

QString tst_FrmMain::photo(const QString &name, int width, int height) const
{
    const QString path = Paths::join(m_photos, name);
    if (!Fixture::makeJpeg(path, width, height))
        QTest::qFail("photo not made", __FILE__, __LINE__);
    return path;
}

QString tst_FrmMain::page(const QString &name, const QList<Image> &images) const
{
    const QString path = Paths::join(m_photos, name);
    if (!Fixture::writeFile(path, albumPage(images)))
        QTest::qFail("page not written", __FILE__, __LINE__);
    return path;
}

void tst_FrmMain::openWindow()
{
    m_window = std::make_unique<frmMain>(m_fakes->services(), *m_store);
    m_window->show();
}

void tst_FrmMain::writeBack(const QString &text)
{
    control<QPlainTextEdit>("txtComment")->setPlainText(text);
    QTest::mouseClick(control<QPushButton>("cmdEnter"), Qt::LeftButton);
}

void tst_FrmMain::startsNextToVelmo_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("nothing stored") << QString() << QString() << QPoint(67, 200);
    QTest::newRow("stored position") << QStringLiteral("1500") << QStringLiteral("3000") << QPoint(267, 300);
}

void tst_FrmMain::startsNextToVelmo()
{
    QFETCH(QString, top);
    QFETCH(QString, left);
    QFETCH(QPoint, position);
    if (!top.isEmpty()) {
        m_store->write(Keys::Top, top);
        m_store->write(Keys::Left, left);
    }
    m_window = std::make_unique<frmMain>(m_fakes->services(), *m_store);
    QCOMPARE(m_window->pos(), position);
    QCOMPARE(m_window->size(), QSize(350, 192));
    QCOMPARE(m_window->windowTitle(), QuilletText::windowBanner());
    QCOMPARE(control<QLabel>("lblTitle")->text(), QStringLiteral("Velmo Ver0.1"));
}

void tst_FrmMain::dropFindsCommentInEscapedPath()
{
    const QString image = photo(QStringLiteral("花 1.jpg"));
    const QString album = page(QStringLiteral("Album001.html"),
                               {{QStringLiteral("other.jpg"), "not this"}, {QStringLiteral("花 1.jpg"), "old"}});
    const QByteArray before = Fixture::readFile(album);
    openWindow();
    const QByteArray url = QUrl::fromLocalFile(image).toEncoded();
    QVERIFY(url.contains("%20") && url.contains("%23") && url.contains("%E5%86%99"));

    dropFile(image);

    QVERIFY(m_fakes->messages.shown.isEmpty());
    QCOMPARE(comment(), QStringLiteral("old"));
    QCOMPARE(message(), QStringLiteral("2 / 2  Album001.htmlを検出しました。"));
    QCOMPARE(m_window->targetPage(), album);
    QCOMPARE(m_window->imagePath(), image);
    QCOMPARE(control<QLabel>("lblfilename1")->text(), QStringLiteral("花 1.jpg"));
    QCOMPARE(control<QLabel>("lblfilename2")->text(), QStringLiteral("花 1.jpg"));
    QCOMPARE(control<QLabel>("lblFileSize")->text(), QString::number(QFileInfo(image).size()));
    QCOMPARE(control<QLabel>("lblLastWrite")->text(),
             QFileInfo(image).lastModified().toString(QStringLiteral("yy/MM/dd HH:mm:ss")));
    QVERIFY(!control<QLabel>("lblDMsg")->isVisible());
    QCOMPARE(Fixture::readFile(album), before);
}

void tst_FrmMain::droppedThumbnailStandsForPhoto()
{
    const QString image = photo(QStringLiteral("img1.jpg"), 300, 200);
    const QString thumbnail = photo(QStringLiteral("s_img1.jpg"), 150, 100);
    const QString album = page(QStringLiteral("Album001.html"), {{QStringLiteral("img1.jpg"), "photo comment"}});
    openWindow();

    dropFile(thumbnail);

    QVERIFY(m_fakes->messages.shown.isEmpty());
    QCOMPARE(comment(), QStringLiteral("photo comment"));
    QCOMPARE(m_window->targetPage(), album);
    QCOMPARE(m_window->imageName(), QStringLiteral("img1.jpg"));
    QCOMPARE(m_window->imagePath(), image);
    QCOMPARE(control<QLabel>("lblfilename2")->text(), QStringLiteral("img1.jpg"));
    QCOMPARE(control<QLabel>("lblFileSize")->text(), QString::number(QFileInfo(image).size()));

    writeBack(QStringLiteral("new"));
    QVERIFY(Fixture::readFile(album).contains("<!Simg1.jpg>new<!Eimg1.jpg>"));

    // A photo whose own name begins with "s_" and has none beside it.
    const QString alone = photo(QStringLiteral("s_alone.jpg"));
    dropFile(alone);
    QVERIFY(m_fakes->messages.shown.isEmpty());
    QCOMPARE(m_window->imagePath(), alone);
    QCOMPARE(message(), QuilletText::noBlock(QStringLiteral("s_alone.jpg")));
}

void tst_FrmMain::dropFailures_data()
{
    QTest::addColumn<QString>("fileName");   // empty: no text at all
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("afterwards");
    QTest::newRow("no text 461") << QString() << QByteArray() << QStringLiteral("未対応の形式です。E=461") << StaysOpen;
    QTest::newRow("missing file 53") << QStringLiteral("gone.jpg") << QByteArray()
                                     << QStringLiteral("ヴェルモの画像ファイルをドロップ下さい。E=53") << StaysOpen;
    QTest::newRow("missing folder 76") << QStringLiteral("gone/a.jpg") << QByteArray()
                                       << QStringLiteral("旧タイプのアルバムファイルです。E=76") << StaysOpen;
    QTest::newRow("png named jpg 481") << QStringLiteral("png-with-jpeg-extension.jpg") << QByteArray("png")
                                       << QStringLiteral("ドロップした情報が不正です。E=481") << Closes;
    QTest::newRow("broken jpeg 50003") << QStringLiteral("broken.jpg") << QByteArray("\xFF\xD8\xFF\xE0junk")
                                       << QStringLiteral("データ形式が不正です。E=50003") << Closes;
}

void tst_FrmMain::dropFailures()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    QFETCH(QString, afterwards);
    const QString path = Paths::join(m_photos, fileName);
    if (content == "png")
        QVERIFY(QImage(20, 20, QImage::Format_RGB32).save(path, "PNG"));
    else if (!content.isEmpty())
        QVERIFY(Fixture::writeFile(path, content));
    openWindow();

    if (fileName.isEmpty()) {
        QMimeData picture;
        picture.setImageData(QImage(4, 4, QImage::Format_RGB32));
        drop(picture);
    } else {
        dropFile(path);
    }

    QCOMPARE(m_fakes->messages.texts(), QStringList{text});
    QCOMPARE(m_window->isVisible(), afterwards == StaysOpen);
}

void tst_FrmMain::dropWithoutSlashEndsSilently()
{
    photo(QStringLiteral("img1.jpg"));
    page(QStringLiteral("Album001.html"), {{QStringLiteral("img1.jpg"), "first"}});
    openWindow();
    dropFile(Paths::join(m_photos, QStringLiteral("img1.jpg")));
    control<QCheckBox>("cmdSizeUP")->setChecked(true);
    const QString target = m_window->targetPage();

    drop(*textDrag(QStringLiteral("img1.jpg")));

    QVERIFY(m_fakes->messages.shown.isEmpty());
    QVERIFY(m_window->isVisible());
    QCOMPARE(message(), QString());
    QVERIFY(!control<QCheckBox>("cmdSizeUP")->isChecked());
    QCOMPARE(control<QPlainTextEdit>("txtComment")->height(), 20);
    QCOMPARE(m_window->targetPage(), target);
    QCOMPARE(comment(), QStringLiteral("first"));
}

void tst_FrmMain::pageWithoutEndMarkerFails5()
{
    const QString image = photo(QStringLiteral("img1.jpg"));
    const QString album = Paths::join(m_photos, QStringLiteral("Album001.html"));
    QByteArray old = albumPage({{QStringLiteral("img1.jpg"), "kept"}});
    old.replace("<!Eimg1.jpg>", "");
    QVERIFY(Fixture::writeFile(album, old));
    openWindow();

    dropFile(image);

    QCOMPARE(m_fakes->messages.texts(), QStringList{QStringLiteral("エラー番号を報告下さい。エラー番号\u30005")});
    QVERIFY(!m_window->isVisible());
    QCOMPARE(message(), QStringLiteral("Album001.htmlを検出しました。"));
    QCOMPARE(Fixture::readFile(album), old);
    QCOMPARE(m_window->targetPage(), QString());
}

void tst_FrmMain::blockOnTwoPagesTargetsTheLastAndWritesNothing()
{
    const QString image = photo(QStringLiteral("img1.jpg"));
    const QString first = page(QStringLiteral("Album001.html"), {{QStringLiteral("img1.jpg"), "first"}});
    const QString second = page(QStringLiteral("Album002.html"), {{QStringLiteral("img1.jpg"), "second"}});
    const QString other = page(QStringLiteral("Album003.html"), {{QStringLiteral("img2.jpg"), "other"}});
    for (const QString &path : {first, second, other})
        makeOld(path);
    openWindow();

    dropFile(image);

    QCOMPARE(comment(), QStringLiteral("second"));
    QCOMPARE(m_window->targetPage(), second);
    QCOMPARE(message(), QStringLiteral("1 / 2  Album002.htmlを検出しました。"));
    // A drop only reads: a read-only album can be read.
    for (const QString &path : {first, second, other})
        QCOMPARE(modified(path), LongAgo);
}

// Camera names repeat across folders: the same name dropped from a folder
// without an album finds nothing there, and nothing is written anywhere.
void tst_FrmMain::dropFromAnotherAlbumClearsTarget()
{
    const QString first = photo(QStringLiteral("IMG_02.JPG"));
    const QString album = page(QStringLiteral("Album001.html"), {{QStringLiteral("IMG_02.JPG"), "one"}});
    const QByteArray before = Fixture::readFile(album);
    const QString elsewhere = Paths::join(m_home->folder(QStringLiteral("card")), QStringLiteral("IMG_02.JPG"));
    QVERIFY(Fixture::makeJpeg(elsewhere, 40, 30));
    openWindow();
    dropFile(first);

    dropFile(elsewhere);

    QCOMPARE(message(), QuilletText::noBlock(QStringLiteral("IMG_02.JPG")));
    QCOMPARE(comment(), QString());
    QCOMPARE(m_window->targetPage(), QString());
    QCOMPARE(m_window->imagePath(), elsewhere);
    writeBack(QStringLiteral("new"));
    QCOMPARE(m_fakes->messages.texts(), QStringList{QStringLiteral("対象ファイルが見つかりません。E=75")});
    QCOMPARE(Fixture::readFile(album), before);
    QVERIFY(m_fakes->shell.opened.isEmpty());
}

void tst_FrmMain::writeBackReplacesOnlyTheComment_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("new") << QStringLiteral("new") << QByteArray("new");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("lines and japanese") << QStringLiteral("一行目\n二行目")
                                        << QStringLiteral("一行目\r\n二行目").toUtf8();
}

void tst_FrmMain::writeBackReplacesOnlyTheComment()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    const QString image = photo(QStringLiteral("img1.jpg"));
    const QString album = page(QStringLiteral("Album001.html"),
                               {{QStringLiteral("img0.jpg"), "zero"}, {QStringLiteral("img1.jpg"), "old"}});
    QByteArray expected = Fixture::readFile(album);
    expected.replace("<!Simg1.jpg>old<!Eimg1.jpg>", "<!Simg1.jpg>" + written + "<!Eimg1.jpg>");
    openWindow();
    dropFile(image);
    control<QCheckBox>("cmdSizeUP")->setChecked(true);

    writeBack(text);
    QCOMPARE(Fixture::readFile(album), expected);
    QVERIFY(!control<QCheckBox>("cmdSizeUP")->isChecked());
    writeBack(text);
    QCOMPARE(Fixture::readFile(album), expected);
    QVERIFY(m_fakes->messages.shown.isEmpty());
    QCOMPARE(m_fakes->shell.opened, (QList<QUrl>{QUrl::fromLocalFile(album), QUrl::fromLocalFile(album)}));

    dropFile(image);
    QCOMPARE(comment(), text);
}

void tst_FrmMain::shiftJisPageRoundTrip()
{
    const QString image = photo(QStringLiteral("写真.jpg"));
    const QString album = Paths::join(m_photos, QStringLiteral("Album001.html"));
    const auto shiftJis = [](const QByteArray &utf8) {
        QStringEncoder encoder("Shift_JIS");
        return QByteArray(encoder.encode(QString::fromUtf8(utf8)));
    };
    const auto olderPage = [](const QByteArray &comment) {
        return albumPage({{QStringLiteral("写真.jpg"), comment}}).replace("charset=UTF-8", "charset=iso-2022-jp");
    };
    QVERIFY(Fixture::writeFile(album, shiftJis(olderPage("古い"))));
    openWindow();

    dropFile(image);
    QCOMPARE(comment(), QStringLiteral("古い"));
    writeBack(QStringLiteral("新しい"));

    QCOMPARE(Fixture::readFile(album), shiftJis(olderPage("新しい")));
}

// A drop rewrites the page with the comment it holds; bytes that would not
// survive decoding and encoding again (a bare line feed, a vendor code of
// Shift_JIS) stay exactly as they were.
void tst_FrmMain::dropKeepsPageBytes()
{
    const QString image = photo(QStringLiteral("img1.jpg"));
    const QString album = Paths::join(m_photos, QStringLiteral("Album001.html"));
    QByteArray bytes = albumPage({{QStringLiteral("img1.jpg"), "a\nb"}});
    bytes.replace("a\nb", "a\nb\xED\x40\x81");
    QVERIFY(Fixture::writeFile(album, bytes));
    openWindow();

    dropFile(image);

    QVERIFY(!comment().isEmpty());
    QCOMPARE(Fixture::readFile(album), bytes);
}

void tst_FrmMain::writeBackBeforeAnyDropFails75()
{
    const QString album = page(QStringLiteral("Album001.html"), {{QStringLiteral("img1.jpg"), "old"}});
    const QByteArray before = Fixture::readFile(album);
    openWindow();

    writeBack(QStringLiteral("new"));

    QCOMPARE(m_fakes->messages.texts(), QStringList{QStringLiteral("対象ファイルが見つかりません。E=75")});
    QVERIFY(m_window->isVisible());
    QVERIFY(m_fakes->shell.opened.isEmpty());
    QCOMPARE(Fixture::readFile(album), before);
}

void tst_FrmMain::writeBackLeavesChangedPageAlone()
{
    const QString image = photo(QStringLiteral("img1.jpg"));
    const QString album = page(QStringLiteral("Album001.html"), {{QStringLiteral("img1.jpg"), "old"}});
    openWindow();
    dropFile(image);
    // Another program rebuilt the page without this image.
    const QByteArray changed = albumPage({{QStringLiteral("img9.jpg"), ""}});
    QVERIFY(Fixture::writeFile(album, changed));

    writeBack(QStringLiteral("new"));

    QCOMPARE(Fixture::readFile(album), changed);
    QCOMPARE(m_fakes->messages.texts(),
             QStringList{QStringLiteral("コメントの位置が見つかりません。ページが変更されています。E=10001")});
    QVERIFY(m_window->isVisible());
    QVERIFY(m_fakes->shell.opened.isEmpty());
}

void tst_FrmMain::previewShowsFittedPicture()
{
    // 200 x 200 pixels are 3000 x 3000 twips: shown at 1356 x 1356 twips.
    const QString square = photo(QStringLiteral("square.jpg"), 200, 200);
    const QString small = photo(QStringLiteral("small.jpg"), 60, 40);
    openWindow();
    const auto *Image1 = control<QLabel>("Image1");

    dropFile(square);
    QCOMPARE(Image1->geometry(), QRect(19, 45, 90, 90));
    QCOMPARE(Image1->pixmap().size(), QSize(90, 90));
    QVERIFY(Image1->isVisible());

    dropFile(small);
    QCOMPARE(Image1->geometry(), QRect(19, 45, 60, 40));
}

void tst_FrmMain::sizeToggleAndDropCollapse()
{
    const QString image = photo(QStringLiteral("img1.jpg"));
    openWindow();
    auto *cmdSizeUP = control<QCheckBox>("cmdSizeUP");
    const auto *txtComment = control<QPlainTextEdit>("txtComment");

    QTest::mouseClick(cmdSizeUP, Qt::LeftButton);
    QCOMPARE(txtComment->size(), QSize(244, 43));
    QTest::mouseClick(cmdSizeUP, Qt::LeftButton);
    QCOMPARE(txtComment->size(), QSize(244, 20));

    cmdSizeUP->setChecked(true);
    dropFile(image);
    QVERIFY(!cmdSizeUP->isChecked());
    QCOMPARE(txtComment->size(), QSize(244, 20));
}

void tst_FrmMain::dropEventOnlyOnPreviewArea()
{
    const QString image = photo(QStringLiteral("img1.jpg"));
    openWindow();
    const std::unique_ptr<QMimeData> drag = browserDrag(image);
    // The drag comes in over the window's right edge, then moves to the point.
    const auto dragTo = [&](const QPoint &at) {
        QDragEnterEvent enter(QPoint(340, 150), Qt::CopyAction, drag.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, Qt::CopyAction, drag.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &move);
        QDropEvent dropped(at, Qt::CopyAction, drag.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &dropped);
        return move.isAccepted();
    };

    QVERIFY(!dragTo(QPoint(300, 150))); // on the buttons
    QCoreApplication::processEvents();
    QCOMPARE(m_window->imagePath(), QString());

    QVERIFY(dragTo(QPoint(60, 110))); // on the hint over the preview
    QTRY_COMPARE(m_window->imagePath(), image);
}

void tst_FrmMain::startsVelmo_data()
{
    QTest::addColumn<bool>("starts");
    QTest::newRow("started, tool ends") << true;
    QTest::newRow("not started, tool stays") << false;
}

void tst_FrmMain::startsVelmo()
{
    QFETCH(bool, starts);
    openWindow();
    m_fakes->launcher.failNext = !starts;
    QTest::mouseClick(control<QPushButton>("cmdVelmo"), Qt::LeftButton);
    QCOMPARE(m_window->isVisible(), !starts);
    if (starts)
        QCOMPARE(m_fakes->launcher.started.first().program, Paths::mainProgram());
    else
        QCOMPARE(m_fakes->messages.texts(), QStringList{QStringLiteral("ヴェルモを起動できません。E=53")});
}

void tst_FrmMain::linksAndAboutBox()
{
    openWindow();
    QTest::mouseDClick(control<QLabel>("lblName"), Qt::LeftButton);
    QTest::mouseDClick(control<QLabel>("lblTitle1"), Qt::LeftButton);
    QTest::mouseDClick(control<QLabel>("Picture1"), Qt::LeftButton);
    QTest::mouseDClick(control<QLabel>("lblTitle"), Qt::LeftButton);

    QCOMPARE(m_fakes->shell.opened.size(), 3);
    QCOMPARE(m_fakes->shell.opened.at(0), QuilletText::downloadPage());
    QCOMPARE(m_fakes->shell.opened.at(1), QuilletText::downloadPage());
    const QUrl mail = m_fakes->shell.opened.at(2);
    QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
    QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("「コメントヴェルモ」バグ報告.意見など"));
    QCOMPARE(m_fakes->messages.shown.size(), 1);
    QVERIFY(m_fakes->messages.shown.first().text.startsWith(QStringLiteral("Quillet Ver0.1")));
}

void tst_FrmMain::commentOnBuiltAlbum()
{
    const QString first = photo(QStringLiteral("a&b.jpg"));
    const QString second = photo(QStringLiteral("IMG_02.JPG"));
    AlbumControls controls;
    controls.folder = m_photos;
    RecordingView view;
    const AlbumBuildResult built = buildAlbum(controls, *m_store, view, m_fakes->clock, [] { return DesignValues{}; });
    QCOMPARE(built.imageCount, 2);
    const QString album = Paths::join(m_photos, QStringLiteral("Album001.html"));
    const QByteArray before = Fixture::readFile(album);
    openWindow();

    dropFile(first);
    QCOMPARE(m_window->targetPage(), album);
    writeBack(QStringLiteral("ampersand"));
    dropFile(second);
    writeBack(QStringLiteral("upper case"));

    QByteArray expected = before;
    expected.replace("<!Sa&amp;b.jpg><!Ea&amp;b.jpg>", "<!Sa&amp;b.jpg>ampersand<!Ea&amp;b.jpg>");
    expected.replace("<!SIMG_02.JPG><!EIMG_02.JPG>", "<!SIMG_02.JPG>upper case<!EIMG_02.JPG>");
    QVERIFY(expected != before);
    QCOMPARE(Fixture::readFile(album), expected);
    QVERIFY(m_fakes->messages.shown.isEmpty());
}

QString tst_FrmMain::makeAlbum(int photos)
{
    for (int i = 1; i <= photos; ++i)
        photo(QStringLiteral("p%1.jpg").arg(i), 40, 30);
    m_store->write(Keys::PhotoPiece, QStringLiteral("2"));
    m_store->write(Keys::Path, m_photos);
    AlbumControls controls;
    controls.folder = m_photos;
    RecordingView view;
    buildAlbum(controls, *m_store, view, m_fakes->clock, [] { return DesignValues{}; });
    return Paths::join(m_photos, QStringLiteral("Album001.html"));
}

void tst_FrmMain::keysMoveThroughTheAlbum()
{
    const QString album = makeAlbum(3);
    QByteArray bytes = Fixture::readFile(album);
    QVERIFY(Fixture::writeFile(album, bytes.replace("<!Sp1.jpg>", "<!Sp1.jpg>" + QByteArray("line\r\n").repeated(60))));
    openWindow();
    const auto *txtComment = control<QPlainTextEdit>("txtComment");
    QVERIFY(txtComment->toolTip().contains(QStringLiteral("PageDown")));

    key(Qt::Key_PageDown); // before any drop: the album Velmo showed last
    QCOMPARE(m_window->imageName(), QStringLiteral("p1.jpg"));
    QCOMPARE(message(), QStringLiteral("1 / 3  Album001.htmlを検出しました。"));
    txtComment->verticalScrollBar()->setValue(txtComment->verticalScrollBar()->maximum());
    key(Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(m_window->imageName(), QStringLiteral("p2.jpg"));
    QCOMPARE(txtComment->verticalScrollBar()->value(), 0);
    key(Qt::Key_PageDown);
    QCOMPARE(message(), QStringLiteral("3 / 3  Album002.htmlを検出しました。"));
    key(Qt::Key_PageDown);
    QCOMPARE(m_window->imageName(), QStringLiteral("p3.jpg"));
    QCOMPARE(message(), QuilletText::lastImage());
    key(Qt::Key_PageUp);
    key(Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(m_window->imageName(), QStringLiteral("p1.jpg"));
    key(Qt::Key_PageUp);
    QCOMPARE(message(), QuilletText::firstImage());
    QVERIFY(m_fakes->messages.shown.isEmpty());
}

void tst_FrmMain::ctrlEnterWritesAndGoesOn()
{
    const QString album = makeAlbum(3);
    const QString last = Paths::join(m_photos, QStringLiteral("Album002.html"));
    openWindow();
    key(Qt::Key_PageDown);
    for (const char *text : {"one", "<!Sp3.jpg>two", "two", "three"}) {
        control<QPlainTextEdit>("txtComment")->setPlainText(QString::fromUtf8(text));
        key(Qt::Key_Return, Qt::ControlModifier);
    }

    QVERIFY(Fixture::readFile(album).contains("<!Sp1.jpg>one<!Ep1.jpg>"));
    // Marker text is written as text, and said so before going on.
    QVERIFY(Fixture::readFile(album).contains("<!Sp2.jpg>two<!Ep2.jpg>"));
    QVERIFY(Fixture::readFile(last).contains("<!Sp3.jpg>three<!Ep3.jpg>"));
    QCOMPARE(m_window->imageName(), QStringLiteral("p3.jpg"));
    QCOMPARE(m_fakes->shell.opened, QList<QUrl>{QUrl::fromLocalFile(last)});
    QVERIFY(m_fakes->messages.shown.isEmpty());
}

void tst_FrmMain::leavingAnEditedCommentAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("shown"); // the image shown afterwards
    QTest::newRow("write") << int(MessageBoxes::Answer::Yes) << QStringLiteral("edited") << QStringLiteral("p2.jpg");
    QTest::newRow("discard") << int(MessageBoxes::Answer::No) << QString() << QStringLiteral("p2.jpg");
    QTest::newRow("stay") << int(MessageBoxes::Answer::Cancel) << QString() << QStringLiteral("p1.jpg");
}

void tst_FrmMain::leavingAnEditedCommentAsks()
{
    QFETCH(int, answer);
    QFETCH(QString, written);
    QFETCH(QString, shown);
    const QString album = makeAlbum(2);
    openWindow();
    key(Qt::Key_PageDown);
    control<QPlainTextEdit>("txtComment")->setPlainText(QStringLiteral("edited"));
    m_fakes->messages.answers.enqueue(MessageBoxes::Answer(answer));

    key(Qt::Key_PageDown);

    QCOMPARE(m_fakes->messages.texts(), QStringList{QuilletText::unwrittenQuestion()});
    QCOMPARE(m_window->imageName(), shown);
    QVERIFY(Fixture::readFile(album).contains("<!Sp1.jpg>" + written.toUtf8() + "<!Ep1.jpg>"));
    if (shown == QStringLiteral("p1.jpg")) { // stayed: closing asks again
        m_fakes->messages.answers.enqueue(MessageBoxes::Answer::Cancel);
        m_window->close();
        QVERIFY(m_window->isVisible());
    }
}

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
