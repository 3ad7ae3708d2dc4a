// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pagesetjournal.h"

#include "album/pageformat.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace {

const QByteArray Header = "velmo page set 1";
const QByteArray End = "end";
const QByteArray PutWord = "put";
const QByteArray RemoveWord = "remove";

// Names may hold spaces or line breaks; the journal holds them encoded.
QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name).toPercentEncoding();
}

QString decoded(const QByteArray &word)
{
    return QFile::decodeName(QByteArray::fromPercentEncoding(word));
}

// One line into journal; false when it is no line of a build's journal.
bool addLine(PageSetJournal &journal, const QByteArray &line)
{
    const QByteArrayList words = line.split(' ');
    if (words.size() == 3 && words[0] == PutWord) {
        journal.puts.append({decoded(words[1]), decoded(words[2])});
        return PageFormat::isPageTemporary(journal.puts.last().first) &&
               PageFormat::isBuildPageName(journal.puts.last().second);
    }
    if (words.size() == 2 && words[0] == RemoveWord) {
        journal.obsolete.append(decoded(words[1]));
        return PageFormat::isBuildPageName(journal.obsolete.last());
    }
    return false;
}

} // namespace

QByteArray PageSetJournal::bytes() const
{
    QByteArrayList lines{Header};
    for (const auto &[temporary, page] : puts)
        lines.append(PutWord + ' ' + encoded(temporary) + ' ' + encoded(page));
    for (const QString &page : obsolete)
        lines.append(RemoveWord + ' ' + encoded(page));
    lines.append(End);
    return lines.join('\n') + '\n';
}

std::optional<PageSetJournal> PageSetJournal::parse(const QByteArray &bytes)
{
    if (bytes.size() > SizeLimit)
        return std::nullopt;
    QByteArrayList lines = bytes.split('\n');
    if (lines.size() < 3 || lines.first() != Header || !lines.takeLast().isEmpty() || lines.takeLast() != End)
        return std::nullopt;
    PageSetJournal journal;
    for (const QByteArray &line : lines.mid(1)) {
        if (!addLine(journal, line))
            return std::nullopt;
    }
    QSet<QString> written;
    for (const auto &put : std::as_const(journal.puts))
        written.insert(put.second);
    const bool removesAWrittenPage = std::any_of(journal.obsolete.cbegin(), journal.obsolete.cend(),
                                                 [&written](const QString &page) { return written.contains(page); });
    return removesAWrittenPage ? std::nullopt : std::optional(journal);
}

bool PageSetJournal::finish(FolderFiles &files) const
{
    bool done = true;
    for (const auto &[temporary, page] : puts) {
        if (files.isRegularFile(temporary))
            done = files.rename(temporary, page) && done;
    }
    for (const QString &page : obsolete) {
        if (files.exists(page) && !files.isFolder(page))
            done = files.remove(page) && done;
    }
    return files.syncFolder() && done && files.remove(PageFormat::JournalName);
}
