// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/frmdesign.h"
#include "platform/fakes.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

using Entries = QList<QPair<QString, QString>>; // store key ("SECTION/key") and value

// The design dialog over a store of its own, seeded before it loads.
struct DesignDialog
{
    explicit DesignDialog(const QString &storeFile)
        : store(storeFile)
    {}

    void seed(const Entries &entries)
    {
        QSettings settings(store.fileName(), QSettings::IniFormat);
        for (const auto &[key, value] : entries)
            settings.setValue(key, value);
    }

    template <typename T> T *control(const char *name) const
    {
        T *found = dialog.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("frmDesign has no control %s", name);
        return found;
    }
    QString field(const char *name) const { return control<QLineEdit>(name)->text(); }
    QString stored(const QString &key) const
    {
        QSettings settings(store.fileName(), QSettings::IniFormat);
        return settings.value(key, QStringLiteral("<absent>")).toString();
    }

    // The model as Velmo's start-up loads it, then the dialog on it.
    void load()
    {
        model.load();
        dialog.Form_Load();
    }

    FakeServices fakes;
    SettingsStore store;
    DesignModel model{store};
    frmDesign dialog{model, fakes.services()};
};

QColor textOf(const QWidget *widget)
{
    return widget->palette().color(widget->foregroundRole());
}

QColor backgroundOf(const QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

const char *const ColorButtonNames[] = {"cmdTitle",      "cmdColor",     "cmdBGColor",   "cmdFormColor",
                                        "cmdLabelColor", "cmdLinkColor", "cmdVLinkColor"};

bool colorButtonsHidden(const DesignDialog &d)
{
    for (const char *name : ColorButtonNames) {
        if (!d.control<QWidget>(name)->isHidden())
            return false;
    }
    return d.control<QWidget>("Line1")->isHidden() && d.control<QWidget>("Line5")->isHidden();
}

const Entries Set1 = {
    {"COLORSET/1AlbumTitle", "Summer"},    {"COLORSET/1AlbumFooter", "by me"},  {"COLORSET/1BGColor", "#102030"},
    {"COLORSET/1BGColorSub", "#405060"},   {"COLORSET/1BGTXTColor", "#708090"}, {"COLORSET/1BGLinkColor", "#A0B0C0"},
    {"COLORSET/1BGVLinkColor", "#D0E0F0"}, {"COLORSET/1LabelColor", "#111111"}, {"COLORSET/1LabelTXTColor", "#222222"},
};
const Entries Set2 = {
    {"COLORSET/2AlbumTitle", "Winter"},
    {"COLORSET/2BGColor", "#abcdef"},
    {"COLORSET/2LabelColor", "#zz0000"}, // does not convert: the band keeps the previous colour
};

Entries withMode(const QString &mode, Entries entries = Set1 + Set2)
{
    if (!mode.isNull())
        entries.append({QStringLiteral("SAVE/ColorMode"), mode});
    return entries;
}

} // namespace

class tst_FrmDesign : public QObject
{
    Q_OBJECT

private slots:
    void loadsStoredMode_data();
    void loadsStoredMode();
    void loadReplacesSizesNoBarCanShow_data();
    void loadReplacesSizesNoBarCanShow();
    void okStoresOnlySizesTheBarsCanShow_data();
    void okStoresOnlySizesTheBarsCanShow();
    void sizeBarsStepAndStoreAtOnce();
    void colorPickPaintsAndSetsField_data();
    void colorPickPaintsAndSetsField();
    void cancelledPickNormalisesField();
    void okStoresColorSet();
    void closingOtherwiseStoresNothing();
    void defaultColorHidesButtonsAndStoresOnlySizes();
    void pageStyleIsStoredAtOnce();

private:
    TestHome m_home;
};

