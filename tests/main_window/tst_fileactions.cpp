// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmowindows.h"

#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"
#include "platform/failure.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString ConfirmDelete = QStringLiteral("指定ファイルを削除します。");
const QString BrowserSetting = QStringLiteral("ブラウザの設定が異常です。設定を見直して下さい。");
const QString EditorSetting = QStringLiteral("Editerの設定が異常です。設定を見直して下さい。");
const QString CommentToolSetting = QStringLiteral("ファイルの設定が異常です。設定を見直して下さい。");
const QString NotForPictures = QStringLiteral("このボタンは、選択できません。");
const QString NoTrash = QStringLiteral("ゴミ箱に移せません。ファイルを完全に削除します。");
const QString Browser = QStringLiteral("/opt/browser/bin/browse");
const QString Editor = QStringLiteral("/opt/editor/bin/edit --new");
const QString CommentTool = QStringLiteral("/opt/velmo/bin/quillet");

// Which filter box lists a kind of file in File1.
QCheckBox *filterFor(Form1 &form, const QString &name)
{
    const QString lower = name.toLower();
    if (lower.endsWith(QLatin1String(".txt")))
        return form.Check2;
    if (lower.contains(QLatin1String(".htm")))
        return form.Check3;
    return nullptr;
}

// A window started in a photo folder holding one picture, a text file and
// pages, with the three program fields set.
struct ActionWindow : VelmoWindows
{
    ActionWindow()
    {
        startWithFiles({"P1.jpg", "P2.jpeg", "notes.txt", "Album000.html", "index.HTM", "index.htm.bak"});
        frmOptions &options = forms.options();
        options.TXTDIRbrowser->setText(Browser);
        options.TXTDIRediter->setText(Editor);
        options.TXTDIRftp->setText(CommentTool);
    }

    // Lists the name's kind and selects it, as a click does.
    void select(const QString &name)
    {
        if (QCheckBox *filter = filterFor(form(), name))
            filter->setChecked(true);
        const QList<QListWidgetItem *> found = form().File1->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        form().File1->setCurrentItem(found.first());
    }

    QString path(const QString &name) const { return folder + QLatin1Char('/') + name; }
    QString trashed(const QString &name) const
    {
        return home.path() + QStringLiteral("/home/.local/share/Trash/files/") + name;
    }
    bool listed(const QString &name) { return !form().File1->findItems(name, Qt::MatchExactly).isEmpty(); }
};

QList<QStringList> startedCommands(const FakeLauncher &launcher)
{
    QList<QStringList> commands;
    for (const FakeLauncher::Start &start : launcher.started)
        commands.append(QStringList{start.program} + start.arguments);
    return commands;
}

// A launcher whose starts fail with a given failure number.
class FailingLauncher : public Launcher
{
public:
    explicit FailingLauncher(int code)
        : m_code(code)
    {}
    void start(const QString &programField, const QStringList &) override { throw Failure(m_code, programField); }

private:
    int m_code;
};

} // namespace

class tst_FileActions : public QObject
{
    Q_OBJECT

private slots:
    void deleteMovesPictureToTrash_data();
    void deleteMovesPictureToTrash();
    void deleteWhereTheTrashIsMissingOrUnusable_data();
    void deleteWhereTheTrashIsMissingOrUnusable();
    void deleteOnlyTakesPictures_data();
    void deleteOnlyTakesPictures();
    void deleteOfVanishedPictureHidesViewer();
    void browserOpensSelectionOrFolder_data();
    void browserOpensSelectionOrFolder();
    void editorOpensEverythingButPictures_data();
    void editorOpensEverythingButPictures();
    void failedStartsShowTheirMessage_data();
    void failedStartsShowTheirMessage();
    void otherFailuresReportTheirNumber();
    void commentToolStartsAndEndsVelmo();
    void doubleClickOpensPages_data();
    void doubleClickOpensPages();
    void doubleClickWithoutSelectionDoesNothing();
    void dialogsOpenModal();
};

void tst_FileActions::deleteMovesPictureToTrash_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ask");
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("switch off") << "P1.jpg" << false << MessageBoxes::Answer::Ok << true;
    QTest::newRow("switch on, OK") << "P1.jpg" << true << MessageBoxes::Answer::Ok << true;
    QTest::newRow("switch on, Cancel") << "P1.jpg" << true << MessageBoxes::Answer::Cancel << false;
    QTest::newRow("jpeg name") << "P2.jpeg" << false << MessageBoxes::Answer::Ok << true;
}

