// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide/slideshow.h"
#include "velmowindows.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <functional>

namespace {

// The controls a running show disables.
QList<QWidget *> lockList(Form1 &form)
{
    return {form.cmdJPGDEL, form.cmdAlbum, form.cmdOption, form.cmdFTP, form.cmdMSIE, form.cmdNOTE,
            form.cmdDesign, form.Check1,   form.Check2,    form.Check3, form.Check4,  form.Check5};
}

SlideShow *slideShow(Form1 &form)
{
    return form.findChild<SlideShow *>();
}

// Looks at the window after each step of the show: the pictures shown, the
// interval label at every second, and the lock on the controls.
class ShowWatch : public QObject
{
public:
    explicit ShowWatch(Form1 &form)
        : m_form(form)
    {
        SlideShow *show = slideShow(form);
        connect(show, &SlideShow::pictureDue, this, [this] {
            if (!m_form.Text5->text().isEmpty())
                shown.append(QFileInfo(m_form.Text5->text()).fileName());
            look();
        });
        connect(show, &SlideShow::secondShown, this, [this] {
            labels.append(m_form.Label1->text());
            look();
            if (onSecond)
                onSecond(labels.last());
        });
        connect(show, &SlideShow::slideEnded, this, &ShowWatch::look);
    }

    QStringList shown;
    QStringList labels;
    std::function<void(const QString &label)> onSecond;
    // Every control of the show's lock list was disabled at every look.
    bool lockedEveryLook = true;

private:
    void look()
    {
        for (const QWidget *control : lockList(m_form))
            lockedEveryLook = lockedEveryLook && !control->isEnabled();
    }

    Form1 &m_form;
};

// A window started in a photo folder holding the given files; names ending in
// jpg, jpeg or JPG are pictures unless listed in `damaged`.
struct ShowWindow : VelmoWindows
{
    ShowWindow(const QStringList &names, const QStringList &damaged = {}) { startWithFiles(names, damaged); }

    QString storedSelStart() const { return store.read(Keys::SelStart, QStringLiteral("<absent>")); }