void tst_FrmDesign::loadsStoredMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("background");
    QTest::addColumn<bool>("buttonsHidden");
    QTest::addColumn<QString>("storedMode");
    QTest::addColumn<QColor>("band");

    QTest::newRow("none stored") << QString() << "ColorPattern3"
                                 << "PhotoGallery"
                                 << "#FFFFFF" << false << "<absent>" << QColor(0x10, 0x70, 0x70);
    QTest::newRow("set 1") << "1"
                           << "ColorPattern1"
                           << "Summer"
                           << "#102030" << false << "1" << QColor(0x11, 0x11, 0x11);
    // Set 2's band colour does not convert: the visited-link colour before it stays in force.
    QTest::newRow("set 2") << "2"
                           << "ColorPattern2"
                           << "Winter"
                           << "#abcdef" << false << "2" << QColor(0xC0, 0xC0, 0xC0);
    QTest::newRow("preset") << "3"
                            << "ColorPattern3"
                            << "PhotoGallery"
                            << "#FEFFE6" << true << "3" << QColor(0x70, 0x70, 0x70);
    QTest::newRow("0 as preset") << "0"
                                 << "ColorPattern3"
                                 << "PhotoGallery"
                                 << "#FEFFE6" << true << "0" << QColor(0x70, 0x70, 0x70);
    QTest::newRow("unknown") << "7"
                             << "ColorPattern3"
                             << "PhotoGallery"
                             << "#FFFFFF" << false << "7" << QColor(0x10, 0x70, 0x70);
}

void tst_FrmDesign::loadsStoredMode()
{
    QFETCH(QString, mode);
    QFETCH(QString, selected);
    DesignDialog d(m_home.folder(QTest::currentDataTag()) + QStringLiteral("/store.conf"));
    d.seed(withMode(mode));

    d.load();

    QVERIFY(d.control<QRadioButton>(selected.toLatin1())->isChecked());
    QTEST(d.field("TXTAlbumTitle"), "title");
    QTEST(d.field("TXTBGColor"), "background");
    QTEST(colorButtonsHidden(d), "buttonsHidden");
    QTEST(d.stored(QStringLiteral("SAVE/ColorMode")), "storedMode");
    QCOMPARE(d.field("TXTLabelTXTColorSub"), QStringLiteral("#FFFFFF"));
    QCOMPARE(d.field("TXTColorMode"), mode.isNull() ? QStringLiteral("Text1") : mode);
    // The preview shows the loaded colours.
    QCOMPARE(backgroundOf(&d.dialog), toQColor(htmlToColor(d.field("TXTBGColor"))));
    QCOMPARE(textOf(d.control<QWidget>("lblTXTBGLinkColor")), toQColor(htmlToColor(d.field("TXTBGLinkColor"))));
    QTEST(backgroundOf(d.control<QWidget>("lblTXTLabelColor")), "band");
    // The dialog shows the model's design: what the album build and velmo-album take.
    QCOMPARE(d.dialog.CopyDesignValues(), d.model.values());
}

void tst_FrmDesign::loadReplacesSizesNoBarCanShow_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("loadedWidth");
    QTest::addColumn<QString>("loadedHeight");
    QTest::addColumn<int>("problems");

    QTest::newRow("none stored") << QString() << QString() << "135"
                                 << "100" << 0;
    QTest::newRow("inside") << "60"
                            << "180"
                            << "60"
                            << "180" << 0;
    QTest::newRow("full-width digits") << "１５０"
                                       << "８０"
                                       << "150"
                                       << "80" << 0;
    QTest::newRow("too large and too small") << "300"
                                             << "40"
                                             << "135"
                                             << "100" << 2;
    QTest::newRow("negative, overflowing") << "-135"
                                           << "2147483648"
                                           << "135"
                                           << "100" << 2;
    QTest::newRow("not numeric, empty") << "wide"
                                        << ""
                                        << "135"
                                        << "100" << 2;
}

// A stored size that no bar can show gives the design-time size, is said
// once through the store's reporter, and is replaced in the store, so the
// next load finds a good one.
void tst_FrmDesign::loadReplacesSizesNoBarCanShow()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, loadedWidth);
    QFETCH(QString, loadedHeight);
    DesignDialog d(m_home.folder(QTest::currentDataTag()) + QStringLiteral("/store.conf"));
    if (!width.isNull())
        d.seed({{QStringLiteral("SAVE/IMGWidth"), width}, {QStringLiteral("SAVE/IMGHeight"), height}});
    QStringList problems;
    d.store.setProblemReporter([&problems](const QString &text) { problems.append(text); });

    d.load();

    QCOMPARE(d.field("TXTIMGWidth"), loadedWidth);
    QCOMPARE(d.field("TXTIMGHeight"), loadedHeight);
    QCOMPARE(d.control<QScrollBar>("HScroll1")->value(), loadedWidth.toInt());
    QCOMPARE(d.control<QScrollBar>("VScroll1")->value(), loadedHeight.toInt());
    QTEST(int(problems.size()), "problems");
    QCOMPARE(d.stored(QStringLiteral("SAVE/IMGWidth")), loadedWidth); // the width bar moved from 200
    QCOMPARE(d.stored(QStringLiteral("SAVE/IMGHeight")), height.isNull() ? QStringLiteral("<absent>") : loadedHeight);
}

