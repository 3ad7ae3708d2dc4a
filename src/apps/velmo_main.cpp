// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/programinfo.h"
#include "main_window/form1.h"
#include "main_window/forms.h"
#include "platform/widgetservices.h"
#include "settings/settingsstore.h"
#include "windowcommandline.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace {

// Why the window cannot open on the path from the command line, or nothing.
QString startProblem(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo given(path);
    if (!given.exists())
        return QStringLiteral("no such file or folder: ") + path;
    const QFileInfo folder(given.isDir() ? given.absoluteFilePath() : given.absolutePath());
    if (!folder.isReadable() || !folder.isExecutable())
        return QStringLiteral("cannot open folder: ") + folder.absoluteFilePath();
    return {};
}

} // namespace

// velmo [--help] [--version] [FOLDER | PHOTO]
int main(int argc, char *argv[])
{
    QApplication::setOrganizationName(QStringLiteral("Velmo"));
    QApplication::setApplicationName(QStringLiteral("Velmo"));
    QApplication::setApplicationVersion(QStringLiteral(VELMO_VERSION));
    WindowCommandLine commandLine(QStringLiteral("velmo"),
                                  QStringLiteral("Browses JPEG photo folders and makes HTML album pages of them."));
    commandLine.allowPath(QStringLiteral("path"),
                          QStringLiteral("A folder to open instead of the last one, or a photo to show in its folder."),
                          QStringLiteral("[FOLDER | PHOTO]"));
    commandLine.answerBeforeWindow(argc, argv);

    QApplication app(argc, argv);
    const std::optional<QString> startPath = commandLine.read(QApplication::arguments());
    if (!startPath)
        return WindowCommandLine::BadCommandLine;
    if (const QString problem = startProblem(*startPath); !problem.isEmpty()) {
        commandLine.report(problem);
        return WindowCommandLine::PathProblem;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmo"));

    RealServices services(ProgramInfo::title());
    SettingsStore store;
    Forms forms(store, services.services());
    forms.form1().Form_Load(*startPath);
    return QApplication::exec();
}
