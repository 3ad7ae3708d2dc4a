// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/designmodel.h"
#include "design/designvalues.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QTest>

class tst_ColorSet : public QObject
{
    Q_OBJECT

private slots:
    void noStoredModeLeavesFieldsAndStoresOnlySizes();
    void presetModes_data();
    void presetModes();
    void userSetLoadsStoredKeysAndKeepsFieldsForAbsentOnes();
    void userSetSaveWritesTheNineKeysOfThatSet();
    void secondColourOfLabelNeverChanges();
    void previewKeepsPreviousColourForBadText();
    void freshDialogValues_data();
    void freshDialogValues();
    void modelHoldsWhatTheNextLoadGives_data();
    void modelHoldsWhatTheNextLoadGives();
};

static QString colorSetKey(const char *key)
{
    return QString::fromLatin1(key);
}

void tst_ColorSet::noStoredModeLeavesFieldsAndStoresOnlySizes()
{
    TestHome home;
    SettingsStore store;
    DesignValues values;
    values.title = QStringLiteral("Edited");
    QCOMPARE(loadColorSet(values, store), ColorButtons::Unchanged);
    QCOMPARE(values.title, QStringLiteral("Edited"));
    QCOMPARE(values.boxWidth, QStringLiteral("135"));
    saveColorSet(values, store);
    QCOMPARE(store.read(Keys::IMGWidth, QString()), QStringLiteral("135"));
    QCOMPARE(store.read(Keys::IMGHeight, QString()), QStringLiteral("100"));
    QCOMPARE(store.readSetting(QStringLiteral("COLORSET"), colorSetKey("1AlbumTitle"), QStringLiteral("none")),
             QStringLiteral("none"));
}

void tst_ColorSet::presetModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("3") << "3";
    QTest::newRow("0 acts as 3") << "0";
}

void tst_ColorSet::presetModes()
{
    QFETCH(QString, mode);
    TestHome home;
    SettingsStore store;
    store.write(Keys::ColorMode, mode);
    store.write(Keys::IMGWidth, QStringLiteral("180"));
    DesignValues values;
    QCOMPARE(loadColorSet(values, store), ColorButtons::Hide);
    DesignValues expected = DesignValues::preset();
    expected.boxWidth = QStringLiteral("180");
    QCOMPARE(values, expected);
    QCOMPARE(values.footer, QStringLiteral("Designed by Tarvex"));
    // Edits made under the preset are never stored.
    values.title = QStringLiteral("Lost");
    saveColorSet(values, store);
    QCOMPARE(store.readSetting(QStringLiteral("COLORSET"), colorSetKey("3AlbumTitle"), QStringLiteral("none")),
             QStringLiteral("none"));
}

void tst_ColorSet::userSetLoadsStoredKeysAndKeepsFieldsForAbsentOnes()
{
    TestHome home;
    SettingsStore store;
    store.write(Keys::ColorMode, QStringLiteral("2"));
    store.writeSetting(QStringLiteral("COLORSET"), QStringLiteral("2BGVLinkColor"), QStringLiteral("#123456"));
    store.writeSetting(QStringLiteral("COLORSET"), QStringLiteral("2AlbumTitle"), QStringLiteral("家族の写真"));
    store.writeSetting(QStringLiteral("COLORSET"), QStringLiteral("1AlbumTitle"), QStringLiteral("Set one"));
    DesignValues values;
    values.footer = QStringLiteral("kept");
    QCOMPARE(loadColorSet(values, store), ColorButtons::Show);
    QCOMPARE(values.visitedLink, QStringLiteral("#123456"));
    QCOMPARE(values.title, QStringLiteral("家族の写真"));
    QCOMPARE(values.footer, QStringLiteral("kept"));
    QCOMPARE(values.pageBackground, QStringLiteral("#FFFFFF"));
}

void tst_ColorSet::userSetSaveWritesTheNineKeysOfThatSet()
{
    TestHome home;
    SettingsStore store;
    store.write(Keys::ColorMode, QStringLiteral("1"));
    DesignValues values = DesignValues::preset();
    values.pageText = QStringLiteral("#ABCDEF");
    saveColorSet(values, store);
    const QStringList expected = {
        "PhotoGallery", "Designed by Tarvex", "#FEFFE6", "#E7FEF5", "#ABCDEF", "#4682B4", "#FF7F50", "#707070",
        "#55FFAA"};
    const QStringList suffixes = {"AlbumTitle",  "AlbumFooter",  "BGColor",    "BGColorSub",   "BGTXTColor",
                                  "BGLinkColor", "BGVLinkColor", "LabelColor", "LabelTXTColor"};
    for (int i = 0; i < suffixes.size(); ++i)
        QCOMPARE(store.readSetting(QStringLiteral("COLORSET"), QLatin1Char('1') + suffixes[i], QString()), expected[i]);
    DesignValues reloaded;
    loadColorSet(reloaded, store);
    QCOMPARE(reloaded, values);
}

