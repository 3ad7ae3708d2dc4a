// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/frmmain.h"
#include "comment_tool/quilleticon.h"
#include "comment_tool/quillettext.h"
#include "platform/desktopservices.h"
#include "platform/widgetservices.h"
#include "settings/settingsstore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillet"));
    QApplication::setApplicationVersion(QuilletVersion::text());
    QApplication::setWindowIcon(quilletIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("quillet"));

    WidgetMessageBoxes messages(QuilletText::programTitle());
    ProcessLauncher launcher;
    DesktopShellOpener shell;
    WidgetCommonDialogs dialogs;
    SystemClipboard clipboard;
    SystemClock clock;
    SettingsStore store;

    frmMain window({messages, launcher, shell, dialogs, clipboard, clock}, store);
    window.show();
    return app.exec();
}
