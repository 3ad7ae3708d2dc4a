// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmowindows.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// The controls a running show disables.
QList<QWidget *> lockList(Form1 &form)
{
    return {form.cmdJPGDEL, form.cmdAlbum, form.cmdOption, form.cmdFTP, form.cmdMSIE, form.cmdNOTE,
            form.cmdDesign, form.Check1,   form.Check2,    form.Check3, form.Check4,  form.Check5};
}

// Looks at the window on every pass of the show's wait (a zero timer runs
// whenever pending events run): the pictures shown and the interval label's
// texts, each change once, in order. A test can act on the first look.
class ShowWatch : public QObject
{
public:
    explicit ShowWatch(Form1 &form)
        : m_form(form)
    {
        connect(&m_timer, &QTimer::timeout, this, &ShowWatch::look);
        m_timer.start(0);
    }

    QStringList shown;
    QStringList labels;
    std::function<void()> onFirstLook;
    // Every control of the show's lock list was disabled at every look.
    bool lockedEveryLook = true;

private:
    void look()
    {
        const QString path = m_form.Text5->text();
        if (path != m_lastPath && !path.isEmpty())
            shown.append(QFileInfo(path).fileName());
        m_lastPath = path;
        if (labels.isEmpty() || labels.last() != m_form.Label1->text())
            labels.append(m_form.Label1->text());
        for (const QWidget *control : lockList(m_form))
            lockedEveryLook = lockedEveryLook && !control->isEnabled();
        if (onFirstLook)
            std::exchange(onFirstLook, nullptr)();
    }

    Form1 &m_form;
    QTimer m_timer;
    QString m_lastPath;
};

// A window started in a photo folder holding the given files; names ending in
// jpg, jpeg or JPG are pictures unless listed in `damaged`.
struct ShowWindow : VelmoWindows
{
    ShowWindow(const QStringList &names, const QStringList &damaged = {})
        : folder(home.folder(QStringLiteral("photos")))
    {
        for (const QString &name : names) {
            const QString path = folder + QLatin1Char('/') + name;
            const bool picture = QFileInfo(name).suffix().toLower().startsWith(QLatin1String("jp"));
            if (picture && !damaged.contains(name))
                Fixture::makeJpeg(path, 64, 48);
            else
                Fixture::writeFile(path, "not a picture\n");
        }
        startIn(folder);
        // Each read of the clock moves it a quarter second: a 10 second slide
        // takes 20 passes of the wait.
        fakes.clock.stepPerRead = 250;
    }

    QString storedSelStart() const { return store.read(Keys::SelStart, QStringLiteral("<absent>")); }
    // How often the show has read the clock since the last call.
    qint64 clockReads()
    {
        const qint64 now = fakes.clock.monotonicMs();
        const qint64 reads = (now - m_lastRead) / fakes.clock.stepPerRead - 1;
        m_lastRead = now;
        return reads;
    }

    QString folder;

private:
    qint64 m_lastRead = 0;
};

bool backToIdle(Form1 &form)
{
    for (const QWidget *control : lockList(form)) {
        if (!control->isEnabled())
            return false;
    }
    return !form.cmdSlideShow->isHidden() && form.cmdSlideStop->isHidden() && form.image1->isHidden() &&
           form.Text5->text().isEmpty() && form.Label1->text().isEmpty();
}

} // namespace

class tst_SlideShow : public QObject
{
    Q_OBJECT

private slots:
    void intervalFollowsSlider_data();
    void intervalFollowsSlider();
    void showsJpegPicturesOnly_data();
    void showsJpegPicturesOnly();
    void labelCountsSecondsOfEachSlide();
    void stopEndsWithinOnePass();
    void sliderMovedDuringShowTakesEffectAtOnce();
    void folderChangedDuringShowIsNotSeen();
    void closingDuringShowReturnsAtOnce();
    void waitSleepsBetweenEvents();
};

void tst_SlideShow::intervalFollowsSlider_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("selStart");

    QTest::newRow("start position") << 11 << "10 sec "
                                    << "11";
    QTest::newRow("fastest") << 20 << "1 sec "
                             << "20";
    QTest::newRow("slowest") << 1 << "20 sec "
                             << "1";
}

// The slider with the focus shows the interval; an empty folder ends a show
// at once, which saves the slider position.
void tst_SlideShow::intervalFollowsSlider()
{
    QFETCH(int, position);
    ShowWindow velmo({});
    Form1 &form = velmo.form();
    form.Slider1->setValue(position);

    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(form.Slider1, &focusIn);
    QTEST(form.Label1->text(), "label");
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(form.Slider1, &focusOut);
    QCOMPARE(form.Label1->text(), QString());

    form.cmdSlideShow->click();

    QVERIFY(backToIdle(form));
    QTEST(velmo.storedSelStart(), "selStart");
}

void tst_SlideShow::showsJpegPicturesOnly_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("damaged");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("thumbnails and text are passed over") << QStringList{"P1.jpg", "s_P1.jpg", "notes.txt", "S_P2.JPG"}
                                                         << QStringList() << QStringList{"P1.jpg", "S_P2.JPG"};
    QTest::newRow("jpeg is a picture, jpe is not")
        << QStringList{"a.jpeg", "b.jpe"} << QStringList() << QStringList{"a.jpeg"};
    QTest::newRow("a damaged picture is passed over")
        << QStringList{"a.jpg", "b.jpg", "c.jpg"} << QStringList{"b.jpg"} << QStringList{"a.jpg", "c.jpg"};
    QTest::newRow("no pictures") << QStringList{"notes.txt"} << QStringList() << QStringList();
}