void tst_FileActions::deleteMovesPictureToTrash()
{
    QFETCH(QString, name);
    QFETCH(bool, ask);
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(bool, deleted);
    ActionWindow velmo;
    Form1 &form = velmo.form();
    velmo.forms.optionsModel().setAskBeforeDeletingImage(ask);
    velmo.select(name);
    QVERIFY(!form.image1->isHidden());
    velmo.fakes.messages.answers.enqueue(answer);

    QTest::mouseClick(form.cmdJPGDEL, Qt::LeftButton);

    QCOMPARE(velmo.fakes.messages.texts(), ask ? QStringList{ConfirmDelete} : QStringList());
    if (ask) {
        QCOMPARE(velmo.fakes.messages.shown.first().buttons, MessageBoxes::Buttons::OkCancel);
        QCOMPARE(velmo.fakes.messages.shown.first().icon, MessageBoxes::Icon::Exclamation);
    }
    QCOMPARE(QFile::exists(velmo.path(name)), !deleted);
    QCOMPARE(QFile::exists(velmo.trashed(name)), deleted);
    QCOMPARE(velmo.listed(name), !deleted);
    // Cancel leaves the picture on show.
    QCOMPARE(form.image1->isHidden(), deleted);
    QCOMPARE(form.Text5->text().isEmpty(), deleted);
}

void tst_FileActions::deleteWhereTheTrashIsMissingOrUnusable_data()
{
    QTest::addColumn<QString>("dataHome"); // below the test home; empty: the usual one
    QTest::addColumn<bool>("earlier");     // the trash already holds a P1.jpg
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::addColumn<QString>("trashed"); // the name in the trash; empty: not trashed
    QTest::addColumn<bool>("kept");

    QTest::newRow("missing data folder: the trash is made")
        << "fresh/share" << false << MessageBoxes::Answer::Ok << "P1.jpg" << false;
    QTest::newRow("name taken in the trash") << "" << true << MessageBoxes::Answer::Ok << "P1.2.jpg" << false;
    QTest::newRow("no trash possible, OK deletes for good")
        << "blocked/share" << false << MessageBoxes::Answer::Ok << "" << false;
    QTest::newRow("no trash possible, Cancel keeps it")
        << "blocked/share" << false << MessageBoxes::Answer::Cancel << "" << true;
}

// The trash follows XDG_DATA_HOME and is made where missing; where it cannot
// be made ("blocked" is a file), the user is asked before a deletion for good.
void tst_FileActions::deleteWhereTheTrashIsMissingOrUnusable()
{
    QFETCH(QString, dataHome);
    QFETCH(bool, earlier);
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(QString, trashed);
    QFETCH(bool, kept);
    ActionWindow velmo;
    QVERIFY(Fixture::writeFile(velmo.home.path() + QStringLiteral("/blocked"), "a file\n"));
    const QString trash = (dataHome.isEmpty() ? velmo.home.path() + QStringLiteral("/home/.local/share")
                                              : velmo.home.path() + '/' + dataHome) +
                          QStringLiteral("/Trash");
    qputenv("XDG_DATA_HOME", QFile::encodeName(trash.chopped(6)));
    if (earlier) {
        QVERIFY(QDir().mkpath(trash + QStringLiteral("/info")) && QDir().mkpath(trash + QStringLiteral("/files")));
        QVERIFY(Fixture::writeFile(trash + QStringLiteral("/info/P1.jpg.trashinfo"), "[Trash Info]\n"));
        QVERIFY(Fixture::writeFile(trash + QStringLiteral("/files/P1.jpg"), "earlier"));
    }
    velmo.fakes.messages.answers.enqueue(answer);
    velmo.select(QStringLiteral("P1.jpg"));

    QTest::mouseClick(velmo.form().cmdJPGDEL, Qt::LeftButton);

    QCOMPARE(velmo.fakes.messages.texts(), trashed.isEmpty() ? QStringList{NoTrash} : QStringList());
    QCOMPARE(QFile::exists(velmo.path(QStringLiteral("P1.jpg"))), kept);
    QCOMPARE(velmo.listed(QStringLiteral("P1.jpg")), kept);
    if (!trashed.isEmpty()) {
        QVERIFY(QFile::exists(trash + QStringLiteral("/files/") + trashed));
        const QByteArray info = Fixture::readFile(trash + QStringLiteral("/info/") + trashed + ".trashinfo");
        QVERIFY2(info.startsWith("[Trash Info]\nPath=" + QFile::encodeName(velmo.path("P1.jpg")) + "\nDeletionDate="),
                 info.constData());
    }
    if (earlier)
        QCOMPARE(Fixture::readFile(trash + QStringLiteral("/files/P1.jpg")), QByteArray("earlier"));
    // Nothing is scattered into the current folder.
    QVERIFY(!QDir(QStringLiteral("files")).exists() && !QDir(QStringLiteral("info")).exists());
}

