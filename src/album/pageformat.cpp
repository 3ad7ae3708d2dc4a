// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pageformat.h"

#include "platform/folderfiles.h"
#include "rdctjpeg/rdctjpeg.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace PageFormat {

namespace {

constexpr char ShiftJisName[] = "Shift_JIS";

// Stateless, so that bytes that end inside a character are an error and not
// held back for a next piece that never comes.
QStringDecoder decoderFor(PageEncoding encoding)
{
    return encoding == PageEncoding::Utf8 ? QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)
                                          : QStringDecoder(ShiftJisName, QStringDecoder::Flag::Stateless);
}

} // namespace

const QString TemporaryPrefix = QStringLiteral(".velmo-page-");
const QString JournalName = QStringLiteral(".velmo-pages");
const QString RefusedJournalName = QStringLiteral(".velmo-pages.refused");

QString homePageName()
{
    return QStringLiteral("index.html");
}

QString pageFileName(int page)
{
    return QStringLiteral("Album%1.html").arg(page, 3, 10, QLatin1Char('0'));
}

QString pagePattern()
{
    return QStringLiteral("Album*.html");
}

bool isBuildPageName(const QString &name)
{
    static const QRegularExpression pattern = QRegularExpression::fromWildcard(pagePattern(), Qt::CaseInsensitive);
    return FolderFiles::isEntryName(name) && pattern.match(name).hasMatch();
}

bool isCommentToolPageName(const QString &name)
{
    return name.startsWith(QLatin1String("Album")) && name.right(4).toUpper() == QLatin1String("HTML");
}

bool isPageTemporary(const QString &name)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(TemporaryPrefix) + QStringLiteral("[A-Za-z0-9]{6}")));
    return pattern.match(name).hasMatch();
}

// The files that writers of pages make and a stopped one leaves behind: page
// temporaries (the journal's own and the comment tool's included), those of
// earlier versions (".Album001.html.XXXXXX", and the comment tool's
// "Album001.html.XXXXXX" when its random part holds a capital or a digit,
// so that a user's "Album001.html.backup" stays), and the reduction's
// thumbnail temporaries
// (RDCTJPEG_TEMPORARY_PREFIX, earlier ".s_NAME.jpg.XXXXXXXX").
bool isBuildTemporary(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.Album[0-9]{3,}\\.html\\.[A-Za-z0-9]{6}$"
                                                           "|^Album[0-9]{3,}\\.html\\.(?=.*[A-Z0-9])[A-Za-z0-9]{6}$"
                                                           "|^\\.s_.*(?i:jpg|peg)\\.[0-9a-z]{8}$"));
    return isPageTemporary(name) || name.startsWith(QLatin1String(RDCTJPEG_TEMPORARY_PREFIX)) ||
           pattern.match(name).hasMatch();
}

QString decode(const QByteArray &bytes, PageEncoding encoding)
{
    return decoderFor(encoding).decode(bytes);
}

std::optional<QString> decodeExactly(const QByteArray &bytes, PageEncoding encoding)
{
    QStringDecoder decoder = decoderFor(encoding);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QStringEncoder encoderFor(PageEncoding encoding)
{
    return encoding == PageEncoding::Utf8 ? QStringEncoder(QStringEncoder::Utf8) : QStringEncoder(ShiftJisName);
}

std::optional<QByteArray> encodeExactly(const QString &text, PageEncoding encoding)
{
    if (encoding == PageEncoding::Utf8)
        return text.toUtf8();
    QStringEncoder encoder = encoderFor(encoding);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

PageEncoding declaredEncoding(const QByteArray &page)
{
    // The declaration stands in the head, before the first comment block.
    const qsizetype headEnd = QByteArrayView(page).indexOf(QByteArrayView(StartOpen));
    const QByteArray head = (headEnd < 0 ? page : page.left(headEnd)).toLower();
    const QByteArray charset("charset=");
    const qsizetype at = head.indexOf(charset);
    if (at < 0)
        return PageEncoding::ShiftJis;
    QByteArray value = head.mid(at + charset.size(), 8);
    while (value.startsWith('"') || value.startsWith('\'') || value.startsWith(' '))
        value.remove(0, 1);
    return value.startsWith("utf-8") || value.startsWith("utf8") ? PageEncoding::Utf8 : PageEncoding::ShiftJis;
}

} // namespace PageFormat
