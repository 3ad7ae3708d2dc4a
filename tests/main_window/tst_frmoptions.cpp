// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmowindows.h"

#include "album/albumsettings.h"
#include "main_window/frmoptions.h"
#include "platform/paths.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QUrlQuery>

class tst_FrmOptions : public QObject
{
    Q_OBJECT

private slots:
    void firstLoadKeepsTheInitialValues();
    void storedValuesComeBack();
    void switchesAreStoredAndShownAtOnce();
    void saveStoresOnlyWhatTheControlsShow();
    void choicesStoreTheirValue_data();
    void choicesStoreTheirValue();
    void scrollBarSetsThePhotoCount();
    void resetThenCloseStoresTheDefaults();
    void browseSetsTheFieldUnlessCancelled();
    void closedDialogIsLoadedAgainWithTheSavedValues();
    void deleteLeavesOnlyTheResavedKeys();
    void linksOpenThePageAndAMail();
};

void tst_FrmOptions::firstLoadKeepsTheInitialValues()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();

    QCOMPARE(options.TXTDIRbrowser->text(), Paths::defaultBrowser());
    QCOMPARE(options.TXTDIRftp->text(), Paths::defaultFtpClient()); // no comment tool installed
    QCOMPARE(options.TXTDIRediter->text(), Paths::defaultEditor());
    QVERIFY(options.Option2->isChecked());
    QVERIFY(options.Option5->isChecked());
    QCOMPARE(options.TXTApage->text(), QStringLiteral("6"));
    QCOMPARE(options.Label16->text(), QStringLiteral("NOT Find RdctJPEG.dll"));
    QCOMPARE(options.lblVersion->text(), QStringLiteral("for Windows95/98 Version 2.7.0"));
    QVERIFY(options.windowTitle().startsWith(QStringLiteral("Options") + QString(15, QChar(0x3000))));
}

void tst_FrmOptions::storedValuesComeBack()
{
    VelmoWindows velmo;
    velmo.store.write(Keys::PhotoPiece, QStringLiteral("10"));
    velmo.store.write(Keys::AlbumLine, QStringLiteral("3"));
    velmo.store.write(Keys::JPEGReduction, QStringLiteral("8"));
    velmo.store.write(Keys::CheckWarning, QStringLiteral("1"));
    velmo.store.write(Keys::CheckTARGET, QStringLiteral("1"));
    velmo.store.write(Keys::DIRbrowser, QStringLiteral("/opt/browser"));
    velmo.installCommentTool();
    Fixture::writeFile(velmo.home.folder(QStringLiteral("prefix/lib/velmo")) + QStringLiteral("/RdctJPEG.so"), "x");
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();
    Form1 &form = velmo.form();

    QCOMPARE(options.TXTApage->text(), QStringLiteral("10"));
    QCOMPARE(options.VScroll1->value(), 6);
    QVERIFY(options.Option3->isChecked());
    QVERIFY(options.Option7->isChecked());
    QCOMPARE(options.TXTDIRbrowser->text(), QStringLiteral("/opt/browser"));
    QCOMPARE(options.TXTDIRftp->text(), Paths::commentTool());
    QCOMPARE(options.Label16->text(), QString());
    QVERIFY(options.CheckWarning->isChecked());
    QVERIFY(options.CheckTARGET->isChecked());
    QCOMPARE(form.cmdJPGDEL->text(), QStringLiteral("削除(JPG)*"));
}

