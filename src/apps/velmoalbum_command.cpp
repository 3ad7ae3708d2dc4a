// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmoalbum_command.h"

#include "album/albumbuild.h"
#include "album/albumsettings.h"
#include "album/albumtexts.h"
#include "album/preparation.h"
#include "lang/programinfo.h"
#include "lang/translation.h"
#include "platform/desktopservices.h"
#include "platform/interrupts.h"
#include "platform/paths.h"
#include "settings/keycatalogue.h"
#include "settings/optionsmodel.h"
#include "settings/settingsstore.h"
#include "slide/slidebuild.h"
#include "velmoalbum_terminalview.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

// An interrupt exits with 128 + its signal, as the shell reports it.
enum ExitCode { Done = 0, NotWritten = 1, BadCommandLine = 2, ThumbnailsNotMade = 3 };

QString translated(const char *japanese)
{
    return QCoreApplication::translate("VelmoAlbum", japanese);
}

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
    return translated(QT_TRANSLATE_NOOP("VelmoAlbum", "%1 件のコメントを引き継ぎました。")).arg(count);
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
    std::optional<bool> shotDates; // --date; the stored choice otherwise
    bool captionsFromPhotos = false;
    std::optional<PageStyle> style; // the stored style unless given
};

// The album options as a freshly started Velmo holds them, with the command
// line's answers.
AlbumOptions startupOptions(const Options &options, const OptionsModel &stored, const DesignValues &design)
{
    AlbumOptions album = albumOptions(options.folder, stored, design);
    album.sizeThumbnailsByBox = options.adjust;
    album.remakeThumbnails = options.force;
    album.shotDates = options.shotDates.value_or(album.shotDates);
    album.captionsFromPhotos = album.captionsFromPhotos || options.captionsFromPhotos;
    // --yes and --keep answer the old-pages question, so it is always asked.
    album.askBeforeDeletingOldPages =
        album.askBeforeDeletingOldPages || options.oldPages != TerminalView::OldPages::Ask;
    return album;
}

// A command line refused: why, and where to look.
QString refused(const QString &reason)
{
    return reason + QLatin1Char(' ') + ProgramInfo::tryHelp();
}

