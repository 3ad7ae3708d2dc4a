// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/failure.h"
#include "platform/fakes.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreGivesEachReadersDefault_data();
    void emptyStoreGivesEachReadersDefault();
    void valuesRoundTripAsText_data();
    void valuesRoundTripAsText();
    void writeThroughOneStoreIsSeenByAnother();
    void deleteSectionRemovesOnlyThatSection();
    void deleteMissingSectionFailsWith5();
    void storeLivesUnderXdgConfigHome();
    void typedReadsFollowTheCatalogue_data();
    void typedReadsFollowTheCatalogue();
    void writeFailuresAreToldOnce_data();
    void writeFailuresAreToldOnce();
    void unparsableFileIsSetAside_data();
    void unparsableFileIsSetAside();
    void unreadLinesAreKeptBeforeTheFirstRewrite();
    void rewriteStaysWithinTheSizeLimit_data();
    void rewriteStaysWithinTheSizeLimit();
};

namespace {
struct CatalogueDefault
{
    SettingKey key;
    const char *expected;
};
// What each reader without a control of its own gets from an empty store.
const CatalogueDefault Defaults[] = {
    {Keys::Top, "0"},
    {Keys::Left, "0"},
    {Keys::Width, "0"},
    {Keys::Height, "0"},
    {Keys::SelStart, "0"},
    {Keys::CheckWarning, "0"},
    {Keys::CheckWarningHtml, "0"},
    {Keys::CheckWarningJPG, "0"},
    {Keys::PhotoPiece, "6"},
    {Keys::AlbumLine, "2"},
    {Keys::JPEGReduction, "2"},
    {Keys::ColorMode, "Text1"},
    {Keys::IMGWidth, "135"},
    {Keys::IMGHeight, "100"},
    {Keys::EnglishJapanese, "0"},
    {Keys::IMGClipBoard, ""},
    {Keys::CheckTARGET, "0"},
};
} // namespace

void tst_SettingsStore::emptyStoreGivesEachReadersDefault_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < std::size(Defaults); ++i)
        QTest::newRow(Defaults[i].key.key) << int(i);
}

void tst_SettingsStore::emptyStoreGivesEachReadersDefault()
{
    QFETCH(int, index);
    const CatalogueDefault &entry = Defaults[index];
    TestHome home;
    SettingsStore store;
    QCOMPARE(store.read(entry.key), QString::fromUtf8(entry.expected));
    // A control's current value wins over the fallback when the key is absent.
    QCOMPARE(store.read(entry.key, QStringLiteral("current")), QStringLiteral("current"));
}

void tst_SettingsStore::valuesRoundTripAsText_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("colour") << QStringLiteral("#FEFFE6");
    QTest::newRow("japanese") << QStringLiteral("ヴェルモ/Velmo 写真");
    QTest::newRow("comma list") << QStringLiteral("ヴェルモ,Velmo,Tarvex");
    QTest::newRow("path with blanks") << QStringLiteral("/home/a/My Photos");
    QTest::newRow("semicolon and equals") << QStringLiteral("a;b=c");
    QTest::newRow("empty") << QString();
    QTest::newRow("leading blank") << QStringLiteral(" 12");
}

void tst_SettingsStore::valuesRoundTripAsText()
{
    QFETCH(QString, value);
    TestHome home;
    SettingsStore writer;
    writer.writeSetting(QStringLiteral("COLORSET"), QStringLiteral("1AlbumTitle"), value);
    SettingsStore reader;
    QCOMPARE(reader.readSetting(QStringLiteral("COLORSET"), QStringLiteral("1AlbumTitle"), QStringLiteral("x")), value);
}

void tst_SettingsStore::writeThroughOneStoreIsSeenByAnother()
{
    TestHome home;
    SettingsStore velmo;
    SettingsStore quillet(home.configFile());
    QCOMPARE(quillet.read(Keys::Top), QStringLiteral("0"));
    velmo.write(Keys::Top, QStringLiteral("1440"));
    QCOMPARE(quillet.read(Keys::Top), QStringLiteral("1440"));
    velmo.write(Keys::Top, QStringLiteral("2880"));
    QCOMPARE(quillet.read(Keys::Top), QStringLiteral("2880"));
    // Keys keep their exact case.
    QCOMPARE(quillet.readSetting(QStringLiteral("SAVE"), QStringLiteral("top"), QStringLiteral("none")),
             QStringLiteral("none"));
}