void tst_FrmOptions::switchesAreStoredAndShownAtOnce()
{
    VelmoWindows velmo;
    velmo.store.write(Keys::EnglishJapanese, QStringLiteral("1"));
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();
    Form1 &form = velmo.form();

    options.CheckWarning->click();
    QCOMPARE(velmo.store.read(Keys::CheckWarning), QStringLiteral("1"));
    QCOMPARE(form.cmdJPGDEL->text(), QStringLiteral("JpgDelete*"));

    options.CheckWarningHtml->click();
    QCOMPARE(velmo.store.read(Keys::CheckWarningHtml), QStringLiteral("1"));
    QCOMPARE(form.cmdAlbum->text(), QStringLiteral("Album*"));

    options.CheckWarningJPG->click();
    QCOMPARE(velmo.store.read(Keys::CheckWarningJPG), QStringLiteral("1"));
    options.CheckTARGET->click();
    QCOMPARE(velmo.store.read(Keys::CheckTARGET), QStringLiteral("1"));
    options.CheckClipBoard->click();
    QCOMPARE(velmo.store.read(Keys::IMGClipBoard), QStringLiteral("1"));

    options.CheckWarning->click();
    QCOMPARE(velmo.store.read(Keys::CheckWarning), QStringLiteral("0"));
    QCOMPARE(form.cmdJPGDEL->text(), QStringLiteral("JpgDelete"));

    // What the photos say: the album options follow at once.
    options.CheckShotDate->click();
    QCOMPARE(velmo.store.read(Keys::DateSource), QStringLiteral("shot"));
    options.CheckPhotoCaptions->click();
    QCOMPARE(velmo.store.read(Keys::CaptionsFromPhotos), QStringLiteral("1"));
    options.CheckCommentsIntoPhotos->click();
    QCOMPARE(velmo.store.read(Keys::CommentsIntoPhotos), QStringLiteral("1"));
    const AlbumOptions album = albumOptions(QString(), velmo.forms.optionsModel(), DesignValues{});
    QVERIFY(album.shotDates && album.captionsFromPhotos);
    options.CheckShotDate->click();
    QCOMPARE(velmo.store.read(Keys::DateSource), QStringLiteral("file"));
}

// Stored text that is no number (or a state other than 0 and 1) is read as
// the controls can show it, and a save writes that back, never the text.
void tst_FrmOptions::saveStoresOnlyWhatTheControlsShow()
{
    VelmoWindows velmo;
    velmo.store.write(Keys::PhotoPiece, QStringLiteral("abc"));
    velmo.store.write(Keys::CheckWarning, QStringLiteral("2"));
    velmo.store.write(Keys::IMGClipBoard, QStringLiteral("on"));
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();
    QCOMPARE(options.TXTApage->text(), QStringLiteral("6"));

    options.Command5->click();

    QCOMPARE(velmo.store.read(Keys::PhotoPiece), QStringLiteral("6"));
    QCOMPARE(velmo.store.read(Keys::CheckWarning), QStringLiteral("0"));
    QCOMPARE(velmo.store.read(Keys::IMGClipBoard), QStringLiteral("0"));
    QVERIFY(velmo.fakes.messages.shown.isEmpty());
}

void tst_FrmOptions::choicesStoreTheirValue_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("one per row") << "Option1"
                                 << "AlbumLine"
                                 << "1";
    QTest::newRow("three per row") << "Option3"
                                   << "AlbumLine"
                                   << "3";
    QTest::newRow("full size") << "Option4"
                               << "JPEGReduction"
                               << "1";
    QTest::newRow("quarter") << "Option6"
                             << "JPEGReduction"
                             << "4";
    QTest::newRow("eighth") << "Option7"
                            << "JPEGReduction"
                            << "8";
}

void tst_FrmOptions::choicesStoreTheirValue()
{
    QFETCH(QString, option);
    QFETCH(QString, key);
    QFETCH(QString, value);
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();

    options.findChild<QRadioButton *>(option)->click();

    QCOMPARE(velmo.store.readSetting(QStringLiteral("SAVE"), key, QString()), value);
}

void tst_FrmOptions::scrollBarSetsThePhotoCount()
{
    VelmoWindows velmo;
    velmo.store.write(Keys::PhotoPiece, QStringLiteral("10"));
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();

    options.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);

    QCOMPARE(options.TXTApage->text(), QStringLiteral("7"));
    QCOMPARE(velmo.store.read(Keys::PhotoPiece), QStringLiteral("10")); // stored on save only
    options.cmdRegstSave->click();
    QCOMPARE(velmo.store.read(Keys::PhotoPiece), QStringLiteral("7"));
}

void tst_FrmOptions::resetThenCloseStoresTheDefaults()
{
    VelmoWindows velmo;
    velmo.store.write(Keys::DIRbrowser, QStringLiteral("/opt/browser"));
    velmo.store.write(Keys::DIRftp, QStringLiteral("/opt/ftp"));
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();

    options.cmdReset->click();
    QCOMPARE(velmo.store.read(Keys::DIRbrowser), QStringLiteral("/opt/browser"));
    options.Command5->click();

    QCOMPARE(velmo.store.read(Keys::DIRbrowser), Paths::defaultBrowser());
    QCOMPARE(velmo.store.read(Keys::DIRftp), Paths::commentTool());
    QCOMPARE(velmo.store.read(Keys::DIRediter), Paths::defaultEditor());
    QVERIFY(!velmo.forms.hasOptions());
}