void tst_ColorSet::secondColourOfLabelNeverChanges()
{
    TestHome home;
    SettingsStore store;
    for (const char *mode : {"1", "2", "3"}) {
        store.write(Keys::ColorMode, QString::fromLatin1(mode));
        DesignValues values;
        loadColorSet(values, store);
        QCOMPARE(values.labelSubText, QStringLiteral("#FFFFFF"));
    }
}

void tst_ColorSet::previewKeepsPreviousColourForBadText()
{
    DesignValues values;
    values.pageBackground = QStringLiteral("bad");
    values.cellBackground = QStringLiteral("#102030");
    values.pageText = QStringLiteral("#zz");
    const PreviewColors colors = previewColors(values);
    QCOMPARE(colors.pageBackground, ColorValue(0)); // black before any good conversion
    QCOMPARE(colors.cellBackground, htmlToColor(QStringLiteral("#102030")));
    QCOMPARE(colors.pageText, colors.cellBackground); // the previous conversion stays in force
}

void tst_ColorSet::freshDialogValues_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("loadedWidth");
    QTest::addColumn<int>("problems");
    QTest::newRow("nothing stored") << QString() << QString() << "PhotoGallery"
                                    << "135" << 0;
    QTest::newRow("set 1") << "1"
                           << "180"
                           << "Set one"
                           << "180" << 0;
    QTest::newRow("preset, full-width digits") << "3"
                                               << "２００"
                                               << "PhotoGallery"
                                               << "200" << 0;
    QTest::newRow("width out of range") << "1"
                                        << "300"
                                        << "Set one"
                                        << "135" << 1;
    QTest::newRow("width negative") << "1"
                                    << "-135"
                                    << "Set one"
                                    << "135" << 1;
    QTest::newRow("width with a unit") << "2"
                                       << "150px"
                                       << "PhotoGallery"
                                       << "135" << 1;
}

// The values a fresh dialog would load, read without writing anything; a
// stored size no dialog could store gives the design-time size, said once.
void tst_ColorSet::freshDialogValues()
{
    QFETCH(QString, mode);
    QFETCH(QString, width);
    TestHome home;
    SettingsStore store;
    if (!mode.isEmpty())
        store.write(Keys::ColorMode, mode);
    if (!width.isEmpty())
        store.write(Keys::IMGWidth, width);
    store.writeSetting(QStringLiteral("COLORSET"), QStringLiteral("1AlbumTitle"), QStringLiteral("Set one"));
    const QByteArray before = Fixture::readFile(home.configFile());
    QStringList problems;
    store.setProblemReporter([&problems](const QString &text) { problems.append(text); });

    const DesignValues values = loadDesignValues(store);
    loadDesignValues(store);

    QTEST(values.title, "title");
    QTEST(values.boxWidth, "loadedWidth");
    QTEST(int(problems.size()), "problems");
    if (!problems.isEmpty())
        QVERIFY2(problems.first().contains(width), qPrintable(problems.first()));
    QCOMPARE(Fixture::readFile(home.configFile()), before);
}

void tst_ColorSet::modelHoldsWhatTheNextLoadGives_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("title"); // after OK with the title "Edited"
    QTest::newRow("set 1 keeps the edit") << "1"
                                          << "Edited";
    QTest::newRow("preset drops it") << "3"
                                     << "PhotoGallery";
    QTest::newRow("no mode drops it") << ""
                                      << "PhotoGallery";
}

// The album build reads the model: an edit that no later load would show
// must not reach the pages, and a size bar's box reaches them at once.
void tst_ColorSet::modelHoldsWhatTheNextLoadGives()
{
    QFETCH(QString, mode);
    TestHome home;
    SettingsStore store;
    DesignModel model(store);
    model.load();
    if (!mode.isEmpty())
        model.setColorMode(mode);
    DesignValues edited = model.values();
    edited.title = QStringLiteral("Edited");

    model.save(edited);
    model.setBoxWidth(60);

    QTEST(model.values().title, "title");
    QCOMPARE(model.thumbnailBox(), QSize(60, 100));
    DesignModel again(store);
    again.load();
    QCOMPARE(again.values(), model.values());
}

QTEST_GUILESS_MAIN(tst_ColorSet)
#include "tst_colorset.moc"
