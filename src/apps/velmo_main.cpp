// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/programinfo.h"
#include "main_window/form1.h"
#include "main_window/forms.h"
#include "platform/widgetservices.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmo"));
    QApplication::setApplicationName(QStringLiteral("Velmo"));
    QApplication::setApplicationVersion(QStringLiteral(VELMO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmo"));

    RealServices services(ProgramInfo::title());
    SettingsStore store;
    Forms forms(store, services.services());
    forms.form1().Form_Load();
    return QApplication::exec();
}
