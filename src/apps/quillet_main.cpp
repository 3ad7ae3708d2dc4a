// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/quillettext.h"
#include "comment_window/frmmain.h"
#include "comment_window/quilleticon.h"
#include "platform/messageboxes.h"
#include "platform/widgetservices.h"
#include "settings/settingsstore.h"
#include "windowcommandline.h"

#include <QApplication>

// quillet [--help] [--version]
int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("quillet"));
    QApplication::setApplicationVersion(QuilletVersion::text());
    WindowCommandLine commandLine(QStringLiteral("quillet"),
                                  QStringLiteral("Writes comments into Velmo's album pages: drop an image from an "
                                                 "album page in the browser on the window."));
    commandLine.answerBeforeWindow(argc, argv);

    QApplication app(argc, argv);
    if (!commandLine.read(QApplication::arguments()))
        return WindowCommandLine::BadCommandLine;
    QApplication::setWindowIcon(quilletIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("quillet"));

    RealServices services(QuilletText::programTitle());
    SettingsStore store;
    store.setProblemReporter([&services](const QString &text) {
        services.services().messages.show(text, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
    });
    frmMain window(services.services(), store);
    window.show();
    return app.exec();
}