void tst_SlideShow::showsJpegPicturesOnly()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, damaged);
    ShowWindow velmo(names, damaged);
    Form1 &form = velmo.form();
    ShowWatch watch(form);

    form.cmdSlideShow->click();

    QTEST(watch.shown, "shown");
    QVERIFY(watch.lockedEveryLook);
    QVERIFY(backToIdle(form));
    QCOMPARE(velmo.storedSelStart(), QStringLiteral("11"));
    QVERIFY(velmo.fakes.messages.shown.isEmpty());
}

void tst_SlideShow::labelCountsSecondsOfEachSlide()
{
    ShowWindow velmo({QStringLiteral("P1.jpg")});
    Form1 &form = velmo.form();
    ShowWatch watch(form);
    watch.onFirstLook = [&] {
        QVERIFY(form.cmdSlideShow->isHidden());
        QVERIFY(!form.cmdSlideStop->isHidden());
        // The lists, the slider, the slide page and Exit stay usable.
        const QList<QWidget *> usable = {form.File1, form.Dir1, form.Slider1, form.cmdOMAKE, form.cmd_quit};
        for (const QWidget *control : usable)
            QVERIFY(control->isEnabled());
    };
    velmo.clockReads();

    form.cmdSlideShow->click();

    QStringList expected{QStringLiteral("10 sec ")};
    for (int second = 1; second <= 10; ++second)
        expected.append(QStringLiteral("%1/10 sec ").arg(second));
    QCOMPARE(watch.labels, expected);
    // The start, two reads for each of the 20 passes of 10 seconds, and the
    // read that ends the wait.
    QCOMPARE(velmo.clockReads(), 1 + 2 * 20 + 1);
}

void tst_SlideShow::stopEndsWithinOnePass()
{
    ShowWindow velmo({QStringLiteral("P1.jpg"), QStringLiteral("P2.jpg")});
    Form1 &form = velmo.form();
    form.Slider1->setValue(15);
    ShowWatch watch(form);
    QTimer::singleShot(0, form.cmdSlideStop, [&] { QTest::mouseClick(form.cmdSlideStop, Qt::LeftButton); });
    velmo.clockReads();

    form.cmdSlideShow->click();

    QCOMPARE(velmo.clockReads(), 3);
    QCOMPARE(watch.shown, QStringList{QStringLiteral("P1.jpg")});
    QVERIFY(backToIdle(form));
    QCOMPARE(velmo.storedSelStart(), QStringLiteral("15"));
}

void tst_SlideShow::sliderMovedDuringShowTakesEffectAtOnce()
{
    ShowWindow velmo({QStringLiteral("P1.jpg"), QStringLiteral("P2.jpg")});
    Form1 &form = velmo.form();
    ShowWatch watch(form);
    watch.onFirstLook = [&] { form.Slider1->setValue(20); };
    velmo.clockReads();

    form.cmdSlideShow->click();

    QCOMPARE(watch.shown, (QStringList{QStringLiteral("P1.jpg"), QStringLiteral("P2.jpg")}));
    QVERIFY(watch.labels.contains(QStringLiteral("1/1 sec ")));
    QVERIFY(!watch.labels.contains(QStringLiteral("2/10 sec ")));
    // One second per slide: the start, two passes and the read that ends it.
    QCOMPARE(velmo.clockReads(), 2 * (1 + 2 * 2 + 1));
    QCOMPARE(velmo.storedSelStart(), QStringLiteral("20"));
}

// The show passes through the folder as it stood when it started.
void tst_SlideShow::folderChangedDuringShowIsNotSeen()
{
    ShowWindow velmo({QStringLiteral("A.jpg"), QStringLiteral("C.jpg"), QStringLiteral("D.jpg")});
    Form1 &form = velmo.form();
    ShowWatch watch(form);
    watch.onFirstLook = [&] {
        Fixture::makeJpeg(velmo.folder + QStringLiteral("/B.jpg"), 32, 32);
        QFile::remove(velmo.folder + QStringLiteral("/C.jpg"));
    };

    form.cmdSlideShow->click();

    QCOMPARE(watch.shown, (QStringList{QStringLiteral("A.jpg"), QStringLiteral("D.jpg")}));
    QVERIFY(backToIdle(form));
}

void tst_SlideShow::closingDuringShowReturnsAtOnce()
{
    ShowWindow velmo({QStringLiteral("P1.jpg"), QStringLiteral("P2.jpg")});
    Form1 &form = velmo.form();
    ShowWatch watch(form);
    watch.onFirstLook = [&] { form.close(); };

    form.cmdSlideShow->click();

    QCOMPARE(watch.shown, QStringList{QStringLiteral("P1.jpg")});
    QVERIFY(form.isClosing());
    QVERIFY(!form.cmdAlbum->isEnabled());
    QCOMPARE(velmo.storedSelStart(), QStringLiteral("<absent>"));
    QCOMPARE(velmo.store.read(Keys::Path), velmo.folder);
}

// The wait sleeps until an event comes instead of spinning through the
// clock: here time passes only while it sleeps, a quarter second each time.
void tst_SlideShow::waitSleepsBetweenEvents()
{
    ShowWindow velmo({QStringLiteral("P1.jpg")});
    Form1 &form = velmo.form();
    form.Slider1->setValue(20);
    velmo.fakes.clock.stepPerRead = 0;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    int sleeps = 0;
    const QMetaObject::Connection sleeping = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] {
        ++sleeps;
        velmo.fakes.clock.advance(250);
        dispatcher->wakeUp();
    });
    // A wait that never sleeps would never see the clock move.
    QTimer::singleShot(2000, form.cmdSlideStop, [&] { form.cmdSlideStop->click(); });

    form.cmdSlideShow->click();

    disconnect(sleeping);
    QCOMPARE(sleeps, 4);
    QVERIFY(backToIdle(form));
}

QTEST_MAIN(tst_SlideShow)
#include "tst_slideshow.moc"
