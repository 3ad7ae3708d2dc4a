// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/failure.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QTest>

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
};

namespace {
struct CatalogueDefault
{
    SettingKey key;
    const char *expected;
};
// What each reader without a control of its own gets from an empty store.
const CatalogueDefault Defaults[] = {
    {Keys::Top, "0"},           {Keys::Left, "0"},          {Keys::SelStart, "0"},
    {Keys::CheckWarning, "0"},  {Keys::CheckWarningHtml, "0"}, {Keys::CheckWarningJPG, "0"},
    {Keys::PhotoPiece, "6"},    {Keys::AlbumLine, "2"},     {Keys::JPEGReduction, "2"},
    {Keys::ColorMode, "Text1"}, {Keys::IMGWidth, "135"},    {Keys::IMGHeight, "100"},
    {Keys::EnglishJapanese, "0"}, {Keys::IMGClipBoard, ""}, {Keys::CheckTARGET, "0"},
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
    writer.WriteSetting(QStringLiteral("COLORSET"), QStringLiteral("1AlbumTitle"), value);
    SettingsStore reader;
    QCOMPARE(reader.ReadSetting(QStringLiteral("COLORSET"), QStringLiteral("1AlbumTitle"), QStringLiteral("x")), value);
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
    QCOMPARE(quillet.ReadSetting(QStringLiteral("SAVE"), QStringLiteral("top"), QStringLiteral("none")),
             QStringLiteral("none"));
}

void tst_SettingsStore::deleteSectionRemovesOnlyThatSection()
{
    TestHome home;
    SettingsStore store;
    store.write(Keys::PhotoPiece, QStringLiteral("10"));
    store.write(Keys::EnglishJapanese, QStringLiteral("1"));
    store.DeleteSection(QStringLiteral("SAVE"));
    QCOMPARE(store.read(Keys::PhotoPiece), QStringLiteral("6"));
    QCOMPARE(store.read(Keys::EnglishJapanese), QStringLiteral("1"));
}

void tst_SettingsStore::deleteMissingSectionFailsWith5()
{
    TestHome home;
    SettingsStore store;
    try {
        store.DeleteSection(QStringLiteral("COLORSET"));
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

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