void tst_SettingsStore::deleteSectionRemovesOnlyThatSection()
{
    TestHome home;
    SettingsStore store;
    store.write(Keys::PhotoPiece, QStringLiteral("10"));
    store.write(Keys::EnglishJapanese, QStringLiteral("1"));
    store.deleteSection(QStringLiteral("SAVE"));
    QCOMPARE(store.read(Keys::PhotoPiece), QStringLiteral("6"));
    QCOMPARE(store.read(Keys::EnglishJapanese), QStringLiteral("1"));
}

void tst_SettingsStore::deleteMissingSectionFailsWith5()
{
    TestHome home;
    SettingsStore store;
    try {
        store.deleteSection(QStringLiteral("COLORSET"));
        QFAIL("deleting a missing section must fail");
    } catch (const Failure &failure) {
        QCOMPARE(failure.code(), FailureCode::InvalidCall);
    }
}

void tst_SettingsStore::storeLivesUnderXdgConfigHome()
{
    TestHome home;
    SettingsStore store;
    store.write(Keys::Path, QStringLiteral("/tmp"));
    QCOMPARE(store.fileName(), home.configFile());
    QVERIFY(Fixture::readFile(home.configFile()).contains("[SAVE]"));
}

namespace {
const SettingKey *catalogueKey(const QString &name)
{
    for (const SettingKey *key :
         {&Keys::Top, &Keys::SelStart, &Keys::PhotoPiece, &Keys::CheckTARGET, &Keys::IMGClipBoard})
        if (name == QLatin1String(key->key))
            return key;
    qFatal("no such key");
}

// The typed reading of a key, as text: "absent" when the stored text counts as absent.
QString typedReading(const SettingsStore &store, const SettingKey &key)
{
    switch (key.type) {
    case SettingType::Switch: {
        const bool whenOff = store.isOn(key, false);
        return whenOff != store.isOn(key, true) ? QStringLiteral("absent")
                                                : QString::fromLatin1(whenOff ? "on" : "off");
    }
    case SettingType::Whole: {
        const std::optional<int> value = store.whole(key);
        return value ? QString::number(*value) : QStringLiteral("absent");
    }
    case SettingType::Twips:
        return QString::number(store.twips(key), 'g', 10);
    case SettingType::Text:
        break;
    }
    return store.read(key);
}
} // namespace

void tst_SettingsStore::typedReadsFollowTheCatalogue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("reading");

    QTest::newRow("switch 1") << "CheckTARGET"
                              << " 1 "
                              << "on";
    QTest::newRow("switch full-width 1") << "CheckTARGET"
                                         << "１"
                                         << "on";
    QTest::newRow("switch 2") << "CheckTARGET"
                              << "2"
                              << "off";
    QTest::newRow("switch -1") << "CheckTARGET"
                               << "-1"
                               << "off";
    QTest::newRow("switch 0") << "IMGClipBoard"
                              << "0"
                              << "off";
    QTest::newRow("switch no number") << "CheckTARGET"
                                      << "abc"
                                      << "absent";
    QTest::newRow("switch empty") << "IMGClipBoard"
                                  << ""
                                  << "absent";
    QTest::newRow("count beyond 16 bits") << "PhotoPiece"
                                          << "2147483647"
                                          << "32767";
    QTest::newRow("count beyond 64 bits") << "PhotoPiece"
                                          << "99999999999999999999999"
                                          << "32767";
    QTest::newRow("count negative") << "PhotoPiece"
                                    << "-5"
                                    << "0";
    QTest::newRow("count full-width") << "PhotoPiece"
                                      << "１５"
                                      << "15";
    QTest::newRow("count with exponent") << "PhotoPiece"
                                         << "1e3"
                                         << "1000";
    QTest::newRow("count no number") << "PhotoPiece"
                                     << "abc"
                                     << "absent";
    QTest::newRow("count nan") << "PhotoPiece"
                               << "nan"
                               << "absent";
    QTest::newRow("slider 32 bits") << "SelStart"
                                    << "70000"
                                    << "70000";
    QTest::newRow("slider beyond 32 bits") << "SelStart"
                                           << "99999999999"
                                           << "2147483647";
    QTest::newRow("position fraction") << "TOP"
                                       << "-1440.5"
                                       << "-1440.5";
    QTest::newRow("position huge") << "TOP"
                                   << "1e300"
                                   << "15000000";
    QTest::newRow("position infinite") << "TOP"
                                       << "inf"
                                       << "0";
    QTest::newRow("position no number") << "TOP"
                                        << "top"
                                        << "0";
}

