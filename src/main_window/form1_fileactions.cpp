// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the buttons that act on the selected file (delete, browser, editor),
// start the comment tool, open the dialogs, and the double-click that opens a
// page with the desktop's program for it.
#include "main_window/form1.h"

#include "main_window/form1texts.h"
#include "main_window/forms.h"
#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"
#include "platform/failure.h"
#include "platform/launcher.h"
#include "platform/listing.h"
#include "platform/messageboxes.h"
#include "platform/paths.h"
#include "settings/optionsmodel.h"

#include <QFile>
#include <QLabel>
#include <QUrl>

namespace {

// The file actions' messages, as catalogue sources.
namespace FileActionMessages {
const char *const ConfirmDelete = QT_TRANSLATE_NOOP("Form1", "指定ファイルを削除します。");
const char *const BrowserSetting = QT_TRANSLATE_NOOP("Form1", "ブラウザの設定が異常です。設定を見直して下さい。");
const char *const EditorSetting = QT_TRANSLATE_NOOP("Form1", "Editerの設定が異常です。設定を見直して下さい。");
const char *const CommentToolSetting = QT_TRANSLATE_NOOP("Form1", "ファイルの設定が異常です。設定を見直して下さい。");
const char *const NotForPictures = QT_TRANSLATE_NOOP("Form1", "このボタンは、選択できません。");
// Asked when no trash can take the picture; OK deletes it for good.
const char *const NoTrash = QT_TRANSLATE_NOOP("Form1", "ゴミ箱に移せません。ファイルを完全に削除します。");
} // namespace FileActionMessages

enum class Removal { Done, Kept, Failed };

// Moves a picture to the trash; where no trash can take it, the picture is
// deleted for good only if the user agrees. Never deleted without a word.
Removal removePicture(Form1 &form, const QString &path)
{
    if (Listing::moveToTrash(path))
        return Removal::Done;
    if (!QFile::exists(path))
        return Removal::Failed;
    const QString question = Messages::translated(FileActionMessages::NoTrash);
    if (form.services().messages.show(question, MessageBoxes::Buttons::OkCancel, MessageBoxes::Icon::Exclamation) ==
        MessageBoxes::Answer::Cancel)
        return Removal::Kept;
    return QFile::remove(path) ? Removal::Done : Removal::Failed;
}

// Starts a program field with the given arguments; a program that cannot be
// found or a command line that cannot be used shows the field's own message,
// anything else the numbered report. False when nothing started.
bool startProgram(Form1 &form, const QString &programField, const QStringList &arguments, const char *settingMessage)
{
    try {
        form.services().launcher.start(programField, arguments);
        return true;
    } catch (const Failure &failure) {
        const bool badSetting =
            failure.code() == FailureCode::FileNotFound || failure.code() == FailureCode::InvalidCall;
        form.services().messages.show(badSetting ? Messages::translated(settingMessage)
                                                 : Messages::reportNumber(failure.code()));
        return false;
    }
}

bool isPageName(const QString &path)
{
    const QString ending = path.right(4).toUpper();
    return ending == QLatin1String("HTML") || ending == QLatin1String(".HTM");
}

} // namespace

// Deletes the selected JPEG picture by moving it to the desktop's trash.
void Form1::cmdJPGDEL_Click()
{
    takeFileKind();
    if (fileKindIsJpeg()) {
        if (m_forms.optionsModel().askBeforeDeletingImage() &&
            m_services.messages.show(Messages::translated(FileActionMessages::ConfirmDelete),
                                     MessageBoxes::Buttons::OkCancel,
                                     MessageBoxes::Icon::Exclamation) == MessageBoxes::Answer::Cancel)
            return;
        switch (removePicture(*this, m_currentFile)) {
        case Removal::Kept:
            return;
        case Removal::Failed:
            image1->hide();
            return;
        case Removal::Done:
            refreshFile1();
        }
    }
    ViewClear();
}

void Form1::cmdMSIE_Click()
{
    ViewClear();
    PathCheck();
    startProgram(*this, m_forms.optionsModel().browser(), {m_currentFile}, FileActionMessages::BrowserSetting);
}

void Form1::cmdNOTE_Click()
{
    ViewClear();
    takeFileKind();
    if (fileKindIsJpeg()) {
        m_services.messages.show(Messages::translated(FileActionMessages::NotForPictures));
        return;
    }
    startProgram(*this, m_forms.optionsModel().editor(), {m_currentFile}, FileActionMessages::EditorSetting);
}

// Starts the comment tool (or the FTP client in its place) and ends Velmo;
// Velmo stays open when the start fails.
void Form1::cmdFTP_Click()
{
    ViewClear();
    if (startProgram(*this, m_forms.optionsModel().commentTool(), {}, FileActionMessages::CommentToolSetting))
        cmd_quit_Click();
}

void Form1::cmdOption_Click()
{
    m_forms.options().exec();
}

void Form1::cmdDesign_Click()
{
    m_forms.design().exec();
}

void Form1::File1_DblClick()
{
    const QString name = file1FileName();
    if (name.isEmpty())
        return;
    const QString path = Paths::join(m_file1Path, name);
    if (isPageName(path))
        m_services.shell.open(QUrl::fromLocalFile(path));
}
