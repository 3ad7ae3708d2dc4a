// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the folder commands (album build, slide page, reduction) and the
// window they report to while they run.
#include "main_window/form1.h"

#include "album/albumbuild.h"
#include "album/buildview.h"
#include "album/reductioncommand.h"
#include "main_window/forms.h"
#include "main_window/frmdesign.h"
#include "slide/slidebuild.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

// The window as the folder commands see it. Everything it changes is
// repainted at once; no other event runs while a command works.
class Form1BuildView : public BuildView
{
public:
    explicit Form1BuildView(Form1 &form)
        : m_form(form)
    {
        setBusy(true);
    }
    ~Form1BuildView() override
    {
        if (m_refreshPending)
            refreshNow();
        setBusy(false);
    }
    Form1BuildView(const Form1BuildView &) = delete;
    Form1BuildView &operator=(const Form1BuildView &) = delete;

    void clearViewer() override { m_form.ViewClear(); }
    void showProgress(bool visible) override
    {
        m_form.HScrollBar->setVisible(visible);
        repaintProgress();
    }
    void setProgressWidth(double twips) override
    {
        m_progressWidth = twips;
        const int width = qRound(twips / TwipsPerPixel);
        if (width == m_form.HScrollBar->width())
            return;
        m_form.HScrollBar->resize(width, m_form.HScrollBar->height());
        repaintProgress();
    }
    double progressWidth() const override { return m_progressWidth; }
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
    // A change of the box lists the folder again through its click; a box
    // that is already on still lists the page the command has just written.
    void setAlbumFilter(bool checked) override
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

private:
    static constexpr qint64 RefreshIntervalMs = 250;

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
    double m_progressWidth = 0;
    QString m_status;
    QStringList m_warnings;
    bool m_busy = false;
    bool m_refreshPending = false;
    QElapsedTimer m_lastRefresh;
};

} // namespace

AlbumControls Form1::albumControls() const
{
    AlbumControls controls;
    controls.folder = m_file1Path;
    controls.TXTAlbumLine = TXTAlbumLine->text();
    controls.TXTApage = TXTApage->text();
    controls.TXTJPEGReduction = TXTJPEGReduction->text();
    controls.photosPerPage = m_photosPerPage;
    controls.CheckWarningHtml = CheckWarningHtml->isChecked();
    controls.CheckWarningJPG = CheckWarningJPG->isChecked();
    controls.CheckTARGET = CheckTARGET->isChecked();
    controls.Check5 = Check5->isChecked();
    return controls;
}

void Form1::takeAlbumControls(const AlbumControls &controls)
{
    TXTAlbumLine->setText(controls.TXTAlbumLine);
    TXTJPEGReduction->setText(controls.TXTJPEGReduction);
    m_photosPerPage = controls.photosPerPage;
}

std::function<DesignValues()> Form1::designValues()
{
    return [this] { return m_forms.design().CopyDesignValues(); };
}

void Form1::cmdAlbum_Click()
{
    AlbumControls controls = albumControls();
    Form1BuildView view(*this);
    ::buildAlbum(controls, m_store, view, m_services.clock, designValues());
    takeAlbumControls(controls);
}

void Form1::cmdOMAKE_Click()
{
    Form1BuildView view(*this);
    ::writeSlidePage(m_file1Path, CheckWarningJPG->isChecked(), view, m_services.clock, designValues());
}

void Form1::cmdRdctJPEG_Click()
{
    AlbumControls controls = albumControls();
    {
        Form1BuildView view(*this);
        ::reduceFolder(controls, m_store, view);
        view.showProgress(false);
    }
    takeAlbumControls(controls);
}