void tst_SettingsStore::typedReadsFollowTheCatalogue()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    TestHome home;
    SettingsStore store;
    const SettingKey &setting = *catalogueKey(key);
    store.write(setting, stored);
    QTEST(typedReading(store, setting), "reading");
}

void tst_SettingsStore::writeFailuresAreToldOnce_data()
{
    QTest::addColumn<bool>("realFile");
    QTest::newRow("failing backend") << false;
    // Even root cannot create a file below a regular file.
    QTest::newRow("folder that is a file") << true;
}

void tst_SettingsStore::writeFailuresAreToldOnce()
{
    QFETCH(bool, realFile);
    TestHome home;
    const QString folder = QFileInfo(home.configFile()).path();
    QVERIFY(Fixture::writeFile(folder, "not a folder"));
    SettingsStore store =
        realFile ? SettingsStore(home.configFile()) : SettingsStore(std::make_unique<FailingSettingsBackend>());
    QStringList told;
    store.setProblemReporter([&told](const QString &text) { told.append(text); });

    store.write(Keys::Top, QStringLiteral("1440"));
    store.write(Keys::Left, QStringLiteral("2880"));
    store.write(Keys::CheckTARGET, QStringLiteral("1"));

    QCOMPARE(told, QStringList{SettingsText::notWritten(store.fileName())});
}

void tst_SettingsStore::unparsableFileIsSetAside_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("over the size limit") << false;
    QTest::newRow("a FIFO") << true;
}

// Neither read (no memory blow-up, no blocking) nor written; the run goes on
// with defaults and the values it sets itself.
void tst_SettingsStore::unparsableFileIsSetAside()
{
    QFETCH(bool, fifo);
    TestHome home;
    QByteArray content("[SAVE]\nPhotoPiece=10\nLong=");
    content.append(QByteArray(SettingsFile::SizeLimit, 'x'));
    home.folder(QStringLiteral("config/Velmo"));
    if (fifo) {
        QCOMPARE(::mkfifo(QFile::encodeName(home.configFile()).constData(), 0600), 0);
    } else {
        QVERIFY(Fixture::writeFile(home.configFile(), content));
    }
    const QDateTime modified = QFileInfo(home.configFile()).lastModified();
    SettingsStore store;
    QStringList told;
    store.setProblemReporter([&told](const QString &text) { told.append(text); });

    QCOMPARE(store.read(Keys::PhotoPiece), QStringLiteral("6"));
    store.write(Keys::PhotoPiece, QStringLiteral("12"));
    QCOMPARE(store.read(Keys::PhotoPiece), QStringLiteral("12"));

    QCOMPARE(told, QStringList{SettingsText::setAside(home.configFile())});
    QCOMPARE(QFileInfo(home.configFile()).lastModified(), modified);
    if (!fifo)
        QCOMPARE(Fixture::readFile(home.configFile()), content);
}

