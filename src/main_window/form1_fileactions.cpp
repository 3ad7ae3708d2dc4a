// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the buttons that act on the selected file (delete, browser, editor),
// start the comment tool, open the dialogs, and the double-click that opens a
// page with the desktop's program for it.
#include "main_window/form1.h"

#include "main_window/form1texts.h"
#include "main_window/forms.h"
#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"
#include "main_window/setlanguagecaptions.h"
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

namespace FileActionMessages {
const QString ConfirmDelete = QStringLiteral("指定ファイルを削除します。");
const QString BrowserSetting = QStringLiteral("ブラウザの設定が異常です。設定を見直して下さい。");
const QString EditorSetting = QStringLiteral("Editerの設定が異常です。設定を見直して下さい。");
const QString CommentToolSetting = QStringLiteral("ファイルの設定が異常です。設定を見直して下さい。");
const QString NotForPictures = QStringLiteral("このボタンは、選択できません。");
// Asked when no trash can take the picture; OK deletes it for good.
constexpr Captions::Row NoTrash{"cmdJPGDEL", "ゴミ箱に移せません。ファイルを完全に削除します。",
                                "The file cannot go to the trash. It will be deleted for good."};
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
    const QString question = FileActionMessages::NoTrash.text(captionLanguage(form.forms().optionsModel()));
    if (form.services().messages.show(question, MessageBoxes::Buttons::OkCancel, MessageBoxes::Icon::Exclamation) ==
        MessageBoxes::Answer::Cancel)
        return Removal::Kept;
    return QFile::remove(path) ? Removal::Done : Removal::Failed;
}

// Starts a program field with the given arguments; a program that cannot be
// found or a command line that cannot be used shows the field's own message,
// anything else the numbered report. False when nothing started.
bool startProgram(Form1 &form, const QString &programField, const QStringList &arguments, const QString &settingMessage)
{
    try {
        form.services().launcher.start(programField, arguments);
        return true;
    } catch (const Failure &failure) {
        const bool badSetting =
            failure.code() == FailureCode::FileNotFound || failure.code() == FailureCode::InvalidCall;
        form.services().messages.show(badSetting ? settingMessage : Messages::reportNumber(failure.code()));
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
            m_services.messages.show(FileActionMessages::ConfirmDelete, MessageBoxes::Buttons::OkCancel,
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
        m_services.messages.show(FileActionMessages::NotForPictures);
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