void tst_FileActions::deleteOnlyTakesPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("text file") << "notes.txt";
    QTest::newRow("nothing selected") << QString();
}

void tst_FileActions::deleteOnlyTakesPictures()
{
    QFETCH(QString, name);
    ActionWindow velmo;
    Form1 &form = velmo.form();
    velmo.forms.optionsModel().setAskBeforeDeletingImage(true);
    if (!name.isEmpty())
        velmo.select(name);
    const QStringList before = QDir(velmo.folder).entryList(QDir::Files);

    QTest::mouseClick(form.cmdJPGDEL, Qt::LeftButton);

    QCOMPARE(QDir(velmo.folder).entryList(QDir::Files), before);
    QVERIFY(velmo.fakes.messages.shown.isEmpty());
    QVERIFY(form.image1->isHidden());
}

// A picture gone since the list was made: no message, the viewer hidden.
void tst_FileActions::deleteOfVanishedPictureHidesViewer()
{
    ActionWindow velmo;
    Form1 &form = velmo.form();
    velmo.select(QStringLiteral("P1.jpg"));
    QVERIFY(QFile::remove(velmo.path(QStringLiteral("P1.jpg"))));

    QTest::mouseClick(form.cmdJPGDEL, Qt::LeftButton);

    QVERIFY(velmo.fakes.messages.shown.isEmpty());
    QVERIFY(form.image1->isHidden());
    QVERIFY(!QFile::exists(velmo.trashed(QStringLiteral("P1.jpg"))));
}

void tst_FileActions::browserOpensSelectionOrFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("page") << "Album000.html";
    QTest::newRow("picture") << "P1.jpg";
    QTest::newRow("nothing selected: the folder") << QString();
}

void tst_FileActions::browserOpensSelectionOrFolder()
{
    QFETCH(QString, name);
    ActionWindow velmo;
    Form1 &form = velmo.form();
    if (!name.isEmpty())
        velmo.select(name);

    QTest::mouseClick(form.cmdMSIE, Qt::LeftButton);

    QCOMPARE(startedCommands(velmo.fakes.launcher), (QList<QStringList>{{Browser, velmo.path(name)}}));
    QVERIFY(velmo.fakes.messages.shown.isEmpty());
    QVERIFY(form.image1->isHidden());
}

void tst_FileActions::editorOpensEverythingButPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("started");

    QTest::newRow("text file") << "notes.txt" << QStringList() << true;
    QTest::newRow("page") << "index.HTM" << QStringList() << true;
    QTest::newRow("picture") << "P1.jpg" << QStringList{NotForPictures} << false;
    QTest::newRow("jpeg picture") << "P2.jpeg" << QStringList{NotForPictures} << false;
}

void tst_FileActions::editorOpensEverythingButPictures()
{
    QFETCH(QString, name);
    QFETCH(bool, started);
    ActionWindow velmo;
    Form1 &form = velmo.form();
    velmo.select(name);

    QTest::mouseClick(form.cmdNOTE, Qt::LeftButton);

    QTEST(velmo.fakes.messages.texts(), "messages");
    const QList<QStringList> editorStart{{Editor, velmo.path(name)}};
    QCOMPARE(startedCommands(velmo.fakes.launcher), started ? editorStart : QList<QStringList>());
    QVERIFY(form.image1->isHidden());
}

void tst_FileActions::failedStartsShowTheirMessage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");

    QTest::newRow("browser") << "cmdMSIE" << BrowserSetting;
    QTest::newRow("editor") << "cmdNOTE" << EditorSetting;
    QTest::newRow("comment tool") << "cmdFTP" << CommentToolSetting;
}

