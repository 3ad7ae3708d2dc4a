// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/frmmain.h"
#include "comment_tool/quilleticon.h"
#include "comment_tool/quillettext.h"
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

    RealServices services(QuilletText::programTitle());
    SettingsStore store;
    frmMain window(services.services(), store);
    window.show();
    return app.exec();
}
