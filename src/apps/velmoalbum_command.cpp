// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmoalbum_command.h"

#include "album/albumbuild.h"
#include "album/albumsettings.h"
#include "album/albumtexts.h"
#include "album/preparation.h"
#include "platform/desktopservices.h"
#include "platform/paths.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"
#include "slide/slidebuild.h"
#include "velmoalbum_terminalview.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

enum ExitCode { Done = 0, NotWritten = 1, BadCommandLine = 2, ThumbnailsNotMade = 3 };

const QString ProgramName = QStringLiteral("velmo-album");

void printTo(std::FILE *stream, const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int fail(int code, const QString &reason)
{
    printTo(stderr, ProgramName + QStringLiteral(": ") + reason);
    return code;
}

QString carriedComments(int count)
{
    return QStringLiteral("%1 件のコメントを引き継ぎました。").arg(count);
}

struct Options
{
    QString folder;
    TerminalView::OldPages oldPages = TerminalView::OldPages::Ask;
    bool adjust = true;
    bool album = true;
    bool slide = false;
    bool quiet = false;
    bool force = false;
    std::optional<PageStyle> style; // the stored style unless given
};

// The album options as a freshly started Velmo holds them, with the command
// line's answers.
AlbumOptions startupOptions(const Options &options, const OptionsModel &stored, const DesignValues &design)
{
    AlbumOptions album = albumOptions(options.folder, stored, design);
    album.sizeThumbnailsByBox = options.adjust;
    album.remakeThumbnails = options.force;
    // --yes and --keep answer the old-pages question, so it is always asked.
    album.askBeforeDeletingOldPages =
        album.askBeforeDeletingOldPages || options.oldPages != TerminalView::OldPages::Ask;
    return album;
}

// Reads the command line; an empty text when it is fine, else the reason.
QString parse(const QStringList &arguments, Options &options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the album pages Album001.html, ... of FOLDER with the stored options and design."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Delete the old album pages without asking."));
    const QCommandLineOption keep(QStringLiteral("keep"),
                                  QStringLiteral("Keep the old album pages (pages of the same number are replaced)."));
    const DesignValues designTime;
    const QCommandLineOption noAdjust(QStringLiteral("no-adjust"),
                                      QStringLiteral("Show every thumbnail at %1 x %2 instead of fitting it.")
                                          .arg(designTime.boxWidth, designTime.boxHeight));
    const QCommandLineOption album(QStringLiteral("album"),
                                   QStringLiteral("Write the album pages (done unless only --slide is given)."));
    const QCommandLineOption slide(QStringLiteral("slide"),
                                   QStringLiteral("Write the slide page Slide.html (after the album with --album)."));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Print errors only."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Make every thumbnail again, also those that are up to date."));
    const QCommandLineOption style(QStringLiteral("style"), AlbumText::styleOptionHelp(), QStringLiteral("STYLE"));
    parser.addOptions({yes, keep, noAdjust, album, slide, quiet, force, style});
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder of JPEG images."));

    if (!parser.parse(arguments))
        return parser.errorText();
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(Done);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.positionalArguments().size() != 1)
        return QStringLiteral("one FOLDER expected (see --help)");
    if (parser.isSet(yes) && parser.isSet(keep))
        return QStringLiteral("--yes and --keep exclude each other");

    options.folder = QDir::cleanPath(QFileInfo(parser.positionalArguments().first()).absoluteFilePath());
    if (parser.isSet(yes))
        options.oldPages = TerminalView::OldPages::Delete;
    else if (parser.isSet(keep))
        options.oldPages = TerminalView::OldPages::Keep;
    options.adjust = !parser.isSet(noAdjust);
    options.slide = parser.isSet(slide);
    options.album = parser.isSet(album) || !options.slide;
    options.quiet = parser.isSet(quiet);
    options.force = parser.isSet(force);
    if (parser.isSet(style)) {
        options.style = PageStyles::fromName(parser.value(style));
        if (!options.style)
            return AlbumText::styleRefused();
    }
    return {};
}

// Nothing is written unless the folder exists, takes new files and holds
// pictures (pictures it cannot take are named on the view).
QString folderProblem(const QString &folder, BuildView &view)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("no such folder: ") + folder;
    if (!info.isDir())
        return QStringLiteral("not a folder: ") + folder;
    if (!Paths::canWriteInto(folder))
        return QStringLiteral("cannot write into folder: ") + folder;
    if (folderImages(folder, view).isEmpty())
        return QStringLiteral("no JPEG pictures in ") + folder;
    return {};
}

} // namespace

int runVelmoAlbum(const QStringList &arguments)
{
    Options options;
    if (const QString problem = parse(arguments, options); !problem.isEmpty())
        return fail(BadCommandLine, problem);
    TerminalView view(options.oldPages, options.quiet);
    if (const QString problem = folderProblem(options.folder, view); !problem.isEmpty())
        return fail(NotWritten, problem);

    SettingsStore settings;
    settings.setProblemReporter(
        [](const QString &text) { printTo(stderr, ProgramName + QStringLiteral(": ") + text); });
    // Read only: the user's settings file stays byte for byte as it was.
    OptionsModel stored(settings);
    stored.load();
    DesignValues design = loadDesignValues(settings);
    design.pageStyle = options.style.value_or(design.pageStyle);
    const AlbumOptions album = startupOptions(options, stored, design);
    SystemClock clock;

    int code = Done;
    if (options.album) {
        const AlbumBuildResult result = buildAlbum(album, design, view, clock);
        view.reportNotMade(result.thumbnails.notMade);
        if (!result.unwrittenPages.isEmpty())
            return fail(NotWritten, view.status());
        if (!options.quiet) {
            printTo(stdout, view.status());
            if (result.carriedComments > 0)
                printTo(stdout, carriedComments(result.carriedComments));
        }
        if (!result.thumbnails.notMade.isEmpty())
            code = ThumbnailsNotMade;
    }
    // After the album, the thumbnails are the ones its pages have just taken.
    const bool deleteThumbnails = album.deleteOldThumbnails && !options.album;
    if (options.slide) {
        const SlideBuildResult slide =
            writeSlidePage(options.folder, deleteThumbnails, view, clock, design, album.pageLanguage);
        if (slide.failureCode != 0)
            return fail(NotWritten, QStringLiteral("Slide.html could not be written"));
        if (!options.quiet)
            printTo(stdout, QStringLiteral("Slide.html written: %1 pictures").arg(slide.imageCount));
    }
    return code;
}