void tst_FrmDesign::okStoresOnlySizesTheBarsCanShow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused

    QTest::newRow("whole number") << "TXTIMGWidth"
                                  << " 150 "
                                  << "150";
    QTest::newRow("full-width digits") << "TXTIMGHeight"
                                       << "１５０"
                                       << "150";
    QTest::newRow("unit") << "TXTIMGWidth"
                          << "150px" << QString();
    QTest::newRow("empty") << "TXTIMGHeight"
                           << "" << QString();
    QTest::newRow("beyond 32 bits") << "TXTIMGWidth"
                                    << "2147483648" << QString();
    QTest::newRow("below the bars") << "TXTIMGHeight"
                                    << "49" << QString();
    QTest::newRow("negative") << "TXTIMGWidth"
                              << "-150" << QString();
}

// A refused size leaves the dialog open on the field with a message, and
// stores nothing.
void tst_FrmDesign::okStoresOnlySizesTheBarsCanShow()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    DesignDialog d(m_home.folder(QTest::currentDataTag()) + QStringLiteral("/store.conf"));
    d.load();
    d.dialog.show();
    const QString key =
        field == QLatin1String("TXTIMGWidth") ? QStringLiteral("SAVE/IMGWidth") : QStringLiteral("SAVE/IMGHeight");
    const QString before = d.stored(key);
    d.control<QLineEdit>(field.toLatin1())->setText(typed);

    QTest::mouseClick(d.control<QPushButton>("cmdExit"), Qt::LeftButton);

    const bool refused = stored.isNull();
    QCOMPARE(d.dialog.isVisible(), refused);
    QCOMPARE(d.fakes.messages.shown.size(), refused ? 1 : 0);
    QCOMPARE(d.stored(key), refused ? before : stored);
    if (refused) {
        QVERIFY(d.fakes.messages.texts().first().contains(QStringLiteral("「%1」").arg(typed)));
        QCOMPARE(d.field(field.toLatin1()), typed);
    }
}

// Each size bar is at least a pixel per step of its range long on screen, and
// moving it stores the size at once.
void tst_FrmDesign::sizeBarsStepAndStoreAtOnce()
{
    DesignDialog d(m_home.folder(QStringLiteral("move")) + QStringLiteral("/store.conf"));
    d.load();
    d.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
    const int steps = DesignSize::Maximum - DesignSize::Minimum;
    QCOMPARE_GE(d.control<QScrollBar>("HScroll1")->width(), steps);
    QCOMPARE_GE(d.control<QScrollBar>("VScroll1")->height(), steps);
    QSignalSpy boxes(&d.model, &DesignModel::thumbnailBoxChanged);

    d.control<QScrollBar>("HScroll1")->setValue(50);
    d.control<QScrollBar>("VScroll1")->setValue(77);

    QCOMPARE(d.field("TXTIMGWidth"), QStringLiteral("50"));
    QCOMPARE(d.field("TXTIMGHeight"), QStringLiteral("77"));
    QCOMPARE(d.stored(QStringLiteral("SAVE/IMGWidth")), QStringLiteral("50"));
    QCOMPARE(d.stored(QStringLiteral("SAVE/IMGHeight")), QStringLiteral("77"));
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0).at(0).toSize(), QSize(50, 100));
    QCOMPARE(boxes.at(1).at(0).toSize(), QSize(50, 77));
    QCOMPARE(d.model.thumbnailBox(), QSize(50, 77));
}

