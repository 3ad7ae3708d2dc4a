// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmainfixture.h"
#include "platform/failure.h"

#include "comment_tool/commentblock.h"
#include "comment_tool/quillettext.h"
#include "metadata/photometadata.h"

#include <QCheckBox>

#include <QDir>

// Writing a comment back into its page and moving through a built album.
class tst_CommentWriteBack : public QObject, FrmMainFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void writeBackReplacesOnlyTheComment_data();
    void writeBackReplacesOnlyTheComment();
    void shiftJisPageRoundTrip();
    void refusedCommentsLeaveThePage_data();
    void refusedCommentsLeaveThePage();
    void linkedPageIsNeverWritten();
    void writeBackBeforeAnyDropFails75();
    void writeBackLeavesChangedPageAlone();
    void commentOnBuiltAlbum();
    void commentIntoThePhoto();
    void keysMoveThroughTheAlbum();
    void ctrlEnterWritesAndGoesOn();
    void leavingAnEditedCommentAsks_data();
    void leavingAnEditedCommentAsks();
};

void tst_CommentWriteBack::writeBackReplacesOnlyTheComment_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("new") << QStringLiteral("new") << QByteArray("new");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("lines and japanese") << QStringLiteral("一行目\n二行目")
                                        << QStringLiteral("一行目\r\n二行目").toUtf8();
}

void tst_CommentWriteBack::writeBackReplacesOnlyTheComment()
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

void tst_CommentWriteBack::shiftJisPageRoundTrip()
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

void tst_CommentWriteBack::refusedCommentsLeaveThePage_data()
{
    QTest::addColumn<QByteArray>("held");    // the comment as the page holds it
    QTest::addColumn<QByteArray>("charset"); // as the page declares it
    QTest::addColumn<int>("refused");        // at the drop; 0 when the comment loads
    const QByteArray limit =
        QByteArray("photo ").repeated(CommentBlock::EditLimit / 6 + 1).left(CommentBlock::EditLimit);
    QTest::newRow("at the size limit") << limit << QByteArray("charset=UTF-8") << 0;
    QTest::newRow("over the size limit") << limit + 'x' << QByteArray("charset=UTF-8")
                                         << int(FailureCode::CommentTooLarge);
    // Neither decodes and encodes back to the same bytes in Shift_JIS.
    QTest::newRow("UTF-8 in a Shift_JIS page")
        << QStringLiteral("写真のコメント").toUtf8() << QByteArray("charset=Shift_JIS")
        << int(FailureCode::CommentNotPageText);
    QTest::newRow("UTF-8 in a page without charset")
        << QStringLiteral("日本語のコメント①").toUtf8() << QByteArray() << int(FailureCode::CommentNotPageText);
}

// A comment too large to edit, or whose bytes are no text of the page's
// encoding, is not shown for editing and no write-back touches its page.
void tst_CommentWriteBack::refusedCommentsLeaveThePage()
{
    QFETCH(QByteArray, held);
    QFETCH(QByteArray, charset);
    QFETCH(int, refused);
    const QString image = photo(QStringLiteral("img1.jpg"));
    const QString album = Paths::join(m_photos, QStringLiteral("Album001.html"));
    const QByteArray bytes = albumPage({{QStringLiteral("img1.jpg"), held}}).replace("charset=UTF-8", charset);
    QVERIFY(Fixture::writeFile(album, bytes));
    openWindow();

    dropFile(image);
    QCOMPARE(comment(), refused ? QString() : QString::fromUtf8(held));
    QCOMPARE(control<QPlainTextEdit>("txtComment")->isReadOnly(), refused != 0);
    // At the limit, three more bytes are too many to write.
    writeBack(comment() + QStringLiteral("+QP"));

    const QString said = QuilletText::writeFailure(refused ? refused : FailureCode::CommentTooLarge);
    QCOMPARE(m_fakes->messages.texts(), QStringList(refused ? 2 : 1, said));
    QCOMPARE(Fixture::readFile(album), bytes);
    QVERIFY(m_fakes->shell.opened.isEmpty());
}

