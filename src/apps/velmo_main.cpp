// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/programinfo.h"
#include "lang/translation.h"
#include "main_window/form1.h"
#include "main_window/forms.h"
#include "platform/widgetservices.h"
#include "settings/optionsmodel.h"
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
        return QCoreApplication::translate("CommandLine", "ファイルもフォルダもありません: %1").arg(path);
    const QFileInfo folder(given.isDir() ? given.absoluteFilePath() : given.absolutePath());
    if (!folder.isReadable() || !folder.isExecutable())
        return QCoreApplication::translate("CommandLine", "フォルダを開けません: %1").arg(folder.absoluteFilePath());
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
                                  QT_TRANSLATE_NOOP("CommandLine",
                                                    "JPEG写真のフォルダを閲覧し、HTMLのアルバムを作成します。\n"
                                                    "例: velmo ~/写真/旅行"));
    commandLine.allowPath(QStringLiteral("path"),
                          QT_TRANSLATE_NOOP("CommandLine", "前回のフォルダの代わりに開くフォルダ、"
                                                           "またはそのフォルダで表示する写真。"),
                          QStringLiteral("[FOLDER | PHOTO]"));
    commandLine.answerBeforeWindow(argc, argv);

    QApplication app(argc, argv);
    SettingsStore store;
    Translation::use(englishChosen(store));
    const std::optional<QString> startPath = commandLine.read(QApplication::arguments());
    if (!startPath)
        return WindowCommandLine::BadCommandLine;
    if (const QString problem = startProblem(*startPath); !problem.isEmpty()) {
        commandLine.report(problem);
        return WindowCommandLine::PathProblem;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmo"));

    RealServices services(ProgramInfo::title);
    Forms forms(store, services.services());
    forms.form1().Form_Load(*startPath);
    return QApplication::exec();
}