void tst_FrmDesign::colorPickPaintsAndSetsField_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QColor>("start");
    // The preview elements the pick paints, by object name; "frmDesign" is the
    // dialog itself. "text:" or "back:" says which colour.
    QTest::addColumn<QStringList>("painted");

    // Set 1's colours (see Set1) are what the elements show before the pick.
    QTest::newRow("cmdTitle") << "cmdTitle"
                              << "TitleColor" << QColor(0x70, 0x80, 0x90)
                              << QStringList{"text:TXTAlbumTitle", "text:TXTAlbumFooter", "text:lblTXTBGTXTColor",
                                             "text:ColorPattern1", "text:ColorPattern2",  "text:ColorPattern3"};
    QTest::newRow("cmdColor") << "cmdColor"
                              << "TXTLabelColor" << QColor(0x11, 0x11, 0x11) << QStringList{"back:lblTXTLabelColor"};
    QTest::newRow("cmdBGColor") << "cmdBGColor"
                                << "TXTBGColor" << QColor(0x10, 0x20, 0x30)
                                << QStringList{"back:frmDesign",     "back:TXTAlbumTitle", "back:TXTAlbumFooter",
                                               "back:ColorPattern1", "back:ColorPattern2", "back:ColorPattern3"};
    QTest::newRow("cmdFormColor") << "cmdFormColor"
                                  << "TXTBGColorSub" << QColor(0x40, 0x50, 0x60)
                                  << QStringList{"back:lblTXTBGLinkColor", "back:lblTXTBGVLinkColor",
                                                 "back:lblTXTBGTXTColor", "back:FormColor"};
    QTest::newRow("cmdLabelColor") << "cmdLabelColor"
                                   << "TXTLabelTXTColor" << QColor(0x22, 0x22, 0x22)
                                   << QStringList{"text:lblTXTLabelColor"};
    QTest::newRow("cmdLinkColor") << "cmdLinkColor"
                                  << "TXTBGLinkColor" << QColor(0xA0, 0xB0, 0xC0)
                                  << QStringList{"text:lblTXTBGLinkColor"};
    QTest::newRow("cmdVLinkColor") << "cmdVLinkColor"
                                   << "TXTBGVLinkColor" << QColor(0xD0, 0xE0, 0xF0)
                                   << QStringList{"text:lblTXTBGVLinkColor"};
}

void tst_FrmDesign::colorPickPaintsAndSetsField()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QColor, start);
    QFETCH(QStringList, painted);
    DesignDialog d(m_home.folder(QStringLiteral("pick/") + button) + QStringLiteral("/store.conf"));
    d.seed(withMode(QStringLiteral("1")));
    d.load();
    const QColor picked(0x0C, 0x0B, 0x0A);
    d.fakes.dialogs.colorAnswers.enqueue(picked);

    QTest::mouseClick(d.control<QPushButton>(button.toLatin1()), Qt::LeftButton);

    QCOMPARE(d.fakes.dialogs.colorStarts, QList<QColor>{start});
    QCOMPARE(d.field(field.toLatin1()), QStringLiteral("#0C0B0A"));
    for (const QString &element : painted) {
        const QString name = element.mid(5);
        const QWidget *widget = name == QLatin1String("frmDesign") ? &d.dialog : d.control<QWidget>(name.toLatin1());
        const QColor shown = element.startsWith(QLatin1String("text:")) ? textOf(widget) : backgroundOf(widget);
        QVERIFY2(shown == picked, qPrintable(element));
    }
}

void tst_FrmDesign::cancelledPickNormalisesField()
{
    DesignDialog d(m_home.folder(QStringLiteral("cancel")) + QStringLiteral("/store.conf"));
    d.seed({{QStringLiteral("SAVE/ColorMode"), QStringLiteral("1")}});
    d.load();
    QCOMPARE(d.field("TXTBGLinkColor"), QStringLiteral("#00ff00"));
    const QWidget *link = d.control<QWidget>("lblTXTBGLinkColor");

    QTest::mouseClick(d.control<QPushButton>("cmdLinkColor"), Qt::LeftButton);

    QCOMPARE(d.fakes.dialogs.colorStarts, QList<QColor>{QColor(0, 255, 0)});
    QCOMPARE(textOf(link), QColor(0, 255, 0));
    QCOMPARE(d.field("TXTBGLinkColor"), QStringLiteral("#00FF00"));
}

