// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the folder commands (album build, slide page, reduction) and the
// window they report to while they run.
#include "main_window/form1.h"

#include "album/albumbuild.h"
#include "album/albumsettings.h"
#include "album/buildview.h"
#include "album/reductioncommand.h"
#include "main_window/forms.h"
#include "slide/slidebuild.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace {

// The window as the folder commands see it. Everything it changes is
// repainted at once; while a command works, the window takes its paints and
// a close request a few times a second, but no click or key.
class Form1BuildView : public BuildView
{
public:
    explicit Form1BuildView(Form1 &form)
        : m_form(form)
    {
        m_form.beginCommand();
        setBusy(true);
    }
    ~Form1BuildView() override
    {
        if (m_refreshPending)
            refreshNow();
        setBusy(false);
        m_form.endCommand();
    }
    Form1BuildView(const Form1BuildView &) = delete;
    Form1BuildView &operator=(const Form1BuildView &) = delete;

    void clearViewer() override { m_form.ViewClear(); }
    void showProgress(bool visible) override
    {
        m_form.HScrollBar->setVisible(visible);
        repaintProgress();
    }
    // While preparing, the bar grows a twip per image found; in the other
    // phases it fills as their items are done.
    void setProgress(BuildPhase phase, int done, int total) override
    {
        takeWindowEvents();
        if (phase == BuildPhase::Preparing)
            setBarWidth(done);
        else
            setBarWidth(total > 0 ? FullBarTwips * done / total : 0);
    }
    void setBarWidth(double twips)
    {
        const int width = qRound(twips / TwipsPerPixel);
        if (width == m_form.HScrollBar->width())
            return;
        m_form.HScrollBar->resize(width, m_form.HScrollBar->height());
        repaintProgress();
    }
    // Warnings follow every later status text, so the command's own texts
    // never hide them.
    void setStatus(const QString &text) override
    {
        QStringList shown = m_warnings;
        if (!text.isEmpty())
            shown.prepend(text);
        m_form.Label3->setText(shown.join(QLatin1Char(' ')));
        m_form.Label3->repaint();
        m_status = text;
    }
    QString status() const override { return m_status; }
    void warn(const QString &text) override
    {
        m_warnings.append(text);
        setStatus(m_status);
    }
    void showWaiting(const QString &text) override { setStatus(text); }
    // The "ALB" filter box. A change of the box lists the folder again
    // through its click; a box that is already on still lists the page the
    // command has just written.
    void setAlbumFilter(bool checked)
    {
        if (m_form.Check1->isChecked() == checked)
            m_refreshPending = true;
        else
            m_form.Check1->setChecked(checked);
    }
    // A command refreshes the list after every image it makes; listing a
    // large folder that often would cost more than the images, so the list
    // follows a few times a second and once more at the end.
    void refreshFileList() override
    {
        if (m_lastRefresh.isValid() && m_lastRefresh.elapsed() < RefreshIntervalMs) {
            m_refreshPending = true;
            return;
        }
        refreshNow();
    }
    void setBusy(bool busy) override
    {
        if (busy == m_busy)
            return;
        m_busy = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    bool askDeleteOldPages(const QString &question) override
    {
        return m_form.services().messages.show(question, MessageBoxes::Buttons::YesNo,
                                               MessageBoxes::Icon::Exclamation) == MessageBoxes::Answer::Yes;
    }
    void showMessage(const QString &text, MessageBoxes::Icon icon) override
    {
        m_form.services().messages.show(text, MessageBoxes::Buttons::Ok, icon);
    }
    bool stopRequested() const override { return m_form.commandStopAsked(); }

private:
    static constexpr qint64 RefreshIntervalMs = 250;
    static constexpr qint64 WindowEventsIntervalMs = 100;

    void takeWindowEvents()
    {
        if (m_lastWindowEvents.isValid() && m_lastWindowEvents.elapsed() < WindowEventsIntervalMs)
            return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_lastWindowEvents.start();
    }
    static constexpr double FullBarTwips = 8000;

    void refreshNow()
    {
        m_form.refreshFile1();
        m_form.File1->repaint();
        m_refreshPending = false;
        m_lastRefresh.start();
    }
    // The bar's whole row, so that a shorter or hidden bar leaves no trace.
    void repaintProgress()
    {
        const QWidget *bar = m_form.HScrollBar;
        m_form.repaint(QRect(bar->pos(), QSize(m_form.width() - bar->x(), bar->height())));
    }

    Form1 &m_form;
    QString m_status;
    QStringList m_warnings;
    bool m_busy = false;
    bool m_refreshPending = false;
    QElapsedTimer m_lastRefresh;
    QElapsedTimer m_lastWindowEvents;
};

} // namespace

AlbumOptions Form1::albumOptions() const
{
    AlbumOptions options = ::albumOptions(m_file1Path, m_forms.optionsModel(), m_forms.designModel().values());
    options.sizeThumbnailsByBox = Check5->isChecked();
    return options;
}

// The file list shows the album pages once the build has written any.
void Form1::cmdAlbum_Click()
{
    Form1BuildView view(*this);
    view.setAlbumFilter(false);
    if (::buildAlbum(albumOptions(), m_forms.designModel().values(), view, m_services.clock).imageCount > 0)
        view.setAlbumFilter(true);
}

void Form1::cmdOMAKE_Click()
{
    Form1BuildView view(*this);
    const SlideBuildResult result =
        ::writeSlidePage(m_file1Path, m_forms.optionsModel().deleteOldThumbnails(), view, m_services.clock,
                         m_forms.designModel().values(), albumOptions().pageLanguage);
    if (result.failureCode == 0)
        view.setAlbumFilter(true);
}

void Form1::cmdRdctJPEG_Click()
{
    Form1BuildView view(*this);
    ::reduceFolder(albumOptions(), view);
    view.showProgress(false);
}
