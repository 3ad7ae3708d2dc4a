// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmainfixture.h"

#include "lang/translation.h"

#include <QRegularExpression>
#include <QScreen>

// Starting, dropping, the preview and the links of Quillet's window.
class tst_FrmMain : public QObject, FrmMainFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

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
    void previewShowsFittedPicture();
    void sizeToggleAndDropCollapse();
    void dropEventOnlyOnPreviewArea();
    void startsVelmo_data();
    void startsVelmo();
    void linksAndAboutBox();
    void languageChangeRetranslatesTheWindow();
};

void tst_FrmMain::startsNextToVelmo_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("nothing stored") << QString() << QString() << QPoint(67, 200);
    QTest::newRow("stored position") << QStringLiteral("1500") << QStringLiteral("3000") << QPoint(267, 300);
    // Kept whole on the screen, in its lower right corner.
    QTest::newRow("beyond the screen") << QStringLiteral("90000") << QStringLiteral("90000") << QPoint();
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
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(m_window->pos(), position.isNull() ? room.bottomRight() + QPoint(-349, -191) : position);
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

// Quillet follows the language Velmo's options choose; a change of language
// reaches the title, the buttons, the tool tips and the message line.
void tst_FrmMain::languageChangeRetranslatesTheWindow()
{
    m_window = std::make_unique<frmMain>(m_fakes->services(), *m_store);
    m_window->moveBy(1); // nothing dropped, no album to move in
    QCOMPARE(message(), QStringLiteral("アルバムファイルがありません。画像をドロップ下さい。"));

    Translation::use(true);
    QCoreApplication::sendPostedEvents();

    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quillet - Velmo comments"));
    QCOMPARE(control<QPushButton>("cmdQuit")->text(), QStringLiteral("Quit"));
    QCOMPARE(control<QPushButton>("cmdQuit")->toolTip(), QStringLiteral("Closes Quillet."));
    QCOMPARE(control<QPlainTextEdit>("txtComment")->accessibleName(), QStringLiteral("Comment"));
    QCOMPARE(message(), QStringLiteral("No album pages here. Drop a picture."));
    const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF01}-\\x{FF9F}]"));
    for (const QWidget *widget : m_window->findChildren<QWidget *>()) {
        for (const QString &text : {widget->property("text").toString(), widget->toolTip(), widget->accessibleName()})
            QVERIFY2(!text.contains(japanese), qPrintable(widget->objectName() + QLatin1String(": ") + text));
    }

    Translation::use(false);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(control<QPushButton>("cmdQuit")->text(), QStringLiteral("終了"));
    QCOMPARE(message(), QStringLiteral("アルバムファイルがありません。画像をドロップ下さい。"));
}

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
