// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/captions.h"
#include "lang/failuretext.h"
#include "lang/translation.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

// The English catalogue as the programs use it: every text has its English,
// and the catalogue built into the programs gives it.
class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void everyTextHasPlainEnglish();
    void builtInCatalogueFollowsTheChoice();
};

namespace {

struct Entry
{
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QList<Entry> readCatalogue()
{
    QFile file(QStringLiteral(VELMO_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entries.append(Entry{context, {}, {}});
        else if (xml.name() == QLatin1String("source"))
            entries.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            entries.last().unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            entries.last().translation = xml.readElementText();
        }
    }
    return entries;
}

// The place markers of a text, in order: "%1", "%2", ...
QStringList markers(const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

bool hasJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF01}-\\x{FF9F}]"));
    return text.contains(japanese);
}

} // namespace

void tst_Catalogue::everyTextHasPlainEnglish()
{
    const QList<Entry> entries = readCatalogue();
    QVERIFY(entries.size() > 150);
    for (const Entry &entry : entries) {
        const QByteArray where = (entry.context + QLatin1String(": ") + entry.source).toUtf8();
        QVERIFY2(!entry.unfinished && !entry.translation.isEmpty(), where.constData());
        QVERIFY2(markers(entry.source) == markers(entry.translation), where.constData());
        // The language box alone offers Japanese in English mode.
        QVERIFY2(!hasJapanese(entry.translation) || entry.source == QLatin1String("English Mode"), where.constData());
    }
}

void tst_Catalogue::builtInCatalogueFollowsTheChoice()
{
    const auto check4 = [] { return Captions::form1Rows().back().text(); };
    Translation::use(true);
    QVERIFY(Translation::english());
    QCOMPARE(check4(), QStringLiteral("OriginalScale"));
    QCOMPARE(Captions::albumButton(true), QStringLiteral("Album*"));
    QCOMPARE(FailureText::reportErrorNumber(53), QStringLiteral("Please report this error number. Error number 53"));

    Translation::use(false);
    QCOMPARE(check4(), QStringLiteral("スケール調整"));
    QCOMPARE(Captions::commentTool(false), QStringLiteral("予備"));
    QCOMPARE(FailureText::reportErrorNumber(53), QStringLiteral("エラー番号を報告下さい。エラー番号　53"));
}

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