void tst_FrmDesign::okStoresColorSet()
{
    DesignDialog d(m_home.folder(QStringLiteral("ok")) + QStringLiteral("/store.conf"));
    d.seed(withMode(QStringLiteral("2"), {}));
    d.load();
    d.dialog.show();
    d.control<QLineEdit>("TXTAlbumTitle")->setText(QStringLiteral("Autumn"));
    d.fakes.dialogs.colorAnswers.enqueue(QColor(1, 2, 3));
    QTest::mouseClick(d.control<QPushButton>("cmdBGColor"), Qt::LeftButton);
    QCOMPARE(d.stored(QStringLiteral("COLORSET/2BGColor")), QStringLiteral("<absent>"));

    // OK is both the default and the cancel button: Escape saves as well.
    QTest::keyClick(&d.dialog, Qt::Key_Escape);

    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.stored(QStringLiteral("COLORSET/2AlbumTitle")), QStringLiteral("Autumn"));
    QCOMPARE(d.stored(QStringLiteral("COLORSET/2BGColor")), QStringLiteral("#010203"));
    QCOMPARE(d.stored(QStringLiteral("COLORSET/2AlbumFooter")), QStringLiteral("Velmo for Windows95"));
    QCOMPARE(d.stored(QStringLiteral("SAVE/IMGHeight")), QStringLiteral("100"));
    QCOMPARE(d.stored(QStringLiteral("COLORSET/1AlbumTitle")), QStringLiteral("<absent>"));
}

void tst_FrmDesign::closingOtherwiseStoresNothing()
{
    DesignDialog d(m_home.folder(QStringLiteral("close")) + QStringLiteral("/store.conf"));
    d.seed(withMode(QStringLiteral("1"), {}));
    d.load();
    d.dialog.show();
    d.control<QLineEdit>("TXTAlbumTitle")->setText(QStringLiteral("Unsaved"));

    d.dialog.close();

    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.stored(QStringLiteral("COLORSET/1AlbumTitle")), QStringLiteral("<absent>"));
}

void tst_FrmDesign::defaultColorHidesButtonsAndStoresOnlySizes()
{
    DesignDialog d(m_home.folder(QStringLiteral("preset")) + QStringLiteral("/store.conf"));
    d.seed(withMode(QStringLiteral("1")));
    d.load();
    d.dialog.show();
    QVERIFY(!colorButtonsHidden(d));

    d.control<QRadioButton>("ColorPattern3")->click();

    QVERIFY(colorButtonsHidden(d));
    QCOMPARE(d.stored(QStringLiteral("SAVE/ColorMode")), QStringLiteral("3"));
    QCOMPARE(d.dialog.CopyDesignValues(), DesignValues::preset());
    QCOMPARE(backgroundOf(&d.dialog), QColor(0xFE, 0xFF, 0xE6));

    d.control<QLineEdit>("TXTIMGWidth")->setText(QStringLiteral("77"));
    QTest::mouseClick(d.control<QPushButton>("cmdExit"), Qt::LeftButton);

    QCOMPARE(d.stored(QStringLiteral("SAVE/IMGWidth")), QStringLiteral("77"));
    QCOMPARE(d.stored(QStringLiteral("COLORSET/1AlbumFooter")), QStringLiteral("by me"));
    QCOMPARE(d.stored(QStringLiteral("COLORSET/3AlbumFooter")), QStringLiteral("<absent>"));
}

// A click on a style stores it and the model holds it; the next load shows
// the stored style, and a text that names none is the classic pages.
void tst_FrmDesign::pageStyleIsStoredAtOnce()
{
    const QString store = m_home.folder(QStringLiteral("style")) + QStringLiteral("/store.conf");
    {
        DesignDialog d(store);
        d.seed({{QStringLiteral("SAVE/PageStyle"), QStringLiteral("fancy")}});
        d.load();
        d.dialog.show();
        QVERIFY(d.control<QRadioButton>("OptionClassic")->isChecked());
        QTest::mouseClick(d.control<QRadioButton>("OptionModern"), Qt::LeftButton);
        QCOMPARE(d.stored(QStringLiteral("SAVE/PageStyle")), QStringLiteral("modern"));
        QCOMPARE(d.model.values().pageStyle, PageStyle::Modern);
        QCOMPARE(d.dialog.CopyDesignValues().pageStyle, PageStyle::Modern);
    }
    DesignDialog again(store);
    again.load();
    QVERIFY(again.control<QRadioButton>("OptionModern")->isChecked());
    QCOMPARE(again.model.values().pageStyle, PageStyle::Modern);
}

QTEST_MAIN(tst_FrmDesign)
#include "tst_frmdesign.moc"
