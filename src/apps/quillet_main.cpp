// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/quillettext.h"
#include "comment_window/frmmain.h"
#include "comment_window/quilleticon.h"
#include "lang/translation.h"
#include "platform/messageboxes.h"
#include "platform/widgetservices.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"
#include "windowcommandline.h"

#include <QApplication>

// quillet [--help] [--version]
int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("quillet"));
    QApplication::setApplicationVersion(QStringLiteral(VELMO_VERSION));
    WindowCommandLine commandLine(QStringLiteral("quillet"),
                                  QT_TRANSLATE_NOOP("CommandLine", "ヴェルモのアルバムページにコメントを書き込みます。"
                                                                   "ブラウザで開いたアルバムページの画像を"
                                                                   "ウインドウにドロップして下さい。\n"
                                                                   "例: quillet"));
    commandLine.answerBeforeWindow(argc, argv);

    QApplication app(argc, argv);
    SettingsStore store;
    Translation::use(englishChosen(store));
    if (!commandLine.read(QApplication::arguments()))
        return WindowCommandLine::BadCommandLine;
    QApplication::setWindowIcon(quilletIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("quillet"));

    RealServices services(QuilletText::programTitle);
    store.setProblemReporter([&services](const QString &text) {
        services.services().messages.show(text, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
    });
    frmMain window(services.services(), store);
    window.show();
    return app.exec();
}
