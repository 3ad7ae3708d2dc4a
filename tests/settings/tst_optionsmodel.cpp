// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTest>

// The options as the windows and velmo-album read them from the store, and
// what the options dialog's edits store when.
class tst_OptionsModel : public QObject
{
    Q_OBJECT

private slots:
    void storedTextsBecomeOptions_data();
    void storedTextsBecomeOptions();
    void switchesAndChoicesAreStoredAtOnceTheRestOnSave();
};

void tst_OptionsModel::storedTextsBecomeOptions_data()
{
    QTest::addColumn<QString>("key"); // "SECTION/key"; empty: nothing stored
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("photosPerPage");
    QTest::addColumn<int>("rowWidth");
    QTest::addColumn<int>("reductionScale");
    QTest::addColumn<bool>("askBeforeDeletingOldPages");

    QTest::newRow("nothing stored") << ""
                                    << "" << 6 << 2 << 2 << false;
    QTest::newRow("photos 10") << "SAVE/PhotoPiece"
                               << "10" << 10 << 2 << 2 << false;
    QTest::newRow("photos negative: no limit") << "SAVE/PhotoPiece"
                                               << "-2" << 0 << 2 << 2 << false;
    QTest::newRow("photos not a number") << "SAVE/PhotoPiece"
                                         << "many" << 6 << 2 << 2 << false;
    QTest::newRow("photos full-width") << "SAVE/PhotoPiece"
                                       << "１２" << 12 << 2 << 2 << false;
    QTest::newRow("row width 3") << "SAVE/AlbumLine"
                                 << "3" << 6 << 3 << 2 << false;
    QTest::newRow("row width full-width 1") << "SAVE/AlbumLine"
                                            << "１" << 6 << 1 << 2 << false;
    QTest::newRow("row width 5 is none") << "SAVE/AlbumLine"
                                         << "5" << 6 << 2 << 2 << false;
    QTest::newRow("row width not a number") << "SAVE/AlbumLine"
                                            << "two" << 6 << 2 << 2 << false;
    QTest::newRow("scale 8") << "SAVE/JPEGReduction"
                             << "8" << 6 << 2 << 8 << false;
    QTest::newRow("scale 1") << "SAVE/JPEGReduction"
                             << "1" << 6 << 2 << 1 << false;
    QTest::newRow("scale 3 is none") << "SAVE/JPEGReduction"
                                     << "3" << 6 << 2 << 2 << false;
    QTest::newRow("scale 2.5 is none") << "SAVE/JPEGReduction"
                                       << "2.5" << 6 << 2 << 2 << false;
    QTest::newRow("scale not a number") << "SAVE/JPEGReduction"
                                        << "half" << 6 << 2 << 2 << false;
    QTest::newRow("switch 1") << "SAVE/CheckWarningHtml"
                              << "1" << 6 << 2 << 2 << true;
    QTest::newRow("switch 2 is off") << "SAVE/CheckWarningHtml"
                                     << "2" << 6 << 2 << 2 << false;
}

// A text that is none of the option's values counts as absent, so what the
// dialog shows and what the album build uses never differ.
void tst_OptionsModel::storedTextsBecomeOptions()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    TestHome home;
    SettingsStore store(home.configFile());
    if (!key.isEmpty())
        store.writeSetting(key.section('/', 0, 0), key.section('/', 1), text);
    const QByteArray before = Fixture::readFile(home.configFile());
    OptionsModel options(store);

    options.load();

    QTEST(options.photosPerPage(), "photosPerPage");
    QTEST(options.rowWidth(), "rowWidth");
    QTEST(options.reductionScale(), "reductionScale");
    QTEST(options.askBeforeDeletingOldPages(), "askBeforeDeletingOldPages");
    QCOMPARE(Fixture::readFile(home.configFile()), before); // a load only reads
}

void tst_OptionsModel::switchesAndChoicesAreStoredAtOnceTheRestOnSave()
{
    TestHome home;
    SettingsStore store(home.configFile());
    OptionsModel options(store);
    options.load();
    QSignalSpy asking(&options, &OptionsModel::askBeforeDeletingImageChanged);

    options.setAskBeforeDeletingImage(true);
    options.setAskBeforeDeletingImage(true);
    options.setRowWidth(3);
    options.setRowWidth(4); // no row width
    options.setReductionScale(8);
    options.setLinksOpenNewWindow(true);
    options.setPhotosPerPage(10);
    options.setEditor(QStringLiteral("/usr/bin/kate"));

    QCOMPARE(asking.size(), 1);
    QCOMPARE(store.read(Keys::CheckWarning), QStringLiteral("1"));
    QCOMPARE(store.read(Keys::AlbumLine), QStringLiteral("3"));
    QCOMPARE(store.read(Keys::JPEGReduction), QStringLiteral("8"));
    QCOMPARE(store.read(Keys::CheckTARGET), QStringLiteral("1"));
    QCOMPARE(store.stored(Keys::PhotoPiece), std::nullopt);
    QCOMPARE(store.stored(Keys::DIRediter), std::nullopt);

    options.save();
    QCOMPARE(store.read(Keys::PhotoPiece), QStringLiteral("10"));
    QCOMPARE(store.read(Keys::DIRediter), QStringLiteral("/usr/bin/kate"));
    OptionsModel again(store);
    again.load();
    QCOMPARE(again.rowWidth(), 3);
    QCOMPARE(again.photosPerPage(), 10);
    QVERIFY(again.linksOpenNewWindow());
}

QTEST_GUILESS_MAIN(tst_OptionsModel)
#include "tst_optionsmodel.moc"
