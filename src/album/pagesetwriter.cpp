// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/pagesetwriter.h"

#include "album/pageformat.h"
#include "album/pagesetjournal.h"
#include "platform/paths.h"

#include <QRegularExpression>

namespace {

using PageFormat::JournalName;
using PageFormat::TemporaryPrefix;

std::function<bool()> &stopHook()
{
    static std::function<bool()> hook;
    return hook;
}

// The journal of the folder when it is one to follow: a regular file of
// this folder, no larger than a journal can be, whole and naming only pages.
std::optional<PageSetJournal> readJournal(const FolderFiles &files)
{
    const std::optional<QByteArray> bytes =
        files.isRegularFile(JournalName) ? files.read(JournalName, PageSetJournal::SizeLimit) : std::nullopt;
    return bytes ? PageSetJournal::parse(*bytes) : std::nullopt;
}

// A journal not to follow is kept for the user to look at, out of the way of
// the next build. False when it could be neither set aside nor removed.
bool setJournalAside(FolderFiles &files)
{
    return files.rename(JournalName, PageFormat::RefusedJournalName) || files.remove(JournalName);
}

void removeBuildTemporaries(FolderFiles &files)
{
    for (const QString &name : files.names()) {
        if (PageFormat::isBuildTemporary(name) && !files.isFolder(name))
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
    PageSetJournal journal{{}, obsolete};
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

bool PageSetWriter::recover(const QString &folder, const std::function<void(const QString &)> &onRefused)
{
    FolderFiles files(folder, stopHook());
    if (files.exists(JournalName)) {
        const std::optional<PageSetJournal> journal = readJournal(files);
        if (journal && !journal->finish(files))
            return false;
        if (!journal) {
            if (!setJournalAside(files))
                return false;
            if (onRefused)
                onRefused(Paths::join(folder, PageFormat::RefusedJournalName));
        }
    }
    removeBuildTemporaries(files);
    return !files.stopped();
}

void PageSetWriter::setStopHook(std::function<bool()> stopHere)
{
    stopHook() = std::move(stopHere);
}
