// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/buildview.h"
#include "platform/fakes.h"
#include "slide/slidebuild.h"
#include "slide/slidepage.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {

// Records what the command does to the window, in order, in one log that the
// design copy joins too.
class RecordingView : public BuildView
{
public:
    void clearViewer() override { log << QStringLiteral("clearViewer"); }
    void showProgress(bool visible) override { log << QStringLiteral("showProgress %1").arg(visible); }
    void setProgress(BuildPhase, int, int) override {}
    void setStatus(const QString &text) override
    {
        m_status = text;
        log << QStringLiteral("status ") + text;
    }
    QString status() const override { return m_status; }
    void warn(const QString &text) override { log << QStringLiteral("warn ") + text; }
    void showWaiting(const QString &text) override { log << QStringLiteral("waiting ") + text; }
    void refreshFileList() override { log << QStringLiteral("refreshFileList"); }
    void setBusy(bool busy) override { log << QStringLiteral("busy %1").arg(busy); }
    bool askDeleteOldPages(const QString &question) override
    {
        log << QStringLiteral("ask ") + question;
        return false;
    }
    void showMessage(const QString &text, MessageBoxes::Icon icon) override { messages.append({text, icon}); }

    QStringList log;
    QList<QPair<QString, MessageBoxes::Icon>> messages;

private:
    QString m_status;
};

DesignValues slideDesign()
{
    DesignValues values;
    values.title = QStringLiteral("庭の花");
    values.footer = QStringLiteral("footer text");
    return values;
}

// How every run ends, written or not.
const QStringList RestoredView = {QStringLiteral("status "), QStringLiteral("showProgress 0"),
                                  QStringLiteral("busy 0")};

} // namespace

class tst_SlideBuild : public QObject
{
    Q_OBJECT

private slots:
    void writesPageOfFolder();
    void failureEndsCommand_data();
    void failureEndsCommand();

private:
    SlideBuildResult run(const QString &folder, bool deleteOldThumbs)
    {
        return writeSlidePage(folder, deleteOldThumbs, view, clock, slideDesign());
    }

    RecordingView view;
    FakeClock clock;
};

void tst_SlideBuild::writesPageOfFolder()
{
    TestHome home;
    const QString folder = home.folder(QStringLiteral("photos"));
    for (const char *name : {"b.jpg", "A.JPG", "s_b.jpg"})
        QVERIFY(Fixture::makeJpeg(folder + QLatin1Char('/') + QLatin1String(name), 8, 6));
    QVERIFY(Fixture::writeFile(folder + QStringLiteral("/notes.txt"), "x"));
    QVERIFY(Fixture::writeFile(folder + QStringLiteral("/Slide.html"), "an earlier page"));
    clock.wallTime = QDateTime(QDate(2024, 2, 29), QTime(23, 59));
    view = RecordingView();

    const SlideBuildResult result = run(folder, true);

    QCOMPARE(result.failureCode, 0);
    QCOMPARE(result.imageCount, 2);
    const QByteArray expected =
        SlidePage::page(slideDesign(), {QStringLiteral("A.JPG"), QStringLiteral("b.jpg")}, QDate(2024, 2, 29));
    QCOMPARE(Fixture::readFile(folder + QStringLiteral("/Slide.html")), expected);
    QVERIFY(expected.contains("<!s>LastUpdate 2024/02/29<!e>"));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/s_b.jpg")));
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, QStringList({QStringLiteral("A.JPG"), QStringLiteral("Slide.html"), QStringLiteral("b.jpg"),
                                 QStringLiteral("notes.txt")}));

    QCOMPARE(view.log.first(), QStringLiteral("refreshFileList"));
    QCOMPARE(view.log.last(3), RestoredView);
    QVERIFY(view.messages.isEmpty());
}

void tst_SlideBuild::failureEndsCommand_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("messages");

    // A folder that went away ends the command without a word.
    QTest::newRow("vanished folder") << false << 76 << QStringList();
    // Anything else is reported with its number.
    QTest::newRow("page name taken by a folder")
        << true << 75 << QStringList{QStringLiteral("エラー番号を報告下さい。エラー番号　75")};
}

void tst_SlideBuild::failureEndsCommand()
{
    QFETCH(bool, folderExists);
    QFETCH(int, code);
    QFETCH(QStringList, messages);

    TestHome home;
    const QString folder = home.path() + QStringLiteral("/photos");
    if (folderExists) {
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/Slide.html")));
        QVERIFY(Fixture::makeJpeg(folder + QStringLiteral("/a.jpg"), 8, 6));
    }
    view = RecordingView();

    const SlideBuildResult result = run(folder, false);

    QCOMPARE(result.failureCode, code);
    QStringList shown;
    for (const auto &[text, icon] : std::as_const(view.messages)) {
        shown << text;
        QCOMPARE(icon, MessageBoxes::Icon::None);
    }
    QCOMPARE(shown, messages);
    QCOMPARE(view.log.last(3), RestoredView);
    // Nothing half-written is left behind.
    QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    left.sort();
    QCOMPARE(left, folderExists ? QStringList({QStringLiteral("Slide.html"), QStringLiteral("a.jpg")}) : QStringList());
    QVERIFY(!folderExists || QFileInfo(folder + QStringLiteral("/Slide.html")).isDir());
}

QTEST_GUILESS_MAIN(tst_SlideBuild)
#include "tst_slidebuild.moc"