    // Lets the show's timer wake it until it ends; on the fake clock no wake waits.
    bool finishShow()
    {
        QSignalSpy finished(slideShow(form()), &SlideShow::finished);
        return !slideShow(form())->isRunning() || finished.wait(5000);
    }
};

bool backToIdle(Form1 &form)
{
    for (const QWidget *control : lockList(form)) {
        if (!control->isEnabled())
            return false;
    }
    return !slideShow(form)->isRunning() && !form.cmdSlideShow->isHidden() && form.cmdSlideStop->isHidden() &&
           form.image1->isHidden() && form.Text5->text().isEmpty() && form.Label1->text().isEmpty();
}

QStringList secondsOf(int interval)
{
    QStringList labels;
    for (int second = 1; second <= interval; ++second)
        labels.append(QStringLiteral("%1/%2 sec ").arg(second).arg(interval));
    return labels;
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
    void stopEndsTheShowAtOnce();
    void sliderMovedDuringShowTakesEffectAtOnce();
    void folderChangedDuringShowIsNotSeen();
    void closingDuringShowEndsIt();
    void runsFullScreenAndEscapeStopsIt();
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
    QCOMPARE(slideShow(form)->interval(), 21 - position);
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
    QVERIFY(velmo.finishShow());

    QTEST(watch.shown, "shown");
    QVERIFY(watch.lockedEveryLook);
    QVERIFY(backToIdle(form));
    QCOMPARE(velmo.storedSelStart(), QStringLiteral("11"));
    QVERIFY(velmo.fakes.messages.shown.isEmpty());
}

// The show wakes once a second to count, and the picture stays its interval.
void tst_SlideShow::labelCountsSecondsOfEachSlide()
{
    ShowWindow velmo({QStringLiteral("P1.jpg")});
    Form1 &form = velmo.form();
    ShowWatch watch(form);
    const qint64 start = velmo.fakes.clock.monotonicMs();

    form.cmdSlideShow->click();

    // The click returns with the show running and the first picture on show.
    QCOMPARE(watch.shown, QStringList{QStringLiteral("P1.jpg")});
    QVERIFY(form.cmdSlideShow->isHidden());
    QVERIFY(!form.cmdSlideStop->isHidden());
    const QList<QWidget *> usable = {form.File1, form.Dir1, form.Slider1, form.cmdOMAKE, form.cmd_quit};
    for (const QWidget *control : usable)
        QVERIFY(control->isEnabled());
    QVERIFY(velmo.finishShow());

    QCOMPARE(watch.labels, secondsOf(10));
    QCOMPARE(velmo.fakes.clock.monotonicMs() - start, qint64(10000));
}

void tst_SlideShow::stopEndsTheShowAtOnce()
{
    ShowWindow velmo({QStringLiteral("P1.jpg"), QStringLiteral("P2.jpg")});
    Form1 &form = velmo.form();
    form.Slider1->setValue(15);
    ShowWatch watch(form);
    watch.onSecond = [&](const QString &label) {
        if (label == QLatin1String("3/6 sec "))
            QTest::mouseClick(form.cmdSlideStop, Qt::LeftButton);
    };

    form.cmdSlideShow->click();
    QVERIFY(velmo.finishShow());

    QCOMPARE(watch.labels, secondsOf(6).mid(0, 3));
    QCOMPARE(watch.shown, QStringList{QStringLiteral("P1.jpg")});
    QVERIFY(backToIdle(form));
    QCOMPARE(velmo.storedSelStart(), QStringLiteral("15"));
}

// A shorter interval ends the picture on show as soon as it has had it.
void tst_SlideShow::sliderMovedDuringShowTakesEffectAtOnce()
{
    ShowWindow velmo({QStringLiteral("P1.jpg"), QStringLiteral("P2.jpg")});
    Form1 &form = velmo.form();
    ShowWatch watch(form);
    watch.onSecond = [&](const QString &label) {
        if (label == QLatin1String("3/10 sec "))
            form.Slider1->setValue(19);
    };

    form.cmdSlideShow->click();
    QVERIFY(velmo.finishShow());

    QCOMPARE(watch.shown, (QStringList{QStringLiteral("P1.jpg"), QStringLiteral("P2.jpg")}));
    QCOMPARE(watch.labels, secondsOf(10).mid(0, 3) + secondsOf(2));
    QCOMPARE(velmo.storedSelStart(), QStringLiteral("19"));
}

// The show passes through the folder as it stood when it started.
void tst_SlideShow::folderChangedDuringShowIsNotSeen()
{
    ShowWindow velmo({QStringLiteral("A.jpg"), QStringLiteral("C.jpg"), QStringLiteral("D.jpg")});
    Form1 &form = velmo.form();
    ShowWatch watch(form);

    form.cmdSlideShow->click();
    Fixture::makeJpeg(velmo.folder + QStringLiteral("/B.jpg"), 32, 32);
    QFile::remove(velmo.folder + QStringLiteral("/C.jpg"));
    QVERIFY(velmo.finishShow());

    QCOMPARE(watch.shown, (QStringList{QStringLiteral("A.jpg"), QStringLiteral("D.jpg")}));
    QVERIFY(backToIdle(form));
}

// Closing ends the program at once: the show stops where it is, nothing is
// restored and the slider position is not saved.
void tst_SlideShow::closingDuringShowEndsIt()
{
    ShowWindow velmo({QStringLiteral("P1.jpg"), QStringLiteral("P2.jpg")});
    Form1 &form = velmo.form();
    ShowWatch watch(form);

    form.cmdSlideShow->click();
    form.close();
    QCoreApplication::processEvents();

    QVERIFY(!slideShow(form)->isRunning());
    QCOMPARE(watch.labels.size(), 1);
    QCOMPARE(watch.shown, QStringList{QStringLiteral("P1.jpg")});
    QVERIFY(form.isClosing());
    QVERIFY(!form.cmdAlbum->isEnabled());
    QCOMPARE(velmo.storedSelStart(), QStringLiteral("<absent>"));
    QCOMPARE(velmo.store.read(Keys::Path), velmo.folder);
}

// F5 starts the show on the whole screen, F11 takes it back into the window
// and out again, and Escape stops it and leaves full screen.
void tst_SlideShow::runsFullScreenAndEscapeStopsIt()
{
    ShowWindow window({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")});
    Form1 &form = window.form();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QTest::keyClick(&form, Qt::Key_F11);
    QTest::keyClick(&form, Qt::Key_F5);
    QVERIFY(slideShow(form)->isRunning());
    QTRY_COMPARE(form.size(), QGuiApplication::primaryScreen()->size());
    QCOMPARE(QFileInfo(form.Text5->text()).fileName(), QStringLiteral("a.jpg"));
    QCOMPARE(form.image1->geometry().center(), form.rect().center());

    QTest::keyClick(&form, Qt::Key_F11);
    QVERIFY(!form.isFullScreenView());
    QVERIFY(slideShow(form)->isRunning());
    QCOMPARE(form.image1->pos(), QPoint(8, 32));
    QTest::keyClick(&form, Qt::Key_F11);
    QVERIFY(form.isFullScreenView());

    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isFullScreenView());
    QVERIFY(backToIdle(form));
    QCOMPARE(window.storedSelStart(), QStringLiteral("11"));
}

QTEST_MAIN(tst_SlideShow)
#include "tst_slideshow.moc"