// A page that is a link, here to a page of another folder, is found but
// never written: not where it points, and no temporary is left anywhere.
void tst_CommentWriteBack::linkedPageIsNeverWritten()
{
    const QString image = photo(QStringLiteral("img1.jpg"));
    const QString elsewhere = m_home->folder(QStringLiteral("elsewhere"));
    const QString outside = Paths::join(elsewhere, QStringLiteral("Album001.html"));
    QVERIFY(Fixture::writeFile(outside, albumPage({{QStringLiteral("img1.jpg"), "old"}})));
    const QString album = Paths::join(m_photos, QStringLiteral("Album001.html"));
    QVERIFY(QFile::link(outside, album));
    const QByteArray before = Fixture::readFile(outside);
    const auto entries = [&] {
        const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        return QDir(m_photos).entryList(all) + QDir(elsewhere).entryList(all);
    };
    const QStringList listed = entries();
    openWindow();

    dropFile(image);
    writeBack(QStringLiteral("new"));

    const QString said = QuilletText::writeFailure(FailureCode::PageNotRegularFile);
    QCOMPARE(m_fakes->messages.texts(), QStringList(2, said));
    QCOMPARE(Fixture::readFile(outside), before);
    QCOMPARE(QFileInfo(album).symLinkTarget(), outside);
    QCOMPARE(entries(), listed);
}

void tst_CommentWriteBack::writeBackBeforeAnyDropFails75()
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

void tst_CommentWriteBack::writeBackLeavesChangedPageAlone()
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

void tst_CommentWriteBack::commentOnBuiltAlbum()
{
    const QString first = photo(QStringLiteral("a&b.jpg"));
    const QString second = photo(QStringLiteral("IMG_02.JPG"));
    RecordingView view;
    const AlbumBuildResult built = buildAlbum(albumOptions(m_photos, OptionsModel(*m_store), DesignValues{}),
                                              DesignValues{}, view, m_fakes->clock);
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

// The switch beside the write button is Velmo's option; with it on, the
// photo takes the comment too, and a photo that cannot take it is named.
void tst_CommentWriteBack::commentIntoThePhoto()
{
    makeAlbum(2);
    openWindow();
    auto *intoPhoto = control<QCheckBox>("chkIntoPhoto");
    QVERIFY(!intoPhoto->isChecked());
    dropFile(Paths::join(m_photos, QStringLiteral("p1.jpg")));
    writeBack(QStringLiteral("page only"));
    QVERIFY(PhotoMetadataReader::read(Paths::join(m_photos, QStringLiteral("p1.jpg"))).caption.isEmpty());

    intoPhoto->click();
    QCOMPARE(m_store->read(Keys::CommentsIntoPhotos), QStringLiteral("1"));
    writeBack(QStringLiteral("海 & 空"));
    QCOMPARE(PhotoMetadataReader::read(Paths::join(m_photos, QStringLiteral("p1.jpg"))).caption,
             QStringLiteral("海 & 空"));

    const QString second = Paths::join(m_photos, QStringLiteral("p2.jpg"));
    QVERIFY(QFile::setPermissions(second, QFile::ReadOwner));
    dropFile(second);
    writeBack(QStringLiteral("read-only"));
    QCOMPARE(message(), QuilletText::photoNotWritten(QStringLiteral("p2.jpg")));
    QVERIFY(PhotoMetadataReader::read(second).caption.isEmpty());
    QVERIFY(m_fakes->messages.shown.isEmpty());
}

void tst_CommentWriteBack::keysMoveThroughTheAlbum()
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

void tst_CommentWriteBack::ctrlEnterWritesAndGoesOn()
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

void tst_CommentWriteBack::leavingAnEditedCommentAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("shown"); // the image shown afterwards
    QTest::newRow("write") << int(MessageBoxes::Answer::Yes) << QStringLiteral("edited") << QStringLiteral("p2.jpg");
    QTest::newRow("discard") << int(MessageBoxes::Answer::No) << QString() << QStringLiteral("p2.jpg");
    QTest::newRow("stay") << int(MessageBoxes::Answer::Cancel) << QString() << QStringLiteral("p1.jpg");
}

void tst_CommentWriteBack::leavingAnEditedCommentAsks()
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

QTEST_MAIN(tst_CommentWriteBack)
#include "tst_commentwriteback.moc"