void tst_FileActions::failedStartsShowTheirMessage()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    ActionWindow velmo;
    Form1 &form = velmo.form();
    velmo.select(QStringLiteral("notes.txt"));
    velmo.fakes.launcher.failNext = true;

    QTest::mouseClick(form.findChild<QPushButton *>(button), Qt::LeftButton);

    QCOMPARE(velmo.fakes.messages.texts(), QStringList{message});
    QCOMPARE(velmo.fakes.messages.shown.first().icon, MessageBoxes::Icon::None);
    QVERIFY(velmo.fakes.launcher.started.isEmpty());
    // Velmo stays open, the viewer empty.
    QVERIFY(!form.isClosing());
    QVERIFY(form.isVisible());
    QVERIFY(form.image1->isHidden());
}

void tst_FileActions::otherFailuresReportTheirNumber()
{
    TestHome home;
    SettingsStore store(home.configFile());
    FakeServices fakes;
    FailingLauncher launcher(FailureCode::PathFileAccess);
    Forms forms(store, {fakes.messages, launcher, fakes.shell, fakes.dialogs, fakes.clipboard, fakes.clock});
    store.write(Keys::Path, home.folder(QStringLiteral("photos")));
    forms.form1().Form_Load();

    for (QPushButton *button : {forms.form1().cmdMSIE, forms.form1().cmdFTP})
        QTest::mouseClick(button, Qt::LeftButton);

    const QString report = QStringLiteral("エラー番号を報告下さい。エラー番号　75");
    QCOMPARE(fakes.messages.texts(), (QStringList{report, report}));
    QVERIFY(!forms.form1().isClosing());
}

void tst_FileActions::commentToolStartsAndEndsVelmo()
{
    ActionWindow velmo;
    Form1 &form = velmo.form();
    velmo.select(QStringLiteral("P1.jpg"));

    QTest::mouseClick(form.cmdFTP, Qt::LeftButton);

    QCOMPARE(startedCommands(velmo.fakes.launcher), QList<QStringList>{{CommentTool}});
    QVERIFY(form.isClosing());
    QVERIFY(!form.isVisible());
    QCOMPARE(velmo.store.read(Keys::Path), velmo.folder);
}

void tst_FileActions::doubleClickOpensPages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opened");

    QTest::newRow("html") << "Album000.html" << true;
    QTest::newRow("HTM") << "index.HTM" << true;
    // Listed by the HTML filter, but its name does not end in a page suffix.
    QTest::newRow("backup of a page") << "index.htm.bak" << false;
    QTest::newRow("text file") << "notes.txt" << false;
    QTest::newRow("picture") << "P1.jpg" << false;
}

void tst_FileActions::doubleClickOpensPages()
{
    QFETCH(QString, name);
    QFETCH(bool, opened);
    ActionWindow velmo;
    Form1 &form = velmo.form();
    velmo.select(name);
    const QRect item = form.File1->visualItemRect(form.File1->currentItem());

    // A double-click starts with a click.
    QTest::mouseClick(form.File1->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(form.File1->viewport(), Qt::LeftButton, {}, item.center());

    QCOMPARE(velmo.fakes.shell.opened, opened ? QList<QUrl>{QUrl::fromLocalFile(velmo.path(name))} : QList<QUrl>());
}

void tst_FileActions::doubleClickWithoutSelectionDoesNothing()
{
    ActionWindow velmo;
    velmo.form().File1_DblClick();
    QVERIFY(velmo.fakes.shell.opened.isEmpty());
}

// Each button shows its dialog modally and returns when it closes.
void tst_FileActions::dialogsOpenModal()
{
    ActionWindow velmo;
    Form1 &form = velmo.form();
    QStringList seen;
    const auto closeModal = [&seen] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        seen.append(QString::fromLatin1(modal->metaObject()->className()));
        modal->close();
    };

    QTimer::singleShot(0, closeModal);
    QTest::mouseClick(form.cmdDesign, Qt::LeftButton);
    QTimer::singleShot(0, closeModal);
    QTest::mouseClick(form.cmdOption, Qt::LeftButton);

    QCOMPARE(seen, (QStringList{QStringLiteral("frmDesign"), QStringLiteral("frmOptions")}));
}

QTEST_MAIN(tst_FileActions)
#include "tst_fileactions.moc"
