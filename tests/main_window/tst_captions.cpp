// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmowindows.h"

#include "lang/captions.h"
#include "main_window/frmoptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

class tst_Captions : public QObject
{
    Q_OBJECT

private slots:
    void captionsFollowLanguageAndCommentTool_data();
    void captionsFollowLanguageAndCommentTool();
    void switchingLanguageRewritesBothWindows();
    void commentToolIsLookedForAgain();
    void everyRowNamesAControl();
    void englishWindowsShowNoJapanese();
};

void tst_Captions::captionsFollowLanguageAndCommentTool_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("tool");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("quit");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("ok");
    QTest::newRow("Japanese, no tool") << false << false << "予備"
                                       << "終　了"
                                       << "English Mode"
                                       << "更　新";
    QTest::newRow("Japanese, tool") << false << true << "ｺﾒﾝﾄ"
                                    << "終　了"
                                    << "English Mode"
                                    << "更　新";
    QTest::newRow("English, no tool") << true << false << "Reserve"
                                      << "Exit"
                                      << "日本語表示"
                                      << "O K";
    QTest::newRow("English, tool") << true << true << "Comment"
                                   << "Exit"
                                   << "日本語表示"
                                   << "O K";
}

void tst_Captions::captionsFollowLanguageAndCommentTool()
{
    QFETCH(bool, english);
    QFETCH(bool, tool);
    QFETCH(QString, comment);
    QFETCH(QString, quit);
    QFETCH(QString, language);
    QFETCH(QString, ok);
    VelmoWindows velmo;
    if (tool)
        velmo.installCommentTool();
    velmo.store.write(Keys::EnglishJapanese, english ? QStringLiteral("1") : QStringLiteral("0"));
    velmo.startIn(velmo.home.folder());
    Form1 &form = velmo.form();
    frmOptions &options = velmo.forms.options();

    QCOMPARE(form.cmdFTP->text(), comment);
    QCOMPARE(options.Label9->text(), comment);
    QCOMPARE(form.cmd_quit->text(), quit);
    QCOMPARE(options.CheckEnglish->text(), language);
    QCOMPARE(options.Command5->text(), ok);
    QCOMPARE(form.commentToolPresent(), tool);
}

void tst_Captions::switchingLanguageRewritesBothWindows()
{
    VelmoWindows velmo;
    velmo.store.write(Keys::CheckWarningHtml, QStringLiteral("1"));
    velmo.startIn(velmo.home.folder());
    Form1 &form = velmo.form();
    frmOptions &options = velmo.forms.options();
    QCOMPARE(form.cmdAlbum->text(), QStringLiteral("ｱﾙﾊﾞﾑ作成*"));
    QCOMPARE(form.Check4->text(), QStringLiteral("スケール調整"));
    QCOMPARE(options.Label14->text(), QStringLiteral("ｽｹｰﾙ 1/"));

    options.CheckEnglish->click();

    QCOMPARE(velmo.store.read(Keys::EnglishJapanese), QStringLiteral("1"));
    // Tool tips, screen reader names and titles follow, as the captions do.
    QCOMPARE(form.cmdAlbum->toolTip(), QStringLiteral("Makes HTML album pages with thumbnails of the JPEG pictures."));
    QCOMPARE(form.cmdAlbum->accessibleDescription(), form.cmdAlbum->toolTip());
    QCOMPARE(form.Slider1->accessibleName(), QStringLiteral("Slide show interval"));
    QCOMPARE(options.TXTDIRediter->toolTip(), QStringLiteral("Enter the full path of the editor to use."));
    QVERIFY(options.windowTitle().endsWith(QStringLiteral("Velmo settings")));
    QCOMPARE(form.cmdAlbum->text(), QStringLiteral("Album*"));
    QCOMPARE(form.cmdJPGDEL->text(), QStringLiteral("JpgDelete"));
    QCOMPARE(form.Check4->text(), QStringLiteral("OriginalScale"));
    QCOMPARE(form.cmdSlideShow->text(), QStringLiteral("SlideShow"));
    QCOMPARE(options.Label14->text(), QStringLiteral("Scale 1/"));
    QCOMPARE(options.CheckWarningJPG->text(), QStringLiteral("s_@@@@@.jpg Delete MesBox"));

    options.CheckEnglish->click();
    QCOMPARE(form.cmd_quit->text(), QStringLiteral("終　了"));
    QCOMPARE(options.CheckEnglish->text(), QStringLiteral("English Mode"));
    QCOMPARE(options.CheckClipBoard->text(), QStringLiteral("ｲﾒｰｼﾞをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"));
    QCOMPARE(form.cmdAlbum->toolTip(),
             QStringLiteral("JPG画像を編集してサムネイル形式のＨＴＭＬファイルを作成します。"));
    QCOMPARE(form.Slider1->accessibleName(), QStringLiteral("スライドショーの間隔"));
}

void tst_Captions::commentToolIsLookedForAgain()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    QCOMPARE(velmo.form().cmdFTP->text(), QStringLiteral("予備"));

    velmo.installCommentTool();
    velmo.forms.options().CheckEnglish->click();
    velmo.forms.options().CheckEnglish->click();

    QCOMPARE(velmo.form().cmdFTP->text(), QStringLiteral("ｺﾒﾝﾄ"));
    QCOMPARE(velmo.forms.options().Label9->text(), QStringLiteral("ｺﾒﾝﾄ"));
}

// A renamed control cannot lose its caption unnoticed.
void tst_Captions::everyRowNamesAControl()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    for (const Captions::Row &row : Captions::allRows()) {
        const QString name = QString::fromLatin1(row.control);
        QVERIFY2(velmo.form().findChild<QAbstractButton *>(name) || velmo.forms.options().findChild<QWidget *>(name),
                 row.control);
    }
}

// Every text a person or a screen reader meets, in English; only the language
// box offers Japanese, and the design dialog's fields hold the album's own texts.
void tst_Captions::englishWindowsShowNoJapanese()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    velmo.forms.design();
    velmo.forms.options().CheckEnglish->click();
    const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF01}-\\x{FF9F}]"));
    QList<QWidget *> shown{&velmo.form()};
    shown += velmo.form().findChildren<QWidget *>();
    for (QWidget *widget : std::as_const(shown)) {
        if (widget == velmo.forms.options().CheckEnglish || qobject_cast<QLineEdit *>(widget))
            continue;
        const QString caption = widget->property("text").toString();
        for (const QString &text : {caption, widget->toolTip(), widget->accessibleName(), widget->windowTitle()})
            QVERIFY2(!text.contains(japanese), qPrintable(widget->objectName() + QLatin1String(": ") + text));
    }
}

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