void tst_FrmOptions::browseSetsTheFieldUnlessCancelled()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();
    velmo.fakes.dialogs.fileAnswers.enqueue(std::nullopt);
    velmo.fakes.dialogs.fileAnswers.enqueue(QStringLiteral("/usr/bin/kate"));
    const QString before = options.TXTDIRediter->text();

    options.cmdBrowse3->click();
    QCOMPARE(options.TXTDIRediter->text(), before);
    options.cmdBrowse3->click();
    QCOMPARE(options.TXTDIRediter->text(), QStringLiteral("/usr/bin/kate"));

    QCOMPARE(velmo.fakes.dialogs.fileTitles.first(), QStringLiteral("エディタの実行ファイルの指定"));
    QCOMPARE(velmo.fakes.dialogs.fileFilters.first(), QStringLiteral("プログラムファイル (*)"));
}

// The start-up puts the comment tool into the field over the stored text;
// closing the dialog saves what it shows, and it comes back with that.
void tst_FrmOptions::closedDialogIsLoadedAgainWithTheSavedValues()
{
    VelmoWindows velmo;
    velmo.installCommentTool();
    velmo.store.write(Keys::DIRftp, QStringLiteral("/opt/ftp"));
    velmo.startIn(velmo.home.folder());
    QCOMPARE(velmo.forms.options().TXTDIRftp->text(), Paths::commentTool());

    velmo.forms.options().TXTDIRftp->setText(QStringLiteral("/opt/other"));
    velmo.forms.options().close();
    QVERIFY(!velmo.forms.hasOptions());
    QCOMPARE(velmo.store.read(Keys::DIRftp), QStringLiteral("/opt/other"));

    QCOMPARE(velmo.forms.options().TXTDIRftp->text(), QStringLiteral("/opt/other"));
    QVERIFY(!velmo.forms.options().isVisible());
}

void tst_FrmOptions::deleteLeavesOnlyTheResavedKeys()
{
    VelmoWindows velmo;
    velmo.store.write(Keys::SelStart, QStringLiteral("5"));
    velmo.store.write(Keys::ColorMode, QStringLiteral("1"));
    velmo.store.write(Keys::AlbumLine, QStringLiteral("3"));
    velmo.store.writeSetting(QStringLiteral("COLORSET"), QStringLiteral("1AlbumTitle"), QStringLiteral("Trip"));
    velmo.startIn(velmo.home.folder());
    velmo.forms.design();

    velmo.forms.options().cmdRegstDel->click();

    QSettings ini(velmo.home.configFile(), QSettings::IniFormat);
    QCOMPARE(ini.childGroups(), (QStringList{"MODE", "SAVE"}));
    ini.beginGroup(QStringLiteral("SAVE"));
    QStringList saved = ini.childKeys();
    saved.sort();
    QCOMPARE(saved, (QStringList{"CheckWarning", "CheckWarningHtml", "CheckWarningJPG", "DIRbrowser", "DIRediter",
                                 "DIRftp", "HEIGHT", "LEFT", "Path", "PhotoPiece", "TOP", "WIDTH"}));
    ini.endGroup();
    ini.beginGroup(QStringLiteral("MODE"));
    // The language was never chosen, so it is not stored.
    QCOMPARE(ini.childKeys(), (QStringList{"CheckTARGET", "IMGClipBoard"}));
    QVERIFY(velmo.form().isClosing());
}

void tst_FrmOptions::linksOpenThePageAndAMail()
{
    VelmoWindows velmo;
    velmo.startIn(velmo.home.folder());
    frmOptions &options = velmo.forms.options();

    QTest::mouseClick(options.picIcon, Qt::LeftButton);
    QTest::mouseClick(options.lblDisclaimer, Qt::LeftButton);

    QCOMPARE(velmo.fakes.shell.opened.size(), 2);
    QCOMPARE(velmo.fakes.shell.opened[0].scheme(), QStringLiteral("https"));
    const QUrl mail = velmo.fakes.shell.opened[1];
    QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
    QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("「ヴェルモ」バグ報告.意見等"));
}

QTEST_MAIN(tst_FrmOptions)
#include "tst_frmoptions.moc"