// Reads the command line; an empty text when it is fine, else the reason.
QString parse(const QStringList &arguments, Options &options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(translated(
        QT_TRANSLATE_NOOP("VelmoAlbum", "保存されたオプションとデザインで、FOLDER のアルバムページ "
                                        "Album001.html, ... を作成します。\n\n"
                                        "終了コード: 0 すべて作成、1 作成できないものがあった"
                                        "（ページ、Slide.html、フォルダの問題、JPEG画像がない）、"
                                        "2 コマンドラインの誤り、3 ページは作成したが縮小画像を作れないものがあった、"
                                        "130 中断された（SIGTERM では 143、SIGHUP では 129）。\n"
                                        "例: velmo-album --yes ~/写真/旅行")));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption yes(
        QStringLiteral("yes"),
        translated(QT_TRANSLATE_NOOP("VelmoAlbum", "古いアルバムページを確認せずに削除します。")));
    const QCommandLineOption keep(
        QStringLiteral("keep"), translated(QT_TRANSLATE_NOOP(
                                    "VelmoAlbum", "古いアルバムページを残します（同じ番号のページは置き換えます）。")));
    const DesignValues designTime;
    const QCommandLineOption noAdjust(
        QStringLiteral("no-adjust"),
        translated(QT_TRANSLATE_NOOP("VelmoAlbum", "縮小画像を枠に合わせず、すべて %1 x %2 で表示します。"))
            .arg(designTime.boxWidth, designTime.boxHeight));
    const QCommandLineOption album(
        QStringLiteral("album"),
        translated(QT_TRANSLATE_NOOP("VelmoAlbum", "アルバムページを作成します（--slide だけのとき以外は常に）。")));
    const QCommandLineOption slide(
        QStringLiteral("slide"),
        translated(QT_TRANSLATE_NOOP("VelmoAlbum",
                                     "スライドページ Slide.html を作成します（--album があればアルバムの後に）。")));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   translated(QT_TRANSLATE_NOOP("VelmoAlbum", "エラーだけを表示します。")));
    const QCommandLineOption force(
        QStringLiteral("force"),
        translated(QT_TRANSLATE_NOOP("VelmoAlbum", "最新の縮小画像も含めて、すべて作り直します。")));
    const QCommandLineOption date(
        QStringLiteral("date"),
        translated(QT_TRANSLATE_NOOP("VelmoAlbum", "ページに表示する日付: file (ファイルの日時) か "
                                                   "shot (撮影日時。写真に記録があれば)。")),
        QStringLiteral("file|shot"));
    const QCommandLineOption captions(
        QStringLiteral("captions-from-photos"),
        translated(QT_TRANSLATE_NOOP("VelmoAlbum", "空のコメントに写真自身の説明を入れます。")));
    const QCommandLineOption style(
        QStringLiteral("style"),
        translated(QT_TRANSLATE_NOOP(
            "VelmoAlbum", "保存されているページ形式の代わりに STYLE (classic か modern) でページを書きます。")),
        QStringLiteral("STYLE"));
    parser.addOptions({yes, keep, noAdjust, album, slide, quiet, force, date, captions, style});
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 translated(QT_TRANSLATE_NOOP("VelmoAlbum", "JPEG画像のフォルダ。")));

    if (!parser.parse(arguments))
        return refused(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(Done);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.positionalArguments().size() != 1)
        return refused(translated(QT_TRANSLATE_NOOP("VelmoAlbum", "FOLDER を一つ指定して下さい。")));
    if (parser.isSet(yes) && parser.isSet(keep))
        return refused(translated(QT_TRANSLATE_NOOP("VelmoAlbum", "--yes と --keep は同時に使えません。")));

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
    options.captionsFromPhotos = parser.isSet(captions);
    if (parser.isSet(date)) {
        const QString source = parser.value(date);
        if (source != QLatin1String(DateSourceValue::File) && source != QLatin1String(DateSourceValue::Shot))
            return refused(translated(QT_TRANSLATE_NOOP("VelmoAlbum", "--date には file か shot を指定して下さい。")));
        options.shotDates = OptionsModel::isShotDateSource(source);
    }
    if (parser.isSet(style)) {
        options.style = PageStyles::fromName(parser.value(style));
        if (!options.style)
            return refused(
                translated(QT_TRANSLATE_NOOP("VelmoAlbum", "--style には classic か modern を指定して下さい。")));
    }
    return {};
}

// Nothing is written unless the folder exists, takes new files and holds
// pictures (pictures it cannot take are named on the view).
QString folderProblem(const QString &folder, BuildView &view)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return translated(QT_TRANSLATE_NOOP("VelmoAlbum", "フォルダがありません: %1")).arg(folder);
    if (!info.isDir())
        return translated(QT_TRANSLATE_NOOP("VelmoAlbum", "フォルダではありません: %1")).arg(folder);
    if (!Paths::canWriteInto(folder))
        return translated(QT_TRANSLATE_NOOP("VelmoAlbum", "フォルダに書き込めません: %1")).arg(folder);
    if (folderImages(folder, view).isEmpty())
        return translated(QT_TRANSLATE_NOOP("VelmoAlbum", "JPEG画像がありません: %1")).arg(folder);
    return {};
}

} // namespace

int runVelmoAlbum(const QStringList &arguments)
{
    Interrupts::catchRequests();
    SettingsStore settings;
    Translation::use(englishChosen(settings));
    Options options;
    if (const QString problem = parse(arguments, options); !problem.isEmpty())
        return fail(BadCommandLine, problem);
    TerminalView view(options.oldPages, options.quiet);
    if (const QString problem = folderProblem(options.folder, view); !problem.isEmpty())
        return fail(NotWritten, problem);

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
        if (result.interrupted)
            return fail(Interrupts::exitStatus(), AlbumText::interrupted());
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
        if (slide.interrupted)
            return fail(Interrupts::exitStatus(), AlbumText::interrupted());
        if (slide.failureCode != 0)
            return fail(NotWritten, translated(QT_TRANSLATE_NOOP("VelmoAlbum", "Slide.html を作成できませんでした。")));
        if (!options.quiet)
            printTo(stdout, translated(QT_TRANSLATE_NOOP("VelmoAlbum", "Slide.html を作成しました: %1 枚の画像"))
                                .arg(slide.imageCount));
    }
    return code;
}
