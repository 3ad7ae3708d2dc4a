// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pagesetwriter.h"

#include "album/pageformat.h"

#include <QFile>
#include <QRegularExpression>

namespace {

using PageFormat::JournalName;
using PageFormat::TemporaryPrefix;
const QByteArray JournalHeader = "velmo page set 1";
const QByteArray JournalEnd = "end";
const QByteArray PutWord = "put";
const QByteArray RemoveWord = "remove";

std::function<bool()> &stopHook()
{
    static std::function<bool()> hook;
    return hook;
}

// The hidden files that builds make and a stopped one leaves behind: page
// temporaries (the journal's own included), those of earlier versions
// (".Album001.html.XXXXXX"), and the reduction's thumbnail temporaries
// (".velmo-thumb-XXXXXX", earlier ".s_NAME.jpg.XXXXXXXX").
bool isBuildTemporary(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.velmo-page-[A-Za-z0-9]{6}$"
                                                           "|^\\.velmo-thumb-"
                                                           "|^\\.Album[0-9]{3,}\\.html\\.[A-Za-z0-9]{6}$"
                                                           "|^\\.s_.*(?i:jpg|peg)\\.[0-9a-z]{8}$"));
    return pattern.match(name).hasMatch();
}

// What a decided set still has to do.
struct Journal
{
    QList<std::pair<QString, QString>> puts; // temporary, page
    QStringList obsolete;

    QByteArray bytes() const
    {
        QByteArrayList lines{JournalHeader};
        for (const auto &[temporary, page] : puts)
            lines.append(PutWord + ' ' + encoded(temporary) + ' ' + encoded(page));
        for (const QString &page : obsolete)
            lines.append(RemoveWord + ' ' + encoded(page));
        lines.append(JournalEnd);
        return lines.join('\n') + '\n';
    }

    // Nothing when the bytes are not a whole journal.
    static std::optional<Journal> parse(const QByteArray &bytes)
    {
        QByteArrayList lines = bytes.split('\n');
        if (lines.size() < 3 || lines.first() != JournalHeader || !lines.takeLast().isEmpty() ||
            lines.takeLast() != JournalEnd)
            return std::nullopt;
        Journal journal;
        for (const QByteArray &line : lines.mid(1)) {
            const QByteArrayList words = line.split(' ');
            if (words.size() == 3 && words[0] == PutWord)
                journal.puts.append({decoded(words[1]), decoded(words[2])});
            else if (words.size() == 2 && words[0] == RemoveWord)
                journal.obsolete.append(decoded(words[1]));
            else
                return std::nullopt;
        }
        return journal;
    }

    // Renames in the temporaries not yet renamed and removes the obsolete
    // pages still there. Done again after a stop, it does only what is left.
    bool finish(FolderFiles &files) const
    {
        bool done = true;
        for (const auto &[temporary, page] : puts) {
            if (files.exists(temporary))
                done = files.rename(temporary, page) && done;
        }
        for (const QString &page : obsolete) {
            if (files.exists(page))
                done = files.remove(page) && done;
        }
        return files.syncFolder() && done && files.remove(JournalName);
    }

private:
    // Names may hold spaces or line breaks; the journal holds them encoded.
    static QByteArray encoded(const QString &name) { return QFile::encodeName(name).toPercentEncoding(); }
    static QString decoded(const QByteArray &word) { return QFile::decodeName(QByteArray::fromPercentEncoding(word)); }
};

void removeBuildTemporaries(FolderFiles &files)
{
    for (const QString &name : files.names()) {
        if (isBuildTemporary(name) && !files.isFolder(name))
            files.remove(name);
    }
}

} // namespace

PageSetWriter::PageSetWriter(const QString &folder)
    : m_files(folder, stopHook())
{}

PageSetWriter::~PageSetWriter()
{
    for (const Pending &page : std::as_const(m_pending))
        m_files.remove(page.temporary);
}

bool PageSetWriter::add(const QString &name, const QByteArray &bytes)
{
    // A hidden name: the folder listings never show a half-written page.
    const std::optional<QString> temporary =
        m_files.isFolder(name) ? std::nullopt : m_files.create(TemporaryPrefix, bytes);
    if (!temporary) {
        m_failed = true;
        return false;
    }
    m_pending.append({name, *temporary});
    return true;
}

bool PageSetWriter::commit(const QStringList &obsolete)
{
    if (m_failed || !m_files.isOpen())
        return false;
    Journal journal{{}, obsolete};
    for (const Pending &page : std::as_const(m_pending)) {
        // The journal may name only pages that stand on disk whole.
        if (!m_files.syncFile(page.temporary))
            return false;
        journal.puts.append({page.temporary, page.name});
    }
    const std::optional<QString> written = m_files.create(TemporaryPrefix, journal.bytes());
    if (!written)
        return false;
    if (!m_files.syncFile(*written) || !m_files.rename(*written, JournalName)) {
        m_files.remove(*written);
        return false;
    }
    // Decided: from here on the temporaries belong to the journal.
    m_pending.clear();
    return m_files.syncFolder() && journal.finish(m_files);
}

bool PageSetWriter::recover(const QString &folder)
{
    FolderFiles files(folder, stopHook());
    if (files.exists(JournalName) && !files.isFolder(JournalName)) {
        const std::optional<QByteArray> bytes = files.read(JournalName);
        if (!bytes)
            return false;
        // A journal only ever appears whole; anything else is not one of ours
        // to follow, and is dropped with the temporaries.
        const std::optional<Journal> journal = Journal::parse(*bytes);
        if (journal ? !journal->finish(files) : !files.remove(JournalName))
            return false;
    }
    removeBuildTemporaries(files);
    return !files.stopped();
}

void PageSetWriter::setStopHook(std::function<bool()> stopHere)
{
    stopHook() = std::move(stopHere);
}