// The file goes to its backup as it was, past a link of the backup's name,
// and the rewrite keeps the sections and keys that were read; the user is
// told of the rewrite once, and of no failed write.
void tst_SettingsStore::unreadLinesAreKeptBeforeTheFirstRewrite()
{
    TestHome home;
    const QByteArray original("[SAVE]\nPhotoPiece=10\nthis line has no equals sign\n"
                              "[MODE\nCheckTARGET=1\n[COLORSET]\n1AlbumTitle=写真\n");
    home.folder(QStringLiteral("config/Velmo"));
    QVERIFY(Fixture::writeFile(home.configFile(), original));
    const QString backup = home.configFile() + QStringLiteral(".bak");
    const QString elsewhere = home.path() + QStringLiteral("/elsewhere");
    QVERIFY(Fixture::writeFile(elsewhere, "not the settings"));
    QVERIFY(QFile::link(elsewhere, backup));
    SettingsStore store;
    QStringList told;
    store.setProblemReporter([&told](const QString &text) { told.append(text); });

    store.write(Keys::Top, QStringLiteral("1440"));
    store.write(Keys::Left, QStringLiteral("2880"));

    QCOMPARE(Fixture::readFile(backup), original);
    QCOMPARE(Fixture::readFile(elsewhere), QByteArray("not the settings"));
    // A copy, as QSettings shares what it read of one path within a process.
    const QString copy = home.path() + QStringLiteral("/copy.conf");
    QVERIFY(QFile::copy(home.configFile(), copy));
    QSettings rewritten(copy, QSettings::IniFormat);
    QCOMPARE(rewritten.status(), QSettings::NoError);
    QStringList keys = rewritten.allKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"COLORSET/1AlbumTitle", "SAVE/LEFT", "SAVE/PhotoPiece", "SAVE/TOP"}));
    QCOMPARE(rewritten.value("COLORSET/1AlbumTitle").toString(), QStringLiteral("写真"));
    const UnreadLine line{3, QStringLiteral("this line has no equals sign")};
    QCOMPARE(told, QStringList{SettingsText::rewritten(home.configFile(), line, backup)});
    QVERIFY(told.first().contains(line.text) && told.first().contains(backup));
}

void tst_SettingsStore::rewriteStaysWithinTheSizeLimit_data()
{
    QTest::addColumn<QString>("filler"); // a line, %1 its count
    QTest::addColumn<bool>("written");
    // QSettings takes the header for a section and would write all back escaped.
    QTest::newRow("lines not read") << "[broken section %1\nkey with blanks %1=a,b,c\n" << true;
    // Read, but written back with the blanks escaped and the list spaced out.
    QTest::newRow("lines read that grow") << "key with blanks %1=a,b,c\n" << false;
}

// A file just under the limit stays readable after a write: rewritten with
// only what was read, or left as it is when even that would grow past it.
void tst_SettingsStore::rewriteStaysWithinTheSizeLimit()
{
    QFETCH(QString, filler);
    QFETCH(bool, written);
    TestHome home;
    QByteArray content("[SAVE]\nPhotoPiece=10\n");
    for (int i = 0; content.size() < SettingsFile::SizeLimit - 64; ++i)
        content += filler.arg(i).toUtf8();
    home.folder(QStringLiteral("config/Velmo"));
    QVERIFY(Fixture::writeFile(home.configFile(), content));
    SettingsStore store;
    QStringList told;
    store.setProblemReporter([&told](const QString &text) { told.append(text); });

    store.write(Keys::Top, QStringLiteral("1440"));
    store.write(Keys::Left, QStringLiteral("2880"));

    QVERIFY(QFileInfo(home.configFile()).size() <= SettingsFile::SizeLimit);
    SettingsStore reader;
    QStringList readerTold;
    reader.setProblemReporter([&readerTold](const QString &text) { readerTold.append(text); });
    QCOMPARE(reader.read(Keys::PhotoPiece), QStringLiteral("10"));
    QCOMPARE(reader.read(Keys::Top), written ? QStringLiteral("1440") : QStringLiteral("0"));
    QCOMPARE(readerTold, QStringList());
    QCOMPARE(told.size(), 1);
    if (!written)
        QCOMPARE(told.first(), SettingsText::tooLargeToWrite(home.configFile()));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
