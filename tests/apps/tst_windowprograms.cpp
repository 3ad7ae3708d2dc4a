// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// velmo and quillet run as programs: their command line is answered on the
// terminal, and never by opening a window that would wait for a person.
class tst_WindowPrograms : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
};

void tst_WindowPrograms::commandLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");

    QTest::newRow("version without a display") << "velmo" << QStringList{"--version"} << false << 0 << "Velmo 2.7.0";
    QTest::newRow("one version for all") << "quillet" << QStringList{"--version"} << false << 0 << "quillet 2.7.0";
    QTest::newRow("help without a display") << "quillet" << QStringList{"-h"} << false << 0 << "Exit codes: 0";
    QTest::newRow("help after the window system's options")
        << "velmo" << QStringList{"-platform", "offscreen", "--help"} << true << 0 << "[FOLDER | PHOTO]";
    QTest::newRow("missing path") << "velmo" << QStringList{"/no/such/photo.jpg"} << true << 1
                                  << "velmo: no such file or folder: /no/such/photo.jpg";
    // Mistakes are told without a display, before any window system starts.
    QTest::newRow("two paths") << "velmo" << QStringList{"/", "/"} << false << 2 << "velmo: one path at most";
    QTest::newRow("unknown option") << "quillet" << QStringList{"--bogus"} << false << 2
                                    << "Unknown option 'bogus'. Try --help";
    QTest::newRow("quillet takes no path") << "quillet" << QStringList{"/"} << false << 2 << "no argument expected";
    QTest::newRow("unknown option beside the window system's")
        << "velmo" << QStringList{"-platform", "offscreen", "--bogus"} << true << 2 << "bogus";
}

void tst_WindowPrograms::commandLine()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    if (!display)
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // An English session, and no stored language to override it.
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/nonexistent"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);

    process.start(qEnvironmentVariable("VELMO_TEST_BIN") + QLatin1Char('/') + program, arguments);

    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY2(QString::fromLocal8Bit(process.readAll()).contains(output), qPrintable(output));
}

QTEST_GUILESS_MAIN(tst_WindowPrograms)
#include "tst_windowprograms.moc"
