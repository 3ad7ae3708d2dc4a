// SPDX-License-Identifier: GPL-3.0-or-later
// Quillet's comment: writing it back, the question before an edited comment
// is left, and the keys that move through the album.
#include "comment_window/frmmain.h"

#include "comment_tool/quillettext.h"
#include "platform/failure.h"
#include "platform/launcher.h"
#include "platform/messageboxes.h"
#include "settings/keycatalogue.h"
#include "settings/settingsstore.h"
#include "settings/settingvalue.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

void frmMain::cmdEnter_Click()
{
    collapseComment();
    if (writeComment())
        m_services.shell.open(QUrl::fromLocalFile(QFileInfo(m_source.target).absoluteFilePath()));
}

// Writes the field into the target page; nothing, after a message, when the
// page was left as it was.
std::optional<CommentDrop::Written> frmMain::writeComment()
{
    try {
        const CommentDrop::Written written = CommentDrop::write(
            m_source, txtComment->toPlainText(),
            [this] {
                say(QuilletText::waitingForBuild);
                lblMes->repaint();
            },
            chkIntoPhoto->isChecked() ? CommentDrop::IntoPhoto::Yes : CommentDrop::IntoPhoto::No);
        if (txtComment->toPlainText() != m_source.comment)
            showComment(m_source.comment);
        if (written.photoNotWritten)
            say([name = m_source.photo.name] { return QuilletText::photoNotWritten(name); });
        else
            say(written.escaped ? std::function<QString()>(QuilletText::markersEscaped) : nullptr);
        return written;
    } catch (const Failure &failure) {
        m_services.messages.show(QuilletText::writeFailure(failure.code()));
        return std::nullopt;
    }
}

// The switch is Velmo's option too: stored at once, as the options dialog does.
void frmMain::chkIntoPhoto_Click()
{
    m_store.write(Keys::CommentsIntoPhotos, SettingValue::switchText(chkIntoPhoto->isChecked()));
}

// Before the shown comment goes: true when it may go, asking first when it
// was edited and not written (write, discard, or stay).
bool frmMain::leaveComment()
{
    if (!m_source.editable() || txtComment->toPlainText() == m_source.comment)
        return true;
    switch (m_services.messages.show(QuilletText::unwrittenQuestion(), MessageBoxes::Buttons::YesNoCancel,
                                     MessageBoxes::Icon::Exclamation)) {
    case MessageBoxes::Answer::Yes:
        return writeComment().has_value();
    case MessageBoxes::Answer::No:
        return true;
    default:
        return false;
    }
}

bool frmMain::handleKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool alt = modifiers == Qt::AltModifier;
    if ((plain && key->key() == Qt::Key_PageDown) || (alt && key->key() == Qt::Key_Right))
        moveBy(1);
    else if ((plain && key->key() == Qt::Key_PageUp) || (alt && key->key() == Qt::Key_Left))
        moveBy(-1);
    else if (modifiers == Qt::ControlModifier && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
        writeAndGoOn();
    else
        return false;
    return true;
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

void frmMain::moveBy(int step)
{
    // Before any image, the album of the folder Velmo last showed.
    const QString folder = m_imagePath.isEmpty() ? m_store.read(Keys::Path) : QFileInfo(m_imagePath).path();
    if (!folder.isEmpty())
        m_index.refresh(folder);
    if (folder.isEmpty() || m_index.images().isEmpty()) {
        say(QuilletText::noAlbum);
        return;
    }
    const qsizetype to = m_index.position(m_imageName) + step;
    if (to < 0 || to >= m_index.images().size()) {
        say(to < 0 ? QuilletText::firstImage : QuilletText::lastImage);
        return;
    }
    if (!leaveComment())
        return;
    lblDMsg->hide();
    collapseComment();
    try {
        load({m_index.folder(), m_index.images().at(to)});
    } catch (const Failure &failure) {
        m_services.messages.show(QuilletText::dropFailure(failure.code()));
        if (QuilletText::dropFailureCloses(failure.code()))
            cmdQuit_Click();
    }
}

void frmMain::writeAndGoOn()
{
    collapseComment();
    const std::optional<CommentDrop::Written> written = writeComment();
    // Marker text written otherwise, or a photo left unwritten, is shown
    // before going on.
    if (!written || written->escaped || written->photoNotWritten)
        return;
    m_index.refresh(m_index.folder());
    if (m_index.position(m_imageName) + 1 < m_index.images().size())
        moveBy(1);
    else
        m_services.shell.open(QUrl::fromLocalFile(QFileInfo(m_source.target).absoluteFilePath()));
}
